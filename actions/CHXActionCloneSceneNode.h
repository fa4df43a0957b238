#ifndef HX_C_HX_ACTION_CLONE_SCENE_NODE_H
#define HX_C_HX_ACTION_CLONE_SCENE_NODE_H

#include "actions/IHXAction.h"
#include "actions/SHXNodeReference.h"

class IHXActionHandler;

//! Copies a node with its subtree beside it, gives the copies fresh ids and runs its own list
//! with the copy as the current node.
class CHXActionCloneSceneNode : public IHXAction
{
public:
	CHXActionCloneSceneNode() : Actions(0) {}
	virtual ~CHXActionCloneSceneNode();

	virtual irr::s32 getType() const;
	virtual IHXAction* clone() const;
	virtual void execute(irr::scene::ISceneNode* currentNode, irr::scene::ISceneManager* sceneManager);
	virtual void serializeAttributes(irr::io::IAttributes* out, irr::scene::ISceneManager* sceneManager) const;
	virtual void deserializeAttributes(irr::io::IAttributes* in, irr::scene::ISceneManager* sceneManager);
	virtual void replaceSceneNodeId(irr::s32 oldId, irr::s32 newId) { Target.replaceSceneNodeId(oldId, newId); }
	virtual void writeBinary(CVeskSerializer* writer);
	virtual void readBinary(CVeskDeserializer* reader);

	//! Grabs the list (null for none).
	void setActions(IHXActionHandler* actions);
	IHXActionHandler* getActions() const { return Actions; }

	SHXNodeReference Target;

private:
	void copySelector(irr::scene::ISceneNode* source, irr::scene::ISceneNode* copy,
		irr::scene::ISceneManager* sceneManager) const;

	IHXActionHandler* Actions;
};

#endif
