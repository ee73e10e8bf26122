// Changing the order and number of tracks: delete, move, reorder by drag,
// and finding duplicates.
#include "playlist/Playlist.h"

#include <string.h>

#include "jumplist/JumpListTrack.h"

namespace {

// Scratch for reordering; too large for the stack.
STRACKINFO s_Scratch[kPlaylistTrackCap];
STRACKINFO s_Held;
bool s_Placed[kPlaylistTrackCap];

bool m_IsPermutation(const int* order, int count)
{
    if (count <= 0 || count > kPlaylistTrackCap) return false;
    memset(s_Placed, 0, sizeof(bool) * count);
    for (int i = 0; i < count; ++i) {
        if (order[i] < 0 || order[i] >= count || s_Placed[order[i]]) return false;
        s_Placed[order[i]] = true;
    }
    return true;
}

// tracks[i] = old tracks[order[i]] along each cycle of the permutation:
// every track is copied once, and one per cycle twice.
void m_Permute(STRACKINFO* tracks, const int* order, int count)
{
    memset(s_Placed, 0, sizeof(bool) * (size_t)count);
    for (int start = 0; start < count; ++start) {
        if (s_Placed[start] || order[start] == start) continue;
        s_Held = tracks[start];
        int at = start;
        while (order[at] != start) {
            tracks[at] = tracks[order[at]];
            s_Placed[at] = true;
            at = order[at];
        }
        tracks[at] = s_Held;
        s_Placed[at] = true;
    }
}

// Where an index lands when the rows listed before it are taken out.
int m_LowerBy(int index, const int* removed, int count)
{
    int below = 0;
    for (int i = 0; i < count && i < index; ++i) below += removed[i] ? 1 : 0;
    return index - below;
}

}  // namespace

void CPlaylist::m_ReorderTracks(const int* order, int count)
{
    if (count == m_Count && m_IsPermutation(order, count)) {
        m_Permute(m_Tracks, order, count);
        return;
    }
    for (int i = 0; i < count; ++i) s_Scratch[i] = m_Tracks[order[i]];
    int old = m_Count;
    memcpy(m_Tracks, s_Scratch, sizeof(STRACKINFO) * count);
    if (old > count) memset(&m_Tracks[count], 0, sizeof(STRACKINFO) * (old - count));
    m_Count = count;
}

int CPlaylist::m_FindSelected(int* selected) const
{
    int count = 0;
    for (int i = 0; i < m_Count; ++i) {
        selected[i] = m_IsRowSelected(i);
        count += selected[i] ? 1 : 0;
    }
    return count;
}

int CPlaylist::m_DeleteTrack(int index)
{
    if (index < 0 || index >= m_Count) return 0;
    if (m_Count == 1) {
        m_ClearPlayList();
        return 1;
    }
    m_Track_Release(&m_Tracks[index]);
    memmove(&m_Tracks[index], &m_Tracks[index + 1], sizeof(STRACKINFO) * (m_Count - index - 1));
    memset(&m_Tracks[m_Count - 1], 0, sizeof(STRACKINFO));
    --m_Count;
    if (g_PlayingTrack == index) {
        g_TrackAfterDelete = index;
        g_PlayingTrack = -1;
    } else if (g_PlayingTrack > index) {
        --g_PlayingTrack;
    }
    if (g_JumpListTrack == index)
        g_JumpListTrack = -1;
    else if (g_JumpListTrack > index)
        --g_JumpListTrack;
    if (g_ListType != LIST_UNSAVED) g_ListModified = 1;
    m_RefreshPlayList();
    return 1;
}

