// The popups built by menu id: the static lists, the file menus' parts that
// follow the open item, the ids without a menu, the remembered popups and
// the submenu an item asks for.
#include <doctest/doctest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "../settings/SettingsFixture.h"
#include "commands/CommandHandlers.h"
#include "commands/SubmenuBuilder.h"
#include "controls/MenuPlus.h"
#include "filedata/DataFiles.h"
#include "playback/MediaPath.h"
#include "playlist/PlaylistState.h"

namespace {

using Ids = std::vector<UINT>;
using CPopup = std::unique_ptr<CMenuPlus>;

struct CBuilderFixture : CSettingsFixture {
    CBuilderFixture() { Reset(); }
    ~CBuilderFixture() { Reset(); }
    static void Reset()
    {
        g_ListType = LIST_NONE;
        g_ListPath[0] = L'\0';
        g_MediaPath[0] = L'\0';
        g_DefaultPlaylistPath[0] = L'\0';
    }
    static Ids IdsOf(const CMenuPlus* popup)
    {
        Ids ids;
        for (int i = 0; popup && i < popup->m_GetItemCount(); ++i)
            ids.push_back(popup->m_GetItemIdAt(i));
        return ids;
    }
    static Ids Built(UINT menuId)
    {
        CPopup popup(m_Menu_BuildPopup(menuId));
        REQUIRE(popup);
        return IdsOf(popup.get());
    }
    // The ids of the file menu between the history items and the close items.
    static Ids FileMenuMiddle()
    {
        const Ids all = Built(2306);
        Ids middle;
        bool in = false;
        for (UINT id : all) {
            if (id == 4132) break;
            if (in) middle.push_back(id);
            if (id == 2319) in = true;
        }
        return middle;
    }
};

doctest::String Text(const Ids& ids)
{
    std::string s;
    for (UINT id : ids) s += std::to_string(id) + " ";
    return doctest::String(s.c_str());
}

}  // namespace

namespace doctest {
template <>
struct StringMaker<Ids> {
    static String convert(const Ids& ids) { return Text(ids); }
};
}  // namespace doctest

TEST_CASE_FIXTURE(CBuilderFixture, "the main menu, with the test menu only while Test is on")
{
    const Ids main = {2306, 2307, 255,  2340, 2326, 2330, 255,  2318, 2335, 2336,
                      2338, 255,  2314, 2317, 255,  2312, 2310, 2311, 255,  2305,
                      4097, 4256, 255,  4106, 4107, 4108, 4105, 255,  250};
    g_Settings.Main_Test = 0;
    CHECK(Built(240) == main);
    g_Settings.Main_Test = 1;
    Ids withTest = main;
    withTest.push_back(255);
    withTest.push_back(2403);
    CHECK(Built(240) == withTest);

    CPopup popup(m_Menu_BuildPopup(240));
    REQUIRE(popup);
    SMENUITEM item;
    REQUIRE(popup->m_GetItemById(&item, 2306));
    CHECK(item.HasSubmenu == 1);
    CHECK(std::wstring(item.Text) == L"ファイル");
}

TEST_CASE_FIXTURE(CBuilderFixture, "the file menu's resume switches follow the open item's kind")
{
    struct SCASE {
        UINT type;
        Ids middle;
    };
    const SCASE cases[] = {
        {LIST_NONE, {255}},
        {LIST_SINGLE, {255, 4145, 255}},
        {LIST_FOLDER, {255, 4139, 4141, 4140, 255}},
        {LIST_M3U, {255}},
        {LIST_ZVPL, {255, 4143, 255}},
        {LIST_FOLDERLIST, {255, 4139, 4141, 4140, 255}},
    };
    for (const SCASE& c : cases) {
        CAPTURE(c.type);
        g_ListType = c.type;
        CHECK(FileMenuMiddle() == c.middle);
    }
    g_ListType = LIST_SINGLE;
    const Ids all = Built(2306);
    CHECK(all.front() == 4138u);
    CHECK(all.back() == 4127u);
    CHECK(all.size() == 21u);
}

TEST_CASE_FIXTURE(CBuilderFixture, "the file tools leave out what is not open")
{
    const wchar_t* list = L"C:\\Lists\\Mine.zvpl";
    const wchar_t* history = L"C:\\Data\\Default.zvpl";
    const wchar_t* media = L"C:\\Media\\clip.mp4";
    struct SCASE {
        UINT type;
        const wchar_t* listPath;
        const wchar_t* mediaPath;
        Ids ids;
    };
    const SCASE cases[] = {
        {LIST_NONE, L"", L"", {4156, 4165}},
        // A single file is its own open item; its media items would repeat it.
        {LIST_SINGLE, media, media, {4156, 4165, 4163, 4157, 4158, 4159}},
        {LIST_ZVPL, list, media, {4156, 4165, 4163, 4157, 4158, 4159, 4164, 4160, 4161, 4162}},
        {LIST_ZVPL, list, L"", {4156, 4165, 4163, 4157, 4158, 4159}},
        // The history playlist, whatever the case of its path.
        {LIST_ZVPL, L"c:\\data\\DEFAULT.zvpl", media, {4156, 4165, 4164, 4160, 4161, 4162}},
        {LIST_FOLDER, L"", media, {4156, 4165, 4164, 4160, 4161, 4162}},
    };
    lstrcpynW(g_DefaultPlaylistPath, history, MAX_PATH + 1);
    for (const SCASE& c : cases) {
        CAPTURE(c.type);
        g_ListType = c.type;
        lstrcpynW(g_ListPath, c.listPath, MAX_PATH + 1);
        lstrcpynW(g_MediaPath, c.mediaPath, MAX_PATH + 1);
        CHECK(Built(2307) == c.ids);
    }
}

