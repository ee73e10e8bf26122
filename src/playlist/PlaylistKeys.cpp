// Keys typed into the playlist window: the lists keep their own keys
// (Enter, F2, F3, arrows across tracks, tabs, select-all, the context menu)
// and every other key goes on to the main window, so that the player's key
// bindings work while the playlist has the focus.
#include "playlist/PlaylistKeys.h"

#include <commctrl.h>

#include <stdarg.h>

#include "app/ToolWindows.h"
#include "base/ListViewUtil.h"
#include "playlist/PlaylistWindowInput.h"
#include "settings/CallTrace.h"

namespace {

bool m_IsEdit(HWND window)
{
    wchar_t name[16] = L"";
    return window && GetClassNameW(window, name, 16) && lstrcmpiW(name, L"Edit") == 0;
}

void m_TraceNotice(const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    m_TraceLineV(L"NOTICE : ", format, args);
    va_end(args);
}

bool m_CtrlHeld() { return GetKeyState(VK_CONTROL) < 0; }

void m_OnEnter(const CPlaylist& p, HWND list, int listId)
{
    const int row = list ? m_ListView_GetFirstSelected(list) : -1;
    if (row >= 0) m_PlKeys_Notice(p, m_PlWnd_OpenNotice(listId), row);
}

// The first selected row's label is edited; the end of the edit takes the
// style off again.
void m_OnRename(const CPlaylist& p, const MSG& msg, HWND list, int listId)
{
    const int row = list ? m_ListView_GetFirstSelected(list) : -1;
    if (row < 0) {
        if (!list || listId == kPlaylistListId) m_PlKeys_PassOn(p, msg);
        return;
    }
    SetWindowLongPtrW(list, GWL_STYLE, GetWindowLongPtrW(list, GWL_STYLE) | LVS_EDITLABELS);
    SendMessageW(list, LVM_EDITLABELW, row, 0);
}

// Ctrl+A selects every row, or none when all are selected already.
void m_OnSelectAll(HWND list)
{
    const int count = (int)SendMessageW(list, LVM_GETITEMCOUNT, 0, 0);
    m_ListView_SelectAll(list, count > 0 && m_ListView_GetSelectedCount(list) < count);
}

void m_OnTabArrow(CPlaylist& p, int step)
{
    int tab = p.m_W.Tab + step;
    if (tab < 0) tab = 0;
    if (tab >= kPlaylistTabCount) tab = kPlaylistTabCount - 1;
    p.m_SelectTab(tab, 0);
}

}  // namespace

int m_PlKeys_ListId(const CPlaylist& p, HWND window)
{
    static const int kIds[4] = {kPlaylistListId, kChapterListId, kRangeListId, kMarkerListId};
    for (int i = 0; i < 4 && window; ++i)
        if (p.m_W.Lists[i] == window) return kIds[i];
    return 0;
}

void m_PlKeys_PassOn(const CPlaylist& p, const MSG& msg)
{
    if (p.m_W.MainWnd) SendMessageW(p.m_W.MainWnd, msg.message, msg.wParam, msg.lParam);
}

void m_PlKeys_Notice(const CPlaylist& p, int code, int value)
{
    m_TraceNotice(L"%d %d", code, value);
    m_PlWnd_Notice(p, code, value);
}

BOOL CPlaylist::m_PreTranslateKey(MSG* msg)
{
    if (!msg || !m_hWnd) return FALSE;
    switch (msg->message) {
        case WM_KEYDOWN:
            return m_OnKeyDown(*msg);
        case WM_KEYUP:
            return m_OnKeyUp(*msg);
        case WM_MOUSEWHEEL:
            m_PlKeys_PassOn(*this, *msg);
            return TRUE;
    }
    return FALSE;
}

// 1 consumes the key; 0 lets the loop translate and dispatch it.
int CPlaylist::m_OnKeyDown(const MSG& msg)
{
    // A label being edited takes every key, Enter and Escape included.
    if (m_IsEdit(msg.hwnd)) return 0;
    const int id = m_PlKeys_ListId(*this, msg.hwnd);
    HWND list = id ? msg.hwnd : nullptr;
    switch (msg.wParam) {
        case VK_RETURN:
            m_OnEnter(*this, list, id);
            return 1;
        case VK_F3:
            if (!m_CheckMode)
                m_SetCheckMode(1);
            else if (id == kPlaylistListId || id == kChapterListId)
                m_InvertSelectedChecks(list, id == kChapterListId);
            else
                m_PlKeys_PassOn(*this, msg);
            return 1;
        case VK_UP:
        case VK_DOWN:
            if (id != kChapterListId) return 0;
            m_PlKeys_ChapterArrow(*this, list, msg.wParam == VK_UP);
            return 1;
        case VK_LEFT:
        case VK_RIGHT:
            m_OnTabArrow(*this, msg.wParam == VK_LEFT ? -1 : 1);
            return 1;
        case VK_HOME:
        case VK_END:
            return 0;
        case VK_PRIOR:
        case VK_NEXT:
            if (!list || id == kPlaylistListId) return 0;
            m_PlKeys_PageTrack(*this, list, msg.wParam == VK_NEXT);
            return 1;
        case VK_ESCAPE:
            // Hidden, and the key still takes its normal way.
            m_ShowPlayListWnd(0, SW_SHOW);
            return 0;
        case VK_TAB:
            m_PlKeys_Tab(*this, msg.hwnd, GetKeyState(VK_SHIFT) < 0);
            return 1;
        case VK_F2:
            m_OnRename(*this, msg, list, id);
            return 1;
        case VK_APPS:
            if (list) m_ShowContextMenu(list, -1, 0);
            return 1;
        case VK_F10:
            if (GetKeyState(VK_SHIFT) >= 0) break;
            if (list) m_ShowContextMenu(list, -1, 0);
            return 1;
        case 'A':
            if (!m_CtrlHeld() || !list) break;
            m_OnSelectAll(list);
            return 1;
    }
    m_PlKeys_PassOn(*this, msg);
    return 1;
}

int CPlaylist::m_OnKeyUp(const MSG& msg)
{
    // The edit gets the releases of the keys it was given.
    if (m_IsEdit(msg.hwnd)) return 0;
    switch (msg.wParam) {
        case VK_DELETE:
        case VK_RETURN:
            return 1;
        case VK_UP:
        case VK_DOWN:
        case VK_ESCAPE:
            return 0;
        case VK_F2:
            if (m_hList && m_ListView_GetFirstSelected(m_hList) >= 0) return 1;
            break;
        case 'A':
            if (m_CtrlHeld()) return 1;
            break;
    }
    m_PlKeys_PassOn(*this, msg);
    return 1;
}

// Shift held (0) may pick the marker or chapter list when the sub-list has
// height; otherwise the track list takes the focus.
void CPlaylist::m_FocusList(int trackListOnly)
{
    HWND list = m_hList;
    if (!trackListOnly && m_GetSubListId()) {
        const int tab = m_W.PaneShown ? 2 : 0;
        m_SelectTab(tab, 0);
        list = m_W.Lists[1 + tab];
    }
    if (list) m_PlKeys_FocusList(list);
}
