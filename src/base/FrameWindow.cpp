#include "base/FrameWindow.h"

#include "app/MainWindow.h"

// Kept by the full-screen code.
extern int g_FullScreen;
extern HWND g_hWndFullScreen;

HWND m_GetCurrentFrameWindow() { return g_FullScreen ? g_hWndFullScreen : g_hWndMain; }
