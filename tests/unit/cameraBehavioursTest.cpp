// The walking and the orbiting camera driven by a stopped timer and synthetic input.
#include "behaviours/CVeskAnimatorCameraFPS.h"
#include "behaviours/CVeskAnimatorCameraModelViewer.h"
#include "document/CVeskDeserializer.h"
#include "document/CVeskDocument.h"
#include "document/veskTypeCodes.h"
#include "document/CVeskSerializer.h"
#include "render/CVeskSceneManagerExtension.h"
#include "render/veskSceneManager.h"
#include "scene/CVeskCameraSceneNode.h"
#include "scene/CVeskScene.h"
#include "tests/support/behaviourFixtures.h"
#include "tests/support/testSupport.h"
#include "tests/support/veskTestDocuments.h"

#include <gtest/gtest.h>

using namespace irr;
using scene::CVeskAnimatorCameraFPS;
using scene::CVeskAnimatorCameraModelViewer;

namespace
{

class CameraBehaviours : public ::testing::Test
{
protected:
	void SetUp() override
	{
		Device = hxtest::createNullDevice();
		ASSERT_NE(Device, nullptr);
		Device->getTimer()->stop();
		SceneManager = createVeskSceneManager(Device->getSceneManager());
		Extension = getSceneExtension(SceneManager);
		Cursor = new hxtest::CTestCursorControl();
		Camera = new CVeskCameraSceneNode(SceneManager->getRootSceneNode(), SceneManager, 1,
			core::vector3df(0, 0, 0), core::vector3df(0, 0, 100));
		Camera->drop();
		SceneManager->setActiveCamera(Camera);
	}
	void TearDown() override
	{
		Cursor->drop();
		SceneManager->drop();
		Device->drop();
	}

	template <class T>
	T* attach(T* behaviour)
	{
		Camera->addAnimator(behaviour);
		behaviour->drop();
		return behaviour;
	}

	void frameAt(u32 timeMs)
	{
		Device->getTimer()->setTime(timeMs);
		Extension->drawAll(Device->getTimer()->getTime());
	}
	bool post(const SEvent& event) { return Extension->postEventFromUser(event); }
	void key(EKEY_CODE code, bool down) { post(hxtest::keyEvent(code, down)); }
	void moveCursor(f32 x, f32 y)
	{
		Cursor->Relative.set(x, y);
		post(hxtest::mouseEvent(EMIE_MOUSE_MOVED));
	}
	core::vector3df lookDirection() const
	{
		core::vector3df direction = Camera->getTarget() - Camera->getAbsolutePosition();
		return direction.normalize();
	}

	IrrlichtDevice* Device = 0;
	scene::ISceneManager* SceneManager = 0;
	CVeskSceneManagerExtension* Extension = 0;
	hxtest::CTestCursorControl* Cursor = 0;
	CVeskCameraSceneNode* Camera = 0;
};

void expectNear(const core::vector3df& actual, const core::vector3df& expected, f32 tolerance = 0.001f)
{
	EXPECT_NEAR(actual.X, expected.X, tolerance);
	EXPECT_NEAR(actual.Y, expected.Y, tolerance);
	EXPECT_NEAR(actual.Z, expected.Z, tolerance);
}

std::vector<u8> payloadOf(IVeskSerializationSupport* behaviour)
{
	return hxtest::writtenBytes([&](CVeskSerializer* w) { behaviour->writeBinary(w); });
}

//! Reads bytes into the behaviour and answers what it writes back.
std::vector<u8> readAndWriteBack(IVeskSerializationSupport* behaviour, const std::vector<u8>& bytes)
{
	io::IReadFile* file = hxtest::createReadFileFromBytes(bytes);
	CVeskDeserializer* reader = new CVeskDeserializer(file, 0);
	file->drop();
	behaviour->readBinary(reader);
	EXPECT_TRUE(reader->isAtEnd());
	reader->drop();
	return payloadOf(behaviour);
}

} // end anonymous namespace

