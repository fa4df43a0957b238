#include "actions/CHXActionDeleteSceneNode.h"

#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "document/veskTypeCodes.h"
#include "render/CVeskSceneManagerExtension.h"
#include "render/veskSceneManager.h"

#include <IAttributes.h>
#include <ISceneManager.h>

using namespace irr;

s32 CHXActionDeleteSceneNode::getType() const
{
	return EHAT_DELETE_SCENE_NODE;
}

IHXAction* CHXActionDeleteSceneNode::clone() const
{
	CHXActionDeleteSceneNode* copy = new CHXActionDeleteSceneNode();
	copy->Target = Target;
	copy->DelayMs = DelayMs;
	return copy;
}

void CHXActionDeleteSceneNode::execute(scene::ISceneNode* currentNode, scene::ISceneManager* sceneManager)
{
	if (!currentNode || !sceneManager)
		return;
	scene::ISceneNode* node = Target.resolve(currentNode, sceneManager);
	CVeskSceneManagerExtension* extension = getSceneExtension(sceneManager);
	// The root belongs to the scene manager and is never removed.
	if (!node || !extension || node == sceneManager->getRootSceneNode())
		return;
	extension->addToDeletionQueue(node, DelayMs > 0 ? u32(DelayMs) : 0);
}

void CHXActionDeleteSceneNode::serializeAttributes(io::IAttributes* out, scene::ISceneManager* sceneManager) const
{
	Target.serializeAttribute(out, "Delete which SceneNode", sceneManager);
	out->addInt("Time until Deletion (ms)", DelayMs);
}

void CHXActionDeleteSceneNode::deserializeAttributes(io::IAttributes* in, scene::ISceneManager* sceneManager)
{
	Target.deserializeAttribute(in, "Delete which SceneNode", sceneManager);
	if (in->existsAttribute("Time until Deletion (ms)"))
		DelayMs = in->getAttributeAsInt("Time until Deletion (ms)");
}

void CHXActionDeleteSceneNode::writeBinary(CVeskSerializer* writer)
{
	writer->writeInt(Target.NodeId);
	writer->writeBool(Target.UseCurrentNode);
	writer->writeInt(DelayMs);
	writer->writeInt(0);
}

void CHXActionDeleteSceneNode::readBinary(CVeskDeserializer* reader)
{
	Target.NodeId = reader->readInt();
	Target.UseCurrentNode = reader->readBool();
	DelayMs = reader->readInt();
	reader->readInt();
}
