// The actions that reach the player, run against a real player over a small published
// document: variables, the persistent store, scene switching and reloading, quitting and the
// active camera.
#include "actions/CHXActionChangeSceneNodePosition.h"
#include "actions/CHXActionHandler.h"
#include "actions/CHXActionIf.h"
#include "actions/CHXActionReloadScene.h"
#include "actions/CHXActionSetActiveCamera.h"
#include "actions/CHXActionSetOrChangeAVariable.h"
#include "actions/CHXActionStoreLoadVariable.h"
#include "actions/CHXActionSwitchToScene.h"
#include "actions/CHXPersistentVariableStore.h"
#include "actions/IHXVariable.h"
#include "document/CVeskDocument.h"
#include "document/CVeskSerializer.h"
#include "document/veskTypeCodes.h"
#include "player/CDebugConsole.h"
#include "player/CPlayer.h"
#include "scene/CVeskCameraSceneNode.h"
#include "scene/CVeskScene.h"
#include "tests/support/actionTestSupport.h"
#include "tests/support/playerTestSupport.h"
#include "tests/support/testSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

using namespace irr;

namespace
{

CHXActionSetOrChangeAVariable* change(const char* name, s32 operation, s32 valueType, const char* value)
{
	CHXActionSetOrChangeAVariable* action = new CHXActionSetOrChangeAVariable();
	action->VariableName = name;
	action->Operation = operation;
	action->ValueType = valueType;
	action->Value = value;
	return action;
}

class PlayerActions : public ::testing::Test
{
protected:
	void SetUp() override
	{
		setenv("XDG_DATA_HOME", Folder.path().c_str(), 1);
		Path = hxtest::publishTwoScenes(Folder);
		Player = hxtest::startPlayer(Path, true);
		ASSERT_NE(Player->getDocument(), nullptr);
	}
	void TearDown() override
	{
		delete Player;
		unsetenv("XDG_DATA_HOME");
	}

	scene::ISceneManager* hall() { return Player->getDocument()->getScene(0)->getSceneManager(); }
	scene::ISceneManager* yard() { return Player->getDocument()->getScene(1)->getSceneManager(); }

	//! Runs the action alone from the root of the current scene.
	void run(IHXAction* action)
	{
		CHXActionHandler* list = hxtest::listOf(action);
		action->drop();
		scene::ISceneManager* manager = Player->getCurrentSceneManager();
		list->runActions(manager->getRootSceneNode(), manager);
		list->drop();
	}

	//! The variable's type letter (s, i, f) and its text; "-" when it does not exist.
	std::string show(const char* name)
	{
		IHXVariable* variable = Player->getVariable(name, false);
		if (!variable)
			return "-";
		const std::string type = variable->isString() ? "s" : variable->isInt() ? "i" : "f";
		const std::string text = type + ":" + variable->getValueAsString();
		variable->drop();
		return text;
	}

	void setString(const char* name, const char* value) { run(change(name, 0, 0, value)); }
	void setNumber(const char* name, f32 value)
	{
		IHXVariable* variable = Player->getVariable(name, true);
		variable->setValueAsFloat(value);
		variable->drop();
	}
	void setInt(const char* name, s32 value)
	{
		IHXVariable* variable = Player->getVariable(name, true);
		variable->setValueAsInt(value);
		variable->drop();
	}

	std::wstring lastConsoleLine()
	{
		gui::IGUIListBox* box = Player->getDebugConsole()->getListBox();
		return box->getItemCount() ? box->getListItem(box->getItemCount() - 1) : L"";
	}

	hxtest::TempFolder Folder;
	std::string Path;
	CPlayer* Player = nullptr;
};

} // end anonymous namespace

