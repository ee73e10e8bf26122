// The item list of a popup: insertion positions and the capacity, bad
// indexes and ids, item states, deleting with submenus, and indexes that
// follow a change.
#include <doctest/doctest.h>

#include <string>

#include "MenuFixture.h"

namespace {

int s_Deleted = 0;

class CCountedMenu : public CMenuPlus {
public:
    ~CCountedMenu() override { ++s_Deleted; }
};

std::wstring Ids(const CMenuPlus& p)
{
    std::wstring s;
    for (int i = 0; i < p.m_GetItemCount(); ++i) s += std::to_wstring(p.m_GetItemIdAt(i)) + L" ";
    return s;
}

void Fill(CMenuPlus& p, int n)
{
    for (int i = 0; i < n; ++i) {
        SMENUITEM it = m_TestItem(static_cast<UINT>(i + 1));
        p.m_InsertItem(&it, -1, 0);
    }
}

}  // namespace

TEST_CASE("insertion positions: out of range appends, later items move down")
{
    struct {
        int position, index;
        const wchar_t* order;
    } cases[] = {
        {5, 3, L"1 2 3 9 "},  {3, 3, L"1 2 3 9 "}, {-1, 3, L"1 2 3 9 "},
        {-7, 3, L"1 2 3 9 "}, {0, 0, L"9 1 2 3 "}, {1, 1, L"1 9 2 3 "},
    };
    for (const auto& c : cases) {
        CAPTURE(c.position);
        CMenuPlus p;
        Fill(p, 3);
        SMENUITEM it = m_TestItem(9);
        CHECK(p.m_InsertItem(&it, c.position, 0) == c.index);
        CHECK(Ids(p) == c.order);
    }
}

TEST_CASE("the 1001st insertion is refused and changes nothing")
{
    auto* p = new CMenuPlus;
    Fill(*p, kMenuMaxItems - 1);
    SMENUITEM it = m_TestItem(5000);
    CHECK(p->m_InsertItem(&it, -1, 0) == kMenuMaxItems - 1);
    it.Id = 5001;
    CHECK(p->m_InsertItem(&it, 0, 0) == -1);
    CHECK(p->m_InsertSeparator(-1) == -1);
    CHECK(p->m_GetItemCount() == kMenuMaxItems);
    CHECK(p->m_GetItemIdAt(0) == 1);
    CHECK(p->m_GetItemIdAt(kMenuMaxItems - 1) == 5000);
    CHECK(p->m_FindItem(5001) == -1);
    delete p;
}

TEST_CASE("a separator is kind 1 with id 255 and nothing else")
{
    CMenuPlus p;
    Fill(p, 2);
    CHECK(p.m_InsertSeparator(1) == 1);
    SMENUITEM out;
    REQUIRE(p.m_GetItem(&out, 1));
    SMENUITEM expected = {};
    expected.Kind = MENUKIND_SEPARATOR;
    expected.Id = kMenuSeparatorId;
    CHECK(memcmp(&out, &expected, sizeof(out)) == 0);
    CHECK(p.m_GetItemKind(1) == MENUKIND_SEPARATOR);
}

TEST_CASE("the record is copied whole, the reserved blocks included")
{
    CMenuPlus p;
    SMENUITEM it = m_TestItem(7, L"Label\tCtrl+L");
    memset(it.Block, 0xA5, sizeof(it.Block));
    memset(it.Reserved1, 0x5A, sizeof(it.Reserved1));
    it.RunAfterClose = 1;
    REQUIRE(p.m_InsertItem(&it, -1, 0) == 0);
    SMENUITEM out;
    REQUIRE(p.m_GetItemById(&out, 7));
    CHECK(memcmp(&out, &it, sizeof(it)) == 0);
    it.Checked = 1;
    CHECK(p.m_SetItemById(&it, 7, 0) == 1);
    REQUIRE(p.m_GetItem(&out, 0));
    CHECK(out.Checked == 1);
}

