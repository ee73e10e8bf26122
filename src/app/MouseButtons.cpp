// Presses and releases of the mouse buttons: clicks, double clicks, rocker
// gestures, the context menus and the drags the buttons arm.
#include "app/FullScreenState.h"
#include "app/Layout.h"
#include "app/LayoutSnap.h"
#include "app/MainTimers.h"
#include "app/MainWindow.h"
#include "app/PointerInput.h"
#include "base/UiLook.h"
#include "commands/CommandHandlers.h"
#include "playback/PlaybackControl.h"
#include "settings/Settings.h"

namespace {

int m_IsVideo(int area) { return area == POINTERAREA_VIDEO || area == POINTERAREA_VIDEO_EMPTY; }

int m_AreaAt(HWND hwnd, POINT screen)
{
    POINT client = screen;
    ScreenToClient(hwnd, &client);
    return m_GetPointerArea(hwnd, client);
}

int m_AnyDragRunning()
{
    return g_Mouse.bMoving || g_Mouse.bPanning || g_Mouse.bSeekRunning || g_Mouse.bResizeRunning;
}

int m_AnyButtonDown()
{
    return g_Mouse.bLeftDown || g_Mouse.bRightDown || g_Mouse.nButtonCode || g_Mouse.nSeekArmed ||
           g_Mouse.nResizeArmed;
}

// The click counts until timer 5 fires; without a period it always counts.
void m_ArmClickTimer()
{
    g_Mouse.bClickValid = 1;
    if (g_Settings.Common_DlyClkTm > 0 && g_hWndMain)
        SetTimer(g_hWndMain, kTimerClickDelay, static_cast<UINT>(g_Settings.Common_DlyClkTm),
                 nullptr);
}

void m_ReleaseIfIdle()
{
    if (!m_AnyButtonDown() && !m_AnyDragRunning() && GetCapture()) ReleaseCapture();
}

// Drags a button value arms: drag-seek needs an open file.
void m_ArmButtonDrags(int value, POINT screen)
{
    if (g_Settings.Seek_Drg == value && g_PlayState != 0) g_Mouse.nSeekArmed = value;
    if (g_Settings.Common_DrgSize == value && g_PlayState != 0) g_Mouse.nResizeArmed = value;
    if (g_Mouse.nSeekArmed || g_Mouse.nResizeArmed) g_Mouse.ptDragPress = screen;
}

void m_PrepareLeftDrag(HWND hwnd, int area, int caption)
{
    const int plainWindow = hwnd == g_hWndMain && !IsZoomed(hwnd) && !g_FullScreen;
    if (plainWindow && (g_Settings.Common_Drag || caption)) {
        g_Mouse.bDragPending = m_GetWindowRect(hwnd, &g_Mouse.rcPressWindow, -1);
        g_Mouse.hPressMonitor = MonitorFromPoint(g_Mouse.ptPress, MONITOR_DEFAULTTONEAREST);
    } else if (!plainWindow && area == POINTERAREA_VIDEO) {
        g_Mouse.bPanPending = 1;
    }
}

}  // namespace

void m_Mouse_OnLeftDown(HWND hwnd, POINT screen)
{
    SetCapture(hwnd);
    g_Mouse.bLeftDown = 1;
    g_Mouse.bMoved = 0;
    g_Mouse.hWndPress = hwnd;
    g_Mouse.ptPress = screen;
    m_ResetCursorHide(1);
    m_ArmClickTimer();
    const int caption = g_Mouse.bCaptionPress;
    g_Mouse.bCaptionPress = 0;
    if (g_Mouse.bRightDown && !m_AnyDragRunning()) {
        // The gesture replaces the drags the right press armed.
        g_Mouse.bRocker = 1;
        if (g_Mouse.nSeekArmed == HOLDKEY_RIGHT) g_Mouse.nSeekArmed = 0;
        if (g_Mouse.nResizeArmed == HOLDKEY_RIGHT) g_Mouse.nResizeArmed = 0;
        m_Bind_ExecByMouse(MOUSECODE_ROCKER_LEFT, HOLDKEY_LEFT);
        return;
    }
    g_Mouse.nPressArea = m_AreaAt(hwnd, screen);
    switch (g_Mouse.nPressArea) {
        case POINTERAREA_SEEK_HANDLE:
            m_Mouse_BeginHandleDrag();
            return;
        case POINTERAREA_STATUS:
        case POINTERAREA_STATUS_RIGHT:
            return;
    }
    m_PrepareLeftDrag(hwnd, g_Mouse.nPressArea, caption);
}

