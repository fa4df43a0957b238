#include "scene/vesk2DRectangles.h"

using namespace irr;

namespace
{

s32 clampToInt(s64 value)
{
	if (value > s64(0x7FFFFFFF))
		return 0x7FFFFFFF;
	if (value < -s64(0x80000000LL))
		return s32(-0x7FFFFFFF - 1);
	return s32(value);
}

} // end anonymous namespace

s32 truncateToInt(f32 value)
{
	if (value != value)
		return 0;
	if (value >= 2147483648.f)
		return 0x7FFFFFFF;
	if (value <= -2147483648.f)
		return s32(-0x7FFFFFFF - 1);
	return s32(value);
}

core::rect<s32> makeClampedRect(s32 x, s32 y, s32 width, s32 height)
{
	return core::rect<s32>(x, y, clampToInt(s64(x) + width), clampToInt(s64(y) + height));
}

core::rect<s32> moveClamped(const core::rect<s32>& rect, const core::position2di& offset)
{
	return core::rect<s32>(clampToInt(s64(rect.UpperLeftCorner.X) + offset.X), clampToInt(s64(rect.UpperLeftCorner.Y) + offset.Y),
		clampToInt(s64(rect.LowerRightCorner.X) + offset.X), clampToInt(s64(rect.LowerRightCorner.Y) + offset.Y));
}

s32 getClampedWidth(const core::rect<s32>& rect)
{
	return clampToInt(s64(rect.LowerRightCorner.X) - rect.UpperLeftCorner.X);
}

s32 getClampedHeight(const core::rect<s32>& rect)
{
	return clampToInt(s64(rect.LowerRightCorner.Y) - rect.UpperLeftCorner.Y);
}

bool fitKeepingAspectRatio(const core::dimension2du& imageSize, const core::rect<s32>& area, s32& width, s32& height)
{
	const f32 areaWidth = f32(s64(area.LowerRightCorner.X) - area.UpperLeftCorner.X);
	const f32 areaHeight = f32(s64(area.LowerRightCorner.Y) - area.UpperLeftCorner.Y);
	if (imageSize.Width == 0 || imageSize.Height == 0 || areaWidth == 0.f || areaHeight == 0.f)
		return false;
	f32 fittedWidth = areaWidth;
	f32 fittedHeight = areaWidth * f32(imageSize.Height) / f32(imageSize.Width);
	if (fittedHeight > areaHeight)
	{
		const f32 shrink = areaHeight / fittedHeight;
		fittedWidth *= shrink;
		fittedHeight *= shrink;
	}
	width = truncateToInt(fittedWidth);
	height = truncateToInt(fittedHeight);
	return true;
}
