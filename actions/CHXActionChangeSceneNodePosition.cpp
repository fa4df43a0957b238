#include "actions/CHXActionChangeSceneNodePosition.h"

#include "actions/CHXTimedTransformAnimator.h"
#include "actions/veskActionServices.h"
#include "actions/veskCameraNode.h"
#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "document/veskTypeCodes.h"

#include <IAttributes.h>
#include <ICameraSceneNode.h>
#include <ISceneManager.h>

using namespace irr;

namespace
{

const c8* const MODE_NAMES[] = { "Set fixed 3D Position", "Move by a vector", "Set relative to a scene node",
	"Move by vector into facing direction", "Set to random position in area", "Set relative to last bullet impact", 0 };

//! lo + (hi - lo) * (r mod 1000) / 1000 with lo and hi the smaller and larger of a and b.
f32 randomBetween(f32 a, f32 b)
{
	const f32 lo = core::min_(a, b);
	const f32 hi = core::max_(a, b);
	return lo + (hi - lo) * (f32(drawActionRandom() % 1000) / 1000.f);
}

} // end anonymous namespace

s32 CHXActionChangeSceneNodePosition::getType() const
{
	return EHAT_CHANGE_SCENE_NODE_POSITION;
}

IHXAction* CHXActionChangeSceneNodePosition::clone() const
{
	// Field by field: a copy construction would copy the reference count.
	CHXActionChangeSceneNodePosition* copy = new CHXActionChangeSceneNodePosition();
	copy->Mode = Mode;
	copy->Target = Target;
	copy->Vector = Vector;
	copy->MaxPosition = MaxPosition;
	copy->Relative = Relative;
	copy->Animated = Animated;
	copy->TimeMs = TimeMs;
	return copy;
}

void CHXActionChangeSceneNodePosition::replaceSceneNodeId(s32 oldId, s32 newId)
{
	Target.replaceSceneNodeId(oldId, newId);
	Relative.replaceSceneNodeId(oldId, newId);
}

core::vector3df CHXActionChangeSceneNodePosition::computePosition(scene::ISceneNode* node, scene::ISceneNode* currentNode,
	scene::ISceneManager* sceneManager) const
{
	const core::vector3df position = node->getPosition();
	switch (Mode)
	{
	case EM_SET_FIXED:
		return Vector;
	case EM_MOVE_BY_VECTOR:
		return position + Vector;
	case EM_RELATIVE_TO_NODE:
	{
		scene::ISceneNode* reference = Relative.resolve(currentNode, sceneManager);
		return reference ? reference->getPosition() + Vector : position;
	}
	case EM_MOVE_FORWARD:
	{
		core::vector3df direction;
		if (scene::ICameraSceneNode* camera = asCameraNode(node))
			direction = camera->getTarget() - position;
		else
		{
			const core::matrix4 transformation = node->getRelativeTransformation();
			direction.set(transformation[0], transformation[1], transformation[2]);
		}
		if (!core::equals(direction.getLengthSQ(), 0.f, 0.000001f))
			direction.normalize();
		return position + direction * Vector.getLength();
	}
	case EM_RANDOM_IN_AREA:
	{
		const f32 x = randomBetween(Vector.X, MaxPosition.X);
		const f32 y = randomBetween(Vector.Y, MaxPosition.Y);
		const f32 z = randomBetween(Vector.Z, MaxPosition.Z);
		return core::vector3df(x, y, z);
	}
	case EM_RELATIVE_TO_BULLET_IMPACT:
	{
		io::IAttributes* parameters = sceneManager->getParameters();
		if (!parameters->existsAttribute("BulletPositionImpact"))
			return position;
		return parameters->getAttributeAsVector3d("BulletPositionImpact") + Vector;
	}
	default:
		return position;
	}
}

