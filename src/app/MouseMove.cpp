// Pointer moves: the window moved by the pointer with its snapping, the
// right press that stops being a click, and drag-seeking.
#include "app/FullScreenState.h"
#include "app/LayoutSnap.h"
#include "app/MainTimers.h"
#include "app/MainWindow.h"
#include "app/PlaylistDock.h"
#include "app/PlaylistFollow.h"
#include "app/PointerInput.h"
#include "base/Dpi.h"
#include "base/UiLook.h"
#include "base/WindowMisc.h"
#include "commands/CommandHandlers.h"
#include "playback/PlaybackEvents.h"
#include "playback/PlayPause.h"
#include "settings/Settings.h"

namespace {

int m_Threshold(HWND hwnd)
{
    return m_DragThreshold(g_Settings.Common_MouSens, m_GetWindowDpiPercent(hwnd));
}

int m_ShiftOrCtrlHeld() { return GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0; }

void m_MoveWindowTo(POINT screen)
{
    RECT bounds;
    const int soft = g_Settings.Common_Wall && g_Settings.Common_Loos && !m_ShiftOrCtrlHeld() &&
                     m_GetMonitorRect(&bounds, &screen, 0);
    RECT rc = m_DragMoveRect(&g_Mouse.rcPressWindow, g_Mouse.ptPress, screen,
                             soft ? &bounds : nullptr, g_Settings.Common_Snap[0]);
    m_SetWindowPos(g_hWndMain, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE, -1, 0);
    if (g_PlaylistDock == 2) {
        m_PlaylistWnd_FollowMain(&rc);
        m_PlaylistWnd_CheckDpiOverlap();
    }
}

// With both drags armed on one button the first clear movement picks one.
void m_PickArmedDrag(POINT screen, int threshold)
{
    if (!g_Mouse.nSeekArmed || !g_Mouse.nResizeArmed) return;
    const int dx = abs(screen.x - g_Mouse.ptDragPress.x),
              dy = abs(screen.y - g_Mouse.ptDragPress.y);
    if (dy > threshold && dy > 0.667 * dx)
        g_Mouse.nSeekArmed = 0;
    else if (dx > threshold)
        g_Mouse.nResizeArmed = 0;
}

}  // namespace

void m_Mouse_OnMove(HWND hwnd, WPARAM keys, POINT screen)
{
    if (hwnd == g_hWndMain && !g_Mouse.bInside) {
        g_Mouse.bInside = 1;
        m_TrackMouseLeave(hwnd);
    }
    if (g_Mouse.bHaveLastMove && g_Mouse.ptLastMove.x == screen.x &&
        g_Mouse.ptLastMove.y == screen.y)
        return;
    g_Mouse.ptLastMove = screen;
    g_Mouse.bHaveLastMove = 1;
    m_ResetCursorHide(1);
    // A release the window never saw (the button is up) ends the move.
    if (g_Mouse.bMoving && !(keys & MK_LBUTTON) && GetAsyncKeyState(VK_LBUTTON) >= 0) {
        m_Mouse_EndAll();
        return;
    }
    if (g_Mouse.bMoving) {
        m_MoveWindowTo(screen);
        return;
    }
    if (g_Mouse.bPanning) {
        m_Mouse_PanMove(screen);
        return;
    }
    const int threshold = m_Threshold(hwnd);
    if (g_Mouse.bHandleDrag) {
        if (!g_Mouse.bMoved && m_IsPastThreshold(g_Mouse.ptPress, screen, threshold))
            g_Mouse.bMoved = 1;
        if (g_Mouse.bMoved) m_Mouse_HandleDragMove(screen);
        return;
    }
    if (g_Mouse.bRightClick && m_IsPastThreshold(g_Mouse.ptRightPress, screen, threshold)) {
        g_Mouse.bRightClick = 0;
        KillTimer(g_hWndMain, kTimerClickDelay);
    }
    if (g_Mouse.bLeftDown && !g_Mouse.bMoved &&
        m_IsPastThreshold(g_Mouse.ptPress, screen, threshold)) {
        g_Mouse.bMoved = 1;
        m_Mouse_BeginLeftDrag(hwnd, screen);
    }
    m_PickArmedDrag(screen, threshold);
    if (g_Mouse.nSeekArmed) m_Mouse_DragSeekMove(hwnd, screen);
    if (g_Mouse.nResizeArmed && !g_Mouse.nSeekArmed &&
        (g_Mouse.bResizeRunning || m_IsPastThreshold(g_Mouse.ptDragPress, screen, threshold)))
        m_Mouse_ResizeMove(screen);
}

