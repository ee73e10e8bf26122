// Whether the video is shown full screen, and its window.
#pragma once
#include <windows.h>

extern int g_FullScreen;
extern HWND g_hWndFullScreen;
