#ifndef HX_I_HX_ACTION_H
#define HX_I_HX_ACTION_H

#include "document/IVeskSerializationSupport.h"

#include <IReferenceCounted.h>

namespace irr
{
namespace io
{
class IAttributes;
}
namespace scene
{
class ISceneManager;
class ISceneNode;
}
}

//! One step of an action list. Every execute does nothing when it is handed no current node or
//! no scene manager.
class IHXAction : public virtual irr::IReferenceCounted, public IVeskSerializationSupport
{
public:
	virtual ~IHXAction() {}

	//! The stored type number (E_HX_ACTION_TYPE).
	virtual irr::s32 getType() const = 0;
	//! A new action (one reference for the caller) with the same configuration.
	virtual IHXAction* clone() const = 0;
	virtual void execute(irr::scene::ISceneNode* currentNode, irr::scene::ISceneManager* sceneManager) = 0;
	//! The editor properties.
	virtual void serializeAttributes(irr::io::IAttributes* out, irr::scene::ISceneManager* sceneManager) const = 0;
	virtual void deserializeAttributes(irr::io::IAttributes* in, irr::scene::ISceneManager* sceneManager) = 0;
	//! Every stored node id equal to oldId becomes newId.
	virtual void replaceSceneNodeId(irr::s32 oldId, irr::s32 newId) = 0;
};

#endif
