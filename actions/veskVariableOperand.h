#ifndef HX_VESK_VARIABLE_OPERAND_H
#define HX_VESK_VARIABLE_OPERAND_H

#include <irrString.h>

class IHXControlInterface;
class IHXVariable;

//! How the variable actions read their second operand.
enum E_HX_VALUE_TYPE
{
	//! The text is a constant.
	EHVT_VALUE = 0,
	//! The text names another variable.
	EHVT_VARIABLE = 1
};

//! The second operand (one reference for the caller): the variable named by value, or a
//! temporary string holding value. Null when the named variable does not exist.
IHXVariable* getVariableOperand(IHXControlInterface* control, irr::s32 valueType, const irr::core::stringc& value);

#endif
