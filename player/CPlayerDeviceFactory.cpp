#include "player/CPlayerDeviceFactory.h"

#include "document/SPublishedTrailer.h"

#include <IVideoModeList.h>
#include <irrlicht.h>

using namespace irr;

video::E_DRIVER_TYPE CPlayerDeviceFactory::mapDriverType(s8 storedDriver)
{
	switch (storedDriver)
	{
	case 1:
	case 2:
		return video::EDT_OPENGL;
	case 3:
		return video::EDT_DIRECT3D9;
	default:
		return video::E_DRIVER_TYPE(storedDriver);
	}
}

SIrrlichtCreationParameters CPlayerDeviceFactory::makeParameters(const SPublishedTrailer& trailer, bool windowed,
	const core::dimension2di* windowSize, IEventReceiver* receiver)
{
	SIrrlichtCreationParameters parameters;
	parameters.DriverType = mapDriverType(trailer.driverType);
	if (windowSize)
		parameters.WindowSize = core::dimension2du(u32(windowSize->Width), u32(windowSize->Height));
	else
		parameters.WindowSize = core::dimension2du(u32(trailer.windowWidth), u32(trailer.windowHeight));
	parameters.Bits = trailer.colorBits;
	parameters.ZBufferBits = trailer.zBufferBits;
	parameters.Fullscreen = trailer.fullscreen != 0 && !windowed && !(trailer.flags & SPublishedTrailer::ETF_FORCE_WINDOW);
	parameters.Stencilbuffer = trailer.stencilBuffer != 0;
	parameters.Vsync = trailer.vsync != 0;
	parameters.AntiAlias = trailer.antiAlias != 0 ? 1 : 0;
	parameters.WithAlphaChannel = false;
	parameters.EventReceiver = receiver;
	return parameters;
}

core::dimension2du CPlayerDeviceFactory::queryDesktopSize()
{
	IrrlichtDevice* probe = irr::createDevice(video::EDT_NULL, core::dimension2du(640, 480), 16, false);
	if (!probe)
		return core::dimension2du(0, 0);
	const core::dimension2du size = probe->getVideoModeList()->getDesktopResolution();
	probe->drop();
	return size;
}

IrrlichtDevice* CPlayerDeviceFactory::createDevice(SIrrlichtCreationParameters parameters)
{
	const video::E_DRIVER_TYPE published = parameters.DriverType;
	for (int attempt = 0; attempt < 3; ++attempt)
	{
		if (attempt == 1)
			parameters.Fullscreen = false;
		if (attempt == 2)
			parameters.Stencilbuffer = false;
		parameters.DriverType = published;
		IrrlichtDevice* device = createDeviceEx(parameters);
		if (device)
			return device;
		if (published == video::EDT_OPENGL)
			continue;
		parameters.DriverType = video::EDT_OPENGL;
		device = createDeviceEx(parameters);
		if (device)
			return device;
	}
	return 0;
}
