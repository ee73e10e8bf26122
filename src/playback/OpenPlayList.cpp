// The request side of the open road: which entry, from where, and the walk
// on after a failed open.
#include <process.h>
#include <stdio.h>

#include "app/AppMessages.h"
#include "app/MainWindow.h"
#include "app/StatusText.h"
#include "app/Startup.h"
#include "base/ErrorLog.h"
#include "base/SoundCue.h"
#include "commands/OpenCommands.h"
#include "filedata/ResumeOpen.h"
#include "library/Library.h"
#include "playback/AutoNext.h"
#include "playback/EndOfStream.h"
#include "playback/PlayState.h"
#include "playback/PlaybackEvents.h"
#include "playback/TrackChoice.h"
#include "playlist/Playlist.h"
#include "settings/Settings.h"

namespace {

wchar_t s_ThreadPath[MAX_PATH + 1];
LONG s_OpenSerial;

// The limit of the failed-open walk: the checked tracks in check mode.
int m_RetryLimit()
{
    return g_Playlist.m_CheckMode ? g_Playlist.m_CheckedTracks : g_Playlist.m_GetCount();
}

// The walk on after failed opens runs one step per timer tick, so that the
// window keeps answering between failures (a close takes effect at once) and
// a long list of broken entries never deepens the stack. Timer messages come
// last in the queue: input, paints and closes go first.
constexpr UINT_PTR kOpenWalkTimerId = 0x5A57;
constexpr DWORD kOpenWalkStepMs = 50;

struct SOPENWALK {
    int Pending;       // an entry waits to be tried
    int Track;         // that entry
    int ShowLoadTime;  // the show-load-time flag of the open that failed
};
SOPENWALK s_Walk;
int s_InWalkStep;

void CALLBACK m_OpenWalk_OnTimer(HWND, UINT, UINT_PTR, DWORD);

void m_OpenWalk_Schedule()
{
    if (!SetTimer(g_hWndMain, kOpenWalkTimerId, USER_TIMER_MINIMUM, m_OpenWalk_OnTimer)) {
        m_WriteLog(L"OPEN_%d : Error / SetTimer() = %lu", __LINE__, GetLastError());
        s_Walk.Pending = 0;
    }
}

void m_OpenWalk_Arm(int track, int showLoadTime)
{
    s_Walk.Pending = 1;
    s_Walk.Track = track;
    s_Walk.ShowLoadTime = showLoadTime;
    // Inside a step the step's own loop goes on; the timer is armed after it.
    if (!s_InWalkStep) m_OpenWalk_Schedule();
}

// Tries waiting entries until one step's time is used, then yields.
void CALLBACK m_OpenWalk_OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    KillTimer(g_hWndMain, kOpenWalkTimerId);
    const DWORD began = GetTickCount();
    s_InWalkStep = 1;
    while (s_Walk.Pending && GetTickCount() - began < kOpenWalkStepMs) {
        s_Walk.Pending = 0;
        // The list may have changed under a waiting step.
        if (s_Walk.Track < 0 || s_Walk.Track >= g_Playlist.m_GetCount()) break;
        m_OpenPlayListFile(s_Walk.Track, 0, s_Walk.ShowLoadTime, 1, 1);
    }
    s_InWalkStep = 0;
    if (s_Walk.Pending) m_OpenWalk_Schedule();
}

int m_OnOpenFailed(int track, int showLoadTime, int skipOnError)
{
    m_ShowOpenError(track);
    ++g_OpenFailCount;
    wchar_t text[64];
    const int limit = m_RetryLimit();
    if (skipOnError && g_OpenFailCount < limit) {
        const int next = m_NextTrackForRetry(track, 0);
        if (next < 0) return 0;
        m_OpenWalk_Arm(next, showLoadTime);
        return 1;
    }
    _snwprintf(text, 63, L"FILE````OPEN````ERROR````:````%d````FILES", limit);
    text[63] = 0;
    m_OSD_ShowText(text, -1, 5000, -1, -1, -1, -1);
    m_PlaySoundCue(1);
    return 0;
}

