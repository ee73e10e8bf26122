// Opening a popup menu of 200 items up to its first painted picture,
// against creating and showing a plain layered window of the same size
// with one solid picture, alternating in the same run. The menu manager is
// made once beforehand, as the player's lives for the whole run.
#include "BenchTiming.h"
#include <windows.h>

#include <gdiplus.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <vector>

#include "base/ArgbImage.h"
#include "controls/MenuManager.h"

namespace {

constexpr int kItems = 200;
constexpr int kRuns = 15;
constexpr UINT WM_BENCH_SHOWN = WM_APP + 1;

CMenuManager* s_Manager = nullptr;
double s_ShownAt = 0;

// The owner: the first message the menu's loop dispatches marks the menu
// as shown (its picture is pushed before the loop starts) and closes it.
LRESULT CALLBACK m_OwnerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_BENCH_SHOWN) {
        s_ShownAt = m_Now();
        if (s_Manager) s_Manager->m_CloseActive();
        return 0;
    }
    if (msg >= WM_APP) return 0;
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

HWND m_MakeWindow(const wchar_t* cls, DWORD ex, DWORD style, int w, int h)
{
    return CreateWindowExW(ex, cls, L"", style, 100, 20, w, h, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

bool m_Register(const wchar_t* cls)
{
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = m_OwnerProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = cls;
    return RegisterClassExW(&wc) != 0;
}

void m_Pump()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

void m_FillMenu(CMenuPlus* p)
{
    for (int i = 0; i < kItems; ++i) {
        SMENUITEM it = {};
        it.Id = 1000 + i;
        if (i % 10 == 0)
            swprintf(it.Text, 128, L"ファイル %d を開く\tCtrl+%d", i, i % 10);
        else
            swprintf(it.Text, 128, L"Playlist entry number %d", i);
        if (i % 7 == 0) it.CheckKind = MENUCHECK_BOX;
        it.Checked = i % 14 == 0;
        p->m_InsertItem(&it, -1, 0);
        if (i % 25 == 24) p->m_InsertSeparator(-1);
    }
}

// Seconds from nothing to the menu's first picture; size gets its window size.
double m_OpenMenu(HWND owner, SIZE* size)
{
    const double t0 = m_Now();
    CMenuPlus* p = s_Manager->m_CreatePopup(owner, owner, 7);
    if (!p) return -1;
    m_FillMenu(p);
    s_ShownAt = 0;
    PostMessageW(owner, WM_BENCH_SHOWN, 0, 0);
    s_Manager->m_TrackPopup(p, MENUPLACE_TOPLEFT, m_PackMenuPoint(100, 20));
    const RECT& w = p->m_WindowRect;
    const RECT& m = p->m_FrameMargins;
    *size = SIZE{w.right - w.left + m.left + m.right, w.bottom - w.top + m.top + m.bottom};
    m_Pump();  // the closed notice frees the popup
    return s_ShownAt > 0 ? s_ShownAt - t0 : -1;
}

// Seconds to create and show a plain layered window with one picture.
double m_OpenPlain(SIZE size)
{
    const double t0 = m_Now();
    HWND hwnd = m_MakeWindow(L"ZvBenchPlain", WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_NOACTIVATE,
                             WS_POPUP, size.cx, size.cy);
    if (!hwnd) return -1;
    CArgbImage picture;
    picture.m_Create(nullptr, size.cx, size.cy, 32);
    picture.m_FillRect(0xFFFFFFFF, 0, nullptr);
    POINT dst = {100, 20}, src = {0, 0};
    BLENDFUNCTION bf = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    UpdateLayeredWindow(hwnd, nullptr, &dst, &size, picture.m_hDC, &src, 0, &bf, ULW_ALPHA);
    ShowWindow(hwnd, SW_SHOWNA);
    const double t1 = m_Now();
    DestroyWindow(hwnd);
    m_Pump();
    return t1 - t0;
}

}  // namespace

int main()
{
    ULONG_PTR gdiplus = 0;
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&gdiplus, &input, nullptr) != Gdiplus::Ok ||
        !m_Register(L"ZvBenchOwner") || !m_Register(L"ZvBenchPlain")) {
        std::printf("menu: FAILED (no GDI+ or window class)\n");
        return 1;
    }
    HWND owner = m_MakeWindow(L"ZvBenchOwner", 0, WS_POPUP | WS_VISIBLE, 10, 10);
    static CMenuManager manager;
    s_Manager = &manager;
    SMENUSTYLE style;
    manager.m_GetStyle(&style);
    CMenuManager::m_GetSizePreset(&style, 3);
    style.Shadow = 1;
    manager.m_SetStyle(&style, 0, nullptr);
    manager.m_Init();

    SIZE size = {0, 0};
    if (!owner || m_OpenMenu(owner, &size) < 0 || m_OpenPlain(size) < 0) {
        std::printf("menu: FAILED (the menu or the window did not open)\n");
        return 1;
    }
    std::vector<double> ours, plain;
    for (int i = 0; i < kRuns; ++i) {
        plain.push_back(m_OpenPlain(size));
        ours.push_back(m_OpenMenu(owner, &size));
    }
    const double a = m_Median(ours), b = m_Median(plain);
    std::printf(
        "menu: %.2fx of a plain layered window (goal <= 3x; %.2f ms vs %.2f ms to the "
        "first picture of %d items, %ldx%ld, median of %d)\n",
        a / b, a * 1000.0, b * 1000.0, kItems, size.cx, size.cy, kRuns);
    DestroyWindow(owner);
    Gdiplus::GdiplusShutdown(gdiplus);
    return 0;
}
