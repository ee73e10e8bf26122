#include <doctest/doctest.h>

#include <windows.h>

#include "SettingsFixture.h"
#include "app/ControlTooltips.h"
#include "app/WindowHelpers.h"
#include "engine/RendererKind.h"
#include "settings/SettingsLists.h"
#include "playback/PlaybackControl.h"
#include "playback/ReopenFile.h"
#include "playback/VideoPropApply.h"
#include "settings/MainWindowStyle.h"
#include "settings/SettingsApply.h"

namespace {

HWND CreateMainWindow()
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ZvApplyTest";
    RegisterClassW(&wc);
    return CreateWindowExW(0, wc.lpszClassName, L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300,
                           200, nullptr, nullptr, wc.hInstance, nullptr);
}

LONG_PTR Boxes()
{
    return GetWindowLongPtrW(g_hWndMain, GWL_STYLE) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
}

void ClearCalls()
{
    g_ToolTipsCalls = g_TopMostStateCalls = g_VideoClipCalls = g_HideButtonsCalls = 0;
    g_VideoPropApplyCalls = g_VideoPropApplyBits = 0;
}

// Start-up's state: the file loaded, the copies and snapshots taken.
void Load()
{
    m_LoadSettings(SETTINGS_GROUP_ALL);
    CSettingsFixture::TakeSnapshots();
    ClearCalls();
}

const wchar_t kBefore[] =
    L"[Common]\r\nTip=1\r\nPlyTop=1\r\nMouSens=10\r\n[Ctrl]\r\nWndBtn=0\r\n"
    L"[Prop]\r\nBst=1,100\r\nBlc=1,0\r\n[Filter]\r\nCount=1\r\n0=1,0,a\r\n";

}  // namespace

TEST_CASE("a reload applies only the aspects that changed, and the next save writes nothing")
{
    CSettingsFixture ini;
    g_hWndMain = CreateMainWindow();
    REQUIRE(g_hWndMain);
    ini.Write(kBefore);
    Load();

    // what another instance saved
    ini.Write(
        L"[Common]\r\nTip=0\r\nPlyTop=1\r\nMouSens=25\r\n[Ctrl]\r\nWndBtn=1\r\n"
        L"[Prop]\r\nBst=1,150\r\nBlc=1,0\r\n[Filter]\r\nCount=2\r\n0=1,0,a\r\n1=1,0,b\r\n");
    m_ReloadSettings();
    CHECK(g_Settings.Common_MouSens == 25);
    CHECK(g_ToolTipsCalls == 1);
    CHECK(g_ToolTipsShown == 0);
    CHECK(g_TopMostStateCalls == 0);
    CHECK(g_VideoClipCalls == 0);
    CHECK(g_HideButtonsCalls == 0);
    CHECK(g_VideoPropApplyCalls == 1);
    CHECK(g_VideoPropApplyBits == 0x100);
    CHECK(Boxes() == 0);
    CHECK((GetWindowLongPtrW(g_hWndMain, GWL_STYLE) & WS_VISIBLE) != 0);

    const std::string file = ini.ReadBytes();
    CHECK(m_SaveSettings(0) == 0);
    CHECK(ini.ReadBytes() == file);
    CHECK(g_NoticeCount == 0);

    SUBCASE("turning the boxes back on restores them")
    {
        ini.Write(kBefore);
        m_ReloadSettings();
        CHECK(Boxes() == (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
        CHECK(g_VideoPropApplyBits == 0x100);
        CHECK(g_ToolTipsShown == 1);
    }
    DestroyWindow(g_hWndMain);
    g_hWndMain = nullptr;
    ini.Write(L"[Ctrl]\r\nWndBtn=0\r\n");
    m_LoadSettings(SETTINGS_GROUP_ALL);
    m_ApplyWindowStyle(0);  // the next test's window starts with its boxes
}

TEST_CASE("the video property bits follow the values that changed")
{
    CSettingsFixture ini;
    struct SCase {
        const wchar_t* Prop;
        int Bits;
    } cases[] = {
        {L"[Prop]\r\nPrcAmp=1,I1A2b3C4d\r\n", 0x0F},
        {L"[Prop]\r\nRng=1,500\r\n", 0x10},
        {L"[Prop]\r\nPrcAmp=1,I1A2b3C4d\r\nRng=1,500\r\nBlc=1,-20\r\n", 0x21F},
        {L"[Prop]\r\nRng=2,0\r\nBst=0,100\r\n", 0},  // switches alone change no value
    };
    for (const SCase& c : cases) {
        ini.Write(L"[Prop]\r\n");
        Load();
        ini.Write(c.Prop);
        m_ReloadSettings();
        CAPTURE(c.Bits);
        CHECK(g_VideoPropApplyBits == c.Bits);
        CHECK(g_VideoPropApplyCalls == (c.Bits ? 1 : 0));
    }
}

TEST_CASE("the renderer kind is taken over, and an open file reopened, only when it changed")
{
    CSettingsFixture ini;
    g_ReopenCalls = 0;
    g_RendererKind = 7;
    g_Settings.Common_Video = 7;
    g_PlayState = 5;
    m_ApplyRendererKind();
    CHECK(g_ReopenCalls == 0);
    g_Settings.Common_Video = 3;
    m_ApplyRendererKind();
    CHECK(g_RendererKind == 3);
    CHECK(g_ReopenCalls == 1);
    g_PlayState = 0;
    g_Settings.Common_Video = 5;
    m_ApplyRendererKind();
    CHECK(g_RendererKind == 5);
    CHECK(g_ReopenCalls == 1);
}

TEST_CASE("cancelling the options puts back what was saved and applies what differed")
{
    CSettingsFixture ini;
    ini.Write(
        L"[Common]\r\nTip=1\r\nMouSens=10\r\nVideo=7\r\n[Filter]\r\nCount=1\r\n0=1,0,a\r\n"
        L"[Bind]\r\nCount=1\r\n0=1,5,1,27\r\n");
    Load();
    const SSETTINGS saved = g_Settings;
    g_RendererKind = 7;
    g_PlayState = 5;
    g_ReopenCalls = 0;

    // what the options dialog changed before it was cancelled
    g_Settings.Common_MouSens = 40;
    g_Settings.Common_Mlt = 0;
    g_Settings.Common_Tip = 0;
    g_Settings.Common_Video = 3;
    g_RendererKind = 3;
    g_FilterList[0].Enabled = 0;
    m_pBind[0].Key = 0x28;
    g_VideoPropDefault.Boost = 250;

    m_Options_Revert();
    CHECK(memcmp(&g_Settings, &saved, sizeof(SSETTINGS)) == 0);
    CHECK(g_RendererKind == 7);
    CHECK(g_ReopenCalls == 1);
    CHECK(g_ToolTipsCalls == 1);
    CHECK(g_ToolTipsShown == 1);
    CHECK(ini.Get(L"Common", L"Mlt") == L"1");
    CHECK(ini.Get(L"Common", L"MouSens") == L"10");
    CHECK(g_FilterList[0].Enabled == 1);
    CHECK(m_pBind[0].Key == 0x27);
    CHECK(g_VideoPropDefault.Boost == g_VideoPropDefaultCopy.Boost);
    CHECK(g_VideoPropApplyBits == 0xFFFF);
    CHECK(m_SaveSettings(0) == 0);
    g_PlayState = 0;
}
