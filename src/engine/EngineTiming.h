// The arithmetic of the engine's timers, frame steps and rates, apart from
// any graph so that it can be checked on its own. Times are 100 ns units
// unless a name says ms; frame times are seconds.
#pragma once
#include <windows.h>

// The next one-shot delay of a timer that halves its way to a target
// restMs away, at the rate in percent: 10..60,000 ms while the rest is
// above 10 ms; 0 when the target counts as reached (rest above -1000 ms);
// -1 when it lies more than a second behind.
LONGLONG m_VR_ShotDelayMs(LONGLONG restMs, int rate);

// The position of a step of frames from the position: the target frame is
// held to the last one and the position to 0..duration. -1 when the
// position is on the last frame and the step goes forward.
LONGLONG m_VR_StepTarget(LONGLONG position, LONGLONG duration, double frameTime, int frames);

// The milliseconds of the frame that is frames away from the time (100 ns),
// one millisecond into it; 0 when negative.
LONGLONG m_VR_FrameStartMs(double time, double frameTime, int frames);

// 1 when the position lies within 0.2333 s of the end.
int m_VR_IsNearEndOf(LONGLONG position, LONGLONG duration);

// The rate in percent as the graph takes it (100 is exactly 1.0).
double m_VR_RateValue(int percent);
