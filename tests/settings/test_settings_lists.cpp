#include <doctest/doctest.h>

#include <windows.h>

#include <stdio.h>

#include <string>

#include "SettingsFixture.h"

namespace {

// Reads every list and makes the snapshots equal to it.
void LoadAll()
{
    m_Filter_Read();
    m_FolderSetting_Read();
    m_Capture_Read();
    m_Bind_Read();
    m_Filter_Snapshot(1);
    m_FolderSetting_Snapshot(1);
    m_Capture_Snapshot(1);
    m_Bind_CopyList(0);
}

template <class T>
void SetList(T*& list, int& count, const T* items, int n)
{
    delete[] list;
    list = new T[n]();
    memcpy(list, items, sizeof(T) * n);
    count = n;
}

SFUNCTIONBIND MakeBind(int enabled, int function, int param, const wchar_t* arg, WORD key,
                       int mouse)
{
    SFUNCTIONBIND bind = {};
    bind.Enabled = enabled;
    bind.Function = function;
    bind.Param = param;
    lstrcpynW(bind.Arg, arg, 32);
    bind.Key = key;
    bind.Mouse = mouse;
    return bind;
}

}  // namespace

TEST_CASE("filter entries escape percent and comma and read back unchanged")
{
    CSettingsFixture ini;
    ini.Write(L"[Filter]\r\nCount=0\r\n");
    LoadAll();
    SFILTERITEM items[2] = {};
    items[0].Enabled = 1;
    lstrcpyW(items[0].Name, L"50% a,b");
    lstrcpyW(items[0].Clsid, L"{083863F1-70DE-11D0-BD40-00A0C911CE86}");
    items[0].Mode = 1;
    items[0].Match = 3;
    lstrcpyW(items[0].Pattern, L"mp4,mkv");
    items[1].Kind = 2;
    lstrcpyW(items[1].Name, L"x");
    SetList(g_FilterList, g_FilterCount, items, 2);

    CHECK(m_Filter_Changed() == 1);
    CHECK(m_Filter_Write(0) == 1);
    CHECK(ini.Get(L"Filter", L"Count") == L"2");
    CHECK(ini.Get(L"Filter", L"0") ==
          L"1,,50%% a%cb,{083863F1-70DE-11D0-BD40-00A0C911CE86},,1,3,mp4%cmkv");
    CHECK(ini.Get(L"Filter", L"1") == L",2,x");

    m_Filter_Read();
    REQUIRE(g_FilterCount == 2);
    CHECK(memcmp(g_FilterList, items, sizeof(items)) == 0);
    m_Filter_Snapshot(1);
    CHECK(m_Filter_Write(0) == 0);
}

TEST_CASE("filter entries with missing, extra and overlong fields")
{
    const std::wstring longName(600, L'a');
    const std::wstring text =
        L"[Filter]\r\nCount=3\r\n0=1,0,name\r\n"
        L"1=1,0,n,c,5,1,2,p,extra,more\r\n2=1,0," +
        longName + L",clsid\r\n";
    CSettingsFixture ini;
    ini.Write(text.c_str());
    m_Filter_Read();
    REQUIRE(g_FilterCount == 3);
    CHECK(std::wstring(g_FilterList[0].Name) == L"name");
    CHECK(g_FilterList[0].Clsid[0] == 0);
    CHECK(g_FilterList[0].Value == 0);
    CHECK(std::wstring(g_FilterList[1].Clsid) == L"c");
    CHECK(g_FilterList[1].Value == 5);
    CHECK(g_FilterList[1].Match == 2);
    CHECK(std::wstring(g_FilterList[1].Pattern) == L"p");
    CHECK(std::wstring(g_FilterList[2].Name) == longName.substr(0, 260));
    CHECK(std::wstring(g_FilterList[2].Clsid) == L"clsid");
}

TEST_CASE("a filter entry the writer lengthens by escapes reads back whole")
{
    CSettingsFixture ini;
    ini.Write(L"[Filter]\r\nCount=0\r\n");
    LoadAll();
    SFILTERITEM item = {};
    item.Enabled = 1;
    for (int i = 0; i < 200; ++i) item.Name[i] = i % 2 ? L',' : L'%';
    lstrcpyW(item.Pattern, std::wstring(250, L'p').c_str());
    SetList(g_FilterList, g_FilterCount, &item, 1);
    m_Filter_Write(1);
    m_Filter_Read();
    REQUIRE(g_FilterCount == 1);
    CHECK(memcmp(&g_FilterList[0], &item, sizeof(item)) == 0);
}

