// The system master volume beside the player's: at 100 % the volume keys go
// on to raise it, and the player lowers it again when playback stops.
#pragma once
#include <windows.h>

// The system-audio object as the volume logic uses it: the product's calls
// by default, a test's fakes in their place.
struct SSYSVOLPORT {
    UINT (*MakeWindow)(HWND mainWindow);
    int (*Open)(DWORD mode);
    void (*Close)();
    DWORD (*GetVolume)();              // 0..10000, 0xFFFFFFFF when unreadable
    DWORD (*SetVolume)(DWORD volume);  // 1 when set
    DWORD (*Tick)();
};
extern SSYSVOLPORT g_SysVolPort;
// The product's port.
SSYSVOLPORT m_SysVolPort_Real();

// What the system-volume logic remembers.
struct SSYSVOLSTATE {
    int target;         // the raised level, -1 when not set
    int base;           // the user's level before raising, -1 when not set
    DWORD reachedTick;  // an upward step brought the player volume to 100 %
    int available;      // the control is open
    int forgetArmed;    // main-window timer 12 runs
};
extern SSYSVOLSTATE g_SysVolState;

// How a step at 100 % ended.
enum {
    SYSVOL_STEP_PLAYER = 0,  // the player volume is stepped instead
    SYSVOL_STEP_DONE = 1,    // the system level was set
    SYSVOL_STEP_ERROR = 2,   // the system level could not be read or set
};
struct SSYSVOLSTEP {
    int result;
    int base;
    int level;
    int upAtTop;  // an upward step found the base level at 100 %
};
// Steps the system level by step (hundredths of a percent); restMs is
// "SysVolTm". The control is opened when needed.
SSYSVOLSTEP m_SysVol_Step(int step, int restMs);
// An upward player step brought the volume to 100 % now.
void m_SysVol_NoteReachedTop();

// Main-window timer 12: both remembered levels are forgotten.
void m_SysVol_OnForgetTimer();
// The state as at start (for a fresh start of the logic).
void m_SysVol_Reset();