int m_OpenOnThread(int track)
{
    m_CreateVideoWindow();
    lstrcpynW(s_ThreadPath, g_Playlist.m_GetTrack(track)->Path, MAX_PATH + 1);
    const LONG serial = InterlockedIncrement(&s_OpenSerial);
    HANDLE thread = reinterpret_cast<HANDLE>(_beginthreadex(
        nullptr, 0, m_OpenFileThreadProc, reinterpret_cast<void*>(INT_PTR(serial)), 0, nullptr));
    if (!thread) {
        m_WriteLog(L"E1001 : OpenFile (0x%08X) / [%d/%d] %s", HRESULT_FROM_WIN32(GetLastError()),
                   track + 1, g_Playlist.m_GetCount(), s_ThreadPath);
        return 0;
    }
    g_OpenThread = thread;
    return 1;
}

}  // namespace

int m_OpenSerial() { return static_cast<int>(s_OpenSerial); }

void m_ShowOpenError(int track)
{
    wchar_t text[64];
    _snwprintf(text, 63, L"FILE````OPEN````ERROR``:``%02d", track + 1);
    text[63] = 0;
    m_OSD_ShowText(text, -1, -1, -1, -1, -1, -1);
}

void m_OpenWalk_Cancel()
{
    s_Walk.Pending = 0;
    if (!s_InWalkStep && g_hWndMain) KillTimer(g_hWndMain, kOpenWalkTimerId);
}

void m_OpenThread_Abandon()
{
    if (!g_OpenThread) return;
    m_OpenThread_Join();
    InterlockedIncrement(&s_OpenSerial);
}

unsigned __stdcall m_OpenFileThreadProc(void* serial)
{
    const HRESULT co = CoInitialize(nullptr);
    const int opened = OpenFile(s_ThreadPath);
    PostMessageW(g_hWndMain, WM_APP_OPENDONE, opened ? 1 : 0, reinterpret_cast<LPARAM>(serial));
    if (SUCCEEDED(co)) CoUninitialize();
    return 0;
}

int m_OpenPlayListFile(int track, int startMs, int showLoadTime, int startState, int skipOnError)
{
    const int count = g_Playlist.m_GetCount();
    if (count <= 0) {
        if (!g_PendingPath[0]) return 0;
        wchar_t path[MAX_PATH + 1];
        lstrcpynW(path, g_PendingPath, MAX_PATH + 1);
        return m_OpenFile(path, startState, showLoadTime, 1, 1, -1);
    }
    g_DefaultListOpened = 0;
    // Any open but the walk's own next step ends a waiting walk.
    if (!s_InWalkStep) m_OpenWalk_Cancel();
    // The list's resume entry; a list without one opens afresh.
    if (track == -1 && startMs == 0 && !m_Resume_ListEntry(&track, &startMs)) {
        wchar_t path[MAX_PATH + 1];
        lstrcpynW(path, g_ListPath, MAX_PATH + 1);
        return m_OpenFile(path, startState, showLoadTime, 1, 1, -1);
    }
    if (startMs == -1) {
        startMs = 0;
        track = m_NextPlayableTrack(track);
    }
    if (track < 0 || track >= count) {
        m_WriteLog(L"E1009 : ResumeInfo / FileCount=%d Index=%d", count, track + 1);
        track = 0;
    }
    if (g_AutoNextActive) m_AutoNext_Show(0, -1, 1);
    m_OpenThread_Abandon();
    if (g_MediaOpen) {
        g_FsFitCarryOver = -1;
        m_CloseMedia(0);
    }
    g_PlayingTrack = track;
    g_Playlist.m_SelectPlayingItem(1, 1, -1);
    g_OpenRequest.nTrack = track;
    g_OpenRequest.nStartMs = startMs;
    g_OpenRequest.nStartState = startState;
    g_OpenRequest.bShowLoadTime = showLoadTime;
    if (g_Settings.Main_Thread) return m_OpenOnThread(track);

    if (!OpenFile(g_Playlist.m_GetTrack(track)->Path))
        return m_OnOpenFailed(track, showLoadTime, skipOnError);
    if (m_Launcher_IsShown()) {
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        m_Launcher_Show(0, 1, 1);
    }
    m_OpenFile_Complete(1);
    g_OpenFailCount = 0;
    return 1;
}
