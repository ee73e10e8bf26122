// The end of a file: the engine's completion continues by the repeat mode,
// through the next playlist entry, a restart of the file or of the list.
#pragma once
#include <windows.h>

// The end of the open file was reached (noCountdown 1: no auto-next
// countdown even when one is set).
void m_OnPlayEnd(int noCountdown);
// Opens the entry after the playing one; wrap goes on from the first entry
// past the last; countdown asks for the auto-next countdown where one is due.
void m_OpenNextPlayListFile(int wrap, int countdown);
// sameFile 1: back to the file's first chapter with "REPEAT : FILE"; 0: the
// list's first entry with "REPEAT".
void m_Repeat_Restart(int sameFile);
// Back to the last chapter (the start of a file without chapters) with
// "REPEAT : CHAPTER".
void m_Repeat_LastChapter();
// Jumps to the first chapter (the start of a file without chapters) and
// releases a hold.
void m_Chapter_JumpFirst();
// The position (ms, -1 the current one) is within 200 ms of the file's end.
int m_IsAtPlayEnd(int posMs, int mode, int useChapters);
// before -1 holds, -2 pauses first; then the engine seeks 0.2 s before the end.
void m_SeekToPlayEnd(int before, int rangeMode);
// Shows (1) or hides (0) the auto-next countdown. Showing holds (a
// countdown) or pauses (0 ms) at the file's end and starts the countdown
// (-1: [Common] "RptMenu" scaled by the tracks' lengths); hiding with
// redrawMode 1 shows the video again, 2 also repaints it.
void m_AutoNext_Show(int show, int countdownMs, int redrawMode);
// The countdown's "go on now": hides it and continues as at the end.
void m_AutoNext_Now();

// The step of the plain walk at the end of a list: what m_OpenNextPlayListFile
// does without check boxes, as a pure choice.
enum {
    NEXT_NOTHING = 0,
    NEXT_OPEN = 1,        // open entry *next
    NEXT_OVERLAY = 2,     // auto-next countdown (hold, or pause at the end)
    NEXT_RESTART = 3,     // restart the list
    NEXT_HOLD_END = 4,    // seek to the end holding
    NEXT_PAUSE_END = 5,   // seek to the end pausing
    NEXT_SEEK_END = 6,    // seek to the end, state kept
    NEXT_FIRST_CHAP = 7,  // jump to the first chapter
};
int m_NextStep_Plain(int count, int playing, int fileOpen, int wrap, int countdown, int isPlaying,
                     int nearEnd, int* next, int* countdownMs);
