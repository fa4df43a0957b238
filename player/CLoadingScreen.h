#ifndef HX_C_LOADING_SCREEN_H
#define HX_C_LOADING_SCREEN_H

#include <IrrlichtDevice.h>
#include <IReadFile.h>
#include <ITexture.h>
#include <SColor.h>
#include <dimension2d.h>
#include <position2d.h>

struct SPublishedTrailer;

//! The picture shown while the document loads: the published loading image centred and a
//! line of text under it, on the published background colour.
class CLoadingScreen
{
public:
	//! Where things go on a screen of the given size.
	struct SLayout
	{
		irr::core::position2di imagePosition;
		irr::s32 textY;
		irr::video::SColor textColor;
	};

	//! Without an image (imageSize 0 × 0) the text sits at half the screen height.
	static SLayout computeLayout(const irr::core::dimension2du& screen, const irr::core::dimension2du& imageSize,
		irr::video::SColor background);

	//! The trailer's text, widened, with every "$PROGRESS$" removed.
	static irr::core::stringw makeText(const SPublishedTrailer& trailer);

	//! Makes the texture "#helixpane" from the image bytes; null when they are not an image.
	//! The texture stays in the driver's cache.
	static irr::video::ITexture* loadImage(irr::IrrlichtDevice* device, irr::io::IReadFile* imageFile);

	//! Draws one frame of the loading screen and presents it.
	static void draw(irr::IrrlichtDevice* device, const SPublishedTrailer& trailer, irr::video::ITexture* image);
};

#endif
