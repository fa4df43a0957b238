#include "actions/CHXActionSetActiveCamera.h"

#include "actions/SHXNodeReference.h"
#include "actions/veskActionServices.h"
#include "actions/veskCameraNode.h"
#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "document/veskTypeCodes.h"
#include "player/IHXControlInterface.h"

#include <ICameraSceneNode.h>

using namespace irr;

s32 CHXActionSetActiveCamera::getType() const
{
	return EHAT_SET_ACTIVE_CAMERA;
}

IHXAction* CHXActionSetActiveCamera::clone() const
{
	CHXActionSetActiveCamera* copy = new CHXActionSetActiveCamera();
	copy->CameraNodeId = CameraNodeId;
	return copy;
}

void CHXActionSetActiveCamera::replaceSceneNodeId(s32 oldId, s32 newId)
{
	if (CameraNodeId == oldId)
		CameraNodeId = newId;
}

void CHXActionSetActiveCamera::execute(scene::ISceneNode* currentNode, scene::ISceneManager* sceneManager)
{
	if (!currentNode || !sceneManager)
		return;
	SHXNodeReference camera;
	camera.NodeId = CameraNodeId;
	scene::ICameraSceneNode* node = asCameraNode(camera.resolve(currentNode, sceneManager));
	IHXControlInterface* control = getActionControlInterface();
	if (node && control)
		control->setActiveCamera(node);
}

void CHXActionSetActiveCamera::serializeAttributes(io::IAttributes* out, scene::ISceneManager* sceneManager) const
{
	SHXNodeReference camera;
	camera.NodeId = CameraNodeId;
	camera.serializeAttribute(out, "New active Camera", sceneManager);
}

void CHXActionSetActiveCamera::deserializeAttributes(io::IAttributes* in, scene::ISceneManager* sceneManager)
{
	SHXNodeReference camera;
	camera.NodeId = CameraNodeId;
	camera.deserializeAttribute(in, "New active Camera", sceneManager);
	// The active camera is always named; the current node is no choice here.
	if (!camera.UseCurrentNode)
		CameraNodeId = camera.NodeId;
}

void CHXActionSetActiveCamera::writeBinary(CVeskSerializer* writer)
{
	writer->writeInt(CameraNodeId);
	writer->writeInt(0);
}

void CHXActionSetActiveCamera::readBinary(CVeskDeserializer* reader)
{
	CameraNodeId = reader->readInt();
	reader->readInt();
}
