// The player's command line, frame limiter, loading screen layout and device parameters.
#include "document/SPublishedTrailer.h"
#include "player/CFrameLimiter.h"
#include "player/CLoadingScreen.h"
#include "player/CPlayerDeviceFactory.h"
#include "player/SCommandLineOptions.h"
#include "tests/support/testSupport.h"

#include <gtest/gtest.h>

#include <vector>

using namespace irr;

namespace
{

SCommandLineOptions parse(std::vector<const char*> arguments)
{
	arguments.insert(arguments.begin(), "player");
	SCommandLineOptions options;
	options.parse(int(arguments.size()), arguments.data());
	return options;
}

} // end anonymous namespace

TEST(CommandLine, OptionTable)
{
	struct Case
	{
		std::vector<const char*> arguments;
		bool debug, windowed, hmd;
		const char* script;
		bool hasSize;
		s32 width, height;
	};
	const Case cases[] = {
		{ {}, false, false, false, "", false, 0, 0 },
		{ { "-resolution:1024x768" }, false, false, false, "", true, 1024, 768 },
		{ { "-resolution:1920x80" }, false, false, false, "", true, 1920, 80 },
		{ { "-resolution:800" }, false, false, false, "", false, 0, 0 },
		{ { "-resolution:0x600" }, false, false, false, "", false, 0, 600 },
		{ { "-resolution:1024x768", "-resolution:0x600" }, false, false, false, "", false, 0, 600 },
		{ { "-resolution:1024x768", "-resolution:800" }, false, false, false, "", true, 1024, 768 },
		{ { "-resolution: 640x-5" }, false, false, false, "", false, 640, -5 },
		{ { "-resolution:+640x 480px" }, false, false, false, "", true, 640, 480 },
		{ { "-script:" }, false, false, false, "", false, 0, 0 },
		{ { "-script:game/start.js" }, false, false, false, "game/start.js", false, 0, 0 },
		{ { "-script:a.js", "-script:b.js" }, false, false, false, "b.js", false, 0, 0 },
		{ { "-DEBUG", "--debug", "-debug-windowed", "debug" }, false, false, false, "", false, 0, 0 },
		{ { "-debug", "-windowed" }, true, true, false, "", false, 0, 0 },
		{ { "-oculusrift", "-psn_0_12345" }, false, false, true, "", false, 0, 0 },
	};
	for (const Case& c : cases)
	{
		const SCommandLineOptions o = parse(c.arguments);
		const std::string label = c.arguments.empty() ? "(none)" : c.arguments[0];
		EXPECT_EQ(o.debug, c.debug) << label;
		EXPECT_EQ(o.windowed, c.windowed) << label;
		EXPECT_EQ(o.headMountedDisplay, c.hmd) << label;
		EXPECT_STREQ(o.scriptPath.c_str(), c.script) << label;
		EXPECT_EQ(o.hasWindowSize, c.hasSize) << label;
		if (c.width || c.height)
		{
			EXPECT_EQ(o.windowSize.Width, c.width) << label;
			EXPECT_EQ(o.windowSize.Height, c.height) << label;
		}
	}
}

TEST(FrameLimiter, IntervalFromMaximumFrameRate)
{
	struct Case { s32 maxFps; u32 interval; u32 half; };
	const Case cases[] = { { 60, 16, 8 }, { 0, 16, 8 }, { 300, 16, 8 }, { -5, 16, 8 }, { 1, 1000, 500 },
		{ 299, 3, 1 }, { 30, 33, 16 } };
	for (const Case& c : cases)
	{
		CFrameLimiter limiter(c.maxFps, 0);
		EXPECT_EQ(limiter.getInterval(), c.interval) << c.maxFps;
		EXPECT_EQ(limiter.getHalfInterval(), c.half) << c.maxFps;
	}
}

TEST(FrameLimiter, DrawsOnlyWhenActiveAndDue)
{
	CFrameLimiter limiter(60, 1000);
	EXPECT_EQ(limiter.decide(1000, true, false), CFrameLimiter::ED_DRAW); // first frame at once
	EXPECT_EQ(limiter.decide(1000, false, false), CFrameLimiter::ED_SLEEP_INACTIVE);
	limiter.frameDrawn(1000);
	EXPECT_EQ(limiter.decide(1015, true, false), CFrameLimiter::ED_WAIT);
	EXPECT_EQ(limiter.decide(1016, true, false), CFrameLimiter::ED_DRAW);
	EXPECT_EQ(limiter.decide(1008, true, true), CFrameLimiter::ED_DRAW);
	EXPECT_EQ(limiter.decide(1007, true, true), CFrameLimiter::ED_WAIT);
	EXPECT_EQ(limiter.decide(5000, false, true), CFrameLimiter::ED_SLEEP_INACTIVE);
	// The millisecond timer wraps after 49 days; the frame after the wrap is still due on time.
	CFrameLimiter wrapping(60, 0xFFFFFFF8u);
	wrapping.frameDrawn(0xFFFFFFF8u);
	EXPECT_EQ(wrapping.decide(0x00000002u, true, false), CFrameLimiter::ED_WAIT);
	EXPECT_EQ(wrapping.decide(0x00000008u, true, false), CFrameLimiter::ED_DRAW);
}

