// The playlist's track paths, as the file-move history relinks them.
#pragma once
#include <windows.h>

constexpr int kPlaylistTrackCap = 1000;

int m_Playlist_GetTrackCount();
// The track's full path; an empty text outside the list.
const wchar_t* m_Playlist_GetTrackPath(int index);
// Replaces the track's path and clears its missing mark.
void m_Playlist_RelinkTrack(int index, const wchar_t* path);
// Marks the list modified and refreshes the playlist window's title.
void m_Playlist_SetModified();

// Adds a track at the end (until the playlist model is built, the only way
// tracks arrive); 0 when the list is full.
int m_Playlist_AddTrack(const wchar_t* path);
void m_Playlist_ClearTracks();

// The list changed since it was loaded or saved.
extern int g_ListModified;
