// Until the playlist model is built, its tracks are paths in a table here.
#include "playlist/PlaylistTracks.h"

int g_ListModified;

namespace {

wchar_t s_Paths[kPlaylistTrackCap][MAX_PATH + 1];
int s_Count;

}  // namespace

int m_Playlist_GetTrackCount() { return s_Count; }

const wchar_t* m_Playlist_GetTrackPath(int index)
{
    return index >= 0 && index < s_Count ? s_Paths[index] : L"";
}

void m_Playlist_RelinkTrack(int index, const wchar_t* path)
{
    if (index >= 0 && index < s_Count && path) lstrcpynW(s_Paths[index], path, MAX_PATH + 1);
}

void m_Playlist_SetModified() { g_ListModified = 1; }

int m_Playlist_AddTrack(const wchar_t* path)
{
    if (s_Count >= kPlaylistTrackCap || !path) return 0;
    lstrcpynW(s_Paths[s_Count++], path, MAX_PATH + 1);
    return 1;
}

void m_Playlist_ClearTracks() { s_Count = 0; }