void m_Mouse_OnLeftUp(HWND hwnd, POINT screen)
{
    const int wasDown = g_Mouse.bLeftDown, moved = g_Mouse.bMoved, rocker = g_Mouse.bRocker;
    const int click = wasDown && g_Mouse.bClickValid && !moved && !rocker;
    if (g_Mouse.bMoving) m_Mouse_EndMove();
    if (g_Mouse.bHandleDrag) m_Mouse_EndHandleDrag();
    if (g_Mouse.bPanning) m_Mouse_EndPan();
    g_Mouse.bLeftDown = g_Mouse.bDragPending = g_Mouse.bPanPending = g_Mouse.bPanning = 0;
    g_Mouse.bMoved = 0;
    if (!g_Mouse.bRightDown) g_Mouse.bRocker = 0;
    m_ReleaseIfIdle();
    if (rocker) {
        m_StopContinuousSeekFor(HOLDKEY_LEFT);
        m_StopContinuousSeekFor(HOLDKEY_RIGHT);
    } else if (click && m_AreaAt(hwnd, screen) == POINTERAREA_VIDEO) {
        m_Bind_ExecByMouse(MOUSECODE_CLICK, HOLDKEY_NONE);
    }
}

void m_Mouse_OnLeftDoubleClick(HWND hwnd, POINT screen)
{
    if (g_Mouse.bRightDown || g_Mouse.bRocker) return;
    if (!m_IsVideo(m_AreaAt(hwnd, screen))) return;
    m_Bind_ExecByMouse(MOUSECODE_DOUBLE_CLICK, HOLDKEY_NONE);
}

void m_Mouse_OnRightDown(HWND hwnd, POINT screen)
{
    SetCapture(hwnd);
    g_Mouse.bRightDown = 1;
    g_Mouse.bRightClick = 1;
    g_Mouse.hWndPress = hwnd;
    g_Mouse.ptRightPress = screen;
    m_ArmClickTimer();
    g_Mouse.nRightArea = m_AreaAt(hwnd, screen);
    if (g_Mouse.bLeftDown && !m_AnyDragRunning()) {
        g_Mouse.bRocker = 1;
        g_Mouse.bDragPending = g_Mouse.bPanPending = 0;
        m_Bind_ExecByMouse(MOUSECODE_ROCKER_RIGHT, HOLDKEY_RIGHT);
        return;
    }
    m_ArmButtonDrags(HOLDKEY_RIGHT, screen);
}

void m_Mouse_OnRightUp(HWND hwnd, POINT screen)
{
    const int click = g_Mouse.bRightDown && g_Mouse.bRightClick && g_Mouse.bClickValid;
    const int rocker = g_Mouse.bRocker, pressArea = g_Mouse.nRightArea;
    g_Mouse.bRightDown = g_Mouse.bRightClick = 0;
    if (g_Mouse.nSeekArmed == HOLDKEY_RIGHT || g_Mouse.nResizeArmed == HOLDKEY_RIGHT)
        m_Mouse_EndButtonDrags();
    if (!g_Mouse.bLeftDown) g_Mouse.bRocker = 0;
    m_ReleaseIfIdle();
    if (rocker) {
        m_StopContinuousSeekFor(HOLDKEY_LEFT);
        m_StopContinuousSeekFor(HOLDKEY_RIGHT);
        return;
    }
    const int area = m_AreaAt(hwnd, screen);
    if (!click || area != pressArea) return;
    if (m_IsVideo(area))
        m_ShowMainContextMenu(screen);
    else if (area == POINTERAREA_STATUS && g_FullScreen)
        m_ShowPopupMenuById(2374, m_MenuPointAtCursor(screen));
    else if (area == POINTERAREA_STATUS_RIGHT)
        m_ShowPopupMenuById(2342, m_MenuPointAtCursor(screen));
}

