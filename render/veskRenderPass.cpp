#include "render/veskRenderPass.h"
#include "render/CVeskSceneManagerExtension.h"
#include "render/veskSceneManager.h"

#include <ISceneManager.h>

using namespace irr;

namespace
{

scene::E_SCENE_NODE_RENDER_PASS toEnginePass(u32 pass)
{
	switch (pass)
	{
	case EVRP_CAMERA:
		return scene::ESNRP_CAMERA;
	case EVRP_LIGHT:
		return scene::ESNRP_LIGHT;
	case EVRP_SKY_BOX:
		return scene::ESNRP_SKY_BOX;
	case EVRP_AUTOMATIC:
	case EVRP_AUTOMATIC_LATE:
		return scene::ESNRP_AUTOMATIC;
	case EVRP_SOLID:
	case EVRP_SOLID_LATE:
		return scene::ESNRP_SOLID;
	case EVRP_SHADOW:
		return scene::ESNRP_SHADOW;
	case EVRP_TRANSPARENT:
	case EVRP_TRANSPARENT_LATE:
		return scene::ESNRP_TRANSPARENT;
	default:
		return scene::ESNRP_NONE;
	}
}

u32 fromEnginePass(scene::E_SCENE_NODE_RENDER_PASS pass)
{
	switch (pass)
	{
	case scene::ESNRP_CAMERA:
		return EVRP_CAMERA;
	case scene::ESNRP_LIGHT:
		return EVRP_LIGHT;
	case scene::ESNRP_SKY_BOX:
		return EVRP_SKY_BOX;
	case scene::ESNRP_SOLID:
		return EVRP_SOLID;
	case scene::ESNRP_TRANSPARENT:
	case scene::ESNRP_TRANSPARENT_EFFECT:
		return EVRP_TRANSPARENT;
	case scene::ESNRP_SHADOW:
		return EVRP_SHADOW;
	default:
		return EVRP_NONE;
	}
}

} // end anonymous namespace

bool registerVeskNodeForRendering(scene::ISceneManager* sceneManager, scene::ISceneNode* node, u32 pass)
{
	if (!sceneManager)
		return false;
	if (CVeskSceneManagerExtension* extension = getSceneExtension(sceneManager))
		return extension->registerNodeForRendering(node, pass);
	const scene::E_SCENE_NODE_RENDER_PASS enginePass = toEnginePass(pass);
	return enginePass != scene::ESNRP_NONE && sceneManager->registerNodeForRendering(node, enginePass) != 0;
}

u32 getVeskCurrentRenderPass(scene::ISceneManager* sceneManager)
{
	if (!sceneManager)
		return EVRP_NONE;
	if (CVeskSceneManagerExtension* extension = getSceneExtension(sceneManager))
		return extension->getCurrentRenderPass();
	return fromEnginePass(sceneManager->getSceneNodeRenderPass());
}
