#ifndef HX_C_HX_ACTION_QUIT_APPLICATION_H
#define HX_C_HX_ACTION_QUIT_APPLICATION_H

#include "actions/IHXAction.h"

#include <IrrlichtDevice.h>

//! Closes the device that the list handed it, which ends the player.
class CHXActionQuitApplication : public IHXAction
{
public:
	//! The device may be null (the action then does nothing); it is not grabbed.
	explicit CHXActionQuitApplication(irr::IrrlichtDevice* device) : Device(device) {}

	virtual irr::s32 getType() const;
	virtual IHXAction* clone() const;
	//! Needs neither a current node nor a scene manager.
	virtual void execute(irr::scene::ISceneNode* currentNode, irr::scene::ISceneManager* sceneManager);
	virtual void serializeAttributes(irr::io::IAttributes* out, irr::scene::ISceneManager* sceneManager) const {}
	virtual void deserializeAttributes(irr::io::IAttributes* in, irr::scene::ISceneManager* sceneManager) {}
	virtual void replaceSceneNodeId(irr::s32 oldId, irr::s32 newId) {}
	virtual void writeBinary(CVeskSerializer* writer);
	virtual void readBinary(CVeskDeserializer* reader);

	irr::IrrlichtDevice* getDevice() const { return Device; }

private:
	irr::IrrlichtDevice* Device;
};

#endif