TEST_CASE("bad indexes and unknown ids return 0 or -1 and change nothing")
{
    CMenuPlus p;
    Fill(p, 3);
    SMENUITEM it = m_TestItem(9), out = {};
    for (int bad : {-1, 3, 1000}) {
        CAPTURE(bad);
        CHECK(p.m_SetItem(&it, bad, 0) == 0);
        CHECK(p.m_GetItem(&out, bad) == 0);
        CHECK(p.m_GetItemKind(bad) == -1);
        CHECK(p.m_GetItemIdAt(bad) == 0);
        CHECK(p.m_DeleteItem(bad, 0) == 0);
    }
    CHECK(p.m_SetItemById(&it, 42, 0) == 0);
    CHECK(p.m_GetItemById(&out, 42) == 0);
    CHECK(p.m_FindItem(42) == -1);
    CHECK(p.m_GetSubmenuById(42) == nullptr);
    CHECK(p.m_SetItemState(2, 42, 1, 0) == 0);
    RECT rc;
    CHECK(p.m_GetItemScreenRect(42, &rc) == 0);
    CHECK(p.m_InsertItem(nullptr, 0, 0) == -1);
    CHECK(Ids(p) == L"1 2 3 ");
}

TEST_CASE("item states: enabled stores the negation, values count as 0 or 1")
{
    CMenuPlus p;
    Fill(p, 1);
    SMENUITEM out;
    struct {
        int kind, value;
        UINT SMENUITEM::*field;
        UINT expected;
    } cases[] = {
        {0, 0, &SMENUITEM::Disabled, 1}, {0, 7, &SMENUITEM::Disabled, 0},
        {1, 3, &SMENUITEM::Bold, 1},     {2, -1, &SMENUITEM::Checked, 1},
        {2, 0, &SMENUITEM::Checked, 0},  {3, 2, &SMENUITEM::Expanded, 1},
    };
    for (const auto& c : cases) {
        CAPTURE(c.kind);
        CAPTURE(c.value);
        CHECK(p.m_SetItemState(c.kind, 1, c.value, 0) == 1);
        REQUIRE(p.m_GetItem(&out, 0));
        CHECK(out.*c.field == c.expected);
    }
    CHECK(p.m_SetItemState(4, 1, 1, 0) == 0);
}

TEST_CASE("deleting an item deletes its submenu; deleting all resets scrolling")
{
    s_Deleted = 0;
    CMenuPlus p;
    Fill(p, 2);
    SMENUITEM it = m_TestItem(50);
    it.Submenu = new CCountedMenu;
    m_MenuItem_SetHasSubmenu(&it, 1);
    REQUIRE(p.m_InsertItem(&it, 1, 0) == 1);
    CHECK(p.m_GetSubmenuById(50) == it.Submenu);
    CHECK(p.m_DeleteItem(1, 0) == 1);
    CHECK(s_Deleted == 1);
    CHECK(Ids(p) == L"1 2 ");

    // The item owns its submenu: deleting every item deletes it too.
    it.Submenu = new CCountedMenu;
    p.m_InsertItem(&it, -1, 0);
    p.m_Scrolling = 1;
    p.m_ScrollOffset = 40;
    CHECK(p.m_DeleteAllItems() == 1);
    CHECK(s_Deleted == 2);
    CHECK(p.m_GetItemCount() == 0);
    CHECK(p.m_Scrolling == 0);
    CHECK(p.m_ScrollOffset == 0);
    CHECK(p.m_DeleteAllItems() == 0);
}

TEST_CASE("a submenu pointer without its has-submenu field is not the item's")
{
    CMenuPlus p, other;
    SMENUITEM it = m_TestItem(5);
    it.Submenu = &other;  // not valid: the field says none
    p.m_InsertItem(&it, -1, 0);
    CHECK(p.m_GetSubmenuById(5) == nullptr);
    CHECK(p.m_DeleteItem(0, 0) == 1);  // and it is not deleted with the item
}

TEST_CASE("the selection follows insertions and deletions before it")
{
    CMenuPlus p;
    Fill(p, 5);
    p.m_SelIndex = 3;  // id 4
    SMENUITEM it = m_TestItem(9);
    p.m_InsertItem(&it, 1, 0);
    CHECK(p.m_GetItemIdAt(p.m_SelIndex) == 4);
    p.m_InsertItem(&it, 5, 0);  // after it: no change
    CHECK(p.m_GetItemIdAt(p.m_SelIndex) == 4);
    p.m_DeleteItem(0, 0);
    CHECK(p.m_GetItemIdAt(p.m_SelIndex) == 4);
    p.m_DeleteItem(p.m_SelIndex, 0);
    CHECK(p.m_SelIndex == -1);
}
