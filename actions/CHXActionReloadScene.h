#ifndef HX_C_HX_ACTION_RELOAD_SCENE_H
#define HX_C_HX_ACTION_RELOAD_SCENE_H

#include "actions/IHXAction.h"

#include <irrString.h>

//! Rebuilds the scene of that name from the document; it stays current when it was.
class CHXActionReloadScene : public IHXAction
{
public:
	virtual irr::s32 getType() const;
	virtual IHXAction* clone() const;
	virtual void execute(irr::scene::ISceneNode* currentNode, irr::scene::ISceneManager* sceneManager);
	virtual void serializeAttributes(irr::io::IAttributes* out, irr::scene::ISceneManager* sceneManager) const;
	virtual void deserializeAttributes(irr::io::IAttributes* in, irr::scene::ISceneManager* sceneManager);
	virtual void replaceSceneNodeId(irr::s32 oldId, irr::s32 newId) {}
	virtual void writeBinary(CVeskSerializer* writer);
	virtual void readBinary(CVeskDeserializer* reader);

	irr::core::stringc SceneName;
};

#endif
