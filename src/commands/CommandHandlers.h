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

// The main context menu (menu 240) and the other popup menus by id, at a
// screen point; the stand-in logs the request.
void m_ShowMainContextMenu(POINT screen);
void m_ShowPopupMenuById(UINT menuId, POINT screen);
// The menu the stand-in was asked for last and how many it was asked for.
UINT m_LastPopupMenuId(int* count);
