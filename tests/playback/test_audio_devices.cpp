#include <doctest/doctest.h>

#include <string>
#include <vector>

#include "TempFolder.h"
#include "WideStringMaker.h"
#include "app/MainWindow.h"
#include "app/MonitorTable.h"
#include "app/Startup.h"
#include "playback/AudioDeviceList.h"
#include "playback/AudioDeviceLock.h"
#include "playback/AudioDeviceSelect.h"
#include "playback/AudioDeviceWait.h"
#include "playback/PlayPause.h"
#include "playback/PlayState.h"
#include "playback/VolumeControl.h"
#include "settings/IniPath.h"
#include "settings/Settings.h"
#include "settings/SettingsMain.h"

namespace {

SAUDIODEVICELIST s_System;

void m_FakeLister(SAUDIODEVICELIST* out) { *out = s_System; }

// What the system reports from now on: device names, the default among them.
void SetSystem(std::initializer_list<const wchar_t*> names, const wchar_t* defaultName = L"")
{
    s_System = SAUDIODEVICELIST{};
    for (const wchar_t* n : names) lstrcpynW(s_System.Names[s_System.Count++], n, 256);
    lstrcpynW(s_System.DefaultName, defaultName, 256);
    g_AudioDevices.Changed = 1;
}

// A settings file of its own and the system's list from the test.
struct SDeviceFixture {
    CTempFolder folder;
    SDeviceFixture()
    {
        lstrcpynW(g_IniPath, folder.Join(L"Zentavio.ini").c_str(), MAX_PATH + 1);
        g_Settings = SSETTINGS{};
        g_AudioDevices = SAUDIODEVICES{{}, 0, 1, -1, -1};
        g_AudioDeviceName[0] = 0;
        g_AudioDeviceInUse = -1;
        g_AudioDeviceLister = m_FakeLister;
        SetSystem({});
    }
    ~SDeviceFixture() { g_AudioDeviceLister = m_AudDev_ListSystem; }
    std::wstring Read(const wchar_t* key)
    {
        wchar_t value[400];
        GetPrivateProfileStringW(L"AudDev", key, L"<none>", value, 400, g_IniPath);
        return value;
    }
    void Write(const wchar_t* key, const wchar_t* value)
    {
        WritePrivateProfileStringW(L"AudDev", key, value, g_IniPath);
    }
    void WriteRecords(int count, const wchar_t* format)
    {
        Write(L"Count", std::to_wstring(count).c_str());
        for (int i = 0; i < count; ++i) {
            wchar_t value[64];
            wsprintfW(value, format, i);
            Write(std::to_wstring(i).c_str(), value);
        }
    }
    std::vector<std::wstring> Names()
    {
        std::vector<std::wstring> names;
        for (int i = 0; i < g_AudioDevices.Count; ++i)
            names.push_back(g_AudioDevices.Items[i].Name);
        return names;
    }
    const SAUDIODEVICE& Record(const wchar_t* name)
    {
        const int i = m_AudDev_IndexOf(name);
        REQUIRE(i >= 0);
        return g_AudioDevices.Items[i];
    }
};

}  // namespace

