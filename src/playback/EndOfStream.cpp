#include "playback/EndOfStream.h"

#include "app/FullScreenState.h"
#include "app/MainWindow.h"
#include "app/StatusText.h"
#include "app/TimeDisplay.h"
#include "app/WindowSize.h"
#include "engine/VideoRenderer.h"
#include "playback/AutoNext.h"
#include "playback/PlayPause.h"
#include "playback/RepeatMode.h"
#include "playback/ShuffleStep.h"
#include "playlist/Playlist.h"
#include "settings/Settings.h"

namespace {

constexpr int kEndToleranceMs = 200;
constexpr int kRestartMessageMs = 3000;

// After a restart or a chapter jump in the same file playback goes on.
void m_RunAgain()
{
    if (g_PlayHeld)
        m_SetHold(0, 1);
    else if (!g_PlayStarted)
        m_PlayPause(-1);
}

int m_EngineNearEnd()
{
    return g_VideoRenderer && g_MediaOpen ? g_VideoRenderer->m_VR_IsNearEnd(-1) : 0;
}

void m_RestartList()
{
    const int before = g_PlayingTrack;
    m_Repeat_Restart(0);
    if (g_PlayingTrack == before && g_MediaOpen) m_RunAgain();
}

void m_RunNextStep(int step, int next, int countdownMs)
{
    switch (step) {
        case NEXT_OPEN:
            m_OpenPlayListFile(next, 0, 1, 1, 1);
            break;
        case NEXT_OVERLAY:
            m_AutoNext_Show(1, countdownMs, 1);
            break;
        case NEXT_RESTART:
            m_RestartList();
            break;
        case NEXT_HOLD_END:
            m_SeekToPlayEnd(-1, 1);
            break;
        case NEXT_PAUSE_END:
            m_SeekToPlayEnd(-2, 1);
            break;
        case NEXT_SEEK_END:
            m_SeekToPlayEnd(0, 1);
            break;
        case NEXT_FIRST_CHAP:
            m_Chapter_JumpFirst();
            m_RunAgain();
            break;
        default:
            break;
    }
}

}  // namespace

int m_NextStep_Plain(int count, int playing, int fileOpen, int wrap, int countdown, int isPlaying,
                     int nearEnd, int* next, int* countdownMs)
{
    *next = -1;
    *countdownMs = wrap ? -1 : 0;
    if (count < 2) {
        if (!fileOpen) return NEXT_NOTHING;
        if (countdown) return NEXT_OVERLAY;
        if (wrap) return NEXT_RESTART;
        return nearEnd ? NEXT_FIRST_CHAP : NEXT_HOLD_END;
    }
    const int candidate = playing + 1;
    if (candidate >= 0 && candidate < count) {
        *next = candidate;
        return NEXT_OPEN;
    }
    if (wrap) return countdown ? NEXT_OVERLAY : NEXT_RESTART;
    if (!fileOpen) return NEXT_NOTHING;
    if (countdown) return NEXT_OVERLAY;
    if (isPlaying) return NEXT_PAUSE_END;
    return nearEnd ? NEXT_RESTART : NEXT_SEEK_END;
}

void m_OpenNextPlayListFile(int wrap, int countdown)
{
    int playing = g_PlayingTrack;
    // A deleted playing track leaves where the walk goes on.
    if (playing < 0 && g_TrackAfterDelete >= 0) {
        playing = g_TrackAfterDelete - 1;
        g_TrackAfterDelete = -1;
    }
    int next, countdownMs;
    const int step =
        m_NextStep_Plain(g_Playlist.m_GetCount(), playing, g_MediaOpen, wrap, countdown,
                         m_IsPlaying(), m_EngineNearEnd(), &next, &countdownMs);
    m_RunNextStep(step, next, countdownMs);
}

void m_OnPlayEnd(int noCountdown)
{
    m_UpdateTimeDisplay(1);
    const int countdown = !noCountdown && g_Settings.Common_RptMenu >= 1;
    switch (g_RepeatMode) {
        case REPEAT_CHAPTER:
            m_Repeat_LastChapter();
            break;
        case REPEAT_FILE:
            m_Repeat_Restart(1);
            m_RunAgain();
            break;
        case REPEAT_OFF:
            m_OpenNextPlayListFile(0, countdown);
            break;
        case REPEAT_SHUFFLE:
            m_Shuffle_Next(0);
            break;
        default:
            m_OpenNextPlayListFile(1, countdown);
            break;
    }
}

void m_Repeat_LastChapter()
{
    if (!g_VideoRenderer) return;
    const SCHAPTERITEM* table = nullptr;
    const int count = g_VideoRenderer->m_VR_GetChapters(&table, nullptr);
    if (count > 0)
        g_VideoRenderer->m_VR_GoToChapter(count - 1);
    else
        g_VideoRenderer->m_VR_SetPosition(0);
    m_OSD_ShowText(L"REPEAT : CHAPTER", -1, -1, -1, -1, -1, -1);
}

