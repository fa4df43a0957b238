#ifndef HX_EDRIX_SERVICES_H
#define HX_EDRIX_SERVICES_H

#include <IReferenceCounted.h>
#include <IrrlichtDevice.h>

class CVeskDocument;
class IHXControlInterface;

namespace irr
{
namespace edrix
{

//! The services that behaviours, actions and scripts find without knowing the player.
class EdrixServices : public virtual IReferenceCounted
{
public:
	virtual ~EdrixServices() {}

	virtual void setDocument(CVeskDocument* document) = 0;
	virtual CVeskDocument* getDocument() = 0;
	virtual IHXControlInterface* getControlInterface() = 0;
	virtual void setControlInterface(IHXControlInterface* controlInterface) = 0;
	virtual IrrlichtDevice* getDevice() = 0;
};

} // end namespace edrix
} // end namespace irr

#endif
