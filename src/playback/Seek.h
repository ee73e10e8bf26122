// Every seek of the main player that is not a track change: relative, to a
// time, a percentage, a frame, back to a remembered position, and frame
// stepping. Consecutive seeks form a series whose total distance is shown.
#pragma once
#include <windows.h>

// The target of the last seek (100 ns) and when it was asked (timeGetTime).
extern LONGLONG g_LastSeekTarget;
extern DWORD g_LastSeekTick;

// The seek series: state 0 none, 1 running (3 while a continuous seek
// runs); its start (100 ns, -1 none) and the centring width of its first
// message.
struct SSEEKSERIES {
    int state;
    LONGLONG start;
    int width;
};
extern SSEEKSERIES g_SeekSeries;

// Starts a series at the position when none runs (or its start is -1).
void m_SeekSeries_Begin(LONGLONG position);
// Shows a seek message with the series total (form of SeekMath.h) when
// [Seek] "Sum" is on and a series runs, centred by the series' first message.
void m_SeekSeries_Show(const wchar_t* text, LONGLONG target, int form, int colour, int blink);
// Timer 24 ([Common] "SeekCnt" ms) and the series running.
void m_SeekSeries_Arm();
// Timer 24: the series ends.
void m_SeekSeries_End();

// Seeks the engine to target; toEnd goes through the end seek instead
// (before and rangeMode as m_SeekToPlayEnd takes them). 0 on a failure.
int m_Seek_Engine(LONGLONG target, int toEnd, int before, int rangeMode);

// deltaMs with snapMode 0 none, 1 snap ("NO KEYFRAME" without key-frame
// data), else snap when [Seek] "Key" is 1. 1 when it sought.
int m_SeekRelative(int deltaMs, int snapMode, int reserved);
// ms below 0 counts from the end; holdRule holds at the end and releases a
// hold elsewhere.
void m_SeekToTime(int ms, int showMessage, int holdRule);
// Hundredths of a percent, 0..10000.
void m_SeekToPercent(int hundredths);
// direction -2 no snapping, else 1 next, -1 previous, 0 nearest key frame.
// The ms used, -1 when refused.
int m_SeekToMsSnap(int ms, int direction);
void m_SeekToFrame(LONGLONG frame);
// The nearest key frame (ms), -1 none.
int m_FindKeyFrameMs(int ms);
// The key frame after ms not beyond limitMs when ms <= limitMs, else the
// one before ms not before limitMs; -1 none.
int m_FindKeyFrameBetween(int ms, int limitMs);

// The remembered position (playlist index and ms, each -1 none).
extern int g_SavedPlayIndex;
extern int g_SavedPlayMs;
// Set when the next resume seek must store the position whatever the
// 3001 ms rule says.
extern int g_SavePositionForced;
void m_SavePlayPosition(int force);
void m_SeekToStoredPosition(int useResume);

// The series' timer 24 and frame stepping's timers 51 and 52; 1 when the
// id was one of them.
int m_Seek_OnTimer(UINT id);
