// The state of each playlist menu item: enabled, checked and the texts
// that tell counts, names and values.
#include <shlwapi.h>
#include <strsafe.h>

#include "app/ToolWindowPlacement.h"
#include "base/PathUtil.h"
#include "controls/MenuPlus.h"
#include "filedata/PlayRangeState.h"
#include "jumplist/JumpListState.h"
#include "playback/PlayState.h"
#include "playlist/PlaylistMenus.h"
#include "settings/Settings.h"

namespace {

int m_Rows(HWND list) { return list ? (int)SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) : 0; }

int m_ListSelCount(HWND list)
{
    return list ? (int)SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0) : 0;
}

int m_ListFirst(HWND list)
{
    return list ? (int)SendMessageW(list, LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED) : -1;
}

// A track's chapter flags within its chapter count.
bool m_AnyChapter(const STRACKINFO* t, UINT unchecked)
{
    if (!t) return false;
    const int n = t->ChapterCount < kFileInfoItemCap ? t->ChapterCount : kFileInfoItemCap;
    for (int c = 0; c < n; ++c)
        if ((t->ChapterUnchecked[c] ? 1u : 0u) == unchecked) return true;
    return false;
}

bool m_AnyTrack(const CPlaylist& p, UINT unchecked)
{
    for (int i = 0; i < p.m_Count; ++i)
        if ((p.m_Tracks[i].Unchecked ? 1u : 0u) == unchecked) return true;
    return false;
}

// Any of the 199 chapter flags of any track, or a track flag, unchecked.
bool m_AnyFlagUnchecked(const CPlaylist& p)
{
    for (int i = 0; i < p.m_Count; ++i) {
        if (p.m_Tracks[i].Unchecked) return true;
        for (UINT flag : p.m_Tracks[i].ChapterUnchecked)
            if (flag) return true;
    }
    return false;
}

bool m_ContextMissing(const CPlaylist& p)
{
    const STRACKINFO* t = p.m_GetTrack(p.m_W.ContextRow);
    return !t || t->Missing;
}

void m_Format(SMENUITEM* item, const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    (void)StringCchVPrintfW(item->Text, ARRAYSIZE(item->Text), format, args);
    va_end(args);
}

int m_DuplicateCount(CPlaylist& p)
{
    const bool kind =
        g_ListType == LIST_M3U || g_ListType == LIST_ZVPL || g_ListType == LIST_UNSAVED;
    if (p.m_Count < 2 || !(kind || g_ListModified)) return 0;
    return p.m_FindDuplicates(1);
}

void m_DuplicateItem(CPlaylist& p, SMENUITEM* item)
{
    const int count = m_DuplicateCount(p);
    if (count > 0) m_Format(item, L"重複ファイルを選択 (%d/%d)", count, p.m_Count);
    item->Disabled = count == 0 || p.m_Count < 2;
}

// The first selected track's file name, "%s (+%d)" for more, else the
// playing track's, else "-".
void m_SelectionName(CPlaylist& p, SMENUITEM* item)
{
    HWND list = p.m_W.Lists[0];
    const int selected = m_ListSelCount(list);
    const STRACKINFO* t = p.m_GetTrack(selected > 0 ? m_ListFirst(list) : g_PlayingTrack);
    if (!t) return m_Format(item, L"-");
    wchar_t name[kPathCap];
    m_GetFileName(name, kPathCap, t->Path, 1);
    if (selected >= 2) return m_Format(item, L"%s (+%d)", name, selected - 1);
    m_Format(item, L"%s", name);
}

void m_ListPathItem(SMENUITEM* item)
{
    if (!g_ListPath[0]) return m_Format(item, L"-");
    wchar_t path[kPathCap];
    (void)StringCchCopyW(path, kPathCap, g_ListPath);
    PathRemoveBackslashW(path);
    wchar_t compact[ARRAYSIZE(item->Text)];
    if (!PathCompactPathExW(compact, path, ARRAYSIZE(compact), 0))
        (void)StringCchCopyW(compact, ARRAYSIZE(compact), path);
    m_Format(item, L"%s", compact);
}

