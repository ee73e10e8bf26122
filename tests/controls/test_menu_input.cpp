// Popup menu input on a shown popup, driven through its handlers: keys
// (wrapping, pages, Ctrl+Enter, the left part, keys for the owner), presses
// (parts, long presses, confirm buttons, level-bar repetition, outside),
// drags of items and the wheel.
#include <doctest/doctest.h>

#include "MenuFixture.h"
#include "controls/MenuMath.h"
#include "controls/MenuPaint.h"

namespace {

constexpr LPARAM kRepeated = 1 << 30;

// Makes the popup a shown root at 200, 200 whose loop is not running. Its
// window stays hidden: the handlers need no visible window, and behaviour
// tests running beside these on the same desktop must not meet it.
void Show(CMenuPlus* p, int areaHeight = 0)
{
    p->m_PlacementMode = MENUPLACE_TOPLEFT;
    p->m_TrackPoint = {200, 200};
    p->m_ComputeArea();
    if (areaHeight > 0) p->m_Area.bottom = p->m_Area.top + areaHeight;
    p->m_Layout(0, 1);
    p->m_PlaceWindow();
    p->m_Shown = 1;
    p->m_pRootPopup = p;
    p->m_hWndChain = p->m_hWndKeyTarget = p->m_GetHwnd();
}

// Client point at the middle of a rectangle in content coordinates.
POINT At(CMenuPlus* p, const RECT& r)
{
    const POINT o = m_MenuBodyOrigin(*p);
    return POINT{o.x + (r.left + r.right) / 2, o.y + (r.top + r.bottom) / 2 - p->m_ScrollOffset};
}
POINT AtItem(CMenuPlus* p, int index) { return At(p, p->m_pItems[index]->Rect); }

void Click(CMenuPlus* p, POINT pt, WPARAM keys = 0)
{
    p->m_OnMouseMove(0, pt);
    p->m_OnLButtonDown(MK_LBUTTON, pt);
    p->m_OnLButtonUp(keys, pt);
}

std::vector<SNotice> Commands(SMenuSetup& s, WPARAM code)
{
    std::vector<SNotice> out;
    for (const SNotice& n : s.Owner.m_Of(WM_APP_MENUCOMMAND))
        if (n.WParam == code) out.push_back(n);
    return out;
}

void Add(CMenuPlus* p, SMENUITEM it) { p->m_InsertItem(&it, -1, 0); }

void SetCtrl(bool down)
{
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = down ? 0x80 : 0;
    SetKeyboardState(keys);
}

}  // namespace

TEST_CASE("arrow keys skip non-commands, wrap once pressed and stop when held")
{
    SMenuSetup s;
    CMenuPlus* p = s.m_Popup(5, 0);
    REQUIRE(p);
    Add(p, m_TestItem(1, L"First"));
    p->m_InsertSeparator(-1);
    Add(p, m_TestItem(3, L"Middle"));
    SMENUITEM heading = m_TestItem(4, L"Heading");
    heading.Kind = MENUKIND_HEADING;
    Add(p, heading);
    Add(p, m_TestItem(5, L"Last"));
    Show(p);

    struct {
        UINT vk;
        LPARAM lParam;
        int selected;
    } steps[] = {
        {VK_DOWN, 0, 0}, {VK_DOWN, 0, 2},       {VK_DOWN, 0, 4}, {VK_DOWN, kRepeated, 4},
        {VK_DOWN, 0, 0}, {VK_UP, kRepeated, 0}, {VK_UP, 0, 4},   {VK_HOME, 0, 0},
        {VK_END, 0, 4},  {VK_PRIOR, 0, 0},      {VK_NEXT, 0, 4},
    };
    for (const auto& st : steps) {
        p->m_OnKeyDown(st.vk, st.lParam);
        CHECK(p->m_SelIndex == st.selected);
    }
    delete p;
}

