// The scan thread is not built yet: nothing arrives to handle.
#include "playlist/ScanNotices.h"

void m_Playlist_OnScanDone() {}
void m_Playlist_OnScanItem(int) {}
void m_Playlist_OnScanProgress() {}
