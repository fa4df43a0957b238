// The debug console's line rules and layout.
#include "player/CDebugConsole.h"
#include "tests/support/testSupport.h"

#include <gtest/gtest.h>

using namespace irr;

namespace
{

class DebugConsole : public ::testing::Test
{
protected:
	void SetUp() override
	{
		Device = hxtest::createNullDevice();
		Console = new CDebugConsole(Device->getGUIEnvironment(), core::dimension2du(300, 100));
	}
	void TearDown() override
	{
		delete Console;
		Device->drop();
	}
	gui::IGUIListBox* box() const { return Console->getListBox(); }

	IrrlichtDevice* Device = nullptr;
	CDebugConsole* Console = nullptr;
};

} // end anonymous namespace

TEST_F(DebugConsole, HiddenTitleUntilTheFirstLine)
{
	EXPECT_FALSE(box()->isVisible());
	EXPECT_EQ(box()->getItemCount(), 1u);
	EXPECT_STREQ(box()->getListItem(0), L"Helixpane Debug Console");
	Console->addLine(0, false);
	EXPECT_FALSE(box()->isVisible());
	Console->addLine(L"first", false);
	EXPECT_TRUE(box()->isVisible());
	EXPECT_EQ(box()->getSelected(), 1);
}

TEST_F(DebugConsole, RepeatsAreSkippedWithinTheLastTenLines)
{
	Console->addLine(L"same", false);
	Console->addLine(L"same", false);
	EXPECT_EQ(box()->getItemCount(), 2u);
	Console->addLine(L"same", true); // print allows repeats
	EXPECT_EQ(box()->getItemCount(), 3u);
	for (int i = 0; i < 10; ++i)
		Console->addLine(core::stringw(i).c_str(), false);
	Console->addLine(L"same", false);
	EXPECT_EQ(box()->getItemCount(), 14u);
	EXPECT_STREQ(box()->getListItem(13), L"same");
}

TEST_F(DebugConsole, KeepsTheNewest31Lines)
{
	for (int i = 0; i < 40; ++i)
		Console->addLine((core::stringw(L"line ") + core::stringw(i)).c_str(), false);
	EXPECT_EQ(box()->getItemCount(), 31u);
	EXPECT_STREQ(box()->getListItem(30), L"line 39");
	EXPECT_STREQ(box()->getListItem(0), L"line 9");
	EXPECT_EQ(box()->getSelected(), 30);
}

TEST(DebugConsoleLayout, Rectangles)
{
	EXPECT_EQ(CDebugConsole::computeCreationRectangle(core::dimension2du(300, 100)), core::recti(0, 0, 300, 100));
	EXPECT_EQ(CDebugConsole::computeLayoutRectangle(core::dimension2du(300, 100)), core::recti(105, 0, 300, 100));
	EXPECT_EQ(CDebugConsole::computeLayoutRectangle(core::dimension2du(1920, 1080)), core::recti(1120, 0, 1920, 150));
	EXPECT_EQ(CDebugConsole::computeCreationRectangle(core::dimension2du(1920, 1080)), core::recti(1520, 0, 1920, 150));
}
