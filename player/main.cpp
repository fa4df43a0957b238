#include "player/CPlayer.h"
#include "player/SCommandLineOptions.h"

int main(int argc, char** argv)
{
	SCommandLineOptions options;
	options.parse(argc, argv);
	{
		CPlayer player(options.debug, options.windowed, options.headMountedDisplay,
			options.scriptPath.size() ? options.scriptPath.c_str() : 0,
			options.hasWindowSize ? &options.windowSize : 0);
		player.run();
	}
	return 0;
}
