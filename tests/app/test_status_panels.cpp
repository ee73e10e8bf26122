// The panel painters on real Static panels: what they paint around their
// children and the input they pass on to the main window.
#include <doctest/doctest.h>

#include <vector>

#include "app/Layout.h"
#include "app/MainWindow.h"
#include "app/StatusPanels.h"
#include "controls/SliderPlus.h"
#include "settings/Settings.h"

namespace {

std::vector<UINT> g_MainMessages;

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_LBUTTONDOWN || msg == WM_KEYDOWN || msg == WM_HSCROLL || msg == WM_COMMAND)
        g_MainMessages.push_back(msg);
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

HWND MakeMain()
{
    static ATOM atom = [] {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = RecordingProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"ZvPanelTestMain";
        return RegisterClassW(&wc);
    }();
    (void)atom;
    return CreateWindowExW(0, L"ZvPanelTestMain", L"", WS_POPUP | WS_VISIBLE, 10, 10, 300, 120,
                           nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

HWND MakeStatic(HWND parent, int id, int x, int y, int w, int h)
{
    return CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE | SS_SIMPLE, x, y, w, h, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleW(nullptr), nullptr);
}

COLORREF Pixel(HWND hwnd, int x, int y)
{
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC dc = GetDC(hwnd);
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(hwnd, dc);
    return c;
}

constexpr COLORREF kBack = RGB(10, 20, 30), kFrame = RGB(200, 0, 0), kSep = RGB(0, 200, 0);

}  // namespace

TEST_CASE("panels paint their rows, lines and button separators around their children")
{
    g_PanelLook = {kBack, kFrame, kSep, 1, 0};
    g_Settings.Ctrl_Btn[0] = g_Settings.Ctrl_Btn[1] = 28;
    g_Settings.Ctrl_Style[1] = 0;
    const int order[] = {1, BUTTON_ORDER_SEPARATOR, BUTTON_ORDER_BLANK, 2, BUTTON_ORDER_SEPARATOR};
    g_Settings.Ctrl_BtnOdrCount = 5;
    for (int i = 0; i < 5; ++i) g_Settings.Ctrl_BtnOdr[i] = order[i];

    HWND main = MakeMain();
    HWND control = MakeStatic(main, IDC_CONTROL_PANEL, 0, 0, 300, 120);
    HWND seek = MakeStatic(control, IDC_SEEKBAR, 10, 4, 280, 16);
    HWND row = MakeStatic(control, IDC_BUTTON_PANEL, 0, 30, 300, 60);
    HWND buttons = MakeStatic(row, IDC_BUTTON_BAR, 0, 10, 300, 40);
    REQUIRE(m_Panel_Install(control, PANEL_CONTROL));
    REQUIRE(m_Panel_Install(row, PANEL_CONTROL_BAR));
    REQUIRE(m_Panel_Install(buttons, PANEL_BUTTONS));
    CHECK_FALSE(m_Panel_Install(nullptr, PANEL_BUTTONS));

    CHECK(Pixel(control, 5, 0) == kFrame);
    CHECK(Pixel(control, 5, 10) == kBack);
    CHECK(Pixel(control, 5, 29) == kSep);
    CHECK(Pixel(control, 5, 100) == kBack);
    CHECK(Pixel(row, 5, 9) == kSep);
    CHECK(Pixel(row, 5, 5) == kBack);
    CHECK(Pixel(buttons, 28, 5) == kSep);
    CHECK(Pixel(buttons, 30, 5) == kBack);
    CHECK(Pixel(buttons, 58, 5) == kSep);

    // Flat buttons take narrower slots; a hidden seek bar drops its line.
    g_PanelLook.bFlatButtons = 1;
    CHECK(Pixel(buttons, 26, 5) == kSep);
    ShowWindow(seek, SW_HIDE);
    CHECK(Pixel(control, 5, 29) == kBack);
    g_PanelLook.bFrameLine = 0;
    CHECK(Pixel(control, 5, 0) == kBack);

    DestroyWindow(main);
}

TEST_CASE("panels pass mouse, key and scroll input on to the main window and swallow erasing")
{
    HWND main = MakeMain();
    HWND control = MakeStatic(main, IDC_CONTROL_PANEL, 0, 0, 300, 120);
    HWND picture = MakeStatic(main, 999, 0, 0, 30, 30);
    REQUIRE(m_Panel_Install(control, PANEL_CONTROL));
    REQUIRE(m_Panel_Install(picture, PANEL_PICTURE));
    g_hWndMain = main;
    g_MainMessages.clear();
    SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 4));
    SendMessageW(control, WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(control, WM_HSCROLL, 0, 0);
    SendMessageW(picture, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendMessageW(picture, WM_HSCROLL, 0, 0);
    CHECK(g_MainMessages ==
          std::vector<UINT>{WM_LBUTTONDOWN, WM_KEYDOWN, WM_HSCROLL, WM_LBUTTONDOWN});
    HDC dc = GetDC(control);
    CHECK(SendMessageW(control, WM_ERASEBKGND, WPARAM(dc), 0) == 1);
    ReleaseDC(control, dc);
    g_hWndMain = nullptr;
    DestroyWindow(main);
}

TEST_CASE("panels hand the control bar's commands to the control commands, not to the main window")
{
    HWND main = MakeMain();
    HWND buttons = MakeStatic(main, IDC_BUTTON_PANEL, 0, 0, 300, 30);
    REQUIRE(m_Panel_Install(buttons, PANEL_BUTTONS));
    g_hWndMain = main;
    g_MainMessages.clear();
    const int mode = m_GetControlBarMode();
    // The extra button's click switches the control-bar mode.
    SendMessageW(buttons, WM_COMMAND, MAKEWPARAM(IDC_EXTRA_BUTTON, 0), 0);
    CHECK(m_GetControlBarMode() == !mode);
    SendMessageW(buttons, WM_COMMAND, MAKEWPARAM(IDC_EXTRA_BUTTON, 0), 0);
    CHECK(m_GetControlBarMode() == mode);
    // A command no control handles goes to the panel's own procedure.
    CHECK(SendMessageW(buttons, WM_COMMAND, MAKEWPARAM(1234, 0), 0) == 0);
    CHECK(g_MainMessages.empty());
    g_hWndMain = nullptr;
    DestroyWindow(main);
}
