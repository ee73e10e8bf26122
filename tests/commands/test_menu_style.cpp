#include <doctest/doctest.h>

#include <windows.h>

#include <string>

#include "../settings/SettingsFixture.h"
#include "commands/MenuStyleApply.h"
#include "controls/MenuManager.h"

namespace {

struct SExpect {
    int RowHeight;  // from the size preset
    UINT Shadow, Effects, ImageShortcuts;
    int MinWidth, MaxWidth;
    UINT CustomColors;
    ARGB Text, Back;
};

// The [Menu] keys loaded as at start-up, applied to a manager of its own.
SMENUSTYLE Applied(CSettingsFixture& ini, const std::wstring& menu, UINT64* extra = nullptr)
{
    ini.Write((L"[Menu]\r\n" + menu).c_str());
    m_LoadSettings(SETTINGS_GROUP_COMMON);
    CMenuManager manager;
    SMENUSTYLE before = {};
    lstrcpynW(before.FaceName, L"IPAPGothic", 32);
    before.FontSize = 18;
    manager.m_SetStyle(&before, 0, nullptr);
    m_Menu_ApplyStyle(&manager, 1, nullptr);
    SMENUSTYLE style;
    manager.m_GetStyle(&style, extra);
    // what the settings do not name stays
    CHECK(std::wstring(style.FaceName) == L"IPAPGothic");
    CHECK(style.FontSize == 18);
    return style;
}

}  // namespace

TEST_CASE("the menu settings are put into the manager's style, bad values held to their ranges")
{
    const ARGB light = 0xFFD2D2D2, dark = 0xFF383838;
    struct SCase {
        const wchar_t* Menu;
        SExpect Expect;
    };
    const SCase cases[] = {
        // the defaults: size 3, rounded, effects, no key frames, light text on dark
        {L"", {24, 1, 1, 0, 0, 800, 0, light, dark}},
        {L"Styl=1,0,0,1\r\nWt=200,500\r\nClr=1,FF102030,FFF0F0F0\r\n",
         {20, 0, 0, 1, 200, 500, 1, 0xFF102030, 0xFFF0F0F0}},
        {L"Styl=5,1,0,0\r\n", {28, 1, 0, 0, 0, 800, 0, light, dark}},
        // sizes the presets lack take the usual one; switches are 0 or 1
        {L"Styl=9,7,-3,2\r\n", {24, 1, 1, 1, 0, 800, 0, light, dark}},
        {L"Styl=0\r\n", {24, 1, 1, 0, 0, 800, 0, light, dark}},
        {L"Styl=x,y,z,w\r\nWt=a,b\r\n", {24, 1, 1, 0, 0, 800, 0, light, dark}},
        {L"Styl=-\r\nWt=,,,\r\nClr=,,,\r\n", {24, 1, 1, 0, 0, 800, 0, light, dark}},
        {L"Wt=-5,99999999999\r\n", {24, 1, 1, 0, 0, 10000, 0, light, dark}},
        // colours: absent or not hexadecimal keep the defaults, no alpha is opaque
        {L"Clr=1\r\n", {24, 1, 1, 0, 0, 800, 1, light, dark}},
        {L"Clr=1,zz,123456\r\n", {24, 1, 1, 0, 0, 800, 1, light, 0xFF123456}},
        {L"Clr=2,80FF0000,%\r\n", {24, 1, 1, 0, 0, 800, 1, 0x80FF0000, dark}},
    };
    for (const SCase& c : cases) {
        CAPTURE(std::wstring(c.Menu));
        CSettingsFixture ini;
        const SMENUSTYLE s = Applied(ini, c.Menu);
        const SExpect& e = c.Expect;
        CHECK(s.RowHeight == e.RowHeight);
        CHECK(s.Shadow == e.Shadow);
        CHECK(s.Effects == e.Effects);
        CHECK(s.ImageShortcuts == e.ImageShortcuts);
        CHECK(s.MinWidth == e.MinWidth);
        CHECK(s.MaxWidth == e.MaxWidth);
        CHECK(s.CustomColors == e.CustomColors);
        CHECK(s.TextColor == e.Text);
        CHECK(s.BackColor == e.Back);
    }
}

TEST_CASE("a size preset sets all four of its sizes; ClrSep follows the block")
{
    CSettingsFixture ini;
    UINT64 extra = 7;
    const SMENUSTYLE s = Applied(ini, L"Styl=2\r\nClrSep=1\r\n", &extra);
    CHECK((s.ShadowSize == 33 && s.RowHeight == 22 && s.RowGap == 1 && s.Padding == 2));
    CHECK(extra == 1);
    // values of 2000 characters are read up to 1023 of them
    const std::wstring huge(2000, L'9');
    CSettingsFixture again;
    const SMENUSTYLE t = Applied(again, L"Styl=" + huge + L"\r\nWt=" + huge + L"," + huge +
                                             L"\r\nClr=" + huge + L"\r\n",
                                 &extra);
    CHECK((t.RowHeight == 24 && t.MinWidth == 10000 && t.MaxWidth == 800));
    CHECK(extra == 0);
}
