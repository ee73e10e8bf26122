#include "playback/AutoNext.h"

#include "app/AppMessages.h"
#include "app/MainWindow.h"
#include "app/Startup.h"
#include "base/Geometry.h"
#include "playback/RepeatMode.h"

int g_AutoNextActive;

namespace {

constexpr UINT_PTR kTimerCountdown = 38;
constexpr int kTickMs = 33;
// Sizes at 100 %.
constexpr int kButtonW = 36, kButtonH = 32, kTextGap = 18, kButtonGap = 12, kTextH = 16;
constexpr COLORREF kBackground = RGB(0, 0, 0);
constexpr COLORREF kBackgroundPaused = RGB(0x14, 0x14, 0x14);
constexpr COLORREF kText = RGB(0x8C, 0x8C, 0x8C);
constexpr COLORREF kButton = RGB(0x3C, 0x3C, 0x3C);
constexpr COLORREF kBarLeft = RGB(0x6E, 0x6E, 0x6E);

struct SAUTONEXT {
    WNDPROC StaticProc;
    HWND Window;
    HWND Parent;
    int TotalMs;
    int RemainingMs;
    int Paused;
    int Dimmed;
    RECT Buttons[2];  // go on now, cancel; filled by each paint
    int Pressed;      // -1 none
};
SAUTONEXT g_Panel = {nullptr, nullptr, nullptr, 0, 0, 0, 0, {}, -1};

int m_Px(int v) { return m_ScaleValue(v, g_DpiPercent, 100, 0); }

void m_Notify(WPARAM code)
{
    if (g_hWndMain) SendMessageW(g_hWndMain, WM_APP_NOTIFYMAIN, code, 0);
}

void m_FillRound(HDC dc, const RECT& rc, COLORREF colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    RoundRect(dc, rc.left, rc.top, rc.right + 1, rc.bottom + 1, m_Px(6), m_Px(6));
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(brush);
}

// "REPEAT", then the two buttons, the block centred; the first button
// fills from the left as the countdown runs.
void m_Paint(HWND hwnd)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    HBRUSH back = CreateSolidBrush(g_Panel.Paused ? kBackgroundPaused : kBackground);
    FillRect(dc, &client, back);
    DeleteObject(back);
    const int w = m_Px(kButtonW), h = m_Px(kButtonH);
    const int block = m_Px(kTextH) + m_Px(kTextGap) + h + m_Px(kButtonGap) + h;
    const int cx = (client.right - client.left) / 2;
    int y = (client.bottom - client.top - block) / 2;
    RECT text = {client.left, y, client.right, y + m_Px(kTextH)};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kText);
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    DrawTextW(dc, L"REPEAT", -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, oldFont);
    y = text.bottom + m_Px(kTextGap);
    RECT now = {cx - w / 2, y, cx - w / 2 + w, y + h};
    RECT cancel = {now.left, now.bottom + m_Px(kButtonGap), now.right,
                   now.bottom + m_Px(kButtonGap) + h};
    m_FillRound(dc, now, kButton);
    if (!g_Panel.Paused && !g_Panel.Dimmed && g_Panel.TotalMs > 0) {
        RECT bar = now;
        bar.right = bar.left + MulDiv(w, g_Panel.TotalMs - g_Panel.RemainingMs, g_Panel.TotalMs);
        if (bar.right > bar.left) m_FillRound(dc, bar, kBarLeft);
    }
    m_FillRound(dc, cancel, kButton);
    g_Panel.Buttons[0] = now;
    g_Panel.Buttons[1] = cancel;
    EndPaint(hwnd, &ps);
}

void m_OnTick(HWND hwnd)
{
    g_Panel.RemainingMs -= kTickMs;
    if (g_Panel.RemainingMs > 0) {
        InvalidateRect(hwnd, nullptr, FALSE);
        return;
    }
    KillTimer(hwnd, kTimerCountdown);
    m_Notify(NOTICE_AUTONEXT_NOW);
}