void m_Mouse_BeginLeftDrag(HWND hwnd, POINT screen)
{
    if (g_Mouse.bPanPending) {
        g_Mouse.bPanPending = 0;
        g_Mouse.bPanning = 1;
        m_Mouse_BeginPan();
        m_Mouse_PanMove(screen);
        return;
    }
    if (!g_Mouse.bDragPending) return;
    g_Mouse.bDragPending = 0;
    if (g_Settings.Common_Snap[0]) {
        m_Dock_Update();
        m_BuildSnapTargets(g_hWndMain, 1);
        g_Mouse.bMoving = 1;
        m_MoveWindowTo(screen);
        return;
    }
    // The system drags the window on from here; the travel up to the
    // threshold is made good first, as the system counts from the pointer.
    const RECT& rc = g_Mouse.rcPressWindow;
    m_SetWindowPos(hwnd, nullptr, rc.left + screen.x - g_Mouse.ptPress.x,
                   rc.top + screen.y - g_Mouse.ptPress.y, rc.right - rc.left, rc.bottom - rc.top,
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE, -1, 0);
    g_Mouse.bLeftDown = 0;
    ReleaseCapture();
    PostMessageW(hwnd, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(screen.x, screen.y));
}

void m_Mouse_EndMove()
{
    g_Mouse.bMoving = 0;
    const HMONITOR now = MonitorFromWindow(g_hWndMain, MONITOR_DEFAULTTONEAREST);
    if (now != g_Mouse.hPressMonitor && g_Settings.Common_Wall) m_FitWindowToWorkArea();
    m_PlaylistWnd_ShowAfterMove();
}

void m_Mouse_DragSeekMove(HWND hwnd, POINT screen)
{
    const int dx = screen.x - g_Mouse.ptDragPress.x;
    const int level = m_DragSeek_Level(dx);
    if (!level) return;
    int step, interval;
    m_DragSeek_Timing(level, dx, g_Settings.Seek_Key != 0, &step, &interval);
    if (g_Mouse.bSeekRunning && step == g_Mouse.nSeekStep && interval == g_Mouse.nSeekInterval)
        return;
    if (!g_Mouse.bSeekRunning && m_IsPlaying()) {
        m_Pause();
        g_Mouse.bPausedForDrag = 1;
    }
    g_Mouse.bSeekRunning = 1;
    g_Mouse.nSeekLevel = dx < 0 ? -level : level;
    g_Mouse.nSeekStep = step;
    g_Mouse.nSeekInterval = interval;
    HCURSOR cursor = m_GetDragSeekCursor(g_Mouse.nSeekLevel, m_GetWindowDpiPercent(hwnd));
    SetCursor(cursor ? cursor : LoadCursorW(nullptr, IDC_SIZEWE));
    m_StartContinuousSeek(step, g_Mouse.nSeekArmed, g_Settings.Seek_Key != 0, interval, interval,
                          0);
}

void m_Mouse_EndButtonDrags()
{
    m_Mouse_EndResize();
    if (g_Mouse.bSeekRunning) {
        m_StopContinuousSeekFor(g_Mouse.nSeekArmed);
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    }
    // Playback held for the drag goes on as it was.
    if (g_Mouse.bPausedForDrag && g_Settings.Seek_Pau && m_IsNotPlaying()) m_PlayPause(-1);
    g_Mouse.bPausedForDrag = 0;
    g_Mouse.bSeekRunning = 0;
    g_Mouse.nSeekArmed = g_Mouse.nResizeArmed = 0;
    g_Mouse.nSeekLevel = g_Mouse.nSeekStep = g_Mouse.nSeekInterval = 0;
}
