#include <doctest/doctest.h>

#include <windows.h>

#include <string>

#include "MainWindowFixture.h"
#include "app/CommandLine.h"
#include "app/Shutdown.h"
#include "settings/IniPath.h"

namespace {

std::wstring StoredPos()
{
    wchar_t text[128] = {};
    GetPrivateProfileStringW(L"Main", L"Pos", L"", text, 128, g_IniPath);
    return text;
}

}  // namespace

TEST_CASE_FIXTURE(CMainWindowFixture, "shutdown keeps the place, destroys the window and quits")
{
    Place(140, 110, 720, 470);
    g_CmdLine.bJumpList = 0;
    g_Settings.Common_HoldPos = 1;
    m_Shutdown();
    CHECK_FALSE(IsWindow(g_hWndMain));
    CHECK(StoredPos().rfind(L"140,110,720,470", 0) == 0);
    MSG msg;
    bool quit = false;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) quit = quit || msg.message == WM_QUIT;
    CHECK(quit);
}

TEST_CASE_FIXTURE(CMainWindowFixture, "after a jump-list start [Main] is not written")
{
    Place(140, 110, 720, 470);
    g_CmdLine.bJumpList = 1;
    g_Settings.Common_HoldPos = 1;
    m_Shutdown();
    g_CmdLine.bJumpList = 0;
    CHECK_FALSE(IsWindow(g_hWndMain));
    CHECK(StoredPos().empty());
}
