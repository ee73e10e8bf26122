// What playback control does with the engine's notices, the file-open
// thread's result and its own main-window timers. Grows with the playback
// code; until then nothing can be open, so each keeps the idle state.
#pragma once
#include <windows.h>

#include "playback/PlayState.h"

// A file is open, playback has started and it is not held.
int m_IsPlaying();
// Playback of the open file has started (it may be held since).
int m_Playback_HasStarted();
void m_Pause();
// The display is kept awake (power saving off, or its temporary inversion).
int m_PowerSaving_IsKeepingAwake();
// The temporary power-saving inversion is on while the power-saving option
// is on; m_PowerSaving_EndTemp ends it (and kills timer 46).
int m_PowerSaving_IsTempOn();
void m_PowerSaving_EndTemp();

// Drains the graph's event queue (WM_APP_GRAPHEVENT): the end of the
// stream continues by the repeat mode; an abort or a stream that broke off
// is reported on screen and continues the same way.
void m_Playback_OnGraphEvents();
// What a graph event asks of playback; GEV_CUT_SHORT is a completion well
// before the known length (positions and length in ms).
enum {
    GEV_NONE = 0,
    GEV_LENGTH = 1,
    GEV_RENDER_DEVICE = 2,
    GEV_ERROR_GOES_ON = 3,
    GEV_END = 4,
    GEV_CUT_SHORT = 5,
    GEV_ABORT = 6,
};
int m_GraphEvent_Action(long code, int positionMs, int durationMs);
void m_Playback_OnLengthChanged();
void m_OnPlayEnd(int noCountdown);
// The end of the active play range (forward 0: the engine's stop position
// was reached; 1: play was asked at the range's end): the range repeat
// mode repeats the range, steps on, or pauses there.
void m_PlayRange_OnEnd(int forward);
// Waits up to 3000 ms for the file-open thread and closes its handle.
void m_OpenThread_Release();
// Waits for the file-open thread to end (a build that never returns is given
// up after 30 s) and closes its handle.
void m_OpenThread_Join();
// The system-audio object's notice (wParam, lParam).
void m_SysVol_OnNotify(WPARAM code, LPARAM value);
// A suspend: pause and keep the resume data.
void m_Playback_OnSuspend();

// Ticks of playback's main-window timers, by id.
void m_Playback_OnTimer(UINT id);
