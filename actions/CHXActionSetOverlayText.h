#ifndef HX_C_HX_ACTION_SET_OVERLAY_TEXT_H
#define HX_C_HX_ACTION_SET_OVERLAY_TEXT_H

#include "actions/IHXAction.h"
#include "actions/SHXNodeReference.h"

#include <irrString.h>

class IHXControlInterface;

//! Gives an overlay node a text, with the values of variables put in for "$name$".
class CHXActionSetOverlayText : public IHXAction
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

	//! The text with "$name$" replaced by the value of each variable that exists; the search
	//! goes on one character after an inserted value.
	static irr::core::stringc substituteVariables(const irr::core::stringc& text, IHXControlInterface* control);

	SHXNodeReference Target;
	irr::core::stringc Text;
};

#endif
