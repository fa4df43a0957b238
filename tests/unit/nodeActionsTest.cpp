// The actions that change nodes, run against a small scene: the state of the nodes before and
// after, the cases where the target is missing or of the wrong kind, moves over time, cloning
// and deleting.
#include "actions/CHXActionChangeSceneNodePosition.h"
#include "actions/CHXActionChangeSceneNodeRotation.h"
#include "actions/CHXActionChangeSceneNodeScale.h"
#include "actions/CHXActionChangeSceneNodeTexture.h"
#include "actions/CHXActionCloneSceneNode.h"
#include "actions/CHXActionDeleteSceneNode.h"
#include "actions/CHXActionDoInTheFuture.h"
#include "actions/CHXActionHandler.h"
#include "actions/CHXActionMakeSceneNodeInvisible.h"
#include "actions/CHXActionSetActiveCamera.h"
#include "actions/CHXActionSetCameraTarget.h"
#include "actions/CHXActionSetSceneNodeAnimation.h"
#include "player/CEdrixServices.h"
#include "render/CVeskSceneManagerExtension.h"
#include "render/veskSceneManager.h"
#include "scene/CVeskCameraSceneNode.h"
#include "scene/CVeskMeshSceneNode.h"
#include "scene/CVeskSkinnedMeshData.h"
#include "tests/support/actionTestSupport.h"
#include "tests/support/testSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

using namespace irr;

namespace
{

enum
{
	BOX_ID = 1,
	HELPER_ID = 2,
	CAMERA_ID = 3,
	WALKER_ID = 4,
	MISSING_ID = 42
};

//! Counts error lines of the engine's log.
class CErrorCounter : public IEventReceiver
{
public:
	virtual bool OnEvent(const SEvent& event)
	{
		if (event.EventType == EET_LOG_TEXT_EVENT && event.LogEvent.Level >= ELL_ERROR)
			++Errors;
		return false;
	}
	int Errors = 0;
};

//! A scene of a mesh with two materials ("Box"), an empty node ("Helper"), a camera and a
//! skinned animated mesh ("Walker") with a named range.
class NodeActions : public ::testing::Test
{
protected:
	void SetUp() override
	{
		Device = hxtest::createNullDevice();
		ASSERT_NE(Device, nullptr);
		Device->setEventReceiver(&Log);
		Services = new CEdrixServices(Device);
		SceneManager = createVeskSceneManager(Device->getSceneManager());
		Extension = getSceneExtension(SceneManager);
		scene::ISceneNode* root = SceneManager->getRootSceneNode();

		Box = new CVeskMeshSceneNode(root, SceneManager, BOX_ID, core::vector3df(1, 2, 3));
		Box->setName("Box");
		scene::SMesh* mesh = new scene::SMesh();
		for (int i = 0; i < 2; ++i)
		{
			scene::SMeshBuffer* buffer = new scene::SMeshBuffer();
			mesh->addMeshBuffer(buffer);
			buffer->drop();
		}
		Box->setMesh(mesh);
		mesh->drop();
		Box->drop();

		Helper = SceneManager->addEmptySceneNode(root, HELPER_ID);
		Helper->setName("Helper");
		Helper->setPosition(core::vector3df(10, 0, 0));

		Camera = new CVeskCameraSceneNode(root, SceneManager, CAMERA_ID, core::vector3df(0, 0, 0), core::vector3df(0, 0, 100));
		Camera->drop();

		scene::ISkinnedMesh* skinned = SceneManager->createSkinnedMesh();
		scene::ISkinnedMesh::SJoint* joint = skinned->addJoint();
		for (int frame = 0; frame <= 20; frame += 20)
		{
			scene::ISkinnedMesh::SPositionKey* key = skinned->addPositionKey(joint);
			key->frame = f32(frame);
			key->position.set(f32(frame), 0, 0);
		}
		skinned->finalize();
		CVeskSkinnedMeshData* data = new CVeskSkinnedMeshData();
		data->AnimationSpeed = 0.03f;
		SVeskAnimationRange walk = { "walk", 2, 8, 0.5f };
		data->Ranges.push_back(walk);
		CVeskSkinnedMeshData::attach(skinned, data);
		data->drop();
		Walker = SceneManager->addAnimatedMeshSceneNode(skinned, root, WALKER_ID);
		Walker->setName("Walker");
		Walker->setFrameLoop(5, 6);
		SkinnedMesh = skinned;

		video::IVideoDriver* driver = Device->getVideoDriver();
		video::IImage* image = driver->createImage(video::ECF_A8R8G8B8, core::dimension2du(2, 2));
		Texture = driver->addTexture("stone.png", image);
		image->drop();
	}

