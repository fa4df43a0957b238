#ifndef HX_C_EDRIX_SERVICES_H
#define HX_C_EDRIX_SERVICES_H

#include "player/EdrixServices.h"

//! The process-wide services object. The player makes it at start-up and drops it last but
//! a few; getEdrixServices answers null before and after.
class CEdrixServices : public irr::edrix::EdrixServices
{
public:
	//! Grabs the device.
	explicit CEdrixServices(irr::IrrlichtDevice* device);
	virtual ~CEdrixServices();

	virtual void setDocument(CVeskDocument* document) { Document = document; }
	virtual CVeskDocument* getDocument() { return Document; }
	virtual IHXControlInterface* getControlInterface() { return ControlInterface; }
	virtual void setControlInterface(IHXControlInterface* controlInterface) { ControlInterface = controlInterface; }
	virtual irr::IrrlichtDevice* getDevice() { return Device; }

private:
	irr::IrrlichtDevice* Device;
	//! Neither is grabbed: the player owns both and outlives the services' use of them.
	CVeskDocument* Document;
	IHXControlInterface* ControlInterface;
};

//! The services object of this process, or null.
CEdrixServices* getEdrixServices();

#endif
