// The function executor against a recording double of its operations: the
// auto-repeat filter, the bar switches, the ids without a case and every
// case of the table, with the values each hands on.
#include <doctest/doctest.h>

#include <windows.h>

#include <string>

#include "../settings/SettingsFixture.h"
#include "ExecRecorder.h"
#include "app/FullScreenState.h"
#include "app/Layout.h"
#include "commands/Executor.h"
#include "commands/MenuPresets.h"
#include "playback/AudioCommands.h"
#include "playback/PlayState.h"
#include "playback/RepeatMode.h"
#include "playlist/PlaylistState.h"

namespace {

struct CExecFixture : CSettingsFixture, CExecRecorder {
    CExecFixture()
    {
        g_Settings.Seek_Step[0] = 3000;
        g_Settings.Seek_Step[1] = 15000;
        g_Settings.Common_ChapRep = -1000;
        g_Settings.Fullscr_Mon[0] = 2;
        g_Settings.Fullscr_Mon[1] = 3;
        g_Settings.Fullscr_Clip = 1;
        g_Settings.Osc_Mode = 1;
        g_MainWindowState.nTimeMode = 4;
        g_MainWindowState.nLauncherRate = 150;
        g_RepeatMode = 2;
        g_PlayingTrack = 7;
        g_MediaOpen = 0;
        g_PlayStarted = 0;
        g_RepeatSkipCount = 0;
        g_UserAspect = SUSERASPECT{};
        g_VideoRange = SVIDEORANGE{};
    }
    ~CExecFixture()
    {
        g_MediaOpen = 0;
        g_RepeatMode = 0;
    }
};

struct SCASE {
    int id;
    int param;
    const wchar_t* arg;
    int hold;
    const wchar_t* calls;
};

SFUNCTIONBIND Action(int id, int param, const wchar_t* arg)
{
    SFUNCTIONBIND a = {};
    a.Enabled = 1;
    a.Function = id;
    a.Param = param;
    lstrcpynW(a.Arg, arg, 32);
    return a;
}

std::wstring Run(const SCASE& c)
{
    SFUNCTIONBIND a = Action(c.id, c.param, c.arg);
    CHECK(m_ExecFunction(&a, c.hold, 0) == 1);
    return exec_test::Take();
}

void RunTable(const SCASE* cases, int count)
{
    for (int i = 0; i < count; ++i) {
        const SCASE& c = cases[i];
        CAPTURE(c.id);
        CAPTURE(c.param);
        CAPTURE(std::wstring(c.arg));
        CHECK(Run(c) == std::wstring(c.calls));
    }
}

}  // namespace

