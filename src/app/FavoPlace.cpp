#include "app/FavoPlace.h"

#include "app/FullScreenState.h"
#include "app/Layout.h"
#include "app/MainWindow.h"
#include "app/PlaylistDock.h"
#include "app/Startup.h"
#include "app/ToolWindowPlacement.h"
#include "base/Geometry.h"
#include "base/MonitorArea.h"
#include "base/UiLook.h"
#include "library/Library.h"
#include "settings/Settings.h"
#include "settings/SettingsMain.h"

namespace {

// Not scaled by the DPI.
constexpr int kGap = 8;
constexpr int kLeastRoom = 240;

}  // namespace

RECT m_CalcFavoRect(const SFAVOPLACEIN* in)
{
    int w = in->nWidth > 0 ? in->nWidth : kLeastRoom, h = in->nHeight;
    if (in->bFullScreen) return m_CornerRectInArea(&in->rcFullScreen, w, h, kGap, in->nPanelHeight);
    if (in->bMaximized) return m_CornerRectInArea(&in->rcVideoArea, w, h, kGap, 0);
    const RECT& main = in->rcMain;
    const int room = in->rcWork.right - main.right - in->nMargin - in->nDock;
    RECT rc;
    if (room >= (w < kLeastRoom ? w : kLeastRoom)) {
        if (w > room) w = room;
        m_RectFromXYWH(main.right + in->nDock, main.top, w, h, &rc);
        return rc;
    }
    m_RectFromXYWH(main.left - in->nDock - w, main.top, w, h, &rc);
    // No room on the left either: against the work area's right edge.
    if (rc.left < in->rcWork.left) m_RectFromXYWH(in->rcWork.right - w, main.top, w, h, &rc);
    return rc;
}

void m_PlaceFavoWindow()
{
    HWND favo = m_Favorite_GetWindow();
    if (!favo || !g_hWndMain) return;
    SFAVOPLACEIN in = {};
    in.nWidth = g_FavoPlacement.nWidth;
    WINDOWPLACEMENT wp = {sizeof(wp)};
    if (GetWindowPlacement(g_hWndMain, &wp))
        in.nHeight = wp.rcNormalPosition.bottom - wp.rcNormalPosition.top;
    in.bFullScreen = g_FullScreen && !g_FullScreenOtherMonitor;
    in.rcFullScreen = m_FullScreen_GetRect();
    in.nPanelHeight = m_GetControlBarHeight();
    in.bMaximized = IsZoomed(g_hWndMain);
    RECT area;
    m_GetVideoArea(&area);
    MapWindowPoints(g_hWndMain, nullptr, reinterpret_cast<POINT*>(&area), 2);
    in.rcVideoArea = area;
    m_GetWindowRect(g_hWndMain, &in.rcMain, -1);
    m_GetWindowMonitorWorkArea(&in.rcWork, g_hWndMain, 1);
    in.nDock = m_Dock_Distance(g_DpiPercent);
    in.nMargin = m_ScaleValue(g_Settings.Common_Snap[0], g_DpiPercent, 200, 0);
    const RECT rc = m_CalcFavoRect(&in);
    // Brought to the front without staying topmost.
    SetWindowPos(favo, HWND_TOPMOST, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                 SWP_NOACTIVATE);
    SetWindowPos(favo, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}
