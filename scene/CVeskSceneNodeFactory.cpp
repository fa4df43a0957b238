#include "scene/CVeskSceneNodeFactory.h"
#include "document/veskTypeCodes.h"
#include "render/CVeskSceneManagerExtension.h"
#include "render/veskSceneManager.h"
#include "scene/veskNodeFactory.h"

#include <ISceneManager.h>

#include <cstring>

using namespace irr;

namespace
{

struct SCreatableType
{
	u32 Code;
	const c8* Name;
};

const SCreatableType CREATABLE_TYPES[] = {
	{ VESK_NODE_MESH, "fmsh" },
	{ VESK_NODE_CAMERA, "fcam" },
	{ VESK_NODE_LIGHT, "flgh" },
	{ VESK_NODE_DUMMY_TRANSFORMATION, "fdyt" },
	{ VESK_NODE_BILLBOARD, "fbll" },
	{ VESK_NODE_SKY_BOX, "fsky" },
	{ VESK_NODE_2D_OVERLAY, "f2do" },
};

const u32 CREATABLE_TYPE_COUNT = sizeof(CREATABLE_TYPES) / sizeof(CREATABLE_TYPES[0]);

} // end anonymous namespace

CVeskSceneNodeFactory::CVeskSceneNodeFactory(scene::ISceneManager* sceneManager, CVeskSceneManagerExtension* extension)
	: SceneManager(sceneManager), Extension(extension)
{
	if (Extension)
		Extension->grab();
}

CVeskSceneNodeFactory::~CVeskSceneNodeFactory()
{
	if (!Extension)
		return;
	if (SceneManager && getSceneExtension(SceneManager) == Extension)
		forgetSceneExtension(SceneManager);
	Extension->detachFromSceneManager();
	Extension->drop();
}

scene::ISceneNode* CVeskSceneNodeFactory::addSceneNode(scene::ESCENE_NODE_TYPE type, scene::ISceneNode* parent)
{
	if (!parent)
		parent = SceneManager->getRootSceneNode();
	scene::ISceneNode* node = createVeskSceneNode(u32(type), parent, SceneManager, -1, core::vector3df(0, 0, 0), 0);
	if (!node)
		return 0;
	parent->addChild(node);
	node->drop();
	return node;
}

scene::ISceneNode* CVeskSceneNodeFactory::addSceneNode(const c8* typeName, scene::ISceneNode* parent)
{
	if (!typeName)
		return 0;
	for (const SCreatableType& type : CREATABLE_TYPES)
		if (strcmp(type.Name, typeName) == 0)
			return addSceneNode(scene::ESCENE_NODE_TYPE(type.Code), parent);
	return 0;
}

u32 CVeskSceneNodeFactory::getCreatableSceneNodeTypeCount() const
{
	return CREATABLE_TYPE_COUNT;
}

scene::ESCENE_NODE_TYPE CVeskSceneNodeFactory::getCreateableSceneNodeType(u32 index) const
{
	return index < CREATABLE_TYPE_COUNT ? scene::ESCENE_NODE_TYPE(CREATABLE_TYPES[index].Code) : scene::ESNT_UNKNOWN;
}

const c8* CVeskSceneNodeFactory::getCreateableSceneNodeTypeName(u32 index) const
{
	return index < CREATABLE_TYPE_COUNT ? CREATABLE_TYPES[index].Name : 0;
}

const c8* CVeskSceneNodeFactory::getCreateableSceneNodeTypeName(scene::ESCENE_NODE_TYPE type) const
{
	for (const SCreatableType& entry : CREATABLE_TYPES)
		if (entry.Code == u32(type))
			return entry.Name;
	return 0;
}