TEST_CASE_FIXTURE(CExecFixture, "play, seek, rate, repeat and time cases hand on their values")
{
    const SCASE cases[] = {
        {1, -1, L"", 0, L"PlayPause(-1) ResetCursorHide(1)"},
        {1, 0, L"", 0, L""},  // acts only when started
        {1, 1, L"", 0, L"PlayPause(-1) ResetCursorHide(1)"},
        {1, 5, L"", 0, L""},
        {3, 0, L"", 0, L"PrevTrack(0)"},
        {3, -1, L"", 0, L"PrevTrack(1)"},
        {3, 1, L"", 0, L"NextTrack()"},
        {3, 2, L"", 0, L""},
        {5, 1, L"", 39, L"StartContinuousSeek(3000,39,-1,-1,-1,-1)"},
        {5, 2, L"", 0, L"StartContinuousSeek(15000,0,-1,-1,-1,-1)"},
        {5, -1, L"", 0, L"StartContinuousSeek(-3000,0,-1,-1,-1,-1)"},
        {5, -2, L"", 0, L"StartContinuousSeek(-15000,0,-1,-1,-1,-1)"},
        {5, 9, L"", 0, L"StartContinuousSeek(3000,0,-1,-1,-1,-1)"},
        {6, -700, L"", 5, L"StartContinuousSeek(-700,5,-1,-1,-1,-1)"},
        {7, 0, L"500,1,20", 6, L"StartContinuousSeek(500,6,1,20,-1,-1)"},
        {7, 0, L"", 0, L"StartContinuousSeek(0,0,-1,-1,-1,-1)"},
        {10, 0, L"200,5", 0, L"SkipToPoint(-1,200,5)"},
        {11, 0, L"", 0, L"SkipToPoint(1,0,0)"},
        {12, 0, L"3,,50", 34, L"FrameStep_Start(34,3,-1,50,-1,-1)"},
        {13, 0, L"", 0, L"Rate_Set(150,0,1)"},    // the preset
        {13, 100, L"", 0, L"Rate_Set(100,0,1)"},  // the rate in use
        {13, 200, L"", 0, L"Rate_Set(200,0,1)"},
        {14, -25, L"", 0, L"Rate_Adjust(-25)"},
        {15, 1, L"", 0, L"Rate_StepPreset(1)"},
        {17, 150, L"", 0, L"SavePlayPosition(0) SeekToPercent(10000)"},
        {17, -4, L"", 0, L"SavePlayPosition(0) SeekToPercent(0)"},
        {18, 25, L"", 0, L"SavePlayPosition(0) SeekToTime(2500,1,1)"},
        {18, 0x7FFFFFFF, L"", 0, L"SavePlayPosition(0) SeekToTime(2147483600,1,1)"},
        {19, 240, L"", 0, L"SavePlayPosition(0) SeekToFrame(240)"},
        {77, 0, L"", 0, L"SeekToStoredPosition(1)"},
        {77, 1, L"", 0, L"SeekToStoredPosition(0)"},
        {90, 0, L"", 0, L"Repeat_SetMode(3,1)"},  // empty: current + 1
        {90, 0, L"-2", 0, L"Repeat_SetMode(1,1)"},
        {90, 0, L"4", 0, L"Repeat_SetMode(4,1)"},
        {90, 0, L"0,2,,4", 0, L"Repeat_SetMode(4,1)"},  // after the current 2
        {91, 1, L"", 0, L"PowerSaving_Set(1,1)"},
        {91, -1, L"", 0, L"PowerSaving_Set(1,1)"},
        {91, -2, L"", 0, L"PowerSaving_SetTemp(1,1,1)"},
        {92, -1, L"", 0, L"SetTimeDisplayMode(0)"},  // 4 + 1 wraps
        {92, 2, L"", 0, L"SetTimeDisplayMode(2)"},
        {146, 1, L"", 0, L"CloseFile(1,1,0,1)"},
        {146, 2, L"", 0, L"CloseFile(1,1,-1,1)"},
        {146, 0, L"", 0, L"CloseFile(1,1,1,1)"},
    };
    RunTable(cases, static_cast<int>(sizeof(cases) / sizeof(cases[0])));
    g_MediaOpen = g_PlayStarted = 1;
    CHECK(Run({1, 0, L"", 0, L""}) == L"PlayPause(-1) ResetCursorHide(1)");
    CHECK(Run({1, 1, L"", 0, L""}) == L"");
    g_PlayStarted = 0;
}

TEST_CASE_FIXTURE(CExecFixture, "chapter, marker, range and stream cases")
{
    g_MainWindowState.nRangeRepeat = 3;
    const SCASE cases[] = {
        {26, 0, L"1,1", 0, L"Chapter_AddCurrent(1000)"},
        {26, 0, L"1", 0, L"Chapter_AddCurrent(-1)"},
        {26, 0, L"1,0", 0, L"Chapter_AddCurrent(0)"},
        {26, 0, L"1,2000", 0, L"Chapter_AddCurrent(2000)"},
        {26, 0, L"2", 0, L"Chapter_DeleteCurrent()"},
        {26, 0, L"-1", 0, L"Chapter_Reset(7,1)"},
        {26, 0, L"", 0, L""},
        {74, 1, L"", 0, L"Marker_AddCurrent()"},
        {74, 2, L"", 0, L"Marker_DeleteNearest()"},
        {74, 3, L"", 0, L"Marker_Step(-1)"},
        {74, 4, L"", 0, L"Marker_Step(1)"},
        {74, 5, L"", 0, L""},
        {75, 0, L"-1", 0, L"PlayRange_Command(0,1)"},
        {75, 0, L"", 0, L"PlayRange_Command(3,1)"},
        {75, 0, L"1", 0, L"PlayRange_Command(1,1)"},
        {75, 0, L"2", 0, L"PlayRange_Command(5,1)"},
        {75, 0, L"3", 0, L"PlayRange_Command(6,1)"},
        {75, 0, L"4", 0, L"PlayRange_Command(4,1)"},
        {75, 0, L"5,1", 0, L"PlayRange_AddCurrent(1,1)"},
        {75, 0, L"5", 0, L"PlayRange_AddCurrent(0,1)"},  // [Common] "RngAtRel"
        {75, 0, L"6,1", 0, L"PlayRange_Command(7,1) PlayRange_Command(3,0)"},
        {75, 0, L"6,0", 0, L"PlayRange_Command(7,1)"},
        {75, 0, L"9", 0, L""},
        {76, 0, L"1", 0, L"PlayRange_Step(1,1,1)"},  // cross: repeat mode 3
        {76, 0, L"-1,0,0", 0, L"PlayRange_Step(-1,0,0)"},
        {76, 0, L"2", 0, L"PlayRange_StepFile(1,0,-1,1)"},
        {76, 0, L"-2", 0, L"PlayRange_StepFile(-1,0,-1,1)"},
        {76, 0, L"0", 0, L""},
        {78, 0, L"2", 0, L"RangeRepeat_SetMode(2)"},
        {78, 0, L"0,,3", 0, L"RangeRepeat_SetMode(0)"},  // after the current 3
        {79, -2, L"", 0, L"Stream_Select(-2)"},
    };
    RunTable(cases, static_cast<int>(sizeof(cases) / sizeof(cases[0])));
}

