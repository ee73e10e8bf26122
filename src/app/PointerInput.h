// Mouse, key, touch and pointer handling of the main and full-screen
// windows, and the main window's painter.
#pragma once
#include <windows.h>

#include "app/MouseCodes.h"

// The handler's state between messages; one press at a time.
struct SMOUSESTATE {
    int bLeftDown;
    int bRightDown;
    int bRightClick;   // the right press has not moved past the threshold
    int bClickValid;   // until timer 5 fires
    int bRocker;       // a rocker code ran during this press
    int bDragPending;  // a left drag would move the window
    int bMoving;       // the program moves the window
    int bPanPending;   // a left drag would pan the video
    int bPanning;
    POINT ptPanOrigin;  // the video's offset at the pan's start
    int bPausedForPan;
    int bHandleDrag;       // the press took the handle at the seek bar's end
    int nHandleStartWidth;  // the inline seek bar's width at that press
    int bMoved;         // the press went past the threshold
    int nPressArea;
    int nRightArea;
    HWND hWndPress;
    POINT ptPress;  // screen
    POINT ptRightPress;
    POINT ptDragPress;   // of the button whose drags are armed
    int bCaptionPress;   // the press began on the caption
    RECT rcPressWindow;  // visible rectangle at the press
    HMONITOR hPressMonitor;
    // A middle or side button press and the drags armed by it.
    int nButtonCode;
    int nButtonHold;
    int nSeekArmed;    // the button value of [Seek] "Drg", 0 none
    int nResizeArmed;  // the button value of [Common] "DrgSize", 0 none
    int bSeekRunning;
    int nSeekLevel;
    int nSeekStep;
    int nSeekInterval;
    int bPausedForDrag;
    int bResizeRunning;
    int bResizeFullScreen;
    double dResizeStartZoom;
    double dResizeZoom;
    SWHEELSTATE Wheel;
    POINT ptLastMove;
    int bHaveLastMove;
    int bInside;  // the pointer is in the main window's client area
};
extern SMOUSESTATE g_Mouse;

LRESULT m_OnMouseMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT m_OnKeyMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT m_OnGestureMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// WM_CAPTURECHANGED: a capture taken away ends every press state as its
// release would.
void m_OnCaptureChanged(HWND hwnd, HWND newCapture);
// Installs on the video child window the forwarding of its mouse (client
// points mapped to the host) and key messages to the window that hosts it
// (the full-screen window while full screen is on); its painting stays.
BOOL m_VideoWnd_InstallInput(HWND video);
// A mouse message's lParam as another window sees it: client points are
// mapped into to's client area; the wheels' screen points pass unchanged.
LPARAM m_MapMouseLParam(HWND from, HWND to, UINT msg, LPARAM lParam);
// Ticks of the pointer's main-window timers: the hide delay (3, already
// killed), the hover (4) and the delayed click (5).
void m_CursorHide_OnTimer();
void m_OnHoverTimer();
void m_OnClickDelayTimer();
// Timer 4: start arms it with [Common] "DlyFcsTm" for the areas of mask
// while the pointer lies over the video (the control area in full screen);
// stop kills it and clears the mask's bits.
void m_SetHoverTimer(int start, int mask);
int m_GetHoverAreas();
// WM_ACTIVATE of the main window: activated from another of the program's
// windows with the pointer over the video, hover waits for timer 4.
void m_Hover_OnMainActivate(HWND other, int state);
// Moves the pointer by (dx, dy) and back after 50 ms, so that the window
// under it sees a move.
void m_NudgePointer(int dx, int dy);
// Re-arms hiding the pointer over the video (show: the arrow comes back).
void m_ResetCursorHide(int show = 1);
// Stops the hide delay and shows the pointer when it was hidden.
void m_RestoreCursor();
int m_IsCursorHidden();

// The area under a point of a window's client area.
int m_GetPointerArea(HWND hwnd, POINT client);
// Where a window moved by the pointer goes: the rectangle at the press
// shifted by the pointer's travel, pulled back into bounds (soft, when
// given) and snapped to g_SnapTargets when snap is set.
RECT m_DragMoveRect(const RECT* start, POINT press, POINT now, const RECT* bounds, int snap);

// A window rectangle whose video area (of size area) takes the ratio after
// a double click on a sizing border (HT code): side borders set the width
// from the height, top and bottom the height from the width, a corner
// shrinks the dimension too large (nothing within 0.005); the opposite
// edge or corner stays.
RECT m_BorderRatioRect(const RECT* window, SIZE area, int hit, double ratio);

// The drag-seek cursor for a signed level at a DPI percent; the same one
// until the level or the DPI changes (it stays owned here).
HCURSOR m_GetDragSeekCursor(int level, int dpiPercent);
// The drag-resize cursor at a DPI percent, rebuilt when the DPI changes.
HCURSOR m_GetDragResizeCursor(int dpiPercent);

// The zoom a drag-resize gives: the displayed height (video height x start
// zoom) changed by dy (upward positive), at least 1 pixel; less than 3 px
// keeps the start zoom.
double m_DragResize_Zoom(int videoHeight, double startZoom, int dy, int limitHeight = 0);
// The displayed height of a drag-resize: h0 changed by dy, at least 1;
// beyond limit (when above 0) each further pixel counts h / limit times.
int m_DragResize_Height(int h0, int dy, int limit);
// The inline seek bar's width while its end handle is dragged: the start
// width less the pointer's rightward travel, not below 0.
int m_HandleDrag_Width(int startWidth, int dx);

// ---- between the pointer files ----
void m_Mouse_ResizeMove(POINT screen);
void m_Mouse_BeginPan();
// A pan ends: playback paused for it goes on.
void m_Mouse_EndPan();
void m_Mouse_PanMove(POINT screen);
void m_Mouse_EndResize();
void m_Mouse_OnBorderDoubleClick(HWND hwnd, int hit);
void m_Mouse_OnLeftDown(HWND hwnd, POINT screen);
void m_Mouse_OnLeftUp(HWND hwnd, POINT screen);
void m_Mouse_OnLeftDoubleClick(HWND hwnd, POINT screen);
void m_Mouse_OnRightDown(HWND hwnd, POINT screen);
void m_Mouse_OnRightUp(HWND hwnd, POINT screen);
void m_Mouse_OnButtonDown(HWND hwnd, UINT msg, WPARAM wParam, POINT screen);
void m_Mouse_OnButtonUp(HWND hwnd, UINT msg, WPARAM wParam, POINT screen);
void m_Mouse_OnMove(HWND hwnd, WPARAM keys, POINT screen);
void m_Mouse_OnWheel(HWND hwnd, int delta, POINT screen);
LRESULT m_Mouse_OnCaption(HWND hwnd, UINT msg, WPARAM hit, LPARAM lParam);
// Ends a window move, a pan and the armed drags; the buttons count as up.
void m_Mouse_EndAll();
// The left drag begins once the pointer is past the threshold.
void m_Mouse_BeginLeftDrag(HWND hwnd, POINT screen);
void m_Mouse_EndMove();
void m_Mouse_EndButtonDrags();
void m_Mouse_DragSeekMove(HWND hwnd, POINT screen);
void m_Mouse_BeginHandleDrag();
void m_Mouse_HandleDragMove(POINT screen);
void m_Mouse_EndHandleDrag();
// The area a pan or drag-resize works in: the full-screen rectangle in full
// screen, else the video area less the frame margins (client points).
RECT m_Mouse_VideoArea();
