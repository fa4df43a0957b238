#ifndef HX_S_CAMERA_MOUSE_TRACKING_H
#define HX_S_CAMERA_MOUSE_TRACKING_H

#include <ICursorControl.h>
#include <IEventReceiver.h>
#include <position2d.h>

namespace irr
{
namespace scene
{

//! The left button and the cursor as the camera behaviours follow them, and what telling a
//! click from a drag needs.
struct SCameraMouseTracking
{
	SCameraMouseTracking() : LeftButtonDown(false) {}

	//! Follows left-button and motion events; answers whether the event was one of them, and in
	//! consumed whether the camera keeps it from the behaviours behind it: a press that starts
	//! looking, a release that ends a drag, and every motion.
	bool onMouseEvent(const SEvent& event, gui::ICursorControl* cursorControl, bool lookOnlyWhenMouseDown, bool& consumed);

	core::position2df CursorPos;
	//! Where looking starts from; moved along while dragging.
	core::position2df MouseDownPos;
	//! Where the left button went down; decides between a click and a drag.
	core::position2df PressPos;
	bool LeftButtonDown;
};

} // end namespace scene
} // end namespace irr

#endif
