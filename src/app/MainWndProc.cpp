// The main window procedure: routes each message to its handler.
#include "app/MainWindow.h"

#include "app/CommandLine.h"
#include "app/DpiChange.h"
#include "app/ExitRequest.h"
#include "app/FullScreenState.h"
#include "app/HitTests.h"
#include "app/Layout.h"
#include "app/MMTimerRelay.h"
#include "app/MainTimers.h"
#include "app/MainWindowLook.h"
#include "app/MainWndRouting.h"
#include "app/Overlay.h"
#include "app/PlaylistDock.h"
#include "app/PlaylistFollow.h"
#include "app/PointerInput.h"
#include "app/PopupMenu.h"
#include "app/PowerNotices.h"
#include "app/Startup.h"
#include "app/ToolWindows.h"
#include "app/WindowSize.h"
#include "commands/CommandHandlers.h"
#include "controls/LayeredWnd.h"
#include "jumplist/JumpListView.h"
#include "playback/PlaybackControl.h"
#include "playback/PlaybackEvents.h"
#include "settings/Settings.h"
#include "settings/SettingsMain.h"

namespace {

// The sizing border WM_NCHITTEST found last, for WM_SETCURSOR.
int g_SizingBorder;
DWORD g_MinimisedTick;

int m_IsSizingBorder(int hit) { return hit >= HTLEFT && hit <= HTBOTTOMRIGHT; }

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

void m_OnSize(WPARAM type, LPARAM lParam)
{
    if (type == SIZE_MINIMIZED) {
        m_SetControlBarMode(0);
        if (g_Settings.Common_MinStop[0] && m_IsPlaying()) {
            m_Pause();
            g_MinimisedTick = GetTickCount();
        }
        m_HideFollowersWhileMinimised(1);
        return;
    }
    m_HideFollowersWhileMinimised(0);
    const int wasMaximized = g_MainWindowState.bMaximized;
    m_Layout_OnSize(static_cast<UINT>(type), LOWORD(lParam), HIWORD(lParam));
    // Maximising or restoring refits the video to the new area.
    const int maximized = type == SIZE_MAXIMIZED;
    if (maximized != wasMaximized) m_SetMaximized(maximized);
}

LRESULT m_OnNcHitTest(HWND hwnd, LPARAM lParam)
{
    int hit = static_cast<int>(DefWindowProcW(hwnd, WM_NCHITTEST, 0, lParam));
    if (m_IsSizingBorder(hit) && m_Layout_AspectSizingApplies() && !g_FullScreen) {
        RECT rc;
        POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (GetWindowRect(hwnd, &rc)) hit = m_CornerHit(hit, pt, rc);
    }
    g_SizingBorder = m_IsSizingBorder(hit) ? hit : 0;
    return hit;
}

// Only while the pointer is over this window's own border: a child's
// WM_SETCURSOR must not take a border remembered earlier.
int m_SetSizingCursor(LPARAM lParam)
{
    if (!g_SizingBorder || !m_IsSizingBorder(LOWORD(lParam))) return 0;
    LPCWSTR shape = IDC_SIZENS;
    switch (g_SizingBorder) {
        case HTTOPLEFT:
        case HTBOTTOMRIGHT:
            shape = IDC_SIZENWSE;
            break;
        case HTTOPRIGHT:
        case HTBOTTOMLEFT:
            shape = IDC_SIZENESW;
            break;
        case HTLEFT:
        case HTRIGHT:
            shape = IDC_SIZEWE;
            break;
    }
    SetCursor(LoadCursorW(nullptr, shape));
    return 1;
}

void m_OnFocus(int gained)
{
    m_OnActivateColors(1, 0);
    if (!gained) m_SetControlBarMode(0);
    m_JumpList_OnFocus(gained);
}

// After a move or resize the on-screen bars stand over the video again;
// mode 1 keeps both shown.
void m_PlaceOsdBars()
{
    if (!g_Settings.Osc_Mode || !g_OsdBars.m_GetHwnd()) return;
    RECT video;
    if (!m_GetVideoRect(&video)) return;
    MapWindowPoints(g_hWndMain, nullptr, reinterpret_cast<POINT*>(&video), 2);
    g_OsdBars.m_SetRect(&video);
    if (g_Settings.Osc_Mode == 1)
        g_OsdBars.m_ShowBars(1, -1, 1, -1, 1, 1);
    else
        g_OsdBars.m_Show(1);
}

// Messages answered here whose result is not DefWindowProc's.
int m_OnOwnMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    *result = 0;
    switch (msg) {
        case WM_CHAR:
        case WM_SYSCHAR:
            return 1;
        case WM_PAINT:
            m_MainWindow_PaintIdle(hwnd);
            return 1;
        case WM_ERASEBKGND:
            *result = 1;
            return 1;
        // The shutdown destroys the window itself; when it waits for the
        // options dialog the window must stay.
        case WM_CLOSE:
            m_ExitApplication();
            return 1;
        case WM_QUERYENDSESSION:
            m_ExitApplication();
            *result = 1;
            return 1;
        case WM_COPYDATA:
            *result = m_OnCopyData(hwnd, wParam, lParam);
            return 1;
        case WM_NCHITTEST:
            *result = m_OnNcHitTest(hwnd, lParam);
            return 1;
        case WM_SETCURSOR:
            if (!m_SetSizingCursor(lParam)) return 0;
            *result = TRUE;
            return 1;
        case WM_COMMAND:
            *result = m_OnControlNotify(LOWORD(wParam), HIWORD(wParam), lParam);
            return 1;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) != SC_SCREENSAVE && (wParam & 0xFFF0) != SC_MONITORPOWER)
                return 0;
            return m_PowerSaving_IsKeepingAwake();
        case WM_TIMER:
            m_OnTimer(static_cast<UINT>(wParam));
            return 1;
        case WM_SIZING:
            m_Layout_OnSizing(static_cast<UINT>(wParam), reinterpret_cast<RECT*>(lParam));
            *result = TRUE;
            return 1;
        case WM_GETICON:
            *result = reinterpret_cast<LRESULT>(m_GetWindowIcon(hwnd, wParam));
            return 1;
        case WM_GESTURE:
        case WM_TOUCH:
            *result = m_OnGestureMessage(hwnd, msg, wParam, lParam);
            return 1;
    }
    return 0;
}

