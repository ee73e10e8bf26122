// What an open and a close of a media file do with its information file,
// chapter text and subtitle files.
#pragma once
#include <windows.h>

#include "filedata/FileInfoItems.h"

// After the engine opened g_MediaPath: its subtitle files, when [File]
// "St" asks for them (show: select the first one shown).
void m_FileData_LoadSubtitles(int show);
// Finds and reads the information file (or imports the chapter text) into
// g_FileInfo, and hands chapters, ranges and markers to the engine, the
// playing entry and the seek bar.
void m_FileData_ReadOnOpen();
// Clears g_FileInfo and its path.
void m_FileData_OnClose();
// Replaces the entry's ranges and markers with copies of the record's;
// with refresh the seek bar shows them when the entry is playing.
void m_FileInfo_CopyToTrack(int track, const SFILEINFO* info, int refresh);
