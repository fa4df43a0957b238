#include "actions/CHXActionChangeSceneNodeScale.h"

#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "document/veskTypeCodes.h"

#include <IAttributes.h>
#include <ISceneNode.h>

using namespace irr;

namespace
{

const c8* const MODE_NAMES[] = { "Set absolute scale", "Scale by the vector", 0 };

} // end anonymous namespace

s32 CHXActionChangeSceneNodeScale::getType() const
{
	return EHAT_CHANGE_SCENE_NODE_SCALE;
}

IHXAction* CHXActionChangeSceneNodeScale::clone() const
{
	CHXActionChangeSceneNodeScale* copy = new CHXActionChangeSceneNodeScale();
	copy->Mode = Mode;
	copy->Target = Target;
	copy->Scale = Scale;
	return copy;
}

void CHXActionChangeSceneNodeScale::execute(scene::ISceneNode* currentNode, scene::ISceneManager* sceneManager)
{
	if (!currentNode || !sceneManager)
		return;
	scene::ISceneNode* node = Target.resolve(currentNode, sceneManager);
	if (!node)
		return;
	if (Mode == EM_SET_ABSOLUTE)
		node->setScale(Scale);
	else if (Mode == EM_SCALE_BY)
		node->setScale(node->getScale() * Scale);
}

void CHXActionChangeSceneNodeScale::serializeAttributes(io::IAttributes* out, scene::ISceneManager* sceneManager) const
{
	out->addEnum("Set scale type", Mode >= 0 && Mode <= EM_SCALE_BY ? MODE_NAMES[Mode] : "", MODE_NAMES);
	Target.serializeAttribute(out, "Change which SceneNode", sceneManager);
	out->addVector3d("Vector", Scale);
}

void CHXActionChangeSceneNodeScale::deserializeAttributes(io::IAttributes* in, scene::ISceneManager* sceneManager)
{
	if (in->existsAttribute("Set scale type"))
		Mode = in->getAttributeAsEnumeration("Set scale type", MODE_NAMES);
	Target.deserializeAttribute(in, "Change which SceneNode", sceneManager);
	if (in->existsAttribute("Vector"))
		Scale = in->getAttributeAsVector3d("Vector");
}

void CHXActionChangeSceneNodeScale::writeBinary(CVeskSerializer* writer)
{
	writer->writeInt(Mode);
	writer->writeInt(Target.NodeId);
	writer->writeBool(Target.UseCurrentNode);
	writer->writeVector(Scale);
	writer->writeInt(0);
}

void CHXActionChangeSceneNodeScale::readBinary(CVeskDeserializer* reader)
{
	Mode = reader->readInt();
	Target.NodeId = reader->readInt();
	Target.UseCurrentNode = reader->readBool();
	Scale = reader->readVector();
	reader->readInt();
}
