#include "document/veskImageCheck.h"

#include <cstring>

using namespace irr;

namespace
{

u32 bigEndian32(const u8* p)
{
	return (u32(p[0]) << 24) | (u32(p[1]) << 16) | (u32(p[2]) << 8) | u32(p[3]);
}

u32 littleEndian16(const u8* p)
{
	return u32(p[0]) | (u32(p[1]) << 8);
}

s32 littleEndian32(const u8* p)
{
	return s32(u32(p[0]) | (u32(p[1]) << 8) | (u32(p[2]) << 16) | (u32(p[3]) << 24));
}

bool sideIsAcceptable(s64 side)
{
	if (side < 0)
		side = -side; // bottom-up bitmaps store a negative height
	return side >= 1 && side <= s64(VESK_MAX_IMAGE_SIDE);
}

bool isPng(const u8* h, s32 n)
{
	static const u8 signature[8] = { 0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A };
	// The first chunk is always the header with width and height.
	return n >= 24 && memcmp(h, signature, 8) == 0 && memcmp(h + 12, "IHDR", 4) == 0
		&& sideIsAcceptable(bigEndian32(h + 16)) && sideIsAcceptable(bigEndian32(h + 20));
}

bool isJpeg(const u8* h, s32 n)
{
	// The frame size sits in a later marker; the decoder checks it against its own limits.
	return n >= 3 && h[0] == 0xFF && h[1] == 0xD8 && h[2] == 0xFF;
}

bool isBmp(const u8* h, s32 n)
{
	return n >= 26 && h[0] == 'B' && h[1] == 'M' && sideIsAcceptable(littleEndian32(h + 18))
		&& sideIsAcceptable(littleEndian32(h + 22));
}

bool isTga(const u8* h, s32 n)
{
	if (n < 18)
		return false;
	const u8 colorMapType = h[1];
	const u8 imageType = h[2];
	const u8 bitsPerPixel = h[16];
	const bool knownType = imageType == 1 || imageType == 2 || imageType == 3 || imageType == 9 || imageType == 10
		|| imageType == 11;
	const bool knownDepth = bitsPerPixel == 8 || bitsPerPixel == 15 || bitsPerPixel == 16 || bitsPerPixel == 24
		|| bitsPerPixel == 32;
	return colorMapType <= 1 && knownType && knownDepth && sideIsAcceptable(littleEndian16(h + 12))
		&& sideIsAcceptable(littleEndian16(h + 14));
}

} // end anonymous namespace

bool isAcceptableEmbeddedImage(io::IReadFile* file)
{
	if (!file)
		return false;
	const long start = file->getPos();
	u8 header[32];
	file->seek(0);
	const s32 n = file->read(header, sizeof(header));
	file->seek(start);
	if (n <= 0)
		return false;
	return isPng(header, n) || isJpeg(header, n) || isBmp(header, n) || isTga(header, n);
}
