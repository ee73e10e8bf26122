// The off/on timer object and its dialog.
#pragma once
#include <windows.h>

void m_Timer_SetOwner();
BOOL m_TimerDlg_PreTranslateKey(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
