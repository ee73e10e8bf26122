#include "app/Layout.h"
#include "app/LayoutAnchor.h"
#include "app/LayoutSnap.h"
#include "app/MainWindow.h"
#include "app/WindowSize.h"
#include "base/UiLook.h"
#include "playback/PlaybackControl.h"
#include "settings/SettingsMain.h"

int m_GripCodeForEdge(UINT edge)
{
    // Corners follow the width, edges their own side.
    switch (edge) {
        case WMSZ_LEFT:
            return 21;
        case WMSZ_RIGHT:
            return 22;
        case WMSZ_TOP:
            return 23;
        case WMSZ_BOTTOM:
            return 24;
        case WMSZ_TOPLEFT:
            return 15;
        case WMSZ_TOPRIGHT:
            return 17;
        case WMSZ_BOTTOMLEFT:
            return 16;
        case WMSZ_BOTTOMRIGHT:
            return 18;
        default:
            return 0;
    }
}

void m_Layout_OnSize(UINT type, int cx, int cy)
{
    if (type == SIZE_MINIMIZED) return;
    m_SetControlBarMode(0);
    g_MainWindowState.bMaximized = type == SIZE_MAXIMIZED;
    m_LayoutClientArea(cx, cy);
}

void m_Layout_GetMinMaxInfo(MINMAXINFO* info)
{
    POINT least;
    m_GetMinTrackSize(&least);
    if (least.x > info->ptMinTrackSize.x) info->ptMinTrackSize.x = least.x;
    if (least.y > info->ptMinTrackSize.y) info->ptMinTrackSize.y = least.y;
}

int m_Layout_AspectSizingApplies()
{
    return g_Settings.Common_RatHld && g_PlayState != 0 && g_VideoSize.cx > 0 && g_VideoSize.cy > 0;
}

void m_Layout_OnSizing(UINT edge, RECT* rc)
{
    m_AdjustRectForBorder(rc, 1, 0, -1);
    if (m_Layout_AspectSizingApplies()) {
        m_ConstrainSizingRect(m_GripCodeForEdge(edge), rc);
    } else if (g_Settings.Common_Snap[0]) {
        m_BuildSnapTargets(g_hWndMain, 0);
        m_SnapWindowRect(rc, 0, (int)edge + HTLEFT - WMSZ_LEFT, -1);
    }
    m_AdjustRectForBorder(rc, 0, 0, -1);
}

void m_Layout_OnExitSizeMove() { m_KeepMainWindowOnScreen(); }

void m_Layout_RefitVideo()
{
    m_LayoutClientArea(-1, -1);
    m_ApplyVideoRect(-1, 1);
}
