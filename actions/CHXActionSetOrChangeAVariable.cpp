#include "actions/CHXActionSetOrChangeAVariable.h"

#include "actions/IHXVariable.h"
#include "actions/veskActionServices.h"
#include "actions/veskVariableOperand.h"
#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "document/veskTypeCodes.h"
#include "player/IHXControlInterface.h"

#include <IAttributes.h>

using namespace irr;

namespace
{

const c8* const OPERATION_NAMES[] = { "Set (=)", "Add (+)", "Substract (-)", "Divide (/)", "Divide integer ((int)/)",
	"Multiply (*)", "Multiply integer ((int)*)", 0 };
const c8* const VALUE_TYPE_NAMES[] = { "Value", "Variable", 0 };

void apply(s32 operation, IHXVariable* target, IHXVariable* source)
{
	const f32 t = target->getValueAsFloat();
	const f32 s = source->getValueAsFloat();
	switch (operation)
	{
	case CHXActionSetOrChangeAVariable::EO_SET:
		target->setValue(source);
		break;
	case CHXActionSetOrChangeAVariable::EO_ADD:
		target->setValueAsFloat(t + s);
		break;
	case CHXActionSetOrChangeAVariable::EO_SUBTRACT:
		target->setValueAsFloat(t - s);
		break;
	case CHXActionSetOrChangeAVariable::EO_DIVIDE:
		target->setValueAsFloat(s == 0.f ? 0.f : t / s);
		break;
	case CHXActionSetOrChangeAVariable::EO_DIVIDE_INTEGER:
		target->setValueAsInt(s == 0.f ? 0 : s32(t / s));
		break;
	case CHXActionSetOrChangeAVariable::EO_MULTIPLY:
		target->setValueAsFloat(t * s);
		break;
	case CHXActionSetOrChangeAVariable::EO_MULTIPLY_INTEGER:
		target->setValueAsInt(s32(t * s));
		break;
	default:
		break;
	}
}

} // end anonymous namespace

s32 CHXActionSetOrChangeAVariable::getType() const
{
	return EHAT_SET_OR_CHANGE_A_VARIABLE;
}

IHXAction* CHXActionSetOrChangeAVariable::clone() const
{
	CHXActionSetOrChangeAVariable* copy = new CHXActionSetOrChangeAVariable();
	copy->VariableName = VariableName;
	copy->Operation = Operation;
	copy->ValueType = ValueType;
	copy->Value = Value;
	return copy;
}

void CHXActionSetOrChangeAVariable::execute(scene::ISceneNode* currentNode, scene::ISceneManager* sceneManager)
{
	if (!currentNode || !sceneManager)
		return;
	IHXControlInterface* control = getActionControlInterface();
	if (!control || VariableName.size() == 0)
		return;
	IHXVariable* target = control->getVariable(VariableName.c_str(), true);
	if (!target)
		return;
	IHXVariable* source = getVariableOperand(control, ValueType, Value);
	if (source)
	{
		apply(Operation, target, source);
		control->variableChanged(target);
		source->drop();
	}
	target->drop();
}

void CHXActionSetOrChangeAVariable::serializeAttributes(io::IAttributes* out, scene::ISceneManager* sceneManager) const
{
	out->addString("VariableName", VariableName.c_str());
	out->addEnum("Operation", Operation >= 0 && Operation <= EO_MULTIPLY_INTEGER ? OPERATION_NAMES[Operation] : "", OPERATION_NAMES);
	out->addEnum("ValueType", ValueType >= 0 && ValueType <= EHVT_VARIABLE ? VALUE_TYPE_NAMES[ValueType] : "", VALUE_TYPE_NAMES);
	out->addString("Value", Value.c_str());
}

void CHXActionSetOrChangeAVariable::deserializeAttributes(io::IAttributes* in, scene::ISceneManager* sceneManager)
{
	if (in->existsAttribute("VariableName"))
		VariableName = in->getAttributeAsString("VariableName");
	if (in->existsAttribute("Operation"))
		Operation = in->getAttributeAsEnumeration("Operation", OPERATION_NAMES);
	if (in->existsAttribute("ValueType"))
		ValueType = in->getAttributeAsEnumeration("ValueType", VALUE_TYPE_NAMES);
	if (in->existsAttribute("Value"))
		Value = in->getAttributeAsString("Value");
}

void CHXActionSetOrChangeAVariable::writeBinary(CVeskSerializer* writer)
{
	writer->writeInt(0);
	writer->writeString(VariableName);
	writer->writeInt(Operation);
	writer->writeInt(ValueType);
	writer->writeString(Value);
}

void CHXActionSetOrChangeAVariable::readBinary(CVeskDeserializer* reader)
{
	reader->readInt();
	reader->readString(VariableName);
	Operation = reader->readInt();
	ValueType = reader->readInt();
	reader->readString(Value);
}
