// Popup menu layout: widths with their extra amount, heights with row
// gaps, item parts, scrolling and the thumb, and the arithmetic behind them.
#include <doctest/doctest.h>

#include "MenuFixture.h"
#include "controls/MenuMath.h"

namespace {

// Lays the popup out for an area of the given height.
void LayOut(CMenuPlus* p, int areaHeight = 1000)
{
    p->m_Area = RECT{0, 0, 1920, areaHeight};
    p->m_Layout(0, 1);
}

int Width(const RECT& r) { return r.right - r.left; }

SMENUITEM Command(UINT id, const wchar_t* text) { return m_TestItem(id, text); }

}  // namespace

TEST_CASE("the popup width is the widest item plus an extra that shrinks toward the maximum")
{
    struct {
        int widest, average, extra, sizePercent, minW, maxW, full, expected;
    } cases[] = {
        {200, 200, 16, 0, 0, 800, 0, 212},    // (800 - 200) x 16 / 800 = 12
        {100, 100, 16, 0, 150, 800, 0, 150},  // within the minimum: +16, then held at it
        {900, 900, 16, 0, 0, 800, 0, 800},    // beyond the maximum: no extra, held at it
        {300, 100, 16, 0, 0, 800, 0, 200},    // twice the average is smaller
        {200, 200, 16, 0, 0, 800, 250, 250},  // never narrower than a full-width item
        {200, 200, 16, 150, 0, 800, 0, 318},  // the size percent scales the result
    };
    for (const auto& c : cases) {
        const int extra = m_MenuExtraWidth(c.widest, c.minW, c.maxW, c.extra);
        CHECK(m_MenuPopupWidth(c.widest, c.average, 2.0, extra, c.sizePercent, c.minW, c.maxW,
                               c.full) == c.expected);
    }
}

TEST_CASE("a popup of one item is that item's width plus the extra width")
{
    SMenuSetup s;
    CMenuPlus* p = s.m_Popup(7, 1);
    REQUIRE(p);
    LayOut(p);
    const int widest = p->m_WidestItem;
    CHECK(widest > 0);
    CHECK(p->m_Width == widest + (800 - widest) * 16 / 800);
    CHECK(p->m_GetItemHeight() == 2 + 24 / 2);  // preset 3: padding 2, row 24
}

TEST_CASE("row gaps lie between adjacent commands only; headings are shorter first")
{
    SMenuSetup s;
    CMenuPlus* p = s.m_Popup(7, 11);
    REQUIRE(p);
    LayOut(p);
    CHECK(p->m_TotalHeight == 2 * 2 + 11 * 24 + 10 * 1);
    CHECK(p->m_GetContentHeight() == UINT(p->m_TotalHeight));

    p->m_InsertSeparator(5);  // removes the gap on both sides
    LayOut(p);
    CHECK(p->m_TotalHeight == 2 * 2 + 11 * 24 + 9 * 1 + (1 + 2 * 2));
    CHECK(p->m_pItems[6]->Rect.top == p->m_pItems[5]->Rect.bottom);

    SMENUITEM heading = Command(50, L"Heading");
    heading.Kind = MENUKIND_HEADING;
    p->m_InsertItem(&heading, 0, 0);
    p->m_InsertItem(&heading, 3, 0);
    LayOut(p);
    CHECK(p->m_pItems[0]->Height == 24);
    CHECK(p->m_pItems[3]->Height == 26);
    CHECK(p->m_pItems[1]->Rect.top == p->m_pItems[0]->Rect.bottom);  // no gap after a heading
}

TEST_CASE("labels and shortcuts are split at the TAB and cut to their fields")
{
    SMenuSetup s;
    CMenuPlus* p = s.m_Popup(7, 0);
    REQUIRE(p);
    SMENUITEM it = Command(1, L"Open\tCtrl+O");
    p->m_InsertItem(&it, -1, 0);
    SMENUITEM full = {};
    for (wchar_t& c : full.Text) c = L'x';  // no terminator at all
    p->m_InsertItem(&full, -1, 0);
    SMENUITEM longCut = {};
    wcscpy(longCut.Text, L"A\t");
    for (int i = 2; i < 127; ++i) longCut.Text[i] = L'k';
    p->m_InsertItem(&longCut, -1, 0);
    LayOut(p);

    const SMENUITEMENTRY* e = p->m_pItems[0];
    CHECK(std::wstring(e->Label) == L"Open");
    CHECK(std::wstring(e->Shortcut) == L"Ctrl+O");
    CHECK(e->ShortcutRect.right == e->Rect.right - 6);  // the wide right inset
    CHECK(e->ShortcutRect.left > e->LabelRect.left + e->LabelSize.cx);
    CHECK(wcslen(p->m_pItems[1]->Label) == 127);
    CHECK(wcslen(p->m_pItems[2]->Shortcut) == 63);
}