TEST_F(CameraBehaviours, WalkingKeysMoveAtOneSpeedStraightAndDiagonalAndLongFramesAreCut)
{
	attach(new CVeskAnimatorCameraFPS(SceneManager, Cursor));
	frameAt(1000);
	key(KEY_UP, true);
	frameAt(1100);
	expectNear(Camera->getPosition(), core::vector3df(0, 0, 10));

	// A two-second pause moves as far as a 150 ms frame.
	frameAt(3100);
	expectNear(Camera->getPosition(), core::vector3df(0, 0, 25));

	key(KEY_KEY_A, true);
	frameAt(3200);
	const core::vector3df step = Camera->getPosition() - core::vector3df(0, 0, 25);
	EXPECT_NEAR(step.getLength(), 10.f, 0.001f);
	EXPECT_LT(step.X, 0.f);
	EXPECT_GT(step.Z, 0.f);

	// Both directions of one axis cancel.
	key(KEY_UP, false);
	key(KEY_KEY_A, false);
	key(KEY_KEY_W, true);
	key(KEY_DOWN, true);
	const core::vector3df before = Camera->getPosition();
	frameAt(3300);
	expectNear(Camera->getPosition(), before);
	// The camera looks where it walks.
	expectNear(lookDirection(), core::vector3df(0, 0, 1));
}

TEST_F(CameraBehaviours, MouseLookTurnsByTheCursorsTravelRecentresItAndStopsAtTheVerticalLimit)
{
	attach(new CVeskAnimatorCameraFPS(SceneManager, Cursor));
	Cursor->Relative.set(0.2f, 0.7f);
	frameAt(1000);
	EXPECT_EQ(Cursor->Relative, core::position2df(0.5f, 0.5f));
	expectNear(lookDirection(), core::vector3df(0, 0, 1));

	moveCursor(0.6f, 0.5f);
	frameAt(1016);
	EXPECT_EQ(Cursor->Relative, core::position2df(0.5f, 0.5f));
	expectNear(lookDirection(), core::vector3df(0.5f, 0.f, 0.8660254f));

	moveCursor(0.5f, 0.9f);
	frameAt(1032);
	const f32 pitch = asinf(fabsf(lookDirection().Y)) * core::RADTODEG;
	EXPECT_NEAR(pitch, 88.f, 0.05f);
	EXPECT_LT(lookDirection().Y, 0.f);
}

TEST_F(CameraBehaviours, LookingOnlyWithTheButtonDownTellsClicksFromDrags)
{
	CVeskAnimatorCameraFPS* fps = attach(new CVeskAnimatorCameraFPS(SceneManager, Cursor));
	fps->setLookOnlyWhenMouseDown(true);
	frameAt(1000);
	moveCursor(0.7f, 0.5f);
	frameAt(1016);
	expectNear(lookDirection(), core::vector3df(0, 0, 1));
	EXPECT_EQ(Cursor->Relative, core::position2df(0.7f, 0.5f));

	// A click without movement reaches the behaviours behind the camera.
	EXPECT_TRUE(post(hxtest::mouseEvent(EMIE_LMOUSE_PRESSED_DOWN)));
	EXPECT_FALSE(post(hxtest::mouseEvent(EMIE_LMOUSE_LEFT_UP)));

	// A drag over several frames turns the camera and is consumed as a whole.
	EXPECT_TRUE(post(hxtest::mouseEvent(EMIE_LMOUSE_PRESSED_DOWN)));
	moveCursor(0.8f, 0.55f);
	frameAt(1032);
	moveCursor(0.8f, 0.55f);
	frameAt(1048);
	EXPECT_TRUE(post(hxtest::mouseEvent(EMIE_LMOUSE_LEFT_UP)));
	const core::vector3df turned = lookDirection();
	EXPECT_NEAR(atan2f(turned.X, turned.Z) * core::RADTODEG, 30.f, 0.05f);
}

