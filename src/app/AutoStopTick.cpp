#include "app/AutoStopTick.h"

#include "app/MainTimers.h"
#include "app/MainWindow.h"
#include "app/StatusText.h"
#include "playback/PlaybackControl.h"
#include "playback/PlaybackEvents.h"
#include "settings/Settings.h"
#include "settings/SettingsMain.h"
#include "timer/TimerTicks.h"

namespace {

constexpr int kAutoStopFadeMs = 1000;

DWORD m_IdleMs()
{
    LASTINPUTINFO info = {sizeof(info), 0};
    if (!GetLastInputInfo(&info)) return 0;
    return GetTickCount() - info.dwTime;
}

}  // namespace

int m_AutoStopDecision(const SAUTOSTOPFACTS& f)
{
    if (!f.bOn || !f.bFileOpen || !f.bStarted || f.bTimerArmed) return AUTOSTOP_END;
    if (f.nMinutes < 0) return AUTOSTOP_END;
    if (f.nIdleMs <= static_cast<DWORD>(f.nMinutes) * 60000u) return AUTOSTOP_WAIT;
    if (f.bPlaying && f.nVolume > 0 && !f.bFading) return AUTOSTOP_FADE;
    return AUTOSTOP_STOP;
}

void m_AutoStop_OnTimer()
{
    SAUTOSTOPFACTS f = {};
    f.bOn = g_Settings.Common_AtStop[0];
    f.nMinutes = g_Settings.Common_AtStop[1];
    f.bFileOpen = g_PlayState != 0;
    f.bStarted = m_Playback_HasStarted();
    f.bTimerArmed = m_Timer_GetActive() != 0;
    f.nIdleMs = m_IdleMs();
    f.bPlaying = m_IsPlaying();
    f.nVolume = g_MainWindowState.nVolume;
    f.bFading = m_VolumeFade_IsRunning();
    const int decision = m_AutoStopDecision(f);
    if (decision == AUTOSTOP_WAIT) return;
    KillTimer(g_hWndMain, kTimerAutoStop);
    if (decision == AUTOSTOP_FADE) {
        m_OSD_ShowText(L"AUTO STOP", -1, kAutoStopFadeMs, -1, -1, -1, -1);
        m_StartVolumeFade(1, 0, kAutoStopFadeMs, 0);
    } else if (decision == AUTOSTOP_STOP) {
        m_AutoStop_Fire();
    }
}
