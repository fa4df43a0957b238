#ifndef HX_C_HX_ACTION_DELETE_SCENE_NODE_H
#define HX_C_HX_ACTION_DELETE_SCENE_NODE_H

#include "actions/IHXAction.h"
#include "actions/SHXNodeReference.h"

//! Removes a node from its scene after a delay. The node goes through the scene's deletion
//! queue, so it stays valid for the rest of the running list.
class CHXActionDeleteSceneNode : public IHXAction
{
public:
	CHXActionDeleteSceneNode() : DelayMs(0) {}

	virtual irr::s32 getType() const;
	virtual IHXAction* clone() const;
	virtual void execute(irr::scene::ISceneNode* currentNode, irr::scene::ISceneManager* sceneManager);
	virtual void serializeAttributes(irr::io::IAttributes* out, irr::scene::ISceneManager* sceneManager) const;
	virtual void deserializeAttributes(irr::io::IAttributes* in, irr::scene::ISceneManager* sceneManager);
	virtual void replaceSceneNodeId(irr::s32 oldId, irr::s32 newId) { Target.replaceSceneNodeId(oldId, newId); }
	virtual void writeBinary(CVeskSerializer* writer);
	virtual void readBinary(CVeskDeserializer* reader);

	SHXNodeReference Target;
	irr::s32 DelayMs;
};

#endif
