// A click travels from the player's event entry through the scene's event list to an
// on-click behaviour whose list switches the scene.
#include "actions/CHXActionHandler.h"
#include "actions/CHXActionSwitchToScene.h"
#include "behaviours/CVeskAnimatorOnClick.h"
#include "document/CVeskDocument.h"
#include "player/CPlayer.h"
#include "scene/CVesk3DScene.h"
#include "scene/CVeskMeshSceneNode.h"
#include "tests/support/behaviourFixtures.h"
#include "tests/support/playerTestSupport.h"
#include "tests/support/testSupport.h"

#include <gtest/gtest.h>

using namespace irr;

namespace
{

//! A cube where the hall's default camera looks, whose click switches to the yard.
void addSwitchingCube(CVesk3DScene* hall)
{
	scene::ISceneManager* manager = hall->getSceneManager();
	CVeskMeshSceneNode* node = new CVeskMeshSceneNode(manager->getRootSceneNode(), manager, 5, core::vector3df(0, 0, 50));
	scene::IMesh* cube = manager->getGeometryCreator()->createCubeMesh(core::vector3df(10, 10, 10));
	scene::SMesh* mesh = new scene::SMesh();
	mesh->addMeshBuffer(cube->getMeshBuffer(0));
	mesh->recalculateBoundingBox();
	cube->drop();
	node->setOwnMesh(mesh);
	mesh->drop();
	node->setCollision(true);

	scene::CVeskAnimatorOnClick* click = new scene::CVeskAnimatorOnClick(manager);
	CHXActionSwitchToScene* toYard = new CHXActionSwitchToScene();
	toYard->SceneName = "Yard";
	CHXActionHandler* list = new CHXActionHandler(0);
	list->addAction(toYard);
	toYard->drop();
	click->setActions(list);
	list->drop();
	node->addAnimator(click);
	click->drop();
	node->drop();
}

SEvent clickAt(const core::position2di& pixel, EMOUSE_INPUT_EVENT kind)
{
	SEvent event = hxtest::mouseEvent(kind);
	event.MouseInput.X = pixel.X;
	event.MouseInput.Y = pixel.Y;
	return event;
}

} // end anonymous namespace

TEST(RoadOfAClick, AClickOnTheCubeSwitchesTheSceneAndOneBesideItDoesNot)
{
	hxtest::TempFolder folder;
	CPlayer* player = hxtest::startPlayer(hxtest::publishTwoScenes(folder, addSwitchingCube), false);
	ASSERT_NE(player->getDocument(), nullptr);
	scene::ISceneManager* hall = player->getDocument()->getScene(0)->getSceneManager();
	scene::ISceneManager* yard = player->getDocument()->getScene(1)->getSceneManager();
	ASSERT_EQ(player->getCurrentSceneManager(), hall);
	player->drawFrame();

	scene::ISceneNode* cube = hall->getSceneNodeFromId(5);
	ASSERT_NE(cube, nullptr);
	const core::position2di onCube = hall->getSceneCollisionManager()->getScreenCoordinatesFrom3DPosition(
		cube->getAbsolutePosition(), hall->getActiveCamera());
	const core::position2di beside(1, 1);
	player->OnEvent(clickAt(beside, EMIE_LMOUSE_PRESSED_DOWN));
	player->OnEvent(clickAt(beside, EMIE_LMOUSE_LEFT_UP));
	player->drawFrame();
	EXPECT_EQ(player->getCurrentSceneManager(), hall);

	player->OnEvent(clickAt(onCube, EMIE_LMOUSE_PRESSED_DOWN));
	player->OnEvent(clickAt(onCube, EMIE_LMOUSE_LEFT_UP));
	EXPECT_EQ(player->getCurrentSceneManager(), yard);
	player->drawFrame();
	delete player;
}