// "(%d/%d)" of the same-name and same-length items when 2 up to all but
// one track are selected.
void m_SameItem(CPlaylist& p, SMENUITEM* item)
{
    const int selected = m_ListSelCount(p.m_W.Lists[0]);
    if (selected < 2 || selected > p.m_Count - 1) return;
    wchar_t base[ARRAYSIZE(item->Text)];
    (void)StringCchCopyW(base, ARRAYSIZE(base), item->Text);
    m_Format(item, L"%s (%d/%d)", base, selected, p.m_Count);
}

void m_TrackStates(CPlaylist& p, SMENUITEM* item, UINT id)
{
    const bool noList = g_ListType == LIST_NONE || !g_ListPath[0];
    switch (id) {
        case 8705:
            item->Disabled = m_ContextMissing(p);
            break;
        case 8706:
            item->Disabled = m_ContextMissing(p);
            item->Checked = g_JumpListShown && g_JumpListEntry == p.m_W.ContextRow;
            break;
        case 8712:
            m_Format(item, L"プレイリストから削除 (%d)", m_ListSelCount(p.m_W.Lists[0]));
            break;
        case 8713:
            item->Disabled = p.m_Count == 0;
            break;
        case 8724:
            m_DuplicateItem(p, item);
            break;
        case 8854:
            item->Disabled = g_ListType == LIST_NONE;
            break;
        case 8855:
            m_ListPathItem(item);
            break;
        case 8856:
        case 8857:
        case 8858:
            item->Disabled = noList;
            break;
        case 8859:
            m_SelectionName(p, item);
            break;
    }
}

void m_ChapterStates(CPlaylist& p, SMENUITEM* item, UINT id)
{
    HWND list = p.m_W.Lists[1];
    const int rows = m_Rows(list), selected = m_ListSelCount(list);
    const STRACKINFO* shown = p.m_GetTrack(p.m_ShownTrack);
    switch (id) {
        case 8734:
        case 8716:
        case 8717:
        case 8720:
        case 8735:
        case 8736:
            item->Disabled = selected == 0;
            break;
        case 8810:
            item->Disabled =
                p.m_Count < 2 || g_PlayingTrack < 0 || rows < 2 || !m_AnyChapter(shown, 1);
            break;
        case 8738:
            item->Disabled = selected == 0 || !shown;
            break;
        case 8721:
            item->Disabled = rows == 0;
            break;
        case 8739:
            item->Disabled = !g_MediaOpen;
            break;
        case 8737:
            item->Disabled = selected == 0 || !g_MediaOpen || !shown || shown->ChapterCount < 1 ||
                             (selected == 1 && m_ListFirst(list) == 0 && rows > 1);
            break;
    }
    if (id == 8735 || id == 8736) m_SameItem(p, item);
}

void m_RangeStates(CPlaylist& p, SMENUITEM* item, UINT id)
{
    HWND list = p.m_W.Lists[2];
    const int selected = m_ListSelCount(list);
    const bool open = g_MediaOpen != 0;
    switch (id) {
        case 8754:
            item->Disabled = !open || selected == 0;
            item->Checked = g_PlayRangeOn && p.m_ShownTrack == g_PlayingTrack &&
                            m_ListFirst(list) == g_PlayRangeIndex && g_PlayRangeIndex >= 0;
            break;
        case 8758:
        case 8757:
        case 8760:
            item->Disabled = selected == 0;
            break;
        case 8759:
            item->Disabled = m_Rows(list) == 0;
            break;
        case 8755:
            item->Disabled = !open || !g_PlayRangeOn || g_PlayRangeIndex >= 0;
            break;
        case 8756:
            item->Disabled = !open || !g_PlayRangeOn || selected == 0;
            break;
        case 8761:
            item->Disabled = !(open && g_PlayRangeOn && selected == 1);
            break;
        case 8762:
            item->Disabled = !(open && selected >= 2);
            break;
    }
}

void m_MarkerStates(CPlaylist& p, SMENUITEM* item, UINT id)
{
    HWND list = p.m_W.Lists[3];
    const int selected = m_ListSelCount(list);
    switch (id) {
        case 8774:
            item->Disabled = !g_MediaOpen || selected == 0;
            break;
        case 8777:
        case 8776:
            item->Disabled = selected == 0;
            break;
        case 8778:
            item->Disabled = m_Rows(list) == 0;
            break;
        case 8775:
            item->Disabled =
                !(g_MediaOpen && p.m_ShownTrack >= 0 && p.m_ShownTrack == g_PlayingTrack);
            break;
    }
}

