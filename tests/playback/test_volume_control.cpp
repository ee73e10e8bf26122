// The volume, mute and balance: the system master volume raised beyond
// 100 % and restored through a fake system-audio object, the volume texts,
// the input balance's levels and the device balance read from the INI.
#include <doctest/doctest.h>
#include <windows.h>

#include <string>

#include "../support/TempFolder.h"
#include "engine/VideoRenderer.h"
#include "playback/AudioCommands.h"
#include "playback/AudioDeviceName.h"
#include "playback/PlayState.h"
#include "playback/SystemVolume.h"
#include "playback/VideoProps.h"
#include "playback/VolumeControl.h"
#include "playback/VolumeText.h"
#include "settings/IniPath.h"
#include "settings/Settings.h"
#include "settings/SettingsMain.h"
#include "timer/VolumeFade.h"

namespace {

// The system's master volume as the fake holds it.
struct SFakeSystem {
    int level = 6000;
    int opens = 1;  // Open succeeds
    int reads = 1;  // GetVolume succeeds
    int sets = 1;   // SetVolume succeeds
    int setCalls = 0;
    DWORD tick = 100000;
};
SFakeSystem g_Fake;

UINT m_FakeWindow(HWND) { return 1; }
int m_FakeOpen(DWORD) { return g_Fake.opens; }
void m_FakeClose() {}
DWORD m_FakeGet() { return g_Fake.reads ? static_cast<DWORD>(g_Fake.level) : 0xFFFFFFFF; }
DWORD m_FakeSet(DWORD v)
{
    ++g_Fake.setCalls;
    if (!g_Fake.sets) return 0;
    g_Fake.level = static_cast<int>(v);
    return 1;
}
DWORD m_FakeTick() { return g_Fake.tick; }

// SysVol on with the rest time, the fake in place, test mode (so steps at
// 100 % reach the system without a file playing), the player at volume.
struct SSystemFixture {
    SSystemFixture(int restMs, int volume)
    {
        g_Fake = SFakeSystem{};
        g_SysVolPort = {m_FakeWindow, m_FakeOpen, m_FakeClose, m_FakeGet, m_FakeSet, m_FakeTick};
        m_SysVol_Reset();
        g_Settings.Common_SysVol = 1;
        g_Settings.Common_SysVolTm = restMs;
        g_Settings.Main_Test = 1;
        g_MainWindowState.nVolume = volume;
        g_Mute = 0;
    }
    ~SSystemFixture()
    {
        g_SysVolPort = m_SysVolPort_Real();
        m_SysVol_Reset();
        g_Settings.Common_SysVol = 0;
        g_Settings.Common_SysVolTm = 0;
        g_Settings.Main_Test = 0;
        g_Mute = 0;
    }
    // A volume key of step (both the player's and the system's) after ms.
    void Step(int step, DWORD ms = 0)
    {
        g_Fake.tick += ms;
        m_Volume_Step(step, step);
    }
};

std::wstring m_Player(int volume, int decimals, SVOLUMETEXTFACTS f)
{
    wchar_t text[kVolumeTextCap];
    m_VolumeText_Player(text, kVolumeTextCap, volume, decimals, f);
    return text;
}

std::wstring m_System(int base, int level, int decimals, int upAtTop, SVOLUMETEXTFACTS f)
{
    wchar_t text[kVolumeTextCap];
    m_VolumeText_System(text, kVolumeTextCap, base, level, decimals, upAtTop, f);
    return text;
}

}  // namespace

TEST_CASE("an up step at 100 % waits out the rest time before it raises the system volume")
{
    SSystemFixture f(500, 9500);
    f.Step(500);
    CHECK(g_MainWindowState.nVolume == 10000);
    f.Step(500, 200);
    CHECK(g_Fake.setCalls == 0);
    CHECK(g_Fake.level == 6000);
    f.Step(500, 400);
    CHECK(g_Fake.level == 6500);
    CHECK(g_SysVolState.base == 6000);
    CHECK(g_SysVolState.target == 6500);
    CHECK(g_MainWindowState.nVolume == 10000);
}

