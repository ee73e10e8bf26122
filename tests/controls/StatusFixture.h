// A visible top-level window holding one status bar, with the bitmap font
// loaded at 100 %, and helpers that drive the bar's timers and read it.
#pragma once
#include <windows.h>
#include <gdiplus.h>

#include <functional>
#include <string>

#include "base/BmpFont.h"
#include "controls/Statusbar.h"

// GDI+ for the whole test program: the font atlas is a PNG resource.
inline void StartGdiplus()
{
    static ULONG_PTR token = [] {
        ULONG_PTR t = 0;
        Gdiplus::GdiplusStartupInput input;
        Gdiplus::GdiplusStartup(&t, &input, nullptr);
        return t;
    }();
    (void)token;
}

inline CBmpFont& TestFont()
{
    StartGdiplus();
    static CBmpFont font;
    if (!font.m_Loaded) font.m_Load(2, 100);
    return font;
}

inline HWND MakeHostWindow(int width, int height, DWORD style = WS_POPUP | WS_VISIBLE)
{
    static ATOM atom = [] {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"ZvTestHost";
        return RegisterClassW(&wc);
    }();
    (void)atom;
    return CreateWindowExW(0, L"ZvTestHost", L"host", style, 40, 40, width, height, nullptr,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
}

struct SStatusFixture {
    HWND host;
    CStatusbar bar;

    explicit SStatusFixture(int width = 400, int height = 22, bool visible = true)
    {
        host = MakeHostWindow(width, height, WS_POPUP | (visible ? WS_VISIBLE : 0));
        bar.m_SetFont(&TestFont());
        bar.m_Create(host, IDC_STATUSBAR);
        MoveWindow(bar.m_GetHwnd(), 0, 0, width, height, FALSE);
    }
    ~SStatusFixture()
    {
        bar.m_DestroyWindow();
        DestroyWindow(host);
    }

    void Tick(UINT id, int times = 1)
    {
        for (int i = 0; i < times; ++i) SendMessageW(bar.m_GetHwnd(), WM_TIMER, id, 0);
    }
    std::wstring Text() const
    {
        wchar_t buf[kStatusWindowTextCap] = {};
        SendMessageW(bar.m_GetHwnd(), WM_GETTEXT, kStatusWindowTextCap, LPARAM(buf));
        return buf;
    }
    std::wstring Message() const { return bar.m_GetPaneText(STATUS_PANE_MESSAGE); }
};

// Runs the message loop for ms milliseconds, calling probe after each turn.
inline void Pump(DWORD ms, const std::function<void()>& probe = nullptr)
{
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (probe) probe();
        Sleep(5);
    }
}

// First and last column in [x0, x1) of row band [y0, y1) holding a pixel
// other than back; first = -1 when there is none.
inline void InkSpan(const CArgbImage& img, int x0, int x1, int y0, int y1, uint32_t back,
                    int* first, int* last)
{
    *first = -1;
    *last = -1;
    for (int x = x0; x < x1; ++x)
        for (int y = y0; y < y1; ++y)
            if (img.m_Row(y)[x] != back) {
                if (*first < 0) *first = x;
                *last = x;
                break;
            }
}
