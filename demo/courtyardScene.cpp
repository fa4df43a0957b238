#include "demoMeshes.h"
#include "behaviours/CVeskAnimatorCameraFPS.h"
#include "demoNodes.h"
#include "demoScenes.h"
#include "demoTextures.h"

#include "document/CVeskDocument.h"
#include "scene/CVesk3DScene.h"

using namespace irr;

void addCourtyardScene(CVeskDocument* document, const SDemoSharedTextures& shared)
{
	video::IVideoDriver* driver = document->getDevice()->getVideoDriver();
	CVesk3DScene* scene = createDemoScene(document->getDevice(), "Courtyard", video::SColor(255, 48, 70, 110),
		video::SColorf(0.07f, 0.07f, 0.08f, 1.f));
	scene::ISceneManager* sceneManager = scene->getSceneManager();

	scene::SMesh* ground = createGroundMesh(240.f, 60, 30.f);
	setMeshTexture(ground, embedTexture(document, "#courtyard-stone.png", createStoneTileImage(driver)));
	addMeshNode(sceneManager, 1, "ground", ground, core::vector3df(0, 0, 0));
	ground->drop();

	scene::SMesh* pillar = createBoxMesh(core::vector3df(1.5f, 6.f, 1.5f), 3.f);
	video::ITexture* brick = embedTexture(document, "#courtyard-brick.png", createBrickImage(driver));
	setMeshTexture(pillar, brick);
	for (s32 i = 0; i < 5; ++i)
		addMeshNode(sceneManager, 10 + i, "pillar", pillar, core::vector3df(-20.f + 10.f * i, 0, 14));
	pillar->drop();

	video::ITexture* crateTexture = embedTexture(document, "#courtyard-crate.png", createCrateImage(driver));
	scene::SMesh* crate = createBoxMesh(core::vector3df(2, 2, 2), 4.f);
	setMeshTexture(crate, crateTexture);
	const core::vector3df crates[3] = { { -11, 0, 0 }, { -7.5f, 0, 3 }, { 9, 0, -2 } };
	for (s32 i = 0; i < 3; ++i)
		addMeshNode(sceneManager, 20 + i, "crate", crate, crates[i], 25.f * i);
	addMeshNode(sceneManager, 23, "crate", crate, core::vector3df(-9.f, 4.f, 1.5f), 10.f);
	embedSwayingBox(document, "#courtyard-swaying-box.b3d", crateTexture);

	addSkyBox(sceneManager, 30, shared.Sky);
	addDirectionalLight(sceneManager, 40, core::vector3df(-0.6f, -0.7f, 0.4f), video::SColorf(0.2f, 0.19f, 0.16f, 1.f));
	const core::vector3df lamp(3.f, 7.5f, 1.f);
	scene::SMesh* post = createBoxMesh(core::vector3df(0.25f, 3.5f, 0.25f), 1.f);
	setMeshTexture(post, crateTexture);
	addMeshNode(sceneManager, 24, "lamp post", post, core::vector3df(lamp.X, 0, lamp.Z));
	post->drop();
	addPointLight(sceneManager, 41, lamp, video::SColorf(0.16f, 0.13f, 0.08f, 1.f), 10.f);
	addGlow(sceneManager, 42, lamp, 4.f, shared.Glow);
	addCourtyardInteractions(document, scene, shared, brick, crate);
	crate->drop();
	// Arrow keys or W, S, A, D walk, the mouse looks.
	scene::ICameraSceneNode* camera = addActiveCamera(scene, 50, core::vector3df(6, 11, -30), core::vector3df(-2, 3, 6));
	scene::CVeskAnimatorCameraFPS* walking = new scene::CVeskAnimatorCameraFPS(0, 0);
	camera->addAnimator(walking);
	walking->drop();

	document->addScene(scene);
	scene->drop();
}