TEST_CASE("Ctrl+Enter toggles a check item and leaves the menu open; Enter chooses and closes")
{
    SMenuSetup s;
    CMenuPlus* p = s.m_Popup(5, 0);
    REQUIRE(p);
    SMENUITEM check = m_TestItem(1, L"Check");
    check.CheckKind = MENUCHECK_BOX;
    Add(p, check);
    Add(p, m_TestItem(2, L"Plain"));
    Show(p);

    p->m_OnKeyDown(VK_DOWN, 0);
    SetCtrl(true);
    p->m_OnKeyDown(VK_RETURN, 0);
    SetCtrl(false);
    CHECK(p->m_pItems[0]->Item.Checked == 1);
    REQUIRE(Commands(s, MENUCODE_CHOSEN).size() == 1);
    CHECK(Commands(s, MENUCODE_CHOSEN)[0].Block.Modifier == 1);
    CHECK(Commands(s, MENUCODE_CHOSEN)[0].Block.Closes == 0);
    CHECK(p->m_Shown == 1);

    // After key navigation Ctrl alone moves to the check column, and a
    // plain Enter there toggles without closing too.
    SetCtrl(true);
    p->m_OnKeyDown(VK_CONTROL, 0);
    SetCtrl(false);
    CHECK(p->m_SelState == MENUSEL_LEFT);
    p->m_OnKeyDown(VK_RETURN, 0);
    CHECK(p->m_pItems[0]->Item.Checked == 0);
    CHECK(p->m_Shown == 1);
    p->m_OnKeyUp(VK_CONTROL, 0);
    CHECK(p->m_SelState == MENUSEL_BODY);

    p->m_OnKeyDown(VK_DOWN, 0);
    p->m_OnKeyDown(VK_RETURN, 0);
    CHECK(Commands(s, MENUCODE_CHOSEN).back().Block.ItemId == 2);
    CHECK(Commands(s, MENUCODE_CHOSEN).back().Block.Closes == 1);
    CHECK(p->m_EndLoop == 1);
    delete p;
}

TEST_CASE("a key the menu does not use reaches the owner and the menu stays; Esc ends it")
{
    SMenuSetup s;
    CMenuPlus* p = s.m_Popup(5, 2);
    REQUIRE(p);
    Show(p);
    p->m_OnKeyDown('A', 0x1E0001);
    p->m_OnKeyDown(VK_F10, 0);
    const auto keys = s.Owner.m_Of(WM_KEYDOWN);
    REQUIRE(keys.size() == 1);
    CHECK(keys[0].WParam == 'A');
    CHECK(keys[0].LParam == 0x1E0001);
    CHECK(p->m_Shown == 1);
    p->m_OnKeyDown(VK_ESCAPE, 0);
    CHECK(p->m_EndLoop == 1);
    CHECK(p->m_Result == -1);
    CHECK(Commands(s, MENUCODE_CHOSEN).empty());
    delete p;
}