TEST_CASE_FIXTURE(CExecFixture, "window cases hand on sizes, monitors and modes")
{
    g_Settings.Fullscr_Clip2 = 2;
    g_MainWindowState.nTopMost = 1;
    const SCASE cases[] = {
        {32, 0, L"", 0, L"Zoom_Toggle100()"},
        // The video's own aspect is taken before the size.
        {32, 150, L"", 0, L"Size_TakeVideoAspect() SetSizeLeavingFullScreen(0,15000,1)"},
        {33, 640, L"", 0, L"Size_TakeVideoAspect() SetSizeLeavingFullScreen(2,640,1)"},
        {34, 540, L"", 0, L"Size_TakeVideoAspect() SetSizeLeavingFullScreen(3,540,1)"},
        {34, 0, L"", 0, L""},
        {33, -5, L"", 0, L""},
        {36, 307200, L"", 0, L"Size_TakeVideoAspect() SetSizeLeavingFullScreen(1,307200,1)"},
        {36, -1, L"", 0, L""},
        {35, 0, L"640,360", 0, L"Size_SetCmd(640,360)"},
        {35, 0, L"640x360", 0, L"Size_SetCmd(640,360)"},
        {35, 0, L"640X360", 0, L"Size_SetCmd(640,360)"},
        {35, 0, L"x", 0, L""},
        {35, 0, L"0,360", 0, L""},
        {35, 0, L"640,-360", 0, L""},
        {35, 0, L"30001,360", 0, L""},
        {35, 0, L"99999999999x360", 0, L""},
        // A held zoom key steps without its message; width and height tell.
        {37, 25, L"", 0, L"Size_StepCmd(0,250,1)"},
        {37, -25, L"", 0x21, L"Size_StepCmd(0,-250,0)"},
        {38, -64, L"", 0x21, L"Size_StepCmd(2,-64,1)"},
        {39, 64, L"", 0, L"Size_StepCmd(3,64,1)"},
        {40, 0, L"-1", 0, L"FullScreen_Set(1,2,3,1,1,2)"},
        {40, 0, L"-2", 0, L"FullScreen_Set(1,-1,0,1,1,2)"},
        {40, 0, L"1-2,0", 0, L"FullScreen_Set(1,1,2,1,1,2)"},
        {40, 0, L"9-", 0, L"FullScreen_Set(1,9,0,1,1,2)"},
        {41, 2, L"", 0, L"VideoClip_Set(2,1,1)"},
        {41, -2, L"", 0, L"VideoClip_Set(0,1,1)"},  // "9-" left [Fullscr] "Clip", 1
        {82, 0, L"", 0, L"ShowPlayListWnd(1,5)"},
        {83, 0, L"", 0, L"ShowFavoWindow(1,1)"},
        {89, 0, L"", 0, L"SetTopMost(0,1,0)"},
        {89, -1, L"", 0, L"SetTopMost(0,1,0)"},  // stored 1 inverted
        {93, -1, L"", 0, L"OSD_SetMode(2,1)"},
        {93, 0, L"", 0, L"OSD_SetMode(0,1)"},
        {148, 0, L"800", 0, L"WindowSize_SetCmd(800,0)"},
        {153, 0, L"", 0, L"ExitApplication()"},
        {154, -1, L"", 0, L"ShowAboutBox(1,1)"},
        {154, 0, L"", 0, L"ShowAboutBox(0,1)"},
        {159, 150, L"", 0, L"ApplyDpi(150)"},
        {159, 0, L"", 0, L"PlaySoundCue(8)"},
        {159, -5, L"", 0, L"PlaySoundCue(8)"},
    };
    RunTable(cases, static_cast<int>(sizeof(cases) / sizeof(cases[0])));
    // The full-screen crop is kept for the switch.
    Run({40, 0, L"3,2", 0, L""});
    CHECK(g_Settings.Fullscr_Clip2 == 2);
    Run({40, 0, L"3,7", 0, L""});
    CHECK(g_Settings.Fullscr_Clip2 == 1);
}

