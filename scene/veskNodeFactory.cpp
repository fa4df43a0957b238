#include "scene/veskNodeFactory.h"
#include "document/veskTypeCodes.h"
#include "scene/CVeskBillboardSceneNode.h"
#include "scene/CVeskCameraSceneNode.h"
#include "scene/CVeskDummyTransformationSceneNode.h"
#include "scene/CVeskLightSceneNode.h"
#include "scene/CVeskMeshSceneNode.h"
#include "scene/CVeskSkyBoxSceneNode.h"

using namespace irr;

scene::ISceneNode* createVeskSceneNode(u32 typeCode, scene::ISceneNode* parent, scene::ISceneManager* sceneManager,
	s32 id, const core::vector3df& position, CVeskDeserializer* reader)
{
	// Made without a parent: the caller adds the node once its payload was read.
	if (typeCode == VESK_NODE_MESH)
		return new CVeskMeshSceneNode(0, sceneManager, id, position);
	if (typeCode == VESK_NODE_CAMERA)
		return new CVeskCameraSceneNode(0, sceneManager, id, position);
	if (typeCode == VESK_NODE_LIGHT)
		return new CVeskLightSceneNode(0, sceneManager, id, position);
	if (typeCode == VESK_NODE_DUMMY_TRANSFORMATION)
		return new CVeskDummyTransformationSceneNode(0, sceneManager, id, position);
	if (typeCode == VESK_NODE_BILLBOARD)
		return new CVeskBillboardSceneNode(0, sceneManager, id, position);
	if (typeCode == VESK_NODE_SKY_BOX)
		return new CVeskSkyBoxSceneNode(0, sceneManager, id, position);
	return 0;
}
