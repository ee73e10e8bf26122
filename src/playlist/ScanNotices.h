// What the playlist does with the duration scan thread's notices.
#pragma once
#include <windows.h>

// The scan ended: wait for the thread, close its handle, clear the scan
// flags, redraw the playlist and what shows the scan's results.
void m_Playlist_OnScanDone();
// One entry's duration arrived: rewrite its row.
void m_Playlist_OnScanItem(int entry);
// Progress for the chapter-export dialog, when it is open.
void m_Playlist_OnScanProgress();
