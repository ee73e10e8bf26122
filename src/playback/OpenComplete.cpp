// The completion of an open: start position, start state, the first frame
// of a video, and the file-open thread's end.
#include "app/OsdBars.h"
#include "app/StatusText.h"
#include "app/TimeDisplay.h"
#include "app/ToolWindowPlacement.h"
#include "app/WindowHelpers.h"
#include "base/ErrorLog.h"
#include "base/UiLook.h"
#include "engine/VideoRenderer.h"
#include "filedata/ChapterTracking.h"
#include "filedata/PlayRangeState.h"
#include "filedata/PlayRanges.h"
#include "playback/EndOfStream.h"
#include "playback/MediaPath.h"
#include "playback/PlaybackControl.h"
#include "playback/PlayPause.h"
#include "playback/PlaybackEvents.h"
#include "playback/PlayState.h"
#include "playback/VolumeControl.h"
#include "playlist/Playlist.h"
#include "playlist/ScanThread.h"
#include "settings/InstanceNotice.h"
#include "settings/Settings.h"
#include "settings/SettingsMain.h"

namespace {

constexpr DWORD kAutoStopWindowMs = 2000;
constexpr DWORD kThreadWaitMs = 3000;
// A close or another open waits for the open still running on the thread:
// it fills the one engine, and a process that ends under a graph build ends
// with a crash in Wine's media back end. Only a build that never returns is
// given up.
constexpr DWORD kThreadJoinMs = 30000;

// Waits for the thread while answering what it sends to this thread's
// windows (the title and the status bar it updates): a plain wait would hold
// it in its send until the wait gave up. Posted messages stay queued.
DWORD m_WaitAnsweringSends(HANDLE thread, DWORD limitMs)
{
    const ULONGLONG start = GetTickCount64();
    for (;;) {
        const ULONGLONG spent = GetTickCount64() - start;
        const DWORD left = spent >= limitMs ? 0 : static_cast<DWORD>(limitMs - spent);
        const DWORD result = MsgWaitForMultipleObjectsEx(1, &thread, left, QS_SENDMESSAGE, 0);
        if (result != WAIT_OBJECT_0 + 1) return result;
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

void m_WaitForOpenThread(DWORD limitMs)
{
    if (!g_OpenThread) return;
    if (m_WaitAnsweringSends(g_OpenThread, limitMs) != WAIT_OBJECT_0)
        m_WriteLog(L"OPEN_%d : Error / the file-open thread runs after %u ms", __LINE__, limitMs);
    CloseHandle(g_OpenThread);
    g_OpenThread = nullptr;
}

void m_ShowLoadTime()
{
    wchar_t text[64];
    const double seconds = (timeGetTime() - g_OpenRequest.dwLoadTick) / 1000.0;
    m_FormatW64(text, 64, L"LOAD``TIME``=``%.3f``SEC", seconds);
    m_OSD_ShowText(text, 1, 3000, 0, 30, -1, 0);
}

// Seeks with the engine's graph kept where it is, then pauses it.
void m_LandPaused(int startMs)
{
    if (startMs < 0) startMs = 0;
    if (startMs > 0) g_VideoRenderer->m_VR_SetPosition(LONGLONG(startMs) * 10000);
    g_VideoRenderer->m_VR_Pause();
}

// Start state 1, 2 or 3 on the opened file.
void m_ApplyStartState(int state, int p)
{
    if (state == 1) {
        if (g_CmdLineNamedFiles) m_NotifyOtherInstances(NOTICE_OPENED, 0);
        if (p == 0) {
            m_Chapter_JumpFirst();
            m_PlayPause(-1);
        } else {
            m_PlayPause(p == -2 ? 0 : p);
        }
    } else if (state == 2) {
        g_PlayState = 4;
        g_PlayStarted = 0;
        m_LandPaused(p);
    } else if (state == 3) {
        m_LandPaused(p);
        g_PlayHeld = 1;
        g_PlayStarted = 1;
        g_PlayState = 5;
    }
    // Started past the first chapter: the chapter there is the current one.
    if (p > 0) m_Chapter_AfterSeek();
    m_UpdateTimeDisplay(1);
}

// The opened entry becomes the playlist window's shown track: its row is
// selected and its chapters, ranges and markers show.
void m_ShowPlayingEntry()
{
    if (!g_Playlist.m_GetWindow() || g_PlayingTrack < 0) return;
    g_Playlist.m_SetCurrentTrack(g_PlayingTrack);
    if (g_PlaylistView.bAdjust) g_Playlist.m_LayoutLists(1);
    g_Playlist.m_SelectTrackRow(g_PlayingTrack, -1);
    g_Playlist.m_RefreshTrackRows();
}

// The controller bars show the new title for ten times [Osc] "TmOpen"; the
// bottom bar hides only in mode 2. Shown here, on the UI thread (the
// file-open thread owns no window) and after the start's own play, which
// would hide them at once.
void m_ShowBarsOnOpen()
{
    if (!g_Settings.Osc_Mode) return;
    m_OSD_SetBarsTitle(g_MediaFileName);
    m_OSD_SetBarsVolume(g_MainWindowState.nVolume / 100);
    const int hideMs = g_Settings.Osc_TmOpen * 10;
    m_OSD_ShowBars(1, hideMs, 1, g_Settings.Osc_Mode == 2 ? hideMs : -1, 1);
}

// The play range the request carried: bounds given by start and end, or a
// stored range of the opened entry.
void m_ApplyPendingRange()
{
    if (!g_OpenRequest.bRangePending) return;
    g_OpenRequest.bRangePending = 0;
    if (g_OpenRequest.nRangeIndex == -1)
        m_PlayRange_SetBounds(1, g_OpenRequest.nRangeStartMs, g_OpenRequest.nRangeEndMs);
    else
        m_PlayRange_Select(-1, g_OpenRequest.nRangeIndex, 0, 0);
}

int m_AutoStop(int state)
{
    if (!g_AutoStopPending) return state;
    g_AutoStopPending = 0;
    if (state == 1 && GetTickCount() - g_AutoStopTick < kAutoStopWindowMs) {
        m_OSD_ShowText(L"AUTO STOP", 0, 5000, -1, -1, -1, -1);
        return 2;
    }
    return state;
}

}  // namespace

int g_CmdLineNamedFiles;

void m_OpenFile_Complete(int opened)
{
    int p = g_OpenRequest.nStartMs;
    if (p == 0 && g_PlayRangeOn && g_PlayRangeStart != -1) p = g_PlayRangeStart;
    if (opened && g_VideoRenderer) {
        if (p > g_DurationMs) p = 0;
        int state = g_OpenRequest.nStartState;
        if (g_Duration100ns == 0 && state == 1) state = 0;
        state = m_AutoStop(state);
        m_ApplyPendingRange();
        // The sound starts at the stored level, not at the file's own.
        m_Volume_ApplyOnOpen();
        m_ApplyStartState(state, p);
        m_ShowPlayingEntry();
        m_ShowBarsOnOpen();
        if (g_OpenRequest.bOsdAfterOpen && g_OpenRequest.bShowLoadTime &&
            g_OpenRequest.dwLoadTick && g_MediaKind != MEDIA_KIND_VIDEO)
            m_ShowLoadTime();
        if (state >= 1 && state <= 3 && g_MediaKind != MEDIA_KIND_VIDEO) m_Scan_StartForOpen();
    }
    // A failed open on the file-open thread is not walked on, but the user
    // is told, as on the UI thread.
    if (!opened) m_ShowOpenError(g_OpenRequest.nTrack);
    g_KeepJumpList = 0;
    if (!opened || g_MediaKind != MEDIA_KIND_VIDEO) g_OpenRequest = SOPENREQUEST{};
    m_UpdateToolbar();
}

void m_Playback_OnFrameShown()
{
    if (g_PlayState != 2) return;
    if (g_OpenRequest.bShowLoadTime && g_OpenRequest.bOsdAfterOpen && g_OpenRequest.dwLoadTick)
        m_ShowLoadTime();
    g_OpenRequest = SOPENREQUEST{};
    g_PlayState = g_PlayStarted ? 5 : 4;
    m_UpdateToolbar();
    m_UpdateTimeDisplay(1);
    // The play that started the open found the state still loading: "PlyTop"
    // takes effect only now that it plays.
    m_SetTopMostState();
    m_Scan_StartForOpen();
}

void m_Playback_SetAutoStop(DWORD tick)
{
    g_AutoStopPending = 1;
    g_AutoStopTick = tick;
}

void m_OpenThread_Release() { m_WaitForOpenThread(kThreadWaitMs); }

void m_OpenThread_Join() { m_WaitForOpenThread(kThreadJoinMs); }

void m_PlayRange_SetPending(int pending, int single, int from, int to)
{
    g_OpenRequest.bRangePending = pending;
    g_OpenRequest.nRangeIndex = single;
    g_OpenRequest.nRangeStartMs = from;
    g_OpenRequest.nRangeEndMs = to;
}
