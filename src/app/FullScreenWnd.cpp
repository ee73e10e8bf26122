// The full-screen window: its class, creation and procedure.
#include "app/AppMessages.h"
#include "app/FullScreenPeers.h"
#include "app/FullScreenState.h"
#include "app/MainWindow.h"
#include "app/MainTimers.h"
#include "app/MainWndRouting.h"
#include "app/Overlay.h"
#include "app/PointerInput.h"
#include "app/ToolWindows.h"
#include "base/ErrorLog.h"
#include "commands/CommandHandlers.h"
#include "controls/Statusbar.h"
#include "engine/VideoRenderer.h"
#include "library/Library.h"
#include "playback/PlayState.h"
#include "playlist/Playlist.h"
#include "settings/Settings.h"

namespace {

const wchar_t kClassName[] = L"ZENTAVIO_FULLSCREEN";
HWND s_hWndOwner;
int s_HandPointer;
constexpr UINT kZOrderOnly = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;

int m_IsMouseMessage(UINT msg)
{
    return (msg >= 0x200 && msg <= 0x20E) || (msg >= 0xA0 && msg <= 0xA9) ||
           (msg >= 0x2A0 && msg <= 0x2A3);
}

// The pointer state is evaluated as soon as the window shows.
void m_SendPointerMove(HWND hwnd)
{
    POINT pt;
    if (!GetCursorPos(&pt)) return;
    ScreenToClient(hwnd, &pt);
    SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
}

// WM_SETCURSOR over the client area: no pointer while it is hidden, the
// hand while something under it asks for one; 0 leaves it to the default.
int m_SetPointerShape(LPARAM lParam)
{
    if (LOWORD(lParam) != HTCLIENT) return 0;
    switch (m_FullScreen_PointerState()) {
        case 0:
            SetCursor(nullptr);
            return 1;
        case 2:
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            return 1;
    }
    return 0;
}

// A click that activates full screen from elsewhere starts the hover delay
// ([Common] "DlyFcs"), so that hovering acts without a second click.
void m_OnActivate(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    HWND from = reinterpret_cast<HWND>(lParam);
    m_RaiseToolWindows(hwnd, from, LOWORD(wParam));
    const int fromToolWindow =
        from && (from == g_Playlist.m_GetWindow() || from == m_Favorite_GetWindow());
    if (!m_FullScreen_HoverOnActivate(LOWORD(wParam), fromToolWindow, g_Settings.Common_DlyFcs[0],
                                      g_Settings.Common_DlyFcsTm))
        return;
    m_SetHoverTimer(1, g_Settings.Common_DlyFcs[1]);
}

int m_OnOwnMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    *result = 0;
    switch (msg) {
        case WM_COMMAND:
            *result = m_OnControlNotify(LOWORD(wParam), HIWORD(wParam), lParam);
            return 1;
        case WM_TIMER:
            if (wParam == kTimerRaiseAfterStart) {
                // A window manager maps the main window when it gets to it, on
                // a busy machine after the first raise: a few more follow.
                static int s_Raises;
                if (++s_Raises >= kRaisesAfterStart) {
                    KillTimer(hwnd, kTimerRaiseAfterStart);
                    s_Raises = 0;
                }
                m_FullScreen_Raise();
                return 1;
            }
            if (wParam != kTimerOverlayHover) return 0;
            m_CheckCtrlBarHover(nullptr, 1, 0);
            return 1;
        case WM_DROPFILES:
            m_OnDropFiles(reinterpret_cast<HDROP>(wParam));
            return 1;
        case WM_APP_MENUCOMMAND:
            *result = m_OnMenuCommand(wParam, lParam);
            return 1;
        case WM_PAINT:
            m_FullScreen_PaintIdle(hwnd);
            return 1;
        case WM_ERASEBKGND:
            *result = 1;
            return 1;
        case WM_SETCURSOR:
            if (!m_SetPointerShape(lParam)) return 0;
            *result = TRUE;
            return 1;
        case WM_DISPLAYCHANGE:
            m_OnDisplayChange(hwnd);
            return 0;
        case WM_KILLFOCUS:
            m_FullScreen_CloseMenuOf(hwnd);
            return 0;
    }
    return 0;
}

