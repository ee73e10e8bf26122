// The track list's rows as the model needs them: one row per track, its
// item data the track's record, and the rows' selected state. The row
// texts, columns and check boxes grow with the playlist window.
#include "playlist/Playlist.h"

#include <commctrl.h>

#include "base/ListViewUtil.h"
#include "base/PathUtil.h"

namespace {

const wchar_t* m_RowText(const STRACKINFO& track, wchar_t* buffer, int size)
{
    if (track.Name[0]) return track.Name;
    m_GetFileName(buffer, size, track.Path, 1);
    return buffer;
}

}  // namespace

void CPlaylist::m_WriteRow(int row)
{
    if (!m_hList || row < 0 || row >= m_Count) return;
    wchar_t name[kNameCap];
    LVITEMW item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = row;
    item.pszText = const_cast<wchar_t*>(m_RowText(m_Tracks[row], name, kNameCap));
    item.lParam = reinterpret_cast<LPARAM>(&m_Tracks[row]);
    SendMessageW(m_hList, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
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
