#include <doctest/doctest.h>

#include <windows.h>

#include <climits>
#include <string>
#include <vector>

#include "SettingsFixture.h"
#include "controls/Statusbar.h"
#include "engine/WineQuirks.h"

namespace {

std::vector<int> Ints(const int* f, int n) { return std::vector<int>(f, f + n); }

}  // namespace

TEST_CASE("a missing settings file gives every key its default")
{
    CSettingsFixture ini;
    m_LoadSettings(SETTINGS_GROUP_ALL);
    const SSETTINGS& s = g_Settings;

    // int, switch, text, and a setting kept in two fields
    CHECK(s.Common_MouSens == 10);
    CHECK(s.Common_ChapRep == -1000);
    CHECK(s.Common_MvLog == 0);
    CHECK(s.Common_Mlt == 1);
    CHECK(s.Main_FllScrTop == 1);
    CHECK(s.Common_Drag == 1);
    CHECK(s.Common_Drag2 == 1);
    CHECK(std::wstring(s.File_StExt) == L"idx:smi:sub:srt:psb:ssa:ass:usf:ssf");
    CHECK(std::wstring(s.Osc_FontTt) == L"ＭＳ Ｐゴシック");
    // bits, pairs, lists
    CHECK(Ints(s.Jumplist_PrevDis, 4) == std::vector<int>{0, 1, 1, 1});
    CHECK(Ints(s.Ctrl_SbTip, 3) == std::vector<int>{1, 0, 0});
    CHECK(Ints(s.Common_AtStop, 2) == std::vector<int>{0, 180});
    CHECK(Ints(s.Ctrl_Btn, 2) == std::vector<int>{28, 0});
    CHECK(Ints(s.Common_Snap, 4) == std::vector<int>{1, 16, 0, -1});
    CHECK(Ints(s.Jumplist_At, 2) == std::vector<int>{4, 8});
    // colours
    CHECK((DWORD)s.Osc_FontColor == 0xDCFFFFFFu);
    CHECK(Ints(s.Lnch_Clr, 4) == std::vector<int>{0, 1, 0x4A4967, 0x695F72});
    CHECK((DWORD)s.Lnch_TxtClr[1] == 0xC0FFFFFFu);
    // keys read in two forms, and seconds kept in milliseconds
    CHECK(s.Common_Tip == 1);
    CHECK(Ints(s.Common_TipBits, 4) == std::vector<int>{1, 1, 1, 1});
    CHECK(s.Osc_OverScan == 0);
    CHECK(Ints(s.Osc_OverScanRect, 4) == std::vector<int>{300, 300, 300, 300});
    CHECK(Ints(s.Common_RsmIgnr, 3) == std::vector<int>{5000, 5000, 15000});
    CHECK(Ints(s.Ctrl_CtmBtn, 2) == std::vector<int>{3, 3});
    // outside the block
    CHECK(g_PlaylistChap == 2);
    CHECK(g_TimerSettings.Timer_On == 360);
    CHECK(Ints(g_TimerSettings.Timer_Pos, 3) == std::vector<int>{0, -1, -1});
    CHECK(g_VideoPropDefault.ProcAmpOn == 1);
    CHECK(Ints(g_VideoPropDefault.ProcAmp, 4) == std::vector<int>{1000, 1000, 1800, 1000});
    CHECK(g_VideoPropDefault.RangePercent == 10000);
    CHECK(g_VideoPropDefault.Boost == 100);
    CHECK(g_VideoPropDefault.Balance == 100);
    CHECK(m_nBindCount == 28);
    // no progress colour: red at the full-screen bar's alpha (50 %)
    CHECK(g_FullScreenStatusBar.m_GetProgressColor() == 0x7FFF0000u);
    // loading makes no file
    CHECK(GetFileAttributesW(g_IniPath) == INVALID_FILE_ATTRIBUTES);
}

TEST_CASE("defaults that follow the Windows version")
{
    struct {
        int os, video, stt, wndCor, spc;
    } cases[] = {
        {5, 3, 15, 0, 1}, {7, 7, 14, 0, 1}, {9, 7, 15, 0, 1}, {10, 7, 15, 0, 0}, {11, 7, 15, 3, 0},
    };
    for (const auto& c : cases) {
        CAPTURE(c.os);
        CSettingsFixture ini;
        g_OsVersion = c.os;
        m_LoadSettings(SETTINGS_GROUP_ALL);
        // Under Wine the renderer is the one that draws there, whatever the version.
        CHECK(g_Settings.Common_Video == (m_Wine_IsWine() ? 2 : c.video));
        CHECK(g_Settings.Ctrl_Stt == c.stt);
        CHECK(g_Settings.Ctrl_WndCor == c.wndCor);
        CHECK(Ints(g_Settings.Jumplist_Spc, 2) == std::vector<int>{c.spc, c.spc});
    }
}