void m_Repeat_Restart(int sameFile)
{
    if (sameFile) {
        m_Chapter_JumpFirst();
        m_OSD_ShowText(L"REPEAT : FILE", 0, kRestartMessageMs, -1, -1, -1, -1);
        return;
    }
    if (g_Playlist.m_GetCount() <= 0) return;
    if (g_PlayingTrack != 0 || !g_MediaOpen)
        m_OpenPlayListFile(0, 0, 0, 1, 1);
    else
        m_Chapter_JumpFirst();
    m_OSD_ShowText(L"REPEAT", 0, kRestartMessageMs, -1, -1, -1, -1);
}

// A file without chapters starts its one chapter at 0.
void m_Chapter_JumpFirst()
{
    if (!g_MediaOpen || !g_VideoRenderer) return;
    if (g_AutoNextActive) m_AutoNext_Show(0, 0, 1);
    const SCHAPTERITEM* table = nullptr;
    if (g_VideoRenderer->m_VR_GetChapters(&table, nullptr) > 0)
        g_VideoRenderer->m_VR_GoToChapter(0);
    else
        g_VideoRenderer->m_VR_SetPosition(0);
    if (g_PlayHeld) m_SetHold(0, 1);
    m_UpdateTimeDisplay(1);
}

// A file of unknown length has no end to be at: play would otherwise keep
// "continuing at the end" without ever playing.
int m_IsAtPlayEnd(int posMs, int, int)
{
    if (!g_MediaOpen || g_DurationMs <= 0) return 0;
    const int position = posMs == -1 ? m_GetCurrentPosMs() : posMs;
    return position >= g_DurationMs - kEndToleranceMs;
}

void m_SeekToPlayEnd(int before, int)
{
    if (before == -1)
        m_SetHold(1, 1);
    else if (before == -2 && g_PlayStarted && !g_PlayHeld)
        m_PlayPause(-1);
    if (g_VideoRenderer) g_VideoRenderer->m_VR_SeekNearEnd();
    m_UpdateTimeDisplay(1);
}

namespace {

// The countdown of [Common] "RptMenu" seconds, shorter for short files and
// longer for long ones: L is the playing file's length in repeat FILE,
// else the mean of the (checked) tracks whose length is known.
int m_AutoNext_ScaledMs()
{
    int ms = g_Settings.Common_RptMenu * 1000;
    long long sum = 0;
    int known = 0;
    if (g_RepeatMode == REPEAT_FILE) {
        sum = g_DurationMs;
        known = 1;
    } else {
        for (int i = 0; i < g_Playlist.m_GetCount(); ++i) {
            const STRACKINFO* t = g_Playlist.m_GetTrack(i);
            if (t->Milliseconds <= 0 || (g_Playlist.m_CheckMode && t->Unchecked)) continue;
            sum += t->Milliseconds;
            ++known;
        }
    }
    if (known == 0) return ms;
    const long long seconds = sum / known / 1000;
    if (seconds < 600) return ms / 3;
    if (seconds >= 2400) return static_cast<int>(ms * 3LL / 2);
    return ms;
}

void m_AutoNext_Place()
{
    HWND parent = g_FullScreen && g_hWndFullScreen ? g_hWndFullScreen : g_hWndMain;
    m_AutoNext_Create(parent);
    RECT rc;
    if (g_FullScreen && g_hWndFullScreen)
        GetClientRect(g_hWndFullScreen, &rc);
    else if (!m_GetVideoRect(&rc))
        return;
    m_AutoNext_SetRect(rc);
    m_AutoNext_ShowWindow(SW_SHOWNOACTIVATE);
    if (g_VideoWindow && IsWindowVisible(g_VideoWindow)) ShowWindow(g_VideoWindow, SW_HIDE);
}

}  // namespace

void m_AutoNext_Show(int show, int countdownMs, int redrawMode)
{
    if (!show) {
        m_AutoNext_ShowWindow(SW_HIDE);
        g_AutoNextActive = 0;
        if (redrawMode >= 1 && g_VideoWindow && g_MediaOpen && !IsWindowVisible(g_VideoWindow))
            ShowWindow(g_VideoWindow, SW_SHOWNOACTIVATE);
        if (redrawMode >= 2 && g_VideoWindow) InvalidateRect(g_VideoWindow, nullptr, FALSE);
        return;
    }
    if (countdownMs != 0)
        m_SetHold(1, 1);
    else if (m_IsPlaying())
        m_PlayPause(-1);
    m_SeekToPlayEnd(0, 1);
    m_AutoNext_Place();
    m_AutoNext_StartCountdown(countdownMs == -1 ? m_AutoNext_ScaledMs() : countdownMs);
    g_AutoNextActive = 1;
    m_UpdateTimeDisplay(1);
}

void m_AutoNext_Now()
{
    m_AutoNext_Show(0, 0, 1);
    m_OnPlayEnd(1);
}
