// Zooming inside a fixed area: full screen or a maximised main window. The
// window keeps its size; the video is fitted to the area or zoomed about
// the pointer inside it.
#include <math.h>

#include "app/FullScreenState.h"
#include "app/Layout.h"
#include "app/LayoutAnchor.h"
#include "app/MainWindow.h"
#include "app/PlaylistDock.h"
#include "app/WindowSize.h"
#include "base/Geometry.h"
#include "playback/PlaybackControl.h"
#include "playlist/Playlist.h"
#include "settings/Settings.h"
#include "settings/SettingsMain.h"

namespace {

int m_HasVideo() { return g_PlayState != 0 && g_VideoSize.cx > 0 && g_VideoSize.cy > 0; }

int m_FullScreenShown() { return g_FullScreen && g_hWndFullScreen; }

}  // namespace

void m_GetVideoPlaceArea(int fullScreen, RECT* out)
{
    const int fs = fullScreen < 0 ? m_FullScreenShown() : (fullScreen && m_FullScreenShown());
    if (fs) {
        // The full-screen window covers its rectangle; the video may use all of it.
        const RECT full = m_FullScreen_GetRect();
        *out = RECT{0, 0, full.right - full.left, full.bottom - full.top};
        return;
    }
    RECT margins;
    m_GetVideoArea(out);
    m_GetFrameMargins(&margins);
    m_InflateRectLTRB(out, -margins.left, -margins.top, -margins.right, -margins.bottom);
    if (out->right < out->left) out->right = out->left;
    if (out->bottom < out->top) out->bottom = out->top;
}

double m_GetActiveZoom() { return g_FullScreen ? g_FullScreenZoom : g_WindowZoom; }

int m_InFixedArea() { return m_FullScreenShown() || (g_hWndMain && IsZoomed(g_hWndMain)); }

double m_CalcFitZoom(int fullScreen, int relayout, int fitMode)
{
    const int fs = fullScreen < 0 ? m_FullScreenShown() : (fullScreen && m_FullScreenShown());
    double& zoom = fs ? g_FullScreenZoom : g_WindowZoom;
    if (!m_HasVideo()) return zoom;
    if (fitMode < 0) fitMode = g_Settings.Fullscr_Clip2;
    RECT area;
    m_GetVideoPlaceArea(fs, &area);
    const SIZE room = {area.right - area.left, area.bottom - area.top};
    if (room.cx <= 0 || room.cy <= 0) return zoom;
    double factor = m_CalcFitFactor(g_VideoSize, room, fitMode);
    // A maximised window that would show the video larger at FIT than now
    // fits rather than fills.
    if (!fs && fitMode != 0 && IsZoomed(g_hWndMain)) {
        const double fit = m_CalcFitFactor(g_VideoSize, room, 0);
        if (fit > zoom) factor = fit;
    }
    zoom = factor;
    if (relayout) m_UpdateZoomReferences(fs);
    return factor;
}

void m_SetZoomMode(int fullScreen, int relayout, int fitMode)
{
    const int fs = fullScreen < 0 ? m_FullScreenShown() : (fullScreen && m_FullScreenShown());
    m_CalcFitZoom(fs, relayout, fitMode);
    g_VideoOffset = POINT{65535, 65535};
    m_ApplyVideoRect(fs, 0);
    m_InvalidateVideoWnd(fs, 0);
}

void m_ZoomAtPoint(int w, int h)
{
    if (!m_HasVideo() || w <= 0 || h <= 0) return;
    const int fs = m_FullScreenShown();
    HWND host = fs ? g_hWndFullScreen : g_hWndMain;
    RECT area;
    m_GetVideoPlaceArea(fs, &area);
    const LONG aw = area.right - area.left, ah = area.bottom - area.top;
    RECT now = m_GetPlacedVideoRect();
    if (IsRectEmpty(&now)) {
        const LONG vw = m_RoundByMode(g_VideoSize.cx * m_GetActiveZoom(), 0);
        const LONG vh = m_RoundByMode(g_VideoSize.cy * m_GetActiveZoom(), 0);
        m_RectFromXYWH(area.left + (aw - vw) / 2, area.top + (ah - vh) / 2, vw, vh, &now);
    }
    // The pointer in the area; outside it the area's centre stands in.
    POINT pt = {area.left + aw / 2, area.top + ah / 2};
    POINT cursor;
    if (GetCursorPos(&cursor) && ScreenToClient(host, &cursor) && PtInRect(&area, cursor))
        pt = cursor;
    g_VideoOffset.x =
        m_ZoomOffsetAxis(now.left - area.left, now.right - now.left, w, pt.x - area.left, aw);
    g_VideoOffset.y =
        m_ZoomOffsetAxis(now.top - area.top, now.bottom - now.top, h, pt.y - area.top, ah);
    (fs ? g_FullScreenZoom : g_WindowZoom) = (double)w / g_VideoSize.cx;
    m_ApplyVideoRect(fs, 1);
}

