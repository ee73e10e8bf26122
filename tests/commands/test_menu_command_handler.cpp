// The menu command handler against a recording double of the executor's
// operations: what each id stands for (the last track of a full list and
// chapter 0 share an id), the device offset step, the all-files numbering,
// the fixed items' operations, and the track items' drag, check and delete
// on a real playlist.
#include <doctest/doctest.h>

#include <windows.h>

#include <string>

#include "../settings/SettingsFixture.h"
#include "ExecRecorder.h"
#include "app/Layout.h"
#include "commands/CommandHandlers.h"
#include "commands/MenuCommands.h"
#include "commands/SubmenuBuilder.h"
#include "controls/MenuItem.h"
#include "controls/MenuMessages.h"
#include "playback/AudioDeviceList.h"
#include "playback/RepeatMode.h"
#include "commands/FileTool.h"
#include "playback/PlayState.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistState.h"
#include "settings/SettingsMain.h"

namespace {

struct CPlaylistFixture : CSettingsFixture, CExecRecorder {
    CPlaylistFixture() { g_Playlist.m_ClearPlayList(); }
    ~CPlaylistFixture() { g_Playlist.m_ClearPlayList(); }

    void Fill(int count)
    {
        for (int i = 0; i < count; ++i) {
            wchar_t path[MAX_PATH];
            wsprintfW(path, L"C:\\media\\t%04d.mp4", i);
            REQUIRE(g_Playlist.m_AppendTrack(path) == 1);
        }
    }

    std::wstring PathOf(int index) const
    {
        const STRACKINFO* t = g_Playlist.m_GetTrack(index);
        return t ? std::wstring(t->Path) : std::wstring();
    }
};

// A notice as a popup sends it; the popup pointer only has to be there.
LRESULT Send(UINT item, UINT menu = 0, UINT state = 0, UINT mode = 0, WPARAM code = 100,
             int from = 0, int to = 0)
{
    static int s_Popup;
    SMENUNOTIFY n = {};
    n.MenuId = menu;
    n.ItemId = item;
    n.SelState = state;
    n.Modifier = mode;
    n.Index = from;
    n.ToIndex = to;
    n.Closes = 1;
    n.Popup = reinterpret_cast<CMenuPlus*>(&s_Popup);
    return m_OnMenuCommand(code, reinterpret_cast<LPARAM>(&n));
}

}  // namespace

TEST_CASE("each dynamic id stands for its list and index")
{
    struct SROW {
        UINT id;
        UINT menu;
        int kind;
        int index;
    };
    const SROW rows[] = {
        {34768, 0, MENUTARGET_VOLUME, 0},
        {34868, 0, MENUTARGET_VOLUME, 100},
        {34878, 0, MENUTARGET_DEVICE, 0},
        {34893, 0, MENUTARGET_DEVICE, 15},
        {35769, 2318, MENUTARGET_TRACK, 0},
        {36767, 2318, MENUTARGET_TRACK, 998},
        // The 1000th track's id is chapter 0's: the playlist menu means the
        // track, every other menu the chapter.
        {36768, 2318, MENUTARGET_TRACK, 999},
        {36768, 2335, MENUTARGET_CHAPTER, 0},
        {36768, 2333, MENUTARGET_CHAPTER, 0},
        {36768, 0, MENUTARGET_CHAPTER, 0},
        {36966, 2335, MENUTARGET_CHAPTER, 198},
        {36968, 0, MENUTARGET_ASSIGNCHAPTER, 0},
        {37168, 0, MENUTARGET_RANGE, 0},
        {37368, 0, MENUTARGET_MARKER, 0},
        {37768, 0, MENUTARGET_ALLRANGES, 0},
        {38068, 0, MENUTARGET_ALLMARKERS, 0},
        {39167, 0, MENUTARGET_RECENT, 399},
        {39268, 0, MENUTARGET_MOSTPLAYED, 0},
        {39768, 0, MENUTARGET_FAVORITE, 0},
        {42767, 0, MENUTARGET_FAVOSUB, 1999},
        {35768, 0, MENUTARGET_LISTFILE, 0},
        {36967, 0, MENUTARGET_NONE, -1},
        {4186, 0, MENUTARGET_NONE, -1},
    };
    for (const SROW& r : rows) {
        CAPTURE(r.id);
        CAPTURE(r.menu);
        const SMENUTARGET t = m_MenuCmd_Target(r.id, r.menu);
        CHECK(t.Kind == r.kind);
        CHECK(t.Index == r.index);
    }
}