TEST_CASE_FIXTURE(CExecFixture, "sound, property, range and aspect cases")
{
    g_Settings.Common_AudOut = 0;
    const SCASE cases[] = {
        {49, 0, L"5", 0, L"Volume_Step(500,500)"},
        {49, 0, L"-2.5,1", 0, L"Volume_Step(-250,100)"},
        {50, 0, L"42.5", 0, L"SystemVolume_OnPlayState(0) Volume_ShowText(4250,1)"},
        {51, 0, L"", 0, L"Mute_Toggle()"},
        {52, -2, L"", 0, L"AudioOut_SetMode(1)"},
        {52, -3, L"", 0, L"AudioOut_SetMode(2)"},
        {52, 1, L"", 0, L"AudioOut_SetMode(1)"},
        {53, -1, L"", 0, L"AudioDevice_Choose(-1)"},
        {62, 1, L"", 0, L"AudioInputBalance_Set(-100,1,1,1)"},
        {62, 2, L"", 0, L"AudioInputBalance_Set(100,1,1,1)"},
        {62, -2, L"", 0, L"AudioInputBalance_Set(100,1,1,1)"},  // from centre
        {62, -1, L"", 0, L"AudioInputBalance_Set(-100,1,1,1)"},
        {73, 1, L"", 0, L"SeekBarPreview_Set(1)"},
        {128, 0, L"1,2,3", 9, L"Property_Command(1,2,3,9,128)"},
        {129, 0, L"5", 0, L"Property_Step(129,5)"},
        {135, 0, L"", 0, L"Property_Step(135,)"},
        {143, 0, L"", 0, L"Property_Step(143,)"},
        {46, 0, L"4:3", 0, L"Aspect_Apply(4,3) Options_RefreshAdjust(32,0)"},
        {46, 0, L"4:3", 0, L"Aspect_Reset() Options_RefreshAdjust(32,0)"},  // same again
        {46, 0, L"0", 0, L"Aspect_Reset() Options_RefreshAdjust(32,1)"},
        {46, 0, L"abc", 0, L""},
    };
    RunTable(cases, static_cast<int>(sizeof(cases) / sizeof(cases[0])));
    CHECK(g_VolumeDecimals == 1);  // 42.5
    // The input balance is the file's level once a file is open.
    g_MediaOpen = 1;
    CHECK(Run({62, 0, L"", 0, L""}) == L"AudioInputBalance_Set(0,2,1,1)");
}

TEST_CASE_FIXTURE(CExecFixture, "the display range snaps to its step and stays within 10..100 %")
{
    struct {
        int from, step, to;
    } const rows[] = {{9900, 250, 10000}, {9900, 300, 10000},  {1100, -250, 1000},
                      {5000, 1000, 6000}, {5000, -1000, 4000}, {5100, -1000, 5000}};
    for (const auto& r : rows) {
        g_VideoRange = SVIDEORANGE{0, r.from};
        Run({45, r.step, L"", 0, L""});
        CHECK(g_VideoRange.on == 1);
        CHECK(g_VideoRange.value == r.to);
    }
    g_VideoRange = SVIDEORANGE{};
    CHECK(Run({45, 0, L"", 0, L""}) ==
          L"VideoRange_Apply() Options_RefreshAdjust(16,0) "
          L"ShowText(VIDEO````RANGE : ON`````(100.0%),-1,-1,-1,-1,-1,-1)");
    CHECK(Run({45, 0, L"", 0, L""}).find(L"RANGE : OFF") != std::wstring::npos);
}

