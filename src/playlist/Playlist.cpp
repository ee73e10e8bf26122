#include "playlist/Playlist.h"

CPlaylist g_Playlist;

// The list holds no tracks yet: adding is refused and the rest has nothing
// to act on.
void CPlaylist::m_SetOwner() {}
BOOL CPlaylist::m_AddPlayListFile(LPCWSTR, int) { return FALSE; }
void CPlaylist::m_SortPlayList(int, int, int) {}
void CPlaylist::m_RefreshPlayList() {}
void CPlaylist::m_ApplyCheckString(LPCWSTR) {}
BOOL CPlaylist::m_PreTranslateKey(MSG*) { return FALSE; }
