// The track list's rows: one row per track with its number, name and
// time, its item data the track's record, its check box and selected state.
#include "playlist/Playlist.h"

#include <commctrl.h>

#include <stdio.h>

#include "app/ToolWindowPlacement.h"
#include "base/ListViewUtil.h"
#include "base/PathUtil.h"

namespace {

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

}  // namespace

void CPlaylist::m_FormatRowTime(INT64 milliseconds, wchar_t* out, int size)
{
    out[0] = 0;
    if (milliseconds <= 0 || size < 2) return;
    const INT64 seconds = (milliseconds + 500) / 1000;
    if (seconds >= 3600)
        _snwprintf(out, size - 1, L"%d:%02d:%02d ", (int)(seconds / 3600),
                   (int)(seconds / 60 % 60), (int)(seconds % 60));
    else
        _snwprintf(out, size - 1, L"%d:%02d ", (int)(seconds / 60), (int)(seconds % 60));
    out[size - 1] = 0;
}

void CPlaylist::m_WriteRow(int row)
{
    if (!m_hList || row < 0 || row >= m_Count) return;
    wchar_t text[kNameCap + 16];
    m_RowText(m_Tracks[row], row, text, kNameCap + 16);
    LVITEMW item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = row;
    item.pszText = text;
    item.lParam = reinterpret_cast<LPARAM>(&m_Tracks[row]);
    SendMessageW(m_hList, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    wchar_t time[32];
    m_FormatRowTime(m_Tracks[row].Milliseconds, time, 32);
    m_SetText(m_hList, row, 1, time);
    if (m_CheckMode) {
        const UINT noticesOn = m_NoticesOn;
        m_NoticesOn = 0;
        item.mask = LVIF_STATE;
        item.stateMask = LVIS_STATEIMAGEMASK;
        item.state = INDEXTOSTATEIMAGEMASK(m_Tracks[row].Unchecked ? 1 : 2);
        SendMessageW(m_hList, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
        m_NoticesOn = noticesOn;
    }
    RECT rc = {LVIR_BOUNDS, 0, 0, 0};
    if (m_RowHeight == 0 &&
        SendMessageW(m_hList, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&rc))) {
        m_RowTop = rc.top;
        m_RowHeight = rc.bottom - rc.top;
    }
}

void CPlaylist::m_RebuildTrackList()
{
    if (!m_hList) return;
    m_FreezeRedraw(m_hList, true);
    SendMessageW(m_hList, LVM_DELETEALLITEMS, 0, 0);
    SendMessageW(m_hList, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES,
                 m_CheckMode ? LVS_EX_CHECKBOXES : 0);
    for (int i = 0; i < m_Count; ++i) {
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = const_cast<wchar_t*>(L"");
        SendMessageW(m_hList, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        m_WriteRow(i);
    }
    m_FreezeRedraw(m_hList, false);
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

// The playing row's own look grows with the row drawing; until then
// marking it only repaints the list.
void CPlaylist::m_SelectPlayingItem(int redraw, int playingOnly, int chapter)
{
    (void)playingOnly;
    (void)chapter;
    if (m_hList && redraw) InvalidateRect(m_hList, nullptr, TRUE);
}