TEST_F(CameraBehaviours, JumpKeyJumpsOncePerPressAndOnlyWhileNotFalling)
{
	attach(new CVeskAnimatorCameraFPS(SceneManager, Cursor, 0, 0, false, 300.f, 0.1f, 4.f));
	hxtest::CTestCollisionResponse* response = attach(new hxtest::CTestCollisionResponse());
	u32 t = 1000;
	frameAt(t);
	key(KEY_SPACE, true);
	for (int i = 0; i < 3; ++i)
		frameAt(t += 16);
	EXPECT_EQ(response->Jumps, (std::vector<f32>{ 4.f }));

	key(KEY_SPACE, false);
	frameAt(t += 16);
	response->Falling = true;
	key(KEY_SPACE, true);
	frameAt(t += 16);
	EXPECT_EQ(response->Jumps.size(), 1u);
	response->Falling = false;
	frameAt(t += 16);
	EXPECT_EQ(response->Jumps.size(), 2u);
}

TEST_F(CameraBehaviours, SmoothMovingGlidesOnAndComesToRest)
{
	CVeskAnimatorCameraFPS* fps = attach(new CVeskAnimatorCameraFPS(SceneManager, Cursor));
	fps->setMsToSlowDown(250);
	frameAt(1000);
	key(KEY_UP, true);
	frameAt(1100);
	key(KEY_UP, false);
	std::vector<f32> steps;
	f32 last = Camera->getPosition().Z;
	for (u32 t = 1150; t <= 1500; t += 50)
	{
		frameAt(t);
		steps.push_back(Camera->getPosition().Z - last);
		last = Camera->getPosition().Z;
	}
	// Half the last speed (0.1 per ms) fading linearly over 250 ms, then rest.
	ASSERT_EQ(steps.size(), 8u);
	EXPECT_NEAR(steps[0], 0.05f * 50 * 0.8f, 0.001f);
	EXPECT_NEAR(steps[3], 0.05f * 50 * 0.2f, 0.001f);
	for (size_t i = 1; i < 4; ++i)
		EXPECT_LT(steps[i], steps[i - 1]);
	for (size_t i = 4; i < steps.size(); ++i)
		EXPECT_FLOAT_EQ(steps[i], 0.f);
}

TEST_F(CameraBehaviours, WalkingWithoutFlyingStaysLevelAndWorksWithoutACursor)
{
	CVeskAnimatorCameraFPS* fps = attach(new CVeskAnimatorCameraFPS(SceneManager, 0));
	fps->setVerticalMovement(false);
	Camera->setTarget(core::vector3df(0, -100, 100));
	frameAt(1000);
	key(KEY_KEY_W, true);
	frameAt(1100);
	expectNear(Camera->getPosition(), core::vector3df(0, 0, 10));
	EXPECT_LT(lookDirection().Y, -0.7f);
}

TEST_F(CameraBehaviours, WalkingCameraDoesNothingWhileAnotherCameraIsActive)
{
	attach(new CVeskAnimatorCameraFPS(SceneManager, Cursor));
	CVeskCameraSceneNode* other = new CVeskCameraSceneNode(SceneManager->getRootSceneNode(), SceneManager, 2);
	other->drop();
	SceneManager->setActiveCamera(other);
	Cursor->Relative.set(0.9f, 0.9f);
	Camera->OnEvent(hxtest::keyEvent(KEY_UP, true));
	frameAt(1000);
	frameAt(1100);
	expectNear(Camera->getPosition(), core::vector3df(0, 0, 0));
	EXPECT_EQ(Cursor->Relative, core::position2df(0.9f, 0.9f));
}

