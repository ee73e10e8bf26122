// Popup menu painting: what the content and overlay images hold after a
// layout, the composed window picture (premultiplied, highlight, scrolled
// band, drop line), labels that were cut, and the highlight fades.
#include <doctest/doctest.h>

#include "MenuFixture.h"
#include "controls/MenuPaint.h"

namespace {

void LayOut(CMenuPlus* p, int areaHeight = 1000)
{
    p->m_Area = RECT{0, 0, 1920, areaHeight};
    p->m_Layout(0, 1);
}

void Add(CMenuPlus* p, SMENUITEM it) { p->m_InsertItem(&it, -1, 0); }

// Pixels of the image inside r with an alpha of at least minAlpha.
int Inked(const CArgbImage& img, RECT r, int minAlpha = 1)
{
    int n = 0;
    for (int y = std::max(0L, r.top); y < std::min<LONG>(img.m_Height, r.bottom); ++y)
        for (int x = std::max(0L, r.left); x < std::min<LONG>(img.m_Width, r.right); ++x)
            if (int(img.m_Row(y)[x] >> 24) >= minAlpha) ++n;
    return n;
}

uint32_t PictureAt(CMenuPlus* p, int localX, int localY)
{
    const POINT o = m_MenuBodyOrigin(*p);
    return p->m_Picture.m_Row(o.y + localY)[o.x + localX];
}

// Dark pixels of the picture where the item's label lies in the window.
int DarkInLabel(CMenuPlus* p, int index)
{
    const SMENUITEMENTRY* e = p->m_pItems[index];
    const int top = e->Rect.top - p->m_ScrollOffset;
    int dark = 0;
    for (int y = std::max(0, top); y < std::min(top + 24, p->m_WindowHeight); ++y)
        for (int x = e->LabelRect.left; x < e->LabelRect.left + e->LabelSize.cx; ++x)
            if ((PictureAt(p, x, y) & 0xFF) < 0x60) ++dark;
    return dark;
}

}  // namespace

TEST_CASE("the content holds the labels, the overlay the check marks and arrows")
{
    SMenuSetup s;
    CMenuPlus* p = s.m_Popup(5, 0);
    REQUIRE(p);
    SMENUITEM check = m_TestItem(1, L"Checked");
    check.CheckKind = MENUCHECK_BOX;
    check.Checked = 1;
    Add(p, check);
    SMENUITEM plain = m_TestItem(2, L"Plain");
    Add(p, plain);
    SMENUITEM sub = m_TestItem(3, L"Sub");
    m_MenuItem_SetHasSubmenu(&sub, 1);
    Add(p, sub);
    LayOut(p);

    REQUIRE(p->m_Content.m_Width == p->m_Width);
    REQUIRE(p->m_Content.m_Height == p->m_TotalHeight);
    CHECK(p->m_Overlay.m_Height == p->m_TotalHeight);
    const SMENUITEMENTRY* a = p->m_pItems[0];
    const SMENUITEMENTRY* b = p->m_pItems[1];
    CHECK(Inked(p->m_Content, a->LabelRect, 200) > 10);  // dark, opaque text
    CHECK(Inked(p->m_Overlay, a->CheckRect) > 10);
    CHECK(Inked(p->m_Overlay, p->m_pItems[2]->SubmenuRect) > 5);
    // A plain item has no mark; its body right of the label stays empty.
    const RECT beside = {b->LabelRect.left + b->LabelSize.cx + 2, b->Rect.top, b->Rect.right,
                         b->Rect.bottom};
    CHECK(Inked(p->m_Content, beside) == 0);
    delete p;
}

TEST_CASE("a label wider than the popup is cut and remembered as cut")
{
    SMenuSetup s;
    SMENUSTYLE style;
    s.Manager.m_GetStyle(&style);
    style.MaxWidth = 120;
    s.Manager.m_SetStyle(&style, 0, nullptr);
    CMenuPlus* p = s.m_Popup(5, 0);
    REQUIRE(p);
    Add(p, m_TestItem(1, L"A very long label that cannot fit into this narrow popup"));
    Add(p, m_TestItem(2, L"Short"));
    LayOut(p);
    CHECK(p->m_Width == 120);
    CHECK(p->m_pItems[0]->TextCut == 1);
    CHECK(p->m_pItems[1]->TextCut == 0);
    // Nothing is drawn past the label's rectangle.
    const RECT& l = p->m_pItems[0]->LabelRect;
    CHECK(Inked(p->m_Content, RECT{l.right, l.top, p->m_Width, l.bottom}) == 0);
    delete p;
}

