#include "actions/veskCameraNode.h"

#include "document/veskTypeCodes.h"

#include <ICameraSceneNode.h>

using namespace irr;

scene::ICameraSceneNode* asCameraNode(scene::ISceneNode* node)
{
	if (!node)
		return 0;
	const u32 type = node->getType();
	if (type != scene::ESNT_CAMERA && type != VESK_NODE_CAMERA)
		return 0;
	return static_cast<scene::ICameraSceneNode*>(node);
}
