// The handlers of the main window's commands and notices: control bar,
// popup menus, tool-window notices and dropped files. Grows with the
// commands code; until then each does nothing and reports "not handled".
#pragma once
#include <windows.h>

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
// Continuous seek while a key is held: timer 1 repeats (timer 2 waits
// first); the hold key is 0 when none runs.
void m_StartContinuousSeek(int stepMs, int holdKey, int keyFrames, int intervalMs,
                           int maxIntervalMs, int waitMs);
int m_ContinuousSeek_HoldKey();
void m_ContinuousSeek_Step();
// Ends it: kills timers 1 and 2; not final arms timer 24 (the seek's end).
void m_StopContinuousSeek(int final);
// Ticks of the commands' other main-window timers (the first seek delay,
// control-bar hold, kept menu), by id.
void m_Commands_OnTimer(UINT id);
// A seek-bar position waits for the engine.
int m_SeekBar_DragPending();

// Stand-in of the binding executor until it is built: finds the enabled
// binding of the code with the modifier bits held now and logs the code
// and the function ([Main] "ErrLog"); 1 when a binding was found.
int m_Bind_ExecByMouse(int code, int holdKey);
int m_Bind_ExecByKey(WORD keyWord, int holdKey);
// The function bound to the mouse code with the modifiers held now is a
// seek function (1); else 0.
int m_Bind_MouseSeekKind(int code);
// What the stand-in ran last (code with modifiers) and how many it ran.
int m_Bind_LastMouseCode(int* count);
// The main context menu (menu 240) and the other popup menus by id, at a
// screen point; the stand-in logs the request.
void m_ShowMainContextMenu(POINT screen);
void m_ShowPopupMenuById(UINT menuId, POINT screen);
// The menu the stand-in was asked for last and how many it was asked for.
UINT m_LastPopupMenuId(int* count);
// Stops a continuous seek held by that key (0: any).
void m_StopContinuousSeekFor(int holdKey);
