// Behaviours as the scene runs them: reading from the document, the animation order, the
// event list and event routing, and the checks the nodes and the player rely on.
#include "behaviours/CVeskAnimatorCameraFPS.h"
#include "behaviours/CVeskAnimatorCameraModelViewer.h"
#include "behaviours/veskBehaviourFactory.h"
#include "behaviours/veskBehaviours.h"
#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "document/veskNodeTree.h"
#include "document/veskTypeCodes.h"
#include "render/CVeskSceneManagerExtension.h"
#include "render/veskRenderPass.h"
#include "render/veskSceneManager.h"
#include "scene/CVeskCameraSceneNode.h"
#include "scene/CVeskMeshSceneNode.h"
#include "tests/support/behaviourFixtures.h"
#include "tests/support/testSupport.h"
#include "tests/support/veskTestDocuments.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace irr;

namespace
{

class BehaviourFramework : public ::testing::Test
{
protected:
	void SetUp() override
	{
		Device = hxtest::createNullDevice();
		ASSERT_NE(Device, nullptr);
		Device->getTimer()->stop();
		SceneManager = createVeskSceneManager(Device->getSceneManager());
		Extension = getSceneExtension(SceneManager);
	}
	void TearDown() override
	{
		SceneManager->drop();
		Device->drop();
	}

	void drawAt(u32 timeMs)
	{
		Device->getTimer()->setTime(timeMs);
		Extension->drawAll(Device->getTimer()->getTime());
	}

	CVeskCameraSceneNode* addActiveCamera()
	{
		CVeskCameraSceneNode* camera = new CVeskCameraSceneNode(SceneManager->getRootSceneNode(), SceneManager, 1);
		camera->drop();
		SceneManager->setActiveCamera(camera);
		return camera;
	}

	//! A node record of the given class holding the given behaviour records, read below the root.
	scene::ISceneNode* readRecord(const std::function<void(CVeskSerializer*)>& behaviours)
	{
		CVeskCameraSceneNode* source = new CVeskCameraSceneNode(0, SceneManager, 7);
		const std::vector<u8> bytes = hxtest::writtenBytes([&](CVeskSerializer* w) {
			w->beginChunk(9);
			w->writeUInt(VESK_NODE_CAMERA);
			w->writeInt(7);
			w->writeString("camera");
			w->writeVector(core::vector3df(0, 0, 0));
			w->writeVector(core::vector3df(0, 0, 0));
			w->writeVector(core::vector3df(1, 1, 1));
			w->writeBool(true);
			w->writeUInt(0);
			w->beginChunk(10);
			source->writeBinary(w);
			w->endChunk();
			behaviours(w);
			w->endChunk();
		});
		source->drop();
		io::IReadFile* file = hxtest::createReadFileFromBytes(bytes);
		CVeskDeserializer* reader = new CVeskDeserializer(file, Device);
		file->drop();
		reader->readChunkHeader();
		readNodeRecord(reader, SceneManager->getRootSceneNode(), SceneManager, 1);
		EXPECT_TRUE(reader->isAtEnd());
		reader->drop();
		return SceneManager->getSceneNodeFromId(7);
	}

	std::vector<s32> animatorTypes(scene::ISceneNode* node)
	{
		std::vector<s32> types;
		for (scene::ISceneNodeAnimator* animator : node->getAnimators())
			types.push_back(s32(animator->getType()));
		return types;
	}

	IrrlichtDevice* Device = 0;
	scene::ISceneManager* SceneManager = 0;
	CVeskSceneManagerExtension* Extension = 0;
};

void writeRecord(CVeskSerializer* w, s32 type, const std::vector<u8>& payload)
{
	w->beginChunk(25);
	w->writeInt(type);
	if (!payload.empty())
		w->writeBytes(payload.data(), u32(payload.size()));
	w->endChunk();
}

std::vector<u8> payloadOf(scene::ISceneNodeAnimator* behaviour)
{
	return hxtest::writtenBytes([&](CVeskSerializer* w) { dynamic_cast<IVeskSerializationSupport*>(behaviour)->writeBinary(w); });
}

} // end anonymous namespace

