#ifndef HX_C_PUBLISH_COMMAND_LINE_H
#define HX_C_PUBLISH_COMMAND_LINE_H

#include "SPublishRequest.h"

#include <CLI/CLI.hpp>

//! The publishing tool's options, with --help, turned into a publish request.
class CPublishCommandLine
{
public:
	CPublishCommandLine();

	//! True when the request is complete. Otherwise the tool ends with exitCode: 0 after
	//! --help, non-zero after a usage error (already reported on stderr).
	bool parse(int argc, char** argv, int& exitCode);

	const SPublishRequest& getRequest() const { return Request; }

private:
	void addInputOptions();
	void addWindowOptions();
	void addLoadingScreenOptions();
	void addFlagOptions();
	//! Moves the option values into the request's trailer settings.
	void fillSettings();

	CLI::App App;
	SPublishRequest Request;

	int Width;
	int Height;
	bool Fullscreen;
	int DriverType;
	bool Stencil;
	bool Vsync;
	unsigned DepthBits;
	unsigned ColorBits;
	bool AntiAlias;
	irr::u32 LoadingBackground;
	irr::u32 Flags;
	irr::u32 SwitchedFlags;
	int MaxFramesPerSecond;
};

#endif