TEST_F(CameraBehaviours, RestartForgetsHeldKeysAndTheLastFrameAndCloneStartsAfresh)
{
	CVeskAnimatorCameraFPS* fps = attach(new CVeskAnimatorCameraFPS(SceneManager, Cursor, 0, 0, true, 200.f, 0.3f, 6.f));
	fps->setMsToSlowDown(100);
	fps->setLookOnlyWhenMouseDown(true);
	frameAt(1000);
	key(KEY_UP, true);
	frameAt(1010);
	expectNear(Camera->getPosition(), core::vector3df(0, 0, 3));

	fps->restart();
	fps->restart();
	frameAt(5000);
	frameAt(5010);
	expectNear(Camera->getPosition(), core::vector3df(0, 0, 3));

	key(KEY_UP, true);
	scene::ISceneNodeAnimator* clone = fps->createClone(Camera);
	EXPECT_EQ(payloadOf(dynamic_cast<IVeskSerializationSupport*>(clone)), payloadOf(fps));
	CVeskAnimatorCameraFPS* cloned = static_cast<CVeskAnimatorCameraFPS*>(clone);
	EXPECT_FLOAT_EQ(cloned->getRotateSpeed(), 200.f);
	EXPECT_EQ(cloned->getCamKeyMap().size(), fps->getCamKeyMap().size());
	Camera->removeAnimators();
	Camera->addAnimator(clone);
	clone->drop();
	// The clone holds no key: it stands still until a key of its own goes down.
	frameAt(6000);
	frameAt(6010);
	expectNear(Camera->getPosition(), core::vector3df(0, 0, 3));
}

TEST_F(CameraBehaviours, EngineKeyMapsReplaceTheMapWithTheirWalkingAndJumpingKeys)
{
	CVeskAnimatorCameraFPS* fps = attach(new CVeskAnimatorCameraFPS(SceneManager, Cursor));
	SKeyMap map[] = { SKeyMap(EKA_MOVE_FORWARD, KEY_KEY_I), SKeyMap(EKA_CROUCH, KEY_KEY_C), SKeyMap(EKA_JUMP_UP, KEY_KEY_J) };
	fps->setKeyMap(map, 3);
	ASSERT_EQ(fps->getKeyMap().size(), 2u);
	EXPECT_EQ(fps->getKeyMap()[1].KeyCode, KEY_KEY_J);
	frameAt(1000);
	key(KEY_UP, true);
	frameAt(1100);
	expectNear(Camera->getPosition(), core::vector3df(0, 0, 0));
	key(KEY_KEY_I, true);
	frameAt(1200);
	expectNear(Camera->getPosition(), core::vector3df(0, 0, 10));
}

TEST_F(CameraBehaviours, OrbitKeepsTheRadiusAroundTheTarget)
{
	Camera->setPosition(core::vector3df(0, 0, -100));
	Camera->setTarget(core::vector3df(0, 0, 0));
	CVeskAnimatorCameraModelViewer* viewer = attach(new CVeskAnimatorCameraModelViewer(SceneManager, Cursor));
	viewer->setLookOnlyWhenMouseDown(false);
	viewer->setSliding(false, 500.f);
	frameAt(1000);
	EXPECT_EQ(Cursor->Relative, core::position2df(0.5f, 0.5f));
	moveCursor(0.6f, 0.5f);
	frameAt(1010);
	EXPECT_NEAR(Camera->getPosition().getLength(), 100.f, 0.01f);
	EXPECT_GT(Camera->getPosition().X, 10.f);
	EXPECT_EQ(Cursor->Relative, core::position2df(0.5f, 0.5f));

	// Without movement (and without inertia) the camera stays.
	const core::vector3df resting = Camera->getPosition();
	frameAt(1020);
	expectNear(Camera->getPosition(), resting);

	// Up and over, but never across the pole.
	for (u32 t = 1030; t < 1400; t += 10)
	{
		moveCursor(0.5f, 0.9f);
		frameAt(t);
	}
	EXPECT_NEAR(Camera->getPosition().getLength(), 100.f, 0.01f);
	EXPECT_LT(Camera->getPosition().Y, 100.f);
}