TEST_CASE("counts are cut to the table limits; negative counts read as missing")
{
    struct SCase {
        const wchar_t* Text;
        int Filters, Folders, Presets, Binds;
    };
    const SCase cases[] = {
        {L"", 0, 0, 1, kDefaultBindCount},
        {L"[Filter]\r\nCount=100000\r\n[Rec]\r\nCount=2147483647\r\n"
         L"[Cap]\r\nCount=500\r\n[Bind]\r\nCount=99999\r\n",
         kFilterCap, kFolderSettingCap, kCapturePresetCap, kBindCap},
        {L"[Filter]\r\nCount=-5\r\n[Rec]\r\nCount=-1\r\n[Cap]\r\nCount=-3\r\n"
         L"[Bind]\r\nCount=-7\r\n",
         0, 0, 1, kDefaultBindCount},
        {L"[Cap]\r\nCount=0\r\n[Bind]\r\nCount=0\r\n", 0, 0, 1, 0},
    };
    for (const SCase& c : cases) {
        CSettingsFixture ini;
        ini.Write(c.Text);
        LoadAll();
        CHECK(g_FilterCount == c.Filters);
        CHECK(g_FolderSettingCount == c.Folders);
        CHECK(g_CaptureCount == c.Presets);
        CHECK(m_nBindCount == c.Binds);
    }
}

TEST_CASE("folder settings: flags as hex bits, folder after the first comma")
{
    CSettingsFixture ini;
    ini.Write(L"[Rec]\r\nCount=5\r\n0=1F,C:\\a,b\r\n1=2\r\n2=19,D:\\v\r\n3=0,E:\\\r\n4=1\r\n");
    LoadAll();
    REQUIRE(g_FolderSettingCount == 5);
    for (int i = 0; i < 5; ++i) CHECK(g_FolderSettings[0].Flags[i] == 1);
    CHECK(std::wstring(g_FolderSettings[0].Folder) == L"C:\\a,b");
    CHECK(g_FolderSettings[1].Flags[1] == 1);
    CHECK(g_FolderSettings[1].Flags[0] == 0);
    CHECK(g_FolderSettings[1].Folder[0] == 0);

    SUBCASE("shrinking 5 to 3 deletes keys 3 and 4")
    {
        g_FolderSettingCount = 3;
        CHECK(m_FolderSetting_Write(0) == 1);
        CHECK(ini.Get(L"Rec", L"Count") == L"3");
        CHECK(ini.Get(L"Rec", L"0") == L"1F,C:\\a,b");
        CHECK(ini.Get(L"Rec", L"1") == L"2");
        CHECK(ini.Get(L"Rec", L"2") == L"19,D:\\v");
        CHECK(ini.Get(L"Rec", L"3") == L"<none>");
        CHECK(ini.Get(L"Rec", L"4") == L"<none>");
    }
    SUBCASE("an unchanged list is not written") { CHECK(m_FolderSetting_Write(0) == 0); }
}

TEST_CASE("a file without [Cap] gives the one DEFAULT preset")
{
    CSettingsFixture ini;
    ini.Write(L"[Main]\r\n");
    LoadAll();
    REQUIRE(g_CaptureCount == 1);
    const SCAPTUREPRESET& p = g_CaptureSettings[0];
    CHECK(std::wstring(p.Name) == L"DEFAULT");
    CHECK(std::wstring(p.Template) == L"%FN%(%MT_HMS%)");
    CHECK(p.Folder[0] == 0);
    CHECK(p.SaveFile == 1);
    CHECK(p.AskDialog == 0);
    CHECK(p.Clipboard == 0);
    CHECK(p.Format == 3);
    CHECK(p.Quality == 90);
    CHECK(p.MaxWidth == 1280);
    CHECK(p.MaxHeight == 720);
    CHECK(m_Capture_Write(1) == 1);
    CHECK(ini.Get(L"Cap", L"Count") == L"1");
    CHECK(ini.Get(L"Cap", L"0") == L"DEFAULT");
    CHECK(ini.Get(L"Cap", L"0_Val") == L"3,90,0,1,1,0,1280,720,0,0,0,0,0");
    CHECK(ini.Get(L"Cap", L"0_Fmt") == L"%FN%(%MT_HMS%)");
}

