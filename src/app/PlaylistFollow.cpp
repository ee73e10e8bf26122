#include "app/PlaylistFollow.h"

#include <utility>

#include "app/MainWindow.h"
#include "app/PlaylistDock.h"
#include "app/Startup.h"
#include "base/Dpi.h"
#include "base/UiLook.h"
#include "playlist/Playlist.h"

namespace {

int s_HiddenForDpi;
int s_HiddenSide;  // the docked side when it was hidden

BOOL CALLBACK m_CollectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data)
{
    auto* list = reinterpret_cast<std::pair<SDPIMONITOR*, int>*>(data);
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    if (list->second >= kDpiMonitorCap) return FALSE;
    if (!GetMonitorInfoW(monitor, &info)) return TRUE;
    list->first[list->second++] = SDPIMONITOR{info.rcMonitor, m_GetMonitorDpiPercent(monitor)};
    return TRUE;
}

double m_Area(const RECT& rc) { return (double)(rc.right - rc.left) * (rc.bottom - rc.top); }

void m_ShowDocked(HWND playlist)
{
    s_HiddenForDpi = 0;
    m_Dock_PlacePlaylist(s_HiddenSide, 0, nullptr);
    ShowWindow(playlist, SW_SHOWNA);
}

}  // namespace

POINT m_DockedTopLeft(const RECT* main, int w, int h, int side, int gap)
{
    switch (side) {
        case 1:
            return POINT{main->left - w - gap, main->top};
        case 2:
            return POINT{main->left, main->top - h - gap};
        case 3:
            return POINT{main->right + gap, main->top};
        default:
            return POINT{main->left, main->bottom + gap};
    }
}

double m_OtherDpiShare(const RECT* rc, const SDPIMONITOR* monitors, int count, int dpiPercent)
{
    double area = m_Area(*rc), largest = 0;
    if (area <= 0) return 0;
    for (int i = 0; i < count; ++i) {
        RECT part;
        if (monitors[i].nDpiPercent == dpiPercent) continue;
        if (!IntersectRect(&part, rc, &monitors[i].rcMonitor)) continue;
        double share = m_Area(part) / area;
        if (share > largest) largest = share;
    }
    return largest;
}

int m_DpiOverlapAction(int hidden, int haveMonitors, double mainShare, double playlistShare)
{
    if (!hidden) return (mainShare > 0.25 || playlistShare > 0.25) ? 1 : 0;
    if (!haveMonitors || (mainShare < 0.20 && playlistShare < 0.20)) return 2;
    return 0;
}

int m_ListDpiMonitors(SDPIMONITOR* out)
{
    std::pair<SDPIMONITOR*, int> list(out, 0);
    EnumDisplayMonitors(nullptr, nullptr, m_CollectMonitor, reinterpret_cast<LPARAM>(&list));
    return list.second;
}

void m_PlaylistWnd_FollowMain(const RECT* main)
{
    HWND playlist = g_Playlist.m_GetWindow();
    RECT rc;
    if (!playlist || g_PlaylistDock != 2 || !IsWindowVisible(playlist)) return;
    if (g_PlaylistDockSide < 1 || g_PlaylistDockSide > 4) return;
    if (!m_GetWindowRect(playlist, &rc, -1)) return;
    int w = rc.right - rc.left, h = rc.bottom - rc.top;
    POINT at = m_DockedTopLeft(main, w, h, g_PlaylistDockSide, m_Dock_Distance(g_DpiPercent));
    RECT moved = {at.x, at.y, at.x + w, at.y + h};
    if (m_GetRectDpiPercent(moved) != g_DpiPercent) return;
    m_SetWindowPos(playlist, nullptr, at.x, at.y, w, h, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE,
                   -1, 0);
}

void m_PlaylistWnd_CheckDpiOverlap()
{
    HWND playlist = g_Playlist.m_GetWindow();
    RECT main, rc;
    if (!playlist || !m_GetWindowRect(g_hWndMain, &main, -1)) return;
    if (!m_GetWindowRect(playlist, &rc, -1)) return;
    if (!s_HiddenForDpi && (g_PlaylistDock != 2 || !IsWindowVisible(playlist))) return;
    SDPIMONITOR monitors[kDpiMonitorCap];
    int count = m_ListDpiMonitors(monitors);
    int action = m_DpiOverlapAction(s_HiddenForDpi, count > 0,
                                    m_OtherDpiShare(&main, monitors, count, g_DpiPercent),
                                    m_OtherDpiShare(&rc, monitors, count, g_DpiPercent));
    if (action == 1) {
        ShowWindow(playlist, SW_HIDE);
        s_HiddenForDpi = 1;
        s_HiddenSide = g_PlaylistDockSide;
    } else if (action == 2) {
        m_ShowDocked(playlist);
    }
}

void m_PlaylistWnd_ShowAfterMove()
{
    HWND playlist = g_Playlist.m_GetWindow();
    if (!s_HiddenForDpi) return;
    s_HiddenForDpi = 0;
    if (playlist) ShowWindow(playlist, SW_SHOWNA);
}
