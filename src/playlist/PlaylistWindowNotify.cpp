// Notifications of the playlist window's four lists: label editing, row
// activation, check boxes, selection and the start of a track drag.
#include <commctrl.h>

#include <wchar.h>

#include "app/ToolWindowPlacement.h"
#include "base/PathUtil.h"
#include "filedata/Chapters.h"
#include "filedata/Markers.h"
#include "filedata/PlayRanges.h"
#include "playlist/PlaylistState.h"
#include "playlist/PlaylistWindowInput.h"

namespace {

constexpr int kRowTextCap = 260;
// The sub-list row's own text while its label is edited.
wchar_t s_SavedRowText[kRowTextCap];

int m_FirstSelected(HWND list)
{
    return (int)SendMessageW(list, LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED);
}

int m_SelectedCount(HWND list) { return (int)SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0); }

void m_GetRowText(HWND list, int row, wchar_t* out, int size)
{
    LVITEMW item = {};
    item.pszText = out;
    item.cchTextMax = size;
    out[0] = 0;
    SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
}

void m_SetRowText(HWND list, int row, const wchar_t* text)
{
    LVITEMW item = {};
    item.pszText = const_cast<wchar_t*>(text);
    SendMessageW(list, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
}

void m_SelectAndFocus(HWND list, int row)
{
    LVITEMW item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = 0;
    SendMessageW(list, LVM_SETITEMSTATE, (WPARAM)-1, reinterpret_cast<LPARAM>(&item));
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

// The track's name as it is edited: the stored one, else the file name.
void m_TrackEditName(const STRACKINFO& track, wchar_t* out, int size)
{
    if (track.Name[0])
        lstrcpynW(out, track.Name, size);
    else
        m_GetFileName(out, size, track.Path, g_PlaylistView.bExtension);
}

// The name of a chapter, range or marker of the shown track.
const wchar_t* m_SubItemName(const CPlaylist& p, int listId, int row)
{
    const STRACKINFO* track = p.m_GetTrack(p.m_ShownTrack);
    if (!track || row < 0) return L"";
    if (listId == kChapterListId && row < track->ChapterCount && track->Chapters)
        return track->Chapters[row].Name;
    if (listId == kRangeListId && row < track->RangeCount && track->Ranges)
        return track->Ranges[row].name;
    if (listId == kMarkerListId && row < track->MarkerCount && track->Markers)
        return track->Markers[row].name;
    return L"";
}

void m_OnBeginLabelEdit(CPlaylist& p, HWND list, int listId, int row)
{
    HWND edit = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETEDITCONTROL, 0, 0));
    if (listId == kPlaylistListId) {
        const STRACKINFO* track = p.m_GetTrack(row);
        if (!track || !edit) return;
        wchar_t name[kTrackNameCap + MAX_PATH];
        m_TrackEditName(*track, name, kTrackNameCap + MAX_PATH);
        SetWindowTextW(edit, name);
        return;
    }
    m_GetRowText(list, row, s_SavedRowText, kRowTextCap);
    if (edit) SetWindowTextW(edit, m_SubItemName(p, listId, row));
    m_SetRowText(list, row, L"");
}

void m_EndTrackEdit(CPlaylist& p, HWND list, int row, const wchar_t* text)
{
    STRACKINFO* track = p.m_GetTrack(row);
    if (!track || !text) return;
    wchar_t fileName[MAX_PATH + 1];
    m_GetFileName(fileName, MAX_PATH + 1, track->Path, g_PlaylistView.bExtension);
    if (track->Name[0] ? wcscmp(text, track->Name) == 0 : !text[0] || wcscmp(text, fileName) == 0)
        return;
    lstrcpynW(track->Name, text, kTrackNameCap);
    const wchar_t* shown = track->Name[0] ? track->Name : fileName;
    wchar_t rowText[kTrackNameCap + MAX_PATH + 16];
    if (g_PlaylistView.bNumber)
        _snwprintf(rowText, kTrackNameCap + MAX_PATH + 15, L"%2d, %s", row + 1, shown);
    else
        lstrcpynW(rowText, shown, kTrackNameCap + MAX_PATH + 16);
    rowText[kTrackNameCap + MAX_PATH + 15] = 0;
    m_SetRowText(list, row, rowText);
    if (g_PlaylistView.bOmit) {
        p.m_ElideTrackNames();
        p.m_RefreshTrackRows();
        m_SelectAndFocus(list, row);
    }
    g_ListModified = 1;
    p.m_SetPlayListTitle();
}

void m_EndSubItemEdit(CPlaylist& p, HWND list, int listId, int row, const wchar_t* text)
{
    if (!text || wcscmp(text, m_SubItemName(p, listId, row)) == 0) {
        m_SetRowText(list, row, s_SavedRowText);
    } else {
        const int track = p.m_ShownTrack;
        if (listId == kChapterListId) m_Chapter_Rename(track, row, text);
        if (listId == kRangeListId) m_PlayRange_Rename(track, row, text);
        if (listId == kMarkerListId) m_Marker_Rename(track, row, text);
        m_SelectAndFocus(list, row);
    }
}

