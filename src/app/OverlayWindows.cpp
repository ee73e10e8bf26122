// The four overlay windows of full screen and their procedures.
#include <windows.h>

#include <commctrl.h>

#include "app/AppMessages.h"
#include "app/ExitRequest.h"
#include "app/FullScreenState.h"
#include "app/MainWindow.h"
#include "app/MainWindowLook.h"
#include "app/Overlay.h"
#include "app/Startup.h"
#include "app/WindowTitle.h"
#include "base/BmpFont.h"
#include "commands/CommandHandlers.h"
#include "base/Dpi.h"
#include "controls/Statusbar.h"
#include "resources/resource.h"
#include "settings/Settings.h"

SOVERLAY g_Overlays[OV_COUNT];

namespace {

int s_CloseHot;
int s_ClosePressed;

const wchar_t* m_TitleText()
{
    if (g_FullScreenTitle[0]) return g_FullScreenTitle;
    if (g_Settings.Main_Title[0]) return g_Settings.Main_Title;
    return L"ZENTAVIO";
}

int m_Dpi() { return g_DpiPercent > 0 ? g_DpiPercent : 100; }

// The close button: twice as wide as the strip is high, at its right edge.
RECT m_CloseRect(HWND hwnd)
{
    RECT rc;
    GetClientRect(hwnd, &rc);
    rc.left = rc.right - 2 * rc.bottom;
    InflateRect(&rc, 1, 1);
    return rc;
}

void m_DrawTitle(HDC dc, RECT rc, COLORREF colour)
{
    NONCLIENTMETRICSW ncm = {};
    ncm.cbSize = sizeof(ncm);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0);
    ncm.lfMessageFont.lfHeight = -(24 * m_Dpi() / 200);
    HFONT font = CreateFontIndirectW(&ncm.lfMessageFont);
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    DrawTextW(dc, m_TitleText(), -1, &rc,
              DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_WORD_ELLIPSIS | DT_NOPREFIX);
    SelectObject(dc, old);
    DeleteObject(font);
}

void m_FillRect(HDC dc, const RECT& rc, COLORREF colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &rc, brush);
    DeleteObject(brush);
}

void m_PaintTitleBar(HWND hwnd, HDC dc)
{
    RECT client;
    GetClientRect(hwnd, &client);
    m_FillRect(dc, client, m_GetBkColor(1, 0));
    RECT close = m_CloseRect(hwnd);
    m_FillRect(dc, close, s_ClosePressed ? 0x3D3D99 : (s_CloseHot ? 0x4343E0 : 0x5050C7));
    // The close mark: a cross of two strokes in the button's middle.
    int c = (close.left + close.right) / 2, m = (close.top + close.bottom) / 2;
    int r = client.bottom / 5;
    HPEN pen = CreatePen(PS_SOLID, 2 * m_Dpi() / 100, RGB(255, 255, 255));
    HGDIOBJ oldPen = SelectObject(dc, pen);
    MoveToEx(dc, c - r, m - r, nullptr);
    LineTo(dc, c + r, m + r);
    MoveToEx(dc, c + r, m - r, nullptr);
    LineTo(dc, c - r, m + r);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
    int icon = 32 * m_Dpi() / 200;
    int margin = 6 * m_Dpi() / 200;
    HICON hIcon = static_cast<HICON>(
        LoadImageW(g_hInstance, MAKEINTRESOURCEW(IDI_MAIN), IMAGE_ICON, icon, icon, 0));
    if (hIcon) {
        DrawIconEx(dc, margin, (client.bottom - icon) / 2, hIcon, icon, icon, 0, nullptr,
                   DI_NORMAL);
        DestroyIcon(hIcon);
    }
    RECT text = {margin * 2 + icon, 0, close.left - margin, client.bottom};
    m_DrawTitle(dc, text, GetSysColor(COLOR_CAPTIONTEXT));
}