TEST_F(PlayerActions, SetOrChangeAVariable)
{
	struct SStep
	{
		const char* what;
		const char* name;
		s32 operation, valueType;
		const char* value;
		const char* shown;
	};
	// Each step builds on the ones before it.
	const SStep steps[] = {
		{ "add to a missing variable creates it", "score", 1, 0, "5", "f:5" },
		{ "a constant makes a string", "score", 0, 0, "5", "s:5" },
		{ "adding 0 makes the float 5", "score", 1, 0, "0", "f:5" },
		{ "subtract", "score", 2, 0, "1.5", "f:3.500000" },
		{ "multiply", "score", 5, 0, "2", "f:7" },
		{ "divide", "score", 3, 0, "2", "f:3.500000" },
		{ "multiply integer truncates", "score", 6, 0, "3", "i:10" },
		{ "divide integer truncates", "score", 4, 0, "3", "i:3" },
		{ "a variable as operand", "score", 1, 1, "zero", "f:3" },
		{ "divide by a variable holding 0", "score", 3, 1, "zero", "f:0" },
		{ "divide integer by 0", "score", 4, 1, "zero", "i:0" },
		{ "set copies the other's type", "score", 0, 1, "zero", "i:0" },
		{ "a missing operand changes nothing", "score", 1, 1, "nobody", "i:0" },
		{ "an unknown operation changes nothing", "score", 9, 0, "4", "i:0" },
		{ "names ignore case", "SCORE", 1, 0, "2", "f:2" },
	};
	setInt("zero", 0);
	for (const SStep& step : steps)
	{
		run(change(step.name, step.operation, step.valueType, step.value));
		EXPECT_EQ(show("score"), step.shown) << step.what;
	}
	EXPECT_EQ(show("nobody"), "-");
	run(change("", 0, 0, "1"));
	EXPECT_EQ(show(""), "-");
}

namespace
{

//! An if-action on variableName whose lists set "branch" to "then" or "else".
CHXActionIf* condition(const char* variableName, s32 condition, s32 valueType, const char* value)
{
	CHXActionIf* action = new CHXActionIf();
	action->VariableName = variableName;
	action->Condition = condition;
	action->ValueType = valueType;
	action->Value = value;
	IHXAction* setThen = change("branch", 0, 0, "then");
	IHXAction* setElse = change("branch", 0, 0, "else");
	CHXActionHandler* thenList = hxtest::listOf(setThen);
	CHXActionHandler* elseList = hxtest::listOf(setElse);
	action->setThenActions(thenList);
	action->setElseActions(elseList);
	thenList->drop();
	elseList->drop();
	setThen->drop();
	setElse->drop();
	return action;
}

} // end anonymous namespace

TEST_F(PlayerActions, IfComparesTextsOrNumbers)
{
	struct SCase
	{
		const char* what;
		const char* variable;
		std::function<void()> prepare;
		s32 condition, valueType;
		const char* value;
		const char* branch;
	};
	const SCase cases[] = {
		{ "integer 10 = 10", "score", [&] { setInt("score", 10); }, 0, 0, "10", "then" },
		{ "float 10.0000005 = 10", "score", [&] { setNumber("score", 10.0000005f); }, 0, 0, "10", "then" },
		{ "string 10 = 10", "score", [&] { setString("score", "10"); }, 0, 0, "10", "then" },
		{ "string 10.0 = 10", "score", [&] { setString("score", "10.0"); }, 0, 0, "10", "else" },
		{ "string 10.0 <> 10", "score", [&] { setString("score", "10.0"); }, 1, 0, "10", "then" },
		{ "integer 10 <> 10", "score", [&] { setInt("score", 10); }, 1, 0, "10", "else" },
		{ "text abc counts as 0 for >", "score", [&] { setString("score", "abc"); }, 2, 0, "-1", "then" },
		{ "integer 3 < 4", "score", [&] { setInt("score", 3); }, 3, 0, "4", "then" },
		{ "integer 3 > variable 4", "score", [&] { setInt("score", 3); setInt("limit", 4); }, 2, 1, "limit", "else" },
		{ "unknown condition is false", "score", [&] { setInt("score", 3); }, 9, 0, "3", "else" },
		{ "a missing variable is created as 0", "fresh", [] {}, 0, 0, "0", "then" },
	};
	for (const SCase& c : cases)
	{
		setString("branch", "none");
		c.prepare();
		run(condition(c.variable, c.condition, c.valueType, c.value));
		EXPECT_EQ(show("branch"), std::string("s:") + c.branch) << c.what;
	}
	EXPECT_EQ(show("fresh"), "i:0");

	// A missing second variable runs neither list.
	setString("branch", "none");
	run(condition("score", 0, 1, "nobody"));
	EXPECT_EQ(show("branch"), "s:none");
}

