#ifndef HX_C_HX_ACTION_CHANGE_SCENE_NODE_SCALE_H
#define HX_C_HX_ACTION_CHANGE_SCENE_NODE_SCALE_H

#include "actions/IHXAction.h"
#include "actions/SHXNodeReference.h"

#include <vector3d.h>

//! Sets a node's scale, or multiplies it component by component.
class CHXActionChangeSceneNodeScale : public IHXAction
{
public:
	enum E_MODE
	{
		EM_SET_ABSOLUTE = 0,
		EM_SCALE_BY = 1
	};

	CHXActionChangeSceneNodeScale() : Mode(EM_SET_ABSOLUTE) {}

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
	irr::core::vector3df Scale;
};

#endif
