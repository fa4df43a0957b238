#include "actions/CHXActionSetCameraTarget.h"

#include "actions/CHXTimedTransformAnimator.h"
#include "actions/veskCameraNode.h"
#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "document/veskTypeCodes.h"

#include <IAttributes.h>
#include <ICameraSceneNode.h>

using namespace irr;

namespace
{

const c8* const MODE_NAMES[] = { "Set fixed 3D Position", "Move by a vector", "Set relative to a scene node", 0 };

} // end anonymous namespace

s32 CHXActionSetCameraTarget::getType() const
{
	return EHAT_SET_CAMERA_TARGET;
}

IHXAction* CHXActionSetCameraTarget::clone() const
{
	CHXActionSetCameraTarget* copy = new CHXActionSetCameraTarget();
	copy->Mode = Mode;
	copy->Target = Target;
	copy->Vector = Vector;
	copy->Relative = Relative;
	copy->Animated = Animated;
	copy->TimeMs = TimeMs;
	return copy;
}

void CHXActionSetCameraTarget::replaceSceneNodeId(s32 oldId, s32 newId)
{
	Target.replaceSceneNodeId(oldId, newId);
	Relative.replaceSceneNodeId(oldId, newId);
}

void CHXActionSetCameraTarget::execute(scene::ISceneNode* currentNode, scene::ISceneManager* sceneManager)
{
	if (!currentNode || !sceneManager)
		return;
	scene::ICameraSceneNode* camera = asCameraNode(Target.resolve(currentNode, sceneManager));
	if (!camera)
		return;
	core::vector3df target = camera->getTarget();
	if (Mode == EM_SET_FIXED)
		target = Vector;
	else if (Mode == EM_MOVE_BY_VECTOR)
		target = camera->getPosition() + Vector;
	else if (Mode == EM_RELATIVE_TO_NODE)
	{
		scene::ISceneNode* reference = Relative.resolve(currentNode, sceneManager);
		if (reference)
			target = reference->getPosition() + Vector;
	}
	if ((Animated & 1) && TimeMs >= 1)
		CHXTimedTransformAnimator::start(camera, CHXTimedTransformAnimator::EP_CAMERA_TARGET, camera->getTarget(), target, u32(TimeMs));
	else
		camera->setTarget(target);
}

void CHXActionSetCameraTarget::serializeAttributes(io::IAttributes* out, scene::ISceneManager* sceneManager) const
{
	Target.serializeAttribute(out, "Change which Camera", sceneManager);
	out->addEnum("Set position type", Mode >= 0 && Mode <= EM_RELATIVE_TO_NODE ? MODE_NAMES[Mode] : "", MODE_NAMES);
	out->addVector3d(Mode == EM_MOVE_BY_VECTOR ? "Vector" : "Position", Vector);
	if (Mode == EM_RELATIVE_TO_NODE)
		Relative.serializeAttribute(out, "Relative to which SceneNode", sceneManager);
	out->addBool("Move Animated", (Animated & 1) != 0);
	out->addInt("Time to move (ms)", TimeMs);
}

void CHXActionSetCameraTarget::deserializeAttributes(io::IAttributes* in, scene::ISceneManager* sceneManager)
{
	Target.deserializeAttribute(in, "Change which Camera", sceneManager);
	if (in->existsAttribute("Set position type"))
		Mode = in->getAttributeAsEnumeration("Set position type", MODE_NAMES);
	if (in->existsAttribute("Vector"))
		Vector = in->getAttributeAsVector3d("Vector");
	if (in->existsAttribute("Position"))
		Vector = in->getAttributeAsVector3d("Position");
	Relative.deserializeAttribute(in, "Relative to which SceneNode", sceneManager);
	if (in->existsAttribute("Move Animated"))
		Animated = in->getAttributeAsBool("Move Animated") ? 1 : 0;
	if (in->existsAttribute("Time to move (ms)"))
		TimeMs = in->getAttributeAsInt("Time to move (ms)");
}

void CHXActionSetCameraTarget::writeBinary(CVeskSerializer* writer)
{
	writer->writeInt(Mode);
	writer->writeInt(Target.NodeId);
	writer->writeBool(Target.UseCurrentNode);
	writer->writeVector(Vector);
	writer->writeBool(Relative.UseCurrentNode);
	writer->writeInt(Relative.NodeId);
	writer->writeInt(Animated);
	if (Animated & 1)
		writer->writeInt(TimeMs);
}

void CHXActionSetCameraTarget::readBinary(CVeskDeserializer* reader)
{
	Mode = reader->readInt();
	Target.NodeId = reader->readInt();
	Target.UseCurrentNode = reader->readBool();
	Vector = reader->readVector();
	Relative.UseCurrentNode = reader->readBool();
	Relative.NodeId = reader->readInt();
	Animated = reader->readInt();
	if (Animated & 1)
		TimeMs = reader->readInt();
}
