#include <doctest/doctest.h>

#include <windows.h>

#include <string>

#include "SettingsFixture.h"

namespace {

// Every special form with a value other than its default; only keys the
// saver writes, so that a whole round trip compares equal.
const wchar_t kFixture[] =
    L"[Common]\r\nSpf=5/D:\\データ\r\nMonAud=1,,3,,5\r\nTip=6\r\nSnap=0,20,3,-1\r\nAtStop=1,90\r\n"
    L"Audio=スピーカー\r\nDrag=0\r\nAtSvPl=7\r\n"
    L"[Seek]\r\nStep=1000,5000\r\n"
    L"[Fullscr]\r\nMon=2-3\r\nClip=1\r\n"
    L"[Ctrl]\r\nBtnOdr=0A1B02\r\nClr=6,123456,ABCDEF\r\nSbTip=5\r\nStyle=1,1\r\n"
    L"[Lnch]\r\nClr=1,010203,040506\r\nTxtClr=1,80FF0000\r\nSelClr=2,12345678\r\nLbl=3,1\r\n"
    L"FontSize=18,1\r\nFont=メイリオ\r\n"
    L"[File]\r\nInf=2\r\nInfDir=C:\\info\r\nSt=0,1,1,0\r\n"
    L"[Jumplist]\r\nBkClr=0A0B0C\r\nSpc=2,3\r\nPrevDis=9\r\nScroll=1\r\nBlk=5\r\n"
    L"[Menu]\r\nClr=2,11223344,55667788\r\nWt=1,700\r\n"
    L"[Osc]\r\nOverScan=1,2,3,4\r\nFontColor=80FFFF00\r\nFontTm=Arial\r\n"
    L"[Bind]\r\nClr=0\r\nDisMod=1\r\n"
    L"[Prop]\r\nEnbOut=1\r\nPrcAmp=0,I1A2b3C4d\r\nRng=2,500\r\nBst=0,150\r\nBlc=1,-20\r\n";

void LoadAll()
{
    m_LoadSettings(SETTINGS_GROUP_ALL);
    CSettingsFixture::TakeSnapshots();
}

}  // namespace

TEST_CASE("saving without a change writes nothing and sends no notice")
{
    CSettingsFixture ini;
    SUBCASE("with a settings file")
    {
        ini.Write(kFixture);
        LoadAll();
        const std::string before = ini.ReadBytes();
        CHECK(m_SaveSettings(0) == 0);
        CHECK(ini.ReadBytes() == before);
    }
    SUBCASE("without one")
    {
        LoadAll();
        CHECK(m_SaveSettings(0, 0xFFFF) == 0);
        CHECK(GetFileAttributesW(g_IniPath) == INVALID_FILE_ATTRIBUTES);
    }
    CHECK(g_NoticeCount == 0);
}

TEST_CASE("a changed key alone is written, once, with one notice")
{
    CSettingsFixture ini;
    ini.Write(L"[Common]\r\nMouSens=10\r\n");
    LoadAll();
    g_Settings.Common_MouSens = 20;
    g_Settings.Fullscr_Mon[1] = 4;
    CHECK(m_SaveSettings(0) == 1);
    CHECK(g_NoticeCount == 1);
    CHECK(ini.Get(L"Common", L"MouSens") == L"20");
    CHECK(ini.Get(L"Fullscr", L"Mon") == L"0-4");
    CHECK(ini.Get(L"Common", L"Lcr") == L"<none>");
    CHECK(g_SettingsCopy.Common_MouSens == 20);

    CHECK(m_SaveSettings(0) == 0);
    CHECK(g_NoticeCount == 1);
}

TEST_CASE("keys the saver never writes keep what the file holds")
{
    CSettingsFixture ini;
    ini.Write(L"[Common]\r\nMvLog=5\r\n");
    LoadAll();
    g_Settings.Common_MvLog = 9;
    g_Settings.Common_RsmRwd = 1;
    g_TimerSettings.Timer_On = 1;
    m_SaveSettings(1);
    CHECK(ini.Get(L"Common", L"MvLog") == L"5");
    CHECK(ini.Get(L"Common", L"RsmRwd") == L"<none>");
    CHECK(ini.Get(L"Timer", L"On") == L"<none>");
    CHECK(ini.Get(L"Ctrl", L"SttPosClr") == L"<none>");
    // the block still changed, so the others are told
    CHECK(g_NoticeCount == 1);
}

