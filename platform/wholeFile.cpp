#include "platform/wholeFile.h"

#include <cstdio>

namespace hx
{
namespace platform
{

bool readWholeFile(const char* path, std::string& text)
{
	FILE* file = fopen(path, "rb");
	if (!file)
		return false;
	char buffer[4096];
	size_t got;
	while ((got = fread(buffer, 1, sizeof(buffer), file)) > 0)
		text.append(buffer, got);
	fclose(file);
	return true;
}

} // end namespace platform
} // end namespace hx
