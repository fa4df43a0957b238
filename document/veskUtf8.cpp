#include "document/veskUtf8.h"

using namespace irr;

namespace
{

const u32 REPLACEMENT_CHARACTER = 0xFFFD;

//! Length of the sequence that lead starts, 0 for a byte that cannot start one.
u32 sequenceLength(u8 lead)
{
	if (lead < 0x80)
		return 1;
	if (lead >= 0xC2 && lead <= 0xDF)
		return 2;
	if (lead >= 0xE0 && lead <= 0xEF)
		return 3;
	if (lead >= 0xF0 && lead <= 0xF4)
		return 4;
	return 0;
}

u32 smallestCodeOfLength(u32 length)
{
	return length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
}

} // end anonymous namespace

void decodeVeskUtf8(const core::stringc& text, core::stringw& out)
{
	out = L"";
	out.reserve(text.size() + 1);
	const u8* bytes = reinterpret_cast<const u8*>(text.c_str());
	const u32 size = text.size();
	u32 i = 0;
	while (i < size)
	{
		const u32 length = sequenceLength(bytes[i]);
		if (length == 1)
		{
			out.append(wchar_t(bytes[i++]));
			continue;
		}
		u32 code = length ? u32(bytes[i]) & (0x7Fu >> length) : 0;
		u32 used = 1;
		while (length && used < length && i + used < size && (bytes[i + used] & 0xC0) == 0x80)
			code = (code << 6) | (bytes[i + used++] & 0x3F);
		const bool complete = length && used == length;
		const bool valid = complete && code >= smallestCodeOfLength(length) && code <= 0x10FFFF
			&& (code < 0xD800 || code > 0xDFFF);
		out.append(wchar_t(valid ? code : REPLACEMENT_CHARACTER));
		i += used;
	}
}