TEST_CASE("a device offset steps by 1 or 5, snaps to the step and stays within -99..99")
{
    struct SROW {
        int offset, state, mode, expected;
    };
    const SROW rows[] = {
        {0, MENUSEL_RAISE, 0, 1},   {0, MENUSEL_RAISE, 1, 5},   {3, MENUSEL_RAISE, 1, 5},
        {7, MENUSEL_LOWER, 1, 0},   {-3, MENUSEL_LOWER, 0, -4}, {98, MENUSEL_RAISE, 0, 99},
        {99, MENUSEL_RAISE, 0, 99}, {95, MENUSEL_RAISE, 1, 99}, {-95, MENUSEL_LOWER, 1, -99},
        {-99, MENUSEL_LOWER, 0, -99}, {150, MENUSEL_PLAIN, 0, 99}, {12, MENUSEL_PLAIN, 0, 12},
    };
    for (const SROW& r : rows) {
        CAPTURE(r.offset);
        CAPTURE(r.state);
        CAPTURE(r.mode);
        CHECK(m_MenuCmd_StepOffset(r.offset, r.state, r.mode) == r.expected);
    }
}

TEST_CASE("the all-files lists number their items across the tracks")
{
    const int counts[] = {0, 2, 0, 3};
    int track = -1, item = -1;
    CHECK(m_MenuCmd_AllFilesEntry(counts, 4, 0, &track, &item) == 1);
    CHECK((track == 1 && item == 0));
    CHECK(m_MenuCmd_AllFilesEntry(counts, 4, 2, &track, &item) == 1);
    CHECK((track == 3 && item == 0));
    CHECK(m_MenuCmd_AllFilesEntry(counts, 4, 4, &track, &item) == 1);
    CHECK((track == 3 && item == 2));
    CHECK(m_MenuCmd_AllFilesEntry(counts, 4, 5, &track, &item) == 0);
    CHECK(m_MenuCmd_AllFilesEntry(counts, 4, -1, &track, &item) == 0);
    CHECK(m_MenuCmd_AllFilesEntry(counts, 4, 300, &track, &item) == 0);
}

