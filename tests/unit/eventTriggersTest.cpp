// Timer, key, first-frame and proximity triggers driven by the stopped timer and synthetic
// input, and the safety of lists that delete or copy the node they run for.
#include "actions/CHXActionCloneSceneNode.h"
#include "actions/CHXActionDeleteSceneNode.h"
#include "actions/CHXActionRestartBehaviors.h"
#include "behaviours/CVeskAnimatorOnClick.h"
#include "behaviours/CVeskAnimatorOnCollide.h"
#include "behaviours/CVeskAnimatorOnFirstFrame.h"
#include "behaviours/CVeskAnimatorOnKeyPress.h"
#include "behaviours/CVeskAnimatorTimer.h"
#include "behaviours/veskBehaviours.h"
#include "tests/support/eventBehaviourFixtures.h"

using namespace irr;
using namespace irr::scene;

namespace
{

class EventTriggers : public hxtest::EventScene
{
protected:
	IHXAction* restartsCurrent()
	{
		CHXActionRestartBehaviors* restart = new CHXActionRestartBehaviors();
		restart->Target.UseCurrentNode = true;
		return restart;
	}
	IHXAction* deletesCurrent()
	{
		CHXActionDeleteSceneNode* remove = new CHXActionDeleteSceneNode();
		remove->Target.UseCurrentNode = true;
		return remove;
	}
	IHXAction* clonesCurrent()
	{
		CHXActionCloneSceneNode* copy = new CHXActionCloneSceneNode();
		copy->Target.UseCurrentNode = true;
		return copy;
	}
};

} // end anonymous namespace

TEST_F(EventTriggers, TimerFiresOncePerIntervalFromItsFirstFrameAndNeverCatchesUp)
{
	ISceneNode* node = addBox(1, "ticker", core::vector3df(0, 0, 50), 1.f);
	CVeskAnimatorTimer* timer = attach(node, new CVeskAnimatorTimer(SceneManager));
	timer->IntervalMs = 1000;
	hxtest::giveList(timer, &CVeskAnimatorTimer::setActions, { logs("tick") });
	frameAt(5000);
	frameAt(6000);
	EXPECT_TRUE(Log.empty());
	frameAt(6001);
	frameAt(6500);
	frameAt(7002);
	EXPECT_EQ(Log.size(), 2u);

	node->setVisible(false);
	frameAt(17000);
	node->setVisible(true);
	frameAt(17001);
	frameAt(17100);
	EXPECT_EQ(Log.size(), 3u);

	// A restart starts the interval over.
	CHXActionHandler* restart = hxtest::listOfActions({ restartsCurrent() });
	frameAt(17900);
	restart->runActions(node, SceneManager);
	restart->drop();
	frameAt(18050);
	frameAt(18500);
	EXPECT_EQ(Log.size(), 3u);
	frameAt(19051);
	EXPECT_EQ(Log.size(), 4u);

	timer->IntervalMs = 0;
	frameAt(30000);
	EXPECT_EQ(Log.size(), 4u);
}

