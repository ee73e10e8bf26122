#include <doctest/doctest.h>

#include <windows.h>

#include <string>

#include "SettingsFixture.h"
#include "settings/SettingsFile.h"

namespace {

std::wstring CopyPath() { return std::wstring(g_IniPath) + L".new"; }

bool Exists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

FILETIME WriteTime()
{
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    GetFileAttributesExW(g_IniPath, GetFileExInfoStandard, &data);
    return data.ftLastWriteTime;
}

}  // namespace

TEST_CASE("writes of a batch reach the file only when the batch closes")
{
    CSettingsFixture ini;
    ini.Write(L"[Common]\r\nMouSens=10\r\n");
    const std::string before = ini.ReadBytes();
    const std::wstring file = g_IniPath;

    CHECK(m_SettingsFile_BeginWrite() == 1);
    CHECK(m_SettingsFile_Path() == file);
    CHECK(std::wstring(g_IniPath) != file);
    WritePrivateProfileStringW(L"Common", L"MouSens", L"20", g_IniPath);
    // the batch reads what it wrote; the file still holds the old value
    CHECK(ini.Get(L"Common", L"MouSens") == L"20");
    CHECK(GetPrivateProfileIntW(L"Common", L"MouSens", 0, file.c_str()) == 10);

    SUBCASE("nested batches commit once, with the outermost")
    {
        CHECK(m_SettingsFile_BeginWrite() == 1);
        WritePrivateProfileStringW(L"Seek", L"Dly", L"5", g_IniPath);
        CHECK(m_SettingsFile_EndWrite() == 1);
        CHECK(GetPrivateProfileIntW(L"Seek", L"Dly", 0, file.c_str()) == 0);
    }
    CHECK(m_SettingsFile_EndWrite() == 1);
    CHECK(std::wstring(g_IniPath) == file);
    CHECK(m_SettingsFile_IsOpen() == 0);
    CHECK(ini.Get(L"Common", L"MouSens") == L"20");
    CHECK(!Exists(CopyPath()));
    // still UTF-16 with its byte-order mark
    CHECK(ini.ReadBytes().compare(0, 2, "\xFF\xFE") == 0);
    CHECK(ini.ReadBytes() != before);
}

TEST_CASE("a batch without a change leaves the file untouched")
{
    CSettingsFixture ini;
    SUBCASE("an existing file")
    {
        ini.Write(L"[Common]\r\nMouSens=10\r\n");
        const FILETIME before = WriteTime();
        Sleep(20);
        m_SettingsFile_BeginWrite();
        WritePrivateProfileStringW(L"Common", L"MouSens", L"10", g_IniPath);
        m_SettingsFile_EndWrite();
        const FILETIME after = WriteTime();
        CHECK(CompareFileTime(&before, &after) == 0);
    }
    SUBCASE("no file")
    {
        m_SettingsFile_BeginWrite();
        CHECK(ini.Get(L"Common", L"MouSens") == L"<none>");
        m_SettingsFile_EndWrite();
        CHECK(!Exists(g_IniPath));
    }
    CHECK(!Exists(CopyPath()));
}

TEST_CASE("a copy left by a killed save is replaced, not taken over")
{
    CSettingsFixture ini;
    ini.Write(L"[Common]\r\nMouSens=10\r\n");
    const std::wstring stale = CopyPath();
    HANDLE file = CreateFileW(stale.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    REQUIRE(file != INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, "[Common]\r\nMouSens=9", 19, &written, nullptr);  // cut short
    CloseHandle(file);

    {
        CSettingsFileWrite batch;
        CHECK(ini.Get(L"Common", L"MouSens") == L"10");
        WritePrivateProfileStringW(L"Common", L"Wall", L"0", g_IniPath);
    }
    CHECK(ini.Get(L"Common", L"MouSens") == L"10");
    CHECK(ini.Get(L"Common", L"Wall") == L"0");
    CHECK(!Exists(stale));
}

TEST_CASE("a new file appears only when its batch closes")
{
    CSettingsFixture ini;
    const std::wstring file = g_IniPath;
    m_SettingsFile_BeginWrite();
    WritePrivateProfileStringW(L"Main", L"Ver", L"90690", g_IniPath);
    CHECK(!Exists(file));
    m_SettingsFile_EndWrite();
    CHECK(ini.Get(L"Main", L"Ver") == L"90690");
}
