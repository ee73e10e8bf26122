#include <doctest/doctest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "../settings/SettingsFixture.h"
#include "app/FullScreenState.h"
#include "app/WindowSize.h"
#include "commands/Executor.h"
#include "commands/MenuItemModel.h"
#include "commands/MenuPresets.h"
#include "controls/MenuPlus.h"
#include "playback/PlayState.h"
#include "playback/PlaybackRate.h"

namespace {

enum { SIZE_KIND = 0, TIMER_KIND = 1, RATE_KIND = 2 };
const wchar_t* const kKeys[] = {L"Size", L"Timer", L"Rate"};

struct CMenuFixture : CSettingsFixture {
    CMenuFixture()
    {
        for (int kind = 0; kind < kMenuPresetKinds; ++kind) g_MenuPresets[kind].Count = -1;
        g_Settings.Menu_AddOpt = 1;
        m_Rate_Set(100, 0, 0);
        g_WindowZoom = 1.0;
        g_FullScreen = 0;
        g_MediaOpen = 0;
        g_FullScreenArg[0] = 0;
    }
    ~CMenuFixture()
    {
        g_FullScreen = 0;
        m_Rate_Set(100, 0, 0);
        for (int kind = 0; kind < kMenuPresetKinds; ++kind) g_MenuPresets[kind].Count = -1;
    }
    static void Put(int kind, const std::wstring& value)
    {
        REQUIRE(WritePrivateProfileStringW(L"Menu", kKeys[kind], value.c_str(), g_IniPath));
    }
};

std::vector<SMENUITEM> Items(const CMenuPlus& popup)
{
    std::vector<SMENUITEM> items(popup.m_GetItemCount());
    for (int i = 0; i < popup.m_GetItemCount(); ++i) popup.m_GetItem(&items[i], i);
    return items;
}

std::vector<UINT> Ids(const CMenuPlus& popup)
{
    std::vector<UINT> ids;
    for (const SMENUITEM& item : Items(popup)) ids.push_back(item.Id);
    return ids;
}

SMENUITEM ItemOf(const CMenuPlus& popup, UINT id)
{
    SMENUITEM item = {};
    REQUIRE(popup.m_GetItemById(&item, id));
    return item;
}

UINT64 DataWord(const SMENUITEM& item)
{
    UINT64 value;
    memcpy(&value, item.Block, sizeof(value));
    return value;
}

}  // namespace

TEST_CASE_FIXTURE(CMenuFixture, "rate items follow their entries' indexes and show the rate in use")
{
    Put(RATE_KIND, L"D,200|FF|D,100|E,-25|F,1");
    CMenuPlus popup;
    REQUIRE(m_MenuPresets_BuildMenu(RATE_KIND, &popup, nullptr) == &popup);
    CHECK(Ids(popup) == std::vector<UINT>{4317, 255, 35468, 255, 35470, 35471, 35472});
    const SMENUITEM fast = ItemOf(popup, 35468), normal = ItemOf(popup, 35470);
    CHECK(std::wstring(fast.Text) == L"ｘ2.00");
    CHECK(fast.CheckKind == MENUCHECK_RADIO);
    CHECK((fast.Checked == 0 && normal.Checked == 1));
    CHECK(std::wstring(ItemOf(popup, 35471).Text) == L"－0.25");
    CHECK(ItemOf(popup, 35471).CheckKind == MENUCHECK_NONE);

    // without the options item the caption shows the rate alone
    g_Settings.Menu_AddOpt = 0;
    m_Rate_Set(200, 0, 0);
    m_MenuPresets_BuildMenu(RATE_KIND, &popup, nullptr);
    CHECK(Ids(popup).front() == 4316);
    CHECK(std::wstring(ItemOf(popup, 4316).Text) == L"再生速度 (ｘ2.00)");
    CHECK(ItemOf(popup, 35468).Checked == 1);
    // the update renews the checks and the caption of an open popup
    m_Rate_Set(100, 0, 0);
    m_Menu_UpdateRateChecksOf(&popup);
    CHECK((ItemOf(popup, 35468).Checked == 0 && ItemOf(popup, 35470).Checked == 1));
    CHECK(std::wstring(ItemOf(popup, 4316).Text) == L"再生速度 (ｘ1.00)");
    m_Menu_UpdateRateChecksOf(nullptr);
}

