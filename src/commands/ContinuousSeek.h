// Seeking on and on while a key or mouse button stays down, and the single
// timed step of callers without a held button. The state of a run (3
// running, 4 ending, 0 idle) and its origin are the seek series' (Seek.h):
// timer 24 ends both.
#pragma once
#include <windows.h>

struct SCONTSEEK {
    int holdKey;  // virtual key that must stay down; 0 none
    int step;     // ms, negative backward
    int keyFrames;
    int minMs;
    int maxMs;
    int waitMs;
    LONGLONG startPos;  // 100 ns, -1 none
    int resumeAfterStep;
};
extern SCONTSEEK g_ContSeek;

// step 0 and the others -1 take [Seek] "Step", "Key", "Itvl" and "Dly".
void m_StartContinuousSeek(int stepMs, int holdKey, int keyMode, int minMs, int maxMs, int waitMs);
// final 0 arms timer 24 (state 4), else ends the run at once (state 0).
void m_StopContinuousSeek(int final);
// Only a seek held by that key.
void m_StopContinuousSeekFor(int holdKey);
int m_ContinuousSeek_HoldKey();
int m_ContinuousSeek_State();
// Timer 1 found the key held with a window of the program in front: one
// step (state 3) and timer 1 again.
void m_ContinuousSeek_Step();
// Timer 2, the wait before the first repeat.
void m_ContinuousSeek_OnWaitTimer();
// The frame after a single step was shown: playback paused for it goes on.
void m_ContinuousSeek_OnFrameShown();
