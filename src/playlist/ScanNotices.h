// What the playlist does with the duration scan thread's notices.
#pragma once
#include <windows.h>

#include "playlist/ScanThread.h"

struct STRACKINFO;

// The scan ended: take its last results, close the thread's handle, clear
// the scan flags and redraw the playlist.
void m_Playlist_OnScanDone();
// One entry's duration arrived: take the results and rewrite the rows.
void m_Playlist_OnScanItem(int entry);
// Takes the results; progress for the chapter-export dialog, when open.
void m_Playlist_OnScanProgress();

// Applies one result to the track holding its path (the one at its index
// first, paths compared without case) when it is of the current
// generation; otherwise the result's arrays are freed. The track's index,
// or -1 when dropped.
int m_Scan_ApplyResult(STRACKINFO* tracks, int count, SSCANRESULT* result, UINT generation);
