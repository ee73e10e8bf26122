// The playing file opened on its own (here or in a new instance) and the
// single file replaced by its folder.
#pragma once
#include <windows.h>

// 0 re-opens the playing file as a single-file list here, 1 hands it to a
// new instance. Refused with sound cue 1 when it is a single file already.
void m_OpenPlayingFileAlone(int newInstance);
// Replaces the open single file by its folder, keeping the place; sound
// cue 8 when the item is not a single file with a track.
void m_OpenParentFolder();

// The first of count paths equal to path without regard to case (the
// folder walk gives the file system's spelling); 0 when none is.
int m_FindTrackByPath(const wchar_t* const* paths, int count, const wchar_t* path);
