#include <doctest/doctest.h>

#include <windows.h>

#include <string>

#include "MainWindowFixture.h"
#include "app/AboutBox.h"
#include "app/MessageLoop.h"
#include "resources/resource.h"

namespace {

int CountBoxes()
{
    int count = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM data) -> BOOL {
            wchar_t name[64];
            if (GetClassNameW(hwnd, name, 64) && wcscmp(name, L"#32770") == 0)
                ++*reinterpret_cast<int*>(data);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

// Posts the key to the box's text field and runs the player's message loop
// until the queue is empty.
void PressInBox(WPARAM key)
{
    HWND text = GetDlgItem(m_GetAboutBox(), IDC_ABOUT_TEXT);
    PostMessageW(text, WM_KEYDOWN, key, 1);
    PostMessageW(text, WM_KEYUP, key, 0xC0000001);
    PostQuitMessage(0);
    m_RunMessageLoop();
}

}  // namespace

TEST_CASE_FIXTURE(CMainWindowFixture, "the about box shows the version line and the home page")
{
    m_ShowAboutBox(1, 1);
    HWND box = m_GetAboutBox();
    REQUIRE(box);
    CHECK(IsWindowVisible(box));
    CHECK(GetWindow(box, GW_OWNER) == g_hWndMain);
    wchar_t text[256] = L"";
    GetDlgItemTextW(box, IDC_ABOUT_TEXT, text, 256);
    CHECK(std::wstring(text) == L"Zentavio 0.9 Build 690 (64bit)\r\nhttps://zentavio.example/");
    CHECK(SendDlgItemMessageW(box, IDC_ABOUT_ICON, STM_GETICON, 0, 0) != 0);

    // Centred over the main window, within rounding.
    RECT main = Visible(g_hWndMain), rc;
    GetWindowRect(box, &rc);
    CHECK(abs((rc.left + rc.right) - (main.left + main.right)) <= 1);
    CHECK(abs((rc.top + rc.bottom) - (main.top + main.bottom)) <= 1);
}

TEST_CASE_FIXTURE(CMainWindowFixture, "asking twice leaves one box, in front")
{
    m_ShowAboutBox(1, 1);
    HWND box = m_GetAboutBox();
    REQUIRE(box);
    SetForegroundWindow(g_hWndMain);
    m_ShowAboutBox(1, 1);
    CHECK(m_GetAboutBox() == box);
    CHECK(CountBoxes() == 1);
    CHECK(GetForegroundWindow() == box);
}

TEST_CASE_FIXTURE(CMainWindowFixture, "Enter, Escape and Space close the box from its text field")
{
    const WPARAM keys[] = {VK_RETURN, VK_ESCAPE, VK_SPACE};
    for (WPARAM key : keys) {
        CAPTURE(key);
        m_ShowAboutBox(1, 1);
        REQUIRE(m_GetAboutBox());
        SetFocus(GetDlgItem(m_GetAboutBox(), IDC_ABOUT_TEXT));
        PressInBox(key);
        CHECK(m_GetAboutBox() == nullptr);
        CHECK(CountBoxes() == 0);
    }
    m_ShowAboutBox(1, 1);
    PressInBox('B');
    CHECK(m_GetAboutBox() != nullptr);
}

TEST_CASE_FIXTURE(CMainWindowFixture, "Ctrl+A selects the whole text")
{
    m_ShowAboutBox(1, 1);
    HWND box = m_GetAboutBox();
    REQUIRE(box);
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    CHECK(m_AboutBox_PreTranslateKey(box, WM_KEYDOWN, 'A') == 1);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    DWORD from = 1, to = 0;
    SendDlgItemMessageW(box, IDC_ABOUT_TEXT, EM_GETSEL, (WPARAM)&from, (LPARAM)&to);
    CHECK(from == 0);
    CHECK(to == (DWORD)GetWindowTextLengthW(GetDlgItem(box, IDC_ABOUT_TEXT)));
    // Without Ctrl the key is the text field's.
    CHECK(m_AboutBox_PreTranslateKey(box, WM_KEYDOWN, 'A') == 0);
    // Keys of other windows are not the box's.
    CHECK(m_AboutBox_PreTranslateKey(g_hWndMain, WM_KEYDOWN, VK_ESCAPE) == 0);
}

TEST_CASE_FIXTURE(CMainWindowFixture, "a double click closes the box only when the option is on")
{
    m_ShowAboutBox(1, 1);
    SendMessageW(m_GetAboutBox(), WM_LBUTTONDBLCLK, 0, MAKELPARAM(5, 5));
    CHECK(m_GetAboutBox() != nullptr);
    g_Settings.Common_DClkHide = 1;
    SendMessageW(m_GetAboutBox(), WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    CHECK(m_GetAboutBox() == nullptr);
}
