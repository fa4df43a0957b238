#ifndef HX_C_HX_ACTION_MAKE_SCENE_NODE_INVISIBLE_H
#define HX_C_HX_ACTION_MAKE_SCENE_NODE_INVISIBLE_H

#include "actions/IHXAction.h"
#include "actions/SHXNodeReference.h"

//! Hides, shows or toggles a node.
class CHXActionMakeSceneNodeInvisible : public IHXAction
{
public:
	enum E_MODE
	{
		EM_MAKE_INVISIBLE = 0,
		EM_MAKE_VISIBLE = 1,
		EM_TOGGLE = 2
	};

	CHXActionMakeSceneNodeInvisible() : Mode(EM_TOGGLE) {}

	virtual irr::s32 getType() const;
	virtual IHXAction* clone() const;
	virtual void execute(irr::scene::ISceneNode* currentNode, irr::scene::ISceneManager* sceneManager);
	virtual void serializeAttributes(irr::io::IAttributes* out, irr::scene::ISceneManager* sceneManager) const;
	virtual void deserializeAttributes(irr::io::IAttributes* in, irr::scene::ISceneManager* sceneManager);
	virtual void replaceSceneNodeId(irr::s32 oldId, irr::s32 newId) { Target.replaceSceneNodeId(oldId, newId); }
	virtual void writeBinary(CVeskSerializer* writer);
	virtual void readBinary(CVeskDeserializer* reader);

	irr::s32 Mode;
	SHXNodeReference Target;

protected:
	void copyTo(CHXActionMakeSceneNodeInvisible* other) const;
};

#endif
