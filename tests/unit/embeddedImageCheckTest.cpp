// Embedded images are looked at before the engine's decoders see them.
#include "document/veskImageCheck.h"
#include "tests/support/testSupport.h"
#include "tests/support/veskTestDocuments.h"

#include <gtest/gtest.h>

using namespace irr;

namespace
{

bool accepted(const std::vector<u8>& bytes)
{
	io::IReadFile* file = hxtest::createReadFileFromBytes(bytes, "#image");
	const bool result = isAcceptableEmbeddedImage(file);
	file->drop();
	return result;
}

std::vector<u8> pngHeader(u32 width, u32 height)
{
	std::vector<u8> bytes = { 0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R' };
	for (u32 value : { width, height })
		for (int shift = 24; shift >= 0; shift -= 8)
			bytes.push_back(u8(value >> shift));
	bytes.resize(40, 0);
	return bytes;
}

std::vector<u8> tgaHeader(u8 type, u16 width, u16 height, u8 depth)
{
	std::vector<u8> bytes(18, 0);
	bytes[2] = type;
	bytes[12] = u8(width);
	bytes[13] = u8(width >> 8);
	bytes[14] = u8(height);
	bytes[15] = u8(height >> 8);
	bytes[16] = depth;
	bytes.resize(64, 0);
	return bytes;
}

std::vector<u8> bmpHeader(s32 width, s32 height)
{
	std::vector<u8> bytes(54, 0);
	bytes[0] = 'B';
	bytes[1] = 'M';
	for (int i = 0; i < 4; ++i)
	{
		bytes[18 + i] = u8(u32(width) >> (8 * i));
		bytes[22 + i] = u8(u32(height) >> (8 * i));
	}
	return bytes;
}

} // end anonymous namespace

TEST(EmbeddedImageCheck, KnownFormatsWithSaneSizesOnly)
{
	struct Case { const char* what; std::vector<u8> bytes; bool accepted; };
	const Case cases[] = {
		{ "png", pngHeader(256, 128), true },
		{ "png at the limit", pngHeader(8192, 8192), true },
		{ "png too wide", pngHeader(8193, 4), false },
		{ "png of no size", pngHeader(0, 4), false },
		{ "png of 2^31 rows", pngHeader(4, 0x80000000u), false },
		{ "jpeg", { 0xFF, 0xD8, 0xFF, 0xE0, 0, 16 }, true },
		{ "bmp", bmpHeader(64, 64), true },
		{ "bmp stored bottom up", bmpHeader(64, -64), true },
		{ "bmp too tall", bmpHeader(64, 100000), false },
		{ "tga", tgaHeader(2, 32, 32, 24), true },
		{ "tga 65535 wide", tgaHeader(2, 65535, 2, 32), false },
		{ "tga of an unknown kind", tgaHeader(7, 32, 32, 24), false },
		{ "any other bytes", std::vector<u8>(64, 0x41), false },
		{ "nothing", {}, false },
	};
	for (const Case& c : cases)
		EXPECT_EQ(accepted(c.bytes), c.accepted) << c.what;
}

TEST(EmbeddedImageCheck, RealImagesPassAndTheReadPositionIsKept)
{
	IrrlichtDevice* device = hxtest::createNullDevice();
	const std::vector<u8> png = hxtest::pngBytes(device->getVideoDriver(), 16, 8);
	io::IReadFile* file = hxtest::createReadFileFromBytes(png, "#real");
	file->seek(5);
	EXPECT_TRUE(isAcceptableEmbeddedImage(file));
	EXPECT_EQ(file->getPos(), 5);
	file->drop();
	device->drop();
}
