#ifndef HX_C_HX_ACTION_OPEN_WEBPAGE_H
#define HX_C_HX_ACTION_OPEN_WEBPAGE_H

#include "actions/IHXAction.h"

#include <irrString.h>

//! A web address the author attached. This player opens no web pages: the address and window
//! target are kept only so that documents load and save them.
class CHXActionOpenWebpage : public IHXAction
{
public:
	CHXActionOpenWebpage() : Url("http://"), Target("_blank") {}

	virtual irr::s32 getType() const;
	virtual IHXAction* clone() const;
	virtual void execute(irr::scene::ISceneNode* currentNode, irr::scene::ISceneManager* sceneManager) {}
	virtual void serializeAttributes(irr::io::IAttributes* out, irr::scene::ISceneManager* sceneManager) const;
	virtual void deserializeAttributes(irr::io::IAttributes* in, irr::scene::ISceneManager* sceneManager);
	virtual void replaceSceneNodeId(irr::s32 oldId, irr::s32 newId) {}
	virtual void writeBinary(CVeskSerializer* writer);
	virtual void readBinary(CVeskDeserializer* reader);

	irr::core::stringc Url;
	irr::core::stringc Target;
};

#endif
