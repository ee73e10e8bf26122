// The playlist dialog's mouse: the splitter, the tabs, the size-grip
// corner, hover zones and moving the window with or without snapping.
#include <math.h>
#include <windowsx.h>

#include "app/LayoutSnap.h"
#include "app/PlaylistDock.h"
#include "app/ToolWindowPlacement.h"
#include "app/ToolWindows.h"
#include "base/Dpi.h"
#include "base/UiLook.h"
#include "playlist/PlaylistState.h"
#include "playlist/PlaylistWindowInput.h"
#include "settings/Settings.h"

namespace {

constexpr UINT_PTR kDragScrollTimer = 2;

POINT m_Point(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

POINT m_ClientCursor(HWND hwnd)
{
    POINT pt = {};
    GetCursorPos(&pt);
    ScreenToClient(hwnd, &pt);
    return pt;
}

bool m_OnSplitter(const CPlaylist& p, POINT client)
{
    return !IsRectEmpty(&p.m_W.Splitter) && PtInRect(&p.m_W.Splitter, client);
}

int m_HoverZone(const CPlaylist& p, POINT client)
{
    const int tab = m_PlWnd_TabAt(p, client);
    if (tab >= 0) return PLHOVER_TAB0 + tab;
    if (PtInRect(&p.m_W.TabStrip, client)) return PLHOVER_TABSTRIP;
    if (m_OnSplitter(p, client)) return PLHOVER_SPLITTER;
    if (PtInRect(&p.m_W.ButtonRow, client)) return PLHOVER_BUTTONS;
    return PLHOVER_NONE;
}

void m_SetHover(CPlaylist& p, int zone)
{
    if (zone == p.m_W.Hover) return;
    p.m_W.Hover = zone;
    InvalidateRect(p.m_GetWindow(), &p.m_W.TabStrip, FALSE);
}

void m_TrackLeave(CPlaylist& p)
{
    if (p.m_W.TrackingLeave) return;
    TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, p.m_GetWindow(), 0};
    p.m_W.TrackingLeave = TrackMouseEvent(&track) ? 1 : 0;
}

// The sub-list height S at the cursor of a splitter drag.
void m_DragSplitter(CPlaylist& p, int y)
{
    SPLAYLISTWND& w = p.m_W;
    if (y == w.LastDragY) return;
    w.LastDragY = y;
    int s = w.SplitterPressS - (y - w.PressCursor.y);
    if (s > w.PaneHeight) s = w.PaneHeight;
    if (s < 0) s = 0;
    w.SubHeight = s;
    if (w.PaneHeight > 0) w.PlainRatio = (double)s / w.PaneHeight;
    w.SplitterMoved = 1;
    p.m_MoveChildren(-1, -1);
    p.m_LayoutLists(0);
}

void m_EndSplitterDrag(CPlaylist& p)
{
    SPLAYLISTWND& w = p.m_W;
    w.SplitterDrag = 0;
    ReleaseCapture();
    if (!g_PlaylistView.bAdjust || !w.SplitterMoved) return;
    p.m_LayoutLists(2);
    // The cursor stays on the splitter where the split settled.
    POINT pt = {w.PressCursor.x, w.PressCursor.y - w.SubHeight + w.SplitterPressS};
    ClientToScreen(p.m_GetWindow(), &pt);
    SetCursorPos(pt.x, pt.y);
}

// With snapping on the window moves itself, snapping to the targets.
void m_StartSnapMove(CPlaylist& p, POINT client)
{
    HWND hwnd = p.m_GetWindow();
    POINT screen = client;
    ClientToScreen(hwnd, &screen);
    if (!m_GetWindowRect(hwnd, &p.m_W.PressWindow, -1)) return;
    p.m_W.PressCursor = screen;
    m_BuildSnapTargets(hwnd, 1);
    p.m_W.MovingWindow = 1;
    SetCapture(hwnd);
}

void m_SnapMove(CPlaylist& p)
{
    POINT now = {};
    GetCursorPos(&now);
    RECT rc = p.m_W.PressWindow;
    OffsetRect(&rc, now.x - p.m_W.PressCursor.x, now.y - p.m_W.PressCursor.y);
    m_SnapWindowRect(&rc, 1, HTCAPTION, -1);
    m_SetWindowPos(p.m_GetWindow(), nullptr, rc.left, rc.top, rc.right - rc.left,
                   rc.bottom - rc.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE, -1, 0);
}

void m_MoveWindowFrom(CPlaylist& p, POINT client)
{
    if (g_Settings.Common_Snap[0]) {
        m_StartSnapMove(p, client);
        return;
    }
    if (PtInRect(&p.m_W.StatusRect, client) && !g_Settings.Common_Drag) return;
    POINT screen = client;
    ClientToScreen(p.m_GetWindow(), &screen);
    PostMessageW(p.m_GetWindow(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(screen.x, screen.y));
}

// Whether a double-click toggles the sub-list to its largest: the fitted
// ratio sits at 0 or past 1.
double m_ToggledRatio(double ratio)
{
    const bool atZero = fabs(ratio) <= 0.01;
    const bool pastOne = ratio > 1 && fabs(ratio - 1) > 0.01;
    return atZero || pastOne ? 1.0 : 0.0;
}

}  // namespace

int m_PlWnd_ButtonHeight()
{
    return g_Settings.Ctrl_Btn[1] > 0 ? g_Settings.Ctrl_Btn[1] : g_Settings.Ctrl_Btn[0];
}

int m_PlWnd_TabAt(const CPlaylist& p, POINT client)
{
    if (!p.m_W.PaneShown) return -1;
    for (int i = 0; i < kPlaylistTabCount; ++i)
        if (PtInRect(&p.m_W.Tabs[i], client)) return i;
    return -1;
}

LRESULT m_PlWnd_OnNcHitTest(CPlaylist& p, LPARAM screen)
{
    HWND hwnd = p.m_GetWindow();
    LRESULT hit = DefWindowProcW(hwnd, WM_NCHITTEST, 0, screen);
    POINT client = m_Point(screen);
    ScreenToClient(hwnd, &client);
    RECT rc;
    GetClientRect(hwnd, &rc);
    // The size-grip corner is the button size, unscaled.
    if (hit == HTCLIENT && client.x >= rc.right - g_Settings.Ctrl_Btn[0] &&
        client.y >= rc.bottom - m_PlWnd_ButtonHeight() && PtInRect(&rc, client))
        hit = HTBOTTOMRIGHT;
    p.m_W.HitTest = hit;
    m_SetHover(p, m_HoverZone(p, client));
    return hit;
}

int m_PlWnd_OnSetCursor(CPlaylist& p)
{
    if (!m_OnSplitter(p, m_ClientCursor(p.m_GetWindow()))) return 0;
    SetCursor(LoadCursorW(nullptr, IDC_SIZENS));
    return 1;
}

void m_PlWnd_OnLButtonDown(CPlaylist& p, LPARAM lParam)
{
    SPLAYLISTWND& w = p.m_W;
    const POINT client = m_Point(lParam);
    w.LeftDown = 1;
    if (m_OnSplitter(p, client)) {
        SetCapture(p.m_GetWindow());
        w.SplitterDrag = 1;
        w.SplitterMoved = 0;
        w.SplitterPressS = w.SubHeight;
        w.PressCursor = client;
        w.LastDragY = client.y;
        return;
    }
    const int tab = m_PlWnd_TabAt(p, client);
    if (tab >= 0 && !PtInRect(&w.ButtonRow, client)) p.m_SelectTab(tab, 0);
    m_MoveWindowFrom(p, client);
}

void m_PlWnd_OnMouseMove(CPlaylist& p, WPARAM keys, LPARAM lParam)
{
    SPLAYLISTWND& w = p.m_W;
    m_TrackLeave(p);
    if (w.SplitterDrag && (keys & MK_LBUTTON)) {
        m_DragSplitter(p, m_Point(lParam).y);
        return;
    }
    if (w.MovingWindow && (keys & MK_LBUTTON)) {
        m_SnapMove(p);
        return;
    }
    if (w.TrackDrag && !p.m_DragScrollRunning) {
        POINT pt = m_Point(lParam);
        MapWindowPoints(p.m_GetWindow(), p.m_GetTrackList(), &pt, 1);
        p.m_TrackDropMark(pt);
        p.m_OnDragTimer();
    }
}

void m_PlWnd_OnLButtonUp(CPlaylist& p, LPARAM lParam)
{
    SPLAYLISTWND& w = p.m_W;
    w.LeftDown = 0;
    if (w.SplitterDrag) m_EndSplitterDrag(p);
    if (w.MovingWindow) {
        w.MovingWindow = 0;
        ReleaseCapture();
        if (g_Settings.Common_Wall) m_KeepWindowOnMonitor(p.m_GetWindow());
    }
    if (w.TrackDrag) {
        POINT pt = m_Point(lParam);
        MapWindowPoints(p.m_GetWindow(), p.m_GetTrackList(), &pt, 1);
        p.m_EndTrackDrag(pt);
    }
}

void m_PlWnd_OnLButtonDblClk(CPlaylist& p, LPARAM lParam)
{
    SPLAYLISTWND& w = p.m_W;
    const POINT client = m_Point(lParam);
    if (!m_OnSplitter(p, client) && m_PlWnd_TabAt(p, client) < 0) return;
    p.m_LayoutLists(0);
    const int before = w.SubHeight;
    w.FittedRatio = m_ToggledRatio(w.FittedRatio);
    p.m_LayoutLists(3);
    POINT cursor = {};
    if (GetCursorPos(&cursor)) SetCursorPos(cursor.x, cursor.y - (w.SubHeight - before));
}

void m_PlWnd_OnRButtonDown(CPlaylist& p, LPARAM lParam)
{
    const int tab = m_PlWnd_TabAt(p, m_Point(lParam));
    if (tab >= 0) p.m_SelectTab(tab, 0);
}

void m_PlWnd_OnMouseLeave(CPlaylist& p)
{
    p.m_W.TrackingLeave = 0;
    m_SetHover(p, PLHOVER_NONE);
}

int m_PlWnd_OnNcLButtonDown(CPlaylist& p, WPARAM hit, LPARAM screen)
{
    if (hit != HTCAPTION) return 0;
    HWND hwnd = p.m_GetWindow();
    m_BuildSnapTargets(hwnd, 1);
    if (!g_Settings.Common_Snap[0]) return 0;
    // The snapping move runs from a client press.
    SetActiveWindow(hwnd);
    POINT client = m_Point(screen);
    ScreenToClient(hwnd, &client);
    PostMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.x, client.y));
    return 1;
}

