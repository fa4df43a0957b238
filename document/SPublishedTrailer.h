#ifndef HX_S_PUBLISHED_TRAILER_H
#define HX_S_PUBLISHED_TRAILER_H

#include <irrTypes.h>
#include <irrString.h>

//! The fixed record at the very end of a published executable. It says where the
//! document lies and how the window and the loading screen look.
struct SPublishedTrailer
{
	enum
	{
		BYTE_SIZE = 311,
		MAGIC = 0x12349876,
		LOADING_TEXT_SIZE = 255
	};

	//! Flag bits of the flags field.
	enum E_TRAILER_FLAG
	{
		ETF_USE_DESKTOP_SIZE = 1 << 0,
		ETF_FORCE_WINDOW = 1 << 4,
		ETF_EXTRA_DEVICE_FLAG = 1 << 5,
		ETF_NO_POST_EFFECTS = 1 << 6
	};

	//! A record without the magic, holding the defaults.
	SPublishedTrailer() : magic(0) { reserved24[0] = reserved24[1] = reserved24[2] = reserved24[3] = 0; setDefaults(); }

	//! Resets every field that has a default to it; reserved fields keep their bytes.
	//! The magic is left as it is.
	void setDefaults();

	bool isValid() const { return magic == MAGIC; }

	//! Decodes the 311 little-endian bytes. Without a valid magic the defaults apply.
	void fromBytes(const irr::u8* bytes);

	//! Encodes the record as the 311 bytes that end a published executable.
	void toBytes(irr::u8* bytes) const;

	//! The loading text up to its terminator.
	irr::core::stringc getLoadingText() const;
	//! Stores text, cut to 254 characters so that the terminator always fits.
	void setLoadingText(const char* text);

	irr::u32 magic;
	irr::s32 documentOffset;
	irr::s32 documentSize;
	irr::u32 loadingImageSize;
	irr::s32 windowWidth;
	irr::s32 windowHeight;
	irr::u8 reserved24[4];
	irr::u8 fullscreen;
	irr::s8 driverType;
	irr::u8 stencilBuffer;
	irr::u8 vsync;
	irr::u8 zBufferBits;
	irr::u8 colorBits;
	irr::u8 antiAlias;
	irr::u8 reserved35;
	irr::u32 loadingBackground;
	char loadingText[LOADING_TEXT_SIZE];
	irr::u32 flags;
	irr::s32 maxFramesPerSecond;
	irr::u8 reserved303[8];
};

#endif
