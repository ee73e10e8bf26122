// The volume fade's state and its stop.
#include "timer/VolumeFade.h"

#include "app/MainTimers.h"
#include "app/MainWindow.h"
#include "timer/TimerTicks.h"

SVOLUMEFADE g_VolumeFade;

int m_VolumeFade_IsRunning() { return g_VolumeFade.fading; }

void m_VolumeFade_Stop()
{
    if (g_hWndMain) KillTimer(g_hWndMain, kTimerVolumeFade);
    g_VolumeFade = SVOLUMEFADE{};
}
