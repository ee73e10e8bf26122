// The main window of the player: its class, creation and look.
#pragma once
#include <windows.h>

#include "app/Layout.h"
#include "controls/ButtonPlus.h"

// Child window ids of the main window.
enum {
    IDC_CONTROL_PANEL = 32869,
    IDC_BUTTON_PANEL = 32870,
    IDC_BUTTON_BAR = 32872,
    IDC_STATUS_BAR = 32873,
};

// Indexes of g_ControlButtons (id kControlButtonFirstId + index), in the
// order of the button image strip.
enum ECONTROLBUTTON {
    CB_LAUNCHER,
    CB_PLAY,
    CB_PREVIOUS,
    CB_REWIND,
    CB_FORWARD,
    CB_NEXT,
    CB_OPTIONS,
    CB_PLAYLIST,
    CB_TOPMOST,
    CB_RATE,
    CB_REPEAT,
    CB_MENU,
    CB_FAVORITES,
    CB_TIMER,
    CB_JUMPLIST,
    CB_CAPTURE,
    CB_POWER,
    CB_CUSTOM1,  // custom buttons 1 to 6 follow
};
static_assert(CB_CUSTOM1 + 6 == kControlButtonCount, "one index per control button");

// The control-bar buttons, the volume button (33069) and the overflow button
// that shows the slots that did not fit (33067).
extern CButtonPlus g_ControlButtons[kControlButtonCount];
extern CButtonPlus g_VolumeButton;
extern CButtonPlus g_ExtraButton;

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

// Creates the main window ("ZENTAVIO") with its panels, buttons, sliders and
// status bar; FALSE when the window cannot be created.
BOOL m_CreateMainWindow(HINSTANCE instance);

// The WM_GETICON answer of the main and tool windows: the small main icon
// for ICON_SMALL and ICON_SMALL2, the large one for ICON_BIG.
HICON m_GetWindowIcon(HWND window, WPARAM kind);

LRESULT CALLBACK MainWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
