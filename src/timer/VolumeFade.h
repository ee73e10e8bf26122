// The off-timer's volume fade as far as a volume change meets it: the fade
// state and its stop (main-window timer 43).
#pragma once
#include <windows.h>

struct SVOLUMEFADE {
    int fading;
    int direction;  // 0 down, 1 up
    int target;     // player volume, 0..10000
    int step;
    int before;  // the volume before the fade
    int showOnSlider;
    int offTimerFade;  // the off-timer's fade-out runs
    int autoStopFade;  // the idle auto-stop's fade-out runs
};
extern SVOLUMEFADE g_VolumeFade;

// Stops timer 43 and undoes the fade state: a volume set by other means
// takes the fade's place.
void m_VolumeFade_Stop();
