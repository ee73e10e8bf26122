#include "app/AppMessages.h"
#include "app/ExitRequest.h"
#include "app/FullScreenState.h"
#include "app/HitTests.h"
#include "app/InstanceNoticeReceiver.h"
#include "app/MainWindow.h"
#include "app/MainWndRouting.h"
#include "app/StatusText.h"
#include "app/WindowSize.h"
#include "app/Startup.h"
#include "commands/CommandHandlers.h"
#include "controls/Statusbar.h"
#include "filedata/ChapterTracking.h"
#include "library/Library.h"
#include "library/LibraryNotices.h"
#include "playback/PlaybackControl.h"
#include "playback/FrameStep.h"
#include "playback/PlaybackEvents.h"
#include "playback/PlaybackRate.h"
#include "playback/SeekPreview.h"
#include "playlist/Playlist.h"
#include "playlist/ScanNotices.h"

int g_FsHitCode;

namespace {

UINT g_SysAudioMessage;

void m_OnOpenDone(WPARAM success, LPARAM serial)
{
    // An open abandoned for a newer one: its thread has ended, nothing else.
    if (static_cast<int>(serial) != m_OpenSerial()) return;
    if (m_Launcher_IsShown()) {
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        m_Launcher_Show(0, 1, 1);
    }
    m_OpenFile_Complete(success != 0);
    g_OpenFailCount = 0;
    if (success) m_Recent_AddCurrent();
    m_OpenThread_Release();
}

// The full-screen layout as the hit test reads it; the overlays take their
// rectangles from the full-screen window once it shows them.
void m_GatherFsLayout(SFSHITLAYOUT* l)
{
    ZeroMemory(l, sizeof(*l));
    l->bFullScreen = g_FullScreen != 0;
    l->bFileOpen = g_PlayState != 0;
    l->nDpiPercent = g_DpiPercent > 0 ? g_DpiPercent : 100;
    HWND bar = g_FullScreenStatusBar.m_GetHwnd();
    if (bar && GetWindowRect(bar, &l->rcStatusBar) && g_hWndFullScreen)
        MapWindowPoints(nullptr, g_hWndFullScreen, reinterpret_cast<POINT*>(&l->rcStatusBar), 2);
}

LRESULT m_OnFsHitTest(LPARAM lParam)
{
    POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (g_hWndFullScreen) ScreenToClient(g_hWndFullScreen, &pt);
    SFSHITLAYOUT layout;
    m_GatherFsLayout(&layout);
    g_FsHitCode = m_ClassifyFsHit(layout, pt);
    return 0;
}

void m_OnMenuDismissed(WPARAM button)
{
    POINT pt;
    if (!GetCursorPos(&pt)) return;
    HWND under = WindowFromPoint(pt);
    if (!under || !m_IsReplayTarget(GetAncestor(under, GA_ROOT))) return;
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = button == 2 ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    SendInput(1, &input, sizeof(input));
}

void m_OnMenuClosing(LPARAM menuId)
{
    switch (menuId) {
        case 2319:
        case 2320:
            m_Favorite_OnFolderMenuClosed();
            break;
        case 2322:
        case 2323:
        case 2324:
        case 2325:
        case 4607:
            m_Recent_DeletePending();
            break;
    }
}

// The messages whose result is the handler's own.
int m_OnReplyingMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (msg) {
        case WM_APP_GRAPHEVENT:
            m_Playback_OnGraphEvents();
            *result = 0;
            return 1;
        case WM_APP_FSHITTEST:
            *result = m_OnFsHitTest(lParam);
            return 1;
        case WM_APP_NOTIFYMAIN:
            *result = m_OnNotifyMain(wParam, lParam);
            return 1;
        case WM_APP_MENUSUBMENU:
            *result = m_Menu_OnSubmenu(wParam, lParam);
            return 1;
        case WM_APP_MENUGETTIP:
            *result = m_Menu_GetTipText(wParam, lParam);
            return 1;
        case WM_APP_MENUCLOSING:
            m_OnMenuClosing(lParam);
            *result = 1;
            return 1;
    }
    return 0;
}

// The messages handled on the UI thread and then passed on.
int m_OnPassingMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
        case WM_APP_OPTDLGCLOSED:
            m_ExitApplication_OnOptionsFilled();
            return 1;
        case WM_APP_SCANDONE:
            m_Playlist_OnScanDone();
            return 1;
        case WM_APP_OPENDONE:
            m_OnOpenDone(wParam, lParam);
            return 1;
        case WM_APP_RECENTCHECKED:
            m_Recent_OnChecked();
            return 1;
        case WM_APP_RECENTCHECKDONE:
            m_Recent_OnCheckDone();
            return 1;
        case WM_APP_SCANITEM:
            m_Playlist_OnScanItem(static_cast<int>(wParam));
            return 1;
        case WM_APP_TIMESTRETCH:
            m_Rate_Set(static_cast<int>(wParam), 0, 0);
            return 1;
        case WM_APP_SCANPROGRESS:
            m_Playlist_OnScanProgress();
            return 1;
        case WM_APP_FRAMESHOWN:
            m_FrameStep_OnFrameShown(m_SeekBar_DragPending());
            m_ContinuousSeek_OnFrameShown();
            m_Playback_OnFrameShown();
            return 1;
        case WM_APP_CHAPTERCHANGED:
            m_Chapter_TrackCurrent(-1, m_IsPlaying(), 1);
            return 1;
        case WM_APP_STOPREACHED:
            m_PlayRange_OnEnd(0);
            return 1;
        case WM_APP_PREVIEWOPENED:
            if (m_SeekPreview_IsActive()) m_SeekPreview_OnOpened(wParam ? 1 : 0);
            return 1;
        case WM_APP_PREVIEWSHOWN:
            if (m_SeekPreview_IsActive()) m_SeekPreview_OnShown();
            return 1;
        case WM_APP_MENUCOMMAND:
            m_OnMenuCommand(wParam, lParam);
            return 1;
        case WM_APP_MENUCLOSED:
            m_ExitApplication_OnMenuClosed();
            return 1;
        case WM_APP_MENUDISMISSED:
            m_OnMenuDismissed(wParam);
            return 1;
    }
    return 0;
}

}  // namespace

LRESULT m_OnControlNotify(int id, int notification, LPARAM data)
{
    if (id < 32969 || id > 33267) return 1;
    return m_OnCtrlCommand(id, notification, data);
}

int m_IsReplayTarget(HWND root)
{
    if (!root) return 0;
    return root == g_hWndMain || (g_hWndFullScreen && root == g_hWndFullScreen) ||
           root == m_Favorite_GetWindow() || root == g_Playlist.m_GetWindow() ||
           root == g_hDlgCurrent;
}

LRESULT m_OnAppMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, BOOL* handled)
{
    *handled = TRUE;
    LRESULT result = 0;
    if (m_OnReplyingMessage(msg, wParam, lParam, &result)) return result;
    if (m_OnPassingMessage(msg, wParam, lParam)) return DefWindowProcW(hwnd, msg, wParam, lParam);
    if (g_NotifyMessage && msg == g_NotifyMessage) {
        m_OnInstanceNotice(wParam);
        return 0;
    }
    if (!g_SysAudioMessage) g_SysAudioMessage = RegisterWindowMessageW(ZV_SYSAUDIO_NOTIFY_NAME);
    if (msg == g_SysAudioMessage) {
        m_SysVol_OnNotify(wParam, lParam);
        return 0;
    }
    *handled = FALSE;
    return 0;
}
