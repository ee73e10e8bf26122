// The sub-lists of the shown track (chapters, play ranges, markers), the
// tabs that choose one of them, and the selection notices of all lists.
#include <commctrl.h>

#include <stdio.h>

#include "app/ToolWindowPlacement.h"
#include "base/ListViewUtil.h"
#include "base/NumberFormat.h"
#include "filedata/ChapterTracking.h"
#include "filedata/PlayRangeState.h"
#include "playback/PlayState.h"
#include "playlist/PlaylistState.h"
#include "playlist/PlaylistWindowInput.h"

namespace {

constexpr int kSubRowCap = 320;
constexpr int kTimeCap = 32;
constexpr int kImagePlaying = 4;
constexpr int kImageWaiting = 5;
constexpr int kImageRangeActive = 2;
constexpr int kImageRange = 3;
constexpr int kSelectionNotices[4] = {2001, 2002, 2003, 2004};
const int kListIds[4] = {kPlaylistListId, kChapterListId, kRangeListId, kMarkerListId};

// "h:mm:ss " or "m:ss ".
void m_TimeText(int ms, wchar_t* out)
{
    m_FormatTime(out, kTimeCap - 1, ms, 3);
    wcsncat(out, L" ", kTimeCap - 1 - wcslen(out));
}

int m_RoundMs(double seconds) { return (int)(seconds * 1000.0 + 0.5); }

void m_Number(int k, wchar_t* out)
{
    out[0] = 0;
    if (g_PlaylistView.bNumber) _snwprintf(out, 15, L"%d, ", k + 1);
    out[15] = 0;
}

// Image of the playing row: 4 once playback started, 5 before.
int m_PlayingRowImage() { return g_PlayStarted ? kImagePlaying : kImageWaiting; }

void m_AddRow(HWND list, int row, const wchar_t* text, int image, const wchar_t* time)
{
    LVITEMW item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = row;
    item.pszText = const_cast<wchar_t*>(text);
    item.iImage = image;
    row = (int)SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    if (row < 0 || !time) return;
    item.iSubItem = 1;
    item.pszText = const_cast<wchar_t*>(time);
    SendMessageW(list, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
}

void m_SetCheck(HWND list, int row, UINT unchecked)
{
    LVITEMW item = {};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(unchecked ? 1 : 2);
    SendMessageW(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

void m_SetImage(HWND list, int row, int image)
{
    LVITEMW item = {};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    item.iImage = image;
    SendMessageW(list, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

int m_GetImage(HWND list, int row)
{
    LVITEMW item = {};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    return SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)) ? item.iImage : -2;
}

void m_SetHeader(HWND list, const wchar_t* text)
{
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT;
    column.pszText = const_cast<wchar_t*>(text);
    SendMessageW(list, LVM_SETCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
}

// The chapter row by [Playlist] "Chap".
void m_ChapterRow(const STRACKINFO& t, int k, wchar_t* text, wchar_t* time)
{
    const SCHAPTERITEM& c = t.Chapters[k];
    wchar_t number[16], label[kSubRowCap], start[kTimeCap], length[kTimeCap];
    m_Number(k, number);
    if (t.ChaptersNamed)
        lstrcpynW(label, c.Name, kSubRowCap);
    else
        _snwprintf(label, kSubRowCap - 1, L"CHAPTER %d", k + 1);
    label[kSubRowCap - 1] = 0;
    m_TimeText(m_RoundMs(c.Start), start);
    m_TimeText(m_RoundMs(c.Length), length);
    const int form = g_PlaylistView.nChapter;
    if (form == 0 || form == 1) {
        _snwprintf(text, kSubRowCap - 1, L"%s%s", number, label);
        lstrcpynW(time, form == 0 ? start : length, kTimeCap);
    } else if (form == 2) {
        wchar_t bare[kTimeCap];
        m_FormatTime(bare, kTimeCap, m_RoundMs(c.Length), 3);
        _snwprintf(text, kSubRowCap - 1, L"%s%s (%s)", number, label, bare);
        lstrcpynW(time, start, kTimeCap);
    } else {
        wchar_t bare[kTimeCap];
        m_FormatTime(bare, kTimeCap, m_RoundMs(c.Start), 3);
        _snwprintf(text, kSubRowCap - 1, L"%s[%s] %s", number, bare, label);
        lstrcpynW(time, length, kTimeCap);
    }
    text[kSubRowCap - 1] = 0;
}

// Freezes a sub-list's drawing and empties it; released by the destructor
// on every way out.
struct SFROZEN {
    explicit SFROZEN(HWND list) : List(list)
    {
        m_FreezeRedraw(List, true);
        SendMessageW(List, LVM_DELETEALLITEMS, 0, 0);
    }
    ~SFROZEN() { m_FreezeRedraw(List, false); }
    SFROZEN(const SFROZEN&) = delete;
    SFROZEN& operator=(const SFROZEN&) = delete;
    HWND List;
};

}  // namespace

void CPlaylist::m_SetCurrentTrack(int track)
{
    if (track == -2)
        track = m_ShownTrack;
    else if (track == -1)
        track = m_ShownTrack >= 0 ? m_ShownTrack : g_PlayingTrack;
    if (track < 0 || track >= m_Count) track = -1;
    m_ShownTrack = track;
    const UINT notices = m_NoticesOn;
    m_NoticesOn = 0;
    m_FillChapterList(track, 0);
    m_FillRangeList(track, 0);
    m_FillMarkerList(track, 0);
    m_NoticesOn = notices;
    m_SetSubListHeaders();
    if (m_W.PaneShown && m_hWnd) m_LayoutLists(1);
    InvalidateRect(m_hWnd, &m_W.TabStrip, FALSE);
}

// With tabs " TRACK %d / POS" or " POS"; without, " TRACK %d / " then
// " CHAPTER" and "+" for chapters from the information file. The track is
// named only when it is not the playing one.
void CPlaylist::m_SetSubListHeaders()
{
    const STRACKINFO* t = m_GetTrack(m_ShownTrack);
    wchar_t head[64] = L"", text[96];
    if (t && m_ShownTrack != g_PlayingTrack)
        _snwprintf(head, 63, L" TRACK %d / ", m_ShownTrack + 1);
    head[63] = 0;
    if (m_W.PaneShown)
        _snwprintf(text, 95, head[0] ? L" TRACK %d / POS" : L" POS", m_ShownTrack + 1);
    else
        _snwprintf(text, 95, L"%s CHAPTER%s", head, t && t->ChaptersFromInfo ? L"+" : L"");
    text[95] = 0;
    for (int i = 1; i < 4; ++i)
        if (m_W.Lists[i]) m_SetHeader(m_W.Lists[i], text);
}

void CPlaylist::m_FillChapterList(int track, int relayout)
{
    HWND list = m_W.Lists[1];
    if (!list) return;
    if (track == -1) track = m_ShownTrack;
    SFROZEN frozen(list);
    STRACKINFO* t = m_GetTrack(track);
    int count = t && t->Scanned && t->Chapters ? t->ChapterCount : 0;
    if (count > kFileInfoItemCap) count = kFileInfoItemCap;
    if (count < 0) count = 0;
    m_W.TabCounts[0] = t && !t->ChaptersFromInfo ? -count : count;
    if (relayout) m_LayoutLists(1);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES,
                 m_CheckMode ? LVS_EX_CHECKBOXES : 0);
    if (!t) return;
    t->ChaptersNamed = 0;
    for (int k = 0; k < count; ++k)
        if (t->Chapters[k].Name[0]) t->ChaptersNamed = 1;
    const int playing = track == g_PlayingTrack && g_MediaOpen ? g_CurrentChapter : -1;
    for (int k = 0; k < count; ++k) {
        wchar_t text[kSubRowCap], time[kTimeCap];
        m_ChapterRow(*t, k, text, time);
        m_AddRow(list, k, text, k == playing ? m_PlayingRowImage() : -1, time);
        if (m_CheckMode) m_SetCheck(list, k, t->ChapterUnchecked[k]);
    }
    m_CountCheckedChapters(track);
    if (g_PlaylistView.bAutoColumn && m_W.Tab == 0) m_AutoColumnWidths();
}

void CPlaylist::m_FillRangeList(int track, int relayout)
{
    HWND list = m_W.Lists[2];
    if (!list) return;
    if (track == -1) track = m_ShownTrack;
    SFROZEN frozen(list);
    const STRACKINFO* t = m_GetTrack(track);
    int count = t && t->Scanned && t->Ranges ? t->RangeCount : 0;
    if (count > kFileInfoItemCap) count = kFileInfoItemCap;
    if (count < 0) count = 0;
    m_W.TabCounts[1] = count;
    if (relayout) m_LayoutLists(1);
    const int active = track == g_PlayingTrack ? g_PlayRangeIndex : -1;
    for (int k = 0; k < count; ++k) {
        const SPLAYRANGEITEM& r = t->Ranges[k];
        const int start = r.start < 0 ? 0 : r.start;
        const int end = r.end < 0 ? (int)t->Milliseconds : r.end;
        wchar_t number[16], from[kTimeCap], to[kTimeCap], length[kTimeCap], text[kSubRowCap];
        m_Number(k, number);
        m_FormatTime(from, kTimeCap, start, 3);
        m_FormatTime(to, kTimeCap, end, 3);
        m_TimeText(end - start, length);
        if (r.name[0])
            _snwprintf(text, kSubRowCap - 1, L"%s%s-%s / %s", number, from, to, r.name);
        else
            _snwprintf(text, kSubRowCap - 1, L"%s%s-%s", number, from, to);
        text[kSubRowCap - 1] = 0;
        m_AddRow(list, k, text, k == active ? kImageRangeActive : kImageRange, length);
    }
    if (g_PlaylistView.bAutoColumn && m_W.Tab == 1) m_AutoColumnWidths();
}

void CPlaylist::m_FillMarkerList(int track, int relayout)
{
    HWND list = m_W.Lists[3];
    if (!list) return;
    if (track == -1) track = m_ShownTrack;
    SFROZEN frozen(list);
    const STRACKINFO* t = m_GetTrack(track);
    int count = t && t->Scanned && t->Markers ? t->MarkerCount : 0;
    if (count > kFileInfoItemCap) count = kFileInfoItemCap;
    if (count < 0) count = 0;
    m_W.TabCounts[2] = count;
    if (relayout) m_LayoutLists(1);
    for (int k = 0; k < count; ++k) {
        const SMARKERITEM& m = t->Markers[k];
        wchar_t number[16], at[kTimeCap], text[kSubRowCap];
        m_Number(k, number);
        m_FormatTime(at, kTimeCap, m.position, 3);
        if (m.name[0])
            _snwprintf(text, kSubRowCap - 1, L"%s%s / %s", number, at, m.name);
        else
            _snwprintf(text, kSubRowCap - 1, L"%s%s", number, at);
        text[kSubRowCap - 1] = 0;
        m_AddRow(list, k, text, -1, nullptr);
    }
    if (g_PlaylistView.bAutoColumn && m_W.Tab == 2) m_AutoColumnWidths();
}

void CPlaylist::m_NotifySelection(int listId, int row)
{
    int slot = 0;
    while (slot < 4 && kListIds[slot] != listId) ++slot;
    if (slot == 4) return;
    HWND list = m_W.Lists[slot];
    if (slot == 0) {
        if (row < 0) return;
        if (row != m_ShownTrack) m_SetCurrentTrack(row);
        if (g_PlaylistView.bAdjust) m_LayoutLists(1);
        if (GetFocus() == list) m_PlWnd_Notice(*this, kSelectionNotices[0], row);
        return;
    }
    if (row == -1 || GetFocus() == list) m_PlWnd_Notice(*this, kSelectionNotices[slot], row);
}

// The playing row of a sub-list gets the playing image, every other row
// the idle one; only rows whose image differs are set.
int CPlaylist::m_MarkSubListRow(HWND list, int playing, int playingImage, int idleImage)
{
    const int count = (int)SendMessageW(list, LVM_GETITEMCOUNT, 0, 0);
    int changed = 0;
    for (int row = 0; row < count; ++row) {
        const int image = row == playing ? playingImage : idleImage;
        if (m_GetImage(list, row) == image) continue;
        m_SetImage(list, row, image);
        changed = 1;
    }
    return changed;
}

void CPlaylist::m_SelectPlayingRange()
{
    if (!m_W.Lists[2]) return;
    const int active = m_ShownTrack == g_PlayingTrack ? g_PlayRangeIndex : -1;
    m_MarkSubListRow(m_W.Lists[2], active, kImageRangeActive, kImageRange);
}

int CPlaylist::m_GetSubListId() const
{
    if (m_W.SubHeight <= 0) return 0;
    if (!m_W.PaneShown) return kChapterListId;
    return kListIds[1 + (m_W.Tab >= 0 && m_W.Tab < 3 ? m_W.Tab : 0)];
}

void CPlaylist::m_SelectTab(int tab, int force)
{
    if (tab < 0 || tab >= kPlaylistTabCount || !m_W.PaneShown) return;
    HWND shown = m_W.Lists[1 + tab];
    if (tab == m_W.Tab && !force) {
        if (shown) SetFocus(shown);
        return;
    }
    m_W.Tab = tab;
    g_PlaylistView.nTab = tab;
    for (int i = 0; i < kPlaylistTabCount; ++i)
        if (m_W.Lists[1 + i]) ShowWindow(m_W.Lists[1 + i], i == tab ? SW_SHOW : SW_HIDE);
    if (shown && SendMessageW(shown, LVM_GETITEMCOUNT, 0, 0) > 0 &&
        SendMessageW(shown, LVM_GETSELECTEDCOUNT, 0, 0) == 0)
        m_ListView_SelectOnly(shown, 0, true);
    if (m_hWnd) {
        InvalidateRect(m_hWnd, &m_W.TabStrip, FALSE);
        UpdateWindow(m_hWnd);
    }
    m_LayoutLists(0);
    m_PlWnd_Notice(*this, kNoticeTabSelected, tab);
}

void CPlaylist::m_ShowTabs(int show, int relayout)
{
    show = show ? 1 : 0;
    if (show == m_W.PaneShown) return;
    if (!show) m_SelectTab(0, 0);
    m_W.PaneShown = show;
    g_PlaylistView.nTab = show ? m_W.Tab : -1;
    if (!show)
        for (int i = 1; i < 4; ++i)
            if (m_W.Lists[i]) ShowWindow(m_W.Lists[i], i == 1 ? SW_SHOW : SW_HIDE);
    m_SetCurrentTrack(-1);
    if (!relayout) return;
    if (g_PlaylistView.bAdjust)
        m_LayoutLists(1);
    else
        m_MoveChildren(-1, -1);
}
