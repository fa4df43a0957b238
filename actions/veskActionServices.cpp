#include "actions/veskActionServices.h"

#include "player/CEdrixServices.h"

#include <IRandomizer.h>
#include <ITimer.h>

#include <cstdlib>

using namespace irr;

IHXControlInterface* getActionControlInterface()
{
	CEdrixServices* services = getEdrixServices();
	return services ? services->getControlInterface() : 0;
}

bool getActionTime(u32& timeMs)
{
	CEdrixServices* services = getEdrixServices();
	if (!services || !services->getDevice())
		return false;
	timeMs = services->getDevice()->getTimer()->getTime();
	return true;
}

s32 drawActionRandom()
{
	CEdrixServices* services = getEdrixServices();
	const s32 r = services && services->getDevice() ? services->getDevice()->getRandomizer()->rand() : std::rand();
	return r < 0 ? -(r + 1) : r;
}
