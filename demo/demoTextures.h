#ifndef HX_DEMO_TEXTURES_H
#define HX_DEMO_TEXTURES_H

#include <irrlicht.h>

class CVeskDocument;

//! The demo's pictures, drawn by code. Each generator answers a new image (one reference).
irr::video::IImage* createStoneTileImage(irr::video::IVideoDriver* driver);
irr::video::IImage* createBrickImage(irr::video::IVideoDriver* driver);
irr::video::IImage* createCrateImage(irr::video::IVideoDriver* driver);
irr::video::IImage* createMarbleImage(irr::video::IVideoDriver* driver);
irr::video::IImage* createCheckerImage(irr::video::IVideoDriver* driver, irr::video::SColor a, irr::video::SColor b, irr::u32 squares);
//! One face of the sky: a vertical gradient from zenith to horizon, with a sun glow on the
//! face that has one (face numbers as the sky box's buffers).
irr::video::IImage* createSkyFaceImage(irr::video::IVideoDriver* driver, irr::u32 face);
//! A round glow that fades to black, for additive billboards.
irr::video::IImage* createGlowImage(irr::video::IVideoDriver* driver, irr::video::SColor centre);

//! Embeds image as a PNG under name and answers the texture of that name, which materials
//! then refer to. Drops image.
irr::video::ITexture* embedTexture(CVeskDocument* document, const char* name, irr::video::IImage* image);

#endif