TEST_CASE_FIXTURE(CPlaylistFixture, "fixed items hand their values to the operations")
{
    g_MainWindowState.nTopMost = 0;
    g_RepeatMode = 2;
    g_ShowStatusBar = g_ShowSeekBar = 1;
    struct SROW {
        UINT id;
        UINT state;
        UINT mode;
        const wchar_t* calls;
    };
    const SROW rows[] = {
        {4097, 0, 0, L"SetTopMost(1,1,0)"},
        {4105, 0, 0, L"Options_Show(-1,-1,-1)"},
        {4098, 0, 0, L"Options_Show(1,1,-1)"},
        {4110, 0, 0, L"Options_Show(1,6,1)"},
        {4317, 0, 0, L"Options_Show(1,6,2)"},
        {4696, 0, 0, L"Options_Show(1,5,-1)"},
        {4108, 0, 0, L"Timer_ToggleDialog()"},
        {4127, 0, 0, L"ExitApplication()"},
        {4132, 0, 0, L"CloseFile(1,1,1,1)"},
        {4133, 0, 0, L"CloseFile(1,1,0,1)"},
        {4134, 0, 0, L"CloseFile(1,1,-1,1)"},
        {4157, 0, 0, L"FileTool(1)"},
        {4158, 0, 0, L"FileTool(2)"},
        {4160, 0, 0, L"FileTool(4)"},
        {4161, 0, 0, L"FileTool(5)"},
        {4162, 0, 0, L"FileTool(6)"},
        {4165, 0, 0, L"FileTool(7)"},
        // The bars take their room from the window; the menu bar's from the
        // video.
        {4103, 0, 0, L"SetBarKeepingVideo(flag,0)"},
        {4100, 0, 0, L"SetBarKeepingVideo(flag,0)"},
        {4099, 0, 0, L"RelayoutClientArea()"},
        {4099, 0, 0, L"RelayoutClientArea()"},
        {4186, 0, 0, L"PlayPause(-1)"},
        {4193, 0, 0, L"NextTrack()"},
        {4217, 0, 0, L"Mute_Toggle()"},
        {4222, 0, 0, L"AudioInputBalance_Set(-100,1,1,1)"},
        {4237, 0, 0, L"Repeat_SetMode(0,1)"},
        {4241, 0, 0, L"Repeat_SetMode(4,1)"},
        {4249, 0, 0, L"RangeRepeat_SetMode(2)"},
        {2312, 0, 1, L"Repeat_SetMode(1,1)"},
        {2312, 0, 0, L"Repeat_SetMode(3,1)"},
        {2345, 0, 1, L"RangeRepeat_SetMode(-2)"},
        {2330, 0, 1, L"Rate_StepPreset(1)"},
        {4267, 0, 0, L"OSD_SetMode(1,1)"},
        {4438, 0, 0, L"SetTimeDisplayMode(2)"},
        {4286, 0, 0, L"Capture_ByPreset(0)"},
        {4287, 0, 0, L"Capture_SaveAs(-1)"},
        {4698, 0, 0, L"JumpList_Command(-1)"},
        {4746, 0, 0, L"JumpList_Create(-1,0,0,0,0)"},
        {4801, 0, 0, L"JumpList_Create(5,0,0,0,0)"},
        {4901, 0, 1, L"PlaySoundCue(8)"},
        {4996, 0, 0, L"Bind_ShowTable()"},
        {34818, 0, 0, L"SystemVolume_OnPlayState(0) Volume_ShowText(5000,1)"},
        {35170, 0, 0, L"Stream_Select(3)"},
        {4999, 0, 0, L""},
    };
    for (const SROW& r : rows) {
        CAPTURE(r.id);
        CAPTURE(r.mode);
        CHECK(Send(r.id, 0, r.state, r.mode) == 1);
        CHECK(exec_test::Take() == std::wstring(r.calls));
    }
}

TEST_CASE_FIXTURE(CPlaylistFixture, "the list caption opens the list again, stopped with Shift")
{
    BYTE saved[256];
    GetKeyboardState(saved);
    lstrcpynW(g_ListPath, L"C:\\lists\\a.zvpl", MAX_PATH + 1);
    Send(35768, kMenuIdPlaylist);
    CHECK(exec_test::Take() == L"OpenFile(C:\\lists\\a.zvpl,1,1,0,1,-1)");
    BYTE shift[256] = {};
    shift[VK_SHIFT] = 0x80;
    SetKeyboardState(shift);
    Send(35768, kMenuIdPlaylist);
    CHECK(exec_test::Take() == L"OpenFile(C:\\lists\\a.zvpl,2,1,0,1,-1)");
    SetKeyboardState(saved);
    g_ListPath[0] = 0;
    Send(35768, kMenuIdPlaylist);
    CHECK(exec_test::Take().empty());
}

TEST_CASE("the chapter export holds started playback before its dialog")
{
    const int started = g_PlayStarted, held = g_PlayHeld;
    for (int playing : {1, 0}) {
        CAPTURE(playing);
        g_PlayStarted = playing;
        g_PlayHeld = 0;
        m_FileTool(7);
        CHECK(g_PlayHeld == playing);
    }
    g_PlayStarted = started;
    g_PlayHeld = held;
}

TEST_CASE_FIXTURE(CPlaylistFixture, "an empty notice is not handled; a highlight or drag is")
{
    CHECK(m_OnMenuCommand(100, 0) == 0);
    SMENUNOTIFY n = {};
    n.ItemId = 4186;
    CHECK(m_OnMenuCommand(100, reinterpret_cast<LPARAM>(&n)) == 0);
    CHECK(Send(36770, kMenuIdSeekBar, 0, 0, MENUCODE_SELCHANGED) == 1);
    CHECK(Send(35769, kMenuIdPlaylist, 0, 0, MENUCODE_MOVED, 0, 1) == 1);
    CHECK(exec_test::Take().empty());
}

