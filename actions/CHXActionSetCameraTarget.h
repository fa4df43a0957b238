#ifndef HX_C_HX_ACTION_SET_CAMERA_TARGET_H
#define HX_C_HX_ACTION_SET_CAMERA_TARGET_H

#include "actions/IHXAction.h"
#include "actions/SHXNodeReference.h"

#include <vector3d.h>

//! Points a camera at a position, at an offset from itself or from another node; at once or
//! over a time.
class CHXActionSetCameraTarget : public IHXAction
{
public:
	enum E_MODE
	{
		EM_SET_FIXED = 0,
		EM_MOVE_BY_VECTOR = 1,
		EM_RELATIVE_TO_NODE = 2
	};

	CHXActionSetCameraTarget() : Mode(EM_SET_FIXED), Animated(0), TimeMs(1000) {}

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
	irr::core::vector3df Vector;
	SHXNodeReference Relative;
	//! Bit 0: move the target over TimeMs.
	irr::s32 Animated;
	irr::s32 TimeMs;
};

#endif
