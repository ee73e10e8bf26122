// The folder association (which playlist folder belongs to which media
// folder): cleared, or rebuilt from the playlists in the history and the
// favorites.
#pragma once
#include <windows.h>

#include "base/SortUtil.h"

// Playlist files the rebuild looks at, at most.
constexpr int kFolderAssocFileCap = 1000;

void m_DirPlaylist_ClearCmd();
void m_DirPlaylist_Rebuild();

// A .zvpl, .m3u or .m3u8 path (letter case aside).
int m_IsListFilePath(const wchar_t* path);
// Adds the list file unless it is already there (letter case aside) or its
// last-write time cannot be read; 1 when added.
int m_FolderAssoc_Collect(SFILERECORD* records, int* count, int cap, const wchar_t* path);
// The first track's path of a list file; 0 when it has none.
int m_FolderAssoc_FirstTrack(const wchar_t* listPath, wchar_t* out);
