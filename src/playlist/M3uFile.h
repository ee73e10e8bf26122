// M3U and M3U8 lists: "#EXTM3U", then "#EXTINF:seconds,name" lines each
// followed by the path line.
#pragma once
#include <windows.h>

#include "playlist/TrackInfo.h"

constexpr int kM3uLineCap = 1024;

// Reads tracks into tracks[first..limit-1]; returns the new count (first
// when nothing was read).
int m_M3u_ReadTracks(const wchar_t* path, STRACKINFO* tracks, int limit, int first);

// The full path of the list's first entry into out (MAX_PATH + 1
// characters); 0 when the list has none.
int m_M3u_ReadFirstPath(const wchar_t* path, wchar_t* out);

// Writes UTF-8 with a BOM; 1 on success.
int m_M3u_WriteFile(const wchar_t* path, const STRACKINFO* tracks, int count);
