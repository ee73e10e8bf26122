// What the main window does on the notices of its tool windows, controls,
// overlays and options pages. Every result is 0 but the launcher's open.
#include "commands/MainNotices.h"

#include "app/FullScreenState.h"
#include "app/LayoutSnap.h"
#include "app/MainWindowLook.h"
#include "app/WindowSize.h"
#include "app/WindowTitle.h"
#include "commands/CommandHandlers.h"
#include "commands/ListResumeNotices.h"
#include "commands/OpenCommands.h"
#include "commands/PlaylistNotices.h"
#include "library/Favorites.h"
#include "library/LauncherCommands.h"
#include "library/LauncherTiles.h"
#include "library/Library.h"
#include "playback/AudioDeviceSelect.h"
#include "playback/AutoNext.h"
#include "playback/ControlBarState.h"
#include "playback/EndOfStream.h"
#include "playback/PlayPause.h"
#include "playlist/Playlist.h"
#include "playlist/ScanThread.h"
#include "playlist/Shuffle.h"
#include "timer/TimerDialogCalls.h"

namespace {

constexpr int kNoticePathCap = MAX_PATH + 2;

// Opens a path the way a favorites item or launcher tile asks: replacing
// the list (how 0), or added and opened without replacing, scanning the
// durations (1); the open's result.
int m_OpenNoticePath(const wchar_t* path, int how)
{
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    int result = 0;
    if (how == 0) {
        result = m_OpenFile(path, 1, 1, 0, 1, -1) ? 1 : 0;
    } else {
        const int before = g_Playlist.m_GetCount();
        if (g_Playlist.m_AddPlayListFile(path, 1)) {
            result = m_OpenPlayListFile(before, 0, 1, 1, 0);
            m_StartScanThread();
        }
    }
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    return result;
}

void m_OnFavoritesNotice(WPARAM code, LPARAM value)
{
    if (code == NOTICE_FAVO_CHANGED) {
        if (m_Launcher_IsShown()) m_Launcher_RefreshLists(4, 1);
        return;
    }
    wchar_t path[kNoticePathCap];
    if (!m_NoticePath(value, path, kNoticePathCap)) return;
    if (code == NOTICE_FAVO_OPEN)
        m_OpenNoticePath(path, 0);
    else if (code == NOTICE_FAVO_OPEN_ADD)
        m_OpenNoticePath(path, 1);
    else if (code == NOTICE_FAVO_ADD)
        g_Playlist.m_AddPlayListFile(path, 1);
}

void m_RepaintVideo(LPARAM update) { m_InvalidateVideoWnd(g_FullScreen ? 1 : 0, update ? 1 : 0); }

// The launcher's open answers with the open's result, 2 when the launcher
// keeps the video playing in its mode.
LRESULT m_OnLauncherNotice(WPARAM code, LPARAM value)
{
    if (code == NOTICE_LAUNCHER_REPAINT) {
        m_RepaintVideo(value);
        return 0;
    }
    if (code == NOTICE_LAUNCHER_FAVO_TREE) {
        if (m_Favorite_GetWindow()) g_Favorite.m_RefreshTree(1, 1);
        return 0;
    }
    const wchar_t* tile = m_Launcher_GetTilePath((int)value);
    if (!tile || !tile[0]) return 0;
    wchar_t path[kNoticePathCap];
    lstrcpynW(path, tile, kNoticePathCap);
    if (code == NOTICE_LAUNCHER_OPEN) {
        const int opened = m_OpenNoticePath(path, 0);
        return opened == 1 && m_Launcher_HoldsPlayback() ? 2 : opened;
    }
    if (code == NOTICE_LAUNCHER_OPEN_ADD) m_OpenNoticePath(path, 1);
    if (code == NOTICE_LAUNCHER_ADD) g_Playlist.m_AddPlayListFile(path, 1);
    return 0;
}

// The playlist changed: the open-files list's resume data, the title and
// control bar, the shuffle order, the launcher's lists and the scan.
void m_OnPlaylistChanged(LPARAM value)
{
    m_ListResume_OnNotice(kNoticePlaylistChanged, value);
    m_UpdateWindowTitle();
    m_UpdateToolbar();
    if (g_ShuffleSize && g_ListType != LIST_NONE) m_Shuffle_Build(0);
    if (m_Launcher_IsShown()) m_Launcher_RefreshLists(1 | 2, 0);
    if (value) m_StartScanThread();
}

void m_OnSmallNotice(WPARAM code, LPARAM value)
{
    switch (code) {
        case NOTICE_PLAYLIST_ACTIVATED:
            if (value && reinterpret_cast<HWND>(value) == g_Playlist.m_GetWindow())
                m_OnActivateColors(1, 0);
            break;
        case NOTICE_FAVO_MOVING:
            m_BuildSnapTargets(reinterpret_cast<HWND>(value), 1);
            break;
        case NOTICE_TIMER_TEXT:
            m_SetTimerText((int)value);
            break;
        case NOTICE_TIMER_FIRE_ON:
            m_OnTimer_Fire();
            break;
        case NOTICE_TIMER_FIRE_OFF:
            m_OffTimer_Fire();
            break;
        case NOTICE_AUTONEXT_NOW:
            m_AutoNext_Now();
            break;
        case NOTICE_AUTONEXT_CANCEL:
            m_AutoNext_Show(0, 0, 2);
            break;
        case NOTICE_AUTONEXT_PAUSE:
            m_Pause();
            break;
        case NOTICE_JUMPLIST_VIEW:
            m_ApplyVideoRect(-1, 0);
            m_RepaintVideo(value);
            break;
        case NOTICE_AUDIO_DEVICE:
            m_AudioDevice_Apply(1);
            break;
    }
}

}  // namespace

