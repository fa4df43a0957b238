// The player as a user starts it: a process with a window on the display.
#include "tests/support/testSupport.h"

#include <gtest/gtest.h>

#include <fstream>

namespace
{

std::string readLine(const std::string& path)
{
	std::ifstream in(path);
	std::string line;
	std::getline(in, line);
	return line;
}

} // end anonymous namespace

TEST(PlayerWindow, BarePlayerOpensTheDefaultWindow)
{
	hxtest::TempFolder folder;
	const std::string prefix = folder.file("bare");
	ASSERT_EQ(hxtest::runCommand(std::string(HX_SOURCE_DIR) + "/tests/support/playerWindow.sh "
		+ hxtest::builtProgram("helixpane-player") + " " + prefix + " focus -windowed"), 0);
	EXPECT_EQ(readLine(prefix + ".geometry"), "800x600");
}

TEST(PlayerWindow, ResolutionOptionSizesTheWindow)
{
	hxtest::TempFolder folder;
	const std::string prefix = folder.file("sized");
	ASSERT_EQ(hxtest::runCommand(std::string(HX_SOURCE_DIR) + "/tests/support/playerWindow.sh "
		+ hxtest::builtProgram("helixpane-player") + " " + prefix + " focus -windowed -resolution:320x200"), 0);
	EXPECT_EQ(readLine(prefix + ".geometry"), "320x200");
}

namespace
{

//! The colour at the centre of a screenshot, as "srgb(r,g,b)".
std::string centreColour(const std::string& picture)
{
	hxtest::TempFolder folder;
	const std::string out = folder.file("colour.txt");
	hxtest::runCommand("convert '" + picture + "' -gravity center -crop 1x1+0+0 -format '%[pixel:p{0,0}]' info: > '" + out + "'");
	return readLine(out);
}

} // end anonymous namespace

TEST(PlayerWindow, DemoDrawsItsStartSceneOnlyWhileTheWindowIsActive)
{
	hxtest::TempFolder folder;
	const std::string script = std::string(HX_SOURCE_DIR) + "/tests/support/playerWindow.sh ";
	const std::string demo = hxtest::builtProgram("helixpane-demo");
	// -debug skips the loading image's minimum display time.
	ASSERT_EQ(hxtest::runCommand(script + demo + " " + folder.file("active") + " focus -debug -windowed"), 0);
	EXPECT_EQ(readLine(folder.file("active.geometry")), "1024x640");
	EXPECT_EQ(centreColour(folder.file("active.png")), "srgb(26,42,58)");

	// Never focused: the frame loop draws nothing, so the loading screen is still up.
	ASSERT_EQ(hxtest::runCommand(script + demo + " " + folder.file("inactive") + " nofocus -debug -windowed"), 0);
	EXPECT_NE(centreColour(folder.file("inactive.png")), "srgb(26,42,58)");
}

namespace
{

//! How many pixels of two screenshots differ.
std::string differingPixels(const std::string& a, const std::string& b)
{
	hxtest::TempFolder folder;
	const std::string out = folder.file("difference.txt");
	hxtest::runCommand("compare -metric AE '" + a + "' '" + b + "' null: 2> '" + out + "'");
	return readLine(out);
}

} // end anonymous namespace

TEST(PlayerWindow, DemoCameraWalksForwardWhileTheUpKeyIsHeld)
{
	hxtest::TempFolder folder;
	const std::string prefix = folder.file("walk");
	const std::string command = "PLAYER_INPUT='keydown Up; sleep 0.8; keyup Up' " + std::string(HX_SOURCE_DIR)
		+ "/tests/support/playerWindow.sh " + hxtest::builtProgram("helixpane-demo") + " " + prefix + " focus -debug -windowed";
	ASSERT_EQ(hxtest::runCommand(command), 0);
	// The square left of the view grows and moves out of it; the view's centre stays open sky.
	EXPECT_NE(differingPixels(prefix + ".png", prefix + "-after.png"), "0");
	EXPECT_EQ(centreColour(prefix + "-after.png"), "srgb(26,42,58)");
}
