#ifndef HX_C_HX_ACTION_SET_OVERLAY_TEXT_H
#define HX_C_HX_ACTION_SET_OVERLAY_TEXT_H

#include "actions/IHXAction.h"
#include "actions/SHXNodeReference.h"

#include <irrString.h>

//! The text an overlay node is to show. The player has no overlay node yet, so running it
//! changes nothing; documents load and save it unchanged.
class CHXActionSetOverlayText : public IHXAction
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
	irr::core::stringc Text;
};

#endif
