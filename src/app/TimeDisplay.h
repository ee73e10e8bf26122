// The permanent panes of both status bars: the play-state text on the left
// and the time text on the right, refreshed from the player's state.
#pragma once
#include <windows.h>

// What the time display reads of the player. Times are milliseconds; a
// play range's start or end of -1 means the file's start or end.
struct STIMEFACTS {
    int bFileOpen;
    int bPicture;  // a still picture is shown
    int nPositionMs;
    int nDurationMs;  // 0 when unknown
    int bNearEnd;     // the engine puts the position at the end
    int nPlayState;   // g_PlayState
    int bOpenedMarker;
    int bHeld;
    int bFileWaiting;  // a file waits to be played ("READY FILE")
    int nRate;         // percent
    int nVolume;       // hundredths of a percent
    int bMuted;
    int bRangeActive;
    int nRangeStartMs;
    int nRangeEndMs;
    int nChapterCount;
    int nChapterStartMs;  // of the current chapter
    int nChapterLengthMs;
    int bSomeChaptersChecked;  // check boxes on, some but not all chapters checked
    int nCheckedLengthMs;      // sum of the checked chapters
    int nUncheckedBeforeMs;    // unchecked chapters before the current one
};

// How the time is shown: the mode 0..4 and the display switches.
struct STIMEOPTIONS {
    int nMode;
    int bRealRemaining;  // remaining real time at a rate other than 100 %
    int bRangeTime;
    int bChapterTime;
    int bCheckedTime;
    int bShowVolume;
    int bMilliseconds;
};

// The time pane's text; elapsedSec and mark (-1 before a play range, +1
// after it, else 0) receive what the display compares between refreshes.
void m_ComposeTimeText(const STIMEFACTS& f, const STIMEOPTIONS& o, wchar_t* out, int capacity,
                       int* elapsedSec, int* mark);
// The state pane's text: "NO````FILE", "PLAYING", ... with the rate.
void m_ComposeStateText(const STIMEFACTS& f, wchar_t* out, int capacity);
// The volume text of the time pane: "^````MUTE", "^`100%", "^````%d%".
void m_ComposeVolumeText(const STIMEFACTS& f, wchar_t* out, int capacity);

// The player's state as it stands, and the options of [Main] "Time".
void m_ReadTimeFacts(STIMEFACTS* f);
void m_ReadTimeOptions(STIMEOPTIONS* o);

// Composes and shows both panes; unforced, a pane whose content has not
// changed is left alone.
void m_UpdateTimeDisplay(int force);