TEST_CASE_FIXTURE(SDeviceFixture, "a first enumeration numbers the devices and writes them")
{
    SetSystem({L"Speakers", L"HDMI Out", L"Dock/50,B"}, L"HDMI Out");
    m_AudDev_Enumerate();
    CHECK(Read(L"Count") == L"3");
    CHECK(Read(L"0") == L"1,0,Speakers");
    CHECK(Read(L"1") == L"2,0,HDMI Out");
    // A name with "/" and "," is written as it is and reads back whole, offset 0.
    CHECK(Read(L"2") == L"3,0,Dock/50,B");
    CHECK(g_AudioDeviceEnumCount == 3);
    REQUIRE(g_AudioDevices.DefaultIndex >= 0);
    CHECK(std::wstring(g_AudioDevices.Items[g_AudioDevices.DefaultIndex].Name) == L"HDMI Out");
    CHECK(g_AudioDevices.Configured == g_AudioDevices.DefaultIndex);

    // The next enumeration reads the same table back, all present.
    SetSystem({L"Speakers", L"HDMI Out", L"Dock/50,B"}, L"HDMI Out");
    m_AudDev_Enumerate();
    CHECK(Names() == std::vector<std::wstring>{L"Speakers", L"HDMI Out", L"Dock/50,B"});
    CHECK(Record(L"Dock/50,B").Offset == 0);
    CHECK(Record(L"Dock/50,B").Present == 1);

    int index = -1, number = -1;
    CHECK(m_AudDev_FindByName(L"HDMI Out", 1, &index, &number) == 1);
    CHECK(number == 2);
    CHECK(m_AudDev_FindByNumber(3) == m_AudDev_IndexOf(L"Dock/50,B"));
    wchar_t name[256];
    CHECK(m_AudDev_GetDefaultName(name, 256, 1) == index);
    CHECK(std::wstring(name) == L"HDMI Out");

    // Gone from the system: kept, but no longer found.
    SetSystem({L"Speakers"}, L"Speakers");
    CHECK(m_AudDev_FindByName(L"HDMI Out", 1, nullptr, nullptr) == 0);
    CHECK(m_AudDev_FindByNumber(2) == -1);
    CHECK(g_AudioDevices.Count == 3);
}

TEST_CASE_FIXTURE(SDeviceFixture, "the configured device is the record of [Common] \"Audio\"")
{
    lstrcpynW(g_Settings.Common_Audio, L"Speakers", 256);
    SetSystem({L"HDMI Out", L"Speakers"}, L"HDMI Out");
    m_AudDev_Enumerate();
    REQUIRE(g_AudioDevices.Configured >= 0);
    CHECK(std::wstring(g_AudioDevices.Items[g_AudioDevices.Configured].Name) == L"Speakers");
    // A configured device that is not there does not fall back to the default.
    lstrcpynW(g_Settings.Common_Audio, L"Gone", 256);
    g_AudioDevices.Changed = 1;
    m_AudDev_Enumerate();
    CHECK(g_AudioDevices.Configured == -1);
}

TEST_CASE_FIXTURE(SDeviceFixture, "removing records lowers \"Count\" and deletes the keys past it")
{
    Write(L"Count", L"5");
    for (int i = 0; i < 5; ++i)
        Write(std::to_wstring(i).c_str(),
              (std::to_wstring(i + 1) + L",0,Dev" + std::to_wstring(i)).c_str());
    m_AudDev_Enumerate();
    REQUIRE(g_AudioDevices.Count == 5);
    g_AudioDevices.Items[m_AudDev_IndexOf(L"Dev1")].DeleteMark = 1;
    g_AudioDevices.Items[m_AudDev_IndexOf(L"Dev3")].DeleteMark = 1;
    CHECK(m_AudDev_DeleteMarked() == 1);
    CHECK(Read(L"Count") == L"3");
    CHECK(Read(L"2") == L"5,0,Dev4");
    CHECK(Read(L"3") == L"<none>");
    CHECK(Read(L"4") == L"<none>");
    CHECK(m_AudDev_DeleteMarked() == 0);
}

TEST_CASE_FIXTURE(SDeviceFixture, "a new device when 1..9 are taken gets 0 and sorts last")
{
    Write(L"Count", L"9");
    for (int i = 0; i < 9; ++i)
        Write(std::to_wstring(i).c_str(),
              (std::to_wstring(9 - i) + L",0,Old" + std::to_wstring(9 - i)).c_str());
    SetSystem({L"Fresh", L"Old4"});
    m_AudDev_Enumerate();
    REQUIRE(g_AudioDevices.Count == 10);
    CHECK(Record(L"Fresh").Number == 0);
    CHECK(std::wstring(g_AudioDevices.Items[9].Name) == L"Fresh");
    for (int i = 0; i < 9; ++i) CHECK(g_AudioDevices.Items[i].Number == i + 1);
    CHECK(Record(L"Old4").Present == 1);
    CHECK(Read(L"Count") == L"10");
}