void m_SetMaximized(int state)
{
    g_MainWindowState.bMaximized = state ? 1 : 0;
    g_ResizeAnchor.bValid = 0;
    if (!g_FullScreen || g_FullScreenOtherMonitor) {
        // Maximised: the video fills the area as the clip mode says;
        // restored: it fits the window's own video area again.
        m_SetZoomMode(0, 0, state ? -1 : 0);
    }
    m_UpdateZoomReferences(-1);
    HWND panel = m_GetControlPanel();
    if (panel) InvalidateRect(panel, nullptr, FALSE);
    if (g_hWndMain && !g_FullScreen) SetFocus(g_hWndMain);
}

void m_InvalidateVideoWnd(int fullScreenHost, int update)
{
    HWND host = fullScreenHost && m_FullScreenShown() ? g_hWndFullScreen : g_hWndMain;
    if (!host) return;
    if (host == g_hWndFullScreen) {
        InvalidateRect(host, nullptr, FALSE);
    } else {
        RECT area;
        m_GetVideoArea(&area);
        InvalidateRect(host, &area, FALSE);
    }
    if (update) UpdateWindow(host);
}

void m_ResizeVideoArea()
{
    if (!g_hWndMain) return;
    RECT before;
    m_GetVideoPlaceArea(0, &before);
    m_ResizeVideoAreaFrom(before);
}

void m_ResizeVideoAreaFrom(const RECT& before)
{
    if (!g_hWndMain) return;
    m_RelayoutPanels();
    m_LayoutClientArea(-1, -1);
    if (!IsZoomed(g_hWndMain) && !IsIconic(g_hWndMain)) {
        const int flags =
            g_ResizeAnchor.bValid ? g_ResizeAnchor.nFlags : m_SetResizeAnchor(ANCHOR_AUTO, 0);
        m_ResizeForVideo(before.right - before.left, before.bottom - before.top, flags, 1);
    }
    if (m_HasVideo() && m_InFixedArea()) m_SetZoomMode(-1, 1, -1);
}

int m_VideoWindow_SetHost(HWND host, int show)
{
    if (!g_VideoWindow || !host) return 0;
    // Hidden while it changes parents, so that no frame lands in between.
    const int wasVisible = IsWindowVisible(g_VideoWindow);
    if (wasVisible) ShowWindow(g_VideoWindow, SW_HIDE);
    if (GetParent(g_VideoWindow) != host) SetParent(g_VideoWindow, host);
    m_ForgetVisibleVideoPart();
    if (show && wasVisible) ShowWindow(g_VideoWindow, SW_SHOWNA);
    return wasVisible;
}

namespace {
HWND s_HiddenFollower;
int s_FullScreenHidden;
}  // namespace

void m_HideFollowersWhileMinimised(int minimised)
{
    if (minimised) {
        // The full-screen window is owned by a window of its own and a
        // docked playlist by none: neither goes with the main window.
        if (g_hWndFullScreen && IsWindowVisible(g_hWndFullScreen)) {
            ShowWindow(g_hWndFullScreen, SW_HIDE);
            s_FullScreenHidden = 1;
        }
        HWND playlist = g_Playlist.m_GetWindow();
        if (g_PlaylistDock == 2 && playlist && IsWindowVisible(playlist)) {
            ShowWindow(playlist, SW_HIDE);
            s_HiddenFollower = playlist;
        }
        return;
    }
    if (s_FullScreenHidden && g_FullScreen && g_hWndFullScreen)
        ShowWindow(g_hWndFullScreen, SW_SHOWNA);
    s_FullScreenHidden = 0;
    if (s_HiddenFollower && IsWindow(s_HiddenFollower)) ShowWindow(s_HiddenFollower, SW_SHOWNA);
    s_HiddenFollower = nullptr;
}
