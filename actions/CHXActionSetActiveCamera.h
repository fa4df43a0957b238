#ifndef HX_C_HX_ACTION_SET_ACTIVE_CAMERA_H
#define HX_C_HX_ACTION_SET_ACTIVE_CAMERA_H

#include "actions/IHXAction.h"

//! Asks the player to make a camera of the scene the active one.
class CHXActionSetActiveCamera : public IHXAction
{
public:
	CHXActionSetActiveCamera() : CameraNodeId(-1) {}

	virtual irr::s32 getType() const;
	virtual IHXAction* clone() const;
	virtual void execute(irr::scene::ISceneNode* currentNode, irr::scene::ISceneManager* sceneManager);
	virtual void serializeAttributes(irr::io::IAttributes* out, irr::scene::ISceneManager* sceneManager) const;
	virtual void deserializeAttributes(irr::io::IAttributes* in, irr::scene::ISceneManager* sceneManager);
	virtual void replaceSceneNodeId(irr::s32 oldId, irr::s32 newId);
	virtual void writeBinary(CVeskSerializer* writer);
	virtual void readBinary(CVeskDeserializer* reader);

	irr::s32 CameraNodeId;
};

#endif
