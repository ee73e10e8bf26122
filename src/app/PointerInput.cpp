#include "app/PointerInput.h"

#include "app/FullScreenState.h"
#include "app/Layout.h"
#include "app/LayoutSnap.h"
#include "app/MainTimers.h"
#include "app/MainWindow.h"
#include "commands/CommandHandlers.h"
#include "controls/Statusbar.h"
#include "playback/PlaybackControl.h"
#include "settings/Settings.h"

SMOUSESTATE g_Mouse;

namespace {

POINT m_ScreenPoint(HWND hwnd, UINT msg, LPARAM lParam)
{
    POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    const int screenCoords = (msg >= WM_NCMOUSEMOVE && msg <= WM_NCXBUTTONDBLCLK) ||
                             msg == WM_MOUSEWHEEL || msg == WM_MOUSEHWHEEL ||
                             msg == WM_NCMOUSEHOVER || msg == WM_NCMOUSELEAVE;
    if (!screenCoords) ClientToScreen(hwnd, &pt);
    return pt;
}

int m_StatusArea(HWND bar, POINT screen)
{
    RECT rc;
    if (!bar || !IsWindowVisible(bar) || !GetWindowRect(bar, &rc) || !PtInRect(&rc, screen))
        return 0;
    // The right-hand zone holds the time pane.
    return screen.x >= rc.right - (rc.right - rc.left) / 3 ? POINTERAREA_STATUS_RIGHT
                                                           : POINTERAREA_STATUS;
}

void m_OnMouseLeave(HWND hwnd)
{
    if (hwnd == g_hWndMain) g_Mouse.bInside = 0;
    m_ResetCursorHide(1);
}

}  // namespace

int m_GetPointerArea(HWND hwnd, POINT client)
{
    const int video = g_PlayState != 0 ? POINTERAREA_VIDEO : POINTERAREA_VIDEO_EMPTY;
    POINT screen = client;
    ClientToScreen(hwnd, &screen);
    RECT grip;
    if (m_GetSeekGripRect(&grip) && PtInRect(&grip, screen)) return POINTERAREA_SEEK_HANDLE;
    if (hwnd && hwnd == g_hWndFullScreen) {
        const int status = m_StatusArea(g_FullScreenStatusBar.m_GetHwnd(), screen);
        return status ? status : video;
    }
    const int status = m_StatusArea(g_StatusBar.m_GetHwnd(), screen);
    if (status) return status;
    RECT area;
    m_GetVideoArea(&area);
    return PtInRect(&area, client) ? video : POINTERAREA_NONE;
}

RECT m_DragMoveRect(const RECT* start, POINT press, POINT now, const RECT* bounds, int snap)
{
    RECT rc = *start;
    OffsetRect(&rc, now.x - press.x, now.y - press.y);
    if (bounds) m_SoftLimitRect(&rc, bounds);
    if (snap) m_SnapWindowRect(&rc, 1, HTCAPTION, -1);
    return rc;
}

LRESULT m_OnMouseMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    const POINT screen = m_ScreenPoint(hwnd, msg, lParam);
    switch (msg) {
        case WM_MOUSEMOVE:
            m_Mouse_OnMove(hwnd, wParam, screen);
            return 0;
        case WM_NCMOUSEMOVE:
            m_Mouse_OnMove(hwnd, 0, screen);
            break;
        case WM_LBUTTONDOWN:
            m_Mouse_OnLeftDown(hwnd, screen);
            return 0;
        case WM_LBUTTONUP:
            m_Mouse_OnLeftUp(hwnd, screen);
            return 0;
        case WM_LBUTTONDBLCLK:
            m_Mouse_OnLeftDoubleClick(hwnd, screen);
            return 0;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            m_Mouse_OnRightDown(hwnd, screen);
            return 0;
        case WM_RBUTTONUP:
            m_Mouse_OnRightUp(hwnd, screen);
            return 0;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
        case WM_XBUTTONDOWN:
        case WM_XBUTTONDBLCLK:
            m_Mouse_OnButtonDown(hwnd, msg, wParam, screen);
            return msg >= WM_XBUTTONDOWN ? TRUE : 0;
        case WM_MBUTTONUP:
        case WM_XBUTTONUP:
            m_Mouse_OnButtonUp(hwnd, msg, wParam, screen);
            return msg == WM_XBUTTONUP ? TRUE : 0;
        case WM_MOUSEWHEEL:
            m_Mouse_OnWheel(hwnd, GET_WHEEL_DELTA_WPARAM(wParam), screen);
            return 0;
        case WM_MOUSEHWHEEL:
            m_Bind_ExecByMouse(
                GET_WHEEL_DELTA_WPARAM(wParam) > 0 ? MOUSECODE_TILT_RIGHT : MOUSECODE_TILT_LEFT,
                HOLDKEY_NONE);
            return 0;
        case WM_MOUSELEAVE:
            m_OnMouseLeave(hwnd);
            return 0;
        case WM_NCLBUTTONDOWN:
        case WM_NCLBUTTONDBLCLK:
            return m_Mouse_OnCaption(hwnd, msg, wParam, lParam);
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

void m_OnCaptureChanged(HWND hwnd, HWND newCapture)
{
    if (newCapture == hwnd) return;
    if (g_Mouse.hWndPress && g_Mouse.hWndPress != hwnd) return;
    m_Mouse_EndAll();
}

// The click is no longer valid. A press that has not started anything
// forgets its pending drag; a drag under way runs on to its release.
void m_OnClickDelayTimer()
{
    KillTimer(g_hWndMain, kTimerClickDelay);
    g_Mouse.bClickValid = 0;
    if (!g_Mouse.bMoving) g_Mouse.bDragPending = 0;
    if (!g_Mouse.bPanning) g_Mouse.bPanPending = 0;
    const int held = g_Mouse.bMoving || g_Mouse.bPanning || g_Mouse.bHandleDrag;
    if (!held) g_Mouse.bLeftDown = 0;
    if (!g_Mouse.bSeekRunning) g_Mouse.bRightDown = 0;
    if (g_Settings.Common_DlyFcs[0]) m_NudgePointer(-1, -1);
}
