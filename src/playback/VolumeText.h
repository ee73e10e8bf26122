// The on-screen texts of the volume: the player's own step and the step
// that went to the system master volume, each with the boost, the input
// balance and mute.
#pragma once
#include <windows.h>

// Characters of a volume text, terminator included.
constexpr int kVolumeTextCap = 96;

// What every volume text carries beside the level.
struct SVOLUMETEXTFACTS {
    int boost;    // percent, 100 = none
    int balance;  // input balance -100..100
    int muted;
};

// A system step that could not be read or set.
extern const wchar_t kVolumeTextSysError[];

// Decimals that show a level as it is: 0 for a multiple of 100, 1 for a
// multiple of 10, else 2.
int m_Volume_DecimalsOf(int level);
// "VOL````<percent>%`" with boost, balance and mute.
void m_VolumeText_Player(wchar_t* out, int cap, int volume, int decimals,
                         const SVOLUMETEXTFACTS& f);
// The text of a system step from base to level; upAtTop: an upward step
// found the base level at 100 %.
void m_VolumeText_System(wchar_t* out, int cap, int base, int level, int levelDecimals, int upAtTop,
                         const SVOLUMETEXTFACTS& f);
