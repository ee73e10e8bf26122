// The file-move history's view of the playlist model.
#include "playlist/PlaylistTracks.h"

int m_Playlist_GetTrackCount() { return g_Playlist.m_GetCount(); }

const wchar_t* m_Playlist_GetTrackPath(int index)
{
    const STRACKINFO* track = g_Playlist.m_GetTrack(index);
    return track ? track->Path : L"";
}

void m_Playlist_RelinkTrack(int index, const wchar_t* path)
{
    STRACKINFO* track = g_Playlist.m_GetTrack(index);
    if (!track || !path) return;
    lstrcpynW(track->Path, path, MAX_PATH + 1);
    track->Missing = 0;
}

void m_Playlist_SetModified() { g_ListModified = 1; }

int m_Playlist_AddTrack(const wchar_t* path) { return g_Playlist.m_AppendTrack(path); }

void m_Playlist_ClearTracks() { g_Playlist.m_ClearPlayList(); }