TEST_F(EventTriggers, KeyTriggersMatchTheirKeyOrButtonAndEitherSideOfShift)
{
	struct SCase
	{
		s32 keyCode;
		s32 keyEvent;
		SEvent event;
		bool fires;
	};
	const SCase cases[] = {
		{ KEY_SHIFT, 0, hxtest::keyEvent(KEY_LSHIFT, true), true },
		{ KEY_SHIFT, 0, hxtest::keyEvent(KEY_RSHIFT, true), true },
		{ KEY_SHIFT, 0, hxtest::keyEvent(KEY_LSHIFT, false), false },
		{ KEY_CONTROL, 1, hxtest::keyEvent(KEY_RCONTROL, false), true },
		{ KEY_KEY_C, 0, hxtest::keyEvent(KEY_KEY_C, true), true },
		{ KEY_KEY_C, 0, hxtest::keyEvent(KEY_KEY_D, true), false },
		{ KEY_LBUTTON, 0, hxtest::mouseEvent(EMIE_LMOUSE_PRESSED_DOWN), true },
		{ KEY_LBUTTON, 1, hxtest::mouseEvent(EMIE_LMOUSE_LEFT_UP), true },
		{ KEY_LBUTTON, 1, hxtest::mouseEvent(EMIE_LMOUSE_PRESSED_DOWN), false },
		{ KEY_RBUTTON, 0, hxtest::mouseEvent(EMIE_RMOUSE_PRESSED_DOWN), true },
		{ KEY_KEY_A, 0, hxtest::mouseEvent(EMIE_LMOUSE_PRESSED_DOWN), false },
	};
	s32 row = 0;
	for (const SCase& c : cases)
	{
		ISceneNode* node = addBox(1, "keyed", core::vector3df(0, 0, 50), 1.f);
		CVeskAnimatorOnKeyPress* key = attach(node, new CVeskAnimatorOnKeyPress(SceneManager));
		key->KeyCode = c.keyCode;
		key->KeyEvent = c.keyEvent;
		hxtest::giveList(key, &CVeskAnimatorOnKeyPress::setActions, { logs("key") });
		frameAt(u32(100 * (row + 1)));
		Log.clear();
		EXPECT_FALSE(post(c.event)) << row;
		EXPECT_EQ(Log.size(), c.fires ? 1u : 0u) << row;

		// Hidden, it stays quiet; removed, it leaves the event list at its next key.
		Log.clear();
		node->setVisible(false);
		post(c.event);
		node->remove();
		post(c.event);
		EXPECT_TRUE(Log.empty()) << row;
		EXPECT_EQ(Extension->isEventBehaviourRegistered(key), !c.fires) << row;
		++row;
	}
	EXPECT_EQ(CVeskAnimatorOnKeyPress::getKeyCode(CVeskAnimatorOnKeyPress::getKeyName(KEY_KEY_Z)), s32(KEY_KEY_Z));
	EXPECT_EQ(CVeskAnimatorOnKeyPress::getKeyCode("F1"), 255);
	EXPECT_STREQ(CVeskAnimatorOnKeyPress::getKeyName(KEY_F1), "");
}

TEST_F(EventTriggers, FirstFrameRunsOnceAndInAReloadedSceneOnlyWhenAsked)
{
	struct SCase
	{
		bool reloaded;
		bool alsoOnReload;
		size_t runs;
	};
	const SCase cases[] = { { false, false, 1 }, { true, false, 0 }, { true, true, 1 } };
	for (const SCase& c : cases)
	{
		SceneManager->getParameters()->setAttribute("IRR_Reloaded", c.reloaded);
		ISceneNode* node = addBox(1, "starter", core::vector3df(0, 0, 50), 1.f);
		CVeskAnimatorOnFirstFrame* first = attach(node, new CVeskAnimatorOnFirstFrame(SceneManager));
		first->AlsoOnReload = c.alsoOnReload;
		hxtest::giveList(first, &CVeskAnimatorOnFirstFrame::setActions, { logs("start") });
		Log.clear();
		frameAt(10);
		restartAnimator(first);
		frameAt(20);
		EXPECT_EQ(Log.size(), c.runs) << c.reloaded << c.alsoOnReload;
		node->remove();
	}
}

TEST_F(EventTriggers, ProximityFiresOnEnteringAndLeavingWithTheApproachingNodeAsCurrent)
{
	ISceneNode* post = addBox(1, "post", core::vector3df(0, 0, 50), 1.f);
	CVeskAnimatorOnCollide* enters = attach(post, new CVeskAnimatorOnCollide(SceneManager));
	hxtest::giveList(enters, &CVeskAnimatorOnCollide::setActions, { logs("enters") });
	CVeskAnimatorOnCollide* leaves = attach(post, new CVeskAnimatorOnCollide(SceneManager));
	leaves->TriggeredWhen = CVeskAnimatorOnCollide::ETW_LEAVES;
	hxtest::giveList(leaves, &CVeskAnimatorOnCollide::setActions, { logs("leaves") });
	// A box stretched along X, turned a quarter round: it then stretches along Z.
	ISceneNode* gate = addBox(2, "gate", core::vector3df(30, 0, 0), 1.f);
	gate->setRotation(core::vector3df(0, 90, 0));
	gate->updateAbsolutePosition();
	CVeskAnimatorOnCollide* boxed = attach(gate, new CVeskAnimatorOnCollide(SceneManager));
	boxed->TestArea = CVeskAnimatorOnCollide::ETA_BOX;
	boxed->Size.set(20, 2, 2);
	hxtest::giveList(boxed, &CVeskAnimatorOnCollide::setActions, { logs("gate") });
	// Watching its own node, it never fires.
	CVeskAnimatorOnCollide* self = attach(post, new CVeskAnimatorOnCollide(SceneManager));
	self->NearTo = CVeskAnimatorOnCollide::ENT_SCENE_NODE;
	self->NodeId = 1;
	hxtest::giveList(self, &CVeskAnimatorOnCollide::setActions, { logs("self") });

	const core::vector3df walk[] = { { 0, 0, 0 }, { 0, 0, 42 }, { 0, 0, 45 }, { 0, 0, 30 }, { 30, 0, 8 }, { 38, 0, 0 } };
	u32 time = 0;
	for (const core::vector3df& at : walk)
	{
		Camera->setPosition(at);
		frameAt(time += 20);
	}
	EXPECT_EQ(Log, (std::vector<std::string>{ "enters@camera", "leaves@camera", "gate@camera" }));
}

