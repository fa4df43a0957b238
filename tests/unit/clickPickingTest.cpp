// Clicks and hovering picked with a ray from the camera through the cursor, against the
// node's triangles and the world geometry in front of it.
#include "behaviours/CVeskAnimatorOnClick.h"
#include "behaviours/CVeskAnimatorOnMouseMove.h"
#include "behaviours/veskBehaviours.h"
#include "tests/support/eventBehaviourFixtures.h"

#include <IMetaTriangleSelector.h>

using namespace irr;
using scene::CVeskAnimatorOnClick;
using scene::CVeskAnimatorOnMouseMove;

namespace
{

class ClickPicking : public hxtest::EventScene
{
protected:
	//! A wall straight ahead, a box hidden behind it and a box to the right of it, in front.
	void SetUp() override
	{
		hxtest::EventScene::SetUp();
		Wall = addBox(1, "wall", core::vector3df(0, 0, 20), 10.f);
		Hidden = addBox(2, "hidden", core::vector3df(0, 0, 40), 4.f);
		Front = addBox(3, "front", core::vector3df(8, 0, 20), 4.f);
		HiddenClick = clickable(Hidden);
		FrontClick = clickable(Front);
		scene::IMetaTriangleSelector* world = SceneManager->createMetaTriangleSelector();
		for (CVeskMeshSceneNode* node : { Wall, Front })
		{
			scene::ITriangleSelector* selector = SceneManager->createTriangleSelector(node->getMesh(), node);
			world->addTriangleSelector(selector);
			selector->drop();
		}
		handWorldSelectorToBehaviours(SceneManager->getRootSceneNode(), world);
		world->drop();
		frameAt(0);
	}

	CVeskAnimatorOnClick* clickable(scene::ISceneNode* node)
	{
		CVeskAnimatorOnClick* click = attach(node, new CVeskAnimatorOnClick(SceneManager));
		hxtest::giveList(click, &CVeskAnimatorOnClick::setActions, { logs("click") });
		return click;
	}

	CVeskMeshSceneNode* Wall = 0;
	CVeskMeshSceneNode* Hidden = 0;
	CVeskMeshSceneNode* Front = 0;
	CVeskAnimatorOnClick* HiddenClick = 0;
	CVeskAnimatorOnClick* FrontClick = 0;
};

} // end anonymous namespace

TEST_F(ClickPicking, TheFrontMeshTakesTheClickAndWorldGeometryHidesTheOneBehind)
{
	ASSERT_NE(HiddenClick->getWorldSelector(), nullptr);
	clickAt(pixelOf(Front));
	EXPECT_EQ(Log, (std::vector<std::string>{ "click@front" }));

	Log.clear();
	clickAt(pixelOf(Hidden));
	clickAt(core::position2di(2, 2));
	EXPECT_TRUE(Log.empty());

	// Without the occlusion test the wall no longer hides it.
	HiddenClick->NoClickWhenOccluded = false;
	clickAt(pixelOf(Hidden));
	EXPECT_EQ(Log, (std::vector<std::string>{ "click@hidden" }));
}

TEST_F(ClickPicking, ABoxTestHitsBesideTheTrianglesAndHiddenParentsStopClicks)
{
	// A thin ring's triangles leave its middle open; its box does not.
	scene::ISceneNode* holder = SceneManager->addEmptySceneNode();
	CVeskMeshSceneNode* ring = addBox(4, "ring", core::vector3df(-8, 0, 20), 4.f, false, holder);
	scene::IMesh* torus = SceneManager->getGeometryCreator()->createSphereMesh(2.f, 8, 8);
	ring->setMesh(torus);
	torus->drop();
	CVeskAnimatorOnClick* click = clickable(ring);
	frameAt(10);
	// Just beside the sphere's outline, inside its box corner.
	const core::position2di corner = SceneManager->getSceneCollisionManager()->getScreenCoordinatesFrom3DPosition(
		core::vector3df(-8 + 1.85f, 1.85f, 18.2f), Camera);
	clickAt(corner);
	EXPECT_TRUE(Log.empty());
	click->BoundingBoxTestOnly = true;
	clickAt(corner);
	EXPECT_EQ(Log, (std::vector<std::string>{ "click@ring" }));

	Log.clear();
	holder->setVisible(false);
	clickAt(pixelOf(ring));
	EXPECT_TRUE(Log.empty());
}

TEST_F(ClickPicking, HoverRunsEnterAndLeaveOnceEachAndTheFirstCheckOnlyLearns)
{
	CVeskAnimatorOnMouseMove* hover = attach(Front, new CVeskAnimatorOnMouseMove(SceneManager, Cursor));
	hxtest::giveList(hover, &CVeskAnimatorOnMouseMove::setEnterActions, { logs("enter") });
	hxtest::giveList(hover, &CVeskAnimatorOnMouseMove::setLeaveActions, { logs("leave") });
	putCursorAt(pixelOf(Front));
	frameAt(1000);
	frameAt(1300);
	EXPECT_TRUE(Log.empty());

	putCursorAt(core::position2di(2, 2));
	frameAt(1400); // too soon after the last check
	EXPECT_TRUE(Log.empty());
	frameAt(1550);
	frameAt(1800);
	frameAt(2100);
	putCursorAt(pixelOf(Front));
	frameAt(2400);
	frameAt(2700);
	EXPECT_EQ(Log, (std::vector<std::string>{ "leave@front", "enter@front" }));

	// Over the hidden box the wall is in the way.
	CVeskAnimatorOnMouseMove* behind = attach(Hidden, new CVeskAnimatorOnMouseMove(SceneManager, Cursor));
	hxtest::giveList(behind, &CVeskAnimatorOnMouseMove::setEnterActions, { logs("enter") });
	hxtest::giveList(behind, &CVeskAnimatorOnMouseMove::setLeaveActions, { logs("leave") });
	behind->setWorldSelector(HiddenClick->getWorldSelector());
	putCursorAt(core::position2di(2, 2));
	frameAt(3000);
	Log.clear();
	putCursorAt(pixelOf(Hidden));
	frameAt(3300);
	frameAt(3600);
	EXPECT_TRUE(Log.empty());
}
