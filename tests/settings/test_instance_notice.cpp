#include <doctest/doctest.h>

#include <windows.h>

#include <stdio.h>

#include <initializer_list>
#include <vector>

#include "SettingsFixture.h"
#include "app/Startup.h"
#include "settings/SettingsFile.h"

namespace {

struct SReceived {
    HWND Window;
    WPARAM Code;
    int MouSens;  // what the settings file held when the notice came
};
std::vector<SReceived> s_Received;

LRESULT CALLBACK ReceiverProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == g_NotifyMessage && g_NotifyMessage) {
        s_Received.push_back(
            {hwnd, wParam, (int)GetPrivateProfileIntW(L"Common", L"MouSens", 0, g_IniPath)});
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

HWND MakeWindow(const wchar_t* cls, HWND owner, bool marked)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = ReceiverProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = cls;
    RegisterClassW(&wc);
    HWND hwnd =
        CreateWindowExW(0, cls, L"", WS_POPUP, 0, 0, 10, 10, owner, nullptr, wc.hInstance, nullptr);
    if (marked) SetPropW(hwnd, g_InstanceName, (HANDLE)1);
    return hwnd;
}

// Instance windows of this test (the property name is unique to it): this
// instance's main window, another instance's, one owned by it, one unmarked.
class CInstances {
public:
    CInstances()
    {
        _snwprintf(g_InstanceName, MAX_PATH, L"zv/notice/test/%lu", GetCurrentProcessId());
        g_NotifyMessage = RegisterWindowMessageW(L"Zentavio_NotifyMessage_Test");
        g_hInstanceMutex = CreateMutexW(nullptr, TRUE, g_InstanceName);
        Own = MakeWindow(L"ZvNoticeTest", nullptr, true);
        Other = MakeWindow(L"ZvNoticeTest", nullptr, true);
        Owned = MakeWindow(L"ZvNoticeTest", Other, true);
        Unmarked = MakeWindow(L"ZvNoticeTest", nullptr, false);
        g_hWndMain = Own;
        s_Received.clear();
    }
    ~CInstances()
    {
        for (HWND hwnd : {Owned, Own, Other, Unmarked}) DestroyWindow(hwnd);
        if (OtherMutex) CloseHandle(OtherMutex);
        CloseHandle(g_hInstanceMutex);
        g_hInstanceMutex = nullptr;
        g_hWndMain = nullptr;
        g_InstanceName[0] = 0;
    }
    // Another running instance holds the instance mutex.
    void StartOther() { OtherMutex = CreateMutexW(nullptr, FALSE, g_InstanceName); }

    HWND Own, Other, Owned, Unmarked;
    HANDLE OtherMutex = nullptr;
};

}  // namespace

TEST_CASE("by mutex: only the other instances' main windows hear, and only when one runs")
{
    CSettingsFixture ini;
    CInstances windows;
    m_NotifyOtherInstances(NOTICE_SETTINGS, 1);
    CHECK(s_Received.empty());

    windows.StartOther();
    m_NotifyOtherInstances(NOTICE_TIMER, 1);
    REQUIRE(s_Received.size() == 1);
    CHECK(s_Received[0].Window == windows.Other);
    CHECK(s_Received[0].Code == NOTICE_TIMER);

    // the mutex made again still tells a later start that one runs
    HANDLE probe = CreateMutexW(nullptr, FALSE, g_InstanceName);
    CHECK(GetLastError() == ERROR_ALREADY_EXISTS);
    CloseHandle(probe);
}

TEST_CASE("by class: every other main window of the class hears")
{
    CSettingsFixture ini;
    CInstances windows;
    HWND player = MakeWindow(L"ZENTAVIO", nullptr, false);
    // a code no player acts on, as players of other tests may be running
    m_NotifyOtherInstances(99, 0);
    bool heard = false;
    for (const SReceived& r : s_Received) {
        CHECK(r.Window != windows.Other);
        CHECK(r.Window != windows.Own);
        heard = heard || r.Window == player;
    }
    CHECK(heard);
    DestroyWindow(player);
}

TEST_CASE("a settings save is told once the file holds it")
{
    CSettingsFixture ini;
    CInstances windows;
    windows.StartOther();
    ini.Write(L"[Common]\r\nMouSens=10\r\n");
    m_LoadSettings(SETTINGS_GROUP_ALL);
    CSettingsFixture::TakeSnapshots();

    g_Settings.Common_MouSens = 30;
    m_SettingsFile_BeginWrite();
    CHECK(m_SaveSettings(0) == 1);
    CHECK(s_Received.empty());
    m_SettingsFile_EndWrite();
    REQUIRE(s_Received.size() == 1);
    CHECK(s_Received[0].Code == NOTICE_SETTINGS);
    CHECK(s_Received[0].MouSens == 30);

    s_Received.clear();
    CHECK(m_SaveSettings(0) == 0);
    CHECK(s_Received.empty());
}
