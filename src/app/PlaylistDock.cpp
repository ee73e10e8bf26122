#include "app/PlaylistDock.h"

#include "app/FullScreenState.h"
#include "app/Layout.h"
#include "app/MainWindow.h"
#include "app/Startup.h"
#include "app/ToolWindowPlacement.h"
#include "base/Dpi.h"
#include "base/Geometry.h"
#include "base/UiLook.h"
#include "playlist/Playlist.h"
#include "settings/Settings.h"

int g_PlaylistDock;
int g_PlaylistDockSide;
int g_DockingMove;

int m_SideOfRect(const RECT* main, const RECT* rc)
{
    POINT c = m_RectCenter(rc);
    if (c.x < main->left) return 1;
    if (c.x > main->right) return 3;
    if (c.y < main->top) return 2;
    if (c.y > main->bottom) return 4;
    return 0;
}

int m_GetSideOfMainWindow(HWND window)
{
    RECT main, rc;
    if (!window || !g_hWndMain) return 0;
    if (!m_GetWindowRect(g_hWndMain, &main, -1) || !m_GetWindowRect(window, &rc, -1)) return 0;
    return m_SideOfRect(&main, &rc);
}

int m_Dock_Distance(int dpiPercent)
{
    // A docking distance of -1 takes the margin.
    int d = g_Settings.Common_Snap[3] == -1 ? g_Settings.Common_Snap[2] : g_Settings.Common_Snap[3];
    int scaled = m_ScaleValue(d, dpiPercent, 200, 0);
    return scaled > 0 ? scaled : 0;
}

RECT m_DockRectBeside(const RECT* main, int w, int h, int side, int distance)
{
    RECT rc;
    int mw = main->right - main->left, mh = main->bottom - main->top;
    switch (side) {
        case 1:
            m_RectFromXYWH(main->left - distance - w, main->top, w, mh, &rc);
            break;
        case 2:
            m_RectFromXYWH(main->left, main->top - distance - h, mw, h, &rc);
            break;
        case 4:
            m_RectFromXYWH(main->left, main->bottom + distance, mw, h, &rc);
            break;
        default:
            m_RectFromXYWH(main->right + distance, main->top, w, mh, &rc);
            break;
    }
    return rc;
}

void m_Dock_Update()
{
    HWND playlist = g_Playlist.m_GetWindow();
    RECT main, rc;
    g_PlaylistDock = g_PlaylistDockSide = 0;
    if (!playlist || !IsWindowVisible(playlist) || !g_PlaylistView.bAttach) return;
    if (!m_GetWindowRect(g_hWndMain, &main, -1) || !m_GetWindowRect(playlist, &rc, -1)) return;
    g_PlaylistDock = m_GetDockSide(&main, &rc, m_Dock_Distance(g_DpiPercent));
    g_PlaylistDockSide = m_SideOfRect(&main, &rc);
}

namespace {

int m_Opposite(int side) { return side == 1 ? 3 : side == 3 ? 1 : side == 2 ? 4 : 2; }

// 1 when rc crosses the edge of work that its side faces.
int m_LeavesArea(const RECT& rc, int side, const RECT* work)
{
    switch (side) {
        case 1:
            return rc.left < work->left;
        case 2:
            return rc.top < work->top;
        case 4:
            return rc.bottom > work->bottom;
        default:
            return rc.right > work->right;
    }
}

void m_PushInside(RECT* rc, const RECT* work)
{
    int dx = 0, dy = 0;
    if (rc->right > work->right) dx = work->right - rc->right;
    if (rc->left + dx < work->left) dx = work->left - rc->left;
    if (rc->bottom > work->bottom) dy = work->bottom - rc->bottom;
    if (rc->top + dy < work->top) dy = work->top - rc->top;
    OffsetRect(rc, dx, dy);
}

}  // namespace

