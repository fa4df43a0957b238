#ifndef HX_C_FRAME_LIMITER_H
#define HX_C_FRAME_LIMITER_H

#include <irrTypes.h>

//! Decides, on every pass of the frame loop, whether a frame is due. It never busy-waits:
//! the loop sleeps 0 ms between passes and 100 ms while the window is inactive.
class CFrameLimiter
{
public:
	enum E_DECISION
	{
		//! The window is inactive: sleep INACTIVE_SLEEP_MS, draw nothing.
		ED_SLEEP_INACTIVE,
		//! Not yet time for a frame: sleep 0 ms.
		ED_WAIT,
		//! Draw a frame now, then call frameDrawn.
		ED_DRAW
	};

	enum { INACTIVE_SLEEP_MS = 100 };

	//! maxFramesPerSecond from 1 to 299 gives 1000 / maxFramesPerSecond ms; anything else 16 ms.
	CFrameLimiter(irr::s32 maxFramesPerSecond, irr::u32 now);

	static irr::u32 computeInterval(irr::s32 maxFramesPerSecond);

	irr::u32 getInterval() const { return Interval; }
	//! The interval while a movie plays.
	irr::u32 getHalfInterval() const { return HalfInterval; }

	E_DECISION decide(irr::u32 now, bool windowActive, bool moviePlaying) const;
	void frameDrawn(irr::u32 now) { LastFrame = now; }

private:
	irr::u32 Interval;
	irr::u32 HalfInterval;
	irr::u32 LastFrame;
};

#endif
