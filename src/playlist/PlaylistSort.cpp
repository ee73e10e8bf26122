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

// The keys, and the texts of the text keys (the path and the display name
// are read in place, file names are made here); the sort moves indexes.
INT64 s_Keys[kPlaylistTrackCap];
const wchar_t* s_Texts[kPlaylistTrackCap];
wchar_t s_Names[kPlaylistTrackCap][kPathCap];
int s_Sorted[kPlaylistTrackCap];
int s_Scratch[2 * kPlaylistTrackCap];
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

const wchar_t* m_TrackText(const STRACKINFO& track, int index, int key)
{
    wchar_t* name = s_Names[index];
    switch (key) {
        case SORT_FILENAME:
            m_GetFileName(name, kPathCap, track.Path, 1);
            return name;
        case SORT_NAME:
            if (track.Name[0]) return track.Name;
            m_GetFileName(name, kPathCap, track.Path, g_PlaylistView.bExtension);
            return name;
        default:
            return track.Path;
    }
}

INT64 m_TrackKey(const STRACKINFO& track, int key)
{
    if (key == SORT_LOADED) return track.LoadedIndex < 0 ? kPlaylistTrackCap : track.LoadedIndex;
    return m_FileKey(track.Path, key);
}

// s_Sorted: the track indexes in ascending order of the key.
void m_SortIndexes(const STRACKINFO* tracks, int count, int key)
{
    if (key >= SORT_FILENAME && key <= SORT_PATH) {
        for (int i = 0; i < count; ++i) s_Texts[i] = m_TrackText(tracks[i], i, key);
        m_SortIndexLogical(s_Texts, s_Sorted, s_Scratch, count);
    } else {
        for (int i = 0; i < count; ++i) s_Keys[i] = m_TrackKey(tracks[i], key);
        m_SortIndexByKey(s_Keys, s_Sorted, count);
    }
}

}  // namespace

void CPlaylist::m_SortPlayList(int key, int ascending, int refresh)
{
    if (m_Count <= 0 || key < SORT_LOADED || key > SORT_SIZE) return;
    m_SortState = ascending ? key : -key;
    m_SortIndexes(m_Tracks, m_Count, key);
    int changed = 0;
    int playing = -1;
    for (int i = 0; i < m_Count; ++i) {
        const int from = s_Sorted[ascending ? i : m_Count - 1 - i];
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
