#ifndef HX_C_VESK_VARIABLE_H
#define HX_C_VESK_VARIABLE_H

#include "actions/IHXVariable.h"

//! A variable of the application. A new one has an empty name and is the integer 0. Setting
//! one kind of value leaves the others as they were; only the one named by the type counts.
class CVeskVariable : public IHXVariable
{
public:
	enum E_TYPE
	{
		ET_STRING = 0,
		ET_INT = 1,
		ET_FLOAT = 2
	};

	CVeskVariable();

	virtual const irr::c8* getName() const { return Name.c_str(); }
	virtual const irr::core::stringc& getNameString() const { return Name; }
	virtual bool isString() const { return Type == ET_STRING; }
	virtual bool isInt() const { return Type == ET_INT; }
	virtual bool isFloat() const { return Type == ET_FLOAT; }
	virtual void setValue(IHXVariable* other);
	virtual const irr::c8* getValueAsString();
	virtual irr::s32 getValueAsInt() const;
	virtual irr::f32 getValueAsFloat() const;
	virtual void setValueAsString(const irr::c8* value);
	virtual void setValueAsInt(irr::s32 value);
	virtual void setValueAsFloat(irr::f32 value);
	virtual void setName(const irr::c8* name);

private:
	irr::core::stringc Name;
	irr::s32 Type;
	irr::core::stringc StringValue;
	irr::s32 IntValue;
	irr::f32 FloatValue;
};

#endif