void m_ButtonStates(CPlaylist& p, SMENUITEM* item, UINT id)
{
    const STRACKINFO* shown = p.m_GetTrack(p.m_ShownTrack);
    if (id >= 8825 && id <= 8836) {
        const int key = (int)(id - 8825) / 2 + 1;
        item->Checked = p.m_SortState == ((id - 8825) % 2 ? -key : key);
        return;
    }
    switch (id) {
        case 8817:
            item->Disabled = g_ListType == LIST_NONE || g_ListType == LIST_UNSAVED;
            break;
        case 8818:
            item->Disabled = p.m_Count == 0;
            break;
        case 8819:
            item->Disabled = g_ListType != LIST_M3U && g_ListType != LIST_ZVPL;
            break;
        case 8837:
            item->Disabled = !g_ListModified || !g_ListPath[0] || g_ListType == LIST_NONE ||
                             g_ListType == LIST_UNSAVED;
            break;
        case 8805:
            item->Disabled = !m_AnyTrack(p, 1);
            break;
        case 8806:
            item->Disabled = !m_AnyTrack(p, 0);
            break;
        case 8807:
            item->Disabled = !shown || shown->ChapterCount < 1 || !m_AnyChapter(shown, 1);
            break;
        case 8808:
            item->Disabled = !m_AnyChapter(shown, 0);
            break;
        case 8809:
            item->Disabled =
                !((p.m_Count >= 2 || m_Rows(p.m_W.Lists[1]) >= 2) && m_AnyFlagUnchecked(p));
            break;
    }
}

void m_SettingStates(CPlaylist& p, SMENUITEM* item, UINT id)
{
    const SPLAYLISTVIEW& v = g_PlaylistView;
    switch (id) {
        case 8874:
            item->Checked = v.bAttach != 0;
            break;
        case 8896:
            item->Checked = p.m_W.PaneShown != 0;
            break;
        case 8881:
            item->Checked = v.nDiagTab != 0;
            item->Disabled = !p.m_W.PaneShown;
            break;
        case 8878:
            item->Checked = v.bAdjust != 0;
            break;
        case 8879:
            item->Checked = v.bAutoColumn != 0;
            break;
        case 8880:
            item->Checked = v.bGrid != 0;
            break;
        case 8875:
            item->Checked = v.bNumber != 0;
            break;
        case 8876:
            item->Checked = v.bExtension != 0;
            break;
        case 8877:
            item->Checked = v.bOmit != 0;
            break;
        case 8885:
            item->Checked = v.bStatus != 0;
            break;
        case 8897:
            (void)StringCchPrintfW(item->LevelText, ARRAYSIZE(item->LevelText), L"%d%%",
                                   v.nItemHeight);
            break;
    }
    if (id >= 8882 && id <= 8884) item->Checked = v.nOpen == (id == 8882 ? 1 : id == 8883 ? 0 : -1);
    if (id >= 8887 && id <= 8889) item->Checked = v.nJumpList == (int)(id - 8887);
    if (id >= 8891 && id <= 8894) item->Checked = v.nChapter == (int)(id - 8891);
}

}  // namespace

void CPlaylist::m_SetMenuItemState(SMENUITEM* item, UINT id)
{
    if (!item) return;
    item->Disabled = 0;
    if (item->CheckKind) item->Checked = 0;
    if ((id >= 8705 && id <= 8724) || (id >= 8854 && id <= 8862)) m_TrackStates(*this, item, id);
    if ((id >= 8734 && id <= 8739) || id == 8810 || (id >= 8716 && id <= 8721))
        m_ChapterStates(*this, item, id);
    if (id >= 8754 && id <= 8762) m_RangeStates(*this, item, id);
    if (id >= 8774 && id <= 8779) m_MarkerStates(*this, item, id);
    if ((id >= 8805 && id <= 8809) || (id >= 8814 && id <= 8837)) m_ButtonStates(*this, item, id);
    if (id >= 8873 && id <= 8897) m_SettingStates(*this, item, id);
}
