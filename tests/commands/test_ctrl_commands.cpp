// The control bar's decisions: what each button's notice reaches, the
// custom buttons' holds from press to release, where the menus open and the
// volume slider's hover text.
#include <doctest/doctest.h>

#include <string>

#include "ExecRecorder.h"
#include "WideStringMaker.h"
#include "commands/CommandHandlers.h"
#include "commands/CtrlCommands.h"
#include "playback/RepeatMode.h"
#include "settings/Settings.h"
#include "settings/SettingsMain.h"

TEST_CASE("each button's notice reaches its operation, and others reach none")
{
    CExecRecorder recorder;
    g_Settings.Seek_Step[0] = 5000;
    g_Settings.Seek_Step[1] = 30000;
    g_MainWindowState.nTopMost = 0;
    g_MainWindowState.nPowerSaving = 0;
    const std::wstring repeat = L"Repeat_SetMode(" + std::to_wstring(g_RepeatMode + 1) + L",1)";
    struct {
        int id, code;
        std::wstring calls;
    } cases[] = {
        {32969, 0, L"Launcher_Toggle()"},
        {32970, 0, L"PlayPause(-1)"},
        {32970, 107, L"Rate_Adjust(0)"},
        {32970, 103, L""},
        // Rewind and fast forward: the left button by the normal step held
        // by VK_LBUTTON, the right one by the fast step held by VK_RBUTTON.
        {32972, 102, L"StartContinuousSeek(-5000,1,-1,-1,-1,-1)"},
        {32972, 105, L"StartContinuousSeek(-30000,2,-1,-1,-1,-1)"},
        {32973, 102, L"StartContinuousSeek(5000,1,-1,-1,-1,-1)"},
        {32973, 0, L""},
        {32975, 0, L"Options_Show(-1,-1,-1)"},
        {32976, 0, L"ShowPlayListWnd(1,5)"},
        {32977, 0, L"SetTopMost(1,1,0)"},
        {32977, 104, L"SetTopMost(1,1,0)"},
        {32979, 0, repeat},
        {32979, 104, L""},
        {32981, 0, L"ShowFavoWindow(1,1)"},
        {32982, 0, L"Timer_ToggleDialog()"},
        {32982, 107, L"Timer_Arm(1,0)"},
        {32983, 0, L"JumpList_Command(-1)"},
        {32984, 0, L"Capture_ByPreset(0)"},
        {32985, 0, L"PowerSaving_Set(1,1)"},
        {32985, 107, L"PowerSaving_SetTemp(1,1,1)"},
        {33069, 0, L"Mute_Toggle()"},
        {33069, 102, L""},
    };
    for (const auto& c : cases) {
        CAPTURE(c.id);
        CAPTURE(c.code);
        CHECK(m_OnCtrlCommand(c.id, c.code, 0) == 1);
        CHECK(exec_test::Take() == c.calls);
    }
    // Ids of no control are left to others.
    CHECK(m_OnCtrlCommand(33000, 0, 0) == 0);
    CHECK(m_OnCtrlCommand(32968, 0, 0) == 0);
    CHECK(exec_test::Take() == L"");
}

