// The multimedia-timer relay: a winmm tick turned into WM_TIMER 45 of the
// main window, for a time display finer than window timers allow.
#pragma once
#include <windows.h>

// The interval the time display asks of the relay (0 = stopped); the UI
// thread restarts the relay with it at the next tick.
extern volatile LONG g_MMTimerRequestMs;

// Stops any running relay, then starts it with the interval when above 0.
// UI thread only.
void m_SetMMTimer(int intervalMs);
// The interval the relay runs with, 0 when stopped.
int m_MMTimer_GetInterval();
// WM_TIMER 45 on the UI thread: restarts the relay when the requested
// interval changed; 1 when the tick should still be handled.
int m_MMTimer_OnTick();
