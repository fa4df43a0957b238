// The player as behaviours, actions and scripts drive it: scene switching, reloading, the
// pending camera, the console lines and the variables. The published executable asks for the
// null driver, so no window is needed.
#include "actions/CHXPersistentVariableStore.h"
#include "document/CVeskDocument.h"
#include "document/SPublishedTrailer.h"
#include "document/veskTypeCodes.h"
#include "player/CDebugConsole.h"
#include "player/CEdrixServices.h"
#include "player/CPlayer.h"
#include "render/veskSceneManager.h"
#include "scene/CVesk3DScene.h"
#include "scene/CVeskCameraSceneNode.h"
#include "tests/support/playerTestSupport.h"
#include "tests/support/testSupport.h"
#include "tests/support/veskTestDocuments.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace irr;

namespace
{

u32 countCameras(scene::ISceneManager* manager)
{
	core::array<scene::ISceneNode*> nodes;
	manager->getSceneNodesFromType(scene::ESCENE_NODE_TYPE(VESK_NODE_CAMERA), nodes);
	return nodes.size();
}

class PlayerControl : public ::testing::Test
{
protected:
	void SetUp() override
	{
		Path = hxtest::publishTwoScenes(Folder);
		Player = hxtest::startPlayer(Path, true);
		ASSERT_NE(Player->getDevice(), nullptr);
		ASSERT_NE(Player->getDocument(), nullptr);
		ASSERT_EQ(Player->getDocument()->getSceneCount(), 2);
	}
	void TearDown() override { delete Player; }

