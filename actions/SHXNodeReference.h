#ifndef HX_S_HX_NODE_REFERENCE_H
#define HX_S_HX_NODE_REFERENCE_H

#include <irrTypes.h>

namespace irr
{
namespace io
{
class IAttributes;
}
namespace scene
{
class ISceneManager;
class ISceneNode;
}
}

//! The node an action works on: the node the list runs for, or a node by id (-1: none).
struct SHXNodeReference
{
	SHXNodeReference() : NodeId(-1), UseCurrentNode(false) {}

	//! The current node, or the node of that id; null when there is none.
	irr::scene::ISceneNode* resolve(irr::scene::ISceneNode* currentNode, irr::scene::ISceneManager* sceneManager) const;
	void replaceSceneNodeId(irr::s32 oldId, irr::s32 newId)
	{
		if (NodeId == oldId)
			NodeId = newId;
	}

	//! The editor property: the node's name, or CURRENT_NODE_NAME.
	void serializeAttribute(irr::io::IAttributes* out, const irr::c8* name, irr::scene::ISceneManager* sceneManager) const;
	//! A name no node has makes the reference point nowhere.
	void deserializeAttribute(irr::io::IAttributes* in, const irr::c8* name, irr::scene::ISceneManager* sceneManager);

	static const irr::c8* const CURRENT_NODE_NAME;

	irr::s32 NodeId;
	bool UseCurrentNode;
};

#endif
