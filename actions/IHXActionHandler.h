#ifndef HX_I_HX_ACTION_HANDLER_H
#define HX_I_HX_ACTION_HANDLER_H

#include "document/IVeskSerializationSupport.h"

#include <IReferenceCounted.h>

namespace irr
{
namespace scene
{
class ISceneManager;
class ISceneNode;
}
}

class IHXAction;

//! An ordered list of actions that its owner runs when its trigger fires. The list owns its
//! actions (one reference each).
class IHXActionHandler : public virtual irr::IReferenceCounted, public IVeskSerializationSupport
{
public:
	virtual ~IHXActionHandler() {}

	//! A new list (one reference for the caller) holding a clone of every action.
	virtual IHXActionHandler* clone() const = 0;
	//! Runs every action in order with the owner's node and scene manager. The list, the node
	//! and the scene manager stay alive until the run ends, whatever the actions do.
	virtual void runActions(irr::scene::ISceneNode* currentNode, irr::scene::ISceneManager* sceneManager) = 0;
	virtual irr::s32 getActionCount() const = 0;
	//! Null for an index out of range.
	virtual IHXAction* getAction(irr::s32 index) const = 0;
	//! Appends and grabs; null is ignored.
	virtual void addAction(IHXAction* action) = 0;
	//! Out of range is ignored.
	virtual void removeActionAt(irr::s32 index) = 0;
	//! The first element equal to action; not found is ignored.
	virtual void removeAction(IHXAction* action) = 0;
	//! The first action of that type, or null. Lists held by actions are not searched.
	virtual IHXAction* getActionOfType(irr::s32 type) const = 0;
	//! Inserts before index and grabs; null is ignored.
	virtual void insertAction(IHXAction* action, irr::s32 index) = 0;
	//! A new action of that type with its defaults (one reference for the caller), or null for
	//! an unknown type or one this player cannot carry out.
	virtual IHXAction* createAction(irr::s32 type) const = 0;
	virtual void replaceSceneNodeId(irr::s32 oldId, irr::s32 newId) = 0;
};

#endif