TEST_CASE("capture presets: places of _Val and shrinking deletes all four keys")
{
    CSettingsFixture ini;
    ini.Write(
        L"[Cap]\r\nCount=3\r\n0=A\r\n0_Val=2,80,,,,1,640,480,1,1,1,1,1\r\n0_Dir=C:\\shots\r\n"
        L"0_Fmt=%NUM%\r\n1=B\r\n1_Val=0\r\n2=C\r\n2_Val=3\r\n2_Dir=x\r\n2_Fmt=y\r\n");
    LoadAll();
    REQUIRE(g_CaptureCount == 3);
    const SCAPTUREPRESET& p = g_CaptureSettings[0];
    CHECK(p.Format == 2);
    CHECK(p.Quality == 80);
    CHECK(p.KeepProcAmp == 0);
    CHECK(p.SizeLimit == 1);
    CHECK(p.MaxWidth == 640);
    CHECK(p.CopyPath == 1);
    CHECK(p.HideSubtitles == 1);
    CHECK(p.SaveFile == 0);
    CHECK(p.Clipboard == 1);
    CHECK(p.AskDialog == 1);
    CHECK(std::wstring(p.Folder) == L"C:\\shots");
    CHECK(g_CaptureSettings[1].SaveFile == 1);  // place 11 missing reads as 0

    g_CaptureCount = 1;
    CHECK(m_Capture_Write(0) == 1);
    CHECK(ini.Get(L"Cap", L"0_Val") == L"2,80,0,0,0,1,640,480,1,1,1,1,1");
    for (const wchar_t* key : {L"1", L"1_Val", L"2", L"2_Val", L"2_Dir", L"2_Fmt"})
        CHECK(ini.Get(L"Cap", key) == L"<none>");
}

TEST_CASE("binding entries take the form of the parameter kind")
{
    CSettingsFixture ini;
    ini.Write(L"[Bind]\r\nCount=0\r\n");
    LoadAll();
    const SFUNCTIONBIND binds[] = {
        MakeBind(1, 1, -1, L"", 0, 0x21),       // number parameter, mouse only
        MakeBind(1, 46, 0, L"4,3", 0, 0),       // text parameter with a comma
        MakeBind(0, 49, 7, L"+5,2", 0x226, 4),  // list: the number is not kept
        MakeBind(1, 153, 9, L"zz", 0x41, 0),    // no parameter
    };
    const wchar_t* const expected[] = {L"1,1,-1,,21", L"1,2E,4;3,", L"0,31,+5;2,226,4",
                                       L"1,99,,41"};
    SetList(m_pBind, m_nBindCount, binds, 4);
    CHECK(m_Bind_Write(0) == 1);
    for (int i = 0; i < 4; ++i) {
        wchar_t key[8];
        _snwprintf(key, 7, L"%d", i);
        CHECK(ini.Get(L"Bind", key) == expected[i]);
    }
    m_Bind_Read();
    REQUIRE(m_nBindCount == 4);
    CHECK(m_pBind[0].Param == -1);
    CHECK(m_pBind[0].Key == 0);
    CHECK(m_pBind[0].Mouse == 0x21);
    CHECK(std::wstring(m_pBind[1].Arg) == L"4,3");
    CHECK(std::wstring(m_pBind[2].Arg) == L"+5,2");
    CHECK(m_pBind[2].Param == 0);
    CHECK(m_pBind[2].Key == 0x226);
    CHECK(m_pBind[3].Arg[0] == 0);
    CHECK(m_pBind[3].Param == 0);
}