TEST_F(BehaviourFramework, UnknownAndNotYetBuiltTypesAreSkippedAndTheRestKeepTheirStoredOrder)
{
	scene::CVeskAnimatorCameraModelViewer viewerSource(SceneManager, 0);
	viewerSource.setRadius(42.f);
	scene::CVeskAnimatorCameraFPS fpsSource(SceneManager, 0);
	fpsSource.setMoveSpeed(0.25f);
	const std::vector<u8> junk = { 1, 2, 3, 4, 5, 6, 7 };

	scene::ISceneNode* node = readRecord([&](CVeskSerializer* w) {
		writeRecord(w, 99, junk);
		writeRecord(w, EVBT_CAMERA_MODEL_VIEWER, payloadOf(&viewerSource));
		writeRecord(w, 119, junk);
		writeRecord(w, EVBT_ROTATION, junk);
		writeRecord(w, EVBT_CAMERA_FPS, payloadOf(&fpsSource));
		writeRecord(w, 119, {});
	});
	ASSERT_NE(node, nullptr);
	EXPECT_EQ(animatorTypes(node), (std::vector<s32>{ EVBT_CAMERA_MODEL_VIEWER, EVBT_CAMERA_FPS }));
	EXPECT_FLOAT_EQ(dynamic_cast<scene::CVeskAnimatorCameraModelViewer*>(*node->getAnimators().begin())->getRadius(), 42.f);
	EXPECT_FLOAT_EQ(dynamic_cast<scene::CVeskAnimatorCameraFPS*>(*node->getAnimators().getLast())->getMoveSpeed(), 0.25f);
}

TEST_F(BehaviourFramework, FactoryMakesTheBuiltClassesAndNothingForOtherIds)
{
	for (s32 type = EVBT_FIRST - 1; type <= EVBT_LAST + 1; ++type)
	{
		IVeskSerializationSupport* payload = reinterpret_cast<IVeskSerializationSupport*>(1);
		scene::ISceneNodeAnimator* behaviour = createBehaviour(type, SceneManager, 0, &payload);
		const std::vector<s32> builtTypes = { EVBT_CAMERA_FPS, EVBT_CAMERA_MODEL_VIEWER, EVBT_ON_CLICK, EVBT_ON_COLLIDE,
			EVBT_ON_MOUSE_MOVE, EVBT_TIMER, EVBT_ON_KEY_PRESS, EVBT_ON_FIRST_FRAME };
		const bool built = std::find(builtTypes.begin(), builtTypes.end(), type) != builtTypes.end();
		EXPECT_EQ(behaviour != nullptr, built) << type;
		EXPECT_EQ(payload != nullptr, built) << type;
		if (!behaviour)
			continue;
		EXPECT_EQ(s32(behaviour->getType()), type);
		EXPECT_EQ(behaviour->getReferenceCount(), 1);
		behaviour->drop();
	}
}

TEST_F(BehaviourFramework, AnimationRunsInOrderAndABehaviourMayRemoveItself)
{
	std::vector<std::string> log;
	scene::ISceneNode* node = SceneManager->addEmptySceneNode();
	const char* names[] = { "first", "once", "third" };
	for (const char* name : names)
	{
		hxtest::CLoggingAnimator* animator = new hxtest::CLoggingAnimator(log, name, std::string(name) == "once");
		node->addAnimator(animator);
		animator->drop();
	}
	drawAt(1000);
	drawAt(1040);
	EXPECT_EQ(log, (std::vector<std::string>{ "first@0", "once@0", "third@0", "first@40", "third@40" }));
}

TEST_F(BehaviourFramework, HiddenNodeStopsItsAndItsDescendantsBehavioursWhichResumeWithTheElapsedTime)
{
	std::vector<std::string> log;
	scene::ISceneNode* parent = SceneManager->addEmptySceneNode();
	scene::ISceneNode* child = SceneManager->addEmptySceneNode(parent);
	scene::ISceneNode* sibling = SceneManager->addEmptySceneNode();
	struct { scene::ISceneNode* node; const char* name; } placed[] = { { parent, "parent" }, { child, "child" }, { sibling, "sibling" } };
	for (auto& p : placed)
	{
		hxtest::CLoggingAnimator* animator = new hxtest::CLoggingAnimator(log, p.name);
		p.node->addAnimator(animator);
		animator->drop();
	}
	drawAt(1000);
	parent->setVisible(false);
	log.clear();
	drawAt(1100);
	drawAt(1200);
	EXPECT_EQ(log, (std::vector<std::string>{ "sibling@100", "sibling@200" }));
	parent->setVisible(true);
	log.clear();
	drawAt(1450);
	EXPECT_EQ(log, (std::vector<std::string>{ "parent@450", "child@450", "sibling@450" }));
}

