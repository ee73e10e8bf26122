// The playlist's track paths, as the file-move history relinks them.
#pragma once
#include <windows.h>

#include "playlist/Playlist.h"

int m_Playlist_GetTrackCount();
// The track's full path; an empty text outside the list.
const wchar_t* m_Playlist_GetTrackPath(int index);
// Replaces the track's path and clears its missing mark.
void m_Playlist_RelinkTrack(int index, const wchar_t* path);
// Marks the list modified and refreshes the playlist window's title.
void m_Playlist_SetModified();

// Appends a track without looking at the file; 0 when the list is full.
int m_Playlist_AddTrack(const wchar_t* path);
void m_Playlist_ClearTracks();