TEST_CASE_FIXTURE(SDeviceFixture, "a full table makes room by dropping the first absent record")
{
    WriteRecords(32, L"0,0,Dev%d");
    SetSystem({L"Dev0", L"New", L"Dev5"});
    m_AudDev_Enumerate();
    CHECK(g_AudioDevices.Count == 32);
    CHECK(m_AudDev_IndexOf(L"Dev1") == -1);
    CHECK(m_AudDev_IndexOf(L"Dev2") >= 0);
    CHECK(Record(L"New").Present == 1);
    CHECK(Record(L"New").Number == 1);
    CHECK(Record(L"Dev0").Present == 1);
    CHECK(Read(L"Count") == L"32");
}

TEST_CASE_FIXTURE(SDeviceFixture, "setting a held number swaps it and the monitors follow")
{
    Write(L"Count", L"3");
    Write(L"0", L"1,0,A");
    Write(L"1", L"2,0,B");
    Write(L"2", L"0,0,C");
    m_AudDev_Enumerate();
    // Monitor 1 plays on A, monitor 2 on B, monitor 3 on nothing.
    const int monitors[] = {1, 1, 2, 0};
    for (int i = 0; i < 4; ++i) g_Settings.Common_MonAud[i] = monitors[i];

    m_AudDev_SetNumber(m_AudDev_IndexOf(L"A"), 2);
    CHECK(Record(L"A").Number == 2);
    CHECK(Record(L"B").Number == 1);
    CHECK(g_Settings.Common_MonAud[1] == 2);
    CHECK(g_Settings.Common_MonAud[2] == 1);
    CHECK(g_Settings.Common_MonAud[3] == 0);
    CHECK(Read(L"0") == L"2,0,A");

    // A record without a number takes one: the holder gets the lowest free one.
    m_AudDev_SetNumber(m_AudDev_IndexOf(L"C"), 1);
    CHECK(Record(L"C").Number == 1);
    CHECK(Record(L"B").Number == 3);
    CHECK(g_Settings.Common_MonAud[2] == 3);

    // Number 0: the monitors of the old number are left without a device.
    m_AudDev_SetNumber(m_AudDev_IndexOf(L"A"), 0);
    CHECK(Record(L"A").Number == 0);
    CHECK(g_Settings.Common_MonAud[1] == 0);
    m_AudDev_SetNumber(m_AudDev_IndexOf(L"A"), 10);  // out of range: nothing
    CHECK(Record(L"A").Number == 0);

    m_AudDev_SetSkip(m_AudDev_IndexOf(L"B"), 1);
    CHECK(Read(L"1") == L"3,1,B");
}

TEST_CASE("a record value is taken only with two commas, its offset within -99..99")
{
    struct {
        const wchar_t* text;
        int taken, number, skip, lock, offset;
        const wchar_t* name;
    } cases[] = {
        {L"3,2/15,Speakers", 1, 3, 0, 1, 15, L"Speakers"},
        {L"1,3,Dock", 1, 1, 1, 1, 0, L"Dock"},
        {L"2,0/-40,Ear/phones, left", 1, 2, 0, 0, -40, L"Ear/phones, left"},
        {L"1,0,A/20", 1, 1, 0, 0, 0, L"A/20"},
        {L"1,0/abc,X", 1, 1, 0, 0, 0, L"X"},
        {L"1,0/100,X", 1, 1, 0, 0, 99, L"X"},
        {L"1,0/-100,X", 1, 1, 0, 0, -99, L"X"},
        {L"12,0,X", 1, 0, 0, 0, 0, L"X"},
        {L"-3,0,X", 1, 0, 0, 0, 0, L"X"},
        {L"1,Speakers", 0, 0, 0, 0, 0, L""},
        {L"1,0,", 0, 0, 0, 0, 0, L""},
        {L"", 0, 0, 0, 0, 0, L""},
    };
    for (const auto& c : cases) {
        CAPTURE(std::wstring(c.text));
        SAUDIODEVICE d;
        REQUIRE(m_AudDev_ParseRecord(c.text, &d) == c.taken);
        if (!c.taken) continue;
        CHECK(d.Number == c.number);
        CHECK(d.Skip == c.skip);
        CHECK(d.Lock == c.lock);
        CHECK(d.Offset == c.offset);
        CHECK(std::wstring(d.Name) == c.name);
    }
}