TEST_CASE_FIXTURE(CExecFixture,
                  "capture, jump-list, option, timer, test, open, file and beep cases")
{
    const SCASE cases[] = {
        {64, -1, L"", 0, L"Capture_SaveAs(0)"},
        {64, -2, L"", 0, L"Capture_ToClipboard(0)"},
        {64, 3, L"", 0, L"Capture_ByPreset(3)"},
        {66, -1, L"", 0, L"JumpList_Command(-1)"},
        {66, 9, L"", 0, L""},
        {67, 0, L"1", 0, L"JumpList_Create(-1,0,0,0,0)"},
        {67, 2, L"5", 0, L"JumpList_Create(-2,0,0,0,0)"},
        {67, 0, L"5,3", 0, L"JumpList_Create(0,3,5,3,0)"},
        {67, 0, L"4", 0, L"JumpList_Create(0,4,4,4,0)"},
        {67, 0, L"-1", 0, L"JumpList_Create(-1,0,0,0,1)"},
        {67, 0, L"-2", 0, L"JumpList_Create(-2,0,0,0,1)"},
        {67, 0, L"-6,8", 0, L"JumpList_Create(0,6,6,8,1)"},
        {67, 0, L"2", 0, L""},
        {68, 0, L"1", 4, L"JumpList_Command(1) JumpList_PreviewToggle(2,4,-1,-1,-1)"},
        {68, 0, L"3,2", 0, L"JumpList_PreviewToggle(4,0,2,-1,-1)"},
        {68, 0, L"", 0, L"JumpList_PreviewToggle(1,0,-1,-1,-1)"},
        {81, 0, L"1,7,3", 0, L"Options_Show(1,6,2)"},
        {81, 0, L"-1,2", 0, L"Options_Show(-1,1,-1)"},
        {81, 0, L"5,7,2", 0, L"Options_Show(5,6,1)"},
        {81, 0, L"5,3,2", 0, L""},
        {84, 0, L"", 0, L"Timer_ToggleDialog()"},
        {88, 0, L"", 0, L"Launcher_Toggle()"},
        {113, 30, L"", 0, L"Timer_Arm(0,30)"},
        {114, 30, L"", 0, L"Timer_Arm(1,30)"},
        {115, 2, L"", 0, L"Timer_Arm(0,120)"},
        {116, 2, L"", 0, L"Timer_Arm(1,120)"},
        {117, 3, L"", 0, L"Timer_Lengthen(0,180)"},
        {118, -3, L"", 0, L"Timer_Lengthen(1,-180)"},
        {121, -2, L"", 0, L"Timer_StopCmd(-2)"},
        {121, 5, L"", 0, L""},
        {144, 1, L"", 0, L"Bind_ShowTable()"},
        {144, 2, L"", 0, L"Settings_Rewrite()"},
        {144, 3, L"", 0, L"ChooseColour()"},
        {145, 1, L"", 0, L"OpenDialog(1,0)"},
        {145, 2, L"", 0, L"ReopenMediaFile(1)"},
        {145, 3, L"", 0, L"OpenParentFolder()"},
        {145, 5, L"", 0, L"OpenAlone(1)"},
        {147, 7, L"", 0, L"FileTool(7)"},
        {147, 8, L"", 0, L""},
        {150, 0, L"", 0, L""},  // no main window here
        {151, 0, L"", 0, L"MessageBeep(0)"},
        {151, 3, L"", 0, L"MessageBeep(48)"},
        {151, 9, L"", 0, L"MessageBeep(4294967295)"},
    };
    RunTable(cases, static_cast<int>(sizeof(cases) / sizeof(cases[0])));
}

namespace {
// The popup of every menu id is built and shown.
int ShowPopupBuilt(UINT id, POINT at, const RECT*)
{
    exec_test::Record("ShowPopupMenu", id, at);
    return 1;
}
}  // namespace