TEST_CASE("short and overlong binding values")
{
    const std::wstring longArg(40, L'x');
    const std::wstring text =
        L"[Bind]\r\nCount=4\r\n0=1,5\r\n1=1\r\n2=1,2E," + longArg + L",41,4\r\n3=1,5,2,25\r\n";
    CSettingsFixture ini;
    ini.Write(text.c_str());
    m_Bind_Read();
    REQUIRE(m_nBindCount == 4);
    CHECK(m_pBind[0].Enabled == 1);
    CHECK(m_pBind[0].Function == 5);
    CHECK(m_pBind[0].Param == 0);
    CHECK(m_pBind[1].Enabled == 1);
    CHECK(m_pBind[1].Function == 0);
    CHECK(std::wstring(m_pBind[2].Arg) == longArg.substr(0, 31));
    CHECK(m_pBind[2].Key == 0x41);
    CHECK(m_pBind[2].Mouse == 4);
    CHECK(m_pBind[3].Param == 2);
    CHECK(m_pBind[3].Key == 0x25);
    CHECK(m_pBind[3].Mouse == 0);
}

TEST_CASE("a missing [Bind] Count gives the 28 default bindings")
{
    CSettingsFixture ini;
    ini.Write(L"[Bind]\r\nClr=1\r\n");
    LoadAll();
    REQUIRE(m_nBindCount == kDefaultBindCount);
    const wchar_t* const expected[kDefaultBindCount] = {
        L"1,1,-1,20,21",   L"1,3,0,24",    L"1,3,1,23",    L"1,A,,21,31",  L"1,B,,22,32",
        L"1,5,-1,25",      L"1,5,1,27",    L"1,5,-2,125",  L"1,5,2,127",   L"1,31,5,26,4",
        L"1,31,-5,28,5",   L"1,22,360,31", L"1,22,540,32", L"1,22,720,33", L"1,22,900,34",
        L"1,28,-1,35,3",   L"0,4B,,DB",    L"0,4B,,DD",    L"0,4B,,E2",    L"1,40,0,243",
        L"1,35,-1,244,C1", L"1,42,-1,4A",  L"1,58,-1,4C",  L"1,51,-1,53",  L"1,52,-1,50",
        L"1,53,-1,46",     L"1,54,-1,54",  L"1,92,0,258",
    };
    CHECK(m_Bind_Write(1) == 1);
    CHECK(ini.Get(L"Bind", L"Count") == L"28");
    for (int i = 0; i < kDefaultBindCount; ++i) {
        wchar_t key[8];
        _snwprintf(key, 7, L"%d", i);
        CAPTURE(i);
        CHECK(ini.Get(L"Bind", key) == expected[i]);
    }
    CHECK(m_pBind[16].Param == 2);  // kept in memory although its kind stores text
}

TEST_CASE("snapshots and the binding edit copy")
{
    CSettingsFixture ini;
    ini.Write(
        L"[Filter]\r\nCount=1\r\n0=1,0,a\r\n[Bind]\r\nCount=2\r\n0=1,1,-1,20\r\n1=1,5,1,27\r\n");
    LoadAll();
    CHECK(m_Filter_Changed() == 0);
    g_FilterList[0].Value = 9;
    CHECK(m_Filter_Changed() == 1);
    m_Filter_Snapshot(0);
    CHECK(g_FilterList[0].Value == 0);
    CHECK(m_Filter_Changed() == 0);

    CHECK(m_Bind_CopyList(0) == 0);
    m_nBindCount = 1;
    CHECK(m_Bind_CopyList(1) == 1);
    CHECK(m_nBindCount == 2);
    CHECK(m_Bind_CopyList(1) == 0);

    SUBCASE("a shorter binding table deletes the keys beyond it")
    {
        m_nBindCount = 1;
        CHECK(m_Bind_Write(0) == 1);
        CHECK(ini.Get(L"Bind", L"1") == L"<none>");
        CHECK(ini.Get(L"Bind", L"0") == L"1,1,-1,20");
    }
}

TEST_CASE("empty lists equal their empty snapshots")
{
    CSettingsFixture ini;
    ini.Write(L"[Filter]\r\nCount=0\r\n[Bind]\r\nCount=0\r\n");
    LoadAll();
    CHECK(m_Filter_Changed() == 0);
    CHECK(m_FolderSetting_Changed() == 0);
    CHECK(m_Bind_Write(0) == 0);
}