TEST_CASE("the pointer selects items and their parts; a press away from its item chooses nothing")
{
    SMenuSetup s;
    CMenuPlus* p = s.m_Popup(5, 0);
    REQUIRE(p);
    SMENUITEM check = m_TestItem(1, L"Check");
    check.CheckKind = MENUCHECK_BOX;
    Add(p, check);
    SMENUITEM sub = m_TestItem(2, L"Sub");
    m_MenuItem_SetHasSubmenu(&sub, 1);
    Add(p, sub);
    Add(p, m_TestItem(3, L"Plain"));
    Show(p);

    p->m_OnMouseMove(0, At(p, p->m_pItems[0]->CheckRect));
    CHECK(p->m_SelIndex == 0);
    CHECK(p->m_SelState == MENUSEL_LEFT);
    p->m_OnMouseMove(0, At(p, p->m_pItems[1]->SubmenuRect));
    CHECK(p->m_SelIndex == 1);
    CHECK(p->m_SelState == MENUSEL_BODY);  // a submenu that is not split has no parts

    // The left column toggles and stays open.
    Click(p, At(p, p->m_pItems[0]->CheckRect));
    CHECK(p->m_pItems[0]->Item.Checked == 1);
    CHECK(p->m_Shown == 1);

    // Pressed on one item, released on another: nothing chosen.
    s.Owner.m_Notices.clear();
    p->m_OnMouseMove(0, AtItem(p, 0));
    p->m_OnLButtonDown(MK_LBUTTON, AtItem(p, 0));
    p->m_OnMouseMove(MK_LBUTTON, AtItem(p, 2));
    p->m_OnLButtonUp(0, AtItem(p, 2));
    CHECK(Commands(s, MENUCODE_CHOSEN).empty());

    // Held for the long-press time: the release chooses nothing either.
    p->m_OnLButtonDown(MK_LBUTTON, AtItem(p, 2));
    p->m_OnTimer(MENUTIMER_LONGPRESS);
    p->m_OnLButtonUp(0, AtItem(p, 2));
    CHECK(Commands(s, MENUCODE_CHOSEN).empty());
    CHECK(p->m_Shown == 1);

    Click(p, AtItem(p, 2));
    REQUIRE(Commands(s, MENUCODE_CHOSEN).size() == 1);
    CHECK(Commands(s, MENUCODE_CHOSEN)[0].Block.Closes == 1);
    delete p;
}

TEST_CASE("presses outside the popup dismiss it with the button's code")
{
    for (UINT button : {1u, 2u}) {
        SMenuSetup s;
        CMenuPlus* p = s.m_Popup(5, 3);
        REQUIRE(p);
        Show(p);
        const POINT outside = {p->m_Width + 300, 10};
        // A press on the popup's own padding is no press outside.
        const POINT padding = At(p, RECT{0, 0, 1, 1});
        if (button == 1) {
            p->m_OnLButtonDown(MK_LBUTTON, padding);
            CHECK(p->m_Shown == 1);
            p->m_OnLButtonDown(MK_LBUTTON, outside);
        } else {
            p->m_OnRButtonDown(MK_RBUTTON, outside);
        }
        s.Owner.m_Pump();
        const auto dismissed = s.Owner.m_Of(WM_APP_MENUDISMISSED);
        REQUIRE(dismissed.size() == 1);
        CHECK(dismissed[0].WParam == button);
        CHECK(p->m_Result == -1);
        CHECK(p->m_EndLoop == 1);
        delete p;
    }
}

TEST_CASE("a confirm button needs two clicks; a level-bar end repeats while held")
{
    SMenuSetup s;
    CMenuPlus* p = s.m_Popup(5, 0);
    REQUIRE(p);
    SMENUITEM confirm = m_TestItem(1, L"Delete");
    confirm.ConfirmButton = 1;
    Add(p, confirm);
    SMENUITEM level = m_TestItem(2, L"Volume");
    level.LevelBar = 1;
    level.BarWidth = 40;
    Add(p, level);
    Show(p);

    const POINT button = At(p, p->m_pItems[0]->ConfirmRect);
    Click(p, button);
    CHECK(Commands(s, MENUCODE_CHOSEN).empty());
    CHECK(p->m_SelState == MENUSEL_CONFIRM);
    Click(p, button);
    REQUIRE(Commands(s, MENUCODE_CHOSEN).size() == 1);
    CHECK(Commands(s, MENUCODE_CHOSEN)[0].Block.SelState == MENUSEL_CONFIRM);

    s.Owner.m_Notices.clear();
    const POINT plus = At(p, p->m_pItems[1]->LevelEndRect[1]);
    p->m_OnMouseMove(0, plus);
    p->m_OnLButtonDown(MK_LBUTTON, plus);
    p->m_OnTimer(MENUTIMER_REPEATFIRST);
    p->m_OnTimer(MENUTIMER_REPEAT);
    p->m_OnLButtonUp(0, plus);
    p->m_OnTimer(MENUTIMER_REPEAT);  // released: no more
    const auto chosen = Commands(s, MENUCODE_CHOSEN);
    REQUIRE(chosen.size() == 3);
    CHECK(chosen[0].Block.Repeat == 0);
    CHECK(chosen[1].Block.Repeat == 1);
    CHECK(chosen[2].Block.SelState == MENUSEL_LEVELRIGHT);
    CHECK(chosen[2].Block.Closes == 0);
    CHECK(p->m_Shown == 1);
    delete p;
}