	void TearDown() override
	{
		EXPECT_EQ(Log.Errors, 0);
		CVeskSkinnedMeshData::detach(SkinnedMesh);
		SkinnedMesh->drop();
		SceneManager->drop();
		Services->drop();
		Device->setEventReceiver(0);
		Device->drop();
	}

	scene::ISceneNode* node(const char* name) { return SceneManager->getSceneNodeFromName(name); }

	//! Runs the action as the only action of a list, with current as the current node.
	void run(IHXAction* action, scene::ISceneNode* current)
	{
		CHXActionHandler* list = hxtest::listOf(action);
		list->runActions(current, SceneManager);
		list->drop();
		action->drop();
	}

	u32 now() const { return Device->getTimer()->getTime(); }

	CErrorCounter Log;
	IrrlichtDevice* Device = nullptr;
	CEdrixServices* Services = nullptr;
	scene::ISceneManager* SceneManager = nullptr;
	CVeskSceneManagerExtension* Extension = nullptr;
	CVeskMeshSceneNode* Box = nullptr;
	scene::ISceneNode* Helper = nullptr;
	CVeskCameraSceneNode* Camera = nullptr;
	scene::IAnimatedMeshSceneNode* Walker = nullptr;
	scene::ISkinnedMesh* SkinnedMesh = nullptr;
	video::ITexture* Texture = nullptr;
};

template <typename T> T* targeting(s32 id, bool useCurrent = false)
{
	T* action = new T();
	action->Target.NodeId = id;
	action->Target.UseCurrentNode = useCurrent;
	return action;
}

CHXActionChangeSceneNodePosition* position(s32 mode, const core::vector3df& vector, s32 id = BOX_ID)
{
	CHXActionChangeSceneNodePosition* action = targeting<CHXActionChangeSceneNodePosition>(id);
	action->Mode = mode;
	action->Vector = vector;
	return action;
}

struct SPlacementCase
{
	const char* name;
	std::function<IHXAction*()> make;
	//! Position, rotation and scale of Box afterwards.
	core::vector3df position, rotation, scale;
};

} // end anonymous namespace