TEST_CASE_FIXTURE(SDeviceFixture, "broken records leave no gap and a long table is cut to 32")
{
    SUBCASE("a missing and a broken key between valid ones")
    {
        Write(L"Count", L"4");
        Write(L"0", L"1,0,A");
        Write(L"2", L"2,0");
        Write(L"3", L"3,0/7,C");
        m_AudDev_Enumerate();
        CHECK(Names() == std::vector<std::wstring>{L"A", L"C"});
        m_AudDev_Write();
        CHECK(Read(L"Count") == L"2");
        CHECK(Read(L"1") == L"3,0/7,C");
        CHECK(Read(L"2") == L"<none>");
        CHECK(Read(L"3") == L"<none>");
    }
    SUBCASE("forty records")
    {
        WriteRecords(40, L"0,0,Dev%d");
        m_AudDev_Enumerate();
        CHECK(g_AudioDevices.Count == 32);
        m_AudDev_Write();
        CHECK(Read(L"Count") == L"32");
        CHECK(Read(L"31") == L"0,0,Dev31");
        CHECK(Read(L"32") == L"<none>");
        CHECK(Read(L"39") == L"<none>");
    }
    SUBCASE("a count far beyond the keys")
    {
        Write(L"Count", L"2000000000");
        Write(L"0", L"1,0,A");
        m_AudDev_Enumerate();
        CHECK(Names() == std::vector<std::wstring>{L"A"});
    }
}

TEST_CASE("a volume moves between devices by their offsets, in steps of 500")
{
    struct {
        int volume, from, to, moved;
    } cases[] = {
        {5000, 0, 0, 5000},   {5000, 0, 20, 6500},    {6250, 20, 0, 5000},  {5000, 0, -20, 4000},
        {4000, -20, 0, 5000}, {9000, 0, 50, 10000},   {200, 0, -50, 100},   {5000, 0, 100, 10000},
        {5000, 100, 0, 100},  {5000, -100, 0, 10000}, {5000, 0, -100, 100},
    };
    for (const auto& c : cases) {
        CAPTURE(c.volume);
        CAPTURE(c.from);
        CAPTURE(c.to);
        CHECK(m_AudDev_MoveVolume(c.volume, c.from, c.to) == c.moved);
    }
    CHECK(m_AudDev_OffsetVolume(5000, 20) == 6300);  // 6250 to a whole hundred
    CHECK(m_AudDev_OffsetVolume(5000, -30) == 3500);
    CHECK(m_AudDev_OffsetVolume(5000, 100) == 500000);  // held at 99 %
}

TEST_CASE("timer 61 learns the offset the user's volume implies")
{
    struct {
        int kept, volume, offset, learnt;
    } cases[] = {
        {5000, 6250, 0, 20},     // raised: the device needs more
        {5000, 4000, 0, -20},    // lowered
        {6000, 6000, 20, 20},    // unchanged from an offset's volume
        {6000, 4800, 20, 0},     // back at the plain volume
        {10000, 100, -99, -99},  // would be -100
        {100, 10000, 0, 99},
        {5000, 6000, 100, 99},  // a stored 100 is read as 99, no division by zero
        {5000, 6000, -100, -99},
    };
    for (const auto& c : cases) {
        CAPTURE(c.kept);
        CAPTURE(c.volume);
        CAPTURE(c.offset);
        CHECK(m_AudDev_LearnOffset(c.kept, c.volume, c.offset) == c.learnt);
    }
}

