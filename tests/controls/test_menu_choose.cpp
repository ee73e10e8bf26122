// Choosing an item: radio groups, check boxes with Ctrl or the left column,
// when a choice closes the menu, and what the code 100 notice carries.
#include <doctest/doctest.h>

#include "MenuFixture.h"

namespace {

SMENUITEM Radio(UINT id, UINT group, UINT checked)
{
    SMENUITEM it = m_TestItem(id);
    it.CheckKind = MENUCHECK_RADIO;
    it.RadioGroup = group;
    it.Checked = checked;
    return it;
}

UINT Checked(CMenuPlus* p, int index)
{
    SMENUITEM it = {};
    p->m_GetItem(&it, index);
    return it.Checked;
}

// Chooses the item at index in the given part; returns the code 100 notices.
std::vector<SNotice> Choose(SMenuSetup& s, CMenuPlus* p, int index, UINT modifier,
                            UINT state = MENUSEL_BODY)
{
    s.Owner.m_Notices.clear();
    p->m_SelIndex = index;
    p->m_SelState = state;
    p->m_ChooseItem(modifier, 0);
    std::vector<SNotice> out;
    for (const SNotice& n : s.Owner.m_Of(WM_APP_MENUCOMMAND))
        if (n.WParam == MENUCODE_CHOSEN) out.push_back(n);
    return out;
}

}  // namespace

TEST_CASE("an unchecked radio item unchecks the others of its group, adjacent or not")
{
    SMenuSetup s;
    CMenuPlus* p = s.m_Popup(3, 0);
    REQUIRE(p);
    const SMENUITEM items[] = {Radio(1, 1, 1), m_TestItem(2),  Radio(3, 1, 0), Radio(4, 2, 1),
                               Radio(5, 1, 0), Radio(6, 0, 1), Radio(7, 0, 0)};
    for (const SMENUITEM& it : items) p->m_InsertItem(&it, -1, 0);

    CHECK(Choose(s, p, 4, 0, MENUSEL_LEFT).size() == 1);
    CHECK(Checked(p, 0) == 0);
    CHECK(Checked(p, 2) == 0);
    CHECK(Checked(p, 3) == 1);  // another group
    CHECK(Checked(p, 4) == 1);

    // Group 0 is a group like any other.
    Choose(s, p, 6, 1);
    CHECK(Checked(p, 6) == 1);
    CHECK(Checked(p, 5) == 0);
    CHECK(Checked(p, 4) == 1);

    // A checked radio item changes nothing and still notifies.
    const auto again = Choose(s, p, 4, 0, MENUSEL_LEFT);
    REQUIRE(again.size() == 1);
    CHECK(again[0].Block.ItemId == 5);
    CHECK(Checked(p, 4) == 1);
    CHECK(Checked(p, 6) == 1);
    delete p;
}

TEST_CASE("check boxes toggle by the left column or Ctrl, unless told not to")
{
    SMenuSetup s;
    CMenuPlus* p = s.m_Popup(3, 0);
    REQUIRE(p);
    SMENUITEM box = m_TestItem(1);
    box.CheckKind = MENUCHECK_BOX;
    SMENUITEM noMod = box, ownerToggles = box, disabled = box;
    noMod.Id = 2;
    noMod.NoToggleWithModifier = 1;
    ownerToggles.Id = 3;
    ownerToggles.OwnerToggles = 1;
    disabled.Id = 4;
    disabled.Disabled = 1;
    disabled.AlwaysNotify = 1;
    for (const SMENUITEM* it : {&box, &noMod, &ownerToggles, &disabled}) p->m_InsertItem(it, -1, 0);

    struct {
        int index;
        UINT modifier, state, checked, closes;
    } cases[] = {
        {0, 1, MENUSEL_BODY, 1, 0},  // Ctrl toggles and the menu stays
        {0, 1, MENUSEL_BODY, 0, 0},  // and back
        {0, 0, MENUSEL_LEFT, 1, 0},  // the left column toggles
        {0, 0, MENUSEL_BODY, 1, 1},  // a plain choice closes; the owner decides
        {1, 1, MENUSEL_BODY, 0, 0},  // no toggle with the modifier
        {1, 0, MENUSEL_LEFT, 1, 0},  // but by the left column
        {2, 0, MENUSEL_LEFT, 0, 0},  // the owner toggles
        {3, 1, MENUSEL_BODY, 0, 0},  // disabled: reported, never toggled
    };
    for (const auto& c : cases) {
        CAPTURE(c.index);
        CAPTURE(c.modifier);
        CAPTURE(c.state);
        const auto n = Choose(s, p, c.index, c.modifier, c.state);
        REQUIRE(n.size() == 1);
        CHECK(Checked(p, c.index) == c.checked);
        CHECK(n[0].Block.Closes == c.closes);
        CHECK(n[0].Block.Modifier == c.modifier);
    }
    delete p;
}