TEST_CASE_FIXTURE(CMenuFixture, "disabled, empty and unreadable entries are left out, their ids kept")
{
    struct SCase {
        const wchar_t* Value;
        std::vector<UINT> Ids;
    };
    const SCase cases[] = {
        {L"-D,150|D,50", {4317, 255, 35469}},
        {L"||D,50", {4317, 255, 35470}},
        {L"zz,5|-|,,,|D,75,half%", {4317, 255, 35471}},
        {L"", {4317, 255}},
    };
    for (const SCase& c : cases) {
        CAPTURE(std::wstring(c.Value));
        Put(RATE_KIND, c.Value);
        m_MenuPresets_Read(RATE_KIND, 1);
        CMenuPlus popup;
        m_MenuPresets_BuildMenu(RATE_KIND, &popup, nullptr);
        CHECK(Ids(popup) == c.Ids);
    }
    // a label ending in "%" is shown as written
    CMenuPlus popup;
    m_MenuPresets_BuildMenu(RATE_KIND, &popup, nullptr);
    Put(RATE_KIND, L"D,75,half%");
    m_MenuPresets_Read(RATE_KIND, 1);
    m_MenuPresets_BuildMenu(RATE_KIND, &popup, nullptr);
    CHECK(std::wstring(ItemOf(popup, 35468).Text) == L"half%");

    // 150 entries: the list keeps 100, the menu shows them all once
    std::wstring many;
    for (int i = 0; i < 150; ++i) many += L"D,100|";
    Put(RATE_KIND, many);
    m_MenuPresets_Read(RATE_KIND, 1);
    m_MenuPresets_BuildMenu(RATE_KIND, &popup, nullptr);
    CHECK(popup.m_GetItemCount() == 2 + kMenuPresetCap);
    CHECK(popup.m_FindItem(35468 + kMenuPresetCap - 1) >= 0);
    CHECK(popup.m_FindItem(35468 + kMenuPresetCap) < 0);
}

TEST_CASE_FIXTURE(CMenuFixture, "the size menu shows each action's image and the size in use")
{
    CMenuPlus popup;
    // never read: the default list is read for the menu
    REQUIRE(m_MenuPresets_BuildMenu(SIZE_KIND, &popup, nullptr) == &popup);
    CHECK(g_MenuPresets[SIZE_KIND].Count == 13);
    CHECK(Ids(popup) == std::vector<UINT>{4307, 255, 34968, 34969, 34970, 34971, 34972, 34973, 255,
                                          34975, 34976, 34977, 34978, 255, 34980});
    const SMENUITEM hundred = ItemOf(popup, 34971);
    CHECK(std::wstring(hundred.Text) == L"100%");
    CHECK((hundred.HasIcon == 1 && hundred.IconIndex == 71));
    CHECK(hundred.CheckKind == MENUCHECK_BOX);
    CHECK(m_Menu_GetItemFlags(&hundred).FlagWord == 1);
    CHECK(hundred.Checked == 1);
    CHECK(ItemOf(popup, 34969).Checked == 0);
    CHECK(ItemOf(popup, 34975).IconIndex == 73);
    const SMENUITEM full = ItemOf(popup, 34980);
    CHECK((full.IconIndex == 76 && full.Checked == 0));

    // zoom and full screen change while the popup is open
    g_WindowZoom = 0.5;
    m_Menu_UpdateSizeChecks(&popup);
    CHECK((ItemOf(popup, 34969).Checked == 1 && ItemOf(popup, 34971).Checked == 0));
    g_FullScreen = 1;
    g_FullScreenZoom = 1.0;
    lstrcpynW(g_FullScreenArg, L"-1", kFullScreenArgCap);
    m_Menu_UpdateSizeChecks(&popup);
    CHECK((ItemOf(popup, 34980).Checked == 1 && ItemOf(popup, 34971).Checked == 1));
    lstrcpynW(g_FullScreenArg, L"2", kFullScreenArgCap);
    m_Menu_UpdateSizeChecks(&popup);
    CHECK(ItemOf(popup, 34980).Checked == 0);
    m_Menu_UpdateSizeChecks(nullptr);
}

