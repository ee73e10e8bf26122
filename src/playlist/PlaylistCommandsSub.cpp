// The commands of the chapter, range and marker lists' menus: check flags
// across tracks, adding and deleting, merging ranges and chapters at range
// ends and markers.
#include <commctrl.h>
#include <math.h>
#include <wchar.h>

#include "base/SoundCue.h"
#include "filedata/Chapters.h"
#include "filedata/Markers.h"
#include "filedata/PlayRangeState.h"
#include "filedata/PlayRanges.h"
#include "playback/PlayState.h"
#include "playlist/PlaylistMenus.h"
#include "playlist/PlaylistWindowInput.h"

namespace {

int s_Rows[kPlaylistTrackCap];
int s_Tracks[kPlaylistTrackCap];

int m_First(HWND list)
{
    return list ? (int)SendMessageW(list, LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED) : -1;
}

void m_SelectOnly(HWND list, int row)
{
    LVITEMW item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, (WPARAM)-1, reinterpret_cast<LPARAM>(&item));
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    if (row >= 0) SendMessageW(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

int m_ChapterLimit(const STRACKINFO& t)
{
    const int n = t.Chapters ? t.ChapterCount : 0;
    return n < kFileInfoItemCap ? n : kFileInfoItemCap;
}

void m_AfterChapterFlags(CPlaylist& p)
{
    p.m_CountCheckedChapters(p.m_ShownTrack);
    p.m_FillChapterList(-1, 0);
    if (g_PlayingTrack >= 0) m_PlWnd_Notice(p, kNoticeChapterCheck, 0);
}

// 8810: the shown track's chapter flags to every other track.
void m_CopyChapterChecks(CPlaylist& p)
{
    const STRACKINFO* shown = p.m_GetTrack(p.m_ShownTrack);
    if (!shown || p.m_Count < 2) return;
    const int count = shown->ChapterCount;
    for (int i = 0; i < p.m_Count; ++i) {
        if (i == p.m_ShownTrack) continue;
        for (int k = 0; k < kFileInfoItemCap; ++k)
            p.m_Tracks[i].ChapterUnchecked[k] = k < count ? shown->ChapterUnchecked[k] : 0;
    }
    m_AfterChapterFlags(p);
}

bool m_SameChapter(const STRACKINFO& from, int row, const STRACKINFO& t, int k, int byLength)
{
    const SCHAPTERITEM& a = from.Chapters[row];
    const SCHAPTERITEM& b = t.Chapters[k];
    if (byLength) return lround(a.Length) == lround(b.Length);
    if (a.Name[0]) return wcscmp(a.Name, b.Name) == 0;
    return k == row && !b.Name[0];
}

// 8735 and 8736: chapters named (or as long) as a selected one are
// unchecked in every track, or in the selected tracks when some but not
// all are selected.
void m_UncheckSame(CPlaylist& p, int byLength)
{
    const STRACKINFO* shown = p.m_GetTrack(p.m_ShownTrack);
    if (!shown || !shown->Chapters) return;
    const int rows = m_PlMenu_Selected(p.m_W.Lists[1], s_Rows, kPlaylistTrackCap);
    int tracks = m_PlMenu_Selected(p.m_W.Lists[0], s_Tracks, kPlaylistTrackCap);
    if (tracks < 2 || tracks > p.m_Count - 1) {
        tracks = p.m_Count;
        for (int i = 0; i < tracks; ++i) s_Tracks[i] = i;
    }
    for (int r = 0; r < rows; ++r) {
        if (s_Rows[r] >= m_ChapterLimit(*shown)) continue;
        for (int i = 0; i < tracks; ++i) {
            STRACKINFO& t = p.m_Tracks[s_Tracks[i]];
            for (int k = 0; k < m_ChapterLimit(t); ++k)
                if (m_SameChapter(*shown, s_Rows[r], t, k, byLength)) t.ChapterUnchecked[k] = 1;
        }
    }
    m_AfterChapterFlags(p);
}

void m_AddChapterHere(CPlaylist& p)
{
    const int index = m_Chapter_AddCurrent(0);
    if (index < 0) return;
    m_SelectOnly(p.m_W.Lists[1], index);
}

// Each selected row from the last to the first, then once more with -1
// to refresh and tell it.
void m_DeleteRows(CPlaylist& p, int slot, int (*erase)(int, int, int, int))
{
    const int count = m_PlMenu_Selected(p.m_W.Lists[slot], s_Rows, kPlaylistTrackCap);
    if (count == 0 || p.m_ShownTrack < 0) return;
    for (int i = count - 1; i >= 0; --i) erase(p.m_ShownTrack, s_Rows[i], 0, 0);
    erase(p.m_ShownTrack, -1, 1, 1);
    p.m_FillRangeList(-1, 0);
    p.m_FillMarkerList(-1, 0);
}

void m_MergeRanges(CPlaylist& p)
{
    STRACKINFO* t = p.m_GetTrack(p.m_ShownTrack);
    const int count = m_PlMenu_Selected(p.m_W.Lists[2], s_Rows, kPlaylistTrackCap);
    if (!t || count < 2 || !t->Ranges) return;
    static int s_Starts[kFileInfoItemCap], s_Ends[kFileInfoItemCap];
    int n = 0, hadActive = 0;
    for (int i = 0; i < count && n < kFileInfoItemCap; ++i) {
        if (s_Rows[i] >= t->RangeCount) continue;
        s_Starts[n] = t->Ranges[s_Rows[i]].start;
        s_Ends[n++] = t->Ranges[s_Rows[i]].end;
        if (p.m_ShownTrack == g_PlayingTrack && g_PlayRangeOn && s_Rows[i] == g_PlayRangeIndex)
            hadActive = 1;
    }
    int start = 0, end = 0;
    if (!m_PlMenu_MergeBounds(s_Starts, s_Ends, n, (int)t->Milliseconds, &start, &end)) return;
    const int track = p.m_ShownTrack;
    for (int i = count - 1; i >= 0; --i) m_PlayRange_Delete(track, s_Rows[i], 0, 0);
    const int added = m_PlayRange_Add(track, start, end, 1, 1);
    if (hadActive && added >= 0) m_PlayRange_Select(-1, added, 0, 0);
    p.m_FillRangeList(-1, 0);
    m_PlaySoundCue(3);
}

// 8760 and 8779: chapters at the selected ranges' ends or at the markers.
void m_ChaptersAt(CPlaylist& p, int markers)
{
    STRACKINFO* t = p.m_GetTrack(p.m_ShownTrack);
    const int count = m_PlMenu_Selected(p.m_W.Lists[markers ? 3 : 2], s_Rows, kPlaylistTrackCap);
    if (!t || count == 0) {
        m_PlaySoundCue(8);
        return;
    }
    static int s_Points[2 * kFileInfoItemCap];
    int points = 0;
    for (int i = 0; i < count; ++i) {
        const int row = s_Rows[i];
        if (markers && t->Markers && row < t->MarkerCount) {
            s_Points[points++] = t->Markers[row].position;
        } else if (!markers && t->Ranges && row < t->RangeCount) {
            s_Points[points++] = t->Ranges[row].start;
            s_Points[points++] = t->Ranges[row].end;
        }
    }
    const int track = p.m_ShownTrack;
    int added = 0;
    for (int i = 0; i < points; ++i)
        if (s_Points[i] > 0 && m_Chapter_Add(track, s_Points[i], 0, 0, 0) >= 0) ++added;
    if (added == 0) {
        m_PlaySoundCue(8);
        return;
    }
    m_Chapter_Apply(track);
    p.m_FillChapterList(-1, 0);
    m_PlaySoundCue(3);
}

int m_Notice(CPlaylist& p, int slot, int code)
{
    const int row = m_First(p.m_W.Lists[slot]);
    if (row >= 0) m_PlWnd_Notice(p, code, row);
    return 1;
}

}  // namespace

int m_PlMenu_MergeBounds(const int* starts, const int* ends, int count, int lengthMs, int* start,
                         int* end)
{
    if (!starts || !ends || count < 1) return 0;
    int first = starts[0], last = ends[0];
    for (int i = 1; i < count; ++i) {
        if (first >= 0 && (starts[i] < 0 || starts[i] < first)) first = starts[i];
        if (last >= 0 && (ends[i] < 0 || ends[i] > last)) last = ends[i];
    }
    const int from = first < 0 ? 0 : first;
    const int to = last < 0 ? lengthMs : last;
    if (to <= from) return 0;
    *start = first < 0 ? -1 : first;
    *end = last < 0 ? -1 : last;
    return 1;
}

void CPlaylist::m_DeleteSelectedChapters()
{
    const int count = m_PlMenu_Selected(m_W.Lists[1], s_Rows, kPlaylistTrackCap);
    if (count == 0 || m_ShownTrack < 0) return;
    int deleted = 0;
    for (int i = count - 1; i >= 0; --i) deleted += m_Chapter_Delete(m_ShownTrack, s_Rows[i], 0, 0);
    if (deleted == 0) {
        m_PlaySoundCue(8);
        return;
    }
    m_Chapter_Apply(m_ShownTrack);
    m_FillChapterList(-1, 0);
    m_PlaySoundCue(5);
}

int m_PlCmd_SubLists(CPlaylist& p, const SPLMENUCHOICE& c)
{
    const bool open = g_MediaOpen != 0;
    const int range = m_First(p.m_W.Lists[2]);
    switch (c.Id) {
        case 8734:
            return m_Notice(p, 1, kNoticeOpenChapter);
        case 8810:
            m_CopyChapterChecks(p);
            return 1;
        case 8735:
            m_UncheckSame(p, 0);
            return 1;
        case 8736:
            m_UncheckSame(p, 1);
            return 1;
        case 8739:
            m_AddChapterHere(p);
            return 1;
        case 8737:
            p.m_DeleteSelectedChapters();
            return 1;
        case 8754:
            return m_Notice(p, 2, 2013);
        case 8755:
            if (open && g_PlayRangeOn) m_PlayRange_AddCurrent(0, 1);
            return 1;
        case 8756:
            if (p.m_ShownTrack == g_PlayingTrack && range >= 0) m_PlayRange_Replace(range);
            return 1;
        case 8761:
            if (range >= 0) m_PlayRange_SplitAtCurrent(range);
            return 1;
        case 8762:
            m_MergeRanges(p);
            return 1;
        case 8757:
            m_DeleteRows(p, 2, m_PlayRange_Delete);
            return 1;
        case 8760:
            m_ChaptersAt(p, 0);
            return 1;
        case 8774:
            return m_Notice(p, 3, kNoticeOpenMarker);
        case 8775:
            m_Marker_AddCurrent();
            return 1;
        case 8776:
            m_DeleteRows(p, 3, m_Marker_Delete);
            return 1;
        case 8779:
            m_ChaptersAt(p, 1);
            return 1;
    }
    return 0;
}