void m_Mouse_OnButtonDown(HWND hwnd, UINT msg, WPARAM wParam, POINT screen)
{
    const SMOUSEBUTTON button = m_GetMouseButton(msg, wParam);
    if (!button.nCode) return;
    SetCapture(hwnd);
    g_Mouse.hWndPress = hwnd;
    g_Mouse.nButtonCode = button.nCode;
    g_Mouse.nButtonHold = button.nHoldKey;
    m_ArmButtonDrags(button.nHoldKey, screen);
    if (g_Mouse.nSeekArmed || g_Mouse.nResizeArmed) return;
    if (button.nCode == MOUSECODE_MIDDLE) {
        if (m_IsVideo(m_AreaAt(hwnd, screen))) m_Bind_ExecByMouse(button.nCode, button.nHoldKey);
    } else if (m_Bind_MouseSeekKind(button.nCode)) {
        m_Bind_ExecByMouse(button.nCode, button.nHoldKey);
    }
}

void m_Mouse_OnButtonUp(HWND, UINT msg, WPARAM wParam, POINT)
{
    const SMOUSEBUTTON button = m_GetMouseButton(msg, wParam);
    if (!button.nCode) return;
    const int armed =
        g_Mouse.nSeekArmed == button.nHoldKey || g_Mouse.nResizeArmed == button.nHoldKey;
    const int dragged = armed && (g_Mouse.bSeekRunning || g_Mouse.bResizeRunning);
    if (armed) m_Mouse_EndButtonDrags();
    if (g_Mouse.nButtonCode == button.nCode) g_Mouse.nButtonCode = g_Mouse.nButtonHold = 0;
    m_ReleaseIfIdle();
    int runNow;
    if (button.nCode == MOUSECODE_MIDDLE)
        runNow = armed && !dragged;
    else
        runNow = !dragged && !m_Bind_MouseSeekKind(button.nCode);
    if (runNow)
        m_Bind_ExecByMouse(button.nCode, HOLDKEY_NONE);
    else
        m_StopContinuousSeekFor(button.nHoldKey);
}

void m_Mouse_EndAll()
{
    if (g_Mouse.bMoving) m_Mouse_EndMove();
    if (g_Mouse.bHandleDrag) m_Mouse_EndHandleDrag();
    if (g_Mouse.bPanning) m_Mouse_EndPan();
    m_Mouse_EndButtonDrags();
    if (g_Mouse.bRocker) {
        m_StopContinuousSeekFor(HOLDKEY_LEFT);
        m_StopContinuousSeekFor(HOLDKEY_RIGHT);
    }
    if (g_Mouse.nButtonHold) m_StopContinuousSeekFor(g_Mouse.nButtonHold);
    g_Mouse.bLeftDown = g_Mouse.bRightDown = g_Mouse.bRightClick = g_Mouse.bRocker = 0;
    g_Mouse.bDragPending = g_Mouse.bPanPending = g_Mouse.bPanning = g_Mouse.bMoved = 0;
    g_Mouse.nButtonCode = g_Mouse.nButtonHold = 0;
    g_Mouse.bCaptionPress = 0;
    g_Mouse.hWndPress = nullptr;
}

LRESULT m_Mouse_OnCaption(HWND hwnd, UINT msg, WPARAM hit, LPARAM lParam)
{
    if (msg == WM_NCLBUTTONDBLCLK) {
        if (hit == HTCAPTION && !IsZoomed(hwnd) &&
            m_Bind_ExecByMouse(MOUSECODE_CAPTION_DOUBLE_CLICK, HOLDKEY_NONE))
            return 0;
        if (hit >= HTLEFT && hit <= HTBOTTOMRIGHT) {
            m_Mouse_OnBorderDoubleClick(hwnd, static_cast<int>(hit));
            return 0;
        }
        return DefWindowProcW(hwnd, msg, hit, lParam);
    }
    if (hit == HTCAPTION && hwnd == g_hWndMain) {
        m_SetControlBarMode(0);
        if (g_Settings.Common_Snap[0]) {
            // The program moves the window itself so that it snaps.
            POINT client = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            ScreenToClient(hwnd, &client);
            SetForegroundWindow(hwnd);
            g_Mouse.bCaptionPress = 1;
            PostMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.x, client.y));
            return 0;
        }
    } else if (hit >= HTLEFT && hit <= HTBOTTOMRIGHT) {
        m_BuildSnapTargets(hwnd, 1);
    }
    return DefWindowProcW(hwnd, msg, hit, lParam);
}