TEST_F(NodeActions, PlacementOfTheBox)
{
	const core::vector3df start(1, 2, 3), noRotation(0, 0, 0), unitScale(1, 1, 1);
	const std::vector<SPlacementCase> cases = {
		{ "set position", [] { return position(0, core::vector3df(4, 5, 6)); }, core::vector3df(4, 5, 6), noRotation, unitScale },
		{ "move by", [] { return position(1, core::vector3df(1, 1, 1)); }, core::vector3df(2, 3, 4), noRotation, unitScale },
		{ "relative to helper", [] {
			CHXActionChangeSceneNodePosition* a = position(2, core::vector3df(0, 1, 0));
			a->Relative.NodeId = HELPER_ID;
			return a;
		}, core::vector3df(10, 1, 0), noRotation, unitScale },
		{ "relative to the current node", [] {
			CHXActionChangeSceneNodePosition* a = position(2, core::vector3df(0, 1, 0));
			a->Relative.UseCurrentNode = true;
			return a;
		}, core::vector3df(10, 1, 0), noRotation, unitScale },
		{ "relative to a missing node", [] {
			CHXActionChangeSceneNodePosition* a = position(2, core::vector3df(0, 1, 0));
			a->Relative.NodeId = MISSING_ID;
			return a;
		}, start, noRotation, unitScale },
		{ "bullet impact before any shot", [] { return position(5, core::vector3df(0, 1, 0)); }, start, noRotation, unitScale },
		{ "unknown position mode", [] { return position(9, core::vector3df(7, 7, 7)); }, start, noRotation, unitScale },
		{ "set rotation", [] {
			CHXActionChangeSceneNodeRotation* a = targeting<CHXActionChangeSceneNodeRotation>(BOX_ID);
			a->Rotation.set(0, 30, 0);
			return a;
		}, start, core::vector3df(0, 30, 0), unitScale },
		{ "unknown rotation mode", [] {
			CHXActionChangeSceneNodeRotation* a = targeting<CHXActionChangeSceneNodeRotation>(BOX_ID);
			a->Mode = 4;
			a->Rotation.set(0, 30, 0);
			return a;
		}, start, noRotation, unitScale },
		{ "set scale", [] {
			CHXActionChangeSceneNodeScale* a = targeting<CHXActionChangeSceneNodeScale>(BOX_ID);
			a->Scale.set(2, 3, 4);
			return a;
		}, start, noRotation, core::vector3df(2, 3, 4) },
		{ "unknown scale mode", [] {
			CHXActionChangeSceneNodeScale* a = targeting<CHXActionChangeSceneNodeScale>(BOX_ID);
			a->Mode = 2;
			a->Scale.set(2, 3, 4);
			return a;
		}, start, noRotation, unitScale },
	};
	for (const SPlacementCase& c : cases)
	{
		Box->setPosition(start);
		Box->setRotation(noRotation);
		Box->setScale(unitScale);
		run(c.make(), Helper);
		EXPECT_EQ(Box->getPosition(), c.position) << c.name;
		EXPECT_EQ(Box->getRotation(), c.rotation) << c.name;
		EXPECT_EQ(Box->getScale(), c.scale) << c.name;
	}
}

TEST_F(NodeActions, RelativeChangesBuildOnTheNodesState)
{
	Box->setRotation(core::vector3df(0, 10, 0));
	CHXActionChangeSceneNodeRotation* turn = targeting<CHXActionChangeSceneNodeRotation>(BOX_ID);
	turn->Mode = CHXActionChangeSceneNodeRotation::EM_ROTATE_BY;
	turn->Rotation.set(0, 20, 5);
	run(turn, Helper);
	EXPECT_EQ(Box->getRotation(), core::vector3df(0, 30, 5));

	Box->setScale(core::vector3df(2, 3, 4));
	CHXActionChangeSceneNodeScale* grow = targeting<CHXActionChangeSceneNodeScale>(BOX_ID);
	grow->Mode = CHXActionChangeSceneNodeScale::EM_SCALE_BY;
	grow->Scale.set(0.5f, 2, 1);
	run(grow, Helper);
	EXPECT_EQ(Box->getScale(), core::vector3df(1, 6, 4));

	SceneManager->getParameters()->setAttribute("BulletPositionImpact", core::vector3df(5, 5, 5));
	run(position(5, core::vector3df(0, 1, 0)), Helper);
	EXPECT_EQ(Box->getPosition(), core::vector3df(5, 6, 5));
}

TEST_F(NodeActions, ForwardFollowsTheNodesAxisOrTheCamerasView)
{
	// Turned a quarter about Y and scaled, the box's own X axis points along -Z.
	Box->setPosition(core::vector3df(0, 0, 0));
	Box->setRotation(core::vector3df(0, 90, 0));
	Box->setScale(core::vector3df(3, 3, 3));
	run(position(3, core::vector3df(0, 4, 0)), Helper);
	EXPECT_TRUE(Box->getPosition().equals(core::vector3df(0, 0, -4), 0.0001f)) << Box->getPosition().Z;

	Camera->setPosition(core::vector3df(0, 0, 10));
	Camera->setTarget(core::vector3df(0, 0, 100));
	run(position(3, core::vector3df(3, 4, 0), CAMERA_ID), Helper);
	EXPECT_TRUE(Camera->getPosition().equals(core::vector3df(0, 0, 15), 0.0001f));
}

