#include "actions/CHXActionCloneSceneNode.h"

#include "actions/CHXActionHandler.h"
#include "actions/veskFreshNodeIds.h"
#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "document/veskTypeCodes.h"

#include <IAnimatedMeshSceneNode.h>
#include <IAttributes.h>
#include <IMeshSceneNode.h>
#include <ISceneManager.h>
#include <ITriangleSelector.h>

using namespace irr;

CHXActionCloneSceneNode::~CHXActionCloneSceneNode()
{
	setActions(0);
}

s32 CHXActionCloneSceneNode::getType() const
{
	return EHAT_CLONE_SCENE_NODE;
}

IHXAction* CHXActionCloneSceneNode::clone() const
{
	CHXActionCloneSceneNode* copy = new CHXActionCloneSceneNode();
	copy->Target = Target;
	if (Actions)
	{
		IHXActionHandler* actions = Actions->clone();
		copy->setActions(actions);
		actions->drop();
	}
	return copy;
}

void CHXActionCloneSceneNode::setActions(IHXActionHandler* actions)
{
	if (actions)
		actions->grab();
	if (Actions)
		Actions->drop();
	Actions = actions;
}

void CHXActionCloneSceneNode::execute(scene::ISceneNode* currentNode, scene::ISceneManager* sceneManager)
{
	if (!currentNode || !sceneManager)
		return;
	scene::ISceneNode* source = Target.resolve(currentNode, sceneManager);
	// The root is the scene manager itself and cannot be copied.
	if (!source || source == sceneManager->getRootSceneNode())
		return;
	scene::ISceneNode* copy = source->clone();
	if (!copy)
		return;
	// The parent holds the copy; the list below may delete it, so it is held for this run.
	copy->grab();
	copy->setVisible(true);
	giveFreshNodeIds(source, copy, sceneManager);
	copySelector(source, copy, sceneManager);
	if (Actions)
		Actions->runActions(copy, sceneManager);
	copy->drop();
}

void CHXActionCloneSceneNode::copySelector(scene::ISceneNode* source, scene::ISceneNode* copy,
	scene::ISceneManager* sceneManager) const
{
	if (!source->getTriangleSelector())
		return;
	// The engine's selectors cannot be copied: the copy's selector is built the same way from
	// the copy's own geometry.
	scene::ITriangleSelector* selector = 0;
	const u32 type = copy->getType();
	if (type == scene::ESNT_MESH || type == VESK_NODE_MESH)
		selector = sceneManager->createTriangleSelector(static_cast<scene::IMeshSceneNode*>(copy)->getMesh(), copy);
	else if (type == scene::ESNT_ANIMATED_MESH)
		selector = sceneManager->createTriangleSelector(static_cast<scene::IAnimatedMeshSceneNode*>(copy));
	else
		selector = sceneManager->createTriangleSelectorFromBoundingBox(copy);
	if (!selector)
		return;
	copy->setTriangleSelector(selector);
	selector->drop();
}

void CHXActionCloneSceneNode::serializeAttributes(io::IAttributes* out, scene::ISceneManager* sceneManager) const
{
	// The list behind "Action to do with clone" is edited as a list, not as an attribute.
	Target.serializeAttribute(out, "Clone which SceneNode", sceneManager);
}

void CHXActionCloneSceneNode::deserializeAttributes(io::IAttributes* in, scene::ISceneManager* sceneManager)
{
	Target.deserializeAttribute(in, "Clone which SceneNode", sceneManager);
}

void CHXActionCloneSceneNode::writeBinary(CVeskSerializer* writer)
{
	writer->writeInt(Target.NodeId);
	writer->writeBool(Target.UseCurrentNode);
	writer->writeInt(0);
	CHXActionHandler::writeOptional(writer, Actions);
}

void CHXActionCloneSceneNode::readBinary(CVeskDeserializer* reader)
{
	Target.NodeId = reader->readInt();
	Target.UseCurrentNode = reader->readBool();
	reader->readInt();
	CHXActionHandler* actions = CHXActionHandler::readOptional(reader);
	setActions(actions);
	if (actions)
		actions->drop();
}
