#include <doctest/doctest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "base/DialogUtil.h"

namespace {

LRESULT CALLBACK TestWndProc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    return DefWindowProcW(w, msg, wp, lp);
}

// A visible, topmost, captioned window standing in for a dialog.
struct CTestDialog {
    HWND hwnd = nullptr;

    CTestDialog()
    {
        INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_TAB_CLASSES};
        InitCommonControlsEx(&icc);
        WNDCLASSW wc = {};
        wc.lpfnWndProc = TestWndProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"DialogUtilTest";
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        RegisterClassW(&wc);
        hwnd = CreateWindowExW(WS_EX_TOPMOST, L"DialogUtilTest", L"test",
                               WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 720, 520, nullptr, nullptr,
                               wc.hInstance, nullptr);
    }
    ~CTestDialog() { DestroyWindow(hwnd); }

    HWND Add(const wchar_t* cls, DWORD style, int x, int y, int w, int h, int id = 0,
             const wchar_t* text = L"x")
    {
        return CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, hwnd,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleW(nullptr), nullptr);
    }
    void Pump()
    {
        UpdateWindow(hwnd);
        MSG msg;
        for (int i = 0; i < 20; ++i) {
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
            Sleep(10);
        }
    }
    POINT ScreenPoint(int x, int y)
    {
        POINT pt = {x, y};
        ClientToScreen(hwnd, &pt);
        return pt;
    }
};

}  // namespace

TEST_CASE("control kind under a screen point, by class and style")
{
    CTestDialog dlg;
    REQUIRE(dlg.hwnd);
    struct {
        const wchar_t* cls;
        DWORD style;
        int kind;
    } cases[] = {
        {L"Button", BS_PUSHBUTTON, 1},
        {L"Button", BS_DEFPUSHBUTTON, 1},
        {L"Button", BS_OWNERDRAW, 1},
        {L"Button", BS_CHECKBOX, 2},
        {L"Button", BS_AUTOCHECKBOX, 2},
        {L"Button", BS_3STATE, 2},
        {L"Button", BS_AUTO3STATE, 2},
        {L"Button", BS_RADIOBUTTON, 3},
        {L"Button", BS_AUTORADIOBUTTON, 3},
        {L"Button", BS_GROUPBOX, 4},
        {L"Edit", WS_BORDER, 5},
        {L"ComboBox", CBS_DROPDOWNLIST, 6},
        {UPDOWN_CLASSW, 0, 7},
        {L"ScrollBar", SBS_HORZ, 8},
        {WC_LISTVIEWW, LVS_ICON, 9},
        {L"Static", SS_ICON, 10},
        {L"Static", SS_BLACKRECT, 10},
        {L"Static", SS_WHITEFRAME, 10},
        {L"Static", SS_OWNERDRAW, 10},
        {L"Static", SS_BITMAP, 10},
        {WC_TABCONTROLW, 0, 11},
        {L"Static", SS_LEFT, 12},
        {L"Static", SS_SIMPLE, 12},
        {L"Static", SS_ETCHEDHORZ, 12},
        {PROGRESS_CLASSW, 0, 0},
    };
    const int n = sizeof(cases) / sizeof(cases[0]);
    HWND controls[n];
    for (int i = 0; i < n; ++i) {
        controls[i] =
            dlg.Add(cases[i].cls, cases[i].style, 10 + (i % 5) * 140, 10 + (i / 5) * 60, 120, 40);
        REQUIRE(controls[i]);
    }
    // A check box inside a group box, and a disabled edit (skipped by hit tests).
    dlg.Add(L"Button", BS_GROUPBOX, 10, 320, 300, 150);
    dlg.Add(L"Button", BS_AUTOCHECKBOX, 30, 350, 100, 30);
    EnableWindow(dlg.Add(L"Edit", WS_BORDER, 30, 400, 100, 30), FALSE);
    dlg.Pump();

    for (int i = 0; i < n; ++i) {
        CAPTURE(i);
        // Some controls size themselves (an etched line is 2 pixels high).
        RECT rc;
        GetWindowRect(controls[i], &rc);
        POINT pt = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
        CHECK(m_GetControlKindAtPoint(&pt) == cases[i].kind);
    }
    POINT inGroupCheck = dlg.ScreenPoint(60, 365);
    CHECK(m_GetControlKindAtPoint(&inGroupCheck) == 2);
    POINT inGroupOnly = dlg.ScreenPoint(250, 440);
    CHECK(m_GetControlKindAtPoint(&inGroupOnly) == 4);
    POINT disabledEdit = dlg.ScreenPoint(60, 415);
    CHECK(m_GetControlKindAtPoint(&disabledEdit) == 5);
    POINT bare = dlg.ScreenPoint(600, 450);
    CHECK(m_GetControlKindAtPoint(&bare) == 0);
}

