// The set-overlay-text action, with variable values put into the text, through a real player.
#include "actions/CHXActionSetOverlayText.h"
#include "actions/IHXVariable.h"
#include "document/CVeskDocument.h"
#include "player/CPlayer.h"
#include "scene/CVesk2DOverlayNode.h"
#include "scene/CVeskScene.h"
#include "tests/support/playerTestSupport.h"
#include "tests/support/testSupport.h"

#include <gtest/gtest.h>

using namespace irr;

namespace
{

class OverlayTextAction : public ::testing::Test
{
protected:
	void SetUp() override
	{
		Player = hxtest::startPlayer(hxtest::publishTwoScenes(Folder), false);
		Manager = Player->getCurrentSceneManager();
		Overlay = new CVesk2DOverlayNode(Manager->getRootSceneNode(), Manager, 20, Manager->getGUIEnvironment(),
			Player->getDevice()->getCursorControl());
		setVariable("a", "1");
		setVariable("score", "42");
	}
	void TearDown() override
	{
		Overlay->drop();
		delete Player;
	}
	void setVariable(const char* name, const char* value)
	{
		IHXVariable* variable = Player->getVariable(name, true);
		variable->setValueAsString(value);
		variable->drop();
	}
	std::string run(const char* text, s32 targetId = 20)
	{
		CHXActionSetOverlayText action;
		action.Target.NodeId = targetId;
		action.Text = text;
		action.execute(0, Manager);
		return Overlay->getText().c_str();
	}

	hxtest::TempFolder Folder;
	CPlayer* Player = nullptr;
	scene::ISceneManager* Manager = nullptr;
	CVesk2DOverlayNode* Overlay = nullptr;
};

} // end anonymous namespace

TEST_F(OverlayTextAction, VariablesAreSubstituted)
{
	struct Case { const char* text; const char* shown; };
	const Case cases[] = {
		{ "plain", "plain" },
		{ "Score: $score$", "Score: 42" },
		{ "$a$ $a$", "1 1" },
		{ "$a$$a$", "1$a$" },         // the search resumes one character after an inserted value
		{ "$missing$a$", "$missing1" }, // an unknown name lets its closing sign open the next pair
		{ "$$", "$$" },
		{ "ends with $", "ends with $" },
		{ "$SCORE$", "42" },            // variable names ignore case
	};
	for (const Case& c : cases)
		EXPECT_EQ(run(c.text), c.shown) << c.text;
}

TEST_F(OverlayTextAction, OnlyOverlayNodesTakeText)
{
	run("before");
	EXPECT_EQ(run("after", 999), "before"); // no such node: nothing changes
	scene::ISceneNode* other = Manager->addEmptySceneNode(0, 21);
	CHXActionSetOverlayText action;
	action.Target.NodeId = 21;
	action.Text = "x";
	action.execute(0, Manager);
	EXPECT_EQ(std::string(Overlay->getText().c_str()), "before");
	other->remove();
}
