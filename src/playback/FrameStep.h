// Frame stepping of the main player: one step, or repeated steps while a
// key is held, optionally stopping at the first cut in the picture.
#pragma once
#include <windows.h>

// key 0 steps once; otherwise steps now and again while the key is held.
// -1 takes the defaults: interval 100 ms, first delay 300 ms, compare off,
// threshold 64.
void m_FrameStep_Start(int key, int frames, int intervalMs, int firstDelayMs, int compare,
                       int threshold);
// Ends the stepping of that key only.
void m_FrameStep_Stop(int key);
// One step by frames; 0 when it waits for the frame of the last seek.
int m_FrameStep(int frames);
// Grabs the shown frame and stops stepping at a cut; reset starts over.
void m_FrameStep_CompareFrames(int reset);
// The next step counts its frames from where it stands.
void m_FrameStep_ClearBase();
// WM_APP_FRAMESHOWN: a deferred step goes on (not while a seek-bar drag
// waits), and the picture compare runs.
void m_FrameStep_OnFrameShown(int dragPending);
// Timers 51 (repeat) and 52 (first delay).
void m_FrameStep_OnTimer(UINT id);
