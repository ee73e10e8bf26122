#include <doctest/doctest.h>

#include <string>

#include "app/MainWindow.h"
#include "base/UiLook.h"
#include "settings/FunctionCatalog.h"
#include "settings/Settings.h"
#include "SettingsFixture.h"

namespace {

SFUNCTIONINFO Info(int id, int mode = FUNC_INFO_ALL)
{
    SFUNCTIONINFO info{};
    info.Id = id;
    REQUIRE(m_GetFunctionInfo(nullptr, &info, mode) == 1);
    return info;
}

std::wstring Text(const wchar_t* text)
{
    return text ? std::wstring(text) : std::wstring(L"(null)");
}

}  // namespace

TEST_CASE("kinds and limits of the first value")
{
    struct Case {
        int id, kind, count, min, max, def, step, divisor;
    };
    const Case cases[] = {
        {0, FUNC_PARAM_NONE, 1, -1, 1, 0, 1, 1},
        {1, FUNC_PARAM_NUMBER, 1, -1, 1, -1, 1, 1},
        {5, FUNC_PARAM_NUMBER, 1, -2, 2, 1, 1, 1},
        {13, FUNC_PARAM_NUMBER, 1, 0, 1000, 100, 5, 100},
        {18, FUNC_PARAM_NUMBER, 1, -1000000, 1000000, 0, 10, 10},
        {36, FUNC_PARAM_NUMBER, 1, 1, 100000000, 0, 1, 1},
        {46, FUNC_PARAM_TEXT, 1, -1, 1, 0, 1, 1},
        {49, FUNC_PARAM_LIST, 2, -10000, 10000, 500, 100, 100},
        {50, FUNC_PARAM_LIST, 1, 0, 10000, 5000, 100, 100},
        {80, FUNC_PARAM_TEXT, 1, -1, 1, 0, 1, 1},
        {90, FUNC_PARAM_LIST, 5, -2, 4, -1, 1, 1},
        {115, FUNC_PARAM_NUMBER, 1, -1440, 1440, 0, 1, 1},
        {128, FUNC_PARAM_LIST, 5, 0, 3, 0, 1, 1},
        {153, FUNC_PARAM_NONE, 1, -1, 1, 0, 1, 1},
        {159, FUNC_PARAM_NUMBER, 1, 10, 1000, 100, 1, 1},
        {255, FUNC_PARAM_NONE, 1, -1, 1, 0, 1, 1},
        {4177, FUNC_PARAM_NUMBER, 1, -1, 1, -1, 1, 1},
        {4180, FUNC_PARAM_NUMBER, 1, -1, 1, -1, 1, 1},
        // Unknown ids: one number -1..1, default 0.
        {2, FUNC_PARAM_NUMBER, 1, -1, 1, 0, 1, 1},
        {200, FUNC_PARAM_NUMBER, 1, -1, 1, 0, 1, 1},
        {4181, FUNC_PARAM_NUMBER, 1, -1, 1, 0, 1, 1},
        {-1, FUNC_PARAM_NUMBER, 1, -1, 1, 0, 1, 1},
    };
    for (const Case& c : cases) {
        CAPTURE(c.id);
        const SFUNCTIONINFO info = Info(c.id, FUNC_INFO_LIMITS);
        CHECK(info.Kind == c.kind);
        CHECK(m_Function_GetParamKind(nullptr, c.id) == c.kind);
        CHECK(info.Count == c.count);
        const SFUNCTIONVALUE& v = info.Values[0];
        CHECK(v.Min == c.min);
        CHECK(v.Max == c.max);
        CHECK(v.Default == c.def);
        CHECK(v.Step == c.step);
        CHECK(v.Divisor == c.divisor);
    }
}

