#include "app/MessageLoop.h"

#include "app/AboutBox.h"
#include "app/MainWindow.h"
#include "app/Startup.h"
#include "app/ToolWindows.h"
#include "filedata/DataFiles.h"
#include "library/Library.h"
#include "options/OptionKeys.h"
#include "playlist/Playlist.h"
#include "settings/SettingsMain.h"
#include "timer/TimerOwner.h"

namespace {

int m_IsKeyMessage(const MSG& msg)
{
    return msg.message == WM_KEYDOWN || msg.message == WM_KEYUP || msg.message == WM_MOUSEWHEEL;
}

HWND m_TopLevelOf(HWND hwnd)
{
    while (hwnd && (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD)) hwnd = GetParent(hwnd);
    return hwnd;
}

// The key handler of the tool window that owns the target, if any.
int m_ToolWindowKey(MSG* msg, HWND top)
{
    if (top == g_Playlist.m_GetWindow()) return g_Playlist.m_PreTranslateKey(msg);
    if (m_Favorite_PreTranslateKey(top, msg->message, msg->wParam)) return 1;
    if (m_OptionDlg_PreTranslateKey(top, msg->message, msg->wParam, msg->lParam)) return 1;
    if (m_TimerDlg_PreTranslateKey(top, msg->message, msg->wParam, msg->lParam)) return 1;
    if (m_RenameDlg_PreTranslateKey(top, msg->message, msg->wParam)) return 1;
    return m_AboutBox_PreTranslateKey(top, msg->message, msg->wParam);
}

// 1 when a pre-filter consumed the message.
int m_PreFilter(MSG* msg)
{
    if (msg->message == WM_SYSKEYDOWN && msg->wParam == VK_F10) msg->message = WM_KEYDOWN;
    if (!m_IsKeyMessage(*msg)) return 0;
    if (msg->hwnd == g_hWndMain) {
        if (m_MainWnd_PreTranslateKey(msg)) return 1;
        return m_Launcher_IsShown() && m_Launcher_PreTranslateKey(msg);
    }
    HWND top = m_TopLevelOf(msg->hwnd);
    if (!top || top == g_hWndMain) return 0;
    return m_ToolWindowKey(msg, top);
}

}  // namespace

namespace {

// The playlist window's track list takes the focus, or with Shift held its
// marker or chapter list.
int m_FocusPlaylistLists()
{
    HWND playlist = g_Playlist.m_GetWindow();
    if (!playlist) return 0;
    HWND list = g_Playlist.m_GetTrackList();
    if (list && IsWindowVisible(list))
        g_Playlist.m_FocusList(GetKeyState(VK_SHIFT) >= 0);
    else
        SetFocus(playlist);
    return 1;
}

}  // namespace

// Tab moves the focus from the main window to the tool window used last,
// or to the playlist window when that one is set to be open.
int m_MainWnd_PreTranslateKey(MSG* msg)
{
    if (msg->message != WM_KEYDOWN || msg->wParam != VK_TAB) return 0;
    HWND last = m_GetLastToolWindow();
    if (last && IsWindow(last) && IsWindowVisible(last)) {
        if (last != g_Playlist.m_GetWindow()) {
            SetFocus(last);
            return 1;
        }
        return m_FocusPlaylistLists();
    }
    HWND playlist = g_Playlist.m_GetWindow();
    if (g_MainWindowState.nPlaylistWindow > 0 && playlist && IsWindowVisible(playlist))
        return m_FocusPlaylistLists();
    return 0;
}

int m_RunMessageLoop()
{
    MSG msg;
    BOOL got;
    while ((got = GetMessageW(&msg, nullptr, 0, 0)) != 0) {
        if (got == -1) break;
        if (m_PreFilter(&msg)) continue;
        if (g_hAccelMain && TranslateAcceleratorW(msg.hwnd, g_hAccelMain, &msg)) continue;
        if (g_hDlgCurrent && IsDialogMessageW(g_hDlgCurrent, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return got == -1 ? 0 : (int)msg.wParam;
}