TEST_F(EventTriggers, AListThatDeletesItsOwnNodeFinishesAndTheTriggersGoQuiet)
{
	CVeskMeshSceneNode* box = addBox(1, "doomed", core::vector3df(0, 0, 20), 4.f);
	CVeskAnimatorOnClick* click = attach(box, new CVeskAnimatorOnClick(SceneManager));
	hxtest::giveList(click, &CVeskAnimatorOnClick::setActions, { deletesCurrent(), logs("after") });
	CVeskAnimatorOnKeyPress* key = attach(box, new CVeskAnimatorOnKeyPress(SceneManager));
	hxtest::giveList(key, &CVeskAnimatorOnKeyPress::setActions, { deletesCurrent(), logs("key") });
	CVeskAnimatorTimer* timer = attach(box, new CVeskAnimatorTimer(SceneManager));
	timer->IntervalMs = 10;
	hxtest::giveList(timer, &CVeskAnimatorTimer::setActions, { deletesCurrent(), logs("tick") });
	frameAt(0);
	const core::position2di pixel = pixelOf(box);

	clickAt(pixel);
	post(hxtest::keyEvent(KEY_KEY_A, true));
	frameAt(20);
	EXPECT_EQ(Log, (std::vector<std::string>{ "after@doomed", "key@doomed", "tick@doomed" }));
	frameAt(40);
	EXPECT_EQ(SceneManager->getSceneNodeFromId(1), nullptr);

	// The event list held the last references; the freed node is not touched.
	clickAt(pixel);
	post(hxtest::keyEvent(KEY_KEY_A, true));
	frameAt(60);
	EXPECT_EQ(Log.size(), 3u);
}

TEST_F(EventTriggers, CopiesMadeWhileTheTreeIsWalkedStartOnTheirOwnFirstFrame)
{
	ISceneNode* shelf = SceneManager->addEmptySceneNode();
	ISceneNode* seed = addBox(1, "seed", core::vector3df(0, 0, 50), 1.f, false, shelf);
	CVeskAnimatorTimer* timer = attach(seed, new CVeskAnimatorTimer(SceneManager));
	timer->IntervalMs = 100;
	hxtest::giveList(timer, &CVeskAnimatorTimer::setActions, { clonesCurrent() });
	frameAt(0);
	frameAt(101);
	EXPECT_EQ(shelf->getChildren().getSize(), 2u);
	// Each copy counts from the frame that made it: every interval doubles the shelf, and
	// no frame copies a copy made in that frame.
	frameAt(150);
	EXPECT_EQ(shelf->getChildren().getSize(), 2u);
	frameAt(202);
	EXPECT_EQ(shelf->getChildren().getSize(), 4u);
	frameAt(303);
	EXPECT_EQ(shelf->getChildren().getSize(), 8u);

	// A key that copies its own node makes one copy per node that listened before the key.
	ISceneNode* root = SceneManager->addEmptySceneNode();
	ISceneNode* keyed = addBox(2, "keyed", core::vector3df(0, 0, 50), 1.f, false, root);
	CVeskAnimatorOnKeyPress* key = attach(keyed, new CVeskAnimatorOnKeyPress(SceneManager));
	key->KeyCode = KEY_KEY_C;
	hxtest::giveList(key, &CVeskAnimatorOnKeyPress::setActions, { clonesCurrent() });
	timer->IntervalMs = 0;
	frameAt(400);
	post(hxtest::keyEvent(KEY_KEY_C, true));
	EXPECT_EQ(root->getChildren().getSize(), 2u);
	frameAt(450);
	post(hxtest::keyEvent(KEY_KEY_C, true));
	EXPECT_EQ(root->getChildren().getSize(), 4u);
}
