// Keys that move in the playlist window: Up and Down across tracks in the
// chapter list, Page Up and Page Down through the tracks from a sub-list,
// Tab between the lists and the main window, and F3 on the check boxes.
#include <commctrl.h>

#include "base/ListViewUtil.h"
#include "jumplist/JumpListCommands.h"
#include "playlist/PlaylistKeys.h"
#include "playlist/PlaylistState.h"
#include "playlist/PlaylistWindowInput.h"

namespace {

constexpr int kNoticeShowJumpList = 2001;
constexpr UINT kStateUnchecked = 0x1000;
constexpr UINT kStateChecked = 0x2000;

int m_RowCount(HWND list) { return (int)SendMessageW(list, LVM_GETITEMCOUNT, 0, 0); }

void m_SetCheckImage(HWND list, int row, UINT unchecked)
{
    LVITEMW item = {};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = unchecked ? kStateUnchecked : kStateChecked;
    SendMessageW(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

}  // namespace

void m_PlKeys_SelectRow(HWND list, int row)
{
    if (!list || row < 0 || row >= m_RowCount(list)) return;
    m_ListView_SelectOnly(list, row, true);
    SendMessageW(list, LVM_ENSUREVISIBLE, row, FALSE);
}

void m_PlKeys_FocusList(HWND list)
{
    if (!list) return;
    SetFocus(list);
    if (m_RowCount(list) > 0 && m_ListView_GetSelectedCount(list) == 0)
        m_ListView_SelectOnly(list, 0, true);
}

void m_PlKeys_ShowTrack(CPlaylist& p, int track)
{
    p.m_SelectTrackRow(track, 1);
    p.m_NotifySelection(kPlaylistListId, track);
}

// At the first or last chapter the arrow crosses to the previous track's
// last chapter or the next track's first; at the list's ends it stays.
void m_PlKeys_ChapterArrow(CPlaylist& p, HWND list, int up)
{
    const int rows = m_RowCount(list);
    int sel = m_ListView_GetFirstSelected(list);
    if (sel < 0) sel = 0;
    if (up ? sel > 0 : sel < rows - 1) {
        m_PlKeys_SelectRow(list, up ? sel - 1 : sel + 1);
        return;
    }
    const int track = p.m_ShownTrack + (up ? -1 : 1);
    if (track < 0 || track >= p.m_GetCount()) {
        m_PlKeys_SelectRow(list, sel);
        return;
    }
    m_PlKeys_ShowTrack(p, track);
    if (m_JumpList_IsShown()) m_PlKeys_Notice(p, kNoticeShowJumpList, track);
    m_PlKeys_SelectRow(list, up ? m_RowCount(list) - 1 : 0);
}

// From a sub-list the previous or next track is shown, wrapping at the
// ends, and the sub-list starts again at its first row.
void m_PlKeys_PageTrack(CPlaylist& p, HWND list, int next)
{
    const int count = p.m_GetCount();
    if (count <= 0) return;
    const int shown = p.m_ShownTrack;
    int track;
    if (next)
        track = shown + 1 >= count ? 0 : shown + 1;
    else
        track = shown <= 0 || shown >= count ? count - 1 : shown - 1;
    m_PlKeys_ShowTrack(p, track);
    m_PlKeys_SelectRow(list, 0);
}

// Tab goes from the track list to the shown sub-list and on to the main
// window; Shift+Tab from the track list to the main window and from
// anywhere else back to the track list.
void m_PlKeys_Tab(CPlaylist& p, HWND from, int shift)
{
    const int id = m_PlKeys_ListId(p, from);
    HWND to = nullptr;
    if (shift)
        to = id == kPlaylistListId ? nullptr : p.m_GetTrackList();
    else if (id == kPlaylistListId)
        to = p.m_GetList(p.m_GetSubListId());
    else if (!id)
        to = p.m_GetTrackList();
    if (to)
        m_PlKeys_FocusList(to);
    else if (p.m_W.MainWnd)
        SetFocus(p.m_W.MainWnd);
}

// F3 in check mode inverts the checks of the selected rows, quietly, so
// that the state changes are not taken for clicks.
void CPlaylist::m_InvertSelectedChecks(HWND list, int chapters)
{
    STRACKINFO* shown = chapters ? m_GetTrack(m_ShownTrack) : nullptr;
    if (!list || (chapters && !shown)) return;
    int limit = m_Count;
    if (chapters) limit = shown->ChapterCount < kFileInfoItemCap ? shown->ChapterCount : kFileInfoItemCap;
    const UINT noticesOn = m_NoticesOn;
    m_NoticesOn = 0;
    const int first = m_ListView_GetFirstSelected(list);
    int changed = 0;
    for (int row = first; row >= 0 && row < limit;
         row = (int)SendMessageW(list, LVM_GETNEXTITEM, row, LVNI_SELECTED)) {
        UINT& flag = chapters ? shown->ChapterUnchecked[row] : m_Tracks[row].Unchecked;
        flag = !flag;
        m_SetCheckImage(list, row, flag);
        changed = 1;
    }
    m_NoticesOn = noticesOn;
    if (!changed) return;
    if (!chapters) {
        m_CountCheckedTracks();
    } else {
        m_CountCheckedChapters(m_ShownTrack);
        if (m_ShownTrack == g_PlayingTrack) m_PlKeys_Notice(*this, kNoticeChapterCheck, first);
    }
    InvalidateRect(list, nullptr, TRUE);
}
