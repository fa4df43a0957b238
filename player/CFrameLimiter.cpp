#include "player/CFrameLimiter.h"

using namespace irr;

CFrameLimiter::CFrameLimiter(s32 maxFramesPerSecond, u32 now)
	: Interval(computeInterval(maxFramesPerSecond)), HalfInterval(u32(Interval * 0.5f)), LastFrame(now - Interval)
{
}

u32 CFrameLimiter::computeInterval(s32 maxFramesPerSecond)
{
	if (maxFramesPerSecond >= 1 && maxFramesPerSecond <= 299)
		return u32(1000 / maxFramesPerSecond);
	return 16;
}

CFrameLimiter::E_DECISION CFrameLimiter::decide(u32 now, bool windowActive, bool moviePlaying) const
{
	if (!windowActive)
		return ED_SLEEP_INACTIVE;
	const u32 threshold = moviePlaying ? HalfInterval : Interval;
	// Unsigned difference: stays right when the millisecond timer wraps.
	if (now - LastFrame < threshold)
		return ED_WAIT;
	return ED_DRAW;
}