TEST_CASE("the window picture is premultiplied and shows the highlight of the selection")
{
    SMenuSetup s;
    CMenuPlus* p = s.m_Popup(5, 3);
    REQUIRE(p);
    LayOut(p);
    p->m_ComposePicture();
    REQUIRE(p->m_Picture.m_IsValid());
    const POINT o = m_MenuBodyOrigin(*p);
    CHECK(p->m_Picture.m_Width == p->m_Width + o.x + p->m_FrameMargins.right);
    CHECK(p->m_Picture.m_Height == p->m_WindowHeight + o.y + p->m_FrameMargins.bottom);
    for (int i = 0; i < p->m_Picture.m_Count; ++i) {
        const uint32_t px = p->m_Picture.m_Bits[i], a = px >> 24;
        if (((px >> 16) & 0xFF) > a || ((px >> 8) & 0xFF) > a || (px & 0xFF) > a) {
            FAIL("pixel " << i << " is not premultiplied");
            break;
        }
    }
    const RECT& r = p->m_pItems[1]->Rect;
    const int x = r.right - 8, y = (r.top + r.bottom) / 2;
    const uint32_t before = PictureAt(p, x, y);
    p->m_SelIndex = 1;
    p->m_AnimateSelection(0);
    p->m_ComposePicture();
    const uint32_t after = PictureAt(p, x, y);
    CHECK(before != after);
    CHECK((after & 0xFF) < (before & 0xFF));                         // darker over the white body
    CHECK(PictureAt(p, x, p->m_pItems[0]->Rect.top + 5) == before);  // only that item

    // The pointer left for an open submenu: its item stays lit in the open colour.
    CMenuPlus* sub = s.m_Popup(0, 1);
    REQUIRE(sub);
    sub->m_Shown = 1;
    p->m_pOpenSub = sub;
    p->m_OpenSubIndex = 2;
    p->m_SelIndex = -1;
    p->m_AnimateSelection(0);
    p->m_ComposePicture();
    const SMENUHIGHLIGHT& lit = p->m_Highlights[p->m_HighlightSlot];
    CHECK(lit.Index == 2);
    CHECK(lit.Alpha == 255);
    CHECK(lit.Color == p->m_OpenColor);
    p->m_pOpenSub = nullptr;  // closed: the light goes with it
    p->m_OpenSubIndex = -1;
    p->m_ComposePicture();
    CHECK(p->m_Highlights[p->m_HighlightSlot].Index == -1);
    sub->m_Shown = 0;
    delete sub;
    delete p;
}

TEST_CASE("a scrolled picture shows the band at the offset, with the drop line of a drag")
{
    SMenuSetup s;
    CMenuPlus* p = s.m_Popup(5, 60);
    REQUIRE(p);
    LayOut(p, 300);
    REQUIRE(p->m_Scrolling);
    p->m_SetScrollRatio(1.0, 0);
    p->m_ComposePicture();
    // The last item's label is inked in the band.
    const SMENUITEMENTRY* last = p->m_pItems[59];
    CHECK(last->Rect.top - p->m_ScrollOffset > 0);
    CHECK(DarkInLabel(p, 59) > 10);

    const int lineY = p->m_pItems[58]->Rect.top - p->m_ScrollOffset;
    const uint32_t before = PictureAt(p, 6, lineY);
    p->m_Dragging = 1;
    p->m_DragFrom = 55;
    p->m_DropIndex = 58;
    p->m_ComposePicture();
    CHECK((PictureAt(p, 6, lineY) & 0xFF) < (before & 0xFF));
    p->m_Dragging = 0;
    delete p;
}

TEST_CASE("a new selection fades in over five steps while the old one fades out")
{
    SMenuSetup s;
    CMenuPlus* p = s.m_Popup(5, 3);
    REQUIRE(p);
    LayOut(p);
    p->m_Shown = 1;  // fades run only on a shown popup
    p->m_SelAnim = 1;
    p->m_SelIndex = 0;
    p->m_AnimateSelection(0);
    const int first = p->m_HighlightSlot;
    CHECK(p->m_Highlights[first].Alpha == 255);
    p->m_SelIndex = 1;
    p->m_AnimateSelection(1);
    const int second = p->m_HighlightSlot;
    CHECK(second == (first + 1) % 4);
    CHECK(p->m_Highlights[second].Alpha == 52);  // ceil(256 / 5)
    CHECK(p->m_Highlights[first].Alpha == 255 - 52);
    int steps = 0;
    while (m_MenuStepHighlights(*p)) ++steps;
    CHECK(steps == 3);  // four steps after the first, the last one ends it
    CHECK(p->m_Highlights[second].Alpha == 255);
    CHECK(p->m_Highlights[first].Alpha == 0);
    p->m_AnimateSelection(1);  // the same selection again changes nothing
    CHECK(p->m_HighlightSlot == second);
    p->m_Shown = 0;
    delete p;
}

TEST_CASE("a list taller than the largest image keeps a band of itself that follows the scroll")
{
    SMenuSetup s;
    CMenuPlus* p = s.m_Popup(5, 1000);
    REQUIRE(p);
    LayOut(p, 1000);
    REQUIRE(p->m_TotalHeight > kArgbMaxSide);
    CHECK(p->m_Content.m_Height < p->m_TotalHeight);
    CHECK(p->m_ContentTop == 0);
    p->m_ComposePicture();
    REQUIRE(p->m_Picture.m_IsValid());
    CHECK(DarkInLabel(p, 0) > 10);
    CHECK(p->m_DrawnLast < 100);  // only the rows in view were drawn

    p->m_SetScrollRatio(1.0, 0);
    p->m_ComposePicture();
    CHECK(p->m_ContentTop > 0);
    CHECK(p->m_ContentTop + p->m_Content.m_Height == p->m_TotalHeight);
    CHECK(DarkInLabel(p, 999) > 10);
    p->m_SetScrollRatio(0.5, 0);
    p->m_ComposePicture();
    CHECK(DarkInLabel(p, 500) > 10);
    delete p;
}

TEST_CASE("without image mode the picture is the window's size, opaque and framed")
{
    SMenuSetup s;
    CMenuPlus* p = s.m_Popup(5, 3);
    REQUIRE(p);
    p->m_ImageMode = 0;
    LayOut(p);
    p->m_ComposePicture();
    REQUIRE(p->m_Picture.m_IsValid());
    CHECK(p->m_Picture.m_Width == p->m_Width);
    CHECK(p->m_Picture.m_Height == p->m_WindowHeight);
    CHECK(p->m_Picture.m_Row(0)[p->m_Width / 2] == p->m_BorderColor);
    int translucent = 0;
    for (int i = 0; i < p->m_Picture.m_Count; ++i)
        if ((p->m_Picture.m_Bits[i] >> 24) != 255) ++translucent;
    CHECK(translucent == 0);
    delete p;
}