TEST(LoadingScreen, LayoutAndTextColour)
{
	struct Case { u32 background; u32 imageW, imageH; s32 imageX, imageY, textY; u32 textColor; };
	const Case cases[] = {
		{ 0xFF000000, 256, 128, 272, 236, 378, 0xFFFFFFFF },
		{ 0x00000000, 0, 0, 0, 0, 300, 0xFFFFFFFF },
		{ 0xFF020000, 0, 0, 0, 0, 300, 0xFF000000 },  // red 2 is already too bright
		{ 0xFF000004, 0, 0, 0, 0, 300, 0xFFFFFFFF },  // blue 4 weighs 0.44
		{ 0xFF000005, 0, 0, 0, 0, 300, 0xFF000000 },
		{ 0xFFFFFFFF, 803, 3, -1, 298, 315, 0xFF000000 }, // wider than the screen: halves round toward zero
	};
	for (const Case& c : cases)
	{
		const CLoadingScreen::SLayout layout = CLoadingScreen::computeLayout(core::dimension2du(800, 600),
			core::dimension2du(c.imageW, c.imageH), video::SColor(c.background));
		if (c.imageW)
		{
			EXPECT_EQ(layout.imagePosition.X, c.imageX);
			EXPECT_EQ(layout.imagePosition.Y, c.imageY);
		}
		EXPECT_EQ(layout.textY, c.textY) << std::hex << c.background;
		EXPECT_EQ(layout.textColor.color, c.textColor) << std::hex << c.background;
	}
}

TEST(LoadingScreen, ProgressPlaceholderIsRemoved)
{
	SPublishedTrailer trailer;
	trailer.setLoadingText("Loading $PROGRESS$...");
	EXPECT_TRUE(CLoadingScreen::makeText(trailer) == L"Loading ...");
	trailer.setLoadingText("$PROGRESS$$PROGRESS$ done");
	EXPECT_TRUE(CLoadingScreen::makeText(trailer) == L" done");
}

TEST(DeviceParameters, FromTrailerAndCommandLine)
{
	SPublishedTrailer trailer;
	trailer.windowWidth = 1280;
	trailer.windowHeight = 720;
	trailer.fullscreen = 1;
	trailer.stencilBuffer = 2;
	trailer.vsync = 1;
	trailer.colorBits = 32;
	trailer.zBufferBits = 24;
	trailer.antiAlias = 4;

	SIrrlichtCreationParameters p = CPlayerDeviceFactory::makeParameters(trailer, false, 0, 0);
	EXPECT_EQ(p.DriverType, video::EDT_OPENGL);
	EXPECT_EQ(p.WindowSize, core::dimension2du(1280, 720));
	EXPECT_TRUE(p.Fullscreen);
	EXPECT_TRUE(p.Stencilbuffer);
	EXPECT_TRUE(p.Vsync);
	EXPECT_EQ(p.Bits, 32);
	EXPECT_EQ(p.ZBufferBits, 24);
	EXPECT_NE(p.AntiAlias, 0);
	EXPECT_FALSE(p.WithAlphaChannel);

	EXPECT_FALSE(CPlayerDeviceFactory::makeParameters(trailer, true, 0, 0).Fullscreen);
	trailer.flags = SPublishedTrailer::ETF_FORCE_WINDOW;
	EXPECT_FALSE(CPlayerDeviceFactory::makeParameters(trailer, false, 0, 0).Fullscreen);

	const core::dimension2di size(640, 480);
	EXPECT_EQ(CPlayerDeviceFactory::makeParameters(trailer, false, &size, 0).WindowSize, core::dimension2du(640, 480));
}

TEST(DeviceParameters, DriverByte)
{
	struct Case { s8 stored; video::E_DRIVER_TYPE driver; };
	const Case cases[] = { { 1, video::EDT_OPENGL }, { 2, video::EDT_OPENGL }, { 3, video::EDT_DIRECT3D9 },
		{ 5, video::EDT_OPENGL }, { 0, video::EDT_NULL }, { 4, video::EDT_DIRECT3D9 } };
	for (const Case& c : cases)
		EXPECT_EQ(CPlayerDeviceFactory::mapDriverType(c.stored), c.driver) << int(c.stored);
}

TEST(PlayerProcess, ExitsWithZeroWhenNoDeviceCanBeMade)
{
	// Without a display the device cannot be created; the player still ends cleanly.
	const std::string player = hxtest::builtProgram("helixpane-player");
	const char* argumentSets[] = { "", "-debug -windowed", "-resolution:1024x768 -script:/nonexistent.js", "-DEBUG --debug" };
	for (const char* arguments : argumentSets)
		EXPECT_EQ(hxtest::runCommand("env -u DISPLAY timeout 20 " + player + " " + arguments + " >/dev/null 2>&1"), 0)
			<< arguments;
}
