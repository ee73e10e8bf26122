// Full screen: the video in a window of its own over one monitor, a span of
// monitors or all of them, with the main window's bottom panel and the
// status bar moved over it as fading overlays.
#pragma once
#include <windows.h>

extern int g_FullScreen;
extern HWND g_hWndFullScreen;
// The full-screen window is not on the main window's monitor.
extern int g_FullScreenOtherMonitor;
// More than one monitor is covered.
extern int g_FullScreenSpan;

// Where full screen goes for the asked numbers (1-based; first 0 the main
// window's monitor, -1 all, last above 0 a span).
struct SFULLSCREENPLACE {
    RECT rcFull;  // screen pixels
    RECT rcMain;  // the part holding the main window's monitor
    int bFound;   // the asked monitor exists
    int bOther;
    int bSpan;
};

// Chooses the rectangle from the monitor table. mainMonitor is the main
// window's 0-based monitor number. Without the asked monitor bFound is 0 and
// the main window's monitor is given.
void m_FullScreen_ChooseRect(int first, int last, int mainMonitor, SFULLSCREENPLACE* out);
// The on-screen text of a switch into buf: "FULL````SCREEN````:````" and the
// monitors, "OFF", or the not-found error.
void m_FullScreen_FormatMessage(wchar_t* buf, int cap, int on, int first, int last, int found);

// Creates the full-screen window and its overlays once; 1 when they exist.
int m_FullScreen_Create();
void m_FullScreen_Destroy();
// Puts the full-screen window (and its hidden owner) at HWND_TOPMOST or HWND_TOP.
void m_FullScreen_SetZOrder(HWND after);
// Puts the full-screen window and its overlays above the other windows
// again, in their band (topmost or not).
void m_FullScreen_Raise();
// The hidden owner of the full-screen window and of its overlays.
HWND m_FullScreen_GetOwner();
// The one switch (see the monitor numbers above). Mode 0 always switches;
// with 1 the monitors already in use do nothing, with 2 they switch off.
// 1 when done, 0 when refused.
int m_FullScreen_Set(int on, int first, int last, int showMessage, int redraw, int mode);
// Start-up: enters full screen as [Fullscr] "St" and [Main] "Wnd" ask.
void m_FullScreen_StartUp();

// The rectangles of the current full screen, empty when it is off.
RECT m_FullScreen_GetRect();
// Title strip at the top, control and status strips at the bottom.
RECT m_FullScreen_GetStrip(int which);
enum { FS_STRIP_TITLE, FS_STRIP_CONTROL, FS_STRIP_STATUS };
// The window hosting the video: the full-screen window while full screen is
// on and the jump-list view is not kept in the main window.
HWND m_GetVideoHostWindow();
// The main window was maximised (1) or restored (0): the zoom re-fitted,
// the video placed, the references recomputed.
void m_SetMaximized(int state);
// Invalidates the whole full-screen window or the main window's video area
// without erasing; updates when asked.
void m_InvalidateVideoWnd(int fullScreenHost, int update);
// The main window's bottom panel wherever it lives now.
HWND m_GetControlPanel();
// 1 while the bottom panel lives in the full-screen window.
int m_FullScreen_HasPanel();

// Controller bars mode: 0 off, 1 on, 2 auto (3 or more gives 0, a negative
// value 2). Creates the bars on first use and places them over the video.
void m_OSD_SetMode(int mode, int showMessage);
int m_OSD_NormaliseMode(int mode);
// Places the bars over the video while the mode is not 0.
void m_OSD_FollowVideo();
