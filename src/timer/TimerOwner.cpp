#include "timer/TimerOwner.h"

// The timer has no dialog yet, so it needs no owner and takes no keys.
void m_Timer_SetOwner() {}
BOOL m_TimerDlg_PreTranslateKey(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