TEST_F(CameraBehaviours, OrbitWithoutVerticalMovementKeepsItsFirstHeightAndInertiaFadesOut)
{
	Camera->setPosition(core::vector3df(0, 30, -100));
	Camera->setTarget(core::vector3df(0, 0, 0));
	CVeskAnimatorCameraModelViewer* viewer = attach(new CVeskAnimatorCameraModelViewer(SceneManager, Cursor));
	viewer->setLookOnlyWhenMouseDown(false);
	viewer->setVerticalMovement(false);
	viewer->setRadius(50.f);
	frameAt(1000);
	const f32 height = Camera->getPosition().Y;
	EXPECT_FLOAT_EQ(height, 30.f);
	EXPECT_NEAR(Camera->getPosition().getLength(), 50.f, 0.01f);
	moveCursor(0.55f, 0.9f);
	frameAt(1010);
	EXPECT_FLOAT_EQ(Camera->getPosition().Y, height);
	core::vector3df last = Camera->getPosition();
	u32 t = 1010;
	f32 previousStep = 1e9f;
	for (int i = 0; i < 5; ++i)
	{
		frameAt(t += 10);
		const f32 step = (Camera->getPosition() - last).getLength();
		EXPECT_GT(step, 0.f);
		EXPECT_LT(step, previousStep);
		previousStep = step;
		last = Camera->getPosition();
	}
	for (int i = 0; i < 200; ++i)
		frameAt(t += 10);
	last = Camera->getPosition();
	frameAt(t += 10);
	expectNear(Camera->getPosition(), last);
	EXPECT_FLOAT_EQ(Camera->getPosition().Y, height);
	EXPECT_NEAR(Camera->getPosition().getLength(), 50.f, 0.01f);
}

TEST_F(CameraBehaviours, WheelZoomsTowardTheWantedFieldOfViewWithinTheLimits)
{
	CVeskAnimatorCameraModelViewer* viewer = attach(new CVeskAnimatorCameraModelViewer(SceneManager, Cursor));
	EXPECT_FALSE(post(hxtest::mouseEvent(EMIE_MOUSE_WHEEL, -1.f)));
	viewer->setZooming(true, 20.f, 100.f, 1.6f);
	Camera->setFOV(72.f * core::DEGTORAD);
	frameAt(1000);
	for (int i = 0; i < 50; ++i)
		EXPECT_TRUE(post(hxtest::mouseEvent(EMIE_MOUSE_WHEEL, -1.f)));
	f32 fov = Camera->getFOV() * core::RADTODEG;
	for (u32 t = 1016; t < 2000; t += 16)
	{
		frameAt(t);
		const f32 now = Camera->getFOV() * core::RADTODEG;
		EXPECT_GE(now, 20.f - 0.001f);
		if (fov - 20.f > 1.6f + 0.001f)
			EXPECT_GE(fov - now, 1.6f - 0.001f);
		fov = now;
	}
	EXPECT_NEAR(fov, 20.f, 1.6f);
}

TEST(CameraBehaviourPayloads, EveryFlagCombinationIsWrittenBackAsRead)
{
	struct Case
	{
		bool modelViewer;
		std::function<void(CVeskSerializer*)> fill;
	};
	const Case cases[] = {
		{ false, [](CVeskSerializer* w) { w->writeFloat(80.f); w->writeFloat(0.2f); w->writeFloat(150.f); w->writeFloat(3.f); w->writeBool(true); w->writeInt(0); } },
		{ false, [](CVeskSerializer* w) { w->writeFloat(88.f); w->writeFloat(0.1f); w->writeFloat(300.f); w->writeFloat(4.f); w->writeBool(false); w->writeInt(7); w->writeInt(250); } },
		{ false, [](CVeskSerializer* w) { w->writeFloat(45.f); w->writeFloat(1.f); w->writeFloat(10.f); w->writeFloat(0.f); w->writeBool(false); w->writeInt(4); } },
		{ true, [](CVeskSerializer* w) { w->writeFloat(100.f); w->writeFloat(300.f); w->writeBool(false); w->writeInt(0); } },
		{ true, [](CVeskSerializer* w) { w->writeFloat(25.f); w->writeFloat(120.f); w->writeBool(true); w->writeInt(3); w->writeFloat(700.f); } },
		{ true, [](CVeskSerializer* w) { w->writeFloat(60.f); w->writeFloat(90.f); w->writeBool(false); w->writeInt(7); w->writeFloat(400.f); w->writeFloat(10.f); w->writeFloat(80.f); w->writeFloat(2.f); } },
		{ true, [](CVeskSerializer* w) { w->writeFloat(60.f); w->writeFloat(90.f); w->writeBool(false); w->writeInt(4); w->writeFloat(15.f); w->writeFloat(95.f); w->writeFloat(3.f); } },
	};
	for (size_t i = 0; i < sizeof(cases) / sizeof(cases[0]); ++i)
	{
		const std::vector<u8> bytes = hxtest::writtenBytes(cases[i].fill);
		scene::ISceneNodeAnimator* behaviour = cases[i].modelViewer
			? static_cast<scene::ISceneNodeAnimator*>(new CVeskAnimatorCameraModelViewer(0, 0))
			: static_cast<scene::ISceneNodeAnimator*>(new CVeskAnimatorCameraFPS(0, 0));
		EXPECT_EQ(readAndWriteBack(dynamic_cast<IVeskSerializationSupport*>(behaviour), bytes), bytes) << "case " << i;
		// A clone carries every stored property.
		scene::ISceneNodeAnimator* clone = behaviour->createClone(0);
		EXPECT_EQ(payloadOf(dynamic_cast<IVeskSerializationSupport*>(clone)), bytes) << "case " << i;
		clone->drop();
		behaviour->drop();
	}
}

