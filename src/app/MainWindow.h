// The main window of the player: its class, creation and look.
#pragma once
#include <windows.h>

// Child window ids of the main window.
enum {
    IDC_CONTROL_PANEL = 32869,
    IDC_BUTTON_PANEL = 32870,
    IDC_BUTTON_BAR = 32872,
};

extern HINSTANCE g_hInstance;
// Handle of the main window; null until it is created.
extern HWND g_hWndMain;

// Windows version index (6 Vista, 7, 8, 9 for 8.1, 10, 11) and GUI kind,
// detected at start-up; [Main] "Os" and "Gui" override them.
extern int g_OsVersion;
extern int g_GuiKind;

// Fills g_OsVersion and g_GuiKind from the system, unless the settings
// override them (values other than -1).
void m_DetectWindowsVersion(int osOverride, int guiOverride);

ATOM m_RegisterMainClass(HINSTANCE instance);

// Creates the main window ("ZENTAVIO") and its panels; FALSE when the window
// cannot be created.
BOOL m_CreateMainWindow(HINSTANCE instance);

LRESULT CALLBACK MainWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