RECT m_DockRectInArea(const RECT* main, int w, int h, int side, int distance, const RECT* work,
                      int keepSide, int* sideOut)
{
    if (side < 1 || side > 4) side = 3;
    RECT rc = m_DockRectBeside(main, w, h, side, distance);
    if (work && m_LeavesArea(rc, side, work)) {
        RECT flipped = m_DockRectBeside(main, w, h, m_Opposite(side), distance);
        if (!keepSide && !m_LeavesArea(flipped, m_Opposite(side), work)) {
            side = m_Opposite(side);
            rc = flipped;
        } else {
            m_PushInside(&rc, work);
        }
    }
    if (sideOut) *sideOut = side;
    return rc;
}

RECT m_CornerRectInArea(const RECT* area, int w, int h, int gap, int bottomInset)
{
    const int room = area->bottom - area->top - 2 * gap - bottomInset;
    if (h > room) h = room > 0 ? room : 0;
    RECT rc;
    m_RectFromXYWH(area->right - gap - w, area->bottom - gap - bottomInset - h, w, h, &rc);
    return rc;
}

void m_Dock_OnEnterSizeMove()
{
    m_Dock_Update();
    g_DockingMove = g_PlaylistDock == 2;
}

void m_Dock_OnExitSizeMove() { g_DockingMove = 0; }

namespace {

// The stored size, else the window's own, taken from the playlist window's
// DPI to the main window's.
SIZE m_PlaylistSizeAtMainDpi(HWND playlist)
{
    RECT rc;
    if (!m_GetWindowRect(playlist, &rc, -1)) SetRectEmpty(&rc);
    const SPLACEMENT& pos = g_PlaylistView.Pos;
    if (pos.nWidth > 0) rc.right = rc.left + pos.nWidth;
    if (pos.nHeight > 0) rc.bottom = rc.top + pos.nHeight;
    int own = m_GetWindowDpiPercent(playlist);
    if (own != g_DpiPercent) m_ScaleWindowRectForDpi(&rc, own, g_DpiPercent);
    return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

}  // namespace

namespace {

// A place inside a host area (full screen or a maximised window's video
// area) instead of docking; 0 when neither applies.
int m_PlaceInHost(SIZE size, int gap, RECT* rc)
{
    RECT area;
    int bottomInset = 0;
    if (g_FullScreen && !g_FullScreenOtherMonitor && g_hWndFullScreen) {
        area = m_FullScreen_GetRect();
        bottomInset = m_GetControlBarHeight();
    } else if (IsZoomed(g_hWndMain)) {
        m_GetVideoArea(&area);
        MapWindowPoints(g_hWndMain, nullptr, reinterpret_cast<POINT*>(&area), 2);
    } else {
        return 0;
    }
    if (IsRectEmpty(&area)) return 0;
    *rc = m_CornerRectInArea(&area, size.cx, size.cy, gap, bottomInset);
    return 1;
}

}  // namespace

int m_Dock_PlacePlaylist(int side, int keepSide, RECT* out)
{
    HWND playlist = g_Playlist.m_GetWindow();
    RECT main;
    if (!playlist || !m_GetWindowRect(g_hWndMain, &main, -1)) return 0;
    const SIZE size = m_PlaylistSizeAtMainDpi(playlist);
    const int gap = m_ScaleValue(8, g_DpiPercent, 100, 0);
    RECT rc, work;
    int docked = 0;
    if (!m_PlaceInHost(size, gap, &rc)) {
        const POINT centre = m_RectCenter(&main);
        const int haveWork = m_GetMonitorRect(&work, &centre, 0);
        rc = m_DockRectInArea(&main, size.cx, size.cy, side, m_Dock_Distance(g_DpiPercent),
                              haveWork ? &work : nullptr, keepSide, &side);
        docked = 1;
    }
    if (out) {
        *out = rc;
        return 1;
    }
    if (m_GetRectDpiPercent(rc) != g_DpiPercent) return 0;
    m_SetWindowPos(playlist, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                   SWP_NOZORDER | SWP_NOACTIVATE, -1, 0);
    g_PlaylistDock = docked ? 2 : 0;
    g_PlaylistDockSide = docked ? side : 0;
    return 1;
}
