// What a path is to the player, by its extension alone: playable media,
// audio only, a playlist, a bookmark or something to ignore; and whether a
// folder holds anything playable.
#pragma once
#include <windows.h>

constexpr int kMediaExtCap = 8;       // characters of one extension, terminator included
constexpr int kPlayableExtCap = 128;  // entries of the playable table
constexpr int kAudioExtCap = 16;      // entries of the audio-only table
constexpr int kExcludedExtCap = 32;   // entries of the excluded table
constexpr int kUserExtTextCap = 512;  // characters of [Main] "SptExt" as read

// -1 excluded, 1 playable, 0 neither. ext may carry a leading dot. Builds the
// tables on first use and when rebuild is 1; null or empty gives 0.
int m_IsPlayableExt(const wchar_t* ext, int rebuild);
// m_IsPlayableExt of the path's extension, never rebuilding.
int m_IsPlayableFile(const wchar_t* path);
// 1 when ext (with or without dot) is in the audio-only table.
int m_IsAudioExt(const wchar_t* ext);
// Appends the extension to [Main] "SptExt" and rebuilds the tables; 0 when
// ext is null, empty, already playable or excluded.
int m_AddPlayableExt(const wchar_t* ext);
// 1 for ".zvpl", ".m3u" or ".m3u8" (the dot is compared too).
int m_IsPlaylistExt(const wchar_t* ext);
// m_IsPlaylistExt of the open item's path (g_ListPath).
int m_IsPlaylistOpen();
// 3 bookmark (".zvbm"), 2 playlist, 1 playable, else 0.
int m_GetExtKind(const wchar_t* ext);
int m_GetFileKind(const wchar_t* path);
// 1 when the folder holds a playable file, directly or down to depth
// further subfolder levels. Hidden files do not count.
int m_FolderHasPlayable(const wchar_t* folder, int depth);
// Playable files directly in the folder (when files is given) and direct
// subfolders holding something playable within 5 levels (when folders is
// given); whether anything was found.
int m_CountPlayableInFolder(const wchar_t* folder, int unused, int* files, int* folders);