TEST_CASE("the message shortens a device name")
{
    wchar_t out[256];
    m_AudioDevice_ShortName(L"スピーカー (Realtek ハイ デフィニション オーディオ)", out, 256);
    CHECK(std::wstring(out) == L"SPEAKER````(REALTEK````ハイ````デフィニション````AUDIO)");
    m_AudioDevice_ShortName(L"ヘッドホン\x3000USB", out, 256);
    CHECK(std::wstring(out) == L"HEADPHONE````USB");
    // Growing past the buffer cuts the text, never the buffer.
    m_AudioDevice_ShortName(std::wstring(200, L' ').c_str(), out, 256);
    CHECK(wcslen(out) == 255);
}

TEST_CASE_FIXTURE(SDeviceFixture, "a vanished device in use is awaited and its return undone")
{
    SetSystem({L"Speakers", L"Dock"}, L"Speakers");
    m_AudDev_Enumerate();
    lstrcpynW(g_AudioDeviceName, L"Dock", 256);
    g_AudioDeviceInUse = m_AudDev_IndexOf(L"Dock");
    g_MediaOpen = 1;
    g_Settings.Common_AudDsc[1] = 1;
    g_Settings.Common_AudDsc[2] = 60;
    struct {
        int action, volumeAfter, muted;
    } cases[] = {{1, 3500, 0}, {2, 7000, 1}};
    for (const auto& c : cases) {
        CAPTURE(c.action);
        g_Settings.Common_AudDsc[0] = c.action;
        g_MainWindowState.nVolume = 7000;
        g_Mute = 0;
        m_AudioDevice_ClearWait();
        lstrcpynW(g_AudioDeviceName, L"Dock", 256);

        SetSystem({L"Speakers"}, L"Speakers");
        m_AudioDevice_OnChange();
        CHECK(g_AudioDeviceWait.Waiting == 1);
        CHECK(g_AudioDeviceWait.Reason == 0);
        CHECK(std::wstring(g_AudioDeviceWait.Name) == L"Dock");
        CHECK(g_AudioDeviceName[0] == 0);
        CHECK(g_MainWindowState.nVolume == c.volumeAfter);
        CHECK(g_Mute == c.muted);

        // Another notice while still away changes nothing more.
        g_AudioDevices.Changed = 1;
        m_AudioDevice_OnChange();
        CHECK(g_MainWindowState.nVolume == c.volumeAfter);

        SetSystem({L"Speakers", L"Dock"}, L"Speakers");
        m_AudioDevice_OnChange();
        CHECK(g_AudioDeviceWait.Waiting == 0);
        CHECK(std::wstring(g_AudioDeviceName) == L"Dock");
        CHECK(g_MainWindowState.nVolume == 7000);
        CHECK(g_Mute == 0);
    }

    SUBCASE("a wait longer than the longest reconnects nothing")
    {
        lstrcpynW(g_AudioDeviceName, L"Dock", 256);
        SetSystem({L"Speakers"}, L"Speakers");
        m_AudioDevice_OnChange();
        REQUIRE(g_AudioDeviceWait.Waiting == 1);
        g_AudioDeviceWait.Tick = GetTickCount() - 61000;
        SetSystem({L"Speakers", L"Dock"}, L"Speakers");
        m_AudioDevice_OnChange();
        CHECK(g_AudioDeviceWait.Waiting == 0);
        CHECK(g_AudioDeviceName[0] == 0);
    }
    SUBCASE("reconnecting switched off")
    {
        g_Settings.Common_AudDsc[1] = 0;
        lstrcpynW(g_AudioDeviceName, L"Dock", 256);
        SetSystem({L"Speakers"}, L"Speakers");
        m_AudioDevice_OnChange();
        SetSystem({L"Speakers", L"Dock"}, L"Speakers");
        m_AudioDevice_OnChange();
        CHECK(g_AudioDeviceWait.Waiting == 0);
        CHECK(g_AudioDeviceName[0] == 0);
    }
    SUBCASE("nothing open: nothing is awaited")
    {
        g_MediaOpen = 0;
        lstrcpynW(g_AudioDeviceName, L"Dock", 256);
        SetSystem({L"Speakers"}, L"Speakers");
        m_AudioDevice_OnChange();
        CHECK(g_AudioDeviceWait.Waiting == 0);
        CHECK(std::wstring(g_AudioDeviceName) == L"Dock");
    }
    g_MediaOpen = 0;
}

