// From a key or mouse input to its binding: the first enabled match, the
// twin digit keeping its modifiers, [Bind] "DisMod", auto-repeats, the
// menu key, and the continuous seek's states.
#include <doctest/doctest.h>

#include <windows.h>

#include <string>

#include "../settings/SettingsFixture.h"
#include "ExecRecorder.h"
#include "app/MainTimers.h"
#include "app/PointerInput.h"
#include "commands/CommandHandlers.h"
#include "commands/Executor.h"
#include "playback/PlayState.h"
#include "playback/Seek.h"

namespace {

SFUNCTIONBIND Bind(int enabled, int function, int param, WORD key, int mouse = 0)
{
    SFUNCTIONBIND b = {};
    b.Enabled = enabled;
    b.Function = function;
    b.Param = param;
    b.Key = key;
    b.Mouse = mouse;
    return b;
}

struct CLookupFixture : CSettingsFixture, CExecRecorder {
    CLookupFixture()
    {
        g_Settings.Seek_Step[0] = 3000;
        g_Settings.Seek_Step[1] = 15000;
        g_BindLastInput = 0;
        g_RepeatSkipCount = 0;
        Hold({});
    }
    ~CLookupFixture()
    {
        Hold({});
        m_pBind = nullptr;
        m_nBindCount = 0;
        g_BindLastInput = 0;
    }
    void Use(SFUNCTIONBIND* table, int count)
    {
        m_pBind = table;
        m_nBindCount = count;
    }
    // The modifiers this thread sees as held.
    static void Hold(std::initializer_list<int> keys)
    {
        BYTE state[256] = {};
        for (int k : keys) state[k] = 0x80;
        SetKeyboardState(state);
    }
    static int Key(UINT vk, int repeat = 0)
    {
        m_OnKeyMessage(nullptr, WM_KEYDOWN, vk, repeat ? 0x40000001 : 1);
        return 0;
    }
    // How many times the main menu was asked for by the menu function since
    // the last look.
    static int MainMenus()
    {
        const std::wstring calls = exec_test::Take();
        int count = 0;
        for (size_t at = calls.find(L"ShowPopupMenu(240,"); at != std::wstring::npos;
             at = calls.find(L"ShowPopupMenu(240,", at + 1))
            ++count;
        return count;
    }
};

}  // namespace

TEST_CASE_FIXTURE(CLookupFixture, "the first enabled binding of a key runs; later ones never")
{
    SFUNCTIONBIND table[] = {Bind(0, 3, 1, VK_HOME), Bind(1, 3, 0, VK_HOME),
                             Bind(1, 3, 1, VK_HOME)};
    Use(table, 3);
    CHECK(m_Bind_ExecByKey(VK_HOME, VK_HOME, 0) == 1);
    CHECK(exec_test::Take() == L"PrevTrack(0)");
    CHECK(g_BindLastInput == VK_HOME);
    CHECK(m_Bind_ExecByKey(VK_END, VK_END, 0) == 0);
    CHECK(m_Bind_ExecByKey(0, 0, 0) == 0);
    Use(table, 0);
    CHECK(m_Bind_ExecByKey(VK_HOME, VK_HOME, 0) == 0);
    CHECK(exec_test::Take() == L"");
}

TEST_CASE_FIXTURE(CLookupFixture, "a held time-format key moves the format once per press")
{
    g_MainWindowState.nTimeMode = 1;
    SFUNCTIONBIND table[] = {Bind(1, 92, -1, 'T')};
    Use(table, 1);
    Key('T');
    Key('T', 1);
    Key('T', 1);
    CHECK(exec_test::Take() == L"SetTimeDisplayMode(2)");
    CHECK(table[0].Param == -1);
    // An auto-repeat of another key than the last counts as a fresh press.
    g_BindLastInput = VK_HOME;
    CHECK(m_Bind_ExecByKey('T', 'T', 1) == 1);
    CHECK(exec_test::Take() == L"SetTimeDisplayMode(2)");
}

TEST_CASE_FIXTURE(CLookupFixture, "a held seek key starts one continuous seek; its repeats drop")
{
    SFUNCTIONBIND table[] = {Bind(1, 5, 1, VK_RIGHT)};
    Use(table, 1);
    Key(VK_RIGHT);
    Key(VK_RIGHT, 1);
    CHECK(exec_test::Take() == L"StartContinuousSeek(3000,39,-1,-1,-1,-1)");
}

TEST_CASE_FIXTURE(CLookupFixture, "the twin digit keeps the modifiers; DisMod runs the bare key")
{
    SFUNCTIONBIND table[] = {Bind(1, 34, 540, 0x135), Bind(1, 84, 0, 'Q'), Bind(1, 34, 360, '1')};
    Use(table, 3);
    Hold({VK_SHIFT});
    Key(VK_NUMPAD5);
    CHECK(exec_test::Take() == L"Size_TakeVideoAspect() SetSizeLeavingFullScreen(3,540,1)");
    // Keypad 1 with Shift: no Shift+1 binding, and the bare one needs DisMod.
    Key(VK_NUMPAD1);
    CHECK(exec_test::Take() == L"");
    Hold({VK_CONTROL});
    Key('Q');
    CHECK(exec_test::Take() == L"");
    g_Settings.Bind_DisMod = 1;
    Key('Q');
    CHECK(exec_test::Take() == L"Timer_ToggleDialog()");
    Hold({VK_SHIFT});
    Key(VK_NUMPAD1);
    CHECK(exec_test::Take() == L"");  // the bare keypad 1, not its twin
    // A bare modifier runs nothing.
    Key(VK_SHIFT);
    CHECK(exec_test::Take() == L"");
}

