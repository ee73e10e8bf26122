// WM_POWERBROADCAST of the main window: suspend, and the display going off
// and on again.
#pragma once
#include <windows.h>

// The display was off long enough to end a temporary power-saving
// inversion: more than 60 s, or 5 s in test mode.
int m_DisplayOffLongEnough(DWORD offTick, DWORD nowTick, int testMode);

// Handles the notice; the caller passes it on to DefWindowProc.
void m_OnPowerBroadcast(WPARAM event, LPARAM data);
