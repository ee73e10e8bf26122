#include <doctest/doctest.h>

#include <string>

#include "base/WindowMisc.h"

namespace {

// A visible top-level window with a child panel holding a grandchild.
struct SWindows {
    HWND top = nullptr, child = nullptr, grandchild = nullptr;
    SWindows()
    {
        top = CreateWindowExW(0, L"STATIC", L"top", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400,
                              300, nullptr, nullptr, nullptr, nullptr);
        child = CreateWindowExW(WS_EX_CONTROLPARENT, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 10, 10,
                                300, 200, top, (HMENU)100, nullptr, nullptr);
        grandchild = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 5, 5, 100,
                                     20, child, (HMENU)101, nullptr, nullptr);
    }
    ~SWindows() { DestroyWindow(top); }
};

RECT ChildRect(HWND parent, int id)
{
    RECT rc;
    GetWindowRect(GetDlgItem(parent, id), &rc);
    MapWindowPoints(HWND_DESKTOP, parent, (POINT*)&rc, 2);
    return rc;
}

}  // namespace

TEST_CASE("box alignment in an area")
{
    const RECT area = {10, 20, 110, 70};  // 100 x 50
    struct {
        int alignment, x, y;
    } cases[] = {
        {0, 10, 40}, {1, 50, 20}, {2, 90, 40}, {3, 50, 60}, {4, 10, 20},  {5, 10, 60},
        {6, 90, 20}, {7, 90, 60}, {8, 50, 40}, {9, 10, 20}, {-1, 10, 20},  // unknown alignments:
                                                                           // top left
    };
    for (const auto& c : cases) {
        CAPTURE(c.alignment);
        int x = -1, y = -1;
        CHECK(m_AlignRect(&area, 20, 10, &x, &y, c.alignment) == 1);
        CHECK(x == c.x);
        CHECK(y == c.y);
    }
    // Half pixels of centring round up.
    const RECT odd = {0, 0, 11, 11};
    int x = 0, y = 0;
    m_AlignRect(&odd, 4, 4, &x, &y, ALIGN_CENTER_MIDDLE);
    CHECK((x == 4 && y == 4));
    // Too big: 0, and the position is still written.
    CHECK(m_AlignRect(&area, 120, 10, &x, &y, ALIGN_RIGHT_BOTTOM) == 0);
    CHECK((x == -10 && y == 60));
    CHECK(m_AlignRect(&area, 20, 51, &x, &y, ALIGN_LEFT_TOP) == 0);
    CHECK(m_AlignRect(&area, 100, 50, &x, &y, ALIGN_LEFT_TOP) == 1);
}

TEST_CASE("climbing window ancestors")
{
    SWindows w;
    REQUIRE(w.grandchild);
    CHECK(m_GetNonChildAncestor(w.grandchild) == w.top);
    CHECK(m_GetNonChildAncestor(w.child) == w.top);
    CHECK(m_GetNonChildAncestor(w.top) == w.top);
    CHECK(m_GetNonChildAncestor(nullptr) == nullptr);

    CHECK(m_GetVisibleRootWindow(w.grandchild) == w.top);
    CHECK(m_GetVisibleRootWindow(w.top) == w.top);
    ShowWindow(w.child, SW_HIDE);
    CHECK(m_GetVisibleRootWindow(w.grandchild) == w.grandchild);
    ShowWindow(w.child, SW_SHOW);

    SetForegroundWindow(w.top);
    SetFocus(w.grandchild);
    REQUIRE(GetFocus() == w.grandchild);
    CHECK(m_GetFocusTopLevel() == w.top);
}

TEST_CASE("control beside a label")
{
    SWindows w;
    HWND label = CreateWindowExW(0, L"STATIC", L"label", WS_CHILD | WS_VISIBLE, 20, 40, 60, 30,
                                 w.top, (HMENU)200, nullptr, nullptr);
    HWND button = CreateWindowExW(0, L"BUTTON", L"...", WS_CHILD | WS_VISIBLE, 0, 0, 40, 20, w.top,
                                  (HMENU)201, nullptr, nullptr);
    REQUIRE((label && button));
    CHECK(m_AlignControlToLabel(w.top, 200, 201, 6, 0) == 1);
    RECT rc = ChildRect(w.top, 201);
    CHECK((rc.left == 86 && rc.top == 45 && rc.right == 126 && rc.bottom == 65));
    CHECK(m_AlignControlToLabel(w.top, 200, 201, 2, 70) == 1);
    rc = ChildRect(w.top, 201);
    CHECK((rc.left == 82 && rc.right == 152 && rc.bottom - rc.top == 20));
    CHECK(m_AlignControlToLabel(w.top, 200, 999, 2, 70) == 0);
    CHECK(m_AlignControlToLabel(w.top, 999, 201, 2, 70) == 0);
}

