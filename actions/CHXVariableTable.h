#ifndef HX_C_HX_VARIABLE_TABLE_H
#define HX_C_HX_VARIABLE_TABLE_H

#include "actions/IHXVariable.h"

#include <irrArray.h>

//! The application's variables in creation order, for the whole run. Names are compared
//! ignoring ASCII case; variables are never removed.
class CHXVariableTable
{
public:
	CHXVariableTable() {}
	~CHXVariableTable();

	//! The variable of that name (one reference for the caller), or, with create, a new integer
	//! 0 appended under that name; else null.
	IHXVariable* getVariable(const irr::c8* name, bool create);

	irr::u32 getVariableCount() const { return Variables.size(); }
	//! Drops every variable.
	void clear();

private:
	CHXVariableTable(const CHXVariableTable&);
	CHXVariableTable& operator=(const CHXVariableTable&);

	irr::core::array<IHXVariable*> Variables;
};

#endif