	CVeskScene* scene(int i) { return Player->getDocument()->getScene(i); }
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

TEST_F(PlayerControl, StartSceneGetsADefaultCameraAtItsDefaultPlace)
{
	scene::ISceneManager* hall = scene(0)->getSceneManager();
	EXPECT_EQ(Player->getCurrentSceneManager(), hall);
	ASSERT_NE(hall->getActiveCamera(), nullptr);
	EXPECT_EQ(hall->getActiveCamera()->getPosition(), core::vector3df(1, 2, 3));
	EXPECT_EQ(hall->getActiveCamera()->getTarget(), core::vector3df(0, 0, 50));
	EXPECT_EQ(getEdrixServices()->getControlInterface(), static_cast<IHXControlInterface*>(Player));
	EXPECT_EQ(getEdrixServices()->getDocument(), Player->getDocument());
	EXPECT_NE(Player->getLastCaption().find(L"Control Test"), -1);
	EXPECT_NE(Player->getLastCaption().find(L" - Testing. Press ESCAPE to close"), -1);
}

TEST_F(PlayerControl, SwitchingBackAndForthKeepsEachScene)
{
	scene::ISceneManager* hall = scene(0)->getSceneManager();
	scene::ISceneNode* marker = hall->addEmptySceneNode();
	marker->setPosition(core::vector3df(5, 0, 0));
	Player->switchToScene("Yard");
	EXPECT_EQ(Player->getCurrentSceneManager(), scene(1)->getSceneManager());
	EXPECT_EQ(countCameras(scene(1)->getSceneManager()), 1u);
	Player->switchToScene("Hall");
	EXPECT_EQ(Player->getCurrentSceneManager(), hall);
	EXPECT_EQ(countCameras(hall), 1u);
	EXPECT_EQ(marker->getPosition(), core::vector3df(5, 0, 0));
}

TEST_F(PlayerControl, SceneNamesMatchExactlyAndMissingOnesAreReportedOnce)
{
	Player->switchToScene("yard");
	EXPECT_EQ(Player->getCurrentSceneManager(), scene(0)->getSceneManager());
	EXPECT_EQ(lastConsoleLine(), L"The scene does not exist: yard");
	const u32 lines = Player->getDebugConsole()->getListBox()->getItemCount();
	Player->reloadScene("yard");
	EXPECT_EQ(Player->getDebugConsole()->getListBox()->getItemCount(), lines);
	Player->switchToScene(0);
	EXPECT_EQ(Player->getCurrentSceneManager(), scene(0)->getSceneManager());
}

TEST_F(PlayerControl, ReloadingTheCurrentSceneRebuildsIt)
{
	scene::ISceneManager* before = scene(0)->getSceneManager();
	before->addEmptySceneNode()->setName("added at run time");
	Player->reloadScene("Hall");
	scene::ISceneManager* after = scene(0)->getSceneManager();
	EXPECT_NE(after, before);
	EXPECT_EQ(Player->getCurrentSceneManager(), after);
	EXPECT_EQ(after->getSceneNodeFromName("added at run time"), nullptr);
	EXPECT_TRUE(after->getParameters()->getAttributeAsBool("IRR_Reloaded"));
	EXPECT_EQ(countCameras(after), 1u);

	// Another scene is rebuilt without becoming current.
	scene::ISceneManager* yardBefore = scene(1)->getSceneManager();
	Player->reloadScene("Yard");
	EXPECT_NE(scene(1)->getSceneManager(), yardBefore);
	EXPECT_EQ(Player->getCurrentSceneManager(), after);
}

TEST_F(PlayerControl, PendingCameraWaitsUntilItIsInTheScene)
{
	scene::ISceneManager* hall = scene(0)->getSceneManager();
	scene::ICameraSceneNode* first = hall->getActiveCamera();
	CVeskCameraSceneNode* second = new CVeskCameraSceneNode(hall->getRootSceneNode(), hall, 7);
	Player->setActiveCamera(second);
	EXPECT_EQ(hall->getActiveCamera(), first); // only at the end of a frame
	second->remove();
	second->drop();
	Player->drawFrame();
	EXPECT_EQ(hall->getActiveCamera(), first);
	EXPECT_EQ(Player->getPendingCamera(), second); // still pending, and still alive

	CVeskCameraSceneNode* third = new CVeskCameraSceneNode(hall->getRootSceneNode(), hall, 8);
	Player->setActiveCamera(third);
	Player->drawFrame();
	EXPECT_EQ(hall->getActiveCamera(), third);
	EXPECT_EQ(Player->getPendingCamera(), nullptr);
	third->drop();
}

TEST_F(PlayerControl, VariablesIgnoreCaseAndBoundNamesReadFresh)
{
	IHXVariable* score = Player->getVariable("Score", true);
	score->setValueAsInt(4);
	IHXVariable* again = Player->getVariable("SCORE", false);
	EXPECT_EQ(again, score);
	again->drop();
	score->drop();
	EXPECT_EQ(Player->getVariable("missing", false), nullptr);

	scene(0)->getSceneManager()->addEmptySceneNode()->setName("Enemy");
	IHXVariable* health = Player->getVariable("#Enemy.health", false);
	ASSERT_NE(health, nullptr);
	EXPECT_EQ(health->getValueAsInt(), 0);
	health->setValueAsInt(50);
	Player->variableChanged(health);
	health->drop();
	IHXVariable* fresh = Player->getVariable("#Enemy.health", false);
	EXPECT_EQ(fresh->getValueAsInt(), 0);
	fresh->drop();
	EXPECT_NE(Player->getVariable("#system.soundvolume", false), nullptr);

	// The default camera walks with a first-person behaviour: its speed is bound.
	scene::ICameraSceneNode* camera = scene(0)->getSceneManager()->getActiveCamera();
	camera->setName("Eye");
	IHXVariable* speed = Player->getVariable("#Eye.movementspeed", false);
	ASSERT_NE(speed, nullptr);
	EXPECT_FLOAT_EQ(speed->getValueAsFloat(), 0.1f);
	speed->setValueAsFloat(0.5f);
	Player->variableChanged(speed);
	speed->drop();
	speed = Player->getVariable("#Eye.movementspeed", false);
	EXPECT_FLOAT_EQ(speed->getValueAsFloat(), 0.5f);
	speed->drop();
	EXPECT_EQ(Player->getVariable("#Nobody.health", false), nullptr);
	EXPECT_EQ(Player->getVariable("#Enemy.", false), nullptr);
}

TEST(PlayerStore, StoredVariableSurvivesARestart)
{
	hxtest::TempFolder folder;
	setenv("XDG_DATA_HOME", folder.path().c_str(), 1);
	const std::string path = hxtest::publishTwoScenes(folder);
	{
		CPlayer* player = hxtest::startPlayer(path, false);
		IHXVariable* counter = player->getVariable("counter", true);
		counter->setValueAsInt(41);
		player->storeOrLoadVariable(counter, false);
		counter->drop();
		delete player;
	}
	{
		CPlayer* player = hxtest::startPlayer(path, false);
		IHXVariable* counter = player->getVariable("counter", true);
		EXPECT_EQ(counter->getValueAsInt(), 0);
		player->storeOrLoadVariable(counter, true);
		EXPECT_EQ(counter->getValueAsInt(), 41);
		counter->drop();
		delete player;
	}
	EXPECT_FALSE(hxtest::readWholeFile(folder.path() + "/Helixpane/.Control_Test").empty());
	unsetenv("XDG_DATA_HOME");
}

TEST(PlayerScriptFile, UnreadableScriptFileIsReportedAndReadableOneReplacesTheScript)
{
	hxtest::TempFolder folder;
	const std::string path = hxtest::publishTwoScenes(folder);
	CPlayer* player = hxtest::startPlayer(path, true, "/nonexistent/start.js");
	gui::IGUIListBox* box = player->getDebugConsole()->getListBox();
	EXPECT_STREQ(box->getListItem(box->getItemCount() - 1), L"Warning: could not open script file /nonexistent/start.js");
	delete player;
	const std::string script = folder.file("start.js");
	hxtest::writeWholeFile(script, { 'x', '=', '1', ';' });
	player = hxtest::startPlayer(path, false, script.c_str());
	EXPECT_STREQ(player->getDocument()->getScriptText().c_str(), "x=1;");
	EXPECT_EQ(player->getDebugConsole(), nullptr);
	delete player;
}

TEST_F(PlayerControl, SwitchingToAnotherDocumentFileKeepsTheVariables)
{
	IHXVariable* kept = Player->getVariable("kept", true);
	kept->setValueAsInt(3);
	kept->drop();
	Player->getCurrentSceneManager()->addEmptySceneNode()->setName("marker of the first document");

	Player->switchToDocumentFile("/nonexistent/other.vesk");
	EXPECT_NE(Player->getCurrentSceneManager()->getSceneNodeFromName("marker of the first document"), nullptr);

	// The published executable's document, as a file of its own.
	const std::vector<u8> executable = hxtest::readWholeFile(Path);
	SPublishedTrailer trailer;
	trailer.fromBytes(executable.data() + executable.size() - SPublishedTrailer::BYTE_SIZE);
	const std::string other = Folder.file("other.vesk");
	hxtest::writeWholeFile(other, std::vector<u8>(executable.begin() + trailer.documentOffset,
		executable.begin() + trailer.documentOffset + trailer.documentSize));

	Player->switchToDocumentFile(other.c_str());
	ASSERT_NE(Player->getDocument(), nullptr);
	EXPECT_EQ(Player->getCurrentSceneManager()->getSceneNodeFromName("marker of the first document"), nullptr);
	EXPECT_EQ(getEdrixServices()->getDocument(), Player->getDocument());
	EXPECT_EQ(Player->getCurrentSceneManager(), Player->getDocument()->getScene(0)->getSceneManager());
	ASSERT_NE(Player->getCurrentSceneManager()->getActiveCamera(), nullptr);
	IHXVariable* still = Player->getVariable("kept", false);
	ASSERT_NE(still, nullptr);
	EXPECT_EQ(still->getValueAsInt(), 3);
	still->drop();
}
