// The track list's rows: one row per track with its number, name and
// time, its item data the track's record, its check box and selected state.
#include "playlist/Playlist.h"

#include <commctrl.h>

#include <stdio.h>

#include "app/ToolWindowPlacement.h"
#include "base/ListViewUtil.h"
#include "base/PathUtil.h"
#include "filedata/ChapterTracking.h"
#include "playback/PlayState.h"
#include "playlist/PlaylistState.h"

namespace {

constexpr int kImagePlaying = 4;
constexpr int kImageWaiting = 5;

// The shown name: the elided one with "Omt", else the display name, else
// the file name by "Ext".
void m_RowText(const STRACKINFO& track, int row, wchar_t* out, int size)
{
    wchar_t name[kNameCap];
    const wchar_t* text = name;
    if (g_PlaylistView.bOmit && track.Elided[0])
        text = track.Elided;
    else if (track.Name[0])
        text = track.Name;
    else
        m_GetFileName(name, kNameCap, track.Path, g_PlaylistView.bExtension);
    if (g_PlaylistView.bNumber)
        _snwprintf(out, size - 1, L"%s%d, %s", L"", row + 1, text);
    else
        lstrcpynW(out, text, size);
    out[size - 1] = 0;
}

void m_SetText(HWND list, int row, int column, wchar_t* text)
{
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = text;
    SendMessageW(list, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
}

// The row's time text for the milliseconds into time (32 characters);
// whether the list already shows it.
bool m_TimeShown(HWND list, int row, INT64 milliseconds, wchar_t* time)
{
    wchar_t had[32] = L"";
    CPlaylist::m_FormatRowTime(milliseconds, time, 32);
    LVITEMW item = {};
    item.iSubItem = 1;
    item.pszText = had;
    item.cchTextMax = 32;
    SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    return wcscmp(had, time) == 0;
}

}  // namespace

void CPlaylist::m_FormatRowTime(INT64 milliseconds, wchar_t* out, int size)
{
    out[0] = 0;
    if (milliseconds <= 0 || size < 2) return;
    const INT64 seconds = (milliseconds + 500) / 1000;
    if (seconds >= 3600)
        _snwprintf(out, size - 1, L"%d:%02d:%02d ", (int)(seconds / 3600), (int)(seconds / 60 % 60),
                   (int)(seconds % 60));
    else
        _snwprintf(out, size - 1, L"%d:%02d ", (int)(seconds / 60), (int)(seconds % 60));
    out[size - 1] = 0;
}

void CPlaylist::m_GetRowText(int row, wchar_t* out, int size) const
{
    if (!out || size < 1) return;
    out[0] = 0;
    if (row < 0 || row >= m_Count) return;
    m_RowText(m_Tracks[row], row, out, size);
}

// A new row: text, image and item data in one insert, then the time and
// the check state; nothing to compare and, frozen, nothing to repaint.
void CPlaylist::m_InsertRow(int row)
{
    wchar_t text[kNameCap + 16];
    m_RowText(m_Tracks[row], row, text, kNameCap + 16);
    LVITEMW item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE;
    item.iItem = row;
    item.pszText = text;
    item.iImage = m_TrackRowImage(row);
    item.lParam = reinterpret_cast<LPARAM>(&m_Tracks[row]);
    if (SendMessageW(m_hList, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)) != row) return;
    wchar_t time[32];
    m_FormatRowTime(m_Tracks[row].Milliseconds, time, 32);
    if (time[0]) m_SetText(m_hList, row, 1, time);
    if (m_CheckMode) {
        item.stateMask = LVIS_STATEIMAGEMASK;
        item.state = INDEXTOSTATEIMAGEMASK(m_Tracks[row].Unchecked ? 1 : 2);
        SendMessageW(m_hList, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
    }
    m_MeasureRows();
}

// Whether the row holds what inserting it now would give it: text, image,
// item data, time, and no state but its check box.
bool CPlaylist::m_RowAsInserted(int row) const
{
    wchar_t text[kNameCap + 16], had[kNameCap + 16] = L"";
    m_RowText(m_Tracks[row], row, text, kNameCap + 16);
    LVITEMW item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM | LVIF_STATE | LVIF_INDENT;
    item.iItem = row;
    item.stateMask = ~0u;
    item.pszText = had;
    item.cchTextMax = kNameCap + 16;
    if (!SendMessageW(m_hList, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) return false;
    const UINT state = m_CheckMode ? INDEXTOSTATEIMAGEMASK(m_Tracks[row].Unchecked ? 1 : 2) : 0;
    if (wcscmp(had, text) != 0 || item.iImage != m_TrackRowImage(row) ||
        item.lParam != reinterpret_cast<LPARAM>(&m_Tracks[row]) || item.state != state ||
        item.iIndent != 0)
        return false;
    wchar_t time[32];
    return m_TimeShown(m_hList, row, m_Tracks[row].Milliseconds, time);
}

// Whether deleting and inserting every row would leave the list as it is:
// each row as inserted, the check boxes by the mode, and nothing selected,
// focused, marked, edited or scrolled. Showing the window refreshes a list
// it has just filled; reading the rows back costs a fraction of a refill.
bool CPlaylist::m_RowsAsBuilt() const
{
    HWND list = m_hList;
    if (m_Count <= 0 || (int)SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) != m_Count) return false;
    const DWORD style = (DWORD)SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
    if (((style & LVS_EX_CHECKBOXES) != 0) != (m_CheckMode != 0)) return false;
    if (SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0) != 0 ||
        SendMessageW(list, LVM_GETSELECTIONMARK, 0, 0) != -1 ||
        SendMessageW(list, LVM_GETNEXTITEM, (WPARAM)-1, LVNI_FOCUSED) != -1 ||
        SendMessageW(list, LVM_GETTOPINDEX, 0, 0) != 0 ||
        SendMessageW(list, LVM_GETEDITCONTROL, 0, 0) != 0 || GetScrollPos(list, SB_HORZ) != 0)
        return false;
    for (int row = 0; row < m_Count; ++row)
        if (!m_RowAsInserted(row)) return false;
    return true;
}