TEST_CASE("font to every child, combo box data lookup")
{
    CTestDialog dlg;
    REQUIRE(dlg.hwnd);
    HWND a = dlg.Add(L"Button", BS_PUSHBUTTON, 0, 0, 50, 20);
    HWND combo = dlg.Add(L"ComboBox", CBS_DROPDOWNLIST, 0, 30, 100, 200);
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    m_SetFontToChildren(dlg.hwnd, font);
    CHECK(reinterpret_cast<HFONT>(SendMessageW(a, WM_GETFONT, 0, 0)) == font);
    CHECK(reinterpret_cast<HFONT>(SendMessageW(combo, WM_GETFONT, 0, 0)) == font);

    const LPARAM data[] = {10, 20, 20};
    for (LPARAM d : data) {
        LRESULT i = SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"item"));
        SendMessageW(combo, CB_SETITEMDATA, i, d);
    }
    CHECK(m_ComboBox_FindByData(combo, 20) == 1);
    CHECK(m_ComboBox_FindByData(combo, 10) == 0);
    CHECK(m_ComboBox_FindByData(combo, 99) == -1);
}

TEST_CASE("edit line: trimmed, and a long line stays inside the buffer")
{
    CTestDialog dlg;
    REQUIRE(dlg.hwnd);
    std::wstring longLine(300, L'a');
    std::wstring text = L"  hello world \t\r\nsecond\r\n" + longLine;
    HWND edit = dlg.Add(L"Edit", ES_MULTILINE | ES_AUTOHSCROLL, 0, 0, 300, 100, 0, text.c_str());
    REQUIRE(edit);

    struct {
        wchar_t buf[kEditLineCap];
        wchar_t guard[4];
    } s;
    CHECK(m_Edit_GetLine(edit, 0, s.buf) == 11);
    CHECK(std::wstring(s.buf) == L"hello world");
    CHECK(m_Edit_GetLine(edit, 1, s.buf) == 6);
    CHECK(std::wstring(s.buf) == L"second");

    wmemset(s.guard, L'#', 4);
    CHECK(m_Edit_GetLine(edit, 2, s.buf) == kEditLineCap - 1);
    CHECK(std::wstring(s.buf) == longLine.substr(0, kEditLineCap - 1));
    CHECK(s.guard[0] == L'#');
}

TEST_CASE("tooltips over a control, on it, and over the whole dialog")
{
    CTestDialog dlg;
    REQUIRE(dlg.hwnd);
    HWND button = dlg.Add(L"Button", BS_PUSHBUTTON, 30, 40, 80, 24, 1001);
    REQUIRE(button);
    HWND tip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                               dlg.hwnd, nullptr, nullptr, nullptr);
    REQUIRE(tip);
    auto count = [&] { return SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0); };

    CHECK(m_AddToolTip(tip, dlg.hwnd, 1001, L"再生", 0) == 1);
    CHECK(count() == 2);
    TTTOOLINFOW ti = {};
    ti.cbSize = TTTOOLINFOW_V2_SIZE;
    ti.hwnd = dlg.hwnd;
    ti.uId = 1001;
    REQUIRE(SendMessageW(tip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&ti)));
    RECT expected = {30, 40, 110, 64};
    CHECK(EqualRect(&ti.rect, &expected));
    ti.uId = reinterpret_cast<UINT_PTR>(button);
    CHECK(SendMessageW(tip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&ti)) != 0);

    CHECK(m_AddToolTip(tip, dlg.hwnd, 1001, L"再生", 1) == 1);
    CHECK(count() == 3);
    CHECK(m_AddToolTip(tip, dlg.hwnd, 4242, L"none", 0) == 0);  // no such control
    CHECK(count() == 3);

    CHECK(m_AddToolTipWhole(tip, dlg.hwnd, 1002, L"全体") == 1);
    ti.uId = 1002;
    REQUIRE(SendMessageW(tip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&ti)));
    RECT client;
    GetClientRect(dlg.hwnd, &client);
    CHECK(EqualRect(&ti.rect, &client));
    DestroyWindow(tip);
}

TEST_CASE("menu item state and default item")
{
    HMENU menu = CreatePopupMenu();
    REQUIRE(menu);
    AppendMenuW(menu, MF_STRING | MF_CHECKED, 100, L"a");
    AppendMenuW(menu, MF_STRING | MF_GRAYED, 101, L"b");
    CHECK((m_Menu_GetItemState(menu, 100) & MFS_CHECKED) != 0);
    CHECK((m_Menu_GetItemState(menu, 101) & MFS_CHECKED) == 0);
    CHECK(m_Menu_GetItemState(menu, 999) == 0);

    CHECK(m_Menu_SetDefaultItem(menu, 101) == 1);
    UINT state = m_Menu_GetItemState(menu, 101);
    CHECK((state & MFS_DEFAULT) != 0);
    CHECK((state & MFS_GRAYED) != 0);  // the other state bits are kept
    CHECK(GetMenuDefaultItem(menu, FALSE, GMDI_USEDISABLED) == 101);
    CHECK(m_Menu_SetDefaultItem(menu, 999) == 0);
    DestroyMenu(menu);
}