TEST_F(NodeActions, RandomPlacementStaysInsideTheArea)
{
	for (int i = 0; i < 100; ++i)
	{
		CHXActionChangeSceneNodePosition* area = position(4, core::vector3df(10, 0, -2));
		area->MaxPosition.set(0, 0, 2);
		run(area, Helper);
		const core::vector3df p = Box->getPosition();
		EXPECT_GE(p.X, 0.f);
		EXPECT_LT(p.X, 10.f);
		EXPECT_EQ(p.Y, 0.f);
		EXPECT_GE(p.Z, -2.f);
		EXPECT_LT(p.Z, 2.f);
	}
}

TEST_F(NodeActions, VisibilityModes)
{
	struct SCase
	{
		s32 mode;
		bool before, after;
	};
	const SCase cases[] = { { 0, true, false }, { 0, false, false }, { 1, false, true }, { 2, true, false }, { 2, false, true }, { 3, true, true } };
	for (const SCase& c : cases)
		for (bool future : { false, true })
		{
			Box->setVisible(c.before);
			CHXActionMakeSceneNodeInvisible* action = future ? targeting<CHXActionDoInTheFuture>(BOX_ID)
				: targeting<CHXActionMakeSceneNodeInvisible>(BOX_ID);
			action->Mode = c.mode;
			run(action, Helper);
			EXPECT_EQ(Box->isVisible(), c.after) << c.mode << " " << future;
		}
	CHXActionMakeSceneNodeInvisible* toggle = targeting<CHXActionMakeSceneNodeInvisible>(0, true);
	CHXActionHandler* twice = hxtest::listOf(toggle);
	twice->addAction(toggle);
	toggle->drop();
	Box->setVisible(true);
	twice->runActions(Box, SceneManager);
	EXPECT_TRUE(Box->isVisible());
	twice->drop();
}

TEST_F(NodeActions, TexturesGoOnTheFirstLayerOfTheChosenMaterials)
{
	struct SCase
	{
		const char* name;
		s32 mode, index;
		bool first, second;
	};
	const SCase cases[] = {
		{ "all", 0, 0, true, true },
		{ "index 1", 1, 1, false, true },
		{ "index equal to the count", 1, 2, false, false },
		{ "negative index", 1, -1, false, false },
		{ "unknown mode", 5, 0, false, false },
	};
	for (const SCase& c : cases)
	{
		Box->getMaterial(0).setTexture(0, 0);
		Box->getMaterial(1).setTexture(0, 0);
		CHXActionChangeSceneNodeTexture* action = targeting<CHXActionChangeSceneNodeTexture>(BOX_ID);
		action->Mode = c.mode;
		action->MaterialIndex = c.index;
		action->setTexture(Texture);
		run(action, Helper);
		EXPECT_EQ(Box->getMaterial(0).getTexture(0) == Texture, c.first) << c.name;
		EXPECT_EQ(Box->getMaterial(1).getTexture(0) == Texture, c.second) << c.name;
		EXPECT_EQ(Box->getMaterial(0).getTexture(1), nullptr) << c.name;
	}
}

TEST_F(NodeActions, AnimationsOfASkinnedMesh)
{
	struct SCase
	{
		const char* name;
		bool loop;
		s32 start, end;
		f32 speed;
	};
	// The engine's node keeps its end frame below the frame count.
	const s32 lastFrame = s32(SkinnedMesh->getFrameCount()) - 1;
	const SCase cases[] = {
		{ "walk", true, 2, 8, 0.5f },
		{ "all", false, 0, lastFrame, 0.03f },
		{ "NONE", true, 0, 0, 7.f },
		{ "jump", false, 5, 6, 7.f },
	};
	for (const SCase& c : cases)
	{
		Walker->setFrameLoop(5, 6);
		Walker->setAnimationSpeed(7.f);
		Walker->setLoopMode(!c.loop);
		CHXActionSetSceneNodeAnimation* action = targeting<CHXActionSetSceneNodeAnimation>(WALKER_ID);
		action->AnimationName = c.name;
		action->Loop = c.loop;
		run(action, Helper);
		EXPECT_EQ(Walker->getStartFrame(), c.start) << c.name;
		EXPECT_EQ(Walker->getEndFrame(), c.end) << c.name;
		EXPECT_FLOAT_EQ(Walker->getAnimationSpeed(), c.speed) << c.name;
		if (std::string(c.name) != "jump")
			EXPECT_EQ(Walker->getLoopMode(), c.loop) << c.name;
	}
}