TEST_CASE("further values and their extra integers")
{
    const SFUNCTIONINFO frame = Info(12, FUNC_INFO_LIMITS);
    CHECK(frame.Count == 5);
    CHECK(frame.Values[0].X6 == 1);
    CHECK(frame.Values[0].X8 == 1);
    CHECK(frame.Values[2].Default == 300);
    CHECK(frame.Values[2].Step == 5);
    CHECK(frame.Values[4].Max == 999);
    CHECK(frame.Values[4].Default == 50);
    CHECK(frame.Values[5].Max == 0);  // past the count everything is 0
    CHECK(std::wstring(frame.DefaultText) == L"1");

    const SFUNCTIONINFO volume = Info(49, FUNC_INFO_LIMITS);
    CHECK(volume.Values[1].Step == 50);
    CHECK(volume.Values[1].X6 == 1);
    CHECK(volume.Values[1].X8 == 1);
    CHECK(std::wstring(volume.DefaultText) == L"+5");

    const SFUNCTIONINFO size = Info(37, FUNC_INFO_LIMITS);
    CHECK(size.Values[0].X6 == 1);
    CHECK(size.Values[0].X7 == 5);
    CHECK(size.Values[0].X8 == 1);

    const SFUNCTIONINFO prop = Info(128, FUNC_INFO_LIMITS);
    CHECK(std::wstring(prop.DefaultText) == L"0,0,0");
    CHECK(prop.Values[2].X6 == 1);
    REQUIRE(prop.Values[1].X11 != nullptr);
    CHECK(prop.Values[0].X11 == nullptr);
    CHECK(std::wstring(prop.Values[1].X11[0]) == L"\u30B3\u30F3\u30C8\u30E9\u30B9\u30C8");
    CHECK(std::wstring(prop.Values[1].X11[8]) == L"\u97F3\u58F0\u30D0\u30E9\u30F3\u30B9");

    CHECK(std::wstring(Info(46, FUNC_INFO_LIMITS).DefaultText) == L"-1");
    CHECK(std::wstring(Info(80, FUNC_INFO_LIMITS).DefaultText) == L"MAIN");
    CHECK(std::wstring(Info(1, FUNC_INFO_LIMITS).DefaultText).empty());
}

TEST_CASE("every id keeps sane limits")
{
    for (int id = -2; id <= 4200; ++id) {
        CAPTURE(id);
        const SFUNCTIONINFO info = Info(id, FUNC_INFO_LIMITS);
        const int kind = info.Kind;
        CHECK((kind == 0 || kind == 1 || kind == 2 || kind == 4));
        CHECK(info.Count >= 1);
        CHECK(info.Count <= kFuncValueCap);
        if (kind != FUNC_PARAM_LIST) CHECK(info.Count == 1);
        for (int i = 0; i < info.Count; ++i) CHECK(info.Values[i].Min <= info.Values[i].Max);
    }
}

TEST_CASE("names")
{
    struct Case {
        int id;
        const wchar_t* name;
    };
    const Case cases[] = {
        {0, L""},
        {1, L"\u518D\u751F\u30FB\u4E00\u6642\u505C\u6B62"},
        {17, L"\u6307\u5B9A\u4F4D\u7F6E\u306B\u79FB\u52D5(\uFF05)"},
        {35, L"\u30B5\u30A4\u30BA\u6307\u5B9A(\u5E45\uFF58\u9AD8\u3055)"},
        {143, L"\u97F3\u58F0\u5165\u529B\u30D0\u30E9\u30F3\u30B9\u5207\u66FF"},
        {159, L"DPI\u30C6\u30B9\u30C8"},
        {2, L"0x02"},
        {200, L"0xC8"},
        {255, L"0xFF"},
        {4177, L"0x1051"},
    };
    for (const Case& c : cases) {
        CAPTURE(c.id);
        CHECK(Text(m_Function_GetName(nullptr, c.id)) == c.name);
    }
}

TEST_CASE("variant names")
{
    struct Case {
        int id;
        const wchar_t* variant;  // null: none
    };
    const Case cases[] = {
        {0, L""},
        {1, L"0x01"},
        {13, L"\u518D\u751F\u901F\u5EA6 \u6307\u5B9A"},
        {148, L"\u30A6\u30A3\u30F3\u30C9\u30A6"},
        {149, nullptr},
        {200, nullptr},
        {254, nullptr},
        {255, L"[\u533A\u5207\u308A\u7DDA]"},
        {256, L"0x100"},
        {4180, L"0x1054"},
    };
    for (const Case& c : cases) {
        CAPTURE(c.id);
        CHECK(Text(m_Function_GetVariantName(nullptr, c.id)) == Text(c.variant));
    }
}

TEST_CASE("help texts")
{
    const std::wstring none = L"\u306A\u3057";
    CHECK(Text(m_Function_GetHelp(nullptr, 0)) == none);
    CHECK(Text(m_Function_GetHelp(nullptr, 200)) == none);
    CHECK(Text(m_Function_GetHelp(nullptr, 255)) == none);
    CHECK(Text(m_Function_GetHelp(nullptr, 159)) == none);
    const std::wstring show =
        L"-1=\u5207\u308A\u66FF\u3048\u30010=\u975E\u8868\u793A\u30011=\u8868\u793A";
    for (int id = 4177; id <= 4180; ++id) CHECK(Text(m_Function_GetHelp(nullptr, id)) == show);
    CHECK(Text(m_Function_GetHelp(nullptr, 82)) == show);
    CHECK(Text(m_Function_GetHelp(nullptr, 1)) ==
          L"-1=\u5207\u308A\u66FF\u3048\u30010=\u4E00\u6642\u505C\u6B62\u30011=\u518D\u751F");
    // Two-line texts break with CR LF, which edit controls need.
    const std::wstring repeat = Text(m_Function_GetHelp(nullptr, 90));
    CHECK(repeat.find(L"\u30B7\u30E3\u30C3\u30D5\u30EB\r\n\u307E\u305F") != std::wstring::npos);
}

