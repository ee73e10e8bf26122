// Window messages of the popup menus. Popups send or post them to their
// manager's relay window, which passes them on to the owner window.
#pragma once
#include <windows.h>

// An item was chosen, highlighted or moved (wParam a code below,
// lParam the SMENUNOTIFY block).
constexpr UINT WM_APP_MENUCOMMAND = WM_APP + 3000;
// A submenu is about to open (wParam its SMENUITEMENTRY*).
constexpr UINT WM_APP_MENUSUBMENU = WM_APP + 3003;
// A tooltip text is wanted (wParam item id, lParam CMenuPlus*); the reply
// is a wide-string pointer or 0.
constexpr UINT WM_APP_MENUGETTIP = WM_APP + 3004;
// A popup over an item ended (wParam its menu id, lParam the chosen index
// or -1); handled inside the modal loop.
constexpr UINT WM_APP_MENUENDTRACK = WM_APP + 3005;
// A popup with a non-zero menu id is being closed (wParam CMenuPlus*,
// lParam menu id).
constexpr UINT WM_APP_MENUCLOSING = WM_APP + 3006;
// The root's tracking ended, after its loop (lParam menu id).
constexpr UINT WM_APP_MENUCLOSED = WM_APP + 3007;
// The menu ended without a choice (wParam 1 left button or a dismissed
// over-popup, 2 right button).
constexpr UINT WM_APP_MENUDISMISSED = WM_APP + 3008;

// Codes of WM_APP_MENUCOMMAND in wParam.
enum {
    MENUCODE_CHOSEN = 100,
    MENUCODE_SELCHANGED = 200,
    MENUCODE_MOVED = 201,
    MENUCODE_CONTEXTMENU = 202,
};

// Why a menu ended without a choice (wParam of WM_APP_MENUDISMISSED).
enum {
    MENUDISMISS_LEFT = 1,
    MENUDISMISS_RIGHT = 2,
};