TEST_CASE_FIXTURE(CBuilderFixture, "static menus in item order")
{
    struct SCASE {
        UINT menuId;
        Ids ids;
    };
    const SCASE cases[] = {
        {2305, {4098, 255, 4100, 4102, 4103, 255, 4101}},
        {2312, {4236, 4237, 4238, 4239, 4240, 4241, 4246, 4247, 4248, 4249, 4250}},
        {2314, {4696, 255, 4698, 4700, 4712, 255, 4746, 2315, 255, 4748, 2316}},
        {2327, {4225, 4221, 4222, 4223}},
        {2334, {9486, 9487, 9488, 9489}},
        {2341, {4256, 255, 4257}},
        {2342, {4435, 4436, 4437, 4438, 4439, 4440, 255, 4443, 4444, 4445, 255, 4446}},
        {2343, {4706, 255, 2328, 4710, 4709, 255, 4711, 4707}},
        {2344, {4699, 255, 4702, 4703, 255, 4700, 4712, 255, 4746, 2315, 255, 4717, 4718, 4719,
                255, 240}},
        {2345, {4246, 4247, 4248, 4249, 4250}},
        {2374, {4496, 4497, 255, 4498}},
        {2403, {4996, 4997, 4998, 4999}},
        {4607, {4608, 255, 4609, 4610, 4611, 255, 4614, 4612, 4613, 4616, 4615}},
        {4633, {4634, 4635, 4636, 4637}},
        {4656, {4657, 4658, 4659, 4660}},
    };
    for (const SCASE& c : cases) {
        CAPTURE(c.menuId);
        CHECK(Built(c.menuId) == c.ids);
    }
    // The block's play item is the view menu's emphasised one.
    CPopup view(m_Menu_BuildPopup(2344));
    REQUIRE(view);
    SMENUITEM item;
    REQUIRE(view->m_GetItemById(&item, 4702));
    CHECK(item.Bold == 1);
    REQUIRE(view->m_GetItemById(&item, 4703));
    CHECK(item.Bold == 0);
}

TEST_CASE_FIXTURE(CBuilderFixture, "the audio menu keeps the device list's hidden anchor")
{
    CPopup popup(m_Menu_BuildPopup(2329));
    REQUIRE(popup);
    const Ids ids = IdsOf(popup.get());
    REQUIRE(ids.size() >= 9u);
    CHECK(ids[0] == 4216u);
    CHECK(ids[1] == static_cast<UINT>(kMenuAnchorDevices));
    CHECK(ids.back() == 4217u);
    CHECK(popup->m_GetItemKind(1) == -1);
    CHECK(m_Menu_AfterAnchor(popup.get(), kMenuAnchorDevices) == 2);
}

TEST_CASE_FIXTURE(CBuilderFixture, "ids without a menu give no popup; favorites an empty one")
{
    for (UINT id : {0u, 1u, 255u, 2308u, 4097u, 4186u, 99999u}) {
        CAPTURE(id);
        CHECK(m_Menu_BuildPopup(id) == nullptr);
    }
    for (UINT id : {2319u, 2320u}) {
        CPopup popup(m_Menu_BuildPopup(id));
        REQUIRE(popup);
        CHECK(popup->m_MenuId == id);
        CHECK(popup->m_GetItemCount() == 0);
    }
}

TEST_CASE_FIXTURE(CBuilderFixture, "the last built repeat and balance popups are remembered")
{
    CPopup repeat(m_Menu_BuildPopup(2312));
    CPopup balance(m_Menu_BuildPopup(2327));
    REQUIRE(repeat);
    REQUIRE(balance);
    CHECK(m_Menu_Remembered(2312) == repeat.get());
    CHECK(m_Menu_Remembered(2327) == balance.get());
    CPopup again(m_Menu_BuildPopup(2312));
    CHECK(m_Menu_Remembered(2312) == again.get());
    // Not one of the remembered menus.
    CPopup control(m_Menu_BuildPopup(2305));
    CHECK(m_Menu_Remembered(2305) == nullptr);
}

TEST_CASE_FIXTURE(CBuilderFixture, "the submenu notice builds an item's submenu once, by its id")
{
    auto entry = std::make_unique<SMENUITEMENTRY>();
    entry->Item.Id = 2312;
    entry->Item.HasSubmenu = 1;
    CHECK(m_Menu_OnSubmenu(reinterpret_cast<WPARAM>(entry.get()), 0) == 1);
    CPopup sub(entry->Item.Submenu);
    REQUIRE(sub);
    CHECK(IdsOf(sub.get()).size() == 11u);
    // Already built: left as it is.
    CHECK(m_Menu_OnSubmenu(reinterpret_cast<WPARAM>(entry.get()), 0) == 0);
    CHECK(entry->Item.Submenu == sub.get());

    // Bad notices: no entry, ids without a menu, favorites items with no
    // favorites behind them.
    CHECK(m_Menu_OnSubmenu(0, 0) == 0);
    for (UINT id : {0u, 4097u, 12345u, 39768u, 40768u, 42767u}) {
        CAPTURE(id);
        auto other = std::make_unique<SMENUITEMENTRY>();
        other->Item.Id = id;
        other->Item.HasSubmenu = 1;
        CHECK(m_Menu_OnSubmenu(reinterpret_cast<WPARAM>(other.get()), 0) == 0);
        CHECK(other->Item.Submenu == nullptr);
    }
}