int CPlaylist::m_DeleteSelectedTracks()
{
    static int s_Selected[kPlaylistTrackCap];
    int rows = m_Count;
    int count = m_FindSelected(s_Selected);
    if (count == 0) return 0;
    if (count == rows) {
        m_ClearPlayList();
        g_PlayingTrack = -1;
        return rows;
    }
    if (g_PlayingTrack >= 0 && g_PlayingTrack < rows && s_Selected[g_PlayingTrack]) {
        g_TrackAfterDelete = m_LowerBy(g_PlayingTrack, s_Selected, rows);  // unselected above
        g_PlayingTrack = -1;
    }
    if (g_JumpListTrack >= 0 && g_JumpListTrack < rows && s_Selected[g_JumpListTrack])
        g_JumpListTrack = -1;
    if (g_PlayingTrack >= 0) g_PlayingTrack = m_LowerBy(g_PlayingTrack, s_Selected, rows);
    if (g_JumpListTrack >= 0) g_JumpListTrack = m_LowerBy(g_JumpListTrack, s_Selected, rows);
    static int s_Order[kPlaylistTrackCap];
    int kept = 0, lastDeleted = 0;
    for (int i = 0; i < rows; ++i) {
        if (!s_Selected[i]) {
            s_Order[kept++] = i;
            continue;
        }
        lastDeleted = m_LowerBy(i, s_Selected, rows);  // its row when deleted top-down
        m_Track_Release(&m_Tracks[i]);
    }
    m_ReorderTracks(s_Order, kept);
    m_RebuildTrackList();
    m_SetRowSelected(lastDeleted < kept - 1 ? lastDeleted : kept - 1, 1);
    g_ListModified = m_IsModified();
    m_NotifyMain(0);
    return count;
}

int CPlaylist::m_MoveTrack(int from, int to)
{
    if (from < 0 || from >= m_Count) return 0;
    if (to < 0 || to > m_Count) to = m_Count;
    if (to == from || to == from + 1) return 0;
    static int s_Order[kPlaylistTrackCap];
    int n = 0;
    for (int i = 0; i < m_Count; ++i) {
        if (i == to) s_Order[n++] = from;
        if (i != from) s_Order[n++] = i;
    }
    if (to == m_Count) s_Order[n++] = from;
    int landed = from < to ? to - 1 : to;
    int* indexes[] = {&g_PlayingTrack, &g_JumpListTrack};
    for (int* index : indexes) {
        if (*index == from)
            *index = landed;
        else if (from<to&& * index> from && *index < to)
            --*index;
        else if (from > to && *index >= to && *index < from)
            ++*index;
    }
    m_ReorderTracks(s_Order, n);
    if (g_ListType != LIST_UNSAVED) g_ListModified = 1;
    m_RefreshPlayList();
    return 1;
}

// A negative insertion row (no row under the cursor) moves nothing.
int CPlaylist::m_MoveSelectedTracks(int insertRow)
{
    if (insertRow < 0) return 0;
    if (insertRow > m_Count) insertRow = m_Count;
    static int s_Selected[kPlaylistTrackCap], s_Order[kPlaylistTrackCap];
    if (m_FindSelected(s_Selected) == 0) return 0;
    int n = 0;
    for (int i = 0; i < insertRow; ++i)
        if (!s_Selected[i]) s_Order[n++] = i;
    for (int i = 0; i < m_Count; ++i)
        if (s_Selected[i]) s_Order[n++] = i;
    for (int i = insertRow; i < m_Count; ++i)
        if (!s_Selected[i]) s_Order[n++] = i;
    int low = -1, high = -1, playing = g_PlayingTrack, jump = g_JumpListTrack;
    for (int i = 0; i < n; ++i) {
        if (s_Order[i] == playing) g_PlayingTrack = i;
        if (s_Order[i] == jump) g_JumpListTrack = i;
        if (s_Order[i] == i) continue;
        if (low < 0) low = i;
        high = i;
    }
    if (low < 0) return 0;
    int count = m_Count;
    m_ReorderTracks(s_Order, count);
    for (int i = low; i <= high; ++i) {
        m_WriteRow(i);
        m_SetRowSelected(i, s_Selected[s_Order[i]]);
    }
    m_SelectPlayingItem(0, 1, -1);
    m_NotifyMain(0);
    return 1;
}

int CPlaylist::m_FindDuplicates(int countOnly)
{
    int duplicates = 0;
    for (int i = 0; i < m_Count; ++i) {
        int same = 0;
        for (int j = 0; j < i && !same; ++j) {
            same = CompareStringOrdinal(m_Tracks[i].Path, -1, m_Tracks[j].Path, -1, TRUE) ==
                   CSTR_EQUAL;
        }
        duplicates += same;
        if (!countOnly) m_SetRowSelected(i, same);
    }
    return duplicates;
}
