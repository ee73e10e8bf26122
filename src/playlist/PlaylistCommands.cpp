// The playlist menus' command handler and the track list's commands:
// playing, selecting, checking, renaming, copying names, sorting and the
// file tools.
#include <commctrl.h>
#include <strsafe.h>

#include "base/PathUtil.h"
#include "base/SoundCue.h"
#include "base/WindowMisc.h"
#include "commands/FileDialogs.h"
#include "commands/FileTool.h"
#include "commands/OpenCommands.h"
#include "controls/ButtonPlus.h"
#include "controls/MenuPlus.h"
#include "playback/PlayPause.h"
#include "playback/PlayState.h"
#include "playlist/PlaylistFiles.h"
#include "playlist/PlaylistMenus.h"
#include "playlist/PlaylistWindowInput.h"
#include "settings/CallTrace.h"

namespace {

constexpr UINT kStateUnchecked = 0x1000;
constexpr UINT kStateChecked = 0x2000;

int s_Rows[kPlaylistTrackCap];

void m_SelectAll(HWND list)
{
    LVITEMW item = {};
    item.stateMask = LVIS_SELECTED;
    item.state = LVIS_SELECTED;
    if (list) SendMessageW(list, LVM_SETITEMSTATE, (WPARAM)-1, reinterpret_cast<LPARAM>(&item));
}

void m_SetStateImage(HWND list, int row, UINT state)
{
    LVITEMW item = {};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = state;
    SendMessageW(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

int m_StateImage(HWND list, int row)
{
    return (int)((SendMessageW(list, LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK) &
                  LVIS_STATEIMAGEMASK) >>
                 12);
}

// 0 check, 1 uncheck, 2 invert the selected rows of the track list or of
// the chapter list (the shown track's flags).
void m_ChangeChecks(CPlaylist& p, int chapters, int how)
{
    HWND list = p.m_W.Lists[chapters ? 1 : 0];
    STRACKINFO* shown = p.m_GetTrack(p.m_ShownTrack);
    if (!list || (chapters && !shown)) return;
    const int count = m_PlMenu_Selected(list, s_Rows, kPlaylistTrackCap);
    const int limit =
        chapters ? (shown->ChapterCount < kFileInfoItemCap ? shown->ChapterCount : kFileInfoItemCap)
                 : p.m_Count;
    const UINT notices = p.m_NoticesOn;
    p.m_NoticesOn = 0;
    for (int i = 0; i < count; ++i) {
        const int row = s_Rows[i];
        if (row >= limit) continue;
        const int unchecked = m_StateImage(list, row) == 1;
        if ((how == 0 && !unchecked) || (how == 1 && unchecked)) continue;
        UINT& flag = chapters ? shown->ChapterUnchecked[row] : p.m_Tracks[row].Unchecked;
        flag = how == 2 ? !unchecked : how == 1;
        m_SetStateImage(list, row, flag ? kStateUnchecked : kStateChecked);
    }
    p.m_NoticesOn = notices;
    // The counts and the notices follow the flags.
    if (chapters) {
        p.m_CountCheckedChapters(p.m_ShownTrack);
        if (p.m_ShownTrack == g_PlayingTrack && count > 0)
            m_PlWnd_Notice(p, kNoticeChapterCheck, s_Rows[0]);
    } else if (count > 0) {
        p.m_ToggleCheck(0, s_Rows[0], p.m_Tracks[s_Rows[0]].Unchecked ? 0 : 1);
    }
    InvalidateRect(list, nullptr, FALSE);
}

// The pair of check items of an open menu after a change.
void m_ReenableChecks(CPlaylist& p, const SPLMENUCHOICE& c, int chapters, int how)
{
    if (c.Closes || !m_PlMenu_Alive(c.Popup)) return;
    HWND list = p.m_W.Lists[chapters ? 1 : 0];
    const UINT check = chapters ? 8716 : 8714;
    int someChecked = 0, someUnchecked = 0;
    const int count = m_PlMenu_Selected(list, s_Rows, kPlaylistTrackCap);
    for (int i = 0; i < count; ++i)
        (m_StateImage(list, s_Rows[i]) == 1 ? someUnchecked : someChecked) = 1;
    const int checkOn = how == 2 ? someUnchecked : how == 1;
    const int uncheckOn = how == 2 ? someChecked : how == 0;
    c.Popup->m_SetItemState(0, check, checkOn, 0);
    c.Popup->m_SetItemState(0, check + 1, uncheckOn, 1);
}

void m_CheckCommand(CPlaylist& p, const SPLMENUCHOICE& c, int chapters, int how)
{
    const int wasOff = !p.m_CheckMode;
    if (wasOff) {
        p.m_SetCheckMode(1);
        p.m_FillChapterList(-1, 0);
        if (p.m_W.Buttons[0]) p.m_W.Buttons[0]->m_SetCheck(1, 1);
        // Inverting only shows the boxes.
        if (how == 2) return;
    }
    m_ChangeChecks(p, chapters, how);
    m_ReenableChecks(p, c, chapters, how);
}

void m_EditLabel(CPlaylist& p, int slot)
{
    HWND list = p.m_W.Lists[slot];
    const int row = list ? (int)SendMessageW(list, LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED) : -1;
    if (row < 0) return;
    SetWindowLongPtrW(list, GWL_STYLE, GetWindowLongPtrW(list, GWL_STYLE) | LVS_EDITLABELS);
    SetFocus(list);
    SendMessageW(list, LVM_EDITLABELW, row, 0);
}

// The selected tracks' names or paths, one a line, to the clipboard.
void m_CopySelected(CPlaylist& p, int paths)
{
    static wchar_t s_Names[kPlaylistTrackCap][kPathCap];
    static const wchar_t* s_Lines[kPlaylistTrackCap];
    const int count = m_PlMenu_Selected(p.m_W.Lists[0], s_Rows, kPlaylistTrackCap);
    int n = 0;
    for (int i = 0; i < count; ++i) {
        const STRACKINFO* t = p.m_GetTrack(s_Rows[i]);
        if (!t) continue;
        if (paths)
            (void)StringCchCopyW(s_Names[n], kPathCap, t->Path);
        else
            m_GetFileName(s_Names[n], kPathCap, t->Path, 1);
        s_Lines[n] = s_Names[n];
        ++n;
    }
    wchar_t text[kPlCopyCap + 1];
    const int length = m_PlMenu_JoinLines(s_Lines, n, text, kPlCopyCap + 1);
    const int copied = length > 0 && m_CopyTextToClipboard(p.m_GetWindow(), text);
    m_PlaySoundCue(copied ? 3 : 8);
}

void m_Sort(CPlaylist& p, const SPLMENUCHOICE& c)
{
    const int key = c.Id == 8837 ? 0 : (int)(c.Id - 8825) / 2 + 1;
    const int ascending = c.Id == 8837 || (c.Id - 8825) % 2 == 0;
    p.m_SortPlayList(key, ascending, 1);
    if (c.Closes || !m_PlMenu_Alive(c.Popup)) return;
    for (UINT id = 8825; id <= 8837; ++id) p.m_RefreshMenuItem(c.Popup, id, 0);
    c.Popup->m_Refresh(1);
}

void m_SaveCurrent() { m_PlaySoundCue(m_PlaylistFile_SaveCurrent() ? 3 : 1); }

// 8817: the open item again, playing when playback had started.
void m_Reload()
{
    if (g_ListType == LIST_NONE || g_ListType == LIST_UNSAVED || !g_ListPath[0]) return;
    wchar_t path[kPathCap];
    (void)StringCchCopyW(path, kPathCap, g_ListPath);
    m_OpenFile(path, m_IsPlaying() ? 1 : 2, 1, 0, 0, -1);
}

int m_Notice(CPlaylist& p, int slot, int code, int none)
{
    HWND list = p.m_W.Lists[slot];
    const int row = list ? (int)SendMessageW(list, LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED) : -1;
    if (row >= 0 || none) m_PlWnd_Notice(p, code, row);
    return 1;
}

// The rows show the flags again; the counts and the notices follow once.
void m_ShowFlags(CPlaylist& p)
{
    HWND list = p.m_W.Lists[0];
    const UINT notices = p.m_NoticesOn;
    p.m_NoticesOn = 0;
    for (int i = 0; list && p.m_CheckMode && i < p.m_Count; ++i)
        m_SetStateImage(list, i, p.m_Tracks[i].Unchecked ? kStateUnchecked : kStateChecked);
    p.m_NoticesOn = notices;
    if (p.m_Count > 0) p.m_ToggleCheck(0, 0, p.m_Tracks[0].Unchecked ? 0 : 1);
    p.m_CountCheckedChapters(p.m_ShownTrack);
    p.m_FillChapterList(-1, 0);
}

int m_CheckAllCommand(CPlaylist& p, UINT id)
{
    STRACKINFO* shown = p.m_GetTrack(p.m_ShownTrack);
    switch (id) {
        case 8805:
        case 8806:
            for (int i = 0; i < p.m_Count; ++i) p.m_Tracks[i].Unchecked = id == 8806;
            break;
        case 8807:
        case 8808:
            if (!shown) return 1;
            for (UINT& flag : shown->ChapterUnchecked) flag = id == 8808;
            break;
        case 8809:
            for (int i = 0; i < p.m_Count; ++i) {
                p.m_Tracks[i].Unchecked = 0;
                for (UINT& flag : p.m_Tracks[i].ChapterUnchecked) flag = 0;
            }
            m_PlaySoundCue(3);
            break;
        default:
            return 0;
    }
    m_ShowFlags(p);
    return 1;
}

}  // namespace

int m_PlMenu_JoinLines(const wchar_t* const* lines, int count, wchar_t* out, int size)
{
    if (!out || size < 1) return 0;
    out[0] = 0;
    const int cap = size - 1 < kPlCopyCap ? size - 1 : kPlCopyCap;
    int n = 0;
    for (int i = 0; i < count && n < cap; ++i) {
        if (i > 0)
            for (const wchar_t* b = L"\r\n"; *b && n < cap; ++b) out[n++] = *b;
        for (const wchar_t* s = lines[i]; s && *s && n < cap; ++s) out[n++] = *s;
    }
    out[n] = 0;
    return n;
}

int m_PlCmd_Tracks(CPlaylist& p, const SPLMENUCHOICE& c)
{
    const int add = GetKeyState(VK_CONTROL) < 0 ? 1 : 0;
    switch (c.Id) {
        case 8705:
            return m_Notice(p, 0, kNoticeOpenTrack, 0);
        case 8706:
            return m_Notice(p, 0, 2037, 1);
        case 8707:
            m_PlCmd_Relink(p);
            return 1;
        case 8708:
            m_PlCmd_SearchFolder(p);
            return 1;
        case 8709:
            m_OpenFileDialog(p.m_GetWindow(), 1);
            return 1;
        case 8710:
            m_OpenFolderDialog(p.m_GetWindow(), 1);
            return 1;
        case 8711:
            p.m_ClearPlayList();
            return 1;
        case 8712:
            p.m_DeleteSelectedTracks();
            p.m_SetPlayListTitle();
            return 1;
        case 8713:
            m_SelectAll(p.m_W.Lists[0]);
            return 1;
        case 8714:
            m_CheckCommand(p, c, 0, 0);
            return 1;
        case 8715:
            m_CheckCommand(p, c, 0, 1);
            return 1;
        case 8719:
            m_CheckCommand(p, c, 0, 2);
            return 1;
        case 8716:
            m_CheckCommand(p, c, 1, 0);
            return 1;
        case 8717:
            m_CheckCommand(p, c, 1, 1);
            return 1;
        case 8720:
            m_CheckCommand(p, c, 1, 2);
            return 1;
        case 8718:
            m_EditLabel(p, 0);
            return 1;
        case 8738:
            m_EditLabel(p, 1);
            return 1;
        case 8758:
            m_EditLabel(p, 2);
            return 1;
        case 8777:
            m_EditLabel(p, 3);
            return 1;
        case 8721:
            m_SelectAll(p.m_W.Lists[1]);
            return 1;
        case 8759:
            m_SelectAll(p.m_W.Lists[2]);
            return 1;
        case 8778:
            m_SelectAll(p.m_W.Lists[3]);
            return 1;
        case 8722:
            m_OpenPlaylistDialog(p.m_GetWindow(), 1);
            return 1;
        case 8723:
        case 8724:
            p.m_FindDuplicates(0);
            return 1;
        case 8814:
            m_OpenPlaylistDialog(p.m_GetWindow(), add);
            return 1;
        case 8815:
            m_OpenFileDialog(p.m_GetWindow(), add);
            return 1;
        case 8816:
            m_OpenFolderDialog(p.m_GetWindow(), add);
            return 1;
        case 8817:
            m_Reload();
            return 1;
        case 8818:
            m_TraceCall(L"m_SavePlayListAs()");
            return 1;
        case 8819:
            m_SaveCurrent();
            return 1;
        case 8854:
            m_FileTool(0);
            return 1;
        case 8856:
            m_FileTool(1);
            return 1;
        case 8857:
            m_FileTool(2);
            return 1;
        case 8858:
            m_FileTool(3);
            return 1;
        case 8860:
            m_CopySelected(p, 0);
            return 1;
        case 8861:
            m_CopySelected(p, 1);
            return 1;
        case 8862:
            m_TraceCall(L"m_ShowInExplorer(first selected track)");
            return 1;
    }
    if (c.Id >= 8825 && c.Id <= 8837) {
        m_Sort(p, c);
        return 1;
    }
    if (c.Id == 8804) {
        p.m_OnButton(kPlaylistButtonFirstId, 0);
        return 1;
    }
    return m_CheckAllCommand(p, c.Id);
}

int CPlaylist::m_OnCommand(UINT code, const SMENUNOTIFY* notify)
{
    if (!notify || !notify->Popup || code != MENUCODE_CHOSEN) return 0;
    SPLMENUCHOICE c = {};
    c.Id = notify->ItemId;
    c.SelState = (int)notify->SelState;
    c.Mode = (int)notify->Modifier;
    c.Repeat = (int)notify->Repeat;
    c.Closes = (int)notify->Closes;
    // A notice from elsewhere has no popup to refresh in place.
    c.Popup = notify->PopupWindow && IsWindow(notify->PopupWindow) ? notify->Popup : nullptr;
    m_W.LastMenuId = c.Id;
    if (!m_PlCmd_Tracks(*this, c) && !m_PlCmd_SubLists(*this, c)) m_PlCmd_View(*this, c);
    return 1;
}