TEST_CASE_FIXTURE(SDeviceFixture, "the system default going away is awaited as the default")
{
    SetSystem({L"Speakers", L"Dock"}, L"Dock");
    m_AudDev_Enumerate();
    g_MediaOpen = 1;
    g_Settings.Common_AudDsc[0] = 1;
    g_Settings.Common_AudDsc[1] = 1;
    g_MainWindowState.nVolume = 10000;
    m_AudioDevice_ClearWait();

    SetSystem({L"Speakers"}, L"Speakers");
    m_AudioDevice_OnChange();
    CHECK(g_AudioDeviceWait.Waiting == 1);
    CHECK(g_AudioDeviceWait.Reason == 1);
    CHECK(std::wstring(g_AudioDeviceWait.Name) == L"Dock");
    CHECK(g_MainWindowState.nVolume == 5000);

    // Back, and the default again: the volume returns.
    SetSystem({L"Speakers", L"Dock"}, L"Dock");
    m_AudioDevice_OnChange();
    CHECK(g_AudioDeviceWait.Waiting == 0);
    CHECK(g_MainWindowState.nVolume == 10000);
    g_MediaOpen = 0;
}

TEST_CASE_FIXTURE(SDeviceFixture, "function 53 picks a device by number, the default or the next")
{
    Write(L"Count", L"4");
    Write(L"0", L"1,0,Speakers");
    Write(L"1", L"2,1,Dock");  // skipped when stepping
    Write(L"2", L"3,0,Away");  // not present
    Write(L"3", L"4,0,Phones");
    SetSystem({L"Speakers", L"Dock", L"Phones"}, L"Speakers");

    m_AudioDevice_Choose(2);
    CHECK(std::wstring(g_AudioDeviceName) == L"Dock");
    m_AudioDevice_Choose(3);  // its device is away: nothing changes
    CHECK(std::wstring(g_AudioDeviceName) == L"Dock");
    m_AudioDevice_Choose(-1);
    CHECK(std::wstring(g_AudioDeviceName) == L"Phones");
    m_AudioDevice_Choose(-1);  // round the table, past the skipped one
    CHECK(std::wstring(g_AudioDeviceName) == L"Speakers");
    m_AudioDevice_Choose(-1);
    CHECK(std::wstring(g_AudioDeviceName) == L"Phones");
    m_AudioDevice_Choose(0);
    CHECK(g_AudioDeviceName[0] == 0);
    m_AudioDevice_Choose(-1);  // from the default's record on
    CHECK(std::wstring(g_AudioDeviceName) == L"Phones");

    // A name not in the table steps from the start.
    lstrcpynW(g_AudioDeviceName, L"Elsewhere", 256);
    m_AudioDevice_Choose(-1);
    CHECK(std::wstring(g_AudioDeviceName) == L"Speakers");

    // One device: stepping has nowhere to go.
    SetSystem({L"Speakers"}, L"Speakers");
    lstrcpynW(g_AudioDeviceName, L"Dock", 256);
    m_AudioDevice_Choose(-1);
    CHECK(std::wstring(g_AudioDeviceName) == L"Dock");
}