TEST_CASE("which choices close the menu")
{
    struct {
        const char* name;
        UINT modifier, state;
        void (*setup)(SMENUITEM*);
        UINT closes;
    } cases[] = {
        {"plain", 0, MENUSEL_BODY, [](SMENUITEM*) {}, 1},
        {"Ctrl", 1, MENUSEL_BODY, [](SMENUITEM*) {}, 0},
        {"Ctrl, close always", 1, MENUSEL_BODY, [](SMENUITEM* i) { i->CloseAlways = 1; }, 1},
        {"left column", 0, MENUSEL_LEFT, [](SMENUITEM*) {}, 0},
        {"level bar", 0, MENUSEL_BODY, [](SMENUITEM* i) { i->LevelBar = 1; }, 0},
        {"heading, always notify", 0, MENUSEL_BODY,
         [](SMENUITEM* i) { i->Kind = MENUKIND_HEADING, i->AlwaysNotify = 1; }, 0},
        {"split submenu", 0, MENUSEL_BODY,
         [](SMENUITEM* i) { i->HasSubmenu = 1, i->SplitSubmenu = 1; }, 1},
        {"disabled, always notify", 0, MENUSEL_BODY,
         [](SMENUITEM* i) { i->Disabled = 1, i->AlwaysNotify = 1; }, 0},
    };
    for (const auto& c : cases) {
        CAPTURE(c.name);
        SMenuSetup s;
        CMenuPlus* p = s.m_Popup(3, 0);
        REQUIRE(p);
        SMENUITEM it = m_TestItem(1);
        c.setup(&it);
        p->m_InsertItem(&it, -1, 0);
        const auto n = Choose(s, p, 0, c.modifier, c.state);
        REQUIRE(n.size() == 1);
        CHECK(n[0].Block.Closes == c.closes);
        delete p;
    }
}

TEST_CASE("choices that report nothing")
{
    struct {
        const char* name;
        UINT modifier;
        void (*setup)(SMENUITEM*);
    } cases[] = {
        {"separator", 0, [](SMENUITEM* i) { i->Kind = MENUKIND_SEPARATOR; }},
        {"heading", 0, [](SMENUITEM* i) { i->Kind = MENUKIND_HEADING; }},
        {"disabled", 0, [](SMENUITEM* i) { i->Disabled = 1; }},
        {"middle button without its field", 2, [](SMENUITEM*) {}},
    };
    for (const auto& c : cases) {
        CAPTURE(c.name);
        SMenuSetup s;
        CMenuPlus* p = s.m_Popup(3, 0);
        REQUIRE(p);
        SMENUITEM it = m_TestItem(1);
        c.setup(&it);
        p->m_InsertItem(&it, -1, 0);
        CHECK(Choose(s, p, 0, c.modifier).empty());
        CHECK(Choose(s, p, -1, 0).empty());
        delete p;
    }
}

TEST_CASE("the chosen notice carries the menu, the item and the popup")
{
    SMenuSetup s;
    CMenuPlus* p = s.m_Popup(77, 2);
    REQUIRE(p);
    SMENUITEM mid = m_TestItem(9);
    mid.MiddleButton = 1;
    mid.RunAfterClose = 1;
    p->m_InsertItem(&mid, -1, 0);
    const auto n = Choose(s, p, 2, 2);
    REQUIRE(n.size() == 1);
    const SMENUNOTIFY& b = n[0].Block;
    CHECK(b.MenuId == 77);
    CHECK(b.Index == 2);
    CHECK(b.ToIndex == 0);
    CHECK(b.ItemId == 9);
    CHECK(b.Modifier == 2);
    CHECK(b.Closes == 0);
    CHECK(b.RunAfterClose == 1);
    CHECK(b.Popup == p);
    CHECK(b.PopupWindow == p->m_GetHwnd());
    CHECK(b.Item == p->m_pItems[2]);
    CHECK(p->m_Result == 2);
    // The selection is announced (code 200) before the choice (code 100).
    const auto all = s.Owner.m_Of(WM_APP_MENUCOMMAND);
    REQUIRE(all.size() == 2);
    CHECK(all[0].WParam == MENUCODE_SELCHANGED);
    CHECK(all[0].Block.Item == nullptr);
    delete p;
}
