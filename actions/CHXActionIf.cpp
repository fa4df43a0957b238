#include "actions/CHXActionIf.h"

#include "actions/CHXActionHandler.h"
#include "actions/IHXVariable.h"
#include "actions/veskActionServices.h"
#include "actions/veskVariableOperand.h"
#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "document/veskTypeCodes.h"
#include "player/IHXControlInterface.h"

#include <IAttributes.h>

#include <cmath>

using namespace irr;

namespace
{

const c8* const CONDITION_NAMES[] = { "Is equal to (=)", "Is not equal to (<>)", "Is bigger than (>)",
	"Is smaller than (<)", 0 };
const c8* const VALUE_TYPE_NAMES[] = { "Value", "Variable", 0 };

void replaceList(IHXActionHandler*& held, IHXActionHandler* actions)
{
	if (actions)
		actions->grab();
	if (held)
		held->drop();
	held = actions;
}

IHXActionHandler* cloneList(const IHXActionHandler* list)
{
	return list ? list->clone() : 0;
}

bool compare(s32 condition, IHXVariable* a, IHXVariable* b)
{
	switch (condition)
	{
	case CHXActionIf::EC_EQUAL:
	case CHXActionIf::EC_NOT_EQUAL:
	{
		bool equal;
		if (a->isString() && b->isString())
			equal = core::stringc(a->getValueAsString()) == b->getValueAsString();
		else
			equal = std::fabs(b->getValueAsFloat() - a->getValueAsFloat()) <= 0.000001f;
		return condition == CHXActionIf::EC_EQUAL ? equal : !equal;
	}
	case CHXActionIf::EC_BIGGER:
		return a->getValueAsFloat() > b->getValueAsFloat();
	case CHXActionIf::EC_SMALLER:
		return a->getValueAsFloat() < b->getValueAsFloat();
	default:
		return false;
	}
}

} // end anonymous namespace

CHXActionIf::~CHXActionIf()
{
	setThenActions(0);
	setElseActions(0);
}

s32 CHXActionIf::getType() const
{
	return EHAT_IF;
}

IHXAction* CHXActionIf::clone() const
{
	CHXActionIf* copy = new CHXActionIf();
	copy->VariableName = VariableName;
	copy->Condition = Condition;
	copy->ValueType = ValueType;
	copy->Value = Value;
	IHXActionHandler* thenActions = cloneList(ThenActions);
	IHXActionHandler* elseActions = cloneList(ElseActions);
	copy->setThenActions(thenActions);
	copy->setElseActions(elseActions);
	if (thenActions)
		thenActions->drop();
	if (elseActions)
		elseActions->drop();
	return copy;
}

void CHXActionIf::setThenActions(IHXActionHandler* actions)
{
	replaceList(ThenActions, actions);
}

void CHXActionIf::setElseActions(IHXActionHandler* actions)
{
	replaceList(ElseActions, actions);
}

bool CHXActionIf::evaluate(bool& result) const
{
	IHXControlInterface* control = getActionControlInterface();
	if (!control || VariableName.size() == 0)
		return false;
	IHXVariable* a = control->getVariable(VariableName.c_str(), true);
	if (!a)
		return false;
	IHXVariable* b = getVariableOperand(control, ValueType, Value);
	if (b)
	{
		result = compare(Condition, a, b);
		b->drop();
	}
	a->drop();
	return b != 0;
}

void CHXActionIf::execute(scene::ISceneNode* currentNode, scene::ISceneManager* sceneManager)
{
	if (!currentNode || !sceneManager)
		return;
	bool result = false;
	if (!evaluate(result))
		return;
	IHXActionHandler* actions = result ? ThenActions : ElseActions;
	if (actions)
		actions->runActions(currentNode, sceneManager);
}

void CHXActionIf::serializeAttributes(io::IAttributes* out, scene::ISceneManager* sceneManager) const
{
	// "Action" and "Else" are lists, edited as lists and not as attributes.
	out->addString("VariableName", VariableName.c_str());
	out->addEnum("If", Condition >= 0 && Condition <= EC_SMALLER ? CONDITION_NAMES[Condition] : "", CONDITION_NAMES);
	out->addEnum("ValueType", ValueType >= 0 && ValueType <= EHVT_VARIABLE ? VALUE_TYPE_NAMES[ValueType] : "", VALUE_TYPE_NAMES);
	out->addString("Value", Value.c_str());
}

void CHXActionIf::deserializeAttributes(io::IAttributes* in, scene::ISceneManager* sceneManager)
{
	if (in->existsAttribute("VariableName"))
		VariableName = in->getAttributeAsString("VariableName");
	if (in->existsAttribute("If"))
		Condition = in->getAttributeAsEnumeration("If", CONDITION_NAMES);
	if (in->existsAttribute("ValueType"))
		ValueType = in->getAttributeAsEnumeration("ValueType", VALUE_TYPE_NAMES);
	if (in->existsAttribute("Value"))
		Value = in->getAttributeAsString("Value");
}

void CHXActionIf::writeBinary(CVeskSerializer* writer)
{
	writer->writeInt(FORMAT_WITH_ELSE);
	writer->writeString(VariableName);
	writer->writeInt(Condition);
	writer->writeInt(ValueType);
	writer->writeString(Value);
	CHXActionHandler::writeOptional(writer, ThenActions);
	CHXActionHandler::writeOptional(writer, ElseActions);
}

void CHXActionIf::readBinary(CVeskDeserializer* reader)
{
	const s32 format = reader->readInt();
	reader->readString(VariableName);
	Condition = reader->readInt();
	ValueType = reader->readInt();
	reader->readString(Value);
	CHXActionHandler* thenActions = CHXActionHandler::readOptional(reader);
	setThenActions(thenActions);
	if (thenActions)
		thenActions->drop();
	CHXActionHandler* elseActions = (format & FORMAT_WITH_ELSE) ? CHXActionHandler::readOptional(reader) : 0;
	setElseActions(elseActions);
	if (elseActions)
		elseActions->drop();
}
