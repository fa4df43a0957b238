#include "player/CDebugConsole.h"

using namespace irr;

CDebugConsole::CDebugConsole(gui::IGUIEnvironment* environment, const core::dimension2du& windowSize)
	: ListBox(environment->addListBox(computeCreationRectangle(windowSize), 0, -1, true))
{
	ListBox->addItem(L"Helixpane Debug Console");
	ListBox->setVisible(false);
	ListBox->setAutoScrollEnabled(true);
}

core::recti CDebugConsole::computeCreationRectangle(const core::dimension2du& windowSize)
{
	const s32 w = s32(windowSize.Width);
	const s32 h = s32(windowSize.Height);
	return core::recti(w - core::min_(w, 400), 0, w, core::min_(h, 150));
}

core::recti CDebugConsole::computeLayoutRectangle(const core::dimension2du& screenSize)
{
	const s32 w = s32(screenSize.Width);
	const s32 h = s32(screenSize.Height);
	const s32 width = s32(0.65f * f32(w));
	return core::recti(w - core::min_(width, 800), 0, w, core::min_(h, 150));
}

void CDebugConsole::addLine(const wchar_t* text, bool allowRepeat)
{
	if (!text)
		return;
	const u32 count = ListBox->getItemCount();
	if (!allowRepeat)
	{
		const core::stringw line(text);
		for (u32 i = count > REPEAT_WINDOW ? count - REPEAT_WINDOW : 0; i < count; ++i)
			if (line == ListBox->getListItem(i))
				return;
	}
	if (count >= MAX_LINES)
		ListBox->removeItem(0);
	ListBox->addItem(text);
	ListBox->setSelected(s32(ListBox->getItemCount()) - 1);
	ListBox->setVisible(true);
}

void CDebugConsole::layout(const core::dimension2du& screenSize)
{
	ListBox->setRelativePosition(computeLayoutRectangle(screenSize));
}
