#ifndef HX_C_HX_ACTION_CHANGE_SCENE_NODE_POSITION_H
#define HX_C_HX_ACTION_CHANGE_SCENE_NODE_POSITION_H

#include "actions/IHXAction.h"
#include "actions/SHXNodeReference.h"

#include <vector3d.h>

//! Places a node: at a position, by a vector, relative to another node, forward, at random in a
//! box or relative to the last bullet impact; at once or over a time.
class CHXActionChangeSceneNodePosition : public IHXAction
{
public:
	enum E_MODE
	{
		EM_SET_FIXED = 0,
		EM_MOVE_BY_VECTOR = 1,
		EM_RELATIVE_TO_NODE = 2,
		EM_MOVE_FORWARD = 3,
		EM_RANDOM_IN_AREA = 4,
		EM_RELATIVE_TO_BULLET_IMPACT = 5
	};

	CHXActionChangeSceneNodePosition() : Mode(EM_SET_FIXED), Animated(0), TimeMs(1000) {}

	virtual irr::s32 getType() const;
	virtual IHXAction* clone() const;
	virtual void execute(irr::scene::ISceneNode* currentNode, irr::scene::ISceneManager* sceneManager);
	virtual void serializeAttributes(irr::io::IAttributes* out, irr::scene::ISceneManager* sceneManager) const;
	virtual void deserializeAttributes(irr::io::IAttributes* in, irr::scene::ISceneManager* sceneManager);
	virtual void replaceSceneNodeId(irr::s32 oldId, irr::s32 newId);
	virtual void writeBinary(CVeskSerializer* writer);
	virtual void readBinary(CVeskDeserializer* reader);

	irr::s32 Mode;
	SHXNodeReference Target;
	//! The position, the offset or the first corner of the area.
	irr::core::vector3df Vector;
	irr::core::vector3df MaxPosition;
	SHXNodeReference Relative;
	//! Bit 0: move over TimeMs.
	irr::s32 Animated;
	irr::s32 TimeMs;

private:
	irr::core::vector3df computePosition(irr::scene::ISceneNode* node, irr::scene::ISceneNode* currentNode,
		irr::scene::ISceneManager* sceneManager) const;
};

#endif