TEST_CASE("dragging an item reports the move unless it is dropped where it already is")
{
    SMenuSetup s;
    CMenuPlus* p = s.m_Popup(5, 0);
    REQUIRE(p);
    Add(p, m_TestItem(1, L"Fixed"));
    for (UINT id = 2; id <= 5; ++id) {
        SMENUITEM it = m_TestItem(id, L"Track");
        it.Movable = 1;
        Add(p, it);
    }
    Show(p);

    auto drag = [&](int from, POINT to) {
        const POINT grip = At(p, p->m_pItems[from]->GripRect);
        p->m_OnMouseMove(0, grip);
        p->m_OnLButtonDown(MK_LBUTTON, grip);
        CHECK(p->m_Dragging == 1);
        CHECK(p->m_MovableFirst == 1);  // the fixed item is outside the run
        CHECK(p->m_MovableLast == 4);
        p->m_OnMouseMove(MK_LBUTTON, to);
        p->m_OnLButtonUp(0, to);
        CHECK(p->m_Dragging == 0);
    };
    // Just below its own middle: the gap right below itself.
    const RECT& r2 = p->m_pItems[2]->Rect;
    drag(2, At(p, RECT{r2.left, r2.bottom, r2.right, r2.bottom}));
    CHECK(Commands(s, MENUCODE_MOVED).empty());
    CHECK(Commands(s, MENUCODE_CHOSEN).empty());

    drag(2, At(p, p->m_pItems[4]->Rect));
    drag(2, AtItem(p, 0));
    const auto moved = Commands(s, MENUCODE_MOVED);
    REQUIRE(moved.size() == 2);
    CHECK(moved[0].Block.Index == 2);
    CHECK(moved[0].Block.ToIndex == 5);  // at or below the last middle: after the run
    CHECK(moved[0].Block.ItemId == 3);
    CHECK(moved[1].Block.ToIndex == 1);  // above the run: its first index
    delete p;
}

TEST_CASE("wheel notches scroll two rows each, also two within the same millisecond")
{
    SMenuSetup s;
    CMenuPlus* p = s.m_Popup(5, 200);
    REQUIRE(p);
    Show(p, 400);
    REQUIRE(p->m_Scrolling);
    const int pitch = 24 + 1;
    p->m_SmoothScroll = 0;
    // Called outside a message: both carry the same message time.
    p->m_OnMouseWheel(-WHEEL_DELTA);
    p->m_OnMouseWheel(-WHEEL_DELTA);
    CHECK(p->m_ScrollOffset == 2 * 2 * pitch);
    p->m_OnMouseWheel(10 * WHEEL_DELTA);
    CHECK(p->m_ScrollOffset == 0);

    p->m_SmoothScroll = 1;
    p->m_OnMouseWheel(-WHEEL_DELTA);
    CHECK(p->m_ScrollTarget == 2 * pitch);
    int ticks = 0;
    while (p->m_ScrollTarget >= 0 && ticks < 100) {
        p->m_OnTimer(MENUTIMER_SCROLL);
        ++ticks;
    }
    CHECK(p->m_ScrollOffset == 2 * pitch);
    CHECK(ticks > 1);
    CHECK(ticks < 20);

    // Keys keep the selection in view.
    p->m_SmoothScroll = 0;
    p->m_OnKeyDown(VK_END, 0);
    CHECK(p->m_ScrollOffset == p->m_ScrollRange);
    p->m_OnKeyDown(VK_PRIOR, 0);
    CHECK(p->m_SelIndex < 199);
    CHECK(p->m_pItems[p->m_SelIndex]->Rect.top >= p->m_ScrollOffset);
    delete p;
}
