#include "actions/CHXVariableTable.h"

#include "actions/CVeskVariable.h"

using namespace irr;

CHXVariableTable::~CHXVariableTable()
{
	clear();
}

void CHXVariableTable::clear()
{
	for (u32 i = 0; i < Variables.size(); ++i)
		Variables[i]->drop();
	Variables.clear();
}

IHXVariable* CHXVariableTable::getVariable(const c8* name, bool create)
{
	if (!name)
		return 0;
	const core::stringc wanted(name);
	for (u32 i = 0; i < Variables.size(); ++i)
		if (Variables[i]->getNameString().equals_ignore_case(wanted))
		{
			Variables[i]->grab();
			return Variables[i];
		}
	if (!create)
		return 0;
	CVeskVariable* variable = new CVeskVariable();
	variable->setName(name);
	Variables.push_back(variable);
	variable->grab();
	return variable;
}
