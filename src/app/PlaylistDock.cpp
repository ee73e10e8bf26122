#include "app/PlaylistDock.h"

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

int m_Dock_PlacePlaylist(int side, int keepSide, RECT* out)
{
    (void)keepSide;
    HWND playlist = g_Playlist.m_GetWindow();
    RECT main;
    if (!playlist || !m_GetWindowRect(g_hWndMain, &main, -1)) return 0;
    SIZE size = m_PlaylistSizeAtMainDpi(playlist);
    RECT rc = m_DockRectBeside(&main, size.cx, size.cy, side, m_Dock_Distance(g_DpiPercent));
    if (out) {
        *out = rc;
        return 1;
    }
    if (m_GetRectDpiPercent(rc) != g_DpiPercent) return 0;
    m_SetWindowPos(playlist, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                   SWP_NOZORDER | SWP_NOACTIVATE, -1, 0);
    g_PlaylistDock = 2;
    g_PlaylistDockSide = (side >= 1 && side <= 4) ? side : 3;
    return 1;
}