void m_PlWnd_OnSizing(CPlaylist& p, WPARAM edge, RECT* rc)
{
    if (!g_Settings.Common_Snap[0] || !rc) return;
    const int dpi = p.m_W.DpiPercent;
    m_AdjustRectForBorder(rc, 1, 0, dpi);
    // WMSZ_LEFT..WMSZ_BOTTOMRIGHT are HTLEFT..HTBOTTOMRIGHT less 9.
    m_SnapWindowRect(rc, 0, (int)edge + 9, -1);
    m_AdjustRectForBorder(rc, 0, 0, dpi);
}

void m_PlWnd_OnExitSizeMove(CPlaylist& p)
{
    m_TakePlayListWnd(p.m_GetWindow());
    if (g_Settings.Common_Wall) m_KeepWindowOnMonitor(p.m_GetWindow());
}

void m_PlWnd_OnMove(CPlaylist& p)
{
    HWND hwnd = p.m_W.Dialog;
    RECT rc;
    if (!hwnd || !GetWindowRect(hwnd, &rc)) return;
    const SIZE size = {rc.right - rc.left, rc.bottom - rc.top};
    const int sizeKept = size.cx == p.m_W.LastMoveSize.cx && size.cy == p.m_W.LastMoveSize.cy;
    p.m_W.LastMoveSize = size;
    // This window moving is not the main window dragging it along.
    if (sizeKept || GetActiveWindow() == hwnd) g_DockingMove = 0;
    if (!sizeKept || !p.m_W.DpiMoved) return;
    // After a DPI rescale the window keeps to the pointer's travel since.
    p.m_W.DpiMoved = 0;
    POINT now;
    if (!GetCursorPos(&now)) return;
    RECT to = p.m_W.PressWindow;
    OffsetRect(&to, now.x - p.m_W.PressCursor.x, now.y - p.m_W.PressCursor.y);
    if (to.left != rc.left || to.top != rc.top)
        SetWindowPos(hwnd, nullptr, to.left, to.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CPlaylist::m_EndTrackDrag(POINT listPoint)
{
    m_W.TrackDrag = 0;
    ReleaseCapture();
    m_StopDragScroll();
    m_DrawDropMark(-1);
    const int to = m_GetDropIndex(listPoint);
    m_DropFound = -1;
    if (to < 0 || !m_MoveSelectedTracks(to) || g_ListType == LIST_UNSAVED) return;
    g_ListModified = m_IsModified();
    m_SetPlayListTitle();
}

void CPlaylist::m_OnDragScrollTimer(UINT_PTR id)
{
    if (id != kDragScrollTimer || !m_hList || !m_HasVScroll(m_hList)) return;
    const int count = (int)SendMessageW(m_hList, LVM_GETITEMCOUNT, 0, 0);
    const int top = (int)SendMessageW(m_hList, LVM_GETTOPINDEX, 0, 0);
    const int page = (int)SendMessageW(m_hList, LVM_GETCOUNTPERPAGE, 0, 0);
    int target = -1;
    if (m_DragScrollSpeed > 0 && top + page < count) {
        target = top + page < count - 1 ? top + page : count - 1;
        if (target >= count - 1) m_DragScrollInterval = 0;
    } else if (m_DragScrollSpeed < 0 && top > 0) {
        target = top - 1;
        if (target <= 0) m_DragScrollInterval = 0;
    } else {
        m_DragScrollInterval = 0;
    }
    if (target >= 0) {
        m_DrawDropMark(-1);
        SendMessageW(m_hList, LVM_ENSUREVISIBLE, target, FALSE);
        UpdateWindow(m_hList);
        POINT pt = {};
        GetCursorPos(&pt);
        ScreenToClient(m_hList, &pt);
        m_DropFound = -1;
        m_TrackDropMark(pt);
    }
    if (m_DragScrollInterval)
        SetTimer(m_hWnd, kDragScrollTimer, m_DragScrollInterval, nullptr);
    else
        m_StopDragScroll();
}

namespace {

// A border double-click against the main window: the facing border is
// handed over; another border within reach lines up with the main
// window's matching edge.
int m_BorderDoubleClick(CPlaylist& p, int hit)
{
    HWND hwnd = p.m_GetWindow(), main = p.m_W.MainWnd;
    RECT own, other;
    if (!main || !m_GetWindowRect(hwnd, &own, -1) || !m_GetWindowRect(main, &other, -1)) return 0;
    const int side = m_GetDockSide(&own, &other, g_Settings.Common_Snap[3]);
    const bool leftBorder = hit == HTLEFT || hit == HTTOPLEFT || hit == HTBOTTOMLEFT;
    const bool rightBorder = hit == HTRIGHT || hit == HTTOPRIGHT || hit == HTBOTTOMRIGHT;
    const bool rightOfMain = own.left >= other.right - 1;
    const bool leftOfMain = own.right <= other.left + 1;
    if ((side == 1 || side == 2) && ((rightOfMain && leftBorder) || (leftOfMain && rightBorder))) {
        SendMessageW(main, WM_NCLBUTTONDBLCLK, rightOfMain ? HTRIGHT : HTLEFT, 0);
        return 1;
    }
    if (side != 1) return 0;
    RECT rc = own;
    const bool sideBySide = rightOfMain || leftOfMain;
    if (sideBySide && hit >= HTTOP && hit <= HTTOPRIGHT) rc.top = other.top;
    if (sideBySide && hit >= HTBOTTOM) rc.bottom = other.bottom;
    if (!sideBySide && leftBorder) rc.left = other.left;
    if (!sideBySide && rightBorder) rc.right = other.right;
    if (EqualRect(&rc, &own)) return 1;
    m_SetWindowPos(hwnd, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                   SWP_NOZORDER | SWP_NOACTIVATE, -1, 0);
    POINT cursor = {};
    if (GetCursorPos(&cursor))
        SetCursorPos(cursor.x + (leftBorder ? rc.left - own.left : rc.right - own.right),
                     cursor.y + (hit >= HTBOTTOM ? rc.bottom - own.bottom : rc.top - own.top));
    return 1;
}

}  // namespace

int m_PlWnd_OnNcLButtonDblClk(CPlaylist& p, WPARAM hit, LPARAM)
{
    if (hit == HTCAPTION) {
        if (!g_Settings.Common_DClkHide) return 0;
        m_ShowPlayListWnd(0, 0);
        return 1;
    }
    if (hit < HTLEFT || hit > HTBOTTOMRIGHT) return 0;
    return m_BorderDoubleClick(p, (int)hit);
}
