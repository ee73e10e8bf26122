// The parts of the main window procedure: the program's own messages, the
// control notices and the hit code of the full-screen pointer handling.
#pragma once
#include <windows.h>

// The last full-screen hit code (WM_APP_FSHITTEST).
extern int g_FsHitCode;

// Control ids 32969..33267 go to the control-command handler, whose result
// is returned; any other id returns 1.
LRESULT m_OnControlNotify(int id, int notification, LPARAM data);

// The WM_APP_* messages and the registered ones; FALSE in *handled when the
// message is none of them.
LRESULT m_OnAppMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, BOOL* handled);

// Whether a click that closed a popup menu was aimed at this root window:
// the main, full-screen, playlist, favorites, options or timer window.
int m_IsReplayTarget(HWND root);
