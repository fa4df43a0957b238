#ifndef HX_VESK_2D_RECTANGLES_H
#define HX_VESK_2D_RECTANGLES_H

#include <dimension2d.h>
#include <rect.h>

//! Truncates toward zero; values beyond the s32 range stick to its ends and NaN gives 0, so
//! rectangles from damaged documents stay defined.
irr::s32 truncateToInt(irr::f32 value);

//! (x, y, x + width, y + height), the sums held to the s32 range.
irr::core::rect<irr::s32> makeClampedRect(irr::s32 x, irr::s32 y, irr::s32 width, irr::s32 height);

//! rect moved by offset, the corners held to the s32 range.
irr::core::rect<irr::s32> moveClamped(const irr::core::rect<irr::s32>& rect, const irr::core::position2di& offset);

//! x2 - x1 and y2 - y1, held to the s32 range.
irr::s32 getClampedWidth(const irr::core::rect<irr::s32>& rect);
irr::s32 getClampedHeight(const irr::core::rect<irr::s32>& rect);

//! The size of the largest rectangle of the image's aspect ratio that fits into area. False
//! when the image or the area has no extent.
bool fitKeepingAspectRatio(const irr::core::dimension2du& imageSize, const irr::core::rect<irr::s32>& area,
	irr::s32& width, irr::s32& height);

#endif
