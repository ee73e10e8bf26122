#include <doctest/doctest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "base/IniSnapshot.h"

namespace {

std::wstring m_TempFile(const wchar_t* name)
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    return std::wstring(temp) + L"zv_snapshot_" + std::to_wstring(GetCurrentProcessId()) + name;
}

void m_WriteBytes(const std::wstring& path, const std::string& bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), (DWORD)bytes.size(), &written, nullptr);
    CloseHandle(file);
}

std::string m_Utf16Bytes(const std::wstring& text)
{
    std::string bytes = "\xFF\xFE";
    bytes.append(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
    return bytes;
}

const wchar_t kIni[] =
    L"; a comment\r\n"
    L"[Main]\r\n"
    L"Ver=90690\r\n"
    L"  Spaced Key  =  padded value  \r\n"
    L"Quoted=\"in quotes\"\r\n"
    L"Single='one'\r\n"
    L"Half=\"open\r\n"
    L"Empty=\r\n"
    L"Neg=-42\r\n"
    L"Plus=+7\r\n"
    L"Lead=12abc\r\n"
    L"Word=abc\r\n"
    L"Dup=first\r\n"
    L"Dup=second\r\n"
    L"NoEquals\r\n"
    L"Long="
    L"0123456789012345678901234567890123456789\r\n"
    L"[ Common ]\r\n"
    L"Mlt=0\r\n"
    L"Title=日本語のタイトル\r\n"
    L"[main]\r\n"
    L"Later=1\r\n"
    L"[Empty Section]\r\n"
    L"[Last]\r\n"
    L"x=no newline at end";

struct SLookup {
    const wchar_t* section;
    const wchar_t* key;
};

const SLookup kLookups[] = {
    {L"Main", L"Ver"},    {L"MAIN", L"ver"},     {L"Main", L"Spaced Key"}, {L"Main", L"Quoted"},
    {L"Main", L"Single"}, {L"Main", L"Half"},    {L"Main", L"Empty"},      {L"Main", L"Neg"},
    {L"Main", L"Plus"},   {L"Main", L"Lead"},    {L"Main", L"Word"},       {L"Main", L"Dup"},
    {L"Main", L"Long"},   {L"Main", L"Missing"}, {L"Common", L"Mlt"},      {L"Common", L"Title"},
    {L"Main", L"Later"},  {L"Nowhere", L"Ver"},  {L"Last", L"x"},          {L"Empty Section", L"a"},
};

// The snapshot must answer every lookup exactly as the profile API does.
void m_CheckAgainstApi(const std::wstring& path)
{
    CIniSnapshot snapshot;
    REQUIRE(snapshot.m_Load(path.c_str()) == 1);
    for (const SLookup& lookup : kLookups) {
        CAPTURE(std::string(lookup.key, lookup.key + wcslen(lookup.key)));
        for (int size : {64, 8}) {
            wchar_t api[64], ours[64];
            DWORD n = GetPrivateProfileStringW(lookup.section, lookup.key, L"\x01", api, size,
                                               path.c_str());
            bool found = !(n == 1 && api[0] == 1);
            CHECK(snapshot.m_GetString(lookup.section, lookup.key, ours, size) == (found ? 1 : 0));
            if (found) CHECK(std::wstring(ours) == std::wstring(api));
        }
        CHECK(snapshot.m_GetInt(lookup.section, lookup.key, 77) ==
              (int)GetPrivateProfileIntW(lookup.section, lookup.key, 77, path.c_str()));
    }
}

}  // namespace

TEST_CASE("a snapshot answers as the profile API in every encoding")
{
    std::wstring path = m_TempFile(L".ini");
    SUBCASE("UTF-16LE with its mark") { m_WriteBytes(path, m_Utf16Bytes(kIni)); }
    SUBCASE("UTF-8 with its mark")
    {
        char utf8[2048];
        int n = WideCharToMultiByte(CP_UTF8, 0, kIni, -1, utf8, sizeof(utf8), nullptr, nullptr);
        m_WriteBytes(path, "\xEF\xBB\xBF" + std::string(utf8, n - 1));
    }
    m_CheckAgainstApi(path);
    DeleteFileW(path.c_str());
}

TEST_CASE("a missing file is an empty snapshot; bad arguments are refused")
{
    CIniSnapshot snapshot;
    std::wstring path = m_TempFile(L"_none.ini");
    DeleteFileW(path.c_str());
    CHECK(snapshot.m_Load(path.c_str()) == 1);
    wchar_t out[8] = L"x";
    CHECK(snapshot.m_GetString(L"Main", L"Ver", out, 8) == 0);
    CHECK(out[0] == 0);
    CHECK(snapshot.m_GetString(L"Main", L"Ver", out, 0) == 0);
    CHECK(snapshot.m_GetInt(L"Main", L"Ver", -3) == -3);
}
