// The current chapter as playback crosses chapter starts, and the chapter
// globals of the playing file the menus and navigation read.
#pragma once
#include <windows.h>

#include "engine/Chapters.h"

// Index of the chapter that holds the playing position.
extern int g_CurrentChapter;
// Chapters the engine has for the playing file (0 none).
extern int g_ChapterCount;
// The playing track's chapter array, null when it has none.
extern const SCHAPTERITEM* g_PlayingChapters;
// The playing track's chapters are user-made (from the information file).
extern int g_ChaptersFromInfo;
// The chapter the last chapter jump or seek went to, -1 none.
extern int g_LastChapterJump;

// Makes the chapter at the position (100 ns, -1 the current one) current.
// change: act on the new chapter (chapter repeat, skipping unchecked
// chapters); show: say "CHAPTER```:```%02d".
void m_Chapter_TrackCurrent(LONGLONG position, int change, int show);
// After a seek: the chapter it landed in is current and counts as jumped to,
// so that landing in an unchecked chapter on purpose is not skipped.
void m_Chapter_AfterSeek();
// Closing the file clears the chapter globals.
void m_Chapter_OnClose();

#include "filedata/ResumeStore.h"  // m_Resume_Save
