// The handlers of the main window's commands and notices: control bar,
// popup menus, tool-window notices and dropped files. Grows with the
// commands code; until then each does nothing and reports "not handled".
#pragma once
#include <windows.h>

#include "commands/BindLookup.h"
#include "commands/ContinuousSeek.h"

// WM_COMMAND of the control bar; non-zero when handled.
int m_OnCtrlCommand(int id, int notification, LPARAM data);
// WM_APP_MENUCOMMAND (code, SMENUNOTIFY*).
LRESULT m_OnMenuCommand(WPARAM code, LPARAM notify);
LRESULT m_Menu_OnSubmenu(WPARAM wParam, LPARAM entry);
LRESULT m_Menu_GetTipText(WPARAM itemId, LPARAM popup);
// WM_APP_NOTIFYMAIN (code, value); its result goes back to the sender.
LRESULT m_OnNotifyMain(WPARAM code, LPARAM value);
// Takes ownership of the drop handle.
void m_OnDropFiles(HDROP drop);
// Ticks of the commands' other main-window timers (the first seek delay,
// control-bar hold, kept menu), by id.
void m_Commands_OnTimer(UINT id);
// A seek-bar position waits for the engine.
int m_SeekBar_DragPending();

// The main context menu (menu 240) at the pointer's screen point.
void m_ShowMainContextMenu(POINT screen);
// Builds the menu of the id and tracks it at the screen point (its bottom
// left corner there); 0 when the id has no menu.
int m_ShowPopupMenuById(UINT menuId, POINT screen);
// The same, kept inside the limit rectangle when one is given.
int m_ShowPopupMenuIn(UINT menuId, POINT screen, const RECT* limit);
// Where a menu opened at the pointer is tracked: the popup offset applied.
POINT m_MenuPointAtCursor(POINT screen);
// The main menu's key (Apps, Shift+F10 when unbound): the menu function
// with "MAIN"; always 1.
int m_OpenMainMenu();
// The menu shown last by id and how many were shown.
UINT m_LastPopupMenuId(int* count);
