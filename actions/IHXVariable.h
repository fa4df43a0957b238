#ifndef HX_I_HX_VARIABLE_H
#define HX_I_HX_VARIABLE_H

#include <IReferenceCounted.h>
#include <irrString.h>

//! A named value that is a string, an integer or a float and converts between them on demand.
class IHXVariable : public virtual irr::IReferenceCounted
{
public:
	virtual ~IHXVariable() {}

	virtual const irr::c8* getName() const = 0;
	virtual const irr::core::stringc& getNameString() const = 0;
	virtual bool isString() const = 0;
	virtual bool isInt() const = 0;
	virtual bool isFloat() const = 0;
	//! Copies the other's type and all three stored values, not its name; null is ignored.
	virtual void setValue(IHXVariable* other) = 0;
	virtual const irr::c8* getValueAsString() = 0;
	virtual irr::s32 getValueAsInt() const = 0;
	virtual irr::f32 getValueAsFloat() const = 0;
	//! The type becomes string; null is stored as "".
	virtual void setValueAsString(const irr::c8* value) = 0;
	virtual void setValueAsInt(irr::s32 value) = 0;
	virtual void setValueAsFloat(irr::f32 value) = 0;
	//! Null is stored as "".
	virtual void setName(const irr::c8* name) = 0;
};

#endif