TEST_F(NodeActions, CameraTargets)
{
	Camera->setPosition(core::vector3df(0, 5, 0));
	struct SCase
	{
		s32 mode;
		s32 relativeId;
		core::vector3df target;
	};
	const SCase cases[] = {
		{ 0, -1, core::vector3df(1, 2, 3) },
		{ 1, -1, core::vector3df(1, 7, 3) },
		{ 2, HELPER_ID, core::vector3df(11, 2, 3) },
		{ 2, MISSING_ID, core::vector3df(0, 0, 100) },
		{ 7, -1, core::vector3df(0, 0, 100) },
	};
	for (const SCase& c : cases)
	{
		Camera->setTarget(core::vector3df(0, 0, 100));
		CHXActionSetCameraTarget* action = targeting<CHXActionSetCameraTarget>(CAMERA_ID);
		action->Mode = c.mode;
		action->Vector.set(1, 2, 3);
		action->Relative.NodeId = c.relativeId;
		run(action, Helper);
		EXPECT_EQ(Camera->getTarget(), c.target) << c.mode << " " << c.relativeId;
	}
}

namespace
{

//! Position, rotation, scale, visibility, first-layer textures and frame loop of every node.
std::string describe(scene::ISceneNode* node)
{
	std::string text;
	const core::vector3df values[] = { node->getPosition(), node->getRotation(), node->getScale() };
	for (const core::vector3df& v : values)
		text += std::to_string(v.X) + "," + std::to_string(v.Y) + "," + std::to_string(v.Z) + ";";
	text += node->isVisible() ? "v;" : "i;";
	for (u32 i = 0; i < node->getMaterialCount(); ++i)
		text += std::to_string(reinterpret_cast<uintptr_t>(node->getMaterial(i).getTexture(0))) + ";";
	if (node->getType() == scene::ESNT_ANIMATED_MESH)
	{
		scene::IAnimatedMeshSceneNode* animated = static_cast<scene::IAnimatedMeshSceneNode*>(node);
		text += std::to_string(animated->getStartFrame()) + "-" + std::to_string(animated->getEndFrame());
	}
	if (scene::ICameraSceneNode* camera = dynamic_cast<scene::ICameraSceneNode*>(node))
		text += std::to_string(camera->getTarget().Z);
	for (scene::ISceneNode* child : node->getChildren())
		text += "[" + describe(child) + "]";
	text += "a" + std::to_string(node->getAnimators().size());
	return text;
}

} // end anonymous namespace

