#include "actions/veskVariableOperand.h"

#include "actions/CVeskVariable.h"
#include "player/IHXControlInterface.h"

using namespace irr;

IHXVariable* getVariableOperand(IHXControlInterface* control, s32 valueType, const core::stringc& value)
{
	if (valueType == EHVT_VARIABLE)
		return control->getVariable(value.c_str(), false);
	CVeskVariable* constant = new CVeskVariable();
	constant->setValueAsString(value.c_str());
	return constant;
}
