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

// The next queued graph event, its parameters already freed; FALSE when
// none is left (or no graph is open).
BOOL m_Playback_NextGraphEvent(long* code);
void m_Playback_OnLengthChanged();
void m_OnPlayEnd(int noCountdown);
void m_PlayRange_OnEnd();
// Waits up to 3000 ms for the file-open thread and closes its handle.
void m_OpenThread_Release();
void m_Rate_Set(int rate, int force, int showMessage);
int m_SeekPreview_IsActive();
void m_SeekPreview_OnOpened();
void m_SeekPreview_Draw();
// The system-audio object's notice (wParam, lParam).
void m_SysVol_OnNotify(WPARAM code, LPARAM value);
// A suspend: pause and keep the resume data.
void m_Playback_OnSuspend();

// Ticks of playback's main-window timers, by id.
void m_Playback_OnTimer(UINT id);