TEST_F(NodeActions, MissingTargetsAndWrongKindsChangeNothing)
{
	std::vector<std::function<IHXAction*(s32)>> makers = {
		[](s32 id) { return targeting<CHXActionMakeSceneNodeInvisible>(id); },
		[](s32 id) { return position(0, core::vector3df(9, 9, 9), id); },
		[](s32 id) {
			CHXActionChangeSceneNodeRotation* a = targeting<CHXActionChangeSceneNodeRotation>(id);
			a->Rotation.set(1, 1, 1);
			a->Animated = 1;
			return a;
		},
		[](s32 id) { return targeting<CHXActionChangeSceneNodeScale>(id); },
		[this](s32 id) {
			CHXActionChangeSceneNodeTexture* a = targeting<CHXActionChangeSceneNodeTexture>(id);
			a->setTexture(Texture);
			return a;
		},
		[](s32 id) { return targeting<CHXActionSetSceneNodeAnimation>(id); },
		[](s32 id) { return targeting<CHXActionSetCameraTarget>(id); },
		[](s32 id) { return targeting<CHXActionCloneSceneNode>(id); },
		[](s32 id) { return targeting<CHXActionDeleteSceneNode>(id); },
		[](s32 id) {
			CHXActionSetActiveCamera* a = new CHXActionSetActiveCamera();
			a->CameraNodeId = id;
			return a;
		},
	};
	const std::string before = describe(SceneManager->getRootSceneNode());
	for (size_t i = 0; i < makers.size(); ++i)
	{
		// Nobody has the id, or nobody is asked for.
		run(makers[i](MISSING_ID), Helper);
		run(makers[i](-1), Helper);
		// A current node or a scene manager is missing.
		IHXAction* action = makers[i](BOX_ID);
		action->execute(0, SceneManager);
		action->execute(Box, 0);
		action->drop();
		Extension->drawAll(0);
		EXPECT_EQ(describe(SceneManager->getRootSceneNode()), before) << i;
	}
	// Animations need a skinned animated mesh, camera targets a camera.
	run(targeting<CHXActionSetSceneNodeAnimation>(BOX_ID), Helper);
	run(targeting<CHXActionSetCameraTarget>(BOX_ID), Helper);
	EXPECT_EQ(describe(SceneManager->getRootSceneNode()), before);
}

TEST_F(NodeActions, MovesOverTimeEndExactlyAndLeaveNoAnimator)
{
	Box->setPosition(core::vector3df(0, 0, 0));
	CHXActionChangeSceneNodePosition* move = position(0, core::vector3df(10, 0, 0));
	move->Animated = 1;
	move->TimeMs = 500;
	const u32 start = now();
	run(move, Helper);
	EXPECT_EQ(Box->getPosition(), core::vector3df(0, 0, 0));
	Box->OnAnimate(start + 250);
	EXPECT_TRUE(Box->getPosition().equals(core::vector3df(5, 0, 0)));
	Box->OnAnimate(start + 500);
	EXPECT_EQ(Box->getPosition(), core::vector3df(10, 0, 0));
	EXPECT_TRUE(Box->getAnimators().empty());

	CHXActionChangeSceneNodeRotation* turn = targeting<CHXActionChangeSceneNodeRotation>(BOX_ID);
	turn->Rotation.set(0, 90, 0);
	turn->Animated = 1;
	turn->TimeMs = 500;
	run(turn, Helper);
	Box->OnAnimate(start + 250);
	EXPECT_TRUE(Box->getRotation().equals(core::vector3df(0, 45, 0), 0.01f)) << Box->getRotation().Y;
	Box->OnAnimate(start + 600);
	EXPECT_EQ(Box->getRotation(), core::vector3df(0, 90, 0));
	EXPECT_TRUE(Box->getAnimators().empty());

	Camera->setTarget(core::vector3df(0, 0, 100));
	CHXActionSetCameraTarget* look = targeting<CHXActionSetCameraTarget>(CAMERA_ID);
	look->Vector.set(0, 0, 200);
	look->Animated = 1;
	look->TimeMs = 100;
	run(look, Helper);
	Camera->OnAnimate(start + 50);
	EXPECT_TRUE(Camera->getTarget().equals(core::vector3df(0, 0, 150)));
	Camera->OnAnimate(start + 100);
	EXPECT_EQ(Camera->getTarget(), core::vector3df(0, 0, 200));
	EXPECT_TRUE(Camera->getAnimators().empty());

	// No time, or no animation bit: at once.
	for (s32 timeMs : { 0, -5 })
	{
		CHXActionChangeSceneNodePosition* jump = position(0, core::vector3df(f32(timeMs), 1, 1));
		jump->Animated = 1;
		jump->TimeMs = timeMs;
		run(jump, Helper);
		EXPECT_EQ(Box->getPosition(), core::vector3df(f32(timeMs), 1, 1));
		EXPECT_TRUE(Box->getAnimators().empty());
	}
	CHXActionChangeSceneNodeRotation* flagless = targeting<CHXActionChangeSceneNodeRotation>(BOX_ID);
	flagless->Rotation.set(1, 2, 3);
	flagless->Animated = 2;
	run(flagless, Helper);
	EXPECT_EQ(Box->getRotation(), core::vector3df(1, 2, 3));
}

