#include "playback/PlayPause.h"

#include <strsafe.h>

#include "app/MainTimers.h"
#include "app/MainWindow.h"
#include "app/OsdBars.h"
#include "app/TimeDisplay.h"
#include "app/WindowHelpers.h"
#include "base/ErrorLog.h"
#include "engine/VideoRenderer.h"
#include "filedata/ChapterTracking.h"
#include "filedata/PlayRangeState.h"
#include "library/Library.h"
#include "playback/AudioCommands.h"
#include "playback/AutoNext.h"
#include "playback/DisplayRefresh.h"
#include "playback/EndOfStream.h"
#include "playback/MediaPath.h"
#include "playback/PlayTime.h"
#include "playback/PlaybackControl.h"
#include "playback/PlaybackEvents.h"
#include "playback/PowerSaving.h"
#include "playback/RepeatMode.h"
#include "playback/ShuffleStep.h"
#include "playlist/PlaylistState.h"
#include "settings/Settings.h"
#include "timer/AutoStopCheck.h"

namespace {

constexpr UINT kLevelMeterMs = 100;
// The resume save is due this much before a whole interval has passed.
constexpr DWORD kResumeSaveLeadMs = 500;

DWORD g_ResumeSaveTick;
// Set while play/pause continues at the end of a file, so that a
// continuation that lands at the end again cannot come back here.
int g_ContinuingAtEnd;

void m_SeekEngineMs(LONGLONG ms)
{
    if (g_VideoRenderer) g_VideoRenderer->m_VR_SetPosition(ms < 0 ? 0 : ms * 10000);
}

// Containers whose paused picture and position drift apart unless the
// pause is followed by a seek to the same place.
int m_NeedsReseekOnPause()
{
    static const wchar_t* const kExts[] = {L".mp4", L".webm", L".wmv"};
    for (const wchar_t* ext : kExts)
        if (_wcsicmp(g_MediaExt, ext) == 0) return 1;
    return 0;
}

void m_StartResumeAutoSave()
{
    const int seconds = g_Settings.Common_RsmItvl;
    // The open-files list keeps its records per entry, not on a timer.
    if (seconds <= 0 || !g_hWndMain || g_OpenFilesMode) return;
    if (!g_ResumeSaveTick) g_ResumeSaveTick = GetTickCount();
    SetTimer(g_hWndMain, kTimerResumeSave, static_cast<UINT>(seconds) * 1000, nullptr);
}

void m_OnResumeSaveTick()
{
    if (g_OpenFilesMode || !m_IsPlaying()) {
        KillTimer(g_hWndMain, kTimerResumeSave);
        return;
    }
    const DWORD due = static_cast<DWORD>(g_Settings.Common_RsmItvl) * 1000 - kResumeSaveLeadMs;
    const DWORD now = GetTickCount();
    if (now - g_ResumeSaveTick > due) {
        m_Resume_Save();
        g_ResumeSaveTick = now;
    }
}

// The repeat mode decides what play does at the end of the file.
void m_ContinueAtEnd()
{
    g_ContinuingAtEnd = 1;
    switch (g_RepeatMode) {
        case REPEAT_CHAPTER:
            m_Repeat_LastChapter();
            break;
        case REPEAT_FILE:
            m_Repeat_Restart(1);
            break;
        case REPEAT_OFF:
            m_OpenNextPlayListFile(0, 0);
            break;
        case REPEAT_SHUFFLE:
            m_Shuffle_Next(0);
            break;
        default:
            m_OpenNextPlayListFile(1, 0);
            break;
    }
    g_ContinuingAtEnd = 0;
}

void m_StartPlaying(int startMs)
{
    if (startMs != -1) m_SeekEngineMs(startMs);
    g_PlayStarted = 1;
    if (g_PlayState != 2) g_PlayState = 5;
    m_SystemVolume_OnPlayState(1);
    if (g_VideoRenderer) g_VideoRenderer->m_VR_Run();
    if (g_Settings.Ctrl_Lv) SetTimer(g_hWndMain, kTimerLevelMeter, kLevelMeterMs, nullptr);
    m_StartResumeAutoSave();
    m_SetAutoStopCheck();
    if (m_PowerSaving_IsTempOn()) m_PowerSaving_TempTimer(0);
}

void m_PausePlaying()
{
    if (g_VideoRenderer) {
        g_VideoRenderer->m_VR_Pause();
        if (m_NeedsReseekOnPause()) {
            LONGLONG position = 0;
            if (SUCCEEDED(g_VideoRenderer->m_VR_GetCurrentPosition(&position, 1)))
                g_VideoRenderer->m_VR_SetPosition(position);
        }
    }
    if (g_VideoWindow) InvalidateRect(g_VideoWindow, nullptr, FALSE);
    g_PlayStarted = 0;
    if (g_PlayState != 2) g_PlayState = 4;
    m_SystemVolume_OnPlayState(0);
    if (m_PowerSaving_IsTempOn()) m_PowerSaving_TempTimer(1);
    KillTimer(g_hWndMain, kTimerLevelMeter);
    m_SetAutoStopCheck();
}

// Resumed in place, the controller bars step aside (both in mode 2, the top
// one in mode 1); paused, both stay.
void m_BarsOnRunChange(int playing, int startMs)
{
    if (!playing) {
        m_OSD_ShowBars(1, -1, 1, -1, 1);
    } else if (startMs == -1) {
        m_OSD_ShowBars(1, 0, g_Settings.Osc_Mode == 2 ? 1 : 0, 0, 1);
    }
}

void m_AfterRunChange(const wchar_t* cause)
{
    m_TimeDisplay_Update(1);
    m_Tick_PositionSave(0);
    if (g_MediaKind == MEDIA_KIND_AUDIO && g_hWndMain) InvalidateRect(g_hWndMain, nullptr, FALSE);
    m_UpdateToolbar();
    m_SetTopMostState();
    m_PowerSaving_Apply();
    m_PlayTime_Account(g_PlayStarted && !g_PlayHeld);
    if (g_Settings.Common_AudLk[0] >= 2) m_AudDev_SelectCurrent();
    m_PlayState_Trace(cause);
}

}  // namespace

