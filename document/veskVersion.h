#ifndef HX_VESK_VERSION_H
#define HX_VESK_VERSION_H

#include <irrTypes.h>

//! Document versions are four ASCII digits held as the four header bytes, read as a
//! little-endian u32 (so "0650" is '0' in the lowest byte).

//! The newest version this player reads.
const irr::u32 VESK_CURRENT_VERSION = '0' | ('6' << 8) | ('5' << 16) | ('0' << 24);

//! Makes a version value from four characters, for example "0650".
inline irr::u32 makeVeskVersion(const char* fourDigits)
{
	return irr::u32(irr::u8(fourDigits[0])) | (irr::u32(irr::u8(fourDigits[1])) << 8)
		| (irr::u32(irr::u8(fourDigits[2])) << 16) | (irr::u32(irr::u8(fourDigits[3])) << 24);
}

inline irr::u8 veskVersionChar(irr::u32 version, int index)
{
	return irr::u8(version >> (8 * index));
}

//! True when the four characters compare greater than "0650", the first differing byte deciding.
inline bool isVeskVersionTooNew(irr::u32 version)
{
	for (int i = 0; i < 4; ++i)
	{
		const irr::u8 have = veskVersionChar(version, i);
		const irr::u8 newest = veskVersionChar(VESK_CURRENT_VERSION, i);
		if (have != newest)
			return have > newest;
	}
	return false;
}

//! Compares characters 2 to 4 of the version with a three-digit threshold (for example 600),
//! left to right. Answers <0, 0 or >0.
inline int compareVeskVersionDigits(irr::u32 version, int threeDigits)
{
	const irr::u8 digits[3] = { irr::u8('0' + (threeDigits / 100) % 10), irr::u8('0' + (threeDigits / 10) % 10),
		irr::u8('0' + threeDigits % 10) };
	for (int i = 0; i < 3; ++i)
	{
		const irr::u8 have = veskVersionChar(version, i + 1);
		if (have != digits[i])
			return have < digits[i] ? -1 : 1;
	}
	return 0;
}

//! "older than 600" holds for 0550 and 0599, not for 0600.
inline bool isVeskVersionOlderThan(irr::u32 version, int threeDigits)
{
	return compareVeskVersionDigits(version, threeDigits) < 0;
}

//! "at least 650" holds for 0650 and 0700.
inline bool isVeskVersionAtLeast(irr::u32 version, int threeDigits)
{
	return compareVeskVersionDigits(version, threeDigits) >= 0;
}

#endif
