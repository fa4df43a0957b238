#ifndef HX_VESK_DRAW_2D_H
#define HX_VESK_DRAW_2D_H

#include <position2d.h>
#include <rect.h>

namespace irr
{
namespace video
{
class ITexture;
class IVideoDriver;
}
}

//! Draws the source part of texture into destination with its alpha channel, with texture
//! filtering or without (the engine's 2D drawing never filters on its own).
void drawVesk2DImage(irr::video::IVideoDriver* driver, irr::video::ITexture* texture,
	const irr::core::rect<irr::s32>& destination, const irr::core::rect<irr::s32>& source, bool filtered);

//! Fonts lay text out in the driver's 2D coordinates, which stretch the whole screen over the
//! viewport. Between these two calls the viewport is the whole screen, so text whose
//! rectangles are moved by the answered offset (the viewport's corner) lands on the viewport
//! pixels it was laid out for, at the font's own size.
irr::core::position2di beginVeskViewportText(irr::video::IVideoDriver* driver, irr::core::rect<irr::s32>& savedViewport);
void endVeskViewportText(irr::video::IVideoDriver* driver, const irr::core::rect<irr::s32>& savedViewport);

#endif
