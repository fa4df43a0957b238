#ifndef HX_C_HX_ACTION_RESTART_BEHAVIORS_H
#define HX_C_HX_ACTION_RESTART_BEHAVIORS_H

#include "actions/IHXAction.h"
#include "actions/SHXNodeReference.h"

//! Starts the behaviours of a node over: each returns to its state just after loading and
//! keeps its configuration. The engine's own animators are left as they are; children are
//! not affected.
class CHXActionRestartBehaviors : public IHXAction
{
public:
	virtual irr::s32 getType() const;
	virtual IHXAction* clone() const;
	virtual void execute(irr::scene::ISceneNode* currentNode, irr::scene::ISceneManager* sceneManager);
	virtual void serializeAttributes(irr::io::IAttributes* out, irr::scene::ISceneManager* sceneManager) const;
	virtual void deserializeAttributes(irr::io::IAttributes* in, irr::scene::ISceneManager* sceneManager);
	virtual void replaceSceneNodeId(irr::s32 oldId, irr::s32 newId) { Target.replaceSceneNodeId(oldId, newId); }
	virtual void writeBinary(CVeskSerializer* writer);
	virtual void readBinary(CVeskDeserializer* reader);

	SHXNodeReference Target;
};

#endif
