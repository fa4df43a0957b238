#include "behaviours/SCameraMouseTracking.h"

#include <cmath>

namespace irr
{
namespace scene
{

namespace
{

//! A press and release farther apart than this many window widths (taken as 600 pixels) in
//! both directions is a drag, not a click.
const f32 DRAG_THRESHOLD = 2.f / 600.f;

} // end anonymous namespace

bool SCameraMouseTracking::onMouseEvent(const SEvent& event, gui::ICursorControl* cursorControl,
	bool lookOnlyWhenMouseDown, bool& consumed)
{
	if (event.EventType != EET_MOUSE_INPUT_EVENT)
		return false;
	switch (event.MouseInput.Event)
	{
	case EMIE_LMOUSE_PRESSED_DOWN:
	{
		if (cursorControl)
			MouseDownPos = cursorControl->getRelativePosition();
		PressPos = MouseDownPos;
		const bool wasDown = LeftButtonDown;
		LeftButtonDown = true;
		consumed = !wasDown && lookOnlyWhenMouseDown;
		return true;
	}
	case EMIE_LMOUSE_LEFT_UP:
	{
		const bool wasDown = LeftButtonDown;
		LeftButtonDown = false;
		consumed = wasDown && lookOnlyWhenMouseDown && fabsf(PressPos.X - CursorPos.X) > DRAG_THRESHOLD
			&& fabsf(PressPos.Y - CursorPos.Y) > DRAG_THRESHOLD;
		return true;
	}
	case EMIE_MOUSE_MOVED:
		if (cursorControl)
			CursorPos = cursorControl->getRelativePosition();
		consumed = true;
		return true;
	default:
		return false;
	}
}

} // end namespace scene
} // end namespace irr
