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
