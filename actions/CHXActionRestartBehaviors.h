#ifndef HX_C_HX_ACTION_RESTART_BEHAVIORS_H
#define HX_C_HX_ACTION_RESTART_BEHAVIORS_H

#include "actions/IHXAction.h"
#include "actions/SHXNodeReference.h"

//! Names the node whose behaviours are to start over. The engine's animators cannot be
//! restarted and the player's behaviours cannot be asked to yet, so running it changes nothing;
//! documents load and save it unchanged.
class CHXActionRestartBehaviors : public IHXAction
{
public:
	virtual irr::s32 getType() const;
	virtual IHXAction* clone() const;
	virtual void execute(irr::scene::ISceneNode* currentNode, irr::scene::ISceneManager* sceneManager) {}
	virtual void serializeAttributes(irr::io::IAttributes* out, irr::scene::ISceneManager* sceneManager) const;
	virtual void deserializeAttributes(irr::io::IAttributes* in, irr::scene::ISceneManager* sceneManager);
	virtual void replaceSceneNodeId(irr::s32 oldId, irr::s32 newId) { Target.replaceSceneNodeId(oldId, newId); }
	virtual void writeBinary(CVeskSerializer* writer);
	virtual void readBinary(CVeskDeserializer* reader);

	SHXNodeReference Target;
};

#endif
