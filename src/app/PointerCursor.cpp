// The pointer hides by itself over playing video once it rests for the
// hide delay, and comes back on the next move.
#include "app/FullScreenState.h"
#include "app/Layout.h"
#include "app/MainTimers.h"
#include "app/MainWindow.h"
#include "app/PointerInput.h"
#include "playback/PlaybackControl.h"
#include "settings/Settings.h"

namespace {

int g_CursorHidden;
POINT g_ArmedAt;

HWND m_HostWindow() { return g_FullScreen && g_hWndFullScreen ? g_hWndFullScreen : g_hWndMain; }

int m_IsOwnRoot(HWND window)
{
    HWND root = window ? GetAncestor(window, GA_ROOT) : nullptr;
    return root && (root == g_hWndMain || (g_hWndFullScreen && root == g_hWndFullScreen));
}

int m_PointerOverVideo(POINT screen)
{
    HWND host = m_HostWindow();
    if (!host || !m_IsOwnRoot(WindowFromPoint(screen))) return 0;
    if (host != g_hWndMain) return 1;
    POINT client = screen;
    ScreenToClient(host, &client);
    RECT area;
    m_GetVideoArea(&area);
    return PtInRect(&area, client);
}

int m_HideDelay()
{
    const int delay = g_Settings.Common_HideCsrTm[g_FullScreen ? 1 : 0];
    return delay > 0 ? delay : 0;
}

}  // namespace

int m_IsCursorHidden() { return g_CursorHidden; }

void m_RestoreCursor()
{
    if (g_hWndMain) KillTimer(g_hWndMain, kTimerCursorHide);
    if (!g_CursorHidden) return;
    g_CursorHidden = 0;
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
}

void m_ResetCursorHide(int show)
{
    if (!g_hWndMain) return;
    if (show && g_CursorHidden) {
        g_CursorHidden = 0;
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    }
    POINT pt;
    const int arm = g_Settings.Common_HideCsr && m_HideDelay() > 0 && GetCursorPos(&pt) &&
                    m_PointerOverVideo(pt) && m_IsOwnRoot(GetForegroundWindow());
    if (!arm) {
        KillTimer(g_hWndMain, kTimerCursorHide);
        return;
    }
    g_ArmedAt = pt;
    SetTimer(g_hWndMain, kTimerCursorHide, static_cast<UINT>(m_HideDelay()), nullptr);
}

void m_CursorHide_OnTimer()
{
    KillTimer(g_hWndMain, kTimerCursorHide);
    POINT pt;
    if (g_PlayState != 5 || !GetCursorPos(&pt)) return;
    if (pt.x != g_ArmedAt.x || pt.y != g_ArmedAt.y) return;
    if (GetAsyncKeyState(VK_LBUTTON) < 0 || GetAsyncKeyState(VK_RBUTTON) < 0) return;
    if (g_Mouse.bLeftDown || g_Mouse.bRightDown) return;
    if (!m_PointerOverVideo(pt)) return;
    if (g_Settings.Common_HideCsrFcs && GetFocus() != m_HostWindow()) return;
    SetCursor(nullptr);
    g_CursorHidden = 1;
}
