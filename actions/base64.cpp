#include "actions/base64.h"

namespace
{

const char ALPHABET[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int valueOf(char c)
{
	if (c >= 'A' && c <= 'Z')
		return c - 'A';
	if (c >= 'a' && c <= 'z')
		return c - 'a' + 26;
	if (c >= '0' && c <= '9')
		return c - '0' + 52;
	if (c == '+')
		return 62;
	if (c == '/')
		return 63;
	return -1;
}

} // end anonymous namespace

std::string encodeBase64(const std::string& bytes)
{
	std::string out;
	out.reserve((bytes.size() + 2) / 3 * 4);
	size_t i = 0;
	for (; i + 2 < bytes.size(); i += 3)
	{
		const unsigned group = (unsigned(static_cast<unsigned char>(bytes[i])) << 16)
			| (unsigned(static_cast<unsigned char>(bytes[i + 1])) << 8) | unsigned(static_cast<unsigned char>(bytes[i + 2]));
		out += ALPHABET[(group >> 18) & 63];
		out += ALPHABET[(group >> 12) & 63];
		out += ALPHABET[(group >> 6) & 63];
		out += ALPHABET[group & 63];
	}
	const size_t rest = bytes.size() - i;
	if (rest)
	{
		unsigned group = unsigned(static_cast<unsigned char>(bytes[i])) << 16;
		if (rest == 2)
			group |= unsigned(static_cast<unsigned char>(bytes[i + 1])) << 8;
		out += ALPHABET[(group >> 18) & 63];
		out += ALPHABET[(group >> 12) & 63];
		out += rest == 2 ? ALPHABET[(group >> 6) & 63] : '=';
		out += '=';
	}
	return out;
}

std::string decodeBase64(const std::string& text, size_t* consumed)
{
	std::string out;
	unsigned group = 0;
	int count = 0;
	size_t i = 0;
	for (; i < text.size(); ++i)
	{
		const int value = valueOf(text[i]);
		if (value < 0)
			break;
		group = (group << 6) | unsigned(value);
		if (++count == 4)
		{
			out += char((group >> 16) & 0xFF);
			out += char((group >> 8) & 0xFF);
			out += char(group & 0xFF);
			group = 0;
			count = 0;
		}
	}
	if (count == 2)
		out += char((group >> 4) & 0xFF);
	else if (count == 3)
	{
		out += char((group >> 10) & 0xFF);
		out += char((group >> 2) & 0xFF);
	}
	if (consumed)
		*consumed = i;
	return out;
}