// The first row set in a run measures row 0's top and height.
void CPlaylist::m_MeasureRows()
{
    RECT rc = {LVIR_BOUNDS, 0, 0, 0};
    if (m_RowHeight == 0 &&
        SendMessageW(m_hList, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&rc))) {
        m_RowTop = rc.top;
        m_RowHeight = rc.bottom - rc.top;
    }
}

// Insert or update one track row: text, image and item data, then the
// time; an update sets only what differs and repaints a changed row.
void CPlaylist::m_WriteRow(int row)
{
    if (!m_hList || row < 0 || row >= m_Count) return;
    wchar_t text[kNameCap + 16];
    m_RowText(m_Tracks[row], row, text, kNameCap + 16);
    const int image = m_TrackRowImage(row);
    const LPARAM data = reinterpret_cast<LPARAM>(&m_Tracks[row]);
    wchar_t oldText[kNameCap + 16] = L"";
    LVITEMW old = {};
    old.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    old.iItem = row;
    old.pszText = oldText;
    old.cchTextMax = kNameCap + 16;
    const bool known = SendMessageW(m_hList, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&old));
    bool changed = false;
    if (!known || wcscmp(oldText, text) != 0 || old.iImage != image || old.lParam != data) {
        LVITEMW item = {};
        item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE;
        item.iItem = row;
        item.pszText = text;
        item.iImage = image;
        item.lParam = data;
        SendMessageW(m_hList, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        changed = true;
    }
    wchar_t time[32];
    if (!m_TimeShown(m_hList, row, m_Tracks[row].Milliseconds, time)) {
        m_SetText(m_hList, row, 1, time);
        changed = true;
    }
    if (m_CheckMode) {
        const UINT noticesOn = m_NoticesOn;
        m_NoticesOn = 0;
        LVITEMW item = {};
        item.stateMask = LVIS_STATEIMAGEMASK;
        item.state = INDEXTOSTATEIMAGEMASK(m_Tracks[row].Unchecked ? 1 : 2);
        SendMessageW(m_hList, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
        m_NoticesOn = noticesOn;
    }
    if (changed) SendMessageW(m_hList, LVM_REDRAWITEMS, row, row);
    m_MeasureRows();
}

// 4 on the playing row once playback started, 5 before; -1 elsewhere.
int CPlaylist::m_TrackRowImage(int row) const
{
    if (row != g_PlayingTrack || !g_MediaOpen) return -1;
    return g_PlayStarted ? kImagePlaying : kImageWaiting;
}

void CPlaylist::m_RebuildTrackList()
{
    if (!m_hList) return;
    const UINT noticesOn = m_NoticesOn;
    m_NoticesOn = 0;
    if (m_RowsAsBuilt()) {
        // Nothing changes: a repaint without thawing the list, whose thaw
        // lays out its scroll bars for every row once more.
        m_MeasureRows();
        InvalidateRect(m_hList, nullptr, FALSE);
    } else {
        m_FreezeRedraw(m_hList, true);
        SendMessageW(m_hList, LVM_DELETEALLITEMS, 0, 0);
        SendMessageW(m_hList, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES,
                     m_CheckMode ? LVS_EX_CHECKBOXES : 0);
        for (int i = 0; i < m_Count; ++i) m_InsertRow(i);
        m_FreezeRedraw(m_hList, false);
    }
    m_NoticesOn = noticesOn;
    m_SetCurrentTrack(-1);
    m_SetPlayListTitle();
}

void CPlaylist::m_RefreshPlayList()
{
    m_RebuildTrackList();
    m_NotifyMain(1);
}

void CPlaylist::m_RefreshTrackRows()
{
    if (m_hList && g_PlaylistView.bOmit) m_ElideTrackNames();
    for (int i = 0; i < m_Count; ++i) m_WriteRow(i);
    if (m_hList) InvalidateRect(m_hList, nullptr, TRUE);
}

int CPlaylist::m_IsRowSelected(int row) const
{
    return m_hList ? m_ListView_IsSelected(m_hList, row) : 0;
}

void CPlaylist::m_SetRowSelected(int row, int selected)
{
    if (!m_hList || row < 0) return;
    LVITEMW item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = selected ? LVIS_SELECTED : 0;
    SendMessageW(m_hList, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

// Scroll mode 1 brings the row into view with a margin; -1 only when it was
// not selected before; other modes do not scroll.
void CPlaylist::m_SelectTrackRow(int row, int scrollMode)
{
    if (!m_hList) return;
    int wasSelected = m_ListView_IsSelected(m_hList, row);
    m_ListView_SelectAll(m_hList, false);
    if (row < 0 || row >= m_Count) return;
    m_SetRowSelected(row, 1);
    if (m_Count <= (int)SendMessageW(m_hList, LVM_GETCOUNTPERPAGE, 0, 0)) return;
    if (scrollMode == 1 || (scrollMode == -1 && !wasSelected))
        m_ListView_EnsureVisibleMargin(m_hList, row);
}

// The playing row's image; out of the active window the playing row is
// also the selected one and is brought into view.
void CPlaylist::m_SelectPlayingItem(int redraw, int playingOnly, int chapter)
{
    if (!m_hList) return;
    int playingImage = kImagePlaying;
    if (!playingOnly && g_MediaOpen && g_PlayState == 4) playingImage = kImageWaiting;
    const int playing = g_PlayingTrack < m_Count ? g_PlayingTrack : -1;
    int changed = 0;
    for (int row = 0; row < m_Count; ++row) {
        const int image = row == playing ? playingImage : -1;
        LVITEMW item = {};
        item.mask = LVIF_IMAGE;
        item.iItem = row;
        if (SendMessageW(m_hList, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)) &&
            item.iImage == image)
            continue;
        item.iImage = image;
        SendMessageW(m_hList, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        if (redraw) SendMessageW(m_hList, LVM_REDRAWITEMS, row, row);
        changed = 1;
    }
    if (m_hWnd && GetActiveWindow() != m_hWnd && playing >= 0) {
        m_ListView_SelectOnly(m_hList, playing, false);
        const int page = (int)SendMessageW(m_hList, LVM_GETCOUNTPERPAGE, 0, 0);
        if (changed && m_Count > page && g_PlayStarted) {
            const int from = playing - page / 5 < 0 ? 0 : playing - page / 5;
            const int to = playing + page / 5 >= m_Count ? m_Count - 1 : playing + page / 5;
            SendMessageW(m_hList, LVM_ENSUREVISIBLE, from, FALSE);
            SendMessageW(m_hList, LVM_ENSUREVISIBLE, to, FALSE);
        }
    }
    HWND chapters = m_W.Lists[1];
    if (!chapters) return;
    m_FollowPlayingTrack(playing);
    if (chapter == -1) chapter = g_CurrentChapter;
    if (m_ShownTrack != playing) chapter = -1;
    if (m_MarkSubListRow(chapters, chapter, playingImage, -1) && redraw)
        InvalidateRect(chapters, nullptr, FALSE);
}

// With no track shown the playing one is; the shown playing track's lists
// are refilled when its chapters arrived with the open.
void CPlaylist::m_FollowPlayingTrack(int playing)
{
    if (playing < 0) return;
    if (m_ShownTrack < 0) {
        m_SetCurrentTrack(playing);
        return;
    }
    const STRACKINFO& t = m_Tracks[playing];
    const int rows = (int)SendMessageW(m_W.Lists[1], LVM_GETITEMCOUNT, 0, 0);
    const int chapters = t.Scanned && t.Chapters ? t.ChapterCount : 0;
    if (m_ShownTrack == playing &&
        rows != (chapters < kFileInfoItemCap ? chapters : kFileInfoItemCap))
        m_SetCurrentTrack(-2);
}