TEST_CASE("down steps lower the system volume to the base level, then the player volume")
{
    SSystemFixture f(0, 10000);
    g_Fake.level = 6200;
    f.Step(500);
    REQUIRE(g_Fake.level == 6500);
    f.Step(-500);
    CHECK(g_Fake.level == 6200);  // the multiple below is 6000: held at the base
    CHECK(g_MainWindowState.nVolume == 10000);
    f.Step(-500);
    CHECK(g_Fake.level == 6200);
    CHECK(g_MainWindowState.nVolume == 9500);
}

TEST_CASE("a level changed outside the player becomes the new base")
{
    SSystemFixture f(0, 10000);
    f.Step(500);
    REQUIRE(g_Fake.level == 6500);
    g_Fake.level = 3000;
    f.Step(500);
    CHECK(g_SysVolState.base == 3000);
    CHECK(g_Fake.level == 3500);
}

TEST_CASE("stop restores the base level and start raises it again; timer 12 forgets both")
{
    SSystemFixture f(0, 10000);
    f.Step(1000);
    REQUIRE(g_Fake.level == 7000);
    m_SystemVolume_OnPlayState(0);
    CHECK(g_Fake.level == 6000);
    CHECK(g_SysVolState.forgetArmed == 1);
    m_SystemVolume_OnPlayState(1);
    CHECK(g_Fake.level == 7000);
    CHECK(g_SysVolState.forgetArmed == 0);
    m_SystemVolume_OnPlayState(0);
    REQUIRE(g_Fake.level == 6000);
    m_SysVol_OnForgetTimer();
    CHECK(g_SysVolState.target == -1);
    CHECK(g_SysVolState.base == -1);
    m_SystemVolume_OnPlayState(1);
    CHECK(g_Fake.level == 6000);
}

TEST_CASE("mute lowers the system volume as a stop does and unmute raises it again")
{
    SSystemFixture f(0, 10000);
    f.Step(500);
    REQUIRE(g_Fake.level == 6500);
    m_Mute_Set(1);
    CHECK(g_Mute == 1);
    CHECK(g_Fake.level == 6000);
    m_Mute_Toggle();
    CHECK(g_Mute == 0);
    CHECK(g_Fake.level == 6500);
}

TEST_CASE("a system level that cannot be set is not taken as the target")
{
    SSystemFixture f(0, 10000);
    f.Step(500);
    REQUIRE(g_SysVolState.target == 6500);
    g_Fake.sets = 0;
    const SSYSVOLSTEP r = m_SysVol_Step(500, 0);
    CHECK(r.result == SYSVOL_STEP_ERROR);
    CHECK(g_SysVolState.target == 6500);
    CHECK(g_Fake.level == 6500);
    CHECK(g_MainWindowState.nVolume == 10000);
}

TEST_CASE("without the system control the player volume takes the step; unreadable, nothing does")
{
    {
        SSystemFixture f(0, 10000);
        g_Fake.opens = 0;
        f.Step(-500);
        CHECK(g_MainWindowState.nVolume == 9500);
        CHECK(g_Fake.setCalls == 0);
    }
    {
        SSystemFixture f(0, 10000);
        g_Fake.reads = 0;
        CHECK(m_SysVol_Step(-500, 0).result == SYSVOL_STEP_ERROR);
        f.Step(-500);
        CHECK(g_MainWindowState.nVolume == 10000);
        CHECK(g_Fake.setCalls == 0);
    }
}

TEST_CASE("an up step that finds the system volume at 100 % says so")
{
    SSystemFixture f(0, 10000);
    g_Fake.level = 10000;
    const SSYSVOLSTEP r = m_SysVol_Step(500, 0);
    CHECK(r.result == SYSVOL_STEP_DONE);
    CHECK(r.base == 10000);
    CHECK(r.level == 10000);
    CHECK(r.upAtTop == 1);
}

TEST_CASE("the volume texts carry the boost, the input balance and mute")
{
    CHECK(m_Player(5000, 0, {100, 0, 0}) == L"VOL````50%`");
    CHECK(m_Player(3055, 2, {150, -30, 1}) == L"VOL````30.55%```(+50)``(L`30%)``(MUTE)");
    CHECK(m_Player(10000, 1, {80, 20, 0}) == L"VOL````100.0%```(-20)``(R`20%)");
    CHECK(m_System(6000, 6500, 0, 0, {100, 0, 0}) == L"VOL````100%```(SYS``````60````>````65%)");
    CHECK(m_System(6050, 6500, 1, 0, {150, -100, 1}) ==
          L"VOL````100%```(+50)``(MUTE)``(SYS``````60.5````>````65.0%)``(L100`%)");
    CHECK(m_System(10000, 10000, 0, 1, {100, 40, 0}) == L"VOL````100%```(SYS``100%)``(R40`%)");
    CHECK(m_System(6000, 6000, 0, 0, {100, 0, 0}) == L"VOL````100%`");
    CHECK(std::wstring(kVolumeTextSysError) == L"VOL````100%```(SYS````ERR)");
}

