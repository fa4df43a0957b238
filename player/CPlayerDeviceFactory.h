#ifndef HX_C_PLAYER_DEVICE_FACTORY_H
#define HX_C_PLAYER_DEVICE_FACTORY_H

#include <IrrlichtDevice.h>
#include <SIrrCreationParameters.h>

struct SPublishedTrailer;

//! Makes the player's device from the published settings, with the fall-backs of a machine
//! that cannot give everything asked for.
class CPlayerDeviceFactory
{
public:
	//! The driver the published driver byte asks for: 1 and 2 are OpenGL, 3 the Direct3D 9 value,
	//! anything else as stored.
	static irr::video::E_DRIVER_TYPE mapDriverType(irr::s8 storedDriver);

	//! Device parameters from the trailer. windowSize (may be null) replaces the trailer's size.
	static irr::SIrrlichtCreationParameters makeParameters(const SPublishedTrailer& trailer, bool windowed,
		const irr::core::dimension2di* windowSize, irr::IEventReceiver* receiver);

	//! The desktop resolution, read through a throw-away null device; 0 × 0 when unknown.
	static irr::core::dimension2du queryDesktopSize();

	//! Three tries: as asked, then without full screen, then also without stencil buffer.
	//! Each try asks for the published driver first and OpenGL after it. Null when all fail.
	static irr::IrrlichtDevice* createDevice(irr::SIrrlichtCreationParameters parameters);
};

#endif
