// Check mode and the check boxes of the track list.
#include "playlist/Playlist.h"

#include <commctrl.h>

#include "app/AppMessages.h"
#include "controls/ButtonPlus.h"

namespace {

constexpr UINT kStateUnchecked = 0x1000;
constexpr UINT kStateChecked = 0x2000;

void m_SetRowCheck(HWND list, int row, UINT unchecked)
{
    LVITEMW item = {};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = unchecked ? kStateUnchecked : kStateChecked;
    SendMessageW(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

}  // namespace

void CPlaylist::m_SendNotice(int code, int value) const
{
    if (m_hMainWnd && IsWindow(m_hMainWnd))
        SendMessageW(m_hMainWnd, WM_APP_NOTIFYMAIN, code, value);
}

void CPlaylist::m_CountCheckedTracks()
{
    m_CheckedTracks = 0;
    for (int i = 0; i < m_Count; ++i)
        if (!m_Tracks[i].Unchecked) ++m_CheckedTracks;
}

int CPlaylist::m_CountCheckedChapters(int track)
{
    if (track == -1) track = g_PlayingTrack;
    if (track < 0 || track >= m_Count) return 0;
    STRACKINFO& t = m_Tracks[track];
    const int chapters = t.ChapterCount < kFileInfoItemCap ? t.ChapterCount : kFileInfoItemCap;
    int checked = 0;
    if (!m_CheckMode) {
        checked = t.ChapterCount > 0 ? t.ChapterCount : 0;
    } else {
        for (int c = 0; c < chapters; ++c)
            if (!t.ChapterUnchecked[c]) ++checked;
    }
    t.CheckedChapters = checked;
    return checked;
}

int CPlaylist::m_GetPlayingCheckedChapters()
{
    return g_PlayingTrack < 0 ? 0 : m_CountCheckedChapters(-1);
}

// The track and chapter rows take their check state from the unchecked
// flags; the lists are quiet meanwhile so that the state changes are not
// taken as clicks.
void CPlaylist::m_ShowTrackChecks()
{
    const UINT noticesOn = m_NoticesOn;
    m_NoticesOn = 0;
    SendMessageW(m_hList, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES,
                 m_CheckMode ? LVS_EX_CHECKBOXES : 0);
    HWND chapters = m_W.Lists[1];
    if (chapters)
        SendMessageW(chapters, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES,
                     m_CheckMode ? LVS_EX_CHECKBOXES : 0);
    if (m_CheckMode) {
        for (int i = 0; i < m_Count; ++i) m_SetRowCheck(m_hList, i, m_Tracks[i].Unchecked);
        m_CountCheckedTracks();
        const STRACKINFO* shown = m_GetTrack(m_ShownTrack);
        const int rows = chapters ? (int)SendMessageW(chapters, LVM_GETITEMCOUNT, 0, 0) : 0;
        for (int k = 0; shown && k < rows && k < kFileInfoItemCap; ++k)
            m_SetRowCheck(chapters, k, shown->ChapterUnchecked[k]);
        if (m_ShownTrack >= 0) m_CountCheckedChapters(m_ShownTrack);
    } else {
        m_CheckedTracks = m_Count;
        if (m_ShownTrack >= 0 && m_ShownTrack < m_Count)
            m_Tracks[m_ShownTrack].CheckedChapters = m_Tracks[m_ShownTrack].ChapterCount;
    }
    m_NoticesOn = noticesOn;
}

void CPlaylist::m_SetCheckMode(int mode)
{
    mode = mode ? 1 : 0;
    if (mode == m_CheckMode) return;
    m_CheckMode = mode;
    if (!m_hList) {
        m_CountCheckedChapters(-1);
    } else {
        m_ShowTrackChecks();
        InvalidateRect(m_hList, nullptr, TRUE);
        if (m_W.Buttons[0]) m_W.Buttons[0]->m_SetCheck(mode, 1);
    }
    m_SendNotice(kNoticeCheckMode, mode);
}

int CPlaylist::m_ToggleCheck(int chapterList, int index, int value)
{
    if (!chapterList) {
        if (index < 0 || index >= m_Count) return 0;
        UINT& flag = m_Tracks[index].Unchecked;
        flag = value == -1 ? !flag : !value;
        if (m_hList && m_CheckMode) m_SetRowCheck(m_hList, index, flag);
        m_CountCheckedTracks();
        m_SendNotice(kNoticeTrackCheck, index);
    } else {
        if (index < 0 || index >= kFileInfoItemCap || m_ShownTrack < 0 || m_ShownTrack >= m_Count)
            return 0;
        UINT& flag = m_Tracks[m_ShownTrack].ChapterUnchecked[index];
        flag = value == -1 ? !flag : !value;
        m_CountCheckedChapters(m_ShownTrack);
        if (m_ShownTrack == g_PlayingTrack) m_SendNotice(kNoticeChapterCheck, index);
    }
    if (m_hList) InvalidateRect(m_hList, nullptr, TRUE);
    return 1;
}