int m_NoticePath(LPARAM value, wchar_t* out, int cap)
{
    if (!out || cap < kNoticePathCap) return 0;
    out[0] = 0;
    // Another thread's or process's pointer means nothing here.
    if (!value || (InSendMessageEx(nullptr) & ISMEX_SEND)) return 0;
    const wchar_t* text = reinterpret_cast<const wchar_t*>(value);
    MEMORY_BASIC_INFORMATION mem = {};
    if (!VirtualQuery(text, &mem, sizeof(mem)) || mem.State != MEM_COMMIT) return 0;
    const DWORD readable = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ |
                           PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
    if (!(mem.Protect & readable) || (mem.Protect & PAGE_GUARD)) return 0;
    const BYTE* end = static_cast<const BYTE*>(mem.BaseAddress) + mem.RegionSize;
    const INT_PTR room = (end - reinterpret_cast<const BYTE*>(text)) / (INT_PTR)sizeof(wchar_t);
    const int limit = room < MAX_PATH + 1 ? (int)room : MAX_PATH + 1;
    for (int i = 0; i < limit; ++i) {
        out[i] = text[i];
        if (!text[i]) return i > 0;
    }
    out[0] = 0;
    return 0;
}

LRESULT m_OnNotifyMain(WPARAM code, LPARAM value)
{
    if (code == kNoticePlaylistChanged) {
        m_OnPlaylistChanged(value);
        return 0;
    }
    if (code >= 2001 && code <= 2050) {
        m_OnPlaylistNotice(code, value);
        return 0;
    }
    if (code >= NOTICE_FAVO_CHANGED && code <= NOTICE_FAVO_ADD) {
        m_OnFavoritesNotice(code, value);
        return 0;
    }
    if (code >= NOTICE_LAUNCHER_OPEN && code <= NOTICE_LAUNCHER_FAVO_TREE)
        return m_OnLauncherNotice(code, value);
    if (code == NOTICE_OPTION_CHANGED) {
        m_OnOptionChanged((int)value);
        return 0;
    }
    if (m_ListResume_OnNotice(code, value)) return 0;
    if (m_OnOptionNotice(code, value)) return 0;
    m_OnSmallNotice(code, value);
    return 0;
}