void CHXActionChangeSceneNodePosition::execute(scene::ISceneNode* currentNode, scene::ISceneManager* sceneManager)
{
	if (!currentNode || !sceneManager)
		return;
	scene::ISceneNode* node = Target.resolve(currentNode, sceneManager);
	if (!node)
		return;
	const core::vector3df position = computePosition(node, currentNode, sceneManager);
	if ((Animated & 1) && TimeMs >= 1)
		CHXTimedTransformAnimator::start(node, CHXTimedTransformAnimator::EP_POSITION, node->getPosition(), position, u32(TimeMs));
	else
		node->setPosition(position);
}

void CHXActionChangeSceneNodePosition::serializeAttributes(io::IAttributes* out, scene::ISceneManager* sceneManager) const
{
	out->addEnum("Set position type", Mode >= 0 && Mode <= EM_RELATIVE_TO_BULLET_IMPACT ? MODE_NAMES[Mode] : "", MODE_NAMES);
	Target.serializeAttribute(out, "Change which SceneNode", sceneManager);
	if (Mode == EM_SET_FIXED || Mode == EM_RELATIVE_TO_NODE)
		out->addVector3d("Position", Vector);
	else if (Mode == EM_MOVE_BY_VECTOR || Mode == EM_MOVE_FORWARD || Mode == EM_RELATIVE_TO_BULLET_IMPACT)
		out->addVector3d("Vector", Vector);
	else if (Mode == EM_RANDOM_IN_AREA)
	{
		out->addVector3d("MinPosition", Vector);
		out->addVector3d("MaxPosition", MaxPosition);
	}
	if (Mode == EM_RELATIVE_TO_NODE)
		Relative.serializeAttribute(out, "Relative to which SceneNode", sceneManager);
	out->addBool("Move Animated", (Animated & 1) != 0);
	out->addInt("Time to move (ms)", TimeMs);
}

void CHXActionChangeSceneNodePosition::deserializeAttributes(io::IAttributes* in, scene::ISceneManager* sceneManager)
{
	if (in->existsAttribute("Set position type"))
		Mode = in->getAttributeAsEnumeration("Set position type", MODE_NAMES);
	Target.deserializeAttribute(in, "Change which SceneNode", sceneManager);
	const c8* const vectorNames[] = { "Position", "Vector", "MinPosition" };
	for (const c8* name : vectorNames)
		if (in->existsAttribute(name))
			Vector = in->getAttributeAsVector3d(name);
	if (in->existsAttribute("MaxPosition"))
		MaxPosition = in->getAttributeAsVector3d("MaxPosition");
	Relative.deserializeAttribute(in, "Relative to which SceneNode", sceneManager);
	if (in->existsAttribute("Move Animated"))
		Animated = in->getAttributeAsBool("Move Animated") ? 1 : 0;
	if (in->existsAttribute("Time to move (ms)"))
		TimeMs = in->getAttributeAsInt("Time to move (ms)");
}

void CHXActionChangeSceneNodePosition::writeBinary(CVeskSerializer* writer)
{
	writer->writeInt(Mode);
	writer->writeInt(Target.NodeId);
	writer->writeBool(Target.UseCurrentNode);
	writer->writeVector(Vector);
	if (Mode == EM_RANDOM_IN_AREA)
		writer->writeVector(MaxPosition);
	writer->writeBool(Relative.UseCurrentNode);
	writer->writeInt(Relative.NodeId);
	writer->writeInt(Animated);
	if (Animated & 1)
		writer->writeInt(TimeMs);
}

void CHXActionChangeSceneNodePosition::readBinary(CVeskDeserializer* reader)
{
	Mode = reader->readInt();
	Target.NodeId = reader->readInt();
	Target.UseCurrentNode = reader->readBool();
	Vector = reader->readVector();
	if (Mode == EM_RANDOM_IN_AREA)
		MaxPosition = reader->readVector();
	Relative.UseCurrentNode = reader->readBool();
	Relative.NodeId = reader->readInt();
	Animated = reader->readInt();
	if (Animated & 1)
		TimeMs = reader->readInt();
}
