// Applying the effective video properties to the open file, with the
// on-screen message of each group.
#pragma once
#include <windows.h>

#include "playback/VideoProps.h"

// Applies the groups of the mask (15 ProcAmp, 16 video range, 32 aspect,
// 64 crop, 256 audio boost, 512 input balance, 0xFFFF all), each from the
// level in effect; with show each group's message is shown.
void m_VideoProp_Apply(int mask, int show);

// Calls so far and the mask of the last one.
extern int g_VideoPropApplyCalls;
extern int g_VideoPropApplyBits;

// The audio boost in effect, percent (100: none, 0..300).
extern int g_AudioBoost;
// Clamps to 0..300, keeps it and hands it to the engine's software gain.
void m_AudioBoost_Apply(int percent);

// The message of one group (the mask's ProcAmp bits, or 16, 32, 64, 256,
// 512) for the level in effect and its set; the length written.
int m_VideoProp_FormatMessage(int mask, int origin, const SVIDEOPROPSET* set, wchar_t* out,
                              int size);
// The aspect (or crop with bit 64) a set gives: only FILE and SNGL hold one;
// 0:0 is the video's own.
void m_VideoProp_RatioOf(int bit, int origin, const SVIDEOPROPSET* set, int* x, int* y);
