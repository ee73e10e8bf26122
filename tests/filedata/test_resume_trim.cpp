#include <doctest/doctest.h>

#include <stdio.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "../support/TempFolder.h"
#include "filedata/ResumeStore.h"
#include "filedata/ResumeTrim.h"
#include "settings/Settings.h"

namespace {

std::string ReadBytes(const std::wstring& path)
{
    std::ifstream f(path.c_str(), std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

void WriteBytes(const std::wstring& path, const std::string& bytes)
{
    std::ofstream f(path.c_str(), std::ios::binary);
    f << bytes;
}

std::string Key(int i)
{
    char key[20];
    snprintf(key, sizeof(key), "%016X", 0x1000 + i);
    return key;
}

// A section buffer as the profile API returns it.
std::wstring Section(const std::vector<std::wstring>& entries)
{
    std::wstring s;
    for (const auto& e : entries) s += e + L'\0';
    return s + L'\0';
}

std::vector<std::wstring> Planned(const std::wstring& section, int size, int target)
{
    SRESUMETRIM plan;
    m_Resume_PlanTrim(section.c_str(), static_cast<int>(section.size()), size, target, &plan);
    std::vector<std::wstring> keys;
    for (int i = 0; i < plan.Count; ++i) {
        const std::wstring entry = section.c_str() + plan.Entries[i];
        keys.push_back(entry.substr(0, entry.find(L'=')));
    }
    return keys;
}

}  // namespace

TEST_CASE(
    "the trim plan takes the oldest quarter's plain records, then its rich ones, then the rest")
{
    // Eight entries: K = 8 "=" gives a first stage over 3 entries.
    const std::vector<std::wstring> entries = {
        L"000000000000000A=10,,1",  // rich (check state): stage 2
        L"SHORT=1",                 // under 16 characters: stays
        L"000000000000000B=20",     // plain: stage 1
        L"000000000000000C=30",     // stage 3
        L"000000000000000D=",       // stage 3 (past the quarter)
        L"000000000000000E=40,,,,I0A0K0U0e",
        L"000000000000000F=50",
        L"0000000000000010=60",
    };
    const std::wstring section = Section(entries);
    // Everything must go: the order is the whole walk.
    CHECK(Planned(section, 100000, 0) ==
          std::vector<std::wstring>{L"000000000000000B", L"000000000000000A", L"000000000000000C",
                                    L"000000000000000D", L"000000000000000E", L"000000000000000F",
                                    L"0000000000000010"});
    // Sizes count characters + 2: the first deletion (21) reaches the target.
    CHECK(Planned(section, 1000, 979) == std::vector<std::wstring>{L"000000000000000B"});
    CHECK(Planned(section, 1000, 978).size() == 2);
    CHECK(Planned(Section({}), 1000, 0).empty());
}

TEST_CASE("removing keys in one pass leaves what key-by-key deletions leave")
{
    CTempFolder temp;
    REQUIRE(!temp.Path().empty());
    // A store with duplicates, a junk line, a comment, another section and
    // a blank line, first put in the profile API's own form.
    std::string text = "[ZENTAVIO_RESUME]\r\n";
    for (int i = 0; i < 60; ++i) text += Key(i) + "=" + std::to_string(i) + ",,1\r\n";
    text += "junk line without equals\r\n;comment\r\n  " + Key(70) + " =  spaced \r\n" + Key(3) +
            "=dup\r\n\r\n";
    text += "[Other]\r\n" + Key(5) + "=kept\r\n";
    const std::wstring a = temp.Join(L"a.dat");
    const std::wstring b = temp.Join(L"b.dat");
    WriteBytes(a, text);
    WritePrivateProfileStringW(L"Other", L"x", L"1", a.c_str());
    WritePrivateProfileStringW(L"Other", L"x", nullptr, a.c_str());
    WriteBytes(b, ReadBytes(a));

    // Its entries read from the file are those the profile API gives.
    static wchar_t api[8192];
    const DWORD apiLength = GetPrivateProfileSectionW(L"ZENTAVIO_RESUME", api, 8192, a.c_str());
    CScratchBuffer<wchar_t> own;
    const int ownLength = m_Resume_ReadSection(a.c_str(), L"ZENTAVIO_RESUME", &own);
    CHECK(ownLength == static_cast<int>(apiLength));
    CHECK(std::wstring(own.m_Get(), ownLength) == std::wstring(api, apiLength));
    for (int i : {0, 3, 70, 99}) {
        const std::string k = Key(i);
        const std::wstring key(k.begin(), k.end());
        wchar_t fromApi[256], fromFile[256];
        GetPrivateProfileStringW(L"ZENTAVIO_RESUME", key.c_str(), L"", fromApi, 256, a.c_str());
        m_Resume_ReadKey(a.c_str(), L"zentavio_resume", key.c_str(), fromFile, 256);
        CHECK(std::wstring(fromFile) == std::wstring(fromApi));
    }

    std::vector<std::wstring> keys;
    for (int i : {3, 0, 1, 2, 3, 59, 40, 41, 5}) {
        const std::string k = Key(i);
        keys.emplace_back(k.begin(), k.end());
    }
    keys.push_back(L"0000000000000fff");  // not there
    for (const auto& k : keys)
        WritePrivateProfileStringW(L"ZENTAVIO_RESUME", k.c_str(), nullptr, a.c_str());
    std::vector<const wchar_t*> names;
    for (const auto& k : keys) names.push_back(k.c_str());
    CHECK(m_Resume_RemoveKeys(b.c_str(), L"ZENTAVIO_RESUME", names.data(),
                              static_cast<int>(names.size())) == 1);
    const std::string expected = ReadBytes(a);
    const std::string got = ReadBytes(b);
    CHECK(got == expected);
    CHECK(got.find(Key(5) + "=kept") != std::string::npos);
    CHECK(got.find(Key(3)) == std::string::npos);

    // A UTF-16 file keeps its BOM and code units.
    const std::wstring c = temp.Join(L"c.dat");
    const std::wstring d = temp.Join(L"d.dat");
    const std::string wide = std::string("\xFF\xFE") + std::string(
                                                           "[\0S\0]\0\r\0\n\0A\0=\0"
                                                           "1\0\r\0\n\0B\0=\0"
                                                           "2\0\r\0\n\0",
                                                           36);
    WriteBytes(c, wide);
    WritePrivateProfileStringW(L"S", L"x", L"1", c.c_str());
    WritePrivateProfileStringW(L"S", L"x", nullptr, c.c_str());
    WriteBytes(d, ReadBytes(c));
    WritePrivateProfileStringW(L"S", L"A", nullptr, c.c_str());
    const wchar_t* one[] = {L"A"};
    CHECK(m_Resume_RemoveKeys(d.c_str(), L"S", one, 1) == 1);
    CHECK(ReadBytes(d) == ReadBytes(c));
}

TEST_CASE("the store is trimmed once past its limit, oldest first")
{
    CTempFolder temp;
    REQUIRE(!temp.Path().empty());
    lstrcpynW(g_ResumeFilePath, temp.Join(L"Resume.dat").c_str(), MAX_PATH + 1);
    std::string text = "[ZENTAVIO_RESUME]\r\n";
    int count = 0;
    while (text.size() < 200 * 1024) {
        text += Key(count) + "=" + std::to_string(count + 1) + ".5,3\r\n";
        ++count;
    }
    WriteBytes(g_ResumeFilePath, text);

    g_Settings.Common_MaxRsm = 0;  // no limit
    m_Resume_CutDataSize();
    CHECK(ReadBytes(g_ResumeFilePath).size() == text.size());

    g_Settings.Common_MaxRsm = 100;  // counts as 127 KB
    m_Resume_CutDataSize();
    const std::string after = ReadBytes(g_ResumeFilePath);
    CHECK(after.size() <= 127 * 1024 - 2500);
    CHECK(after.size() > 127 * 1024 - 2500 - 40);
    CHECK(after.find(Key(0) + "=") == std::string::npos);
    CHECK(after.find(Key(count - 1) + "=") != std::string::npos);
    // The newest records stay in their order.
    CHECK(after.find(Key(count - 2)) < after.find(Key(count - 1)));

    // Under the limit nothing changes.
    m_Resume_CutDataSize();
    CHECK(ReadBytes(g_ResumeFilePath) == after);
    g_Settings.Common_MaxRsm = 255;
}

TEST_CASE(
    "a changed record is moved to the section's end in one rewrite, as delete and write would")
{
    CTempFolder temp;
    REQUIRE(!temp.Path().empty());
    std::string text = "[Before]\r\na=1\r\n[ZENTAVIO_RESUME]\r\n";
    for (int i = 0; i < 20; ++i) text += Key(i) + "=" + std::to_string(i) + "\r\n";
    text += "[After]\r\nb=2\r\n";
    const std::wstring a = temp.Join(L"a.dat");
    const std::wstring b = temp.Join(L"b.dat");
    WriteBytes(a, text);
    WritePrivateProfileStringW(L"After", L"x", L"1", a.c_str());
    WritePrivateProfileStringW(L"After", L"x", nullptr, a.c_str());
    WriteBytes(b, ReadBytes(a));
    const std::string k = Key(4);
    const std::wstring key(k.begin(), k.end());
    WritePrivateProfileStringW(L"ZENTAVIO_RESUME", key.c_str(), nullptr, a.c_str());
    WritePrivateProfileStringW(L"ZENTAVIO_RESUME", key.c_str(), L"61.3,2", a.c_str());
    const wchar_t* removed[] = {key.c_str()};
    CHECK(m_Resume_EditKeys(b.c_str(), L"ZENTAVIO_RESUME", removed, 1, key.c_str(), L"61.3,2") ==
          1);
    CHECK(ReadBytes(b) == ReadBytes(a));
    // No such section: left to the profile API.
    CHECK(m_Resume_EditKeys(b.c_str(), L"NONE", removed, 1, key.c_str(), L"1") == -1);
    CHECK(ReadBytes(b) == ReadBytes(a));
}

TEST_CASE("a record new to the store is appended in one rewrite, as the profile API would")
{
    CTempFolder temp;
    REQUIRE(!temp.Path().empty());
    std::string records;
    for (int i = 0; i < 5; ++i) records += Key(i) + "=" + std::to_string(i) + "\r\n";
    const std::string texts[] = {
        "[ZENTAVIO_RESUME]\r\n" + records + "[After]\r\nb=2\r\n",
        "[ZENTAVIO_RESUME]\r\n" + records + "\r\n[After]\r\nb=2\r\n",
        "[Before]\r\na=1\r\n[ZENTAVIO_RESUME]\r\n" + records,
        "[ZENTAVIO_RESUME]\r\n",
    };
    const std::string k = Key(40);
    const std::wstring key(k.begin(), k.end());
    for (const std::string& text : texts) {
        CAPTURE(text);
        const std::wstring a = temp.Join(L"a.dat");
        const std::wstring b = temp.Join(L"b.dat");
        WriteBytes(a, text);
        WritePrivateProfileStringW(L"Other", L"x", L"1", a.c_str());
        WritePrivateProfileStringW(L"Other", L"x", nullptr, a.c_str());
        WriteBytes(b, ReadBytes(a));
        WritePrivateProfileStringW(L"ZENTAVIO_RESUME", key.c_str(), L"12,3", a.c_str());
        CHECK(m_Resume_EditKeys(b.c_str(), L"ZENTAVIO_RESUME", nullptr, 0, key.c_str(), L"12,3") ==
              1);
        CHECK(ReadBytes(b) == ReadBytes(a));
    }
    // A key already there, even without a value, is changed in place by the
    // profile API: the edit leaves it to the API and writes nothing.
    const std::wstring c = temp.Join(L"c.dat");
    const std::string text = "[ZENTAVIO_RESUME]\r\n" + k + "=\r\n" + records;
    WriteBytes(c, text);
    const wchar_t* removed[] = {L"0000000000000FFF"};
    CHECK(m_Resume_EditKeys(c.c_str(), L"ZENTAVIO_RESUME", removed, 1, key.c_str(), L"1") == -1);
    CHECK(ReadBytes(c) == text);
}