TEST_CASE_FIXTURE(CExecFixture, "the menu case finds its menu whatever the case and refuses others")
{
    g_ExecOps.ShowPopupMenu = ShowPopupBuilt;
    CHECK(Run({80, 0, L"repeat", 0, L""}).find(L"ShowPopupMenu(2312,") != std::wstring::npos);
    const std::wstring main = Run({80, 0, L"Main", 0, L""});
    CHECK(main.find(L"ShowText(MENU : MAIN,1,") == 0);
    CHECK(main.find(L"ShowPopupMenu(240,") != std::wstring::npos);
    CHECK(Run({80, 0, L"nosuch", 0, L""}) ==
          L"ShowText(ERR NAME / MENU : NOSUCH,1,-1,-1,-1,-1,-1) PlaySoundCue(8)");
    // 31 characters: the whole name in the message, nothing opened.
    const wchar_t* longName = L"ABCDEFGHIJKLMNOPQRSTUVWXYZ01234";
    const std::wstring refused = Run({80, 0, longName, 0, L""});
    CHECK(refused.find(std::wstring(L"MENU : ") + longName) != std::wstring::npos);
    CHECK(refused.find(L"ShowPopupMenu") == std::wstring::npos);
}

namespace {
int s_OpenMenu = -1;
}

TEST_CASE_FIXTURE(CExecFixture, "the menu case closes an open popup; the same menu only closes")
{
    g_ExecOps.Menu_ActiveId = [] { return s_OpenMenu; };
    g_ExecOps.ShowPopupMenu = ShowPopupBuilt;
    s_OpenMenu = -1;
    const std::wstring opened = Run({80, 0, L"size", 0, L""});
    CHECK(opened.find(L"ShowPopupMenu(2310,") != std::wstring::npos);
    CHECK(opened.find(L"ResetCursorHide(1) ShowPopupMenu") != std::wstring::npos);
    CHECK(opened.substr(opened.rfind(L' ') + 1) == L"SetHoverTimer(1,1)");
    // Another menu open: closed, then this one opens.
    s_OpenMenu = 2311;
    const std::wstring other = Run({80, 0, L"SIZE", 0, L""});
    CHECK(other.find(L"Menu_CloseActive() ShowText(MENU : SIZE,") == 0);
    CHECK(other.find(L"ShowPopupMenu(2310,") != std::wstring::npos);
    // The same menu open: closed, the message cleared, nothing opened.
    s_OpenMenu = 2310;
    CHECK(Run({80, 0, L"Size", 0, L""}) == L"Menu_CloseActive() ClearText(0)");
    s_OpenMenu = -1;
}

TEST_CASE_FIXTURE(CExecFixture, "a menu name whose popup cannot be built is refused")
{
    // The recorder's ShowPopupMenu builds nothing.
    const std::wstring failed = Run({80, 0, L"rate", 0, L""});
    CHECK(failed.find(L"ShowPopupMenu(2330,") != std::wstring::npos);
    CHECK(failed.substr(failed.find(L"ShowPopupMenu")).find(
              L"ShowText(ERR / MENU : RATE,1,-1,-1,-1,-1,-1) PlaySoundCue(8)") !=
          std::wstring::npos);
    CHECK(failed.find(L"SetHoverTimer") == std::wstring::npos);
}

TEST_CASE_FIXTURE(CExecFixture, "a preset entry runs its id, number and text as an action")
{
    SMENUPRESET rate = {1, 13, 200, L"", L"fast"};
    CHECK(m_ExecBinding(&rate) == 1);
    CHECK(exec_test::Take() == L"Rate_Set(200,0,1)");
    // A disabled entry still runs: the menus decide what is shown.
    SMENUPRESET size = {0, 35, 0, L"640,360", L""};
    CHECK(m_ExecBinding(&size) == 1);
    CHECK(exec_test::Take() == L"Size_SetCmd(640,360)");
    // An argument filling all 32 characters is cut to 31.
    SMENUPRESET full = {1, 80, 0, {}, L""};
    for (int i = 0; i < 32; ++i) full.Arg[i] = L'A';
    CHECK(m_ExecBinding(&full) == 1);
    CHECK(exec_test::Take().find(std::wstring(31, L'A') + L",1,") != std::wstring::npos);
    SMENUPRESET separator = {1, 255, 0, L"", L""};
    CHECK(m_ExecBinding(&separator) == 0);
    CHECK(m_ExecBinding(nullptr) == 0);
    CHECK(exec_test::Take() == L"");
}

