// What the visitor can do in the courtyard: hide a crate, light up pillars, count clicks
// that survive a restart, copy crates with C, watch a swinging crate, and step through the
// glowing pedestal into the gallery.
#include "demoActions.h"
#include "demoMeshes.h"
#include "demoNodes.h"
#include "demoScenes.h"
#include "demoTextures.h"

#include "actions/CHXActionChangeSceneNodePosition.h"
#include "actions/CHXActionCloneSceneNode.h"
#include "actions/CHXActionHandler.h"
#include "document/CVeskDocument.h"
#include "scene/CVesk3DScene.h"
#include "scene/CVeskDummyTransformationSceneNode.h"
#include "scene/CVeskMeshSceneNode.h"

using namespace irr;

namespace
{

//! A copy of crate 21 set down somewhere in the open ground before the camera.
IHXAction* makeScatteredCopyAction()
{
	CHXActionChangeSceneNodePosition* scatter = new CHXActionChangeSceneNodePosition();
	scatter->Mode = CHXActionChangeSceneNodePosition::EM_RANDOM_IN_AREA;
	scatter->Target.UseCurrentNode = true;
	scatter->Vector.set(-14, 0, -12);
	scatter->MaxPosition.set(14, 0, -4);
	CHXActionCloneSceneNode* copy = static_cast<CHXActionCloneSceneNode*>(makeCloneAction(21));
	CHXActionHandler* placing = makeList({ scatter });
	copy->setActions(placing);
	placing->drop();
	return copy;
}

void addSwingingCrate(scene::ISceneManager* sceneManager, scene::SMesh* crate)
{
	CVeskDummyTransformationSceneNode* arm = new CVeskDummyTransformationSceneNode(sceneManager->getRootSceneNode(),
		sceneManager, 60, core::vector3df(6, 0, -46));
	arm->setName("swing arm");
	CVeskMeshSceneNode* swinging = new CVeskMeshSceneNode(arm, sceneManager, 61, core::vector3df(3, 0, 0));
	swinging->setName("swinging crate");
	swinging->setOwnMesh(crate);
	swinging->drop();
	// Half a turn every second and a half carries the crate from one side to the other. It
	// swings behind the start view, which stays still until the visitor moves.
	addTimerTrigger(arm, 1500, makeList({ makeTurnAction(-1, core::vector3df(0, 180, 0)) }));
	arm->drop();
}

} // end anonymous namespace

void addCourtyardInteractions(CVeskDocument* document, CVesk3DScene* scene, const SDemoSharedTextures& shared,
	video::ITexture* brick, scene::SMesh* crate)
{
	video::IVideoDriver* driver = document->getDevice()->getVideoDriver();
	scene::ISceneManager* sceneManager = scene->getSceneManager();

	addClickTrigger(sceneManager->getSceneNodeFromId(20), makeList({ makeHideAction(-1) }));

	video::ITexture* lit = embedTexture(document, "#courtyard-brick-lit.png",
		createCheckerImage(driver, video::SColor(255, 255, 200, 90), video::SColor(255, 200, 120, 40), 4));
	for (s32 id = 10; id < 15; ++id)
		addHoverTrigger(sceneManager->getSceneNodeFromId(id), makeList({ makeTextureAction(-1, lit) }),
			makeList({ makeTextureAction(-1, brick) }));

	// The counter is kept across runs and shown in a panel.
	const char* counterText = "Kept across runs: $clicks$ crate clicks, $visits$ gallery visits";
	addTextPanel(sceneManager, document->getDevice(), 70, "counters", core::recti(12, 12, 392, 40), counterText);
	addTextPanel(sceneManager, document->getDevice(), 71, "hint", core::recti(12, 48, 392, 76),
		"Walk with the arrow keys, look with the mouse");
	addClickTrigger(sceneManager->getSceneNodeFromId(23),
		makeList({ makeAddAction("clicks", "1"), makeStoreAction("clicks", false), makeOverlayTextAction(70, counterText) }));
	addFirstFrameTrigger(sceneManager->getSceneNodeFromId(1),
		makeList({ makeStoreAction("clicks", true), makeStoreAction("visits", true), makeOverlayTextAction(70, counterText) }));

	addKeyTrigger(sceneManager->getSceneNodeFromId(24), KEY_KEY_C, makeList({ makeScatteredCopyAction() }));
	addSwingingCrate(sceneManager, crate);

	// The pedestal stands where the camera looks at the start.
	scene::SMesh* pedestal = createBoxMesh(core::vector3df(1.2f, 2.f, 1.2f), 2.4f);
	setMeshTexture(pedestal, shared.Glow);
	addMeshNode(sceneManager, 62, "pedestal", pedestal, core::vector3df(-2, 0, 6));
	pedestal->drop();
	scene::ISceneNode* pedestalNode = sceneManager->getSceneNodeFromId(62);
	pedestalNode->getMaterial(0).EmissiveColor.set(255, 255, 220, 160);
	addClickTrigger(pedestalNode, makeList({ makeAddAction("visits", "1"), makeStoreAction("visits", false),
		makeOverlayTextAction(70, counterText), makeSwitchAction("Gallery") }));
}
