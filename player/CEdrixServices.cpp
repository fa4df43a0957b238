#include "player/CEdrixServices.h"

namespace
{

CEdrixServices* TheServices = 0;
int ServicesCount = 0;

} // end anonymous namespace

CEdrixServices::CEdrixServices(irr::IrrlichtDevice* device) : Device(device), Document(0), ControlInterface(0)
{
	if (Device)
		Device->grab();
	TheServices = this;
	++ServicesCount;
}

CEdrixServices::~CEdrixServices()
{
	if (Device)
		Device->drop();
	if (--ServicesCount == 0)
		TheServices = 0;
}

CEdrixServices* getEdrixServices()
{
	return TheServices;
}