int m_IsPlayingOf(int mediaOpen, int started, int held) { return mediaOpen && started && !held; }
int m_IsNotPlayingOf(int started, int held) { return !started || held; }
int m_IsPlaying() { return m_IsPlayingOf(g_MediaOpen, g_PlayStarted, g_PlayHeld); }
int m_IsNotPlaying() { return m_IsNotPlayingOf(g_PlayStarted, g_PlayHeld); }
int m_Playback_HasStarted() { return g_MediaOpen && g_PlayStarted; }

void m_PlayState_Trace(const wchar_t* cause)
{
    if (!g_Settings.Main_Test) return;
    wchar_t line[160];
    const unsigned long playMs = m_PlayTime_Account(m_IsPlaying());
    // A cut line is still worth logging.
    (void)StringCchPrintfW(line, 160,
                           L"PLAY : st=%d open=%d started=%d held=%d awake=%d ms=%lu track=%d (%s)",
                           g_PlayState, g_MediaOpen, g_PlayStarted, g_PlayHeld,
                           m_PowerSaving_IsKeepingAwake(), playMs, g_PlayingTrack, cause);
    m_AppendLogLine(line);
}

void m_PlayPause(int startMs)
{
    if (g_MediaKind == MEDIA_KIND_PICTURE) return;
    if (!g_MediaOpen) {
        // A threaded open in flight finishes on its own.
        if (!g_OpenThread) m_OpenPlayListFile(-1, 0, 1, 1, 0);
        return;
    }
    // Play at the end of the active range goes on by the range repeat mode;
    // that may play again, which must not come back here.
    static int s_RangeEnd = 0;
    if (g_PlayRangeOn && !s_RangeEnd && m_IsNotPlaying() && m_IsAtPlayEnd(-1, 1, 1)) {
        s_RangeEnd = 1;
        m_PlayRange_OnEnd(1);
        s_RangeEnd = 0;
        return;
    }
    // The countdown at the end takes play/pause as its own pause.
    if (g_AutoNextActive) {
        m_AutoNext_Command(-1);
        return;
    }
    if (m_Launcher_IsShown()) m_Launcher_Show(0, 1, 0);
    if (m_IsNotPlaying()) {
        if (!g_ContinuingAtEnd && m_IsAtPlayEnd(-1, 0, 0)) {
            m_ContinueAtEnd();
            return;
        }
        if (g_PlayHeld) {
            m_SetHold(0, 1);
            return;
        }
        m_StartPlaying(startMs);
        m_BarsOnRunChange(1, startMs);
        m_AfterRunChange(L"play");
        return;
    }
    m_PausePlaying();
    m_BarsOnRunChange(0, -1);
    m_AfterRunChange(L"pause");
}