TEST_CASE_FIXTURE(CLookupFixture, "the menu key opens the main menu only when nothing ran")
{
    SFUNCTIONBIND table[] = {Bind(1, 84, 0, VK_APPS)};
    Use(table, 0);
    exec_test::Take();
    Key(VK_APPS);
    CHECK(MainMenus() == 1);
    Key(VK_APPS, 1);  // not on an auto-repeat
    CHECK(MainMenus() == 0);
    Hold({VK_SHIFT});
    m_OnKeyMessage(nullptr, WM_SYSKEYDOWN, VK_F10, 1);
    CHECK(MainMenus() == 1);
    Hold({});
    m_OnKeyMessage(nullptr, WM_SYSKEYDOWN, VK_F10, 1);  // F10 alone
    CHECK(MainMenus() == 0);
    Use(table, 1);
    Key(VK_APPS);
    CHECK(exec_test::Take() == L"Timer_ToggleDialog()");
}

TEST_CASE_FIXTURE(CLookupFixture, "mouse codes take the held modifiers, DisMod and the seek kind")
{
    SFUNCTIONBIND table[] = {Bind(1, 40, 0, 0, 3), Bind(1, 5, 1, 0, 6), Bind(1, 12, 0, 0, 7),
                             Bind(1, 51, 0, 0, 0x204)};
    Use(table, 4);
    lstrcpynW(table[0].Arg, L"-2", 32);
    Hold({VK_CONTROL});
    CHECK(m_Bind_ExecByMouse(4, 0) == 1);
    CHECK(g_BindLastInput == 0x204u);
    CHECK(m_Bind_ExecByMouse(3, 0) == 0);
    g_Settings.Bind_DisMod = 1;
    CHECK(m_Bind_ExecByMouse(3, 0) == 1);
    CHECK(g_BindLastInput == 3u);
    CHECK(exec_test::Take() == L"Mute_Toggle() FullScreen_Set(1,-1,0,1,1,2)");
    // The seek kind looks at the modified code only.
    CHECK(m_Bind_MouseSeekKind(6) == 0);
    Hold({});
    CHECK(m_Bind_MouseSeekKind(6) == 1);
    CHECK(m_Bind_MouseSeekKind(7) == 2);
    CHECK(m_Bind_MouseSeekKind(3) == 0);
    CHECK(m_Bind_MouseSeekKind(9) == 0);
}

TEST_CASE_FIXTURE(CLookupFixture, "a continuous seek runs in state 3, ends in 4 and idles at 0")
{
    g_ExecOps = m_ExecOps_Real();
    g_Settings.Common_SeekCnt = 2500;
    g_SeekSeries = SSEEKSERIES{0, -1, 0};
    // Nothing without an open file.
    m_StartContinuousSeek(1000, VK_F13, 0, 10, 200, 0);
    CHECK(m_ContinuousSeek_HoldKey() == 0);
    g_MediaOpen = 1;
    g_MediaKind = MEDIA_KIND_VIDEO;
    m_StartContinuousSeek(1000, VK_F13, 0, 10, 200, 0);
    CHECK(m_ContinuousSeek_HoldKey() == VK_F13);
    CHECK(m_ContinuousSeek_State() == 3);
    m_StopContinuousSeekFor(VK_F14);  // another key
    CHECK(m_ContinuousSeek_State() == 3);
    m_StopContinuousSeekFor(VK_F13);
    CHECK(m_ContinuousSeek_HoldKey() == 0);
    CHECK(m_ContinuousSeek_State() == 4);
    CHECK(g_ContSeek.startPos == -1);
    m_Seek_OnTimer(kTimerSeekEnd);
    CHECK(m_ContinuousSeek_State() == 0);
    // A wait first leaves the state; the wait over with the key up ends it.
    m_StartContinuousSeek(-1000, VK_F13, 0, 10, 200, 300);
    CHECK(m_ContinuousSeek_State() == 0);
    m_ContinuousSeek_OnWaitTimer();
    CHECK(m_ContinuousSeek_State() == 4);
    // Final ends at once; a still picture never seeks.
    m_StartContinuousSeek(1000, VK_F13, 0, 10, 200, 0);
    m_StopContinuousSeek(1);
    CHECK(m_ContinuousSeek_State() == 0);
    g_MediaKind = MEDIA_KIND_PICTURE;
    m_StartContinuousSeek(1000, VK_F13, 0, 10, 200, 0);
    CHECK(m_ContinuousSeek_HoldKey() == 0);
    g_MediaOpen = 0;
    g_MediaKind = MEDIA_KIND_NONE;
}
