#ifndef HX_VESK_ACTION_SERVICES_H
#define HX_VESK_ACTION_SERVICES_H

#include <irrTypes.h>

class IHXControlInterface;

//! The player's control interface through the services object, or null when none is registered.
IHXControlInterface* getActionControlInterface();

//! The engine timer's time; false without a device.
bool getActionTime(irr::u32& timeMs);

//! A non-negative draw of the engine's random generator.
irr::s32 drawActionRandom();

#endif