TEST_CASE("special forms are written as the loader reads them")
{
    CSettingsFixture ini;
    ini.Write(kFixture);
    LoadAll();
    ini.Write(L"[Main]\r\n");  // a fresh UTF-16 file, as the rewrite makes
    m_SaveSettings(1);

    struct {
        const wchar_t* section;
        const wchar_t* key;
        const wchar_t* text;
    } cases[] = {
        {L"Common", L"Spf", L"5/D:\\データ"},
        {L"Common", L"MonAud", L"1,,3,,5"},
        {L"Common", L"Tip", L"6"},
        {L"Common", L"Drag", L"0"},
        {L"Common", L"AtSvPl", L"1"},
        {L"Fullscr", L"Mon", L"2-3"},
        {L"Ctrl", L"BtnOdr", L"0A1B02"},
        {L"Ctrl", L"Clr", L"6,123456,ABCDEF"},
        {L"Ctrl", L"SbTip", L"5"},
        {L"Lnch", L"Clr", L"1,010203,040506"},
        {L"Lnch", L"TxtClr", L"1,80FF0000"},
        {L"Lnch", L"Lbl", L"3,1"},
        {L"Lnch", L"Font", L"メイリオ"},
        {L"Jumplist", L"BkClr", L"0A0B0C"},
        {L"Jumplist", L"Spc", L"2,3"},
        {L"Menu", L"Clr", L"2,11223344,55667788"},
        {L"Osc", L"OverScan", L"1,2,3,4"},
        {L"Osc", L"FontColor", L"80FFFF00"},
        {L"Prop", L"PrcAmp", L"0,I1A2b3C4d"},
        {L"Prop", L"Rng", L"2,500"},
        {L"Prop", L"Blc", L"1,-20"},
        {L"Seek", L"Pau", L"<none>"},
    };
    for (const auto& c : cases) {
        CAPTURE(std::wstring(c.key));
        CHECK(ini.Get(c.section, c.key) == std::wstring(c.text));
    }
}

TEST_CASE("absent colours of a colour pair stay absent through a save")
{
    struct {
        const wchar_t* stored;
        int first, second;
        const wchar_t* written;
    } cases[] = {
        {L"0", -1, -1, L"0"},
        {L"2,123456", 0x123456, -1, L"2,123456"},
        {L"6,,ABCDEF", -1, 0xABCDEF, L"6,,ABCDEF"},
        {L"5,000000,000000", 0, 0, L"5,000000,000000"},
    };
    for (const auto& c : cases) {
        CAPTURE(std::wstring(c.stored));
        CSettingsFixture ini;
        ini.Write((std::wstring(L"[Ctrl]\r\nClr=") + c.stored + L"\r\n").c_str());
        LoadAll();
        CHECK(g_Settings.Ctrl_Clr[2] == c.first);
        CHECK(g_Settings.Ctrl_Clr[3] == c.second);
        ini.Write(L"[Main]\r\n");
        m_SaveSettings(1);
        CHECK(ini.Get(L"Ctrl", L"Clr") == std::wstring(c.written));
    }
}

TEST_CASE("every written key reads back unchanged")
{
    CSettingsFixture ini;
    ini.Write(kFixture);
    m_LoadSettings(SETTINGS_GROUP_ALL);
    const SSETTINGS loaded = g_Settings;
    const SVIDEOPROPSET props = g_VideoPropDefault;

    ini.Write(L"[Main]\r\n");  // a fresh UTF-16 file, as the rewrite makes
    m_SaveSettings(1);
    g_Settings = SSETTINGS{};
    g_VideoPropDefault = SVIDEOPROPSET{};
    m_LoadSettings(SETTINGS_GROUP_ALL);
    CHECK(memcmp(&loaded, &g_Settings, sizeof(SSETTINGS)) == 0);
    CHECK(memcmp(&props, &g_VideoPropDefault, sizeof(SVIDEOPROPSET)) == 0);
}

TEST_CASE("tooltips on with no bit set survive a save")
{
    CSettingsFixture ini;
    LoadAll();
    g_Settings.Common_Tip = 1;
    for (int& bit : g_Settings.Common_TipBits) bit = 0;
    m_SaveSettings(0);
    g_Settings = SSETTINGS{};
    m_LoadSettings(SETTINGS_GROUP_COMMON);
    CHECK(g_Settings.Common_Tip == 1);
    CHECK(g_Settings.Common_TipBits[0] == 0);
    CHECK(g_Settings.Common_TipBits[3] == 0);
}

TEST_CASE("a changed binding list is written and told")
{
    CSettingsFixture ini;
    LoadAll();
    REQUIRE(m_nBindCount == 28);
    m_pBind[0].Enabled = 0;
    CHECK(m_SaveSettings(0) == 1);
    CHECK(g_NoticeCount == 1);
    CHECK(ini.Get(L"Bind", L"Count") == L"28");
    CHECK(m_SaveSettings(0) == 0);
    CHECK(g_NoticeCount == 1);
}