TEST_CASE("corrections and list places")
{
    CSettingsFixture ini;
    ini.Write(
        L"[Common]\r\nMvLog=100\r\nSnap=,20\r\n"
        L"[Jumplist]\r\nMaxBlk=60\r\nBlk=50\r\nAt=5\r\nPrevArea=5\r\n"
        L"[Ctrl]\r\nCtmBtn=9\r\n");
    m_LoadSettings(SETTINGS_GROUP_ALL);
    const SSETTINGS& s = g_Settings;
    CHECK(s.Common_MvLog == 32);
    CHECK(Ints(s.Common_Snap, 4) == std::vector<int>{1, 20, 0, -1});
    CHECK(s.Jumplist_MaxBlk == 48);
    CHECK(s.Jumplist_Blk == 48);
    CHECK(s.Jumplist_Blk2 == 48);
    CHECK(Ints(s.Jumplist_At, 2) == std::vector<int>{5, 0});
    CHECK(s.Jumplist_PrevArea == 10);
    CHECK(Ints(s.Ctrl_CtmBtn, 2) == std::vector<int>{6, 3});

    ini.Write(L"[Jumplist]\r\nMaxBlk=-3\r\nBlk=7\r\nPrevArea=500\r\n[Ctrl]\r\nCtmBtn=1,1F\r\n");
    m_LoadSettings(SETTINGS_GROUP_ALL);
    CHECK(s.Jumplist_MaxBlk == 48);
    CHECK(s.Jumplist_Blk == 7);
    CHECK(s.Jumplist_PrevArea == 100);
    CHECK(Ints(s.Ctrl_CtmBtn, 2) == std::vector<int>{3, 0x1F});
}

TEST_CASE("special forms are read into their fields")
{
    CSettingsFixture ini;
    ini.Write(
        L"[Common]\r\nSpf=5/D:\\data/x\r\nMonAud=1,,3,x,5\r\nTip=0\r\n"
        L"[Fullscr]\r\nMon=-1\r\n"
        L"[Ctrl]\r\nBtnOdr=0A1bZZ03\r\nSttPosClr=FF00FF00\r\nClr=6,123456\r\n"
        L"[Lnch]\r\nLbl=3,1\r\n"
        L"[Jumplist]\r\nBkClr=0A0B0C\r\n"
        L"[Osc]\r\nOverScan=1,2\r\n"
        L"[Timer]\r\nTask=1,shutdown /s, now\r\n"
        L"[Prop]\r\nPrcAmp=0,I\r\nRng=2,500\r\nBst=1\r\nBlc=1,-150\r\n");
    m_LoadSettings(SETTINGS_GROUP_ALL);
    const SSETTINGS& s = g_Settings;
    CHECK(Ints(s.Common_Spf, 3) == std::vector<int>{1, 0, 1});
    CHECK(std::wstring(s.Common_SpfDir) == L"D:\\data/x");
    CHECK(Ints(s.Common_MonAud, 6) == std::vector<int>{1, 0, 3, 0, 5, 0});
    CHECK(s.Common_Tip == 0);
    CHECK(Ints(s.Common_TipBits, 4) == std::vector<int>{0, 0, 0, 0});
    CHECK(Ints(s.Fullscr_Mon, 2) == std::vector<int>{-1, 0});
    CHECK(s.Ctrl_BtnOdrCount == 2);
    CHECK(Ints(s.Ctrl_BtnOdr, 2) == std::vector<int>{0x0A, 0x1B});
    CHECK(Ints(s.Ctrl_Clr, 4) == std::vector<int>{2, 1, 0x123456, -1});
    CHECK(Ints(s.Lnch_Lbl, 2) == std::vector<int>{3, 1});
    CHECK(s.Jumplist_BkClr == (int)RGB(0x0A, 0x0B, 0x0C));
    CHECK(s.Osc_OverScan == 1);
    CHECK(Ints(s.Osc_OverScanRect, 4) == std::vector<int>{1, 2, 300, 300});
    CHECK(g_TimerSettings.Timer_Task == 1);
    CHECK(std::wstring(g_TimerSettings.Timer_TaskText) == L"shutdown /s, now");
    CHECK(g_StatusBar.m_GetProgressColor() == 0xFF00FF00u);
    CHECK(g_FullScreenStatusBar.m_GetProgressColor() == 0xFF00FF00u);

    const SVIDEOPROPSET& p = g_VideoPropDefault;
    CHECK(p.ProcAmpOn == 0);
    CHECK(p.ProcAmpKind == 1);
    CHECK(Ints(p.ProcAmp, 4) == std::vector<int>{100, 1000, 1800, 100});
    CHECK(p.RangeMode == 2);
    CHECK(p.RangePercent == 9500);
    CHECK(p.Boost == 100);
    CHECK(p.Balance == 0);
}

TEST_CASE("a present Count of 0 gives an empty binding table")
{
    CSettingsFixture ini;
    ini.Write(L"[Bind]\r\nCount=0\r\n");
    m_LoadSettings(SETTINGS_GROUP_ALL);
    CHECK(m_nBindCount == 0);
}

