#include "demoTextures.h"

#include "document/CMemoryWriteFile.h"
#include "document/CVeskDocument.h"

using namespace irr;

namespace
{

const u32 SIZE = 128;

//! A repeatable value noise in 0 … 1, so the pictures are the same in every build.
f32 noise(u32 x, u32 y, u32 seed)
{
	u32 n = x * 374761393u + y * 668265263u + seed * 2147483647u;
	n = (n ^ (n >> 13)) * 1274126177u;
	return f32((n ^ (n >> 16)) & 0xFFFF) / 65535.f;
}

video::SColor shade(video::SColor colour, f32 factor)
{
	auto channel = [factor](u32 value) { return u32(core::clamp(f32(value) * factor, 0.f, 255.f)); };
	return video::SColor(255, channel(colour.getRed()), channel(colour.getGreen()), channel(colour.getBlue()));
}

video::IImage* createImage(video::IVideoDriver* driver, u32 size = SIZE)
{
	return driver->createImage(video::ECF_A8R8G8B8, core::dimension2du(size, size));
}

} // end anonymous namespace

video::IImage* createStoneTileImage(video::IVideoDriver* driver)
{
	video::IImage* image = createImage(driver);
	const u32 tile = SIZE / 2;
	for (u32 y = 0; y < SIZE; ++y)
		for (u32 x = 0; x < SIZE; ++x)
		{
			const bool joint = x % tile < 3 || y % tile < 3;
			const u32 which = (x / tile) + 2 * (y / tile);
			const video::SColor base = which % 3 == 0 ? video::SColor(255, 168, 158, 140) : video::SColor(255, 150, 142, 128);
			const f32 grain = 0.85f + 0.25f * noise(x, y, 1) + 0.1f * noise(x / 8, y / 8, which);
			image->setPixel(x, y, joint ? video::SColor(255, 70, 66, 60) : shade(base, grain));
		}
	return image;
}

video::IImage* createBrickImage(video::IVideoDriver* driver)
{
	video::IImage* image = createImage(driver);
	const u32 rowHeight = SIZE / 8;
	const u32 brickWidth = SIZE / 4;
	for (u32 y = 0; y < SIZE; ++y)
		for (u32 x = 0; x < SIZE; ++x)
		{
			const u32 row = y / rowHeight;
			const u32 shifted = x + (row % 2) * brickWidth / 2;
			const bool mortar = y % rowHeight < 2 || shifted % brickWidth < 2;
			const u32 brick = shifted / brickWidth + row * 7;
			const f32 tone = 0.8f + 0.3f * noise(brick, row, 3) + 0.15f * noise(x, y, 4);
			image->setPixel(x, y, mortar ? video::SColor(255, 190, 182, 170) : shade(video::SColor(255, 168, 72, 48), tone));
		}
	return image;
}

video::IImage* createCrateImage(video::IVideoDriver* driver)
{
	video::IImage* image = createImage(driver);
	for (u32 y = 0; y < SIZE; ++y)
		for (u32 x = 0; x < SIZE; ++x)
		{
			const bool frame = x < 10 || y < 10 || x >= SIZE - 10 || y >= SIZE - 10;
			const bool brace = (x > y ? x - y : y - x) < 7;
			const f32 grain = 0.8f + 0.2f * noise(x / 2, y * 9, 5) + 0.1f * noise(x, y, 6);
			const video::SColor wood = frame || brace ? video::SColor(255, 150, 100, 52) : video::SColor(255, 196, 146, 84);
			image->setPixel(x, y, shade(wood, grain));
		}
	return image;
}

video::IImage* createMarbleImage(video::IVideoDriver* driver)
{
	video::IImage* image = createImage(driver);
	for (u32 y = 0; y < SIZE; ++y)
		for (u32 x = 0; x < SIZE; ++x)
		{
			const f32 turbulence = 6.f * noise(x / 16, y / 16, 7) + 2.f * noise(x / 4, y / 4, 8);
			const f32 vein = 0.5f + 0.5f * sinf((f32(x) + f32(y) * 0.5f) * 0.12f + turbulence);
			const f32 tone = 0.75f + 0.25f * vein;
			image->setPixel(x, y, shade(video::SColor(255, 232, 228, 238), tone));
		}
	return image;
}

video::IImage* createCheckerImage(video::IVideoDriver* driver, video::SColor a, video::SColor b, u32 squares)
{
	video::IImage* image = createImage(driver);
	const u32 square = SIZE / squares;
	for (u32 y = 0; y < SIZE; ++y)
		for (u32 x = 0; x < SIZE; ++x)
		{
			const video::SColor colour = ((x / square) + (y / square)) % 2 ? a : b;
			image->setPixel(x, y, shade(colour, 0.92f + 0.08f * noise(x, y, 9)));
		}
	return image;
}

video::IImage* createSkyFaceImage(video::IVideoDriver* driver, u32 face)
{
	const video::SColor zenith(255, 38, 78, 150);
	const video::SColor horizon(255, 200, 186, 196);
	const video::SColor below(255, 150, 142, 128);
	video::IImage* image = createImage(driver);
	for (u32 y = 0; y < SIZE; ++y)
		for (u32 x = 0; x < SIZE; ++x)
		{
			video::SColor colour;
			if (face == 4)
				colour = zenith;
			else if (face == 5)
				colour = below;
			else
			{
				// Row 0 is the top edge; the horizon lies at the middle of a side face.
				const f32 height = 1.f - f32(y) / f32(SIZE / 2);
				colour = height > 0.f ? horizon.getInterpolated(zenith, 1.f - powf(height, 0.6f)) : below;
				if (face == 1)
				{
					const f32 dx = (f32(x) - SIZE * 0.35f) / SIZE;
					const f32 dy = (f32(y) - SIZE * 0.38f) / SIZE;
					const f32 glow = core::clamp(1.f - sqrtf(dx * dx + dy * dy) * 4.f, 0.f, 1.f);
					colour = video::SColor(255, 255, 240, 200).getInterpolated(colour, glow * glow);
				}
			}
			image->setPixel(x, y, colour);
		}
	return image;
}

video::IImage* createGlowImage(video::IVideoDriver* driver, video::SColor centre)
{
	const u32 size = 64;
	video::IImage* image = createImage(driver, size);
	for (u32 y = 0; y < size; ++y)
		for (u32 x = 0; x < size; ++x)
		{
			const f32 dx = (f32(x) + 0.5f) / size - 0.5f;
			const f32 dy = (f32(y) + 0.5f) / size - 0.5f;
			const f32 falloff = core::clamp(1.f - sqrtf(dx * dx + dy * dy) * 2.f, 0.f, 1.f);
			image->setPixel(x, y, shade(centre, falloff * falloff));
		}
	return image;
}

video::ITexture* embedTexture(CVeskDocument* document, const char* name, video::IImage* image)
{
	video::IVideoDriver* driver = document->getDevice()->getVideoDriver();
	CMemoryWriteFile* file = new CMemoryWriteFile("embedded.png");
	driver->writeImageToFile(image, file);
	SVeskEmbeddedFile entry;
	entry.KindFlags = SVeskEmbeddedFile::KIND_TEXTURE;
	entry.Name = name;
	entry.Data = file->getData();
	file->drop();
	document->addEmbeddedFile(entry);
	video::ITexture* texture = driver->addTexture(name, image);
	image->drop();
	return texture;
}