void m_Pause()
{
    if (!g_MediaOpen || !g_PlayStarted) return;
    if (g_PlayHeld) {
        g_PlayState = 4;
        g_PlayHeld = 0;
        g_PlayStarted = 0;
        m_UpdateToolbar();
        m_PlayState_Trace(L"pause held");
    } else {
        m_PlayPause(-1);
    }
    m_TimeDisplay_Update(1);
    m_SetTopMostState();
}

void m_Stop()
{
    // A stop ends the wait at the end: nothing goes on behind the user.
    if (g_AutoNextActive) m_AutoNext_Show(0, 0, 2);
    if (g_MediaOpen) {
        if (g_PlayStarted) {
            if (g_VideoRenderer) g_VideoRenderer->m_VR_Pause();
            g_PlayStarted = 0;
            g_PlayHeld = 0;
            m_SystemVolume_OnPlayState(0);
            KillTimer(g_hWndMain, kTimerLevelMeter);
        }
        m_UpdateToolbar();
        m_SeekEngineMs(0);
        g_PlayState = 3;
        // Stopped time is not play time.
        m_PlayTime_Account(0);
        m_Tick_PositionSave(0);
        m_TimeDisplay_Update(1);
    }
    m_SetTopMostState();
    m_PowerSaving_Apply();
    m_PlayState_Trace(L"stop");
}

int m_SetHold(int hold, int recolour)
{
    (void)recolour;
    if (!g_PlayStarted) {
        g_PlayHeld = 0;
        return 0;
    }
    if (hold && !g_PlayHeld) {
        if (g_VideoRenderer) g_VideoRenderer->m_VR_Pause();
        g_PlayHeld = 1;
        m_UpdateTimeDisplay(1);
        m_SystemVolume_OnPlayState(0);
        m_PowerSaving_Apply();
        m_PlayTime_Account(0);
        m_Tick_PositionSave(0);
        if (m_PowerSaving_IsTempOn()) m_PowerSaving_TempTimer(1);
        m_PlayState_Trace(L"hold");
    } else if (!hold && g_PlayHeld) {
        g_PlayHeld = 0;
        m_SystemVolume_OnPlayState(1);
        m_PowerSaving_Apply();
        if (g_VideoRenderer) g_VideoRenderer->m_VR_Run();
        m_UpdateTimeDisplay(1);
        m_PlayTime_Account(1);
        m_Tick_PositionSave(0);
        if (m_PowerSaving_IsTempOn()) m_PowerSaving_TempTimer(0);
        m_PlayState_Trace(L"release");
    }
    m_TimeDisplay_Update(1);
    m_SetTopMostState();
    return 1;
}

void m_Playback_OnSuspend()
{
    if (g_PlayState != 0) m_Pause();
}

void m_PlayPause_OnClosed()
{
    if (g_hWndMain) {
        KillTimer(g_hWndMain, kTimerLevelMeter);
        KillTimer(g_hWndMain, kTimerResumeSave);
    }
    g_ResumeSaveTick = 0;
    m_PlayTime_Account(0);
    m_Tick_PositionSave(0);
    m_PowerSaving_Apply();
    m_TimeDisplay_Update(1);
    if (m_PowerSaving_IsTempOn()) m_PowerSaving_TempTimer(1);
}

void m_PlayPause_OnTimer(UINT id)
{
    if (id == kTimerResumeSave) {
        m_OnResumeSaveTick();
    } else if (id == kTimerLevelMeter && !m_IsPlaying()) {
        KillTimer(g_hWndMain, kTimerLevelMeter);
    }
}
