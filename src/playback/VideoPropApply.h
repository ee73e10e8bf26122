// Applying the effective video properties to the open file.
#pragma once
#include <windows.h>

// Applies the property groups of the bits (0x0F ProcAmp, 0x10 video range,
// 0x100 audio boost, 0x200 input balance, 0xFFFF all).
void m_VideoProp_Apply(int bits, int flags);

// Calls so far and the bits of the last one (what can be seen of it until
// files can be opened).
extern int g_VideoPropApplyCalls;
extern int g_VideoPropApplyBits;

// The audio boost in effect, percent (100: none, 0..300).
extern int g_AudioBoost;