TEST_CASE("item parts take their places from the right edge")
{
    SMenuSetup s;
    CMenuPlus* p = s.m_Popup(7, 0);
    REQUIRE(p);
    SMENUITEM sub = Command(1, L"More");
    m_MenuItem_SetHasSubmenu(&sub, 1);
    p->m_InsertItem(&sub, -1, 0);
    SMENUITEM parts = Command(2, L"Track");
    parts.Movable = parts.ConfirmButton = 1;
    parts.CheckKind = MENUCHECK_BOX;
    p->m_InsertItem(&parts, -1, 0);
    SMENUITEM level = Command(3, L"Volume");
    level.LevelBar = 1;
    level.BarWidth = 60;
    p->m_InsertItem(&level, -1, 0);
    LayOut(p);

    const SMENUITEMENTRY* a = p->m_pItems[0];
    CHECK(a->SubmenuRect.right == a->Rect.right - 2);  // the narrow inset beside parts
    CHECK(Width(a->SubmenuRect) == 22);
    const SMENUITEMENTRY* b = p->m_pItems[1];
    CHECK(Width(b->CheckRect) == 24);
    CHECK(b->LabelRect.left == b->CheckRect.right + 2 + 7);
    CHECK(b->GripRect.right == b->ConfirmRect.left + 1);  // parts overlap by one pixel
    const SMENUITEMENTRY* c = p->m_pItems[2];
    CHECK(Width(c->LevelRect) == 60 + 2 * 20);
    CHECK(c->LevelEndRect[0].left == c->LevelRect.left);
    CHECK(c->LevelEndRect[1].right == c->LevelRect.right);
    // Every item lies inside the popup.
    for (int i = 0; i < 3; ++i) CHECK(p->m_pItems[i]->Rect.right <= p->m_Width - 2);
}

TEST_CASE("a popup taller than its area scrolls with a thumb of at least 10 px")
{
    SMenuSetup s;
    CMenuPlus* p = s.m_Popup(7, 200);
    REQUIRE(p);
    LayOut(p, 400);
    REQUIRE(p->m_Scrolling == 1);
    CHECK(p->m_WindowHeight == 400);
    CHECK(p->m_ScrollRange == p->m_TotalHeight - 400);
    CHECK(p->m_TrackLength == 400 - 2 * 3 - 2 * 2);
    CHECK(p->m_ThumbLength ==
          std::max(10, int(std::lround(400.0 / p->m_TotalHeight * p->m_TrackLength))));
    CHECK(p->m_ThumbLength >= 10);
    // Items leave room for the bar.
    CHECK(p->m_pItems[0]->Rect.right == p->m_ScrollBarRect.left);

    LayOut(p, 1000000);
    CHECK(p->m_Scrolling == 0);
    CHECK(p->m_WindowHeight == p->m_TotalHeight);
}

TEST_CASE("scroll ratios are held within 0..1 and survive a new layout")
{
    SMenuSetup s;
    CMenuPlus* p = s.m_Popup(7, 100);
    REQUIRE(p);
    LayOut(p, 300);
    REQUIRE(p->m_Scrolling);
    int scrolls = 0;
    CHECK(p->m_SetScrollRatio(1.5, 0));
    CHECK(p->m_ScrollOffset == p->m_ScrollRange);
    CHECK(p->m_ThumbPos == p->m_ThumbRange);
    CHECK(p->m_GetScrollRatio(&scrolls) == doctest::Approx(1.0));
    CHECK(scrolls == 1);
    CHECK(p->m_SetScrollRatio(-2.0, 0));
    CHECK(p->m_ScrollOffset == 0);

    p->m_SetPendingScrollRatio(0.5);
    LayOut(p, 300);
    CHECK(p->m_ScrollOffset == int(std::lround(0.5 * p->m_ScrollRange)));
    CHECK(p->m_PendingScrollRatio < 0);
    const int kept = p->m_ScrollOffset;
    LayOut(p, 300);  // the thumb stays where it was
    CHECK(std::abs(p->m_ScrollOffset - kept) <= p->m_ScrollRange / p->m_ThumbRange + 1);

    LayOut(p, 100000);
    CHECK_FALSE(p->m_SetScrollRatio(0.5, 0));
    CHECK(p->m_GetScrollRatio(&scrolls) == 0.0);
    CHECK(scrolls == 0);
}

TEST_CASE("thumb positions and offsets map onto each other within their ranges")
{
    CHECK(m_MenuThumbLength(400, 4000, 390) == 39);
    CHECK(m_MenuThumbLength(100, 100000, 90) == 10);
    CHECK(m_MenuThumbLength(100, 0, 90) == 0);
    CHECK(m_MenuOffsetToThumb(1800, 3600, 351) == 176);
    CHECK(m_MenuOffsetToThumb(9999, 3600, 351) == 351);
    CHECK(m_MenuThumbToOffset(351, 351, 3600) == 3600);
    CHECK(m_MenuThumbToOffset(-5, 351, 3600) == 0);
    CHECK(m_MenuThumbToOffset(10, 0, 3600) == 0);  // an empty track divides by nothing
}

TEST_CASE("wheel steps grow for quick notches, and a zero interval is one plain notch")
{
    struct {
        int delta;
        bool previous;
        DWORD elapsed;
        int steps;
    } cases[] = {
        {-120, false, 0, 1}, {120, false, 0, -1}, {-240, true, 200, 2}, {-120, true, 30, 3},
        {-120, true, 0, 1},  {-120, true, 89, 1}, {-120, true, 20, 5},  {-60, true, 10, 0},
    };
    for (const auto& c : cases) CHECK(m_MenuWheelSteps(c.delta, c.previous, c.elapsed) == c.steps);
}

TEST_CASE("the drop index follows the middles of the movable run")
{
    SMENUITEMENTRY entries[5] = {};
    SMENUITEMENTRY* items[5];
    for (int i = 0; i < 5; ++i) {
        entries[i].Rect = RECT{0, 2 + 25 * i, 100, 26 + 25 * i};
        items[i] = &entries[i];
    }
    // Run 1..3: middles at 39, 64, 89.
    struct {
        int y, drop;
    } cases[] = {{0, 1}, {38, 1}, {39, 2}, {63, 2}, {64, 3}, {88, 3}, {89, 4}, {500, 4}};
    for (const auto& c : cases) CHECK(m_MenuDropIndex(items, 1, 3, c.y, 24) == c.drop);
    CHECK(m_MenuDropIndex(items, -1, 3, 10, 24) == -1);
}
