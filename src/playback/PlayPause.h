// The run state of the main player: play/pause, pause, stop, the hold the
// program itself puts on playback, and the two play-state tests every other
// part uses. All changes follow the play-state transitions of PlayState.h.
#pragma once
#include <windows.h>

#include "playback/PlayState.h"

// Open, started and not held.
int m_IsPlaying();
// Not started, or held; does not look at the open flag.
int m_IsNotPlaying();
// Playback of the open file has started (it may be held since).
int m_Playback_HasStarted();

// Toggles play and pause; startMs -1 plays from where it is. With nothing
// open it opens the list's resume entry.
void m_PlayPause(int startMs);
// Pauses a started file; a held one becomes paused without an engine call.
void m_Pause();
// Pauses at 0 in the stopped state.
void m_Stop();
// hold 1 holds started playback, 0 releases it; 0 when not started.
int m_SetHold(int hold, int recolour);
// A suspend: pause; the caller keeps the resume data.
void m_Playback_OnSuspend();

// The open file was closed: timers 6 and 17 end, the counters stop and the
// display is no longer kept awake.
void m_PlayPause_OnClosed();
// With [Main] "Test" on, logs the play state, its flags, the keep-awake
// state and the play time, with the cause.
void m_PlayState_Trace(const wchar_t* cause);

// Ticks of timer 6 (resume auto-save) and timer 17 (level meter).
void m_PlayPause_OnTimer(UINT id);

// The pure tests behind m_IsPlaying and m_IsNotPlaying.
int m_IsPlayingOf(int mediaOpen, int started, int held);
int m_IsNotPlayingOf(int started, int held);
