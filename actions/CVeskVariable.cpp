#include "actions/CVeskVariable.h"

#include <fast_atof.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

using namespace irr;

CVeskVariable::CVeskVariable() : Type(ET_INT), IntValue(0), FloatValue(0.f)
{
}

void CVeskVariable::setValue(IHXVariable* other)
{
	if (!other || other == this)
		return;
	// Copy all three stored values: another variable of our own class hands them over as they are.
	CVeskVariable* same = dynamic_cast<CVeskVariable*>(other);
	if (same)
	{
		Type = same->Type;
		StringValue = same->StringValue;
		IntValue = same->IntValue;
		FloatValue = same->FloatValue;
		return;
	}
	if (other->isString())
		setValueAsString(other->getValueAsString());
	else if (other->isFloat())
		setValueAsFloat(other->getValueAsFloat());
	else
		setValueAsInt(other->getValueAsInt());
}

const c8* CVeskVariable::getValueAsString()
{
	if (Type == ET_STRING)
		return StringValue.c_str();
	char text[64];
	if (Type == ET_INT)
		snprintf(text, sizeof(text), "%d", IntValue);
	else
	{
		const f64 fraction = fmod(f64(FloatValue), 1.0);
		if (fraction >= -0.000001 && fraction <= 0.000001)
			snprintf(text, sizeof(text), "%.0f", trunc(f64(FloatValue)) + 0.0); // + 0.0 turns -0 into 0
		else
			snprintf(text, sizeof(text), "%f", f64(FloatValue));
	}
	StringValue = text;
	return StringValue.c_str();
}

s32 CVeskVariable::getValueAsInt() const
{
	if (Type == ET_STRING)
		return atoi(StringValue.c_str());
	if (Type == ET_FLOAT)
	{
		// Truncate toward zero, clamped so that huge floats do not overflow.
		if (FloatValue >= 2147483647.f)
			return 2147483647;
		if (FloatValue <= -2147483648.f)
			return -2147483647 - 1;
		if (FloatValue != FloatValue)
			return 0;
		return s32(FloatValue);
	}
	return IntValue;
}

f32 CVeskVariable::getValueAsFloat() const
{
	if (Type == ET_STRING)
		return core::fast_atof(StringValue.c_str());
	if (Type == ET_INT)
		return f32(IntValue);
	return FloatValue;
}

void CVeskVariable::setValueAsString(const c8* value)
{
	Type = ET_STRING;
	StringValue = value ? value : "";
}

void CVeskVariable::setValueAsInt(s32 value)
{
	Type = ET_INT;
	IntValue = value;
}

void CVeskVariable::setValueAsFloat(f32 value)
{
	Type = ET_FLOAT;
	FloatValue = value;
}

void CVeskVariable::setName(const c8* name)
{
	Name = name ? name : "";
}