TEST_F(BehaviourFramework, EventsGoToTheActiveCameraFirstAndWhatItConsumesNeverReachesTheList)
{
	std::vector<std::string> log;
	CVeskCameraSceneNode* camera = addActiveCamera();
	scene::CVeskAnimatorCameraFPS* fps = new scene::CVeskAnimatorCameraFPS(SceneManager, 0);
	camera->addAnimator(fps);
	fps->drop();
	hxtest::CLoggingAnimator* listener = new hxtest::CLoggingAnimator(log, "listener");
	Extension->registerEventBehaviour(listener);
	listener->drop();

	EXPECT_TRUE(Extension->postEventFromUser(hxtest::mouseEvent(EMIE_MOUSE_MOVED)));
	EXPECT_TRUE(log.empty());
	EXPECT_FALSE(Extension->postEventFromUser(hxtest::keyEvent(KEY_UP, true)));
	EXPECT_EQ(log, (std::vector<std::string>{ "listener:" + std::to_string(int(EET_KEY_INPUT_EVENT)) }));

	// A camera that takes no input passes everything on.
	camera->setInputReceiverEnabled(false);
	log.clear();
	EXPECT_FALSE(Extension->postEventFromUser(hxtest::mouseEvent(EMIE_MOUSE_MOVED)));
	EXPECT_EQ(log.size(), 1u);
}

TEST_F(BehaviourFramework, EventListHoldsEachBehaviourOnceInOrderAndStopsAtTheFirstThatConsumes)
{
	std::vector<std::string> log;
	hxtest::CLoggingAnimator* first = new hxtest::CLoggingAnimator(log, "first");
	hxtest::CLoggingAnimator* second = new hxtest::CLoggingAnimator(log, "second");
	hxtest::CLoggingAnimator* third = new hxtest::CLoggingAnimator(log, "third");
	Extension->registerEventBehaviour(first);
	Extension->registerEventBehaviour(second);
	Extension->registerEventBehaviour(first);
	Extension->registerEventBehaviour(0);
	Extension->registerEventBehaviour(third);
	EXPECT_EQ(first->getReferenceCount(), 2);

	Extension->postEventFromUser(hxtest::keyEvent(KEY_KEY_A, true));
	EXPECT_EQ(log.size(), 3u);
	EXPECT_EQ(log[0].substr(0, 6), "first:");
	EXPECT_EQ(log[1].substr(0, 7), "second:");

	second->Consumes = true;
	log.clear();
	EXPECT_TRUE(Extension->postEventFromUser(hxtest::keyEvent(KEY_KEY_A, false)));
	EXPECT_EQ(log.size(), 2u);

	Extension->unregisterEventBehaviour(second);
	Extension->unregisterEventBehaviour(second);
	EXPECT_EQ(second->getReferenceCount(), 1);
	EXPECT_FALSE(Extension->isEventBehaviourRegistered(second));
	log.clear();
	EXPECT_FALSE(Extension->postEventFromUser(hxtest::keyEvent(KEY_KEY_A, true)));
	EXPECT_EQ(log.size(), 2u);
	first->drop();
	second->drop();
	third->drop();
}

TEST_F(BehaviourFramework, FirstDrawTimeIsTheTimeOfTheFirstFrame)
{
	EXPECT_EQ(Extension->getFirstDrawTime(), 0u);
	drawAt(5000);
	drawAt(5600);
	EXPECT_EQ(Extension->getFirstDrawTime(), 5000u);
}

TEST_F(BehaviourFramework, NodeInSceneOnlyWhileReachableFromTheRoot)
{
	scene::ISceneNode* parent = SceneManager->addEmptySceneNode();
	scene::ISceneNode* child = SceneManager->addEmptySceneNode(parent);
	scene::ISceneNode* other = SceneManager->addEmptySceneNode();
	EXPECT_TRUE(isNodeInScene(SceneManager, child));
	EXPECT_TRUE(isNodeInScene(SceneManager, SceneManager->getRootSceneNode()));
	EXPECT_TRUE(isNodeInScene(SceneManager, child, parent));
	EXPECT_FALSE(isNodeInScene(SceneManager, other, parent));
	EXPECT_FALSE(isNodeInScene(SceneManager, 0));
	child->grab();
	child->remove();
	EXPECT_FALSE(isNodeInScene(SceneManager, child));
	child->drop();
}

TEST_F(BehaviourFramework, EngineAnimatorsAnswerTheDefaultsOfTheAddedOperations)
{
	scene::ISceneNodeAnimator* engine = SceneManager->createRotationAnimator(core::vector3df(0, 1, 0));
	restartAnimator(engine);
	replaceAnimatorSceneNodeId(engine, 1, 2);
	releaseAnimatorEditorData(engine);
	EXPECT_EQ(getAnimatorActionOfType(engine, 0), nullptr);
	engine->drop();
	EXPECT_EQ(getAnimatorActionOfType(0, 0), nullptr);
}

