#include "demoMeshes.h"
#include "demoActions.h"
#include "behaviours/CVeskAnimatorCameraModelViewer.h"
#include "demoNodes.h"
#include "demoScenes.h"
#include "demoTextures.h"

#include "document/CVeskDocument.h"
#include "scene/CVesk3DScene.h"

using namespace irr;

void addGalleryScene(CVeskDocument* document, const SDemoSharedTextures& shared)
{
	video::IVideoDriver* driver = document->getDevice()->getVideoDriver();
	CVesk3DScene* scene = createDemoScene(document->getDevice(), "Gallery", video::SColor(255, 40, 36, 52),
		video::SColorf(0.06f, 0.06f, 0.07f, 1.f));
	scene::ISceneManager* sceneManager = scene->getSceneManager();

	scene::SMesh* floor = createGroundMesh(240.f, 60, 40.f);
	setMeshTexture(floor, embedTexture(document, "#gallery-floor.png",
		createCheckerImage(driver, video::SColor(255, 40, 40, 48), video::SColor(255, 210, 206, 196), 2)));
	addMeshNode(sceneManager, 1, "floor", floor, core::vector3df(0, 0, 0));
	floor->drop();

	scene::SMesh* pillar = createBoxMesh(core::vector3df(1.f, 5.f, 1.f), 2.f);
	setMeshTexture(pillar, embedTexture(document, "#gallery-marble.png", createMarbleImage(driver)));
	const s32 pillarCount = 8;
	for (s32 i = 0; i < pillarCount; ++i)
	{
		const f32 angle = core::PI * 2.f * f32(i) / f32(pillarCount);
		addMeshNode(sceneManager, 10 + i, "pillar", pillar, core::vector3df(14.f * sinf(angle), 0, 14.f * cosf(angle)),
			angle * core::RADTODEG);
	}
	pillar->drop();

	scene::SMesh* plinth = createBoxMesh(core::vector3df(2.5f, 1.f, 2.5f), 5.f);
	setMeshTexture(plinth, embedTexture(document, "#gallery-plinth.png",
		createCheckerImage(driver, video::SColor(255, 120, 40, 40), video::SColor(255, 170, 70, 60), 4)));
	addMeshNode(sceneManager, 20, "plinth", plinth, core::vector3df(0, 0, 0), 45.f);
	// A click on the plinth leads back to the courtyard.
	addClickTrigger(sceneManager->getSceneNodeFromId(20), makeList({ makeSwitchAction("Courtyard") }));
	plinth->drop();

	addSkyBox(sceneManager, 30, shared.Sky);
	addDirectionalLight(sceneManager, 40, core::vector3df(0.5f, -0.8f, 0.3f), video::SColorf(0.12f, 0.12f, 0.14f, 1.f));
	const core::vector3df lamp(0.f, 6.f, 0.f);
	addPointLight(sceneManager, 41, lamp, video::SColorf(0.14f, 0.15f, 0.18f, 1.f), 12.f);
	addGlow(sceneManager, 42, lamp, 4.f, shared.Glow);
	// Dragging with the left button orbits the plinth.
	scene::ICameraSceneNode* camera = addActiveCamera(scene, 50, core::vector3df(0, 12, -32), core::vector3df(0, 2, 0));
	scene::CVeskAnimatorCameraModelViewer* orbiting = new scene::CVeskAnimatorCameraModelViewer(0, 0);
	orbiting->setRadius(core::vector3df(0, 12, -32).getDistanceFrom(core::vector3df(0, 2, 0)));
	camera->addAnimator(orbiting);
	orbiting->drop();

	document->addScene(scene);
	scene->drop();
}