TEST_F(NodeActions, DeletedNodesStayUntilTheQueueRemovesThem)
{
	// The list deletes its current node and then still moves it.
	CHXActionHandler* list = new CHXActionHandler(0);
	IHXAction* remove = targeting<CHXActionDeleteSceneNode>(0, true);
	list->addAction(remove);
	remove->drop();
	IHXAction* move = position(0, core::vector3df(7, 7, 7), -1);
	static_cast<CHXActionChangeSceneNodePosition*>(move)->Target.UseCurrentNode = true;
	list->addAction(move);
	move->drop();
	list->runActions(Box, SceneManager);
	EXPECT_EQ(Box->getPosition(), core::vector3df(7, 7, 7));
	EXPECT_EQ(node("Box"), Box);
	Extension->drawAll(100);
	EXPECT_EQ(node("Box"), nullptr);
	list->drop();

	// With a delay the node lives on, animated, until the delay has passed.
	CHXActionDeleteSceneNode* later = targeting<CHXActionDeleteSceneNode>(HELPER_ID);
	later->DelayMs = 1000;
	run(later, Camera);
	scene::ISceneNodeAnimator* spin = SceneManager->createRotationAnimator(core::vector3df(0, 1, 0));
	Helper->addAnimator(spin);
	spin->drop();
	Extension->drawAll(5000);
	Extension->drawAll(5999);
	ASSERT_EQ(node("Helper"), Helper);
	EXPECT_NE(Helper->getRotation(), core::vector3df(0, 0, 0));
	Extension->drawAll(6000);
	EXPECT_EQ(node("Helper"), nullptr);
}

namespace
{

//! Stands for an event behaviour: it owns a list and runs it for its node on every event.
class CListRunner : public scene::ISceneNodeAnimator
{
public:
	CListRunner(CHXActionHandler* list, scene::ISceneNode* node) : List(list), Node(node) { List->grab(); }
	~CListRunner() { List->drop(); }
	virtual void animateNode(scene::ISceneNode*, u32) {}
	virtual bool isEventReceiverEnabled() const { return true; }
	virtual bool OnEvent(const SEvent&)
	{
		// This object may be gone once the run returns.
		List->runActions(Node, Node->getSceneManager());
		return true;
	}
	virtual scene::ISceneNodeAnimator* createClone(scene::ISceneNode* node, scene::ISceneManager*) { return new CListRunner(List, node); }

private:
	CHXActionHandler* List;
	scene::ISceneNode* Node;
};

//! Takes the current node out of the tree at once, as a reload of its scene does.
class CRemoveAtOnce : public CHXActionDeleteSceneNode
{
public:
	virtual void execute(scene::ISceneNode* currentNode, scene::ISceneManager* sceneManager) { currentNode->remove(); }
};

} // end anonymous namespace

TEST_F(NodeActions, ANodeRemovedByItsOwnRunningListStaysValidUntilTheRunEnds)
{
	// The node owns the runner, the runner the list; removing the node mid-run frees all three
	// unless the run holds them. (Inside the node's own animation the engine still touches the
	// node afterwards, which is why actions delete through the queue.)
	CHXActionHandler* list = new CHXActionHandler(0);
	IHXAction* remove = new CRemoveAtOnce();
	list->addAction(remove);
	remove->drop();
	CHXActionChangeSceneNodePosition* move = position(1, core::vector3df(1, 0, 0), -1);
	move->Target.UseCurrentNode = true;
	list->addAction(move);
	move->drop();
	scene::ISceneNode* doomed = SceneManager->addEmptySceneNode(0, 77);
	CListRunner* runner = new CListRunner(list, doomed);
	list->drop();
	doomed->addAnimator(runner);
	runner->drop();
	SEvent click;
	click.EventType = EET_MOUSE_INPUT_EVENT;
	click.MouseInput.Event = EMIE_LMOUSE_LEFT_UP;
	runner->OnEvent(click);
	EXPECT_EQ(SceneManager->getSceneNodeFromId(77), nullptr);
}

