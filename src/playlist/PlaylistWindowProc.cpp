// The playlist dialog's procedure: every message it handles and where it
// goes.
#include <commctrl.h>

#include "app/AppMessages.h"
#include "app/LayoutSnap.h"
#include "app/MainWindow.h"
#include "app/Startup.h"
#include "app/ToolWindowPlacement.h"
#include "app/ToolWindows.h"
#include "base/Dpi.h"
#include "base/UiLook.h"
#include "controls/ButtonPlus.h"
#include "controls/MenuItem.h"
#include "controls/MenuMessages.h"
#include "playlist/PlaylistWindowInput.h"
#include "settings/Settings.h"

namespace {

// Answers a dialog message with a result of its own.
INT_PTR m_Result(HWND hwnd, LRESULT result)
{
    SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, result);
    return TRUE;
}

void m_OnSize(CPlaylist& p, WPARAM kind, LPARAM size)
{
    if (kind == SIZE_MINIMIZED) return;
    m_Placement_FromWindow(p.m_GetWindow(), &g_PlaylistView.Pos);
    p.m_MoveChildren(LOWORD(size), HIWORD(size));
    if (g_PlaylistView.bAdjust) p.m_LayoutLists(1);
}

void m_OnActivate(CPlaylist& p, HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    const int state = LOWORD(wParam);
    const HWND other = reinterpret_cast<HWND>(lParam);
    if (state != WA_INACTIVE) {
        g_hDlgCurrent = hwnd;
        m_RaiseToolWindows(hwnd, other, state);
    }
    p.m_W.Active = state == WA_ACTIVE || state == WA_CLICKACTIVE;
    if (other != p.m_W.MainWnd)
        m_PlWnd_Notice(p, kNoticePlaylistActivated, reinterpret_cast<LPARAM>(hwnd));
}

void m_OnMinMaxInfo(CPlaylist& p, MINMAXINFO* info)
{
    RECT frame = {};
    m_GetDpiFrameMargins(&frame, p.m_W.DpiPercent);
    int height = p.m_W.MinTrack.y;
    if (height <= 0) height = frame.top + frame.bottom + p.m_U(m_PlWnd_ButtonHeight());
    info->ptMinTrackSize.x = p.m_W.MinTrack.x;
    info->ptMinTrackSize.y = height;
}

void m_OnCommand(CPlaylist& p, WPARAM wParam)
{
    const int id = LOWORD(wParam), code = HIWORD(wParam);
    if (id == IDOK || id == IDCANCEL) {
        m_ShowPlayListWnd(0, SW_SHOW);
        return;
    }
    p.m_OnControlCommand(id, code);
}

// The popups' notices: choices, submenus, tips and closing.
INT_PTR m_OnMenuMessage(CPlaylist& p, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
        case WM_APP_MENUCOMMAND:
            return m_Result(hwnd, p.m_OnCommand(static_cast<UINT>(wParam),
                                                reinterpret_cast<const SMENUNOTIFY*>(lParam)));
        case WM_APP_MENUSUBMENU:
            return m_Result(hwnd, p.m_OnSubMenu(reinterpret_cast<SMENUITEMENTRY*>(wParam)));
        case WM_APP_MENUGETTIP:
            return m_Result(hwnd,
                            reinterpret_cast<LRESULT>(p.m_GetMenuTip(static_cast<UINT>(wParam))));
        case WM_APP_MENUCLOSING:
            if (lParam >= 2354 && lParam <= 2357) p.m_W.ContextPopup = nullptr;
            return m_Result(hwnd, 1);
    }
    return FALSE;
}