TEST_CASE("muted, the engine gets the lowest volume while the player keeps its own")
{
    CHECK(m_Volume_ToEngine(5000) == -1);
    g_VideoRenderer = new CVideoRenderer();
    CHECK(m_Volume_ToEngine(5000) == -1591);
    CHECK(m_Volume_ToEngine(10000) == 0);
    CHECK(m_Volume_ToEngine(0) == -10000);
    g_Mute = 1;
    CHECK(m_Volume_ToEngine(5000) == -10000);
    g_Mute = 0;
    delete g_VideoRenderer;
    g_VideoRenderer = nullptr;
}

TEST_CASE("a volume set by any means stops the volume fade and undoes its state")
{
    g_VolumeFade = SVOLUMEFADE{1, 0, 2500, 501, 5000, 0, 1, 0};
    m_Volume_ShowText(4000, 0);
    CHECK(g_VolumeFade.fading == 0);
    CHECK(g_VolumeFade.offTimerFade == 0);
    CHECK(g_VolumeFade.target == 0);
    CHECK(g_MainWindowState.nVolume == 4000);
}

TEST_CASE("the input balance is held to -100..100 and kept at the level asked for")
{
    struct Row {
        int value, level, defBalance;
        int want, fileOn, fileBalance, defAfter;
    };
    const Row rows[] = {
        {-150, VP_LEVEL_DEF, 100, -100, 0, -1, 0},  {30, VP_LEVEL_FILE, 100, 30, 1, 130, 100},
        {0, VP_LEVEL_FILE, 100, 0, 0, 100, 100},     // centre on centre: no FILE group
        {0, VP_LEVEL_FILE, 150, 0, 1, 100, 150},     // centre over a DEF balance
        {250, VP_LEVEL_TEMP, 100, 100, 0, -1, 100},  // other levels store nothing
    };
    for (const Row& r : rows) {
        CAPTURE(r.value);
        CAPTURE(r.level);
        g_VideoPropFile = SVIDEOPROPSET{};
        g_VideoPropFile.Balance = -1;
        g_VideoPropDefault.Balance = r.defBalance;
        m_AudioInputBalance_Set(r.value, r.level, 1, 1);
        CHECK(m_AudioInputBalance_Get() == r.want);
        CHECK(g_VideoPropFile.BalanceOn == r.fileOn);
        CHECK(g_VideoPropFile.Balance == r.fileBalance);
        CHECK(g_VideoPropDefault.Balance == r.defAfter);
    }
    m_AudioInputBalance_Set(0, 0, 0, 0);
    g_VideoPropDefault.Balance = 100;
}

TEST_CASE("a [Balance] key that is not a number counts as absent; numbers are held to range")
{
    CTempFolder folder;
    REQUIRE(!folder.Path().empty());
    lstrcpynW(g_IniPath, folder.Join(L"Zentavio.ini").c_str(), MAX_PATH + 1);
    WritePrivateProfileStringW(L"Balance", L"Default", L"-20", g_IniPath);
    struct Row {
        const wchar_t* text;  // the device's own key, null for none
        int want;
    };
    const Row rows[] = {{L"abc", -20}, {L"500", 100}, {L"-500", -100}, {L"999", -20},
                        {L"", -20},    {L"12x", -20}, {L" 35", 35},    {nullptr, -20}};
    lstrcpynW(g_AudioDeviceName, L"Speakers", kAudioDeviceNameCap);
    for (const Row& r : rows) {
        CAPTURE(r.want);
        WritePrivateProfileStringW(L"Balance", L"Speakers", r.text, g_IniPath);
        CHECK(m_Balance_ReadForDevice() == r.want);
    }
    WritePrivateProfileStringW(L"Balance", L"Default", L"abc", g_IniPath);
    CHECK(m_Balance_ReadForDevice() == 0);
    g_AudioDeviceName[0] = 0;
    g_IniPath[0] = 0;
}