TEST_CASE_FIXTURE(CMenuFixture, "size entries without an image of their own are plain items")
{
    Put(SIZE_KIND, L"23,640;360|94,640;480|24,2073600|99,1");
    g_Settings.Menu_AddOpt = 0;
    CMenuPlus popup;
    m_MenuPresets_BuildMenu(SIZE_KIND, &popup, nullptr);
    CHECK(Ids(popup) == std::vector<UINT>{34968, 34969, 34970, 34971});
    CHECK(ItemOf(popup, 34968).IconIndex == 74);
    CHECK(std::wstring(ItemOf(popup, 34969).Text) == L"WND=640x480");
    CHECK(ItemOf(popup, 34969).IconIndex == 77);
    CHECK(ItemOf(popup, 34970).IconIndex == 75);
    const SMENUITEM other = ItemOf(popup, 34971);
    CHECK((other.IconIndex == 0 && other.Checked == 0));
    // no window to measure: nothing is checked
    for (UINT id : {34968u, 34969u, 34970u}) CHECK(ItemOf(popup, id).Checked == 0);
}

TEST_CASE_FIXTURE(CMenuFixture, "timer items carry their entry index and the timer's look")
{
    CMenuPlus popup;
    m_MenuPresets_BuildMenu(TIMER_KIND, &popup, nullptr);
    CHECK(Ids(popup) ==
          std::vector<UINT>{4110, 255, 35268, 35269, 255, 35271, 35272, 35273, 35274, 255, 35276});
    struct SCase {
        UINT Id;
        UINT Image;
        UINT Check;
    };
    const SCase cases[] = {{35268, 94, MENUCHECK_BOX}, {35269, 93, MENUCHECK_BOX},
                           {35271, 95, MENUCHECK_NONE}, {35276, 97, MENUCHECK_NONE}};
    for (const SCase& c : cases) {
        CAPTURE(c.Id);
        const SMENUITEM item = ItemOf(popup, c.Id);
        CHECK((item.HasIcon == 1 && item.IconIndex == c.Image));
        CHECK(item.CheckKind == c.Check);
        CHECK(DataWord(item) == c.Id - 35268);
        CHECK((item.Checked == 0 && item.Disabled == 0));
    }
    Put(TIMER_KIND, L"75,2|76,0|79,1|79,2|D,100");
    m_MenuPresets_Read(TIMER_KIND, 1);
    g_Settings.Menu_AddOpt = 0;
    m_MenuPresets_BuildMenu(TIMER_KIND, &popup, nullptr);
    CHECK(ItemOf(popup, 35268).IconIndex == 96);
    CHECK(ItemOf(popup, 35269).IconIndex == 93);
    CHECK(ItemOf(popup, 35270).IconIndex == 94);
    CHECK(ItemOf(popup, 35271).IconIndex == 93);
    // another function: its label alone
    CHECK(ItemOf(popup, 35272).HasIcon == 0);
    m_Menu_UpdateTimerChecks(&popup);
    CHECK(popup.m_GetItemCount() == 5);
    m_Menu_UpdateTimerChecks(nullptr);
}

TEST_CASE_FIXTURE(CMenuFixture, "kinds past the three lists have no menu")
{
    CMenuPlus popup;
    CHECK(m_MenuPresets_BuildMenu(3, &popup, nullptr) == nullptr);
    CHECK(m_MenuPresets_BuildMenu(-1, &popup, nullptr) == nullptr);
    CHECK(popup.m_GetItemCount() == 0);
}
