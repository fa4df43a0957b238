#ifndef HX_C_DEBUG_CONSOLE_H
#define HX_C_DEBUG_CONSOLE_H

#include <IGUIEnvironment.h>
#include <IGUIListBox.h>
#include <IVideoDriver.h>
#include <irrString.h>

//! The on-screen list of log lines in the top right corner, shown from its first line on.
//! It keeps the newest 31 lines; a line equal to one of the last ten is not repeated unless
//! the caller allows it.
class CDebugConsole
{
public:
	enum
	{
		MAX_LINES = 31,
		REPEAT_WINDOW = 10
	};

	//! Adds the list box for a window of the given size, hidden, holding the title line.
	CDebugConsole(irr::gui::IGUIEnvironment* environment, const irr::core::dimension2du& windowSize);

	void addLine(const wchar_t* text, bool allowRepeat);
	//! Places the console for the current screen size.
	void layout(const irr::core::dimension2du& screenSize);

	irr::gui::IGUIListBox* getListBox() const { return ListBox; }

	//! Where the console sits on a screen of that size, at creation and every frame.
	static irr::core::recti computeCreationRectangle(const irr::core::dimension2du& windowSize);
	static irr::core::recti computeLayoutRectangle(const irr::core::dimension2du& screenSize);

private:
	//! Owned by the GUI environment, which lives as long as the device.
	irr::gui::IGUIListBox* ListBox;
};

#endif
