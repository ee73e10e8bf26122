// The hover timer (4): after the window was activated with the pointer over
// it, hover actions wait for [Common] "DlyFcsTm"; and the pointer nudge that
// lets the window under the pointer see a move.
#include "app/FullScreenState.h"
#include "app/Layout.h"
#include "app/MainTimers.h"
#include "app/MainWindow.h"
#include "app/PointerInput.h"
#include "settings/Settings.h"

namespace {

int g_HoverAreas;
POINT g_NudgeBack;
UINT_PTR g_NudgeTimer;

// The full-screen window's client area, else the main window's video area.
int m_PointerOverHoverArea()
{
    POINT pt;
    if (!GetCursorPos(&pt)) return 0;
    RECT area;
    if (g_FullScreen && g_hWndFullScreen) {
        GetWindowRect(g_hWndFullScreen, &area);
        return PtInRect(&area, pt);
    }
    if (!g_hWndMain) return 0;
    ScreenToClient(g_hWndMain, &pt);
    m_GetVideoArea(&area);
    return PtInRect(&area, pt);
}

void CALLBACK m_NudgeBackProc(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    if (id == g_NudgeTimer) g_NudgeTimer = 0;
    SetCursorPos(g_NudgeBack.x, g_NudgeBack.y);
}

int m_IsOwnProcessWindow(HWND hwnd)
{
    DWORD pid = 0;
    if (!hwnd) return 0;
    GetWindowThreadProcessId(hwnd, &pid);
    return pid == GetCurrentProcessId();
}

}  // namespace

int m_GetHoverAreas() { return g_HoverAreas; }

void m_SetHoverTimer(int start, int mask)
{
    if (!g_hWndMain) return;
    if (!start) {
        KillTimer(g_hWndMain, kTimerHover);
        g_HoverAreas &= ~mask;
        return;
    }
    if (g_Settings.Common_DlyFcsTm <= 0 || !m_PointerOverHoverArea()) return;
    g_HoverAreas |= mask;
    SetTimer(g_hWndMain, kTimerHover, static_cast<UINT>(g_Settings.Common_DlyFcsTm), nullptr);
}

void m_Hover_OnMainActivate(HWND other, int state)
{
    if (state == WA_INACTIVE || !g_Settings.Common_DlyFcs[0]) return;
    if (!m_IsOwnProcessWindow(other)) return;
    m_SetHoverTimer(1, g_Settings.Common_DlyFcs[1]);
}

void m_OnHoverTimer()
{
    m_SetHoverTimer(0, g_HoverAreas);
    m_ResetCursorHide(0);
    if (g_Settings.Common_DlyFcs[0] && GetAsyncKeyState(VK_LBUTTON) < 0) m_NudgePointer(1, 1);
}

void m_NudgePointer(int dx, int dy)
{
    POINT pt;
    if (!GetCursorPos(&pt)) return;
    if (g_NudgeTimer) {
        KillTimer(nullptr, g_NudgeTimer);
        pt = g_NudgeBack;
    }
    g_NudgeBack = pt;
    SetCursorPos(pt.x + dx, pt.y + dy);
    g_NudgeTimer = SetTimer(nullptr, 0, 50, m_NudgeBackProc);
    if (!g_NudgeTimer) SetCursorPos(pt.x, pt.y);
}
