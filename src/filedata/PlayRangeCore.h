// The play-range operations with what they read from the engine handed in,
// so that one place reads the engine and the rules run without one. Shared
// by the PlayRange*.cpp files.
#pragma once
#include <windows.h>

#include "filedata/FileInfoItems.h"

// What the range commands read from the engine.
struct SRANGEFACTS {
    int posMs;    // position, whole ms rounded up; -1 without an engine
    int nearEnd;  // within 0.2333 s of the file's end
    double fps;   // frame rate, 0 when not known
};
SRANGEFACTS m_PlayRange_ReadFacts();

void m_PlayRange_CommandAt(int command, int message, const SRANGEFACTS& facts);
// 1 when the range was split at the position.
int m_PlayRange_SplitAt(int index, const SRANGEFACTS& facts);
int m_PlayRange_FindByPosAt(int direction, int posMs);

// The playing file's length in ms (its record's LEN when the engine gives none).
int m_PlayRange_LengthMs();
// The playlist track of a track argument (-1 the playing one), null outside.
struct STRACKINFO* m_PlayRange_Track(int track);
// "%s``-``%s```/```%s" pieces: start (0 for -1), end ("END" for -1) and
// length in the time form.
void m_PlayRange_FormatBounds(int start, int end, int form, wchar_t* startText, wchar_t* endText,
                              wchar_t* lengthText, int cap);
// The on-screen text with the cue (-1 none) when message is set.
void m_PlayRange_Say(int message, const wchar_t* text, int colour, int width, int cue);
// The seek bar's marker style (2 while on) and current range.
void m_PlayRange_RefreshMarks();
