#include <doctest/doctest.h>

#include <string>

#include "TempFolder.h"
#include "base/IniFile.h"
#include "settings/IniPath.h"

namespace {

// Points the settings INI at a fresh file in a private temp folder.
struct CTempIni {
    CTempFolder folder;

    CTempIni() { lstrcpynW(g_IniPath, folder.Join(L"test.ini").c_str(), MAX_PATH + 1); }
    // The system keeps the file cached between profile calls.
    ~CTempIni()
    {
        WritePrivateProfileStringW(nullptr, nullptr, nullptr, g_IniPath);
        g_IniPath[0] = L'\0';
    }
    void Put(const wchar_t* section, const wchar_t* key, const wchar_t* value)
    {
        WritePrivateProfileStringW(section, key, value, g_IniPath);
    }
};

}  // namespace

TEST_CASE("placement record: fields read by position, the rest keep their defaults")
{
    CTempIni ini;
    int pos[5] = {-1, -1, 0, 0, 0};
    CHECK(m_ReadIniPos(L"Playlist", pos) == 0);  // no key
    CHECK((pos[0] == -1 && pos[2] == 0));

    ini.Put(L"Playlist", L"Pos", L"100,-20,,x,150");
    CHECK(m_ReadIniPos(L"Playlist", pos) == 3);
    CHECK((pos[0] == 100 && pos[1] == -20 && pos[2] == 0 && pos[3] == 0 && pos[4] == 150));

    ini.Put(L"Playlist", L"Pos", L"1,2,3,4,5,6,7");  // extra fields are ignored
    CHECK(m_ReadIniPos(L"Playlist", pos) == 5);
    CHECK(pos[4] == 5);
}

TEST_CASE("option values as doubles from the Opt section")
{
    CTempIni ini;
    ini.Put(L"Opt", L"Split", L"0.25,-1.5,2");
    double v[4] = {9, 9, 9, 9};
    CHECK(m_ReadIniOptValues(L"Split", v, 4) == 3);
    CHECK(v[0] == doctest::Approx(0.25));
    CHECK(v[1] == doctest::Approx(-1.5));
    CHECK(v[2] == doctest::Approx(2.0));
    CHECK(v[3] == 9.0);
    CHECK(m_ReadIniOptValues(L"Missing", v, 4) == 0);
}

TEST_CASE("rectangles: write and read back, defaults when absent or empty")
{
    CTempIni ini;
    RECT rc = {-10, 20, 300, 400};
    CHECK(m_WriteIniRect(L"Wnd", L"Rc", &rc) == 1);
    wchar_t text[64];
    GetPrivateProfileStringW(L"Wnd", L"Rc", L"", text, 64, g_IniPath);
    CHECK(std::wstring(text) == L"-10,20,300,400");

    int out[4] = {};
    CHECK(m_ReadIniRect(L"Wnd", L"Rc", 1, 2, 3, 4, out) == 1);
    CHECK((out[0] == -10 && out[1] == 20 && out[2] == 300 && out[3] == 400));

    CHECK(m_ReadIniRect(L"Wnd", L"None", 1, 2, 3, 4, out) == 0);
    CHECK((out[0] == 1 && out[1] == 2 && out[2] == 3 && out[3] == 4));
    ini.Put(L"Wnd", L"Empty", L"");
    out[0] = 0;
    CHECK(m_ReadIniRect(L"Wnd", L"Empty", 5, 6, 7, 8, out) == 0);
    CHECK(out[0] == 5);

    ini.Put(L"Wnd", L"Short", L"7,8");  // missing trailing fields keep what out held
    CHECK(m_ReadIniRect(L"Wnd", L"Short", 0, 0, 0, 0, out) == 1);
    CHECK((out[0] == 7 && out[1] == 8 && out[2] == 7 && out[3] == 8));
}
