// What an open and a close of a media file do with its information file,
// chapter text and subtitle files.
#pragma once
#include <windows.h>

#include "filedata/FileInfoItems.h"

// After the engine opened g_MediaPath: its subtitle files, when [File]
// "St" asks for them (show: select the first one shown).
void m_FileData_LoadSubtitles(int show);
// Finds and reads the information file (or imports the chapter text) into
// g_FileInfo; the open then hands what it holds to the engine, the playing
// entry and the seek bar.
void m_FileData_ReadOnOpen();
// Clears g_FileInfo and its path.
void m_FileData_OnClose();