TEST_CASE("a custom button holds a seek or frame step from press to release")
{
    // seekKind: 1 a seek binding, 2 frame steps, 0 anything else (play/pause).
    struct {
        int seekKind;
        int pressExec, releaseStop, clickExec;
    } cases[] = {
        {1, 1, 1, 0},
        {2, 1, 2, 0},
        {0, 0, 0, 1},
    };
    for (const auto& c : cases) {
        CAPTURE(c.seekKind);
        for (int right = 0; right < 2; ++right) {
            CAPTURE(right);
            SCUSTOMHOLD hold = {{0, 0}};
            const SCUSTOMSTEP press =
                m_CustomButton_Step(&hold, right ? CTRL_RDOWN : CTRL_LDOWN, c.seekKind);
            CHECK(press.exec == c.pressExec);
            CHECK(press.right == right);
            const SCUSTOMSTEP release = m_CustomButton_Step(&hold, right ? CTRL_RUP : CTRL_LUP, 0);
            CHECK(release.stopKind == c.releaseStop);
            CHECK(release.exec == 0);
            const SCUSTOMSTEP click =
                m_CustomButton_Step(&hold, right ? CTRL_RCLICK : CTRL_CLICK, 0);
            CHECK(click.exec == c.clickExec);
            CHECK(hold.kind[right] == 0);
        }
    }
    // The two buttons hold apart: a right click while the left seeks runs.
    SCUSTOMHOLD hold = {{0, 0}};
    m_CustomButton_Step(&hold, CTRL_LDOWN, 1);
    m_CustomButton_Step(&hold, CTRL_RDOWN, 0);
    CHECK(m_CustomButton_Step(&hold, CTRL_RCLICK, 0).exec == 1);
    CHECK(m_CustomButton_Step(&hold, CTRL_LUP, 0).stopKind == 1);
    // A release outside the button sends no click: the next press of a
    // plain binding starts afresh and its click runs.
    m_CustomButton_Step(&hold, CTRL_LDOWN, 0);
    CHECK(m_CustomButton_Step(&hold, CTRL_CLICK, 0).exec == 1);
    // Ids and mouse codes: custom button k is 32985 + k, codes 192 + k and
    // 208 + k.
    CHECK(m_CustomButton_Number(32985) == 0);
    CHECK(m_CustomButton_Number(32986) == 1);
    CHECK(m_CustomButton_Number(32991) == 6);
    CHECK(m_CustomButton_Number(32992) == 0);
    CHECK(m_CustomButton_MouseCode(3, 0) == 195);
    CHECK(m_CustomButton_MouseCode(3, 1) == 211);
}

TEST_CASE("menus of the bar open above it and stay 3 pixels inside the monitor")
{
    const RECT monitor = {1920, 0, 3840, 1080};
    const RECT limit = m_CtrlMenu_LimitRect(monitor);
    CHECK(limit.left == 1923);
    CHECK(limit.top == 3);
    CHECK(limit.right == 3837);
    CHECK(limit.bottom == 1077);
    const POINT offset = {2, -2};
    const POINT cursor = {2500, 1000};
    int limited = -1;
    // A bar low on the monitor: the menu's bottom stands above the bar.
    const RECT low = {2000, 990, 2800, 1010};
    POINT at = m_CtrlMenu_SeekBarPoint(low, monitor, cursor, offset, &limited);
    CHECK(at.x == 2502);
    CHECK(at.y == 988);
    CHECK(limited == 1);
    // High on it (a window near the top): at the pointer, not limited.
    const RECT high = {2000, 100, 2800, 120};
    at = m_CtrlMenu_SeekBarPoint(high, monitor, POINT{2500, 110}, offset, &limited);
    CHECK(at.x == 2502);
    CHECK(at.y == 108);
    CHECK(limited == 0);
    // The size button moved with the window: the pointer moves with it.
    const RECT before = {100, 500, 124, 524}, after = {180, 620, 204, 644};
    const POINT moved = m_CtrlMenu_FollowButton(POINT{110, 510}, before, after);
    CHECK(moved.x == 190);
    CHECK(moved.y == 630);
}

TEST_CASE("the volume slider's hover text")
{
    wchar_t text[32];
    REQUIRE(m_VolumeHover_Text(text, 32, 5000, 0));
    CHECK(std::wstring(text) == L"VOL````50%");
    REQUIRE(m_VolumeHover_Text(text, 32, 3366, 1));
    CHECK(std::wstring(text) == L"VOL````33.7%");
    CHECK(m_VolumeHover_Text(text, 6, 10000, 0) == 0);
    CHECK(text[0] == 0);
    CHECK(m_VolumeHover_Wanted(0, 0) == 1);
    CHECK(m_VolumeHover_Wanted(1, 0) == 0);
    CHECK(m_VolumeHover_Wanted(0, 1) == 0);
}
