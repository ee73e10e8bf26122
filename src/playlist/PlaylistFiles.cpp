// Folders and list files as sources of tracks. Reading list files grows
// with the playlist-file code; until then they add nothing.
#include "playlist/Playlist.h"

int CPlaylist::m_AddFolderFiles(const wchar_t*, int, int) { return 0; }
int CPlaylist::m_ReadZvplFile(const wchar_t*, int, int) { return 0; }
int CPlaylist::m_ReadM3uFile(const wchar_t*) { return 0; }