TEST_F(PlayerActions, IfWithoutElseInTheRecordRunsNothingWhenFalse)
{
	// Format 0: the then-list is followed directly by the next action.
	const std::vector<u8> record = hxtest::actionListBytes([](CVeskSerializer* w) {
		hxtest::writeActionChunk(w, EHAT_IF, [](CVeskSerializer* w) {
			w->writeInt(0); w->writeString("score"); w->writeInt(0); w->writeInt(0); w->writeString("1");
			w->writeInt(1);
			w->beginChunk(29);
			hxtest::writeActionChunk(w, EHAT_SET_OR_CHANGE_A_VARIABLE, [](CVeskSerializer* w) {
				w->writeInt(0); w->writeString("branch"); w->writeInt(0); w->writeInt(0); w->writeString("then");
			});
			w->endChunk();
		});
		hxtest::writeActionChunk(w, EHAT_SET_OR_CHANGE_A_VARIABLE, [](CVeskSerializer* w) {
			w->writeInt(0); w->writeString("after"); w->writeInt(0); w->writeInt(0); w->writeString("yes");
		});
	});
	CHXActionHandler* list = hxtest::readActionList(Player->getDevice(), record);
	ASSERT_EQ(list->getActionCount(), 2);
	EXPECT_EQ(static_cast<CHXActionIf*>(list->getAction(0))->getElseActions(), nullptr);
	scene::ISceneManager* manager = Player->getCurrentSceneManager();
	setInt("score", 2);
	list->runActions(manager->getRootSceneNode(), manager);
	EXPECT_EQ(show("branch"), "-");
	EXPECT_EQ(show("after"), "s:yes");
	setInt("score", 1);
	list->runActions(manager->getRootSceneNode(), manager);
	EXPECT_EQ(show("branch"), "s:then");
	list->drop();
}

TEST_F(PlayerActions, StoredValuesComeBackAsText)
{
	setNumber("score", 3.5f);
	CHXActionStoreLoadVariable* store = new CHXActionStoreLoadVariable();
	store->VariableName = "score";
	store->Load = false;
	run(store);
	CHXActionStoreLoadVariable* storeMissing = new CHXActionStoreLoadVariable();
	storeMissing->VariableName = "nobody";
	storeMissing->Load = false;
	run(storeMissing);
	EXPECT_EQ(show("nobody"), "-");

	const std::vector<u8> file = hxtest::readWholeFile(Folder.path() + "/Helixpane/.Control_Test");
	const std::map<std::string, std::string> entries =
		CHXPersistentVariableStore::decode(std::string(file.begin(), file.end()));
	EXPECT_EQ(entries, (std::map<std::string, std::string>{ { "score", "3.500000" } }));

	// Loading creates the variable and gives it the stored text.
	CHXActionStoreLoadVariable* load = new CHXActionStoreLoadVariable();
	load->VariableName = "Score";
	run(load);
	EXPECT_EQ(show("score"), "s:3.500000");
	CHXActionStoreLoadVariable* loadMissing = new CHXActionStoreLoadVariable();
	loadMissing->VariableName = "neverStored";
	run(loadMissing);
	EXPECT_EQ(show("neverStored"), "i:0");

	const struct
	{
		s32 condition;
		const char* value;
		const char* branch;
	} comparisons[] = { { 0, "3.500000", "then" }, { 0, "3.5", "else" }, { 2, "3.4", "then" }, { 3, "3.4", "else" } };
	for (const auto& c : comparisons)
	{
		run(condition("score", c.condition, 0, c.value));
		EXPECT_EQ(show("branch"), std::string("s:") + c.branch) << c.condition << " " << c.value;
	}
}