int m_ButtonAt(LPARAM lParam)
{
    const POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    for (int i = 0; i < 2; ++i)
        if (PtInRect(&g_Panel.Buttons[i], pt)) return i;
    return -1;
}

// A click is a press and a release on the same button.
LRESULT CALLBACK m_PanelProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
        case WM_NCHITTEST:
            return HTCLIENT;
        case WM_LBUTTONDOWN:
            g_Panel.Pressed = m_ButtonAt(lParam);
            if (g_Panel.Pressed >= 0) SetCapture(hwnd);
            return 0;
        case WM_LBUTTONUP: {
            const int pressed = g_Panel.Pressed;
            g_Panel.Pressed = -1;
            if (GetCapture() == hwnd) ReleaseCapture();
            if (pressed >= 0 && m_ButtonAt(lParam) == pressed) m_AutoNext_Command(pressed);
            return 0;
        }
        case WM_PAINT:
            m_Paint(hwnd);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_TIMER:
            if (wParam == kTimerCountdown) m_OnTick(hwnd);
            return 0;
    }
    return CallWindowProcW(g_Panel.StaticProc, hwnd, msg, wParam, lParam);
}

}  // namespace

void m_AutoNext_Create(HWND parent)
{
    if (g_Panel.Window && g_Panel.Parent == parent) return;
    if (g_Panel.Window) DestroyWindow(g_Panel.Window);
    g_Panel.Window = CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0,
                                     parent, nullptr, g_hInstance, nullptr);
    g_Panel.Parent = parent;
    if (!g_Panel.Window) return;
    g_Panel.StaticProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        g_Panel.Window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_PanelProc)));
}

void m_AutoNext_SetRect(const RECT& rc)
{
    if (!g_Panel.Window) return;
    SetWindowPos(g_Panel.Window, HWND_TOP, rc.left, rc.top, rc.right - rc.left,
                 rc.bottom - rc.top, SWP_NOACTIVATE);
}

void m_AutoNext_ShowWindow(int showCommand)
{
    if (!g_Panel.Window) return;
    if (showCommand == SW_HIDE)
        KillTimer(g_Panel.Window, kTimerCountdown);
    else
        g_Panel.Dimmed = 0;
    ShowWindow(g_Panel.Window, showCommand);
}

void m_AutoNext_StartCountdown(int ms)
{
    g_Panel.TotalMs = ms;
    g_Panel.RemainingMs = ms;
    if (!g_Panel.Window) return;
    if (ms < 1) {
        g_Panel.Paused = 1;
        KillTimer(g_Panel.Window, kTimerCountdown);
    } else {
        g_Panel.Paused = 0;
        SetTimer(g_Panel.Window, kTimerCountdown, kTickMs, nullptr);
    }
    InvalidateRect(g_Panel.Window, nullptr, FALSE);
}

void m_AutoNext_Command(int button)
{
    if (button == 0 || button == 1) {
        if (g_Panel.Window) KillTimer(g_Panel.Window, kTimerCountdown);
        m_Notify(button == 0 ? NOTICE_AUTONEXT_NOW : NOTICE_AUTONEXT_CANCEL);
        return;
    }
    if (g_Panel.Paused) {
        if (g_RepeatMode == REPEAT_OFF) return;
        g_Panel.Paused = 0;
        m_Notify(NOTICE_AUTONEXT_NOW);
        return;
    }
    g_Panel.Paused = 1;
    if (g_Panel.Window) {
        KillTimer(g_Panel.Window, kTimerCountdown);
        InvalidateRect(g_Panel.Window, nullptr, FALSE);
    }
    m_Notify(NOTICE_AUTONEXT_PAUSE);
}

int m_AutoNext_Remaining() { return g_Panel.RemainingMs; }
int m_AutoNext_IsPaused() { return g_Panel.Paused; }
