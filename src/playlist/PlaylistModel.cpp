// The playlist's data: construction, clearing, appending one track, the
// modified state and the globals of the open item.
#include "playlist/Playlist.h"

#include <string.h>

#include "app/AppMessages.h"
#include "app/MainWindow.h"

int g_PlayingTrack = -1;
int g_TrackAfterDelete = -1;
UINT g_ListType;
wchar_t g_ListPath[MAX_PATH + 1];
wchar_t g_FolderListPath[MAX_PATH + 1];
int g_ListModified;

void m_Track_FreeArrays(STRACKINFO* track)
{
    if (!track) return;
    if (track->ChapterCount > 0) delete[] track->Chapters;
    if (track->RangeCount > 0) delete[] track->Ranges;
    if (track->MarkerCount > 0) delete[] track->Markers;
    track->Chapters = nullptr;
    track->Ranges = nullptr;
    track->Markers = nullptr;
    track->ChapterCount = track->RangeCount = track->MarkerCount = 0;
}

void m_Track_Release(STRACKINFO* track)
{
    if (!track) return;
    m_Track_FreeArrays(track);
    memset(track, 0, sizeof(*track));
}

CPlaylist::CPlaylist()
{
    memset(m_Tracks, 0, sizeof(m_Tracks));
    g_PlayingTrack = -1;
}

// The main window exists by the time the playlist is set up at start-up.
void CPlaylist::m_SetOwner() { m_hMainWnd = g_hWndMain; }

void CPlaylist::m_NotifyMain(int value) const
{
    if (m_hMainWnd && IsWindow(m_hMainWnd))
        SendMessageW(m_hMainWnd, WM_APP_NOTIFYMAIN, kNoticePlaylistChanged, value);
}

void CPlaylist::m_ClearPlayList()
{
    for (int i = 0; i < m_Count; ++i) m_Track_Release(&m_Tracks[i]);
    m_Count = 0;
    m_ShownTrack = -1;
    m_SortState = 0;
    g_PlayingTrack = -1;
    g_ListType = LIST_NONE;
    m_RebuildTrackList();
    m_NotifyMain(0);
}

// A path longer than a track holds is refused rather than stored cut, which
// would name another file.
int CPlaylist::m_AppendTrack(const wchar_t* path)
{
    if (!path || m_Count >= kPlaylistTrackCap || lstrlenW(path) > MAX_PATH) return 0;
    STRACKINFO* track = &m_Tracks[m_Count];
    memset(track, 0, sizeof(*track));
    lstrcpynW(track->Path, path, MAX_PATH + 1);
    track->LoadedIndex = -1;
    ++m_Count;
    return 1;
}

STRACKINFO* CPlaylist::m_GetTrack(int index)
{
    return index >= 0 && index < m_Count ? &m_Tracks[index] : nullptr;
}

const STRACKINFO* CPlaylist::m_GetTrack(int index) const
{
    return index >= 0 && index < m_Count ? &m_Tracks[index] : nullptr;
}

void CPlaylist::m_MarkSaved()
{
    for (int i = 0; i < m_Count; ++i) m_Tracks[i].LoadedIndex = i;
    m_SavedCount = m_Count;
    g_ListModified = 0;
}

int CPlaylist::m_IsModified() const
{
    if (m_Count != m_SavedCount) return 1;
    for (int i = 0; i < m_Count; ++i) {
        if (m_Tracks[i].LoadedIndex != i) return 1;
    }
    return 0;
}