TEST_F(NodeActions, ClonesGetFreshIdsAndRunTheirList)
{
	scene::ISceneNode* child = SceneManager->addEmptySceneNode(Box, 5);
	SceneManager->addEmptySceneNode(child, 6);
	SceneManager->addEmptySceneNode(Box, 7);
	scene::IMesh* cube = SceneManager->getGeometryCreator()->createCubeMesh();
	Box->setMesh(cube);
	cube->drop();
	scene::ITriangleSelector* selector = SceneManager->createTriangleSelector(Box->getMesh(), Box);
	Box->setTriangleSelector(selector);
	selector->drop();
	Box->setVisible(false);

	CHXActionCloneSceneNode* cloner = targeting<CHXActionCloneSceneNode>(BOX_ID);
	CHXActionChangeSceneNodePosition* place = position(0, core::vector3df(5, 5, 5), -1);
	place->Target.UseCurrentNode = true;
	CHXActionHandler* onCopy = hxtest::listOf(place);
	place->drop();
	cloner->setActions(onCopy);
	onCopy->drop();
	run(cloner, Helper);

	const scene::ISceneNodeList& children = SceneManager->getRootSceneNode()->getChildren();
	scene::ISceneNode* copy = *children.getLast();
	ASSERT_NE(copy, Box);
	EXPECT_EQ(copy->getType(), Box->getType());
	EXPECT_TRUE(copy->isVisible());
	EXPECT_FALSE(Box->isVisible());
	EXPECT_EQ(copy->getPosition(), core::vector3df(5, 5, 5));
	EXPECT_EQ(Box->getPosition(), core::vector3df(1, 2, 3));
	ASSERT_NE(copy->getTriangleSelector(), nullptr);
	EXPECT_NE(copy->getTriangleSelector(), Box->getTriangleSelector());
	EXPECT_EQ(copy->getTriangleSelector()->getTriangleCount(), 12);
	EXPECT_EQ(copy->getTriangleSelector()->getSceneNodeForTriangle(0), copy);

	// Copy, its two children and its grandchild: four fresh ids, none held twice.
	std::multiset<s32> ids;
	std::function<void(scene::ISceneNode*)> collect = [&](scene::ISceneNode* n) {
		ids.insert(n->getID());
		for (scene::ISceneNode* c : n->getChildren())
			collect(c);
	};
	collect(SceneManager->getRootSceneNode());
	std::vector<s32> copied = { copy->getID() };
	for (scene::ISceneNode* c : copy->getChildren())
	{
		copied.push_back(c->getID());
		for (scene::ISceneNode* g : c->getChildren())
			copied.push_back(g->getID());
	}
	ASSERT_EQ(copied.size(), 4u);
	for (s32 id : copied)
	{
		EXPECT_GE(id, 10);
		EXPECT_EQ(ids.count(id), 1u) << id;
	}
}

TEST_F(NodeActions, CloningEveryChildWhileWalkingTheChildren)
{
	scene::ISceneNode* parent = SceneManager->addEmptySceneNode(0, 50);
	for (s32 i = 0; i < 3; ++i)
		SceneManager->addEmptySceneNode(parent, 51 + i);
	CHXActionCloneSceneNode* cloner = targeting<CHXActionCloneSceneNode>(0, true);
	CHXActionHandler* list = hxtest::listOf(cloner);
	cloner->drop();
	const scene::ISceneNodeList& children = parent->getChildren();
	int visited = 0;
	for (scene::ISceneNodeList::ConstIterator it = children.begin(); it != children.end() && visited < 3; ++it, ++visited)
		list->runActions(*it, SceneManager);
	list->drop();
	EXPECT_EQ(children.size(), 6u);
	std::vector<s32> originals;
	for (scene::ISceneNode* c : children)
		originals.push_back(c->getID());
	EXPECT_EQ(std::vector<s32>(originals.begin(), originals.begin() + 3), std::vector<s32>({ 51, 52, 53 }));
}
