#ifndef HX_C_HX_ACTION_SET_OR_CHANGE_A_VARIABLE_H
#define HX_C_HX_ACTION_SET_OR_CHANGE_A_VARIABLE_H

#include "actions/IHXAction.h"

#include <irrString.h>

//! Sets a variable to a value or another variable, or does arithmetic on it. An unknown
//! variable is created.
class CHXActionSetOrChangeAVariable : public IHXAction
{
public:
	enum E_OPERATION
	{
		EO_SET = 0,
		EO_ADD = 1,
		EO_SUBTRACT = 2,
		EO_DIVIDE = 3,
		EO_DIVIDE_INTEGER = 4,
		EO_MULTIPLY = 5,
		EO_MULTIPLY_INTEGER = 6
	};

	CHXActionSetOrChangeAVariable() : Operation(EO_SET), ValueType(0), Value("0") {}

	virtual irr::s32 getType() const;
	virtual IHXAction* clone() const;
	virtual void execute(irr::scene::ISceneNode* currentNode, irr::scene::ISceneManager* sceneManager);
	virtual void serializeAttributes(irr::io::IAttributes* out, irr::scene::ISceneManager* sceneManager) const;
	virtual void deserializeAttributes(irr::io::IAttributes* in, irr::scene::ISceneManager* sceneManager);
	virtual void replaceSceneNodeId(irr::s32 oldId, irr::s32 newId) {}
	virtual void writeBinary(CVeskSerializer* writer);
	virtual void readBinary(CVeskDeserializer* reader);

	irr::core::stringc VariableName;
	irr::s32 Operation;
	//! E_HX_VALUE_TYPE.
	irr::s32 ValueType;
	irr::core::stringc Value;
};

#endif