TEST_CASE("loading the timer group alone changes only the timer values")
{
    CSettingsFixture ini;
    ini.Write(L"[Common]\r\nMouSens=99\r\n[Timer]\r\nOn=5\r\n[Prop]\r\nBst=1,200\r\n");
    m_LoadSettings(SETTINGS_GROUP_ALL);
    const SSETTINGS before = g_Settings;
    const SVIDEOPROPSET propsBefore = g_VideoPropDefault;
    ini.Write(L"[Common]\r\nMouSens=1\r\n[Timer]\r\nOn=7\r\n[Prop]\r\nBst=1,50\r\n");
    m_LoadSettings(SETTINGS_GROUP_TIMER);
    CHECK(g_TimerSettings.Timer_On == 7);
    CHECK(memcmp(&before, &g_Settings, sizeof(SSETTINGS)) == 0);
    CHECK(memcmp(&propsBefore, &g_VideoPropDefault, sizeof(SVIDEOPROPSET)) == 0);
}

TEST_CASE("a garbage settings file is read safely")
{
    CSettingsFixture ini;

    SUBCASE("random bytes")
    {
        std::string bytes;
        unsigned int seed = 12345;
        for (int i = 0; i < 8192; ++i) {
            seed = seed * 1103515245u + 12345u;
            bytes += (char)(seed >> 16);
        }
        ini.WriteBytes(bytes);
        m_LoadSettings(SETTINGS_GROUP_ALL);
        CHECK(g_Settings.Common_MvLog >= 0);
        CHECK(g_Settings.Common_MvLog <= 32);
        CHECK(g_Settings.Jumplist_MaxBlk <= 48);
    }
    SUBCASE("UTF-8 without a byte-order mark")
    {
        ini.WriteBytes(
            "[Common]\r\nMouSens=42\r\nAudio=\xE3\x83\x87\xE3\x83\x90\xE3\x82\xA4\xE3\x82\xB9\r\n"
            "[Lnch]\r\nFont=\xE3\x83\xA1\xE3\x82\xA4\xE3\x83\xAA\xE3\x82\xAA\r\n");
        m_LoadSettings(SETTINGS_GROUP_ALL);
        CHECK(g_Settings.Common_MouSens == 42);
        CHECK(wcslen(g_Settings.Common_Audio) < (size_t)kSettingDeviceCap);
        CHECK(wcslen(g_Settings.Lnch_Font) < (size_t)kSettingFontCap);
    }
    SUBCASE("overlong texts are cut to their buffers")
    {
        std::wstring text = L"[Jumplist]\r\nCrtImg=7\r\nDstcApp=" + std::wstring(5000, L'a') +
                            L"\r\n[Lnch]\r\nFont=" + std::wstring(300, L'b') + L"\r\nHt=40\r\n";
        ini.Write(text.c_str());
        m_LoadSettings(SETTINGS_GROUP_ALL);
        CHECK(wcslen(g_Settings.Jumplist_DstcApp) == (size_t)kSettingPathCap - 1);
        CHECK(g_Settings.Jumplist_CrtImg == 7);
        CHECK(wcslen(g_Settings.Lnch_Font) == (size_t)kSettingFontCap - 1);
        CHECK(g_Settings.Lnch_Ht == 40);
    }
    SUBCASE("numbers far out of range")
    {
        ini.Write(
            L"[Common]\r\nMouSens=99999999999999\r\nRsmIgnr=99999999,-99999999,x\r\nMvLog=-4\r\n"
            L"[Jumplist]\r\nSize=-5,999999\r\nQt=400\r\nIdxSize=-1\r\n"
            L"[Menu]\r\nRct=-25\r\n[Ctrl]\r\nIco=-100\r\nBtn=-28,-2\r\n[Osc]\r\nSizeTi=-48\r\n"
            L"[Prop]\r\nRng=1,-5000\r\nBst=1,100000\r\n[Main]\r\nRateRng=abc\r\n");
        m_LoadSettings(SETTINGS_GROUP_ALL);
        const SSETTINGS& s = g_Settings;
        CHECK(s.Common_MouSens == INT_MAX);
        CHECK(s.Common_RsmIgnr[0] == INT_MAX / 1000 * 1000);
        CHECK(s.Common_RsmIgnr[1] == INT_MIN / 1000 * 1000);
        CHECK(s.Common_RsmIgnr[2] == 15000);
        CHECK(s.Common_MvLog == 0);
        CHECK(Ints(s.Jumplist_Size, 2) == std::vector<int>{0, 16384});
        CHECK(s.Jumplist_Qt == 100);
        CHECK(s.Jumplist_IdxSize == 0);
        CHECK(s.Menu_Rct == 0);
        CHECK(s.Ctrl_Ico == 0);
        CHECK(Ints(s.Ctrl_Btn, 2) == std::vector<int>{0, 0});
        CHECK(s.Osc_SizeTi == 0);
        CHECK(g_VideoPropDefault.RangePercent == 10000);
        CHECK(g_VideoPropDefault.Boost == 300);
        CHECK(Ints(s.Main_RateRng, 2) == std::vector<int>{0, 500});
    }
}
