// Which list a wheel turn over the playlist window scrolls, for the
// playlist window and for the main window.
#include <commctrl.h>
#include <windowsx.h>

#include "jumplist/JumpListCommands.h"
#include "playlist/Playlist.h"
#include "settings/Settings.h"

namespace {

bool m_IsOver(HWND list, POINT screen)
{
    RECT rc;
    return list && GetWindowRect(list, &rc) && PtInRect(&rc, screen);
}

}  // namespace

int CPlaylist::m_OnMouseWheel(HWND, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg != WM_MOUSEWHEEL || !m_hWnd) return 0;
    const POINT screen = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    HWND target = nullptr;
    if (m_IsOver(m_hList, screen)) {
        // With the jump-list view shown the main window may keep the wheel.
        if (m_JumpList_IsShown() && g_Settings.Jumplist_ExKey) return 0;
        target = m_hList;
    } else if (m_IsOver(m_W.Lists[1], screen)) {
        // The three sub-lists share the chapter list's place.
        const int tab = m_W.PaneShown && m_W.Tab >= 0 && m_W.Tab < 3 ? m_W.Tab : 0;
        target = m_W.Lists[1 + tab];
    }
    if (!target) return 0;
    // A list that cannot scroll still keeps the wheel from the volume; one
    // that hands an unused wheel to its parent cannot bring it back here.
    static int s_Sending;
    if (!m_HasVScroll(target) || s_Sending) return 1;
    s_Sending = 1;
    SendMessageW(target, WM_MOUSEWHEEL, wParam, lParam);
    s_Sending = 0;
    return 1;
}