TEST_F(PlayerActions, SwitchingScenesKeepsTheRunGoing)
{
	CHXActionSwitchToScene* toYard = new CHXActionSwitchToScene();
	toYard->SceneName = "Yard";
	CHXActionHandler* list = hxtest::listOf(toYard);
	toYard->drop();
	IHXAction* after = change("after", 0, 0, "switch");
	list->addAction(after);
	after->drop();
	scene::ISceneNode* marker = hall()->addEmptySceneNode();
	list->runActions(marker, hall());
	list->drop();
	EXPECT_EQ(Player->getCurrentSceneManager(), yard());
	EXPECT_EQ(show("after"), "s:switch");

	CHXActionSwitchToScene* wrongCase = new CHXActionSwitchToScene();
	wrongCase->SceneName = "hall";
	run(wrongCase);
	EXPECT_EQ(Player->getCurrentSceneManager(), yard());
	EXPECT_EQ(lastConsoleLine(), L"The scene does not exist: hall");
}

TEST_F(PlayerActions, ReloadingTheSceneThatRunsTheListRebuildsItUnderTheRun)
{
	scene::ISceneManager* before = hall();
	scene::ISceneNode* marker = before->addEmptySceneNode(0, 31);
	CHXActionReloadScene* reload = new CHXActionReloadScene();
	reload->SceneName = "Hall";
	CHXActionHandler* list = hxtest::listOf(reload);
	reload->drop();
	// Runs on the node of the scene that is gone by then.
	CHXActionChangeSceneNodePosition* move = new CHXActionChangeSceneNodePosition();
	move->Target.UseCurrentNode = true;
	move->Vector.set(4, 4, 4);
	list->addAction(move);
	move->drop();
	list->runActions(marker, before);
	list->drop();
	EXPECT_NE(hall(), before);
	EXPECT_EQ(Player->getCurrentSceneManager(), hall());
	EXPECT_EQ(hall()->getSceneNodeFromId(31), nullptr);
	EXPECT_TRUE(hall()->getParameters()->getAttributeAsBool("IRR_Reloaded"));

	const u32 lines = Player->getDebugConsole()->getListBox()->getItemCount();
	run(new CHXActionReloadScene());
	EXPECT_EQ(Player->getDebugConsole()->getListBox()->getItemCount(), lines);
}

TEST_F(PlayerActions, QuitClosesTheDeviceTheListWasReadWith)
{
	const std::vector<u8> record = hxtest::actionListBytes([](CVeskSerializer* w) {
		hxtest::writeActionChunk(w, EHAT_QUIT_APPLICATION, [](CVeskSerializer* w) { w->writeInt(0); });
	});
	CHXActionHandler* withoutDevice = hxtest::readActionList(0, record);
	withoutDevice->runActions(hall()->getRootSceneNode(), hall());
	withoutDevice->drop();
	EXPECT_TRUE(Player->getDevice()->run());

	CHXActionHandler* list = hxtest::readActionList(Player->getDevice(), record);
	list->runActions(hall()->getRootSceneNode(), hall());
	list->drop();
	EXPECT_FALSE(Player->getDevice()->run());
}

TEST_F(PlayerActions, ActiveCameraWaitsForTheEndOfTheFrame)
{
	CVeskCameraSceneNode* camera = new CVeskCameraSceneNode(hall()->getRootSceneNode(), hall(), 30);
	camera->drop();
	scene::ICameraSceneNode* first = hall()->getActiveCamera();
	CHXActionSetActiveCamera* action = new CHXActionSetActiveCamera();
	action->CameraNodeId = 30;
	run(action);
	EXPECT_EQ(Player->getPendingCamera(), camera);
	EXPECT_EQ(hall()->getActiveCamera(), first);
	Player->drawFrame();
	EXPECT_EQ(hall()->getActiveCamera(), camera);

	// A node that is no camera is not offered.
	hall()->addEmptySceneNode(0, 32);
	CHXActionSetActiveCamera* notACamera = new CHXActionSetActiveCamera();
	notACamera->CameraNodeId = 32;
	run(notACamera);
	EXPECT_EQ(Player->getPendingCamera(), nullptr);
}
