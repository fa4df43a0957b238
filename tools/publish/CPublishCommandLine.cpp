#include "CPublishCommandLine.h"

#include "platform/ownExecutablePath.h"

namespace
{

//! The player built next to this tool, or a bare name when the tool's own path is unknown.
std::string playerNextToTool()
{
	const std::string tool = hx::platform::getOwnExecutablePath().c_str();
	const size_t slash = tool.find_last_of('/');
	if (slash == std::string::npos)
		return "helixpane-player";
	return tool.substr(0, slash + 1) + "helixpane-player";
}

} // end anonymous namespace

CPublishCommandLine::CPublishCommandLine()
	: App("Makes a published executable: the player followed by the document, an optional\n"
		  "loading image and the trailer that describes the window and the loading screen.",
		  "helixpane-publish")
{
	const SPublishedTrailer defaults;
	Width = defaults.windowWidth;
	Height = defaults.windowHeight;
	Fullscreen = false;
	DriverType = defaults.driverType;
	Stencil = false;
	Vsync = false;
	DepthBits = defaults.zBufferBits;
	ColorBits = defaults.colorBits;
	AntiAlias = false;
	LoadingBackground = defaults.loadingBackground;
	Flags = defaults.flags;
	SwitchedFlags = 0;
	MaxFramesPerSecond = defaults.maxFramesPerSecond;
	Request.playerPath = playerNextToTool();
	// Wide enough that every option and its description share one line.
	App.get_formatter()->column_width(42);

	addInputOptions();
	addWindowOptions();
	addLoadingScreenOptions();
	addFlagOptions();
}

bool CPublishCommandLine::parse(int argc, char** argv, int& exitCode)
{
	// The option library reports usage errors by throwing; they end here.
	try
	{
		App.parse(argc, argv);
	}
	catch (const CLI::ParseError& error)
	{
		exitCode = App.exit(error);
		return false;
	}
	fillSettings();
	exitCode = 0;
	return true;
}

void CPublishCommandLine::addInputOptions()
{
	App.add_option("--player", Request.playerPath, "Player executable to publish (default: helixpane-player next to this tool)");
	App.add_option("--document", Request.documentPath, "Document to append to the player")->required();
	App.add_option("--loading-image", Request.loadingImagePath, "Image shown while the document loads (optional)");
	App.add_option("--output", Request.outputPath, "Published executable to write; replaced only when complete")->required();
}

void CPublishCommandLine::addWindowOptions()
{
	App.add_option("--width", Width, "Window or screen width in pixels")->check(CLI::PositiveNumber)->capture_default_str();
	App.add_option("--height", Height, "Window or screen height in pixels")->check(CLI::PositiveNumber)->capture_default_str();
	App.add_flag("--fullscreen", Fullscreen, "Start in full screen");
	App.add_option("--driver", DriverType, "Driver type number (1, 2 and 5 select OpenGL)")->check(CLI::Range(-128, 127))->capture_default_str();
	App.add_flag("--stencil", Stencil, "Ask for a stencil buffer");
	App.add_flag("--vsync", Vsync, "Wait for the vertical retrace");
	App.add_option("--depth-bits", DepthBits, "Depth buffer bits")->check(CLI::Range(0u, 255u))->capture_default_str();
	App.add_option("--color-bits", ColorBits, "Colour bits per pixel")->check(CLI::Range(0u, 255u))->capture_default_str();
	App.add_flag("--antialias", AntiAlias, "Ask for anti-aliasing");
	App.add_option("--max-fps", MaxFramesPerSecond, "Frame-rate cap of the frame loop")->capture_default_str();
}

void CPublishCommandLine::addLoadingScreenOptions()
{
	App.add_option("--loading-background", LoadingBackground, "Loading screen colour as ARGB, for example 0xFF000000")
		->capture_default_str();
	App.add_option("--loading-text", Request.loadingText,
		"Loading screen text of at most 254 characters; $PROGRESS$ marks the progress");
}

void CPublishCommandLine::addFlagOptions()
{
	App.add_option("--flags", Flags, "Trailer flag bits as a number; the switches below add to it")->capture_default_str();
	const struct
	{
		const char* name;
		irr::u32 bit;
		const char* description;
	} switches[] = {
		{ "--use-desktop-size", SPublishedTrailer::ETF_USE_DESKTOP_SIZE, "Full screen at the desktop's size (flag bit 0)" },
		{ "--force-window", SPublishedTrailer::ETF_FORCE_WINDOW, "Open a window even when full screen is set (flag bit 4)" },
		{ "--extra-device-flag", SPublishedTrailer::ETF_EXTRA_DEVICE_FLAG, "Pass the extra device creation flag (flag bit 5)" },
		{ "--no-post-effects", SPublishedTrailer::ETF_NO_POST_EFFECTS, "Switch off post-processing effects (flag bit 6)" },
	};
	for (const auto& option : switches)
	{
		const irr::u32 bit = option.bit;
		App.add_flag_callback(option.name, [this, bit]() { SwitchedFlags |= bit; }, option.description);
	}
}

void CPublishCommandLine::fillSettings()
{
	SPublishedTrailer& settings = Request.settings;
	settings.windowWidth = Width;
	settings.windowHeight = Height;
	settings.fullscreen = Fullscreen ? 1 : 0;
	settings.driverType = irr::s8(DriverType);
	settings.stencilBuffer = Stencil ? 1 : 0;
	settings.vsync = Vsync ? 1 : 0;
	settings.zBufferBits = irr::u8(DepthBits);
	settings.colorBits = irr::u8(ColorBits);
	settings.antiAlias = AntiAlias ? 1 : 0;
	settings.loadingBackground = LoadingBackground;
	settings.flags = Flags | SwitchedFlags;
	settings.maxFramesPerSecond = MaxFramesPerSecond;
}