void m_Paint(HWND hwnd, int which)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (!dc) return;
    RECT client;
    GetClientRect(hwnd, &client);
    if (which == OV_TITLEBAR)
        m_PaintTitleBar(hwnd, dc);
    else if (which == OV_SMALLTITLE) {
        m_FillRect(dc, client, 0);
        InflateRect(&client, -6 * m_Dpi() / 100, 0);
        m_DrawTitle(dc, client, 0xF0F0F0);
    } else {
        m_FillRect(dc, client, 0);
    }
    EndPaint(hwnd, &ps);
}

void m_TrackLeave(HWND hwnd)
{
    TRACKMOUSEEVENT t = {sizeof(t), TME_LEAVE, hwnd, 0};
    TrackMouseEvent(&t);
}

void m_SetCloseState(HWND hwnd, int hot, int pressed)
{
    if (hot == s_CloseHot && pressed == s_ClosePressed) return;
    s_CloseHot = hot;
    s_ClosePressed = pressed;
    InvalidateRect(hwnd, nullptr, FALSE);
}

// The title bar's close button; 1 when the message was its own.
int m_OnTitleBarMouse(HWND hwnd, UINT msg, LPARAM lParam)
{
    POINT pt = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
    RECT close = m_CloseRect(hwnd);
    int onButton = PtInRect(&close, pt);
    switch (msg) {
        case WM_MOUSEMOVE:
            m_SetCloseState(hwnd, onButton, s_ClosePressed && onButton);
            return 0;
        case WM_LBUTTONDOWN:
            if (!onButton) return 0;
            SetCapture(hwnd);
            m_SetCloseState(hwnd, 1, 1);
            return 1;
        case WM_LBUTTONUP: {
            if (GetCapture() != hwnd) return 0;
            int pressed = s_ClosePressed;
            ReleaseCapture();
            m_SetCloseState(hwnd, onButton, 0);
            if (!pressed || !onButton) return 1;
            if (g_Settings.Fullscr_ClsBtn)
                m_ExitApplication();
            else
                m_FullScreen_Set(0, 0, 0, 1, 1, 0);
            return 1;
        }
        case WM_LBUTTONDBLCLK:
            // Code 37, the caption double click, when bound; else back to the window.
            if (!m_Bind_ExecByMouse(37, 0)) m_FullScreen_Set(0, 0, 0, 1, 1, 0);
            return 1;
        case WM_RBUTTONUP: {
            POINT screen = pt;
            ClientToScreen(hwnd, &screen);
            m_ShowPopupMenuById(2374, m_MenuPointAtCursor(screen));
            return 1;
        }
        case WM_CAPTURECHANGED:
            m_SetCloseState(hwnd, s_CloseHot, 0);
            return 1;
    }
    return 0;
}

int m_IsInput(UINT msg)
{
    return (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) ||
           (msg >= WM_KEYFIRST && msg <= WM_KEYLAST);
}