TEST_CASE_FIXTURE(SDeviceFixture, "the monitor rule plays on the window's monitor's device")
{
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 100, 100, 200, 100, nullptr, nullptr,
                                  nullptr, nullptr);
    REQUIRE(window);
    const HWND mainBefore = g_hWndMain;
    g_hWndMain = window;
    m_Monitor_Enumerate(1);
    REQUIRE(m_Monitor_FromWindow() == 0);
    Write(L"Count", L"2");
    Write(L"0", L"1,0,Speakers");
    Write(L"1", L"2,0,Dock");
    SetSystem({L"Speakers", L"Dock"}, L"Speakers");
    lstrcpynW(g_Settings.Common_Audio, L"Speakers", 256);
    lstrcpynW(g_AudioDeviceName, L"Speakers", 256);
    g_AudioDeviceByMonitor = 0;

    g_Settings.Common_MonAud[0] = 1;
    g_Settings.Common_MonAud[1] = 2;
    CHECK(m_AudioDevice_Apply(0) == 2);
    CHECK(std::wstring(g_AudioDeviceName) == L"Dock");
    CHECK(g_AudioDeviceByMonitor == 1);

    // The monitor's number has no device: back to the configured one.
    g_Settings.Common_MonAud[1] = 5;
    CHECK(m_AudioDevice_Apply(1) == 0);
    CHECK(std::wstring(g_AudioDeviceName) == L"Speakers");
    CHECK(g_AudioDeviceByMonitor == 0);
    CHECK(m_AudioDevice_Apply(1) == -1);

    // A device the user chose is left alone.
    g_Settings.Common_MonAud[1] = 1;
    lstrcpynW(g_AudioDeviceName, L"Dock", 256);
    CHECK(m_AudioDevice_Apply(1) == -1);
    CHECK(std::wstring(g_AudioDeviceName) == L"Dock");

    // The rule switched off after it chose: back to the configured device.
    lstrcpynW(g_AudioDeviceName, L"Speakers", 256);
    g_Settings.Common_MonAud[1] = 2;
    CHECK(m_AudioDevice_Apply(0) == 2);
    g_Settings.Common_MonAud[0] = 0;
    CHECK(m_AudioDevice_Apply(0) == 0);
    CHECK(std::wstring(g_AudioDeviceName) == L"Speakers");
    CHECK(m_AudioDevice_Apply(0) == 0);

    g_hWndMain = mainBefore;
    DestroyWindow(window);
}

TEST_CASE_FIXTURE(SDeviceFixture,
                  "action 3 pauses playback while the device is away and resumes it")
{
    SetSystem({L"Speakers", L"Dock"}, L"Speakers");
    m_AudDev_Enumerate();
    lstrcpynW(g_AudioDeviceName, L"Dock", 256);
    m_AudioDevice_ClearWait();
    g_MediaOpen = 1;
    g_PlayStarted = 1;
    g_PlayHeld = 0;
    g_Settings.Common_AudDsc[0] = 3;
    g_Settings.Common_AudDsc[1] = 1;
    g_MainWindowState.nVolume = 7000;

    SetSystem({L"Speakers"}, L"Speakers");
    m_AudioDevice_OnChange();
    CHECK(g_AudioDeviceWait.Waiting == 1);
    CHECK(m_IsPlaying() == 0);
    CHECK(g_MainWindowState.nVolume == 7000);

    SetSystem({L"Speakers", L"Dock"}, L"Speakers");
    m_AudioDevice_OnChange();
    CHECK(m_IsPlaying() == 1);
    CHECK(std::wstring(g_AudioDeviceName) == L"Dock");
    g_MediaOpen = g_PlayStarted = 0;
}