TEST_F(BehaviourFramework, WorldSelectorReachesTheCollisionResponsesOfTheWholeTree)
{
	scene::ISceneNode* deep = SceneManager->addEmptySceneNode(SceneManager->addEmptySceneNode());
	hxtest::CTestCollisionResponse* response = new hxtest::CTestCollisionResponse();
	deep->addAnimator(response);
	response->drop();
	scene::ITriangleSelector* selector = SceneManager->createMetaTriangleSelector();
	handWorldSelectorToBehaviours(SceneManager->getRootSceneNode(), selector);
	EXPECT_EQ(response->World, selector);
	selector->drop();
}

TEST_F(BehaviourFramework, CursorHidesOnlyForMouseLookWithoutAPressedButton)
{
	struct Case
	{
		s32 type;
		bool lookOnlyWhenMouseDown;
		bool hidden;
	};
	const Case cases[] = {
		{ EVBT_CAMERA_FPS, false, true },
		{ EVBT_CAMERA_FPS, true, false },
		{ EVBT_CAMERA_MODEL_VIEWER, false, true },
		{ EVBT_CAMERA_MODEL_VIEWER, true, false },
		{ scene::ESNAT_CAMERA_FPS, false, true },
		{ scene::ESNAT_ROTATION, false, false },
	};
	for (const Case& c : cases)
	{
		CVeskCameraSceneNode* camera = new CVeskCameraSceneNode(0, SceneManager, -1);
		scene::ISceneNodeAnimator* behaviour = 0;
		if (c.type == EVBT_CAMERA_FPS)
		{
			scene::CVeskAnimatorCameraFPS* fps = new scene::CVeskAnimatorCameraFPS(SceneManager, 0);
			fps->setLookOnlyWhenMouseDown(c.lookOnlyWhenMouseDown);
			behaviour = fps;
		}
		else if (c.type == EVBT_CAMERA_MODEL_VIEWER)
		{
			scene::CVeskAnimatorCameraModelViewer* viewer = new scene::CVeskAnimatorCameraModelViewer(SceneManager, 0);
			viewer->setLookOnlyWhenMouseDown(c.lookOnlyWhenMouseDown);
			behaviour = viewer;
		}
		if (c.type == scene::ESNAT_CAMERA_FPS)
		{
			scene::ICameraSceneNode* engineCamera = SceneManager->addCameraSceneNodeFPS();
			EXPECT_EQ(isCursorHiddenByCamera(engineCamera), c.hidden);
			engineCamera->remove();
			camera->drop();
			continue;
		}
		if (!behaviour)
			behaviour = SceneManager->createRotationAnimator(core::vector3df(0, 1, 0));
		camera->addAnimator(behaviour);
		behaviour->drop();
		EXPECT_EQ(isCursorHiddenByCamera(camera), c.hidden) << c.type;
		camera->drop();
	}
	EXPECT_FALSE(isCursorHiddenByCamera(0));
}

TEST_F(BehaviourFramework, NodesHeldByTheWalkingCameraDrawLateWhenItKeepsThemOutOfTheSceneDepth)
{
	CVeskCameraSceneNode* camera = addActiveCamera();
	scene::CVeskAnimatorCameraFPS* fps = new scene::CVeskAnimatorCameraFPS(SceneManager, 0);
	camera->addAnimator(fps);
	fps->drop();
	CVeskMeshSceneNode* held = new CVeskMeshSceneNode(camera, SceneManager, 2);
	held->drop();
	CVeskMeshSceneNode* free = new CVeskMeshSceneNode(SceneManager->getRootSceneNode(), SceneManager, 3);
	free->drop();

	EXPECT_EQ(getVeskRegistrationPass(held, EVRP_SOLID), u32(EVRP_SOLID_LATE));
	EXPECT_EQ(getVeskRegistrationPass(held, EVRP_TRANSPARENT), u32(EVRP_TRANSPARENT_LATE));
	EXPECT_EQ(getVeskRegistrationPass(held, EVRP_AUTOMATIC), u32(EVRP_AUTOMATIC_LATE));
	EXPECT_EQ(getVeskRegistrationPass(held, EVRP_SKY_BOX), u32(EVRP_SKY_BOX));
	EXPECT_EQ(getVeskRegistrationPass(free, EVRP_SOLID), u32(EVRP_SOLID));

	fps->setDisableClippingForChildNodes(false);
	EXPECT_EQ(getVeskRegistrationPass(held, EVRP_SOLID), u32(EVRP_SOLID));
	fps->setDisableClippingForChildNodes(true);
	SceneManager->setActiveCamera(0);
	EXPECT_EQ(getVeskRegistrationPass(held, EVRP_SOLID), u32(EVRP_SOLID));
}