TEST_CASE_FIXTURE(CPlaylistFixture, "a dragged track item moves its track by the drag distance")
{
    Fill(5);
    Send(35769 + 1, kMenuIdPlaylist, 0, 0, MENUCODE_MOVED, 3, 5);  // +2
    CHECK(PathOf(3) == L"C:\\media\\t0001.mp4");
    CHECK(PathOf(1) == L"C:\\media\\t0002.mp4");
    Send(35769 + 3, kMenuIdPlaylist, 0, 0, MENUCODE_MOVED, 6, 3);  // -3
    CHECK(PathOf(0) == L"C:\\media\\t0001.mp4");
    // Dropped at its own place, or an item past the list: nothing moves.
    Send(35769 + 2, kMenuIdPlaylist, 0, 0, MENUCODE_MOVED, 4, 4);
    Send(35769 + 7, kMenuIdPlaylist, 0, 0, MENUCODE_MOVED, 0, 2);
    const wchar_t* order[] = {L"t0001", L"t0000", L"t0002", L"t0003", L"t0004"};
    for (int i = 0; i < 5; ++i) CHECK(PathOf(i).find(order[i]) != std::wstring::npos);
}

TEST_CASE_FIXTURE(CPlaylistFixture, "track items: state 1 checks, the delete gesture deletes")
{
    Fill(3);
    Send(35769 + 1, kMenuIdPlaylist, MENUSEL_TOGGLE, 0);
    CHECK(g_Playlist.m_GetTrack(1)->Unchecked == 1);
    // Mode 1 with state 2 is not the delete gesture.
    Send(35769 + 2, kMenuIdPlaylist, MENUSEL_DELETE, 1);
    CHECK(g_Playlist.m_GetCount() == 3);
    exec_test::Take();
    Send(35769 + 0, kMenuIdPlaylist, MENUSEL_DELETE, 0);
    CHECK(g_Playlist.m_GetCount() == 2);
    CHECK(PathOf(0) == L"C:\\media\\t0001.mp4");
    CHECK(exec_test::Take() == L"PlaySoundCue(5)");
    // A track past the list does nothing.
    Send(35769 + 998, kMenuIdPlaylist, MENUSEL_DELETE, 0);
    CHECK(g_Playlist.m_GetCount() == 2);
}

TEST_CASE_FIXTURE(CPlaylistFixture, "the last track of a full list is deleted by its own id")
{
    Fill(kPlaylistTrackCap);
    Send(36768, kMenuIdPlaylist, MENUSEL_DELETE, 0);
    CHECK(g_Playlist.m_GetCount() == kPlaylistTrackCap - 1);
    CHECK(PathOf(kPlaylistTrackCap - 2) == L"C:\\media\\t0998.mp4");
    // The same id from the chapter menu is chapter 0 of the playing track;
    // with nothing playing it does nothing to the list.
    Send(36768, kMenuIdChapters, MENUSEL_DELETE, 0);
    CHECK(g_Playlist.m_GetCount() == kPlaylistTrackCap - 1);
}

TEST_CASE_FIXTURE(CPlaylistFixture, "device items keep the offset within -99..99; gone ones do nothing")
{
    const SAUDIODEVICES saved = g_AudioDevices;
    g_AudioDevices = SAUDIODEVICES{};
    g_AudioDevices.Count = 1;
    lstrcpynW(g_AudioDevices.Items[0].Name, L"Speakers", kAudioDeviceNameCap);
    g_AudioDevices.Items[0].Offset = 97;
    g_MenuDeviceNumber = 1;
    for (int i = 0; i < 3; ++i) Send(4461, 4462, MENUSEL_RAISE, 1);
    CHECK(g_AudioDevices.Items[0].Offset == 99);
    g_AudioDevices.Items[0].Offset = -97;
    Send(4461, 4462, MENUSEL_LOWER, 0);
    Send(4461, 4462, MENUSEL_LOWER, 0);
    Send(4461, 4462, MENUSEL_LOWER, 0);
    CHECK(g_AudioDevices.Items[0].Offset == -99);
    g_MenuDeviceNumber = 15;
    Send(4461, 4462, MENUSEL_RAISE, 0);
    Send(4459, 4462, 0, 0);
    CHECK(g_AudioDevices.Items[0].Skip == 0);
    CHECK(Send(34878 + 15, 2329, 0, 0) == 1);
    g_MenuDeviceNumber = -1;
    g_AudioDevices = saved;
}