// Messages handled here and then passed to DefWindowProc.
void m_OnPassedMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
        case WM_DESTROY:
            // No tick may be posted to a window that is gone.
            m_SetMMTimer(0);
            PostQuitMessage(0);
            break;
        case WM_MOVE:
            m_OnMainWindowMoved();
            break;
        case WM_CAPTURECHANGED:
            m_OnCaptureChanged(hwnd, reinterpret_cast<HWND>(lParam));
            break;
        case WM_SIZE:
            m_OnSize(wParam, lParam);
            break;
        case WM_ACTIVATE:
            m_RaiseToolWindows(hwnd, reinterpret_cast<HWND>(lParam), LOWORD(wParam));
            m_Hover_OnMainActivate(reinterpret_cast<HWND>(lParam), LOWORD(wParam));
            // A menu left open over another program would hold the capture.
            if (LOWORD(wParam) == WA_INACTIVE) m_PopupMenu_CloseFor(hwnd);
            m_ResetCursorHide();
            break;
        case WM_SETFOCUS:
            m_OnFocus(1);
            break;
        case WM_KILLFOCUS:
            m_OnFocus(0);
            m_PopupMenu_CloseFor(hwnd);
            break;
        case WM_GETMINMAXINFO:
            m_Layout_GetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam));
            break;
        case WM_DISPLAYCHANGE:
            m_OnDisplayChange(hwnd);
            break;
        case WM_POWERBROADCAST:
            m_OnPowerBroadcast(wParam, lParam);
            break;
        case WM_ENTERSIZEMOVE:
            m_Dock_OnEnterSizeMove();
            break;
        case WM_EXITSIZEMOVE:
            m_Dock_OnExitSizeMove();
            m_Layout_OnExitSizeMove();
            m_PlaylistWnd_ShowAfterMove();
            m_PlaceOsdBars();
            break;
        case WM_DROPFILES:
            m_OnDropFiles(reinterpret_cast<HDROP>(wParam));
            break;
        case WM_DPICHANGED:
            m_OnDpiChanged(LOWORD(wParam), reinterpret_cast<const RECT*>(lParam));
            break;
        case WM_DWMCOLORIZATIONCOLORCHANGED:
            m_OnActivateColors(1, 1);
            break;
    }
}

int m_IsMouseMessage(UINT msg)
{
    return (msg >= 0x200 && msg <= 0x20E) || (msg >= 0xA0 && msg <= 0xA9) ||
           (msg >= 0x2A0 && msg <= 0x2A3);
}

}  // namespace

LRESULT CALLBACK MainWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (m_IsMouseMessage(msg)) return m_OnMouseMessage(hwnd, msg, wParam, lParam);
    if (msg == WM_KEYDOWN || msg == WM_KEYUP || msg == WM_SYSKEYDOWN)
        return m_OnKeyMessage(hwnd, msg, wParam, lParam);
    LRESULT result;
    if (m_OnOwnMessage(hwnd, msg, wParam, lParam, &result)) return result;
    BOOL handled;
    result = m_OnAppMessage(hwnd, msg, wParam, lParam, &handled);
    if (handled) return result;
    m_OnPassedMessage(hwnd, msg, wParam, lParam);
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}
