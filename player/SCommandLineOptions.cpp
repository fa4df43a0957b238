#include "player/SCommandLineOptions.h"

#include <cstdlib>
#include <cstring>

namespace
{

const char SCRIPT_PREFIX[] = "-script:";
const char RESOLUTION_PREFIX[] = "-resolution:";

bool startsWith(const char* text, const char* prefix)
{
	return strncmp(text, prefix, strlen(prefix)) == 0;
}

} // end anonymous namespace

void SCommandLineOptions::parse(int argc, const char* const* argv)
{
	for (int i = 1; i < argc; ++i)
	{
		const char* argument = argv[i];
		if (!argument)
			continue;
		if (strcmp(argument, "-debug") == 0)
			debug = true;
		else if (strcmp(argument, "-windowed") == 0)
			windowed = true;
		else if (strcmp(argument, "-oculusrift") == 0)
			headMountedDisplay = true;
		else if (startsWith(argument, SCRIPT_PREFIX))
			scriptPath = argument + strlen(SCRIPT_PREFIX);
		else if (startsWith(argument, RESOLUTION_PREFIX))
		{
			const char* x = strchr(argument, 'x');
			if (!x)
				continue;
			windowSize.Width = atoi(argument + strlen(RESOLUTION_PREFIX));
			windowSize.Height = atoi(x + 1);
			hasWindowSize = windowSize.Width > 0 && windowSize.Height > 0;
		}
	}
}
