// The handle at the inline seek bar's end: dragging it sets the bar's width,
// and the buttons that no longer fit beside it are held back ([Main]
// "HdBtn", counted by the layout while the drag runs).
#include "app/Layout.h"
#include "app/MainTimers.h"
#include "app/MainWindow.h"
#include "app/PointerInput.h"

int m_HandleDrag_Width(int startWidth, int dx)
{
    const int width = startWidth - dx;
    return width > 0 ? width : 0;
}

void m_Mouse_BeginHandleDrag()
{
    g_Mouse.bHandleDrag = 1;
    g_Mouse.nHandleStartWidth = m_GetInlineSeekWidth();
    g_SeekUserWidth = g_Mouse.nHandleStartWidth;
    SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
}

void m_Mouse_HandleDragMove(POINT screen)
{
    g_SeekEdgeDragging = 1;
    g_SeekUserWidth = m_HandleDrag_Width(g_Mouse.nHandleStartWidth, screen.x - g_Mouse.ptPress.x);
    SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
    m_LayoutControlBar(-1);
}

// The row is laid out again once the drag has settled (timer 28), with the
// held-back count the drag left.
void m_Mouse_EndHandleDrag()
{
    const int moved = g_SeekEdgeDragging;
    g_Mouse.bHandleDrag = 0;
    g_SeekEdgeDragging = 0;
    if (moved && g_hWndMain) SetTimer(g_hWndMain, kTimerBottomPanel, 100, nullptr);
}
