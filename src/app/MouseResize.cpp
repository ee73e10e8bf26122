// Drag-resizing the video: vertical travel of the assigned button changes
// the displayed height, which becomes the window's (or full screen's) zoom
// at the release.
#include <math.h>

#include "app/FullScreenState.h"
#include "app/PointerInput.h"
#include "app/WindowSize.h"
#include "playback/PlaybackControl.h"

namespace {

int m_HasVideoSize() { return g_PlayState != 0 && g_VideoSize.cx > 0 && g_VideoSize.cy > 0; }

}  // namespace

double m_DragResize_Zoom(int videoHeight, double startZoom, int dy)
{
    if (videoHeight <= 0) return startZoom;
    const int h0 = static_cast<int>(lround(videoHeight * startZoom));
    if (abs(dy) < 3) return startZoom;
    const int h = h0 + dy > 1 ? h0 + dy : 1;
    return static_cast<double>(h) / videoHeight;
}

void m_Mouse_BeginResize()
{
    g_Mouse.bResizeFullScreen = g_FullScreen;
    g_Mouse.dResizeStartZoom = g_FullScreen ? g_FullScreenZoom : g_WindowZoom;
    g_Mouse.dResizeZoom = g_Mouse.dResizeStartZoom;
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
    g_Mouse.dResizeZoom = m_DragResize_Zoom(g_VideoSize.cy, g_Mouse.dResizeStartZoom, dy);
    SetCursor(LoadCursorW(nullptr, IDC_SIZENS));
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
