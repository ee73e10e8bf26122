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
    CHECK(ini.Get(L"Filter", L"Count") == L"0");
}

TEST_CASE("rewriting an existing file keeps what lives only in it and drops stray keys")
{
    CSettingsFixture ini;
    ini.WriteBytes(
        "[Common]\r\nLoos=0\r\n[Stray]\r\nx=1\r\n[Menu]\r\nSize=20,25|FF|28\r\n"
        "[Main]\r\nFst=90600\r\n[Bind]\r\nCount=1\r\n0=1,5,1,27\r\n");
    m_LoadSettings(SETTINGS_GROUP_ALL);
    g_Settings.Main_Fst = 90600;
    CHECK(m_Settings_RewriteFile(1) == 1);

    const std::wstring text = ReadUtf16(ini);
    REQUIRE(!text.empty());
    CheckSectionOrder(text);
    CHECK(ini.Get(L"Common", L"Loos") == L"<none>");
    CHECK(ini.Get(L"Stray", L"x") == L"<none>");
    CHECK(ini.Get(L"Menu", L"Size") == L"20,25|FF|28");
    CHECK(ini.Get(L"Main", L"Fst") == L"90600");
    CHECK(ini.Get(L"Bind", L"Count") == L"1");
    CHECK(ini.Get(L"Bind", L"0") == L"1,5,1,27");
}

TEST_CASE("the rewrite reports a file it cannot create")
{
    CSettingsFixture ini;
    std::wstring folder = ini.Folder().Path();
    folder.pop_back();
    lstrcpynW(g_IniPath, folder.c_str(), MAX_PATH + 1);  // a folder cannot be opened as a file
    CHECK(m_Settings_RewriteFile(0) == 0);
    CHECK((GetFileAttributesW(folder.c_str()) & FILE_ATTRIBUTE_DIRECTORY) != 0);
}