TEST_CASE_FIXTURE(SDeviceFixture, "a locked device keeps timer 64 running only while nothing plays")
{
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  nullptr, nullptr);
    REQUIRE(window);
    const HWND mainBefore = g_hWndMain;
    g_hWndMain = window;
    Write(L"Count", L"2");
    Write(L"0", L"1,2,Dock");
    Write(L"1", L"2,0,Speakers");
    SetSystem({L"Speakers", L"Dock"}, L"Speakers");
    m_AudDev_Enumerate();
    const int period[] = {2, 10, 900};
    for (int i = 0; i < 3; ++i) g_Settings.Common_AudLk[i] = period[i];
    auto timerRuns = [&] { return KillTimer(window, 64) != 0; };

    lstrcpynW(g_AudioDeviceName, L"Dock", 256);
    m_AudDev_SelectCurrent();
    CHECK(timerRuns());
    g_AudioDeviceName[0] = 0;  // the default, Speakers, is not locked
    m_AudDev_SelectCurrent();
    CHECK_FALSE(timerRuns());

    m_AudDev_SetLock(1, m_AudDev_IndexOf(L"Dock"));
    CHECK(timerRuns());
    g_MediaOpen = g_PlayStarted = 1;
    m_AudDev_SetLock(1, m_AudDev_IndexOf(L"Dock"));
    CHECK_FALSE(timerRuns());
    g_MediaOpen = g_PlayStarted = 0;
    g_Settings.Common_AudLk[0] = 1;  // locking without the keep-alive timer
    m_AudDev_SetLock(1, m_AudDev_IndexOf(L"Dock"));
    CHECK_FALSE(timerRuns());
    m_AudDev_SetLock(1, -1);
    CHECK_FALSE(timerRuns());

    g_hWndMain = mainBefore;
    DestroyWindow(window);
}

TEST_CASE_FIXTURE(SDeviceFixture, "a switch moves the volume by the two devices' offsets")
{
    Write(L"Count", L"3");
    Write(L"0", L"1,0,Plain");
    Write(L"1", L"2,0/20,Quiet");
    Write(L"2", L"3,0/-100,Loud");  // read as -99: no division by zero
    SetSystem({L"Plain", L"Quiet", L"Loud"}, L"Plain");
    m_AudDev_Enumerate();
    g_InitDone = 1;
    g_MainWindowState.nVolume = 5000;

    CHECK(m_AudioDevice_Select(L"Quiet", 0, 1) == 1);
    CHECK(g_MainWindowState.nVolume == 6500);
    CHECK(m_AudioDevice_Select(L"Plain", 0, 1) == 1);
    CHECK(g_MainWindowState.nVolume == 5000);
    CHECK(m_AudioDevice_Select(L"Loud", 0, 1) == 1);
    CHECK(g_MainWindowState.nVolume == 100);
    CHECK(m_AudioDevice_Select(L"", 0, 1) == 1);  // the default, Plain
    CHECK(g_MainWindowState.nVolume == 10000);
    // Below 1 % nothing is moved.
    g_MainWindowState.nVolume = 50;
    CHECK(m_AudioDevice_Select(L"Quiet", 0, 1) == 1);
    CHECK(g_MainWindowState.nVolume == 50);
    // A missing device is not found and moves nothing.
    CHECK(m_AudioDevice_Select(L"Gone", 0, 1) == 0);
    g_InitDone = 0;
}

TEST_CASE_FIXTURE(SDeviceFixture, "a chosen device missing at an open is awaited and taken back")
{
    SetSystem({L"Speakers"}, L"Speakers");
    m_AudDev_Enumerate();
    m_AudioDevice_ClearWait();
    lstrcpynW(g_AudioDeviceName, L"Dock", 256);
    g_MainWindowState.nVolume = 6000;
    g_Settings.Common_AudDsc[0] = 1;
    g_Settings.Common_AudDsc[1] = 1;
    m_AudioDevice_WaitIfAbsent();
    CHECK(g_AudioDeviceWait.Waiting == 1);
    CHECK(g_AudioDeviceWait.Reason == 0);
    CHECK(std::wstring(g_AudioDeviceWait.Name) == L"Dock");

    SetSystem({L"Speakers", L"Dock"}, L"Speakers");
    m_AudioDevice_OnChange();
    CHECK(g_AudioDeviceWait.Waiting == 0);
    CHECK(std::wstring(g_AudioDeviceName) == L"Dock");
    CHECK(g_AudioDeviceInUse == m_AudDev_IndexOf(L"Dock"));

    // Present at the next open: nothing is awaited.
    m_AudioDevice_WaitIfAbsent();
    CHECK(g_AudioDeviceWait.Waiting == 0);
}
