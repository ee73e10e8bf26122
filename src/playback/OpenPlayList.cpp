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

// The entry and position of a resume request (track -1 at 0): with no resume
// store the list's own start.
void m_ResumeEntry(int* track, int* startMs)
{
    *track = 0;
    *startMs = 0;
}

// The limit of the failed-open walk: the checked tracks in check mode.
int m_RetryLimit()
{
    return g_Playlist.m_CheckMode ? g_Playlist.m_CheckedTracks : g_Playlist.m_GetCount();
}

int m_OnOpenFailed(int track, int showLoadTime, int skipOnError)
{
    wchar_t text[64];
    _snwprintf(text, 63, L"FILE````OPEN````ERROR``:``%02d", track + 1);
    text[63] = 0;
    m_OSD_ShowText(text, -1, -1, -1, -1, -1, -1);
    ++g_OpenFailCount;
    const int limit = m_RetryLimit();
    if (skipOnError && g_OpenFailCount < limit) {
        const int next = m_NextTrackForRetry(track, 0);
        if (next < 0) return 0;
        return m_OpenPlayListFile(next, 0, showLoadTime, 1, 1);
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

void m_OpenThread_Abandon()
{
    if (!g_OpenThread) return;
    m_OpenThread_Release();
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
    if (track == -1 && startMs == 0) m_ResumeEntry(&track, &startMs);
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
