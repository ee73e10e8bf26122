// Showing a popup, its modal message loop, where it is placed on the
// monitor, and how its tracking ends (a choice, a dismissal, a fade-out).
#include <windows.h>
#include <commctrl.h>

#include "base/Geometry.h"
#include "controls/MenuPlus.h"

namespace {

// The top-level window above w, climbing parents while they are visible.
HWND VisibleTopAncestor(HWND w)
{
    HWND desktop = GetDesktopWindow();
    HWND top = w;
    for (HWND p = GetAncestor(w, GA_PARENT); p && p != desktop && IsWindowVisible(p);
         p = GetAncestor(p, GA_PARENT))
        top = p;
    return top;
}

bool IsRedirectedInput(UINT msg)
{
    return (msg >= WM_KEYFIRST && msg <= WM_KEYFIRST + 9) || msg == WM_MOUSEWHEEL;
}

int CeilDiv(int a, int b) { return b > 0 ? (a + b - 1) / b : a; }

// Pushes [pos, pos + size) inside [lo, hi); the low edge wins.
int PushInside(int pos, int size, int lo, int hi)
{
    if (pos + size > hi) pos = hi - size;
    if (pos < lo) pos = lo;
    return pos;
}

}  // namespace

UINT CMenuPlus::m_StartAlpha() const
{
    const bool layered = (GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
    if (!layered || (m_Embedded && m_ImageMode)) return 255;
    if (m_FadeIn)
        return static_cast<UINT>(CeilDiv(static_cast<int>(m_Alpha), m_FadeSteps(m_FadeInSteps)));
    return m_ImageMode ? 255 : m_Alpha;
}

int CMenuPlus::m_TrackPopup(UINT mode, LONG64 point, UINT asSubmenu)
{
    if (!m_hWnd) return -1;
    m_IsSubmenu = asSubmenu ? 1 : 0;
    if (m_Embedded) {
        m_FadeOut = 0;
        m_SlideIn = 0;
        m_IsSubmenu = 0;
    }
    if (!m_Style.Effects) m_FadeIn = m_FadeOut = m_SlideIn = m_SelAnim = 0;

    m_CurAlpha = m_StartAlpha();
    m_PlacementMode = mode;
    m_TrackPoint = m_UnpackMenuPoint(point);
    m_Result = -1;
    m_EndPending = 0;
    m_ComputeArea();
    m_Layout(0, 1);
    // A selection the owner made while building (the playing track of a
    // list) survives the open, scrolled into view; otherwise none.
    const int kept = m_IsValidIndex(m_SelIndex) ? m_SelIndex : -1;
    m_SelIndex = -1;
    m_SelState = 0;
    if (kept >= 0)
        m_Select(kept, MENUSEL_BODY, 0);
    else
        m_SendSelChanged();
    m_PlaceWindow();

    m_SlideOffset = m_SlideIn ? MulDiv(m_IsSubmenu ? 12 : 16, static_cast<int>(m_Scale), 100) : 0;

    ShowWindow(m_hWnd, m_Embedded ? SW_SHOW : SW_SHOWNA);
    m_SetOpacity(m_CurAlpha);
    // Timer 1 runs the fade-in and the slide-in.
    m_FadingIn = (m_FadeIn || m_SlideOffset > 0) ? 1 : 0;
    if (m_FadingIn) SetTimer(m_hWnd, MENUTIMER_FADEIN, m_FadePeriod, nullptr);
    if (m_DebugOverlay) SetTimer(m_hWnd, MENUTIMER_DEBUG, 500, nullptr);
    if (!m_IsSubmenu && !m_Embedded) SetCapture(m_hWnd);

    m_Shown = 1;
    m_EndLoop = 0;
    if (m_IsSubmenu) return -1;

    m_hWndKeyTarget = m_hWnd;
    m_pRootPopup = this;
    m_IsChainBase = 1;
    if (m_IsOverPopup || m_Embedded) return -1;
    m_hWndChain = m_hWnd;
    return m_RunLoop();
}

int CMenuPlus::m_RunLoop()
{
    bool quit = false;
    WPARAM quitCode = 0;
    MSG msg;
    while (!m_EndLoop && m_hWnd) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            quit = true;
            quitCode = msg.wParam;
            break;
        }
        if (got == -1) break;
        if (msg.message == WM_SYSKEYDOWN && msg.wParam == VK_F10) msg.message = WM_KEYDOWN;
        if (msg.message == WM_APP_MENUENDTRACK && msg.hwnd == m_hWnd)
            m_OnEndTrackMessage(static_cast<int>(msg.lParam));
        if (IsRedirectedInput(msg.message) && m_hWndParent && msg.hwnd &&
            VisibleTopAncestor(msg.hwnd) == m_hWndParent) {
            HWND target = m_hWndKeyTarget;
            if (m_OverPopupOpen && m_pOverPopup && m_pOverPopup->m_hWndKeyTarget)
                target = m_pOverPopup->m_hWndKeyTarget;
            if (target) msg.hwnd = target;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    const int result = m_Result;
    const UINT menuId = m_MenuId;
    const HWND notify = m_hWndNotify;
    m_Close();
    ReleaseCapture();
    if (notify) PostMessageW(notify, WM_APP_MENUCLOSED, reinterpret_cast<WPARAM>(this), menuId);
    // The quit belongs to the caller's loop: hand it on.
    if (quit) PostQuitMessage(static_cast<int>(quitCode));
    return result;
}

void CMenuPlus::m_EndTrack()
{
    if (m_Embedded) return;
    if (m_IsOverPopup) {
        if (m_hWndChain) PostMessageW(m_hWndChain, WM_APP_MENUENDTRACK, m_MenuId, m_SelIndex);
        return;
    }
    CMenuPlus* root = m_Root();
    if (root != this) {
        // A chain ends with its root.
        root->m_EndTrack();
        return;
    }
    if (!m_Shown) return;
    m_Shown = 0;
    m_EndPending = 1;
    ReleaseCapture();
    POINT pt;
    const bool inside =
        GetCursorPos(&pt) && m_hWnd && IsWindowVisible(m_hWnd) && PtInRect(&m_WindowRect, pt);
    if (!m_FadeOut || inside || !m_hWnd || !IsWindowVisible(m_hWnd)) {
        m_EndLoop = 1;
        return;
    }
    KillTimer(m_hWnd, MENUTIMER_FADEIN);
    m_FadingIn = 0;
    const int step = CeilDiv(static_cast<int>(m_Alpha), m_FadeSteps(m_FadeOutSteps));
    if (static_cast<int>(m_CurAlpha) > step) {
        m_SetOpacity(m_CurAlpha - static_cast<UINT>(step));
        SetTimer(m_hWnd, MENUTIMER_FADEOUT, m_FadePeriod, nullptr);
    } else {
        m_EndLoop = 1;
    }
}

void CMenuPlus::m_OnFadeOutTick()
{
    const int step = CeilDiv(static_cast<int>(m_Alpha), m_FadeSteps(m_FadeOutSteps));
    if (static_cast<int>(m_CurAlpha) > step) {
        m_SetOpacity(m_CurAlpha - static_cast<UINT>(step));
        return;
    }
    if (m_hWnd) {
        KillTimer(m_hWnd, MENUTIMER_FADEOUT);
        m_SetOpacity(0);
        ShowWindow(m_hWnd, SW_HIDE);
    }
    if (m_EndPending) m_Root()->m_EndLoop = 1;
}

void CMenuPlus::m_Hide()
{
    m_SlideOffset = 0;
    if (m_pOverPopup) m_pOverPopup->m_Hide();
    m_CloseSubmenu();
    if (m_hWndTip) SendMessageW(m_hWndTip, TTM_ACTIVATE, FALSE, 0);
    if (!m_hWnd) return;
    KillTimer(m_hWnd, MENUTIMER_OPENSUB);
    KillTimer(m_hWnd, MENUTIMER_CLOSESUB);
    m_SubmenuPending = -1;
    m_ClosePending = 0;
    if (m_FadeOut && IsWindowVisible(m_hWnd) && m_CurAlpha > 0) {
        KillTimer(m_hWnd, MENUTIMER_FADEIN);
        m_FadingIn = 0;
        SetTimer(m_hWnd, MENUTIMER_FADEOUT, m_FadePeriod, nullptr);
        return;
    }
    ShowWindow(m_hWnd, SW_HIDE);
    if (m_ImageMode && m_Picture.m_IsValid()) {
        m_Picture.m_Clear(true);
        m_Dirty = 1;
    }
}

void CMenuPlus::m_Close()
{
    if (m_Shown || (m_hWnd && IsWindowVisible(m_hWnd))) m_Hide();
    if (m_MenuId != 0 && m_hWndNotify && m_hWnd)
        SendMessageW(m_hWndNotify, WM_APP_MENUCLOSING, reinterpret_cast<WPARAM>(this), m_MenuId);
    m_CloseSubmenu();
    while (m_ItemCount > 0) m_DeleteItem(m_ItemCount - 1, 0);
    m_SelIndex = -1;
    if (m_pOverPopup) m_CloseOverPopup();
    if (m_hWndTip) {
        DestroyWindow(m_hWndTip);
        m_hWndTip = nullptr;
    }
    if (m_hWnd && GetCapture() == m_hWnd) ReleaseCapture();
    m_DestroyWindow();
    m_Shown = 0;
}

void CMenuPlus::m_Refresh(int layout)
{
    if (!m_Shown || !m_hWnd) return;
    if (m_hWndTip) SendMessageW(m_hWndTip, TTM_ACTIVATE, FALSE, 0);
    m_Layout(0, layout);
    m_PlaceWindow();
    m_Redraw(-1, 1);
}

void CMenuPlus::m_Dismiss(UINT button)
{
    CMenuPlus* root = m_Root();
    root->m_Result = -1;
    if (root->m_IsOverPopup) {
        // The chain it was opened over decides, by where the cursor is.
        root->m_SelIndex = -1;
        root->m_EndTrack();
        return;
    }
    root->m_EndTrack();
    if (m_hWndNotify) PostMessageW(m_hWndNotify, WM_APP_MENUDISMISSED, button, 0);
}

void CMenuPlus::m_DismissPassingMiddle()
{
    CMenuPlus* root = m_Root();
    root->m_Result = -1;
    if (root->m_IsOverPopup) root->m_SelIndex = -1;
    root->m_EndTrack();
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = MOUSEEVENTF_MIDDLEDOWN;
    SendInput(1, &in, sizeof(in));
}

// The monitor area around pt: the work area (or the whole monitor) shrunk
// by the margin.
static RECT MonitorAreaAt(POINT pt, UINT wholeMonitor, int margin)
{
    RECT area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    MONITORINFO mi = {};
    mi.cbSize = sizeof(mi);
    if (GetMonitorInfoW(MonitorFromPoint(pt, MONITOR_DEFAULTTONEAREST), &mi))
        area = wholeMonitor ? mi.rcMonitor : mi.rcWork;
    InflateRect(&area, -margin, -margin);
    return area;
}

POINT CMenuPlus::m_AreaPoint() const
{
    if (m_IsSubmenu && m_pParentPopup) {
        POINT pt = {m_pParentPopup->m_WindowRect.left, m_pParentPopup->m_WindowRect.top};
        return pt;
    }
    return m_TrackPoint;
}

void CMenuPlus::m_ComputeArea()
{
    if (m_LimitRectSet) {
        m_Area = m_LimitRect;
        return;
    }
    m_Area = MonitorAreaAt(m_AreaPoint(), m_UseMonitorRect, m_Metrics.MonitorMargin);
}

void CMenuPlus::m_PlaceWindow()
{
    if (!m_hWnd) return;
    const int w = m_Width, h = m_WindowHeight;
    // Bounds: the limit rectangle in each direction where the popup fits in
    // it, else the monitor area.
    RECT b = m_Area;
    if (m_LimitRectSet) {
        const RECT mon = MonitorAreaAt(m_AreaPoint(), m_UseMonitorRect, m_Metrics.MonitorMargin);
        if (m_LimitRect.right - m_LimitRect.left < w) b.left = mon.left, b.right = mon.right;
        if (m_LimitRect.bottom - m_LimitRect.top < h) b.top = mon.top, b.bottom = mon.bottom;
    }
    int x = m_TrackPoint.x, y = m_TrackPoint.y;
    if (m_IsSubmenu && m_pParentPopup) {
        m_OpenedLeft = 0;
        if (x + w > b.right) {
            x = m_pParentPopup->m_WindowRect.left - m_Metrics.SubmenuGap - w;
            if (x < b.left) x = b.right - w;
            m_OpenedLeft = 1;
        }
    } else {
        if (m_PlacementMode == MENUPLACE_TOPRIGHT || m_PlacementMode == MENUPLACE_BOTTOMRIGHT)
            x -= w;
        if (m_PlacementMode == MENUPLACE_BOTTOMLEFT || m_PlacementMode == MENUPLACE_BOTTOMRIGHT)
            y -= h;
        x = PushInside(x, w, b.left, b.right);
    }
    y = PushInside(y, h, b.top, b.bottom);
    SetRect(&m_WindowRect, x, y, x + w, y + h);
    if (m_IsSubmenu && m_pParentPopup) m_pParentPopup->m_OpenSubRect = m_WindowRect;

    RECT win = m_WindowRect;
    if (m_ImageMode)
        m_InflateRectLTRB(&win, m_FrameMargins.left, m_FrameMargins.top, m_FrameMargins.right,
                          m_FrameMargins.bottom);
    if (m_Embedded && m_hWndParent)
        MapWindowPoints(nullptr, m_hWndParent, reinterpret_cast<POINT*>(&win), 2);
    const UINT flags = m_Embedded ? SWP_NOZORDER : (SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(m_hWnd, nullptr, win.left, win.top, win.right - win.left, win.bottom - win.top,
                 flags);
}
