#ifndef HX_C_HX_ACTION_SET_SCENE_NODE_ANIMATION_H
#define HX_C_HX_ACTION_SET_SCENE_NODE_ANIMATION_H

#include "actions/IHXAction.h"
#include "actions/SHXNodeReference.h"

#include <irrString.h>

//! Plays a named animation of a skinned animated mesh node, all its frames ("All") or none
//! ("None").
class CHXActionSetSceneNodeAnimation : public IHXAction
{
public:
	CHXActionSetSceneNodeAnimation() : Loop(false), AnimationName("All") {}

	virtual irr::s32 getType() const;
	virtual IHXAction* clone() const;
	virtual void execute(irr::scene::ISceneNode* currentNode, irr::scene::ISceneManager* sceneManager);
	virtual void serializeAttributes(irr::io::IAttributes* out, irr::scene::ISceneManager* sceneManager) const;
	virtual void deserializeAttributes(irr::io::IAttributes* in, irr::scene::ISceneManager* sceneManager);
	virtual void replaceSceneNodeId(irr::s32 oldId, irr::s32 newId) { Target.replaceSceneNodeId(oldId, newId); }
	virtual void writeBinary(CVeskSerializer* writer);
	virtual void readBinary(CVeskDeserializer* reader);

	SHXNodeReference Target;
	bool Loop;
	irr::core::stringc AnimationName;
};

#endif
