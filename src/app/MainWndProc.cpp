// The main window procedure: routes each message to its handler.
#include "app/MainWindow.h"

#include "app/CommandLine.h"
#include "app/DpiChange.h"
#include "app/InstanceNoticeReceiver.h"
#include "app/PlaylistFollow.h"
#include "app/Shutdown.h"
#include "app/Startup.h"
#include "app/ToolWindows.h"
#include "playback/PlaybackControl.h"
#include "settings/SettingsMain.h"

namespace {

// The second start's command line: UTF-16 text of exactly cbData bytes
// ending in its terminating zero; anything else is ignored.
LPCWSTR m_CopyDataText(const COPYDATASTRUCT* data)
{
    if (!data || !data->lpData || data->cbData < sizeof(wchar_t)) return nullptr;
    if (data->cbData % sizeof(wchar_t) != 0) return nullptr;
    const wchar_t* text = static_cast<const wchar_t*>(data->lpData);
    size_t count = data->cbData / sizeof(wchar_t);
    if (text[count - 1] != 0) return nullptr;
    return text;
}

LRESULT m_OnCopyData(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    LPCWSTR line = m_CopyDataText(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    if (line) {
        if (g_PlayState != 0) m_CloseFile(1, 0, 1, 1);
        SCOMMANDLINE cmd;
        m_InitCommandLine(&cmd);
        if (m_ParseCommandLine(&cmd, line)) m_OpenCommandLine(&cmd);
        m_FreeCommandLine(&cmd);
    }
    return DefWindowProcW(hwnd, WM_COPYDATA, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK MainWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
        case WM_COPYDATA:
            return m_OnCopyData(hwnd, wParam, lParam);
        case WM_MOVE:
            m_OnMainWindowMoved();
            break;
        case WM_ACTIVATE:
            m_RaiseToolWindows(hwnd, reinterpret_cast<HWND>(lParam), LOWORD(wParam));
            break;
        case WM_EXITSIZEMOVE:
            m_PlaylistWnd_ShowAfterMove();
            break;
        case WM_DPICHANGED:
            m_OnDpiChanged(LOWORD(wParam), reinterpret_cast<const RECT*>(lParam));
            break;
        case WM_CLOSE:
            m_Shutdown();
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        case WM_TIMER:
            if (wParam != kMainSaveTimerId) break;
            m_Settings_WriteMain(0, g_MainSavePending);
            return 0;
    }
    if (g_NotifyMessage && msg == g_NotifyMessage) {
        m_OnInstanceNotice(wParam);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}
