// A playlist track's ranges and its information file. The chapter and
// marker savers and the playing track's items are in FileInfo.h.
#pragma once
#include "filedata/FileInfo.h"

// The track's ranges into its information file (found with search), then
// LEN from the track's duration; 0 for a track outside the list or when
// nothing was written.
int m_FileInfo_SaveTrackRanges(int track);
// The track's ranges into its information file without LEN (an emptied
// section removes its keys, and the file when nothing is left).
int m_FileInfo_WriteTrackRanges(int track);
