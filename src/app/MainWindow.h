// The main window of the player.
#pragma once
#include <windows.h>

// Handle of the main window; null until it is created.
extern HWND g_hWndMain;

// Windows version index (6 Vista, 7, 8, 9 for 8.1, 10, 11) and GUI kind,
// detected at start-up; [Main] "Os" and "Gui" override them.
extern int g_OsVersion;
extern int g_GuiKind;
