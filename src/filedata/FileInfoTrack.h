// A playlist track's items and the information file: saving a track's
// ranges, the playing track's items through g_FileInfo, and handing the
// record's ranges and markers to a track.
#pragma once
#include <windows.h>

#include "filedata/FileInfoItems.h"

// Kinds of m_FileInfo_SaveCurrentTrack.
enum {
    FILEINFO_SAVE_CHAPTERS = 1,
    FILEINFO_SAVE_RANGES = 2,
    FILEINFO_SAVE_MARKERS = 4,
};

// The track's ranges into its information file (found with search), then
// LEN from the track's duration; 0 for a track outside the list or when
// nothing was written.
int m_FileInfo_SaveTrackRanges(int track);
// The track's ranges into its information file without LEN (an emptied
// section removes its keys, and the file when nothing is left).
int m_FileInfo_WriteTrackRanges(int track);
// For each chosen kind the playing track's items go into g_FileInfo and
// its section into g_FileInfoPath; then LEN while the file holds items.
// 0 without a playing track.
int m_FileInfo_SaveCurrentTrack(int kinds);
// The track's range and marker arrays become exact copies of the record's;
// with refresh the seek bar shows them when it is the playing track.
// 0 for a track outside the list or when memory runs out.
int m_FileInfo_CopyToTrack(int track, const SFILEINFO* info, int refresh);
