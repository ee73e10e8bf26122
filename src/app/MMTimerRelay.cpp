#include "app/MMTimerRelay.h"

#include <mmsystem.h>

#include "app/MainTimers.h"
#include "app/MainWindow.h"

volatile LONG g_MMTimerRequestMs;

namespace {

constexpr UINT kResolutionMs = 10;
UINT g_MMTimerId;
int g_MMTimerRunMs;
// Set while a tick waits in the queue, so that a busy UI thread is not
// flooded with ticks it would only drop.
volatile LONG g_TickQueued;

// winmm's thread: it only posts; restarting is left to the UI thread, as
// timeKillEvent must not be called from the callback being killed.
void CALLBACK m_MMTimerProc(UINT, UINT, DWORD_PTR, DWORD_PTR, DWORD_PTR)
{
    if (InterlockedExchange(&g_TickQueued, 1)) return;
    HWND main = g_hWndMain;
    if (!main || !PostMessageW(main, WM_TIMER, kTimerMMRelay, 0))
        InterlockedExchange(&g_TickQueued, 0);
}

}  // namespace

void m_SetMMTimer(int intervalMs)
{
    if (g_MMTimerId) {
        timeKillEvent(g_MMTimerId);
        timeEndPeriod(kResolutionMs);
        g_MMTimerId = 0;
    }
    g_MMTimerRunMs = 0;
    if (intervalMs <= 0) return;
    timeBeginPeriod(kResolutionMs);
    g_MMTimerId = timeSetEvent(static_cast<UINT>(intervalMs), kResolutionMs, m_MMTimerProc, 0,
                               TIME_PERIODIC | TIME_CALLBACK_FUNCTION);
    if (!g_MMTimerId) {
        timeEndPeriod(kResolutionMs);
        return;
    }
    g_MMTimerRunMs = intervalMs;
}

int m_MMTimer_GetInterval() { return g_MMTimerRunMs; }

int m_MMTimer_OnTick()
{
    InterlockedExchange(&g_TickQueued, 0);
    const int request = static_cast<int>(g_MMTimerRequestMs);
    if (request != g_MMTimerRunMs) m_SetMMTimer(request);
    return g_MMTimerRunMs > 0;
}
