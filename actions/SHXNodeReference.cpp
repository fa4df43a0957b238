#include "actions/SHXNodeReference.h"

#include <IAttributes.h>
#include <ISceneManager.h>
#include <ISceneNode.h>

using namespace irr;

const c8* const SHXNodeReference::CURRENT_NODE_NAME = "[the current scene node]";

scene::ISceneNode* SHXNodeReference::resolve(scene::ISceneNode* currentNode, scene::ISceneManager* sceneManager) const
{
	if (UseCurrentNode)
		return currentNode;
	// Nodes without an id carry -1 as well, so -1 must not find them.
	if (NodeId == -1 || !sceneManager)
		return 0;
	return sceneManager->getSceneNodeFromId(NodeId);
}

void SHXNodeReference::serializeAttribute(io::IAttributes* out, const c8* name, scene::ISceneManager* sceneManager) const
{
	if (UseCurrentNode)
	{
		out->addString(name, CURRENT_NODE_NAME);
		return;
	}
	scene::ISceneNode* node = resolve(0, sceneManager);
	out->addString(name, node ? node->getName() : "");
}

void SHXNodeReference::deserializeAttribute(io::IAttributes* in, const c8* name, scene::ISceneManager* sceneManager)
{
	if (!in->existsAttribute(name))
		return;
	const core::stringc value = in->getAttributeAsString(name);
	UseCurrentNode = value == CURRENT_NODE_NAME;
	if (UseCurrentNode)
		return;
	scene::ISceneNode* node = sceneManager && value.size() ? sceneManager->getSceneNodeFromName(value.c_str()) : 0;
	NodeId = node ? node->getID() : -1;
}
