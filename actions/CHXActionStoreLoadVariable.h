#ifndef HX_C_HX_ACTION_STORE_LOAD_VARIABLE_H
#define HX_C_HX_ACTION_STORE_LOAD_VARIABLE_H

#include "actions/IHXAction.h"

#include <irrString.h>

//! Keeps a variable in the application's persistent store, or loads it from there.
class CHXActionStoreLoadVariable : public IHXAction
{
public:
	CHXActionStoreLoadVariable() : Load(true) {}

	virtual irr::s32 getType() const;
	virtual IHXAction* clone() const;
	virtual void execute(irr::scene::ISceneNode* currentNode, irr::scene::ISceneManager* sceneManager);
	virtual void serializeAttributes(irr::io::IAttributes* out, irr::scene::ISceneManager* sceneManager) const;
	virtual void deserializeAttributes(irr::io::IAttributes* in, irr::scene::ISceneManager* sceneManager);
	virtual void replaceSceneNodeId(irr::s32 oldId, irr::s32 newId) {}
	virtual void writeBinary(CVeskSerializer* writer);
	virtual void readBinary(CVeskDeserializer* reader);

	irr::core::stringc VariableName;
	bool Load;
};

#endif