TEST_CASE("cursor, mouse tracking, fonts and the accent call")
{
    SWindows w;
    RECT rc;
    GetWindowRect(w.top, &rc);
    REQUIRE(SetCursorPos(rc.left + 50, rc.top + 50));
    CHECK(m_IsCursorInWindow(w.top) == 1);
    REQUIRE(SetCursorPos(rc.right + 20, rc.bottom + 20));
    CHECK(m_IsCursorInWindow(w.top) == 0);
    CHECK(m_IsCursorInWindow(nullptr) == 0);

    CHECK(m_TrackMouseLeave(w.top));

    HFONT font = m_CreateFont(L"Arial", -20, 8, FW_BOLD);
    REQUIRE(font);
    LOGFONTW lf;
    REQUIRE(GetObjectW(font, sizeof(lf), &lf) == sizeof(lf));
    CHECK((lf.lfHeight == -20 && lf.lfWidth == 8 && lf.lfWeight == FW_BOLD));
    CHECK((lf.lfCharSet == DEFAULT_CHARSET && lf.lfQuality == ANTIALIASED_QUALITY));
    CHECK((!lf.lfItalic && !lf.lfUnderline && !lf.lfStrikeOut && lf.lfEscapement == 0));
    CHECK(std::wstring(lf.lfFaceName) == L"Arial");
    DeleteObject(font);

    // Missing on older systems: only a clean 0 or 1 is asked of it.
    const BOOL accent = m_SetWindowAccent(w.top);
    CHECK((accent == 0 || accent == 1));
}

TEST_CASE("clipboard text is cut to 1023 characters")
{
    SWindows w;
    std::wstring longText(2000, L'x');
    longText[1022] = L'\u3042';
    CHECK(m_CopyTextToClipboard(w.top, longText.c_str()) == 1);
    REQUIRE(OpenClipboard(w.top));
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    REQUIRE(data);
    std::wstring got = (const wchar_t*)GlobalLock(data);
    GlobalUnlock(data);
    CloseClipboard();
    CHECK(got.size() == 1023);
    CHECK(got == longText.substr(0, 1023));

    CHECK(m_CopyTextToClipboard(w.top, L"\u518D\u751F") == 1);
    REQUIRE(OpenClipboard(w.top));
    got = (const wchar_t*)GlobalLock(GetClipboardData(CF_UNICODETEXT));
    CloseClipboard();
    CHECK(got == L"\u518D\u751F");

    // A clipboard held open by another window cannot be opened.
    HWND other =
        CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    REQUIRE(OpenClipboard(other));
    HANDLE t = CreateThread(
        nullptr, 0, [](void*) -> DWORD { return (DWORD)m_CopyTextToClipboard(nullptr, L"busy"); },
        nullptr, 0, nullptr);
    WaitForSingleObject(t, 5000);
    DWORD code = 99;
    GetExitCodeThread(t, &code);
    CloseHandle(t);
    CloseClipboard();
    DestroyWindow(other);
    CHECK(code == 0);
}

TEST_CASE("key state, navigation keys and digits")
{
    BYTE state[256] = {};
    state[VK_SHIFT] = 0x80;
    state[VK_F5] = 0x81;
    SetKeyboardState(state);
    CHECK(m_IsKeyDown(VK_SHIFT) == 1);
    CHECK(m_IsKeyDown(VK_F5) == 1);
    CHECK(m_IsKeyDown(VK_CONTROL) == 0);
    state[VK_SHIFT] = 0x01;  // toggled only, not down
    SetKeyboardState(state);
    CHECK(m_IsKeyDown(VK_SHIFT) == 0);
    BYTE none[256] = {};
    SetKeyboardState(none);

    for (int vk = 0; vk < 256; ++vk) {
        CAPTURE(vk);
        CHECK(m_IsNavigationKey(vk) == (vk >= VK_PRIOR && vk <= VK_DOWN ? 1 : 0));
    }
    CHECK(m_IsDigit(L'0') == 1);
    CHECK(m_IsDigit(L'9') == 1);
    CHECK(m_IsDigit(L'/') == 0);
    CHECK(m_IsDigit(L':') == 0);
    CHECK(m_IsDigit(L'\uFF11') == 0);  // a full-width digit is not one
}
