#include "scene/CVesk2DOverlayNode.h"
#include "document/veskUtf8.h"
#include "render/veskDraw2D.h"
#include "scene/CVeskFontManager.h"
#include "scene/vesk2DRectangles.h"

#include <IGUIFont.h>
#include <IVideoDriver.h>

using namespace irr;

namespace
{

//! Room the multiline layout leaves at the right edge.
const s32 WRAP_MARGIN = 6;

} // end anonymous namespace

void CVesk2DOverlayNode::updateFont()
{
	if (!GUIEnvironment || !DrawText)
		return;
	CVeskFontManager* fonts = new CVeskFontManager(GUIEnvironment);
	gui::IGUIFont* font = fonts->getFont(FontDescription.c_str());
	if (font)
		setFont(font);
	fonts->drop();
}

void CVesk2DOverlayNode::refreshWideText()
{
	if (Text == LastText)
		return;
	decodeVeskUtf8(Text, WideText);
	LastText = Text;
	LinesOutdated = true;
}

const core::array<core::stringw>& CVesk2DOverlayNode::getMultilineLayout(s32 width)
{
	refreshWideText();
	if (LinesOutdated || width != LastWrapWidth || Font != LastWrapFont)
		wrapText(width);
	return Lines;
}

void CVesk2DOverlayNode::wrapText(s32 width)
{
	Lines.clear();
	if (!Font)
		return;
	LinesOutdated = false;
	LastWrapWidth = width;
	LastWrapFont = Font;
	const s64 limit = s64(width) - WRAP_MARGIN;

	core::stringw line;
	core::stringw word;
	core::stringw separators;
	s64 lineWidth = 0;
	for (u32 i = 0; i < WideText.size(); ++i)
	{
		wchar_t c = WideText[i];
		const bool lineEnd = c == L'\n' || c == L'\r';
		if (c == L'\r' && i + 1 < WideText.size() && WideText[i + 1] == L'\n')
			WideText.erase(i + 1);
		if (lineEnd)
			c = L' ';
		if (c != L' ' && i + 1 < WideText.size())
		{
			word.append(c);
			continue;
		}
		if (word.size())
		{
			const s64 wordWidth = Font->getDimension(word.c_str()).Width;
			const s64 widened = lineWidth + Font->getDimension(separators.c_str()).Width + wordWidth;
			if (widened > limit)
			{
				// A word too wide for an empty line stays on it rather than below an empty one.
				if (line.size())
					Lines.push_back(line);
				line = word;
				lineWidth = wordWidth;
			}
			else
			{
				line += separators;
				line += word;
				lineWidth = widened;
			}
			word = L"";
			separators = L"";
		}
		separators.append(c);
		if (lineEnd)
		{
			line += separators;
			Lines.push_back(line);
			line = L"";
			separators = L"";
			lineWidth = 0;
		}
	}
	line += separators;
	line += word;
	Lines.push_back(line);
}

void CVesk2DOverlayNode::drawText(video::IVideoDriver* driver, const core::rect<s32>& area, bool hovered)
{
	if (!DrawText || !Font || Text.size() == 0)
		return;
	refreshWideText();
	const video::SColor color = hovered && OnHoverSetTextColor ? OnHoverTextColor : TextColor;

	core::rect<s32> savedViewport;
	const core::position2di offset = beginVeskViewportText(driver, savedViewport);
	const core::rect<s32> clip = moveClamped(area, offset);
	if (Alignment != EA_MULTILINE)
	{
		const bool centred = Alignment == EA_CENTER;
		Font->draw(WideText, clip, color, centred, centred, &clip);
	}
	else
	{
		const core::array<core::stringw>& lines = getMultilineLayout(getClampedWidth(area));
		// Lines below the area would be clipped away entirely.
		s64 top = clip.UpperLeftCorner.Y;
		for (u32 i = 0; i < lines.size() && top < clip.LowerRightCorner.Y; ++i)
		{
			const core::rect<s32> lineArea(clip.UpperLeftCorner.X, s32(top), clip.LowerRightCorner.X, clip.LowerRightCorner.Y);
			Font->draw(lines[i], lineArea, color, false, false, &clip);
			top += Font->getDimension(lines[i].c_str()).Height;
		}
	}
	endVeskViewportText(driver, savedViewport);
}
