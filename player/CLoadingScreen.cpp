#include "player/CLoadingScreen.h"

#include "document/SPublishedTrailer.h"

#include <IGUIEnvironment.h>
#include <IGUIFont.h>
#include <IImage.h>
#include <IVideoDriver.h>

using namespace irr;

CLoadingScreen::SLayout CLoadingScreen::computeLayout(const core::dimension2du& screen,
	const core::dimension2du& imageSize, video::SColor background)
{
	SLayout layout;
	const bool hasImage = imageSize.Width > 0 && imageSize.Height > 0;
	if (hasImage)
	{
		layout.imagePosition.X = (s32(screen.Width) - s32(imageSize.Width)) / 2;
		layout.imagePosition.Y = (s32(screen.Height) - s32(imageSize.Height)) / 2;
		layout.textY = layout.imagePosition.Y + s32(imageSize.Height) + 14;
	}
	else
		layout.textY = s32(screen.Height) / 2;
	// The brightness is compared on the 0..255 scale, so only pure black gives white text.
	const f32 brightness = 0.3f * background.getRed() + 0.59f * background.getGreen() + 0.11f * background.getBlue();
	layout.textColor = brightness <= 0.5f ? video::SColor(0xFFFFFFFF) : video::SColor(0xFF000000);
	return layout;
}

core::stringw CLoadingScreen::makeText(const SPublishedTrailer& trailer)
{
	core::stringw text(trailer.getLoadingText().c_str());
	text.replace(L"$PROGRESS$", L"");
	return text;
}

video::ITexture* CLoadingScreen::loadImage(IrrlichtDevice* device, io::IReadFile* imageFile)
{
	if (!device || !imageFile)
		return 0;
	video::IVideoDriver* driver = device->getVideoDriver();
	video::IImage* image = driver->createImageFromFile(imageFile);
	if (!image)
		return 0;
	video::ITexture* texture = driver->addTexture("#helixpane", image);
	image->drop();
	return texture;
}

void CLoadingScreen::draw(IrrlichtDevice* device, const SPublishedTrailer& trailer, video::ITexture* image)
{
	video::IVideoDriver* driver = device->getVideoDriver();
	driver->beginScene(true, true, video::SColor(trailer.loadingBackground));
	const core::dimension2du screen = driver->getScreenSize();
	const core::dimension2du imageSize = image ? image->getOriginalSize() : core::dimension2du(0, 0);
	const SLayout layout = computeLayout(screen, imageSize, video::SColor(trailer.loadingBackground));
	if (image)
		driver->draw2DImage(image, layout.imagePosition, core::recti(core::position2di(0, 0), imageSize), 0,
			video::SColor(0xFFFFFFFF), true);
	gui::IGUIFont* font = device->getGUIEnvironment()->getBuiltInFont();
	if (font)
		font->draw(makeText(trailer), core::recti(0, layout.textY, s32(screen.Width), layout.textY),
			layout.textColor, true, true);
	driver->endScene();
}
