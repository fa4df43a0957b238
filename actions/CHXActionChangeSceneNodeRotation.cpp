#include "actions/CHXActionChangeSceneNodeRotation.h"

#include "actions/CHXTimedTransformAnimator.h"
#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "document/veskTypeCodes.h"

#include <IAttributes.h>
#include <ISceneNode.h>

using namespace irr;

namespace
{

const c8* const MODE_NAMES[] = { "Set absolute rotation", "Rotate by the rotation", 0 };

} // end anonymous namespace

s32 CHXActionChangeSceneNodeRotation::getType() const
{
	return EHAT_CHANGE_SCENE_NODE_ROTATION;
}

IHXAction* CHXActionChangeSceneNodeRotation::clone() const
{
	CHXActionChangeSceneNodeRotation* copy = new CHXActionChangeSceneNodeRotation();
	copy->Mode = Mode;
	copy->Target = Target;
	copy->Rotation = Rotation;
	copy->Animated = Animated;
	copy->TimeMs = TimeMs;
	return copy;
}

void CHXActionChangeSceneNodeRotation::execute(scene::ISceneNode* currentNode, scene::ISceneManager* sceneManager)
{
	if (!currentNode || !sceneManager)
		return;
	scene::ISceneNode* node = Target.resolve(currentNode, sceneManager);
	if (!node)
		return;
	core::vector3df target(0, 0, 0);
	if (Mode == EM_SET_ABSOLUTE)
		target = Rotation;
	else if (Mode == EM_ROTATE_BY)
		target = node->getRotation() + Rotation;
	if ((Animated & 1) && TimeMs >= 1)
		CHXTimedTransformAnimator::start(node, CHXTimedTransformAnimator::EP_ROTATION, node->getRotation(), target, u32(TimeMs));
	else
		node->setRotation(target);
}

void CHXActionChangeSceneNodeRotation::serializeAttributes(io::IAttributes* out, scene::ISceneManager* sceneManager) const
{
	out->addEnum("Set rotation type", Mode >= 0 && Mode <= EM_ROTATE_BY ? MODE_NAMES[Mode] : "", MODE_NAMES);
	Target.serializeAttribute(out, "Change which SceneNode", sceneManager);
	out->addVector3d("Vector", Rotation);
	out->addBool("Rotate Animated", (Animated & 1) != 0);
	out->addInt("Time to rotate (ms)", TimeMs);
}

void CHXActionChangeSceneNodeRotation::deserializeAttributes(io::IAttributes* in, scene::ISceneManager* sceneManager)
{
	if (in->existsAttribute("Set rotation type"))
		Mode = in->getAttributeAsEnumeration("Set rotation type", MODE_NAMES);
	Target.deserializeAttribute(in, "Change which SceneNode", sceneManager);
	if (in->existsAttribute("Vector"))
		Rotation = in->getAttributeAsVector3d("Vector");
	if (in->existsAttribute("Rotate Animated"))
		Animated = in->getAttributeAsBool("Rotate Animated") ? 1 : 0;
	if (in->existsAttribute("Time to rotate (ms)"))
		TimeMs = in->getAttributeAsInt("Time to rotate (ms)");
}

void CHXActionChangeSceneNodeRotation::writeBinary(CVeskSerializer* writer)
{
	writer->writeInt(Mode);
	writer->writeInt(Target.NodeId);
	writer->writeBool(Target.UseCurrentNode);
	writer->writeVector(Rotation);
	writer->writeInt(Animated);
	if (Animated & 1)
		writer->writeInt(TimeMs);
}

void CHXActionChangeSceneNodeRotation::readBinary(CVeskDeserializer* reader)
{
	Mode = reader->readInt();
	Target.NodeId = reader->readInt();
	Target.UseCurrentNode = reader->readBool();
	Rotation = reader->readVector();
	Animated = reader->readInt();
	if (Animated & 1)
		TimeMs = reader->readInt();
}
