#include <doctest/doctest.h>

#include <windows.h>

#include "../settings/SettingsFixture.h"
#include "app/MainWindow.h"
#include "app/Startup.h"
#include "playback/VolumeControl.h"
#include "settings/InstanceNotice.h"

namespace {

// A window of the main window procedure, under a class of its own.
HWND CreateRoutedWindow()
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = MainWndProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ZvRoutingTest";
    RegisterClassW(&wc);
    return CreateWindowExW(0, wc.lpszClassName, L"", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                           nullptr, wc.hInstance, nullptr);
}

void PumpFor(DWORD ms)
{
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(10);
    }
}

}  // namespace

TEST_CASE("the main window runs the delayed [Main] save and applies another instance's save")
{
    CSettingsFixture ini;
    ini.Write(L"[Main]\r\nVol=30\r\n[Ctrl]\r\nWndBtn=0\r\n[Common]\r\nMouSens=10\r\n");
    g_hWndMain = CreateRoutedWindow();
    REQUIRE(g_hWndMain);
    m_Settings_ReadMain();
    m_Settings_SnapshotMain();
    m_LoadSettings(SETTINGS_GROUP_ALL);
    CSettingsFixture::TakeSnapshots();
    m_Settings_SetStartupDone();

    m_Volume_ShowText(3055, 0);
    PumpFor(1000);
    CHECK(ini.Get(L"Main", L"Vol") == L"30");
    PumpFor(1500);
    CHECK(ini.Get(L"Main", L"Vol") == L"30.55");

    g_NotifyMessage = RegisterWindowMessageW(L"Zentavio_NotifyMessage");
    WritePrivateProfileStringW(L"Ctrl", L"WndBtn", L"1", g_IniPath);
    WritePrivateProfileStringW(L"Common", L"MouSens", L"25", g_IniPath);
    SendMessageW(g_hWndMain, g_NotifyMessage, NOTICE_SETTINGS, 0);
    CHECK(g_Settings.Common_MouSens == 25);
    CHECK(g_SettingsCopy.Common_MouSens == 25);
    CHECK((GetWindowLongPtrW(g_hWndMain, GWL_STYLE) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) == 0);

    g_NotifyMessage = 0;
    DestroyWindow(g_hWndMain);
    g_hWndMain = nullptr;
}
