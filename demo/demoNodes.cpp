#include "demoNodes.h"

#include "render/CVeskSceneManagerExtension.h"
#include "render/veskSceneManager.h"
#include "scene/CVesk2DOverlayNode.h"
#include "scene/CVesk3DScene.h"
#include "scene/CVeskBillboardSceneNode.h"
#include "scene/CVeskCameraSceneNode.h"
#include "scene/CVeskLightSceneNode.h"
#include "scene/CVeskMeshSceneNode.h"
#include "scene/CVeskSkyBoxSceneNode.h"

using namespace irr;

CVesk3DScene* createDemoScene(IrrlichtDevice* device, const char* name, video::SColor background, const video::SColorf& ambientLight)
{
	CVesk3DScene* scene = new CVesk3DScene();
	scene::ISceneManager* sceneManager = createVeskSceneManager(device->getSceneManager());
	scene->setSceneManager(sceneManager);
	sceneManager->drop();
	scene->setName(name);
	sceneManager->setAmbientLight(ambientLight);
	getSceneExtension(sceneManager)->setBackgroundColor(background);
	return scene;
}

void addMeshNode(scene::ISceneManager* sceneManager, s32 id, const char* name, scene::SMesh* mesh,
	const core::vector3df& position, f32 yRotation)
{
	CVeskMeshSceneNode* node = new CVeskMeshSceneNode(sceneManager->getRootSceneNode(), sceneManager, id, position,
		core::vector3df(0, yRotation, 0));
	node->setName(name);
	node->setOwnMesh(mesh);
	node->drop();
}

void addTextPanel(scene::ISceneManager* sceneManager, IrrlichtDevice* device, s32 id, const char* name,
	const core::recti& area, const char* text)
{
	CVesk2DOverlayNode* panel = new CVesk2DOverlayNode(sceneManager->getRootSceneNode(), sceneManager, id,
		sceneManager->getGUIEnvironment(), device->getCursorControl());
	panel->setName(name);
	panel->setPixelRect(area.UpperLeftCorner.X, area.UpperLeftCorner.Y, area.getWidth(), area.getHeight());
	io::IAttributes* look = device->getFileSystem()->createEmptyAttributes();
	look->addBool("Draw Background", true);
	look->addColor("Background Color", video::SColor(0xA0182430));
	look->addBool("Draw Text", true);
	look->addString("Text", text);
	look->addEnum("Alignment", "center", 0);
	look->addColor("TextColor", video::SColor(0xFFFFF0D0));
	look->addBool("OnHover Animate", false);
	panel->deserializeAttributes(look);
	look->drop();
	panel->drop();
}

scene::ICameraSceneNode* addActiveCamera(CVesk3DScene* scene, s32 id, const core::vector3df& position, const core::vector3df& target)
{
	scene::ISceneManager* sceneManager = scene->getSceneManager();
	CVeskCameraSceneNode* camera = new CVeskCameraSceneNode(sceneManager->getRootSceneNode(), sceneManager, id, position, target);
	camera->setName("camera");
	camera->setFarValue(1000.f);
	camera->setActive(true);
	camera->drop();
	scene->setDefaultCamera(position, target);
	return camera;
}

void addPointLight(scene::ISceneManager* sceneManager, s32 id, const core::vector3df& position, const video::SColorf& colour, f32 radius)
{
	CVeskLightSceneNode* light = new CVeskLightSceneNode(sceneManager->getRootSceneNode(), sceneManager, id, position);
	light->setName("lamp");
	light->getLightData().DiffuseColor = colour;
	light->setRadius(radius);
	light->drop();
}

void addDirectionalLight(scene::ISceneManager* sceneManager, s32 id, const core::vector3df& direction, const video::SColorf& colour)
{
	CVeskLightSceneNode* light = new CVeskLightSceneNode(sceneManager->getRootSceneNode(), sceneManager, id);
	light->setName("sun");
	light->setLightType(video::ELT_DIRECTIONAL);
	light->getLightData().DiffuseColor = colour;
	light->setDirection(direction);
	light->drop();
}

void addSkyBox(scene::ISceneManager* sceneManager, s32 id, video::ITexture* const faces[6])
{
	CVeskSkyBoxSceneNode* sky = new CVeskSkyBoxSceneNode(sceneManager->getRootSceneNode(), sceneManager, id);
	sky->setName("sky");
	for (u32 i = 0; i < 6 && i < sky->getMaterialCount(); ++i)
		sky->getMaterial(i).setTexture(0, faces[i]);
	sky->drop();
}

void addGlow(scene::ISceneManager* sceneManager, s32 id, const core::vector3df& position, f32 size, video::ITexture* texture)
{
	CVeskBillboardSceneNode* glow = new CVeskBillboardSceneNode(sceneManager->getRootSceneNode(), sceneManager, id, position);
	glow->setName("glow");
	glow->setSize(core::dimension2df(size, size));
	video::SMaterial& material = glow->getMaterial(0);
	material.MaterialType = video::EMT_TRANSPARENT_ADD_COLOR;
	material.Lighting = false;
	material.ZWriteEnable = false;
	material.setTexture(0, texture);
	glow->drop();
}