LRESULT CALLBACK FullScreenWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (m_IsMouseMessage(msg)) {
        if (msg == WM_MOUSEMOVE) m_CheckCtrlBarHover(nullptr, 1, 0);
        return m_OnMouseMessage(hwnd, msg, wParam, lParam);
    }
    if (msg >= WM_KEYFIRST && msg <= 0x109) return m_OnKeyMessage(hwnd, msg, wParam, lParam);
    LRESULT result;
    if (m_OnOwnMessage(hwnd, msg, wParam, lParam, &result)) return result;
    switch (msg) {
        case WM_NCHITTEST:
            if (g_hWndMain) SendMessageW(g_hWndMain, WM_APP_FSHITTEST, wParam, lParam);
            break;
        case WM_ACTIVATE:
            m_OnActivate(hwnd, wParam, lParam);
            break;
        case WM_SHOWWINDOW:
            if (wParam) m_SendPointerMove(hwnd);
            break;
        case WM_CAPTURECHANGED:
            m_OnCaptureChanged(hwnd, reinterpret_cast<HWND>(lParam));
            break;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

void m_RegisterClass()
{
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = FullScreenWndProc;
    wc.hInstance = g_hInstance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = kClassName;
    if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        m_WriteLog(L"MAIN_%d : Error / RegisterClassEx(FULLSCREEN_WND)=%d", __LINE__,
                   (int)GetLastError());
}

}  // namespace

int m_FullScreen_Create()
{
    if (g_hWndFullScreen) return 1;
    m_RegisterClass();
    if (!s_hWndOwner)
        s_hWndOwner = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                      g_hInstance, nullptr);
    g_hWndFullScreen = CreateWindowExW(WS_EX_ACCEPTFILES, kClassName, L"", WS_POPUP, 0, 0, 0, 0,
                                       s_hWndOwner, nullptr, g_hInstance, nullptr);
    if (!g_hWndFullScreen) {
        m_WriteLog(L"MAIN_%d : Error / CreateWindowEx(FULLSCREEN_WND)=%d", __LINE__,
                   (int)GetLastError());
        return 0;
    }
    ImmAssociateContext(g_hWndFullScreen, nullptr);
    // Under Wine a window that owns popups cannot be made topmost: the
    // overlays share the hidden owner instead.
    m_Overlay_CreateAll(s_hWndOwner);
    return 1;
}

void m_FullScreen_Destroy()
{
    m_Overlay_DestroyAll();
    if (g_hWndFullScreen && IsWindow(g_hWndFullScreen)) DestroyWindow(g_hWndFullScreen);
    g_hWndFullScreen = nullptr;
    if (s_hWndOwner && IsWindow(s_hWndOwner)) DestroyWindow(s_hWndOwner);
    s_hWndOwner = nullptr;
}

void m_FullScreen_SetZOrder(HWND after)
{
    // HWND_TOP keeps a topmost window topmost: a window that was topmost
    // before leaves that band first.
    if (after == HWND_TOP && g_hWndFullScreen &&
        (GetWindowLongW(g_hWndFullScreen, GWL_EXSTYLE) & WS_EX_TOPMOST))
        after = HWND_NOTOPMOST;
    if (s_hWndOwner) SetWindowPos(s_hWndOwner, after, 0, 0, 0, 0, kZOrderOnly);
    if (g_hWndFullScreen) SetWindowPos(g_hWndFullScreen, after, 0, 0, 0, 0, kZOrderOnly);
}

HWND m_FullScreen_GetOwner() { return s_hWndOwner; }

int m_FullScreen_HoverOnActivate(int state, int fromToolWindow, int option, int delayMs)
{
    return state == WA_CLICKACTIVE && !fromToolWindow && option && delayMs > 0 ? 1 : 0;
}

void m_FullScreen_SetHandPointer(int on) { s_HandPointer = on ? 1 : 0; }

int m_FullScreen_PointerState()
{
    if (m_IsCursorHidden()) return 0;
    return s_HandPointer ? 2 : 1;
}

HRESULT m_OnDisplayChange(HWND hwnd)
{
    // The renderer re-reads the monitors' modes; the picture is drawn anew.
    HRESULT hr = S_FALSE;
    if (g_MediaOpen && g_VideoRenderer) {
        hr = g_VideoRenderer->m_VR_DisplayModeChanged();
        if (FAILED(hr) && hr != kVrNotAvailable)
            m_WriteLog(L"MAIN_%d : Error / DisplayModeChanged()=0x%08X", __LINE__, (unsigned)hr);
    }
    if (g_PlayState != 0) InvalidateRect(hwnd, nullptr, FALSE);
    return hr;
}
