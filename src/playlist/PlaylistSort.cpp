// Sorting the track array by one of seven keys.
#include "playlist/Playlist.h"

#include "app/ToolWindowPlacement.h"
#include "base/PathUtil.h"
#include "base/SortUtil.h"

namespace {

enum {
    SORT_LOADED = 0,
    SORT_FILENAME = 1,
    SORT_NAME = 2,
    SORT_PATH = 3,
    SORT_CREATED = 4,
    SORT_WRITTEN = 5,
    SORT_SIZE = 6,
};

SFILERECORD s_Records[kPlaylistTrackCap];
int s_Order[kPlaylistTrackCap];

INT64 m_FileTime(const FILETIME& ft) { return ((INT64)ft.dwHighDateTime << 32) | ft.dwLowDateTime; }

// Creation time, last write time or size; 0 when the file cannot be opened.
INT64 m_FileKey(const wchar_t* path, int key)
{
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    INT64 value = 0;
    FILETIME created, accessed, written;
    LARGE_INTEGER size;
    if (key == SORT_SIZE) {
        if (GetFileSizeEx(file, &size)) value = size.QuadPart;
    } else if (GetFileTime(file, &created, &accessed, &written)) {
        value = m_FileTime(key == SORT_CREATED ? created : written);
    }
    CloseHandle(file);
    return value;
}

void m_MakeRecord(const STRACKINFO& track, int index, int key, SFILERECORD* out)
{
    out->index = index;
    out->path[0] = 0;
    out->key = 0;
    out->item = nullptr;
    switch (key) {
        case SORT_LOADED:
            out->key = track.LoadedIndex < 0 ? kPlaylistTrackCap : track.LoadedIndex;
            break;
        case SORT_FILENAME:
            m_GetFileName(out->path, kPathCap, track.Path, 1);
            break;
        case SORT_NAME:
            if (track.Name[0])
                lstrcpynW(out->path, track.Name, kPathCap);
            else
                m_GetFileName(out->path, kPathCap, track.Path, g_PlaylistView.bExtension);
            break;
        case SORT_PATH:
            lstrcpynW(out->path, track.Path, kPathCap);
            break;
        default:
            out->key = m_FileKey(track.Path, key);
            break;
    }
}

}  // namespace

void CPlaylist::m_SortPlayList(int key, int ascending, int refresh)
{
    if (m_Count <= 0 || key < SORT_LOADED || key > SORT_SIZE) return;
    m_SortState = ascending ? key : -key;
    for (int i = 0; i < m_Count; ++i) m_MakeRecord(m_Tracks[i], i, key, &s_Records[i]);
    const int byText = key >= SORT_FILENAME && key <= SORT_PATH;
    m_SortFileRecords(s_Records, 0, m_Count - 1, byText ? 0 : 1);
    int changed = 0;
    int playing = -1;
    for (int i = 0; i < m_Count; ++i) {
        const int from = s_Records[ascending ? i : m_Count - 1 - i].index;
        s_Order[i] = from;
        if (from != i) changed = 1;
        if (from == g_PlayingTrack) playing = i;
    }
    if (!changed) return;
    m_ReorderTracks(s_Order, m_Count);
    if (g_PlayingTrack >= 0) g_PlayingTrack = playing;
    if (!refresh) return;
    m_RebuildTrackList();
    m_SelectPlayingItem(1, 0, -1);
    if (g_ListType != LIST_UNSAVED) {
        g_ListModified = m_IsModified();
        m_SetPlayListTitle();
    }
    m_NotifyMain(0);
}
