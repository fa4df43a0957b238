#include "document/SPublishedTrailer.h"

#include <cstring>

namespace
{

irr::u32 readU32(const irr::u8* p)
{
	return irr::u32(p[0]) | (irr::u32(p[1]) << 8) | (irr::u32(p[2]) << 16) | (irr::u32(p[3]) << 24);
}

void writeU32(irr::u8* p, irr::u32 value)
{
	p[0] = irr::u8(value);
	p[1] = irr::u8(value >> 8);
	p[2] = irr::u8(value >> 16);
	p[3] = irr::u8(value >> 24);
}

} // end anonymous namespace

void SPublishedTrailer::setDefaults()
{
	documentOffset = 0;
	documentSize = 0;
	loadingImageSize = 0;
	windowWidth = 800;
	windowHeight = 600;
	fullscreen = 0;
	driverType = 5;
	stencilBuffer = 0;
	vsync = 0;
	zBufferBits = 16;
	colorBits = 16;
	antiAlias = 0;
	reserved35 = 0xFF;
	loadingBackground = 0;
	memset(loadingText, 0, sizeof(loadingText));
	flags = 0;
	maxFramesPerSecond = 60;
	memset(reserved303, 0, sizeof(reserved303));
}

void SPublishedTrailer::fromBytes(const irr::u8* b)
{
	magic = readU32(b + 0);
	documentOffset = irr::s32(readU32(b + 4));
	documentSize = irr::s32(readU32(b + 8));
	loadingImageSize = readU32(b + 12);
	windowWidth = irr::s32(readU32(b + 16));
	windowHeight = irr::s32(readU32(b + 20));
	memcpy(reserved24, b + 24, 4);
	fullscreen = b[28];
	driverType = irr::s8(b[29]);
	stencilBuffer = b[30];
	vsync = b[31];
	zBufferBits = b[32];
	colorBits = b[33];
	antiAlias = b[34];
	reserved35 = b[35];
	loadingBackground = readU32(b + 36);
	memcpy(loadingText, b + 40, LOADING_TEXT_SIZE);
	flags = readU32(b + 295);
	maxFramesPerSecond = irr::s32(readU32(b + 299));
	memcpy(reserved303, b + 303, 8);
	if (!isValid())
		setDefaults();
}

void SPublishedTrailer::toBytes(irr::u8* b) const
{
	writeU32(b + 0, magic);
	writeU32(b + 4, irr::u32(documentOffset));
	writeU32(b + 8, irr::u32(documentSize));
	writeU32(b + 12, loadingImageSize);
	writeU32(b + 16, irr::u32(windowWidth));
	writeU32(b + 20, irr::u32(windowHeight));
	memcpy(b + 24, reserved24, 4);
	b[28] = fullscreen;
	b[29] = irr::u8(driverType);
	b[30] = stencilBuffer;
	b[31] = vsync;
	b[32] = zBufferBits;
	b[33] = colorBits;
	b[34] = antiAlias;
	b[35] = reserved35;
	writeU32(b + 36, loadingBackground);
	memcpy(b + 40, loadingText, LOADING_TEXT_SIZE);
	writeU32(b + 295, flags);
	writeU32(b + 299, irr::u32(maxFramesPerSecond));
	memcpy(b + 303, reserved303, 8);
}

irr::core::stringc SPublishedTrailer::getLoadingText() const
{
	// The stored text need not be terminated inside its 255 bytes.
	char text[LOADING_TEXT_SIZE + 1];
	memcpy(text, loadingText, LOADING_TEXT_SIZE);
	text[LOADING_TEXT_SIZE] = 0;
	return irr::core::stringc(text);
}

void SPublishedTrailer::setLoadingText(const char* text)
{
	memset(loadingText, 0, sizeof(loadingText));
	if (text)
		strncpy(loadingText, text, LOADING_TEXT_SIZE - 1);
}