LRESULT CALLBACK OverlayProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR which,
                             DWORD_PTR)
{
    switch (msg) {
        case WM_NCHITTEST:
            if (g_hWndMain) SendMessageW(g_hWndMain, WM_APP_FSHITTEST, wParam, lParam);
            // Statics let the pointer through; overlays take it.
            return HTCLIENT;
        case WM_PAINT:
            m_Paint(hwnd, (int)which);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_SIZE:
            if (which == OV_STATUS && g_FullScreenStatusBar.m_GetHwnd())
                MoveWindow(g_FullScreenStatusBar.m_GetHwnd(), 0, 0, LOWORD(lParam), HIWORD(lParam),
                           TRUE);
            break;
        case WM_SETCURSOR:
            if (which == OV_CONTROL || which == OV_STATUS) {
                if (g_hWndMain) return SendMessageW(g_hWndMain, msg, wParam, lParam);
            }
            break;
        case WM_COMMAND:
            // The bottom panel's children report to their parent chain.
            if (g_hWndFullScreen) return SendMessageW(g_hWndFullScreen, msg, wParam, lParam);
            break;
        case WM_MOUSELEAVE:
            if (which == OV_TITLEBAR) m_SetCloseState(hwnd, 0, 0);
            m_CheckCtrlBarHover(nullptr, 0, 0);
            if (g_hWndMain) SendMessageW(g_hWndMain, WM_APP_FSHITTEST, 0, 0);
            return 0;
        case WM_MOUSEMOVE:
            m_TrackLeave(hwnd);
            if (which == OV_TITLEBAR) m_OnTitleBarMouse(hwnd, msg, lParam);
            m_CheckCtrlBarHover(nullptr, 1, 0);
            return 0;
        case WM_CAPTURECHANGED:
            if (which == OV_TITLEBAR) m_OnTitleBarMouse(hwnd, msg, lParam);
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(hwnd, OverlayProc, which);
            g_Overlays[which].hWnd = nullptr;
            break;
    }
    if (which == OV_TITLEBAR && msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST &&
        m_OnTitleBarMouse(hwnd, msg, lParam))
        return 0;
    if (m_IsInput(msg) && g_hWndFullScreen) {
        // The full-screen window takes the overlay's input at its own place.
        if (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST && msg != WM_MOUSEWHEEL &&
            msg != WM_MOUSEHWHEEL) {
            POINT pt = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
            MapWindowPoints(hwnd, g_hWndFullScreen, &pt, 1);
            lParam = MAKELPARAM(pt.x, pt.y);
        }
        return SendMessageW(g_hWndFullScreen, msg, wParam, lParam);
    }
    return DefSubclassProc(hwnd, msg, wParam, lParam);
}

HWND m_CreateOverlay(HWND owner, int which)
{
    HWND hwnd = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, L"Static", L"",
                                WS_POPUP | WS_CLIPCHILDREN, 0, 0, 0, 0, owner, nullptr, g_hInstance,
                                nullptr);
    if (!hwnd) return nullptr;
    SetLayeredWindowAttributes(hwnd, 0, 0, LWA_ALPHA);
    SetWindowSubclass(hwnd, OverlayProc, which, 0);
    return hwnd;
}

}  // namespace

int m_Overlay_CreateAll(HWND owner)
{
    int ok = 1;
    for (int i = 0; i < OV_COUNT; ++i) {
        g_Overlays[i] = SOVERLAY{};
        g_Overlays[i].hWnd = m_CreateOverlay(owner, i);
        ok &= g_Overlays[i].hWnd != nullptr;
    }
    if (g_Overlays[OV_STATUS].hWnd && !g_FullScreenStatusBar.m_GetHwnd()) {
        g_FullScreenStatusBar.m_Create(g_Overlays[OV_STATUS].hWnd, IDC_FULLSCREEN_STATUSBAR);
        g_FullScreenStatusBar.m_SetFont(&g_BmpFontFullScreen);
    }
    return ok;
}

void m_Overlay_DestroyAll()
{
    for (SOVERLAY& o : g_Overlays) {
        if (o.hWnd && IsWindow(o.hWnd)) DestroyWindow(o.hWnd);
        o = SOVERLAY{};
    }
}

HWND m_Overlay_ControlHost() { return g_Overlays[OV_CONTROL].hWnd; }

void m_Overlay_Place(const RECT* title, const RECT* control, const RECT* status)
{
    const RECT* rects[OV_COUNT] = {title, title, status, control};
    for (int i = 0; i < OV_COUNT; ++i) {
        const RECT* rc = rects[i];
        if (!g_Overlays[i].hWnd || !rc) continue;
        SetWindowPos(g_Overlays[i].hWnd, HWND_TOPMOST, rc->left, rc->top, rc->right - rc->left,
                     rc->bottom - rc->top, SWP_NOACTIVATE);
    }
}
