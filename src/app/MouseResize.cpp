// Drag-resizing and panning the video: vertical travel of the assigned
// button changes the displayed height, which becomes the window's (or full
// screen's) zoom at the release; a left drag over a video larger than its
// area moves it.
#include <math.h>

#include "app/FullScreenState.h"
#include "app/Layout.h"
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

// A pan starts from the video's present offset in its area (a centred video
// gets the offset that centres it).
void m_Mouse_BeginPan()
{
    RECT area, margins;
    m_GetVideoArea(&area);
    m_GetFrameMargins(&margins);
    const double zoom = g_FullScreen ? g_FullScreenZoom : g_WindowZoom;
    const int aw = area.right - area.left - margins.left - margins.right;
    const int ah = area.bottom - area.top - margins.top - margins.bottom;
    const int vw = static_cast<int>(lround(g_VideoSize.cx * zoom));
    const int vh = static_cast<int>(lround(g_VideoSize.cy * zoom));
    g_Mouse.ptPanOrigin.x = g_VideoOffset.x == 0xFFFF ? (aw - vw) / 2 : g_VideoOffset.x;
    g_Mouse.ptPanOrigin.y = g_VideoOffset.y == 0xFFFF ? (ah - vh) / 2 : g_VideoOffset.y;
}

void m_Mouse_PanMove(POINT screen)
{
    if (!m_HasVideoSize()) return;
    g_VideoOffset.x = g_Mouse.ptPanOrigin.x + screen.x - g_Mouse.ptPress.x;
    g_VideoOffset.y = g_Mouse.ptPanOrigin.y + screen.y - g_Mouse.ptPress.y;
    m_ApplyVideoRect(g_FullScreen, 1);
}
