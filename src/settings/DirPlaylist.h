// The playlist-folder memory ([Dir_Playlist]): for up to 8 media folders,
// the folder a playlist of their files was last saved in, most recent
// first, so that the playlist's save-as can start there.
#pragma once
#include <windows.h>

constexpr int kDirPlaylistCap = 8;

struct SDIRPLAYLISTPAIR {
    wchar_t Source[261];  // the media folder
    wchar_t Target[261];  // where its playlist was saved
};

extern SDIRPLAYLISTPAIR g_DirPlaylist[kDirPlaylistCap];
extern int g_DirPlaylistCount;

// Reads keys "0".."7", stopping at the first missing one.
void m_DirPlaylist_Load();
// Writes the table and deletes the keys past it.
void m_DirPlaylist_Save();
// Empties the table and the section.
void m_DirPlaylist_Clear();
// The target folder for a media path (out holds 261 characters): the pair
// of its folder, else of the nearest folder above it, else of a folder
// beside it; 1 when a pair applied. Otherwise out is the most recent target
// and the result 0. An empty path gives the most recent target and 1.
int m_DirPlaylist_Find(wchar_t* out, int unused, const wchar_t* path);
// Remembers that a playlist of the media under sourcePath (a folder, or a
// file whose folder counts) was saved in targetFolder; the pair goes first.
void m_DirPlaylist_Set(const wchar_t* targetFolder, const wchar_t* sourcePath);