// Wine hands an emptied label over as a null text, as it does a cancel:
// the edit control, alive until the notice returns, tells an emptied one
// apart unless Escape ended the edit. Windows gives the empty text itself.
const wchar_t* m_EditedText(HWND list, const wchar_t* given)
{
    if (given || GetKeyState(VK_ESCAPE) < 0) return given;
    HWND edit = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETEDITCONTROL, 0, 0));
    return edit && GetWindowTextLengthW(edit) == 0 ? L"" : nullptr;
}

void m_OnEndLabelEdit(CPlaylist& p, HWND list, int listId, const LVITEMW& item)
{
    const wchar_t* text = m_EditedText(list, item.pszText);
    if (listId == kPlaylistListId)
        m_EndTrackEdit(p, list, item.iItem, text);
    else
        m_EndSubItemEdit(p, list, listId, item.iItem, text);
    SetWindowLongPtrW(list, GWL_STYLE, GetWindowLongPtrW(list, GWL_STYLE) & ~LVS_EDITLABELS);
}

void m_OnItemChanged(CPlaylist& p, HWND list, int listId, const NMLISTVIEW& change)
{
    if (!(change.uChanged & LVIF_STATE) || change.iItem < 0) return;
    const UINT image = (change.uNewState & LVIS_STATEIMAGEMASK) >> 12;
    if ((change.uNewState ^ change.uOldState) & LVIS_STATEIMAGEMASK) {
        if (image != 1 && image != 2) return;
        if (listId == kPlaylistListId || listId == kChapterListId)
            p.m_ToggleCheck(listId == kChapterListId, change.iItem, image == 2 ? 1 : 0);
        return;
    }
    const bool selected = (change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED);
    const bool byUser =
        GetKeyState(VK_UP) < 0 || GetKeyState(VK_DOWN) < 0 || GetKeyState(VK_LBUTTON) < 0;
    if (p.m_W.Active && selected && byUser && m_SelectedCount(list) == 1)
        p.m_NotifySelection(listId, change.iItem);
}

void m_OnClick(CPlaylist& p, HWND list, int listId, const NMITEMACTIVATE& click)
{
    if (listId != kPlaylistListId) {
        p.m_NotifySelection(listId, click.iItem);
        return;
    }
    if (m_SelectedCount(list) != 1) return;
    p.m_W.ContextRow = click.iItem;
    p.m_NotifySelection(listId, click.iItem);
}

}  // namespace

int m_PlWnd_OnNotify(CPlaylist& p, NMHDR* header, LRESULT* result)
{
    if (!header || !p.m_W.NoticesHandled || !p.m_NoticesOn) return 0;
    const int listId = (int)header->idFrom;
    HWND list = p.m_GetList(listId);
    if (!list || list != header->hwndFrom) return 0;
    *result = 0;
    switch (header->code) {
        case LVN_BEGINLABELEDITW:
            m_OnBeginLabelEdit(p, list, listId,
                               reinterpret_cast<NMLVDISPINFOW*>(header)->item.iItem);
            return 1;
        case LVN_ENDLABELEDITW:
            m_OnEndLabelEdit(p, list, listId, reinterpret_cast<NMLVDISPINFOW*>(header)->item);
            return 1;
        case LVN_ITEMACTIVATE: {
            const int row = m_FirstSelected(list);
            if (row >= 0) m_PlWnd_Notice(p, m_PlWnd_OpenNotice(listId), row);
            return 1;
        }
        case LVN_BEGINDRAG:
            if (listId != kPlaylistListId) return 0;
            SetCapture(p.m_GetWindow());
            p.m_W.TrackDrag = 1;
            return 1;
        case LVN_ITEMCHANGED:
            m_OnItemChanged(p, list, listId, *reinterpret_cast<NMLISTVIEW*>(header));
            return 1;
        case NM_KILLFOCUS:
            p.m_NotifySelection(listId, -1);
            return 1;
        case NM_SETFOCUS:
            p.m_W.FocusedListId = listId;
            return 1;
        case NM_CLICK:
            m_OnClick(p, list, listId, *reinterpret_cast<NMITEMACTIVATE*>(header));
            return 1;
        case NM_RCLICK:
            p.m_ShowContextMenu(list, reinterpret_cast<NMITEMACTIVATE*>(header)->iItem, 1);
            *result = 1;
            return 1;
    }
    return 0;
}

int m_PlWnd_OpenNotice(int listId)
{
    switch (listId) {
        case kPlaylistListId:
            return kNoticeOpenTrack;
        case kChapterListId:
            return kNoticeOpenChapter;
        case kRangeListId:
            return kNoticeOpenRange;
    }
    return kNoticeOpenMarker;
}
