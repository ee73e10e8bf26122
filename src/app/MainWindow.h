// The main window of the player.
#pragma once
#include <windows.h>

// Handle of the main window; null until it is created.
extern HWND g_hWndMain;