void m_OnDestroyed(CPlaylist& p)
{
    for (CButtonPlus*& button : p.m_W.Buttons) {
        delete button;
        button = nullptr;
    }
    if (p.m_W.ToolTip) DestroyWindow(p.m_W.ToolTip);
    p.m_W.ToolTip = nullptr;
    HIMAGELIST tall = reinterpret_cast<HIMAGELIST>(
        SendMessageW(p.m_W.Lists[3], LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    if (tall && tall != p.m_W.CheckImages) ImageList_Destroy(tall);
    for (HWND& list : p.m_W.Lists) list = nullptr;
    p.m_FreeWindowResources();
    p.m_W.Dialog = p.m_W.Status = nullptr;
    p.m_W.Ready = p.m_W.NoticesHandled = p.m_W.Visible = 0;
    if (g_hDlgCurrent == p.m_GetWindow()) g_hDlgCurrent = nullptr;
}

// Mouse and frame messages; TRUE when handled.
INT_PTR m_OnMouse(CPlaylist& p, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
        case WM_NCHITTEST:
            return m_Result(hwnd, m_PlWnd_OnNcHitTest(p, lParam));
        case WM_SETCURSOR:
            return m_PlWnd_OnSetCursor(p) ? m_Result(hwnd, TRUE) : FALSE;
        case WM_NCLBUTTONDOWN:
            return m_PlWnd_OnNcLButtonDown(p, wParam, lParam);
        case WM_NCLBUTTONDBLCLK:
            return m_PlWnd_OnNcLButtonDblClk(p, wParam, lParam);
        case WM_LBUTTONDOWN:
            m_PlWnd_OnLButtonDown(p, lParam);
            return TRUE;
        case WM_LBUTTONUP:
            m_PlWnd_OnLButtonUp(p, lParam);
            return TRUE;
        case WM_LBUTTONDBLCLK:
            m_PlWnd_OnLButtonDblClk(p, lParam);
            return TRUE;
        case WM_RBUTTONDOWN:
            m_PlWnd_OnRButtonDown(p, lParam);
            return TRUE;
        case WM_MOUSEMOVE:
            m_PlWnd_OnMouseMove(p, wParam, lParam);
            return TRUE;
        case WM_MOUSEWHEEL:
            p.m_OnMouseWheel(hwnd, msg, wParam, lParam);
            return TRUE;
        case WM_MOUSELEAVE:
            m_PlWnd_OnMouseLeave(p);
            return TRUE;
        case WM_SIZING:
            m_PlWnd_OnSizing(p, wParam, reinterpret_cast<RECT*>(lParam));
            return TRUE;
        case WM_ENTERSIZEMOVE:
            m_BuildSnapTargets(hwnd, 0);
            return TRUE;
        case WM_EXITSIZEMOVE:
            m_PlWnd_OnExitSizeMove(p);
            return TRUE;
        case WM_MOVE:
            m_PlWnd_OnMove(p);
            return FALSE;
    }
    return FALSE;
}

INT_PTR m_OnMessage(CPlaylist& p, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
        case WM_DESTROY:
        case WM_WINDOWPOSCHANGING:
        case WM_NCLBUTTONUP:
        case WM_RBUTTONUP:
        case WM_PARENTNOTIFY:
        case WM_MOVING:
            return FALSE;
        case WM_NCDESTROY:
            m_OnDestroyed(p);
            return FALSE;
        case WM_SIZE:
            m_OnSize(p, wParam, lParam);
            return TRUE;
        case WM_ACTIVATE:
            m_OnActivate(p, hwnd, wParam, lParam);
            return FALSE;
        case WM_PAINT:
            p.m_OnPaint();
            return FALSE;
        case WM_ERASEBKGND:
            return m_Result(hwnd, 1);
        case WM_GETMINMAXINFO:
            m_OnMinMaxInfo(p, reinterpret_cast<MINMAXINFO*>(lParam));
            return TRUE;
        case WM_DRAWITEM:
            return p.m_OnDrawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        case WM_NOTIFY: {
            LRESULT result = 0;
            if (!m_PlWnd_OnNotify(p, reinterpret_cast<NMHDR*>(lParam), &result)) return FALSE;
            return m_Result(hwnd, result);
        }
        case WM_GETICON:
            return m_Result(hwnd, reinterpret_cast<LRESULT>(m_GetWindowIcon(hwnd, wParam)));
        case WM_DROPFILES:
            p.m_OnDropFiles(reinterpret_cast<HDROP>(wParam));
            return TRUE;
        case WM_DPICHANGED:
            p.m_OnDpiChanged(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
            return TRUE;
        case WM_TIMER:
            p.m_OnDragScrollTimer(wParam);
            return TRUE;
        case WM_COMMAND:
            m_OnCommand(p, wParam);
            return TRUE;
        case WM_APP_MENUDISMISSED:
            SendMessageW(p.m_W.MainWnd, msg, wParam, lParam);
            return TRUE;
        case WM_APP_MENUCOMMAND:
        case WM_APP_MENUSUBMENU:
        case WM_APP_MENUGETTIP:
        case WM_APP_MENUCLOSING:
            return m_OnMenuMessage(p, hwnd, msg, wParam, lParam);
    }
    if (msg >= WM_KEYFIRST && msg <= WM_SYSDEADCHAR) {
        SendMessageW(p.m_W.MainWnd, msg, wParam, lParam);
        return TRUE;
    }
    return m_OnMouse(p, hwnd, msg, wParam, lParam);
}

}  // namespace

void m_PlWnd_Notice(const CPlaylist& p, int code, LPARAM value)
{
    if (p.m_W.MainWnd && IsWindow(p.m_W.MainWnd))
        SendMessageW(p.m_W.MainWnd, WM_APP_NOTIFYMAIN, code, value);
}

INT_PTR CALLBACK CPlaylist::m_DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_INITDIALOG) {
        if (!lParam) return TRUE;
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        reinterpret_cast<CPlaylist*>(lParam)->m_OnInitDialog(hwnd);
        return TRUE;
    }
    CPlaylist* p = reinterpret_cast<CPlaylist*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (!p) return FALSE;
    INT_PTR handled = m_OnMessage(*p, hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        p->m_ClearWindow();
    }
    return handled;
}
