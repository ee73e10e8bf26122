#include "app/MainTimers.h"

#include "app/AutoStopTick.h"
#include "app/ControlTooltips.h"
#include "app/FullScreenState.h"
#include "app/Layout.h"
#include "app/MMTimerRelay.h"
#include "app/MainWindow.h"
#include "app/Overlay.h"
#include "app/PointerInput.h"
#include "app/TimeDisplay.h"
#include "app/VideoOutIndicator.h"
#include "app/WindowSize.h"
#include "commands/CommandHandlers.h"
#include "filedata/ChapterTracking.h"
#include "filedata/ResumeTrack.h"
#include "playback/VideoProps.h"
#include "playback/PlayPause.h"
#include "playback/PlaybackEvents.h"
#include "playback/Seek.h"
#include "playback/SeekPreview.h"
#include "playback/PowerSaving.h"
#include "playlist/Playlist.h"
#include "settings/SettingsMain.h"
#include "timer/TimerTicks.h"

int g_TimeTimerRequestMs;

namespace {

int g_TimeTimerRunMs;

void m_OnTimeTimer()
{
    if (g_TimeTimerRequestMs != g_TimeTimerRunMs) {
        g_TimeTimerRunMs = 0;
        if (g_TimeTimerRequestMs <= 0) {
            KillTimer(g_hWndMain, kTimerTimeDisplay);
        } else if (SetTimer(g_hWndMain, kTimerTimeDisplay, static_cast<UINT>(g_TimeTimerRequestMs),
                            nullptr)) {
            g_TimeTimerRunMs = g_TimeTimerRequestMs;
        }
    }
    m_UpdateTimeDisplay(0);
}

// One of the program's windows is in front: main, full screen or playlist.
int m_IsOwnWindowInFront()
{
    HWND front = GetForegroundWindow();
    if (!front) return 0;
    HWND root = GetAncestor(front, GA_ROOT);
    return root == g_hWndMain || (g_hWndFullScreen && root == g_hWndFullScreen) ||
           (g_Playlist.m_GetWindow() && root == g_Playlist.m_GetWindow());
}

// The key's release may never arrive as a message: the held state is
// asked of the keyboard itself.
void m_OnSeekRepeatTimer()
{
    const int key = m_ContinuousSeek_HoldKey();
    if (!key) {
        KillTimer(g_hWndMain, kTimerSeekRepeat);
        return;
    }
    const int held = key > 0 && (GetAsyncKeyState(key) & 0x8000) != 0;
    if (!held || !m_IsOwnWindowInFront())
        m_StopContinuousSeek(0);
    else
        m_ContinuousSeek_Step();
}

// The timers whose ticks belong to playback control.
int m_IsPlaybackTimer(UINT id)
{
    switch (id) {
        case kTimerSysVolForget:
        case kTimerPreviewFadeIn:
        case kTimerPreviewFadeOut:
        case kTimerPreviewRequest:
        case kTimerPreviewShow:
        case kTimerAudDevSave:
        case kTimerTestTone:
        case kTimerAudDevLock:
            return 1;
    }
    return 0;
}

}  // namespace

int m_TimeTimer_GetPeriod() { return g_TimeTimerRunMs; }

int m_IsOneShotTimer(UINT id)
{
    switch (id) {
        case kTimerSeekFirst:
        case kTimerCursorHide:
        case kTimerSysVolForget:
        case kTimerSeekEnd:
        case kTimerBottomPanel:
        case kTimerMenuDestroy:
        case kTimerHoldEnd:
        case kTimerSpare41:
        case kTimerPowerTempEnd:
        case kTimerSizeMessage:
        case kTimerTrackResume:
        case kTimerPreviewRequest:
        case kTimerHoldDelay:
        case kTimerFrameFirst:
        case kTimerPreviewShow:
        case kTimerAudDevSave:
            return 1;
    }
    return 0;
}

void m_OnTimer(UINT id)
{
    if (m_IsOneShotTimer(id)) KillTimer(g_hWndMain, id);
    if (m_Seek_OnTimer(id)) return;
    if (m_SeekPreview_OnTimer(id)) return;
    if (m_IsPlaybackTimer(id)) {
        m_Playback_OnTimer(id);
        return;
    }
    switch (id) {
        case kTimerTimeDisplay:
            m_OnTimeTimer();
            break;
        case kTimerMMRelay:
            if (m_MMTimer_OnTick()) m_UpdateTimeDisplay(0);
            break;
        case kTimerSeekRepeat:
            m_OnSeekRepeatTimer();
            break;
        case kTimerSeekFirst:
        case kTimerMenuDestroy:
        case kTimerHoldEnd:
        case kTimerHoldDelay:
            m_Commands_OnTimer(id);
            break;
        case kTimerCursorHide:
            m_CursorHide_OnTimer();
            break;
        case kTimerHover:
            m_OnHoverTimer();
            break;
        case kTimerClickDelay:
            m_OnClickDelayTimer();
            break;
        case kTimerMainSave:
            m_Settings_WriteMain(0, g_MainSavePending);
            break;
        case kTimerVideoOut:
            m_VideoOutIndicator(2);
            break;
        case kTimerTimerText:
        case kTimerVolumeFade:
            m_Timer_OnTimer(id);
            break;
        case kTimerAutoStop:
            m_AutoStop_OnTimer();
            break;
        case kTimerResumeSave:
        case kTimerLevelMeter:
            m_PlayPause_OnTimer(id);
            break;
        case kTimerKeepAwake:
            m_PowerSaving_OnTimer();
            break;
        case kTimerPowerTempEnd:
            m_PowerSaving_EndTemp();
            break;
        case kTimerTrackResume:
            if (g_TrackPropsDirty) m_Resume_WriteTrack();
            break;
        case kTimerSizeMessage:
            m_WindowSize_OnTimer();
            break;
        case kTimerAutoShowFade:
            m_Overlay_OnFadeTimer();
            break;
        case kTimerBottomPanel:
            m_RelayoutPanels();
            m_UpdateGripToolTip();
            break;
        default:
            break;
    }
}
