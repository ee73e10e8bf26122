#include <doctest/doctest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "SettingsFixture.h"
#include "settings/SettingsRewrite.h"

namespace {

// The file as UTF-16 text after its byte-order mark; empty without one.
std::wstring ReadUtf16(CSettingsFixture& ini)
{
    const std::string bytes = ini.ReadBytes();
    if (bytes.size() < 2 || bytes.compare(0, 2, "\xFF\xFE") != 0) return L"";
    return std::wstring((const wchar_t*)(bytes.data() + 2), (bytes.size() - 2) / 2);
}

const wchar_t* const kOrder[] = {
    L"[Main]",   L"[Common]", L"[Seek]",    L"[File]", L"[Rec]",      L"[Jumplist]",     L"[Ctrl]",
    L"[Menu]",   L"[Lnch]",   L"[Fullscr]", L"[Opt]",  L"[Playlist]", L"[Favo]",         L"[Timer]",
    L"[AudDev]", L"[Cap]",    L"[Prop]",    L"[Mon]",  L"[Filter]",   L"[Dir_Playlist]", L"[Bind]",
};

// The skeleton's headers, each once and in its order; sections that it does
// not name (written by their owners) may follow.
void CheckSectionOrder(const std::wstring& text)
{
    std::vector<std::wstring> found;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos) end = text.size();
        std::wstring line = text.substr(start, end - start);
        if (!line.empty() && line.back() == L'\r') line.pop_back();
        for (const wchar_t* known : kOrder)
            if (line == known) found.push_back(line);
        start = end + 1;
    }
    const std::vector<std::wstring> expected(std::begin(kOrder), std::end(kOrder));
    CHECK(found == expected);
}

}  // namespace

TEST_CASE("a new settings file is UTF-16 with the skeleton's sections in order")
{
    CSettingsFixture ini;
    m_LoadSettings(SETTINGS_GROUP_ALL);
    g_Settings.Main_Fst = 0;
    CHECK(m_Settings_RewriteFile(0) == 1);

    const std::wstring text = ReadUtf16(ini);
    REQUIRE(!text.empty());
    CHECK(text.rfind(L"[Main]\r\n", 0) == 0);
    CheckSectionOrder(text);
    CHECK(g_Settings.Main_Fst == kSettingsVersion);
    // Every writer wrote with force, the lists among them.
    CHECK(ini.Get(L"Bind", L"Count") == L"28");
    CHECK(ini.Get(L"Bind", L"0") == L"1,1,-1,20,21");
    CHECK(ini.Get(L"Cap", L"0") == L"DEFAULT");
    CHECK(ini.Get(L"Cap", L"0_Fmt") == L"%FN%(%MT_HMS%)");
    CHECK(ini.Get(L"Cap", L"0_Val") == L"3,90,0,1,1,0,1280,720,0,0,0,0,0");
    CHECK(ini.Get(L"Filter", L"Count") == L"0");
}

TEST_CASE("rewriting an existing file carries over every key no writer writes")
{
    CSettingsFixture ini;
    ini.WriteBytes(
        "[Common]\r\nLoos=0\r\nMouSens=10\r\n[Stray]\r\nx=1\r\n[Menu]\r\nSize=20,25|FF|28\r\n"
        "[Main]\r\nFst=90600\r\nSptExt=.xyz\r\nTitle=My player\r\nMine=7\r\n"
        "[Task]\r\n0=1,C:\\a.bat\r\n[Dir_Playlist]\r\n0=C:\\v\\/D:\\pl\r\n"
        "[FileMove]\r\nCount=1\r\n0=C:\\a/D:\\a\r\n"
        "[Bind]\r\nCount=1\r\n0=1,5,1,27\r\n1=1,5,-1,25\r\n"
        "[Filter]\r\nCount=0\r\n0=1,0,stale\r\n");
    m_LoadSettings(SETTINGS_GROUP_ALL);
    g_Settings.Main_Fst = 90600;
    g_Settings.Common_MouSens = 20;
    CHECK(m_Settings_RewriteFile(1) == 1);

    const std::wstring text = ReadUtf16(ini);
    REQUIRE(!text.empty());
    CHECK(text.rfind(L"[Main]\r\n", 0) == 0);
    CheckSectionOrder(text);
    const wchar_t* const kept[][3] = {
        {L"Common", L"Loos", L"0"},
        {L"Stray", L"x", L"1"},
        {L"Menu", L"Size", L"20,25|FF|28"},
        {L"Main", L"Fst", L"90600"},
        {L"Main", L"SptExt", L".xyz"},
        {L"Main", L"Title", L"My player"},
        {L"Main", L"Mine", L"7"},
        {L"Task", L"0", L"1,C:\\a.bat"},
        {L"Dir_Playlist", L"0", L"C:\\v\\/D:\\pl"},
        {L"FileMove", L"Count", L"1"},
        {L"FileMove", L"0", L"C:\\a/D:\\a"},
        // the writers' values win over the old ones
        {L"Common", L"MouSens", L"20"},
        {L"Bind", L"Count", L"1"},
        {L"Bind", L"0", L"1,5,1,27"},
        // entries past a written Count are not brought back
        {L"Bind", L"1", L"<none>"},
        {L"Filter", L"0", L"<none>"},
    };
    for (const auto& k : kept) {
        CAPTURE(std::wstring(k[1]));
        CHECK(ini.Get(k[0], k[1]) == k[2]);
    }
}

TEST_CASE("the rewrite reports a file it cannot create")
{
    CSettingsFixture ini;
    std::wstring folder = ini.Folder();
    lstrcpynW(g_IniPath, folder.c_str(), MAX_PATH + 1);  // a folder cannot be opened as a file
    CHECK(m_Settings_RewriteFile(0) == 0);
    CHECK((GetFileAttributesW(folder.c_str()) & FILE_ATTRIBUTE_DIRECTORY) != 0);
}

TEST_CASE("carried-over Japanese keys and values stay whole")
{
    CSettingsFixture ini;
    ini.Write(L"[ユーザー]\r\n名前=日本語の値\r\n[Main]\r\nTitle=動画\r\n");
    m_LoadSettings(SETTINGS_GROUP_ALL);
    CHECK(m_Settings_RewriteFile(1) == 1);
    CHECK(ini.Get(L"ユーザー", L"名前") == L"日本語の値");
    CHECK(ini.Get(L"Main", L"Title") == L"動画");
}
