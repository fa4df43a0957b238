#include "scene/veskNodeFactory.h"
#include "document/veskTypeCodes.h"
#include "document/CVeskDeserializer.h"
#include "scene/CVesk2DOverlayNode.h"
#include "scene/CVeskBillboardSceneNode.h"
#include "scene/CVeskCameraSceneNode.h"
#include "scene/CVeskDummyTransformationSceneNode.h"
#include "scene/CVeskLightSceneNode.h"
#include "scene/CVeskMeshSceneNode.h"
#include "scene/CVeskSkyBoxSceneNode.h"

#include <ISceneManager.h>
#include <IrrlichtDevice.h>

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
	if (typeCode == VESK_NODE_2D_OVERLAY)
	{
		// Only a reader's device knows the cursor; an overlay made without one never hovers.
		IrrlichtDevice* device = reader ? reader->getDevice() : 0;
		return new CVesk2DOverlayNode(0, sceneManager, id, sceneManager ? sceneManager->getGUIEnvironment() : 0,
			device ? device->getCursorControl() : 0);
	}
	return 0;
}
