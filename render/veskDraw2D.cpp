#include "render/veskDraw2D.h"

#include <ITexture.h>
#include <IVideoDriver.h>

using namespace irr;

void drawVesk2DImage(video::IVideoDriver* driver, video::ITexture* texture, const core::rect<s32>& destination,
	const core::rect<s32>& source, bool filtered)
{
	if (!driver || !texture)
		return;
	if (!filtered)
	{
		driver->draw2DImage(texture, destination, source, 0, 0, true);
		return;
	}
	// The driver's 2D material decides the filtering while it is enabled.
	video::SMaterial& material = driver->getMaterial2D();
	const bool bilinear = material.TextureLayer[0].BilinearFilter;
	material.TextureLayer[0].BilinearFilter = true;
	driver->enableMaterial2D(true);
	driver->draw2DImage(texture, destination, source, 0, 0, true);
	driver->enableMaterial2D(false);
	material.TextureLayer[0].BilinearFilter = bilinear;
}

core::position2di beginVeskViewportText(video::IVideoDriver* driver, core::rect<s32>& savedViewport)
{
	savedViewport = driver->getViewPort();
	const core::dimension2du& screen = driver->getScreenSize();
	const core::rect<s32> whole(0, 0, s32(screen.Width), s32(screen.Height));
	if (savedViewport != whole)
		driver->setViewPort(whole);
	return savedViewport.UpperLeftCorner;
}

void endVeskViewportText(video::IVideoDriver* driver, const core::rect<s32>& savedViewport)
{
	if (driver->getViewPort() != savedViewport)
		driver->setViewPort(savedViewport);
}
