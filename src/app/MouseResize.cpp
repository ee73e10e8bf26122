// Drag-resizing and panning the video: vertical travel of the assigned
// button changes the displayed height, which becomes the window's (or full
// screen's) zoom at the release; a left drag over a video larger than its
// area moves it.
#include <math.h>

#include "app/FullScreenState.h"
#include "app/Layout.h"
#include "app/MainTimers.h"
#include "app/MainWindow.h"
#include "app/PointerInput.h"
#include "app/WindowSize.h"
#include "base/Dpi.h"
#include "base/UiLook.h"
#include "playback/PlaybackControl.h"
#include "playback/PlaybackEvents.h"
#include "playback/PlayPause.h"
#include "settings/Settings.h"

namespace {

int m_HasVideoSize() { return g_PlayState != 0 && g_VideoSize.cx > 0 && g_VideoSize.cy > 0; }

}  // namespace

int m_DragResize_Height(int h0, int dy, int limit)
{
    int h = h0 + dy > 1 ? h0 + dy : 1;
    if (limit <= 0 || h <= limit) return h;
    // Past the limit the excess grows or shrinks with the height over it.
    const double excess = static_cast<double>(h - limit) * h / limit;
    return limit + static_cast<int>(lround(excess));
}

double m_DragResize_Zoom(int videoHeight, double startZoom, int dy, int limitHeight)
{
    if (videoHeight <= 0) return startZoom;
    const int h0 = static_cast<int>(lround(videoHeight * startZoom));
    if (abs(dy) < 3) return startZoom;
    return static_cast<double>(m_DragResize_Height(h0, dy, limitHeight)) / videoHeight;
}

RECT m_Mouse_VideoArea()
{
    RECT area = {};
    if (g_FullScreen && g_hWndFullScreen) {
        const RECT full = m_FullScreen_GetRect();
        area = RECT{0, 0, full.right - full.left, full.bottom - full.top};
        if (IsRectEmpty(&area)) GetClientRect(g_hWndFullScreen, &area);
        return area;
    }
    RECT margins;
    m_GetVideoArea(&area);
    m_GetFrameMargins(&margins);
    area.left += margins.left;
    area.top += margins.top;
    area.right -= margins.right;
    area.bottom -= margins.bottom;
    return area;
}

namespace {

// The displayed height a drag-resize grows freely up to: the full-screen
// area, else the work area less the window's frame; none with "Ovr".
int m_ResizeLimitHeight()
{
    if (g_Settings.Fullscr_Ovr) return 0;
    if (g_Mouse.bResizeFullScreen) {
        const RECT area = m_Mouse_VideoArea();
        return area.bottom - area.top;
    }
    RECT work;
    POINT at = g_Mouse.ptDragPress;
    if (!m_GetMonitorRect(&work, &at, 0)) return 0;
    const int h = work.bottom - work.top - m_GetFrameExtraHeight();
    return h > 0 ? h : 0;
}

HWND m_ResizeHost() { return g_FullScreen && g_hWndFullScreen ? g_hWndFullScreen : g_hWndMain; }

}  // namespace

void m_Mouse_BeginResize()
{
    g_Mouse.bResizeFullScreen = g_FullScreen;
    g_Mouse.dResizeStartZoom = g_FullScreen ? g_FullScreenZoom : g_WindowZoom;
    g_Mouse.dResizeZoom = g_Mouse.dResizeStartZoom;
    // The size text follows once the pointer rests.
    if (g_hWndMain) SetTimer(g_hWndMain, kTimerSizeMessage, 250, nullptr);
}

void m_Mouse_ResizeMove(POINT screen)
{
    if (!m_HasVideoSize()) return;
    if (!g_Mouse.bResizeRunning) {
        g_Mouse.bResizeRunning = 1;
        m_Mouse_BeginResize();
    }
    // Upward travel makes the video taller.
    const int dy = g_Mouse.ptDragPress.y - screen.y;
    g_Mouse.dResizeZoom =
        m_DragResize_Zoom(g_VideoSize.cy, g_Mouse.dResizeStartZoom, dy, m_ResizeLimitHeight());
    HCURSOR cursor = m_GetDragResizeCursor(m_GetWindowDpiPercent(m_ResizeHost()));
    SetCursor(cursor ? cursor : LoadCursorW(nullptr, IDC_SIZENS));
}

void m_Mouse_EndResize()
{
    if (!g_Mouse.bResizeRunning) return;
    g_Mouse.bResizeRunning = 0;
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    if (!m_HasVideoSize() || fabs(g_Mouse.dResizeZoom - g_Mouse.dResizeStartZoom) <= 0.001) {
        m_ApplyVideoRect(g_Mouse.bResizeFullScreen, 1);
        return;
    }
    g_VideoOffset = POINT{0xFFFF, 0xFFFF};
    if (g_Mouse.bResizeFullScreen) {
        g_FullScreenZoom = g_Mouse.dResizeZoom;
        m_ApplyVideoRect(1, 1);
    } else {
        m_SetWindowSize(3, static_cast<int>(lround(g_VideoSize.cy * g_Mouse.dResizeZoom)), 0, 0);
    }
}

// A pan starts from the video's present offset in its area (a centred video
// gets the offset that centres it).
void m_Mouse_BeginPan()
{
    const RECT area = m_Mouse_VideoArea();
    const double zoom = g_FullScreen ? g_FullScreenZoom : g_WindowZoom;
    const int aw = area.right - area.left;
    const int ah = area.bottom - area.top;
    const int vw = static_cast<int>(lround(g_VideoSize.cx * zoom));
    const int vh = static_cast<int>(lround(g_VideoSize.cy * zoom));
    g_Mouse.ptPanOrigin.x = g_VideoOffset.x == 0xFFFF ? (aw - vw) / 2 : g_VideoOffset.x;
    g_Mouse.ptPanOrigin.y = g_VideoOffset.y == 0xFFFF ? (ah - vh) / 2 : g_VideoOffset.y;
    // With pause while sizing on, playing video holds still for the pan.
    if (g_Settings.Common_SzPau && m_IsPlaying()) {
        m_Pause();
        g_Mouse.bPausedForPan = 1;
    }
}

void m_Mouse_EndPan()
{
    g_Mouse.bPanning = 0;
    // m_Pause only pauses: playback held for the pan goes on by play/pause.
    if (g_Mouse.bPausedForPan && m_IsNotPlaying()) m_PlayPause(-1);
    g_Mouse.bPausedForPan = 0;
}

void m_Mouse_PanMove(POINT screen)
{
    if (!m_HasVideoSize()) return;
    g_VideoOffset.x = g_Mouse.ptPanOrigin.x + screen.x - g_Mouse.ptPress.x;
    g_VideoOffset.y = g_Mouse.ptPanOrigin.y + screen.y - g_Mouse.ptPress.y;
    m_ApplyVideoRect(g_FullScreen, 1);
}
