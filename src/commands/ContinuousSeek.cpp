#include "commands/ContinuousSeek.h"

#include <mmsystem.h>

#include "app/MainTimers.h"
#include "app/MainWindow.h"
#include "engine/VideoRenderer.h"
#include "playback/PlayPause.h"
#include "playback/PlayState.h"
#include "playback/Seek.h"
#include "settings/Settings.h"

SCONTSEEK g_ContSeek = {0, 0, 0, 0, 0, 0, -1, 0};

namespace {

// The wait timer paused playback for this run. Timer 24 can end the series
// (state 0) while the key is still held, when the steps come further apart
// than [Common] "SeekCnt"; the release must still undo the pause.
int s_PausedByRun;

int m_KeyDown(int key) { return key && GetAsyncKeyState(key) < 0; }

void m_RunEngineIfPaused()
{
    if (m_Playback_HasStarted() && !g_PlayHeld && g_VideoRenderer &&
        !g_VideoRenderer->m_VR_IsRunning())
        (void)g_VideoRenderer->m_VR_Run();
}

// A step without a held key: quick steps snap to key frames in the
// automatic mode, and steps faster than the engine can show are dropped.
void m_SingleStep(int step, int keyMode, int keySwitch)
{
    const DWORD elapsed = timeGetTime() - g_LastSeekTick;
    if (elapsed < static_cast<DWORD>(g_ContSeek.waitMs)) keySwitch = keyMode != 0;
    if (elapsed <= static_cast<DWORD>(g_ContSeek.minMs)) return;
    if (elapsed <= static_cast<DWORD>(g_ContSeek.maxMs) && g_VideoRenderer &&
        g_VideoRenderer->m_VR_IsFramePending())
        return;
    if (m_Playback_HasStarted() && g_VideoRenderer && g_VideoRenderer->m_VR_HasNotifyFilter()) {
        (void)g_VideoRenderer->m_VR_Pause();
        g_ContSeek.resumeAfterStep = 1;
    }
    if (!m_SeekRelative(step, keySwitch ? 1 : 0, 0) && g_ContSeek.resumeAfterStep) {
        g_ContSeek.resumeAfterStep = 0;
        m_RunEngineIfPaused();
    }
}

}  // namespace

void m_StartContinuousSeek(int stepMs, int holdKey, int keyMode, int minMs, int maxMs, int waitMs)
{
    if (!g_MediaOpen || g_MediaKind == MEDIA_KIND_PICTURE) return;
    if (g_ContSeek.holdKey) m_StopContinuousSeek(0);
    LONGLONG position = -1;
    if (g_VideoRenderer && FAILED(g_VideoRenderer->m_VR_GetCurrentPosition(&position, 1)))
        position = -1;
    g_ContSeek.startPos = position;
    const SSETTINGS& st = g_Settings;
    if (stepMs == 0) stepMs = st.Seek_Step[0];
    if (keyMode == -1) keyMode = st.Seek_Key;
    if (minMs == -1) minMs = st.Seek_Itvl[0];
    if (maxMs == -1) maxMs = st.Seek_Itvl[1];
    if (waitMs == -1) waitMs = st.Seek_Dly;
    if (g_MediaKind == MEDIA_KIND_AUDIO) maxMs = minMs;
    // Timers below 1 ms would spin.
    g_ContSeek.minMs = minMs < 0 ? 0 : minMs;
    g_ContSeek.maxMs = maxMs < 1 ? 1 : maxMs;
    g_ContSeek.waitMs = waitMs < 0 ? 0 : waitMs;
    g_ContSeek.keyFrames = keyMode != 0;
    const int keySwitch = keyMode == 1;
    if (!holdKey) {
        m_SingleStep(stepMs, keyMode, keySwitch);
        return;
    }
    g_ContSeek.holdKey = holdKey;
    g_ContSeek.step = stepMs;
    m_SeekRelative(stepMs, keySwitch ? 1 : 0, 0);
    if (g_ContSeek.waitMs > 0) {
        SetTimer(g_hWndMain, kTimerSeekFirst, static_cast<UINT>(g_ContSeek.waitMs), nullptr);
    } else {
        g_SeekSeries.state = 3;
        SetTimer(g_hWndMain, kTimerSeekRepeat, static_cast<UINT>(g_ContSeek.maxMs), nullptr);
    }
}

void m_StopContinuousSeek(int final)
{
    KillTimer(g_hWndMain, kTimerSeekFirst);
    KillTimer(g_hWndMain, kTimerSeekRepeat);
    const int paused = s_PausedByRun || g_SeekSeries.state == 3;
    s_PausedByRun = 0;
    if (g_Settings.Seek_Pau && paused && m_Playback_HasStarted() && !g_PlayHeld)
        m_RunEngineIfPaused();
    g_ContSeek.holdKey = 0;
    g_ContSeek.step = 0;
    g_ContSeek.keyFrames = 0;
    g_ContSeek.startPos = -1;
    if (!final) {
        g_SeekSeries.state = 4;
        const int ms = g_Settings.Common_SeekCnt > 0 ? g_Settings.Common_SeekCnt : 2500;
        SetTimer(g_hWndMain, kTimerSeekEnd, static_cast<UINT>(ms), nullptr);
    } else {
        m_SeekSeries_End();
    }
}

void m_StopContinuousSeekFor(int holdKey)
{
    if (g_ContSeek.holdKey && g_ContSeek.holdKey == holdKey) m_StopContinuousSeek(0);
}

int m_ContinuousSeek_HoldKey() { return g_ContSeek.holdKey; }

int m_ContinuousSeek_State() { return g_SeekSeries.state; }

void m_ContinuousSeek_Step()
{
    g_SeekSeries.state = 3;
    m_SeekRelative(g_ContSeek.step, g_ContSeek.keyFrames ? 1 : 0, 0);
    SetTimer(g_hWndMain, kTimerSeekRepeat, static_cast<UINT>(g_ContSeek.maxMs), nullptr);
}

void m_ContinuousSeek_OnWaitTimer()
{
    KillTimer(g_hWndMain, kTimerSeekFirst);
    // A tick left over from a seek already ended has nothing to end.
    if (!g_ContSeek.holdKey) return;
    if (!m_KeyDown(g_ContSeek.holdKey)) {
        m_StopContinuousSeek(0);
        return;
    }
    if (g_Settings.Seek_Pau && g_VideoRenderer && g_VideoRenderer->m_VR_IsRunning()) {
        (void)g_VideoRenderer->m_VR_Pause();
        s_PausedByRun = 1;
    }
    m_ContinuousSeek_Step();
}

void m_ContinuousSeek_OnFrameShown()
{
    if (!g_ContSeek.resumeAfterStep) return;
    g_ContSeek.resumeAfterStep = 0;
    m_RunEngineIfPaused();
}