TEST_CASE_FIXTURE(CExecFixture, "a task shows its number and an error when it cannot run")
{
    CHECK(Run({152, 3, L"", 0, L""}) ==
          L"ShowText(TASK : 3,-1,-1,-1,-1,-1,-1) ShowText(ERROR````TASK : 3,-1,-1,-1,-1,-1,-1)");
    WritePrivateProfileStringW(L"Task", L"4", L"C:\\missing\\nothing.exe /x", g_IniPath);
    WritePrivateProfileStringW(L"Task", L"5", L"OPEN:C:\\media\\a.mp4", g_IniPath);
    CHECK(Run({152, 4, L"", 0, L""}) ==
          L"ShowText(TASK : 4,-1,-1,-1,-1,-1,-1) RunTask(C:\\missing\\nothing.exe /x) "
          L"ShowText(ERROR````TASK : 4,-1,-1,-1,-1,-1,-1)");
    CHECK(Run({152, 5, L"", 0, L""}) ==
          L"ShowText(TASK : 5,-1,-1,-1,-1,-1,-1) OpenFile(C:\\media\\a.mp4,1,1,0,1,-1)");
    // The real task runner refuses a program that is not there.
    g_ExecOps = m_ExecOps_Real();
    CHECK(g_ExecOps.RunTask(L"C:\\missing\\nothing.exe /x") == 0);
}

TEST_CASE_FIXTURE(CExecFixture, "ids without a case, the bar switches and the auto-repeat filter")
{
    for (int id : {0, 2, 20, 21, 61, 63, 160, 4176, 4181, -5, 100000}) {
        SFUNCTIONBIND a = {};
        a.Function = id;
        CAPTURE(id);
        CHECK(m_ExecFunction(&a, 0, 0) == 0);
    }
    CHECK(exec_test::Take() == L"");
    CHECK(m_ExecFunction(nullptr, 0, 0) == 0);
    // 1 shows, 0 hides, others toggle; each lays the client area out again.
    g_ShowStatusBar = 1;
    CHECK(Run({4180, 0, L"", 0, L""}) == L"RelayoutClientArea()");
    CHECK(g_ShowStatusBar == 0);
    Run({4180, -1, L"", 0, L""});
    CHECK(g_ShowStatusBar == 1);
    Run({4177, 1, L"", 0, L""});
    CHECK(g_ShowMenuBar == 1);
    // Auto-repeats pass only for the stepping functions.
    SFUNCTIONBIND volume = Action(49, 0, L"5");
    SFUNCTIONBIND format = Action(92, -1, L"");
    CHECK(m_ExecFunction(&volume, 0, 1) == 1);
    CHECK(m_ExecFunction(&format, 0, 1) == 0);
    SFUNCTIONBIND id61 = Action(61, 0, L"");
    CHECK(m_ExecFunction(&id61, 0, 1) == 0);
    exec_test::Take();
    // A limit reached: 8 repeats swallowed, the 9th passes; a press at once.
    g_RepeatSkipCount = 8;
    for (int i = 0; i < 8; ++i) CHECK(m_ExecFunction(&volume, 0, 1) == 0);
    CHECK(exec_test::Take() == L"");
    CHECK(m_ExecFunction(&volume, 0, 1) == 1);
    g_RepeatSkipCount = 8;
    CHECK(m_ExecFunction(&volume, 0, 0) == 1);
    CHECK(g_RepeatSkipCount == 0);
    CHECK(exec_test::Take() == L"Volume_Step(500,500) Volume_Step(500,500)");
}

TEST_CASE_FIXTURE(CExecFixture, "an action by id cuts its text to 31 characters")
{
    // 31 characters with commas, then more: the list reads only what fits.
    CHECK(m_ExecFunctionById(7, 0, L"1000,2,30,40,50,60,70,80,90,100,110") == 1);
    CHECK(exec_test::Take() == L"StartContinuousSeek(1000,0,2,30,40,50)");
    CHECK(m_ExecFunctionById(80, 0, L"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789") == 1);
    CHECK(exec_test::Take().find(L"Z01234,1,") != std::wstring::npos);
    CHECK(m_ExecFunctionById(1, -1, nullptr) == 1);
}
