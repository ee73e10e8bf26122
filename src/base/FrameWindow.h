// The window that owns new dialogs, message boxes and popups.
#pragma once
#include <windows.h>

// The full-screen window while full screen is on, else the main window.
HWND m_GetCurrentFrameWindow();
