#include "app/DpiChange.h"

#include <algorithm>

#include "app/ButtonSkin.h"
#include "app/Layout.h"

#include "app/MainWindow.h"
#include "app/MainWindowLookFonts.h"
#include "app/PlaylistDock.h"
#include "app/PlaylistFollow.h"
#include "app/PopupMenu.h"
#include "app/Startup.h"
#include "app/WindowPlacement.h"
#include "base/Dpi.h"
#include "base/Geometry.h"
#include "base/MonitorArea.h"
#include "base/UiLook.h"
#include "playlist/Playlist.h"
#include "settings/Settings.h"

namespace {

POINT s_LastPointer;
RECT s_LastWindow;
// Raised after a DPI change without snapping: the next move follows the
// pointer's travel since the change.
int s_DpiMove;
POINT s_PointerAtChange;
SIZE s_LastMoveSize;

double m_Fraction(LONG at, LONG lo, LONG hi)
{
    return hi > lo ? (double)(at - lo) / (hi - lo) : 0.5;
}

int m_OverlapX(const RECT& a, const RECT& b) { return a.left < b.right && b.left < a.right; }
int m_OverlapY(const RECT& a, const RECT& b) { return a.top < b.bottom && b.top < a.bottom; }

// ---- the main window's layout ----

// The video area: the client area above the control panel, its margins
// and the panel's height. The panel is sized for the old DPI; its rows
// scale with the DPI.
void m_ReadLayout(SDPICHANGE* in)
{
    RECT client = {}, panel = {};
    GetClientRect(g_hWndMain, &client);
    HWND control = GetDlgItem(g_hWndMain, IDC_CONTROL_PANEL);
    if (control && IsWindowVisible(control)) GetWindowRect(control, &panel);
    int panelHeight = panel.bottom - panel.top;
    in->nVideoWidth = client.right - client.left;
    in->dAspect = g_VideoAspect;
    in->nControlHeight = m_ScaleValue(panelHeight, in->nNewPercent, in->nOldPercent, 0);
}

// After the resize: the video is fitted again to its new area.
void m_RefitVideo() { m_Layout_RefitVideo(); }

// ---- steps ----

void m_RememberNow()
{
    POINT pt;
    RECT rc;
    if (GetCursorPos(&pt) && m_GetWindowRect(g_hWndMain, &rc, -1)) m_DpiChange_Remember(pt, &rc);
}

void m_FillInput(SDPICHANGE* in, int newPercent, const RECT* suggested)
{
    in->nOldPercent = g_DpiPercent;
    in->nNewPercent = newPercent;
    m_ReadLayout(in);
    m_GetDpiFrameMargins(&in->rcFrame, newPercent);
    in->ptLast = s_LastPointer;
    in->rcLast = s_LastWindow;
    GetCursorPos(&in->ptNow);
    in->rcSuggested = *suggested;
    POINT centre = m_RectCenter(suggested);
    m_GetMonitorWorkArea(&in->rcMonitorNew, &centre, 0);
    RECT old;
    if (!m_GetWindowRect(g_hWndMain, &old, -1)) old = *suggested;
    in->rcNow = old;
    centre = m_RectCenter(&old);
    m_GetMonitorWorkArea(&in->rcMonitorOld, &centre, 0);
}

// A docked playlist window already on a monitor of the new DPI is docked
// again, so that it takes its size at that DPI.
void m_RedockPlaylist(int wasDocked, int side)
{
    HWND playlist = g_Playlist.m_GetWindow();
    if (!wasDocked || !playlist || m_GetWindowDpiPercent(playlist) != g_DpiPercent) return;
    if (m_Dock_PlacePlaylist(side, 1, nullptr)) m_Dock_Update();
}

}  // namespace