TEST_CASE("mode bits fill only what they name")
{
    SFUNCTIONINFO info{};
    info.Id = 13;
    m_GetFunctionInfo(nullptr, &info, FUNC_INFO_NAME);
    CHECK(info.Name != nullptr);
    CHECK(info.Kind == 0);
    CHECK(info.Help == nullptr);

    // The limits part starts from a clean descriptor, text pointers included.
    info.Help = L"stale";
    info.VariantName = L"stale";
    info.Reserved = 7;
    m_GetFunctionInfo(nullptr, &info, FUNC_INFO_LIMITS);
    CHECK(info.Name == nullptr);
    CHECK(info.Help == nullptr);
    CHECK(info.VariantName == nullptr);
    CHECK(info.Reserved == 0);
    CHECK(info.Kind == FUNC_PARAM_NUMBER);

    const SFUNCTIONINFO all = Info(13);
    CHECK(all.Kind == FUNC_PARAM_NUMBER);
    CHECK(all.Name != nullptr);
    CHECK(all.Help != nullptr);
    CHECK(all.VariantName != nullptr);

    CHECK(m_GetFunctionInfo(nullptr, nullptr, FUNC_INFO_ALL) == 0);
}

TEST_CASE("defaults that follow the settings")
{
    const SSETTINGS saved = g_Settings;
    g_Settings.Seek_Step[0] = 4000;
    g_Settings.Seek_Key = 1;
    g_Settings.Seek_Itvl[0] = 20;
    g_Settings.Seek_Itvl[1] = 250;
    g_Settings.Seek_Dly = 350;
    g_Settings.Fullscr_Clip = 2;
    g_Settings.Jumplist_MaxBlk = 48;

    CHECK(Info(6).Values[0].Default == 4000);
    const SFUNCTIONINFO seek = Info(7);
    CHECK(std::wstring(seek.DefaultText) == L"4000,1,20,250,350");
    CHECK(seek.Values[0].Default == 4000);
    CHECK(seek.Values[1].Default == 1);
    CHECK(seek.Values[4].Default == 350);

    // The widest values still leave a terminated, cut text.
    g_Settings.Seek_Step[0] = g_Settings.Seek_Key = g_Settings.Seek_Itvl[0] = -2147483647;
    const SFUNCTIONINFO wide = Info(7);
    CHECK(wcslen(wide.DefaultText) == kFuncDefaultTextCap - 1);
    CHECK(std::wstring(wide.DefaultText).rfind(L"-2147483647,-2147483647,", 0) == 0);

    CHECK(Info(40).Values[1].Default == 2);
    CHECK(std::wstring(Info(40).DefaultText) == L"-1");
    const SFUNCTIONINFO blocks = Info(67);
    CHECK(blocks.Values[0].Min == -48);
    CHECK(blocks.Values[1].Max == 48);
    CHECK(blocks.Values[0].Default == 1);

    g_Settings = saved;
}

TEST_CASE("the detailed seek default with settings loaded from no file")
{
    CSettingsFixture ini;
    m_LoadSettings(SETTINGS_GROUP_ALL);
    CHECK(std::wstring(Info(7).DefaultText) == L"3000,2,10,200,300");
    CHECK(Info(6).Values[0].Default == 3000);
    CHECK(Info(67).Values[0].Max == g_Settings.Jumplist_MaxBlk);
}

TEST_CASE("window defaults come from the main window's visible rectangle")
{
    const HWND savedMain = g_hWndMain;
    g_hWndMain = nullptr;
    CHECK(std::wstring(Info(148).DefaultText) == L"0,0");
    CHECK(std::wstring(Info(149).DefaultText) == L"0,0,0,0");

    const HWND window = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 40, 50, 400, 300,
                                        nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    REQUIRE(window != nullptr);
    g_hWndMain = window;
    RECT rc{};
    REQUIRE(m_GetWindowRect(window, &rc, -1) == 1);
    const SFUNCTIONINFO size = Info(148);
    CHECK(size.Values[0].Default == rc.right - rc.left);
    CHECK(size.Values[1].Default == rc.bottom - rc.top);
    CHECK(size.Values[0].Default > 0);
    const SFUNCTIONINFO place = Info(149);
    CHECK(place.Values[0].Default == rc.left);
    CHECK(place.Values[3].Default == rc.bottom);
    wchar_t expected[64];
    wsprintfW(expected, L"%d,%d,%d,%d", rc.left, rc.top, rc.right, rc.bottom);
    CHECK(std::wstring(place.DefaultText) == expected);

    g_hWndMain = savedMain;
    DestroyWindow(window);
}
