#ifndef HX_S_COMMAND_LINE_OPTIONS_H
#define HX_S_COMMAND_LINE_OPTIONS_H

#include <irrString.h>
#include <dimension2d.h>

//! What the player's command line asks for. There is no other syntax and no help text:
//! arguments that match no option are ignored, since the system may pass its own.
struct SCommandLineOptions
{
	SCommandLineOptions() : debug(false), windowed(false), headMountedDisplay(false), hasWindowSize(false) {}

	//! Examines every argument after the program name, in order.
	void parse(int argc, const char* const* argv);

	bool debug;
	bool windowed;
	//! Accepted and ignored: this player has no head-mounted display mode.
	bool headMountedDisplay;
	//! Empty means no script file.
	irr::core::stringc scriptPath;
	//! Valid only when hasWindowSize is set.
	irr::core::dimension2di windowSize;
	bool hasWindowSize;
};

#endif