void m_CalcDpiChange(const SDPICHANGE* in, RECT* window, POINT* pointer)
{
    double aspect = in->dAspect > 0 ? in->dAspect : 16.0 / 9.0;
    int videoW = m_ScaleValue(in->nVideoWidth, in->nNewPercent, in->nOldPercent, 0);
    // The control area is added once, to the window: the video height is
    // the video's alone.
    int videoH = m_RoundByMode(videoW / aspect, 0);
    int w = in->rcFrame.left + in->rcFrame.right + videoW;
    int h = in->rcFrame.top + in->rcFrame.bottom + videoH + in->nControlHeight;
    double fx = m_Fraction(in->ptLast.x, in->rcLast.left, in->rcLast.right);
    double fy = m_Fraction(in->ptLast.y, in->rcLast.top, in->rcLast.bottom);
    POINT pt = in->ptNow;
    // A change not brought by dragging (the display scale set elsewhere)
    // finds the pointer away from the window: following it would throw the
    // window off screen, so the window keeps its centre instead and the
    // pointer is left alone.
    const int away = !IsRectEmpty(&in->rcNow) && !PtInRect(&in->rcNow, in->ptNow);
    if (away) {
        pt = m_RectCenter(&in->rcNow);
        fx = fy = 0.5;
    }
    int x = pt.x - m_RoundByMode(w * fx, 0);
    int y = pt.y - m_RoundByMode(h * fy, 0);
    POINT centre = m_RectCenter(&in->rcSuggested);
    if (!m_OverlapX(in->rcMonitorNew, in->rcMonitorOld)) {
        x = centre.x - m_RoundByMode(w / 2.0, 0);
        pt.x = x + m_RoundByMode(w * fx, 0);
    }
    if (!m_OverlapY(in->rcMonitorNew, in->rcMonitorOld)) {
        y = centre.y - m_RoundByMode(h / 2.0, 0);
        pt.y = y + m_RoundByMode(h * fy, 0);
    }
    if (away) {
        // Nothing holds the window where it is: keep its caption reachable.
        x = std::max(std::min(x, (int)in->rcMonitorNew.right - w), (int)in->rcMonitorNew.left);
        y = std::max(std::min(y, (int)in->rcMonitorNew.bottom - h), (int)in->rcMonitorNew.top);
    }
    *window = RECT{x, y, x + w, y + h};
    *pointer = away ? in->ptNow : pt;
}

void m_OnDpiChanged(int newDpi, const RECT* suggested)
{
    if (!g_InitDone || !suggested || !g_hWndMain) return;
    int percent = m_RoundByMode(newDpi * 100.0 / 96.0, 0);
    if (percent == g_DpiPercent || percent <= 0) return;
    // The dock state holds from before the move that brought the change.
    int wasDocked = g_PlaylistDock == 2, side = g_PlaylistDockSide;
    if (IsRectEmpty(&s_LastWindow)) m_RememberNow();

    SDPICHANGE in = {};
    m_FillInput(&in, percent, suggested);
    g_DpiPercent = percent;
    RECT rc;
    POINT pt;
    m_CalcDpiChange(&in, &rc, &pt);
    m_SetWindowPos(g_hWndMain, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                   SWP_NOZORDER | SWP_NOACTIVATE, -1, 0);
    SetCursorPos(pt.x, pt.y);
    m_RefitVideo();

    m_DpiChange_Remember(pt, &rc);
    if (!g_Settings.Common_Snap[0]) {
        s_DpiMove = 1;
        s_PointerAtChange = pt;
    }
    m_RedockPlaylist(wasDocked, side);
    m_ApplyDpi(g_DpiPercent);
}

void m_ApplyDpi(int percent)
{
    g_DpiPercent = percent == -1 ? m_GetWindowDpiPercent(g_hWndMain) : percent;
    m_LoadButtonSkin();
    m_ApplyOsdFont(1);
    // The launcher screen and the jump-list view draw nothing of their own
    // yet, so they have nothing to rescale here.
    RedrawWindow(g_hWndMain, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    m_PopupMenu_SetScale(g_DpiPercent);
}

void m_DpiChange_Remember(POINT pointer, const RECT* window)
{
    s_LastPointer = pointer;
    s_LastWindow = *window;
}

int m_DpiChange_IsMoving() { return s_DpiMove; }

void m_OnMainWindowMoved()
{
    RECT rc;
    if (!GetWindowRect(g_hWndMain, &rc)) return;
    SIZE size = {rc.right - rc.left, rc.bottom - rc.top};
    int sizeKept = size.cx == s_LastMoveSize.cx && size.cy == s_LastMoveSize.cy;
    s_LastMoveSize = size;
    if (!sizeKept) return;
    if (s_DpiMove) {
        s_DpiMove = 0;
        POINT pt;
        if (GetCursorPos(&pt) && (pt.x != s_PointerAtChange.x || pt.y != s_PointerAtChange.y)) {
            SetWindowPos(g_hWndMain, nullptr, rc.left + pt.x - s_PointerAtChange.x,
                         rc.top + pt.y - s_PointerAtChange.y, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    if (g_DockingMove && m_GetWindowRect(g_hWndMain, &rc, -1)) {
        m_PlaylistWnd_FollowMain(&rc);
        m_PlaylistWnd_CheckDpiOverlap();
    }
}
