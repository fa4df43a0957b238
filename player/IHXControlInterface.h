#ifndef HX_I_HX_CONTROL_INTERFACE_H
#define HX_I_HX_CONTROL_INTERFACE_H

#include <irrTypes.h>

namespace irr
{
namespace scene
{
class ISceneNode;
class ISceneNodeAnimator;
}
}

class IHXVariable;

//! What behaviours, actions and scripts may ask of the running application. The player
//! implements it; they reach it through the services object.
class IHXControlInterface
{
public:
	virtual ~IHXControlInterface() {}

	//! Makes the first scene of exactly that name current; unknown names are reported.
	virtual void switchToScene(const irr::c8* name) = 0;
	//! Rebuilds that scene from the document file; makes it current again when it was.
	virtual void reloadScene(const irr::c8* name) = 0;
	//! Replaces the document with the one in that file and starts its start scene.
	virtual void switchToDocumentFile(const irr::c8* path) = 0;
	//! The camera becomes active at the end of the frame, once it is in the current scene.
	virtual void setActiveCamera(irr::scene::ISceneNode* camera) = 0;
	//! One reference for the caller, or null.
	virtual IHXVariable* getVariable(const irr::c8* name, bool create) = 0;
	//! Writes a variable bound to a node property back to the node.
	virtual void variableChanged(IHXVariable* variable) = 0;
	//! Loads the variable from, or stores it in, the application's persistent store.
	virtual void storeOrLoadVariable(IHXVariable* variable, bool load) = 0;
	//! Holds an extension-script behaviour for the script functions; anything else holds none.
	virtual void setCurrentScriptBehaviour(irr::scene::ISceneNodeAnimator* behaviour) = 0;
	//! The node whose script is running (not grabbed).
	virtual void setScriptCurrentNode(irr::scene::ISceneNode* node) = 0;
	virtual irr::scene::ISceneNode* getScriptCurrentNode() = 0;
};

#endif
