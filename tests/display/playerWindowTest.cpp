// The player as a user starts it: a process with a window on the display.
#include "tests/support/testSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
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

std::string commandOutput(const std::string& command)
{
	hxtest::TempFolder folder;
	const std::string out = folder.file("output.txt");
	hxtest::runCommand(command + " > '" + out + "' 2>/dev/null");
	const std::vector<irr::u8> text = hxtest::readWholeFile(out);
	return std::string(text.begin(), text.end());
}

//! How many different colours a screenshot holds.
long colourCount(const std::string& picture)
{
	return std::atol(commandOutput("convert '" + picture + "' -format '%k' info:").c_str());
}

//! How many pixels differ between two screenshots of the same size.
long differingPixels(const std::string& a, const std::string& b)
{
	// compare prints the count on stderr and answers 1 when the pictures differ.
	return std::atol(commandOutput("compare -metric AE '" + a + "' '" + b + "' null: 2>&1 | cat").c_str());
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
	// A textured, lit scene under a sky, not a cleared screen.
	EXPECT_GT(colourCount(folder.file("active.png")), 1000);

	// Never focused: the frame loop draws nothing, so the loading screen is still up.
	ASSERT_EQ(hxtest::runCommand(script + demo + " " + folder.file("inactive") + " nofocus -debug -windowed"), 0);
	EXPECT_GT(differingPixels(folder.file("active.png"), folder.file("inactive.png")), 1024 * 640 / 2);
	EXPECT_LT(colourCount(folder.file("inactive.png")), colourCount(folder.file("active.png")) / 4);

	const std::string report = commandOutput(hxtest::builtProgram("helixpane-inspect") + " " + demo);
	EXPECT_NE(report.find("scene 0: 3d \"Courtyard\""), std::string::npos) << report;
	EXPECT_NE(report.find("scene 1: 3d \"Gallery\""), std::string::npos);
	EXPECT_EQ(report.find("scene 2:"), std::string::npos);
}

TEST(PlayerWindow, DemoCameraWalksForwardWhileTheUpKeyIsHeld)
{
	hxtest::TempFolder folder;
	const std::string prefix = folder.file("walk");
	const std::string command = "PLAYER_INPUT='keydown Up; sleep 0.8; keyup Up' " + std::string(HX_SOURCE_DIR)
		+ "/tests/support/playerWindow.sh " + hxtest::builtProgram("helixpane-demo") + " " + prefix + " focus -debug -windowed";
	ASSERT_EQ(hxtest::runCommand(command), 0);
	// Nothing in the courtyard moves by itself: a changed picture is the camera walking.
	EXPECT_GT(differingPixels(prefix + ".png", prefix + "-after.png"), 1000);
}

TEST(PlayerWindow, DemoClickOnTheGlowingPedestalOpensTheGallery)
{
	hxtest::TempFolder folder;
	const std::string prefix = folder.file("click");
	// The pedestal stands where the start camera looks: the middle of the 1024 x 640 window,
	// where the walking camera keeps the cursor.
	const std::string command = "PLAYER_INPUT='mousemove --window WINDOW 512 320; click 1' " + std::string(HX_SOURCE_DIR)
		+ "/tests/support/playerWindow.sh " + hxtest::builtProgram("helixpane-demo") + " " + prefix + " focus -debug -windowed";
	ASSERT_EQ(hxtest::runCommand(command), 0);
	// Another scene fills the window: most pixels change, and the gallery's checkered floor
	// and marble hold other colours than the courtyard's stone and brick.
	EXPECT_GT(differingPixels(prefix + ".png", prefix + "-after.png"), 1024 * 640 / 2);
	EXPECT_GT(colourCount(prefix + "-after.png"), 1000);
}

TEST(PlayerWindow, DemoCounterSurvivesARestartOfThePlayer)
{
	hxtest::TempFolder folder;
	const std::string run = "XDG_DATA_HOME='" + folder.path() + "' " + std::string(HX_SOURCE_DIR)
		+ "/tests/support/playerWindow.sh " + hxtest::builtProgram("helixpane-demo") + " ";
	// A first run with nothing stored, a second that clicks the pedestal (a gallery visit is
	// counted and stored), a third, new process that loads the count into the panel.
	ASSERT_EQ(hxtest::runCommand(run + folder.file("fresh") + " focus -debug -windowed"), 0);
	ASSERT_EQ(hxtest::runCommand("PLAYER_INPUT='mousemove --window WINDOW 512 320; click 1' " + run
		+ folder.file("visit") + " focus -debug -windowed"), 0);
	ASSERT_EQ(hxtest::runCommand(run + folder.file("again") + " focus -debug -windowed"), 0);

	EXPECT_EQ(commandOutput("base64 -d '" + folder.path() + "/Helixpane/.Helixpane_Demo'"), "visits=1\n");
	const std::string crop = " -crop 380x28+12+12 +repage ";
	hxtest::runCommand("convert '" + folder.file("fresh.png") + "'" + crop + "'" + folder.file("fresh-panel.png") + "'");
	hxtest::runCommand("convert '" + folder.file("again.png") + "'" + crop + "'" + folder.file("again-panel.png") + "'");
	EXPECT_GT(differingPixels(folder.file("fresh-panel.png"), folder.file("again-panel.png")), 0)
		<< "the panel shows the loaded count";
}