TEST(CameraBehaviourPayloads, AttributesCarryTheEditorProperties)
{
	IrrlichtDevice* device = hxtest::createNullDevice();
	ASSERT_NE(device, nullptr);
	io::IAttributes* attributes = device->getFileSystem()->createEmptyAttributes();
	CVeskAnimatorCameraFPS* fps = new CVeskAnimatorCameraFPS(0, 0);
	attributes->addFloat("MoveSpeed", 0.5f);
	attributes->addBool("CanFly", false);
	attributes->addBool("SmoothMoving", true);
	fps->deserializeAttributes(attributes);
	EXPECT_FLOAT_EQ(fps->getMoveSpeed(), 0.5f);
	attributes->clear();
	fps->serializeAttributes(attributes);
	EXPECT_FALSE(attributes->getAttributeAsBool("CanFly"));
	EXPECT_EQ(attributes->getAttributeAsInt("MsToSlowDown"), 250);
	fps->drop();

	CVeskAnimatorCameraModelViewer* viewer = new CVeskAnimatorCameraModelViewer(0, 0);
	attributes->clear();
	attributes->addFloat("Radius", 12.f);
	attributes->addBool("VerticalMovementAllowed", false);
	viewer->deserializeAttributes(attributes);
	EXPECT_FLOAT_EQ(viewer->getRadius(), 12.f);
	attributes->clear();
	viewer->serializeAttributes(attributes);
	EXPECT_FALSE(attributes->getAttributeAsBool("VerticalMovementAllowed"));
	EXPECT_TRUE(attributes->getAttributeAsBool("LookOnlyWhenMouseDown"));
	viewer->drop();
	attributes->drop();
	device->drop();
}

TEST(DemoCameras, CourtyardWalksAndGalleryOrbits)
{
	hxtest::TempFolder folder;
	const std::string path = folder.file("demo.vesk");
	ASSERT_EQ(hxtest::runCommand("'" + hxtest::builtProgram("helixpane-demo-document") + "' '" + path + "'"), 0);
	IrrlichtDevice* device = hxtest::createNullDevice();
	ASSERT_NE(device, nullptr);
	CVeskDocument* document = 0;
	ASSERT_EQ(hxtest::loadDocument(device, hxtest::readWholeFile(path), document), 0);
	ASSERT_EQ(document->getSceneCount(), 2);
	const s32 expected[] = { EVBT_CAMERA_FPS, EVBT_CAMERA_MODEL_VIEWER };
	for (s32 i = 0; i < 2; ++i)
	{
		scene::ICameraSceneNode* camera = document->getScene(i)->findActiveCamera();
		ASSERT_NE(camera, nullptr) << i;
		ASSERT_EQ(camera->getAnimators().size(), 1u);
		EXPECT_EQ(s32((*camera->getAnimators().begin())->getType()), expected[i]);
	}
	document->drop();
	device->drop();
}
