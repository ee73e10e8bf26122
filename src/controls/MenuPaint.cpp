// Popup menu painting: the content image (all items at full height) and
// its overlay of icon cells, drawn on layout; the window picture composed
// from them on every hover, fade, scroll or drag; the layered window.
#include "controls/MenuPaint.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "base/Geometry.h"
#include "controls/MenuPlus.h"

namespace {

// Icon strip cells.
enum {
    CELL_CHECKED = 0,
    CELL_UNCHECKED = 1,
    CELL_RADIO_ON = 2,
    CELL_RADIO_OFF = 3,
    CELL_SUBMENU = 4,
    CELL_SPLIT = 5,
    CELL_CONFIRM = 6,
    CELL_GRIP = 7,
    CELL_OTHER_CHECK = 8,
    CELL_EXPANDED = 9,
    CELL_COLLAPSED = 10,
    CELL_LEVEL_RIGHT = 11,
    CELL_LEVEL_LEFT = 12,
    CELL_CONTEXT = 13,
    CELL_MARKER = 14,
};

int m_Px(const CMenuPlus& p, int value) { return m_ScaleValue(value, p.m_Scale, 100, 0); }

ARGB m_WithAlpha(ARGB c, int alpha)
{
    return (c & 0xFFFFFF) | static_cast<ARGB>(std::clamp(alpha, 0, 255)) << 24;
}

RECT m_Shrunk(const RECT& r, int by)
{
    return RECT{r.left + by, r.top + by, r.right - by, r.bottom - by};
}

bool m_IsEmpty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

// Draws cell n of the strip centred in r at alpha.
void m_DrawCellIn(CArgbImage& dst, const CArgbImage* strip, int n, const RECT& r, int alpha)
{
    if (!strip || !strip->m_IsValid() || m_IsEmpty(r) || strip->m_CellWidth < 1) return;
    const int x = r.left + int(std::lround((r.right - r.left - strip->m_CellWidth) / 2.0));
    const int y = r.top + int(std::lround((r.bottom - r.top - strip->m_CellHeight) / 2.0));
    strip->m_DrawCellAlpha(&dst, n, alpha, x, y);
}

// ---- text through a mask ----

// Texts of an item are drawn white-on-black by GDI into one channel of a
// small mask per colour class, then blended onto the item: GDI leaves no
// alpha of its own.
enum { TEXT_NORMAL = 0, TEXT_FAINT = 1, TEXT_SHORTCUT = 2 };

const COLORREF kChannel[3] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)};

// The mask of one item; origin is the item's top-left in the content.
struct STextMask {
    CArgbImage mask;
    POINT origin = {0, 0};
    bool used = false;
};

bool m_BeginMask(STextMask& t, const CArgbImage& like, const RECT& item)
{
    const int w = item.right - item.left, h = item.bottom - item.top;
    t.used = false;
    t.origin = POINT{item.left, item.top};
    if (w < 1 || h < 1) return false;
    if (t.mask.m_Width >= w && t.mask.m_Height >= h) return t.mask.m_Clear(true) != 0;
    if (!t.mask.m_Create(like.m_hDC, std::max(w, t.mask.m_Width), std::max(h, t.mask.m_Height), 32))
        return false;
    SetBkMode(t.mask.m_hDC, TRANSPARENT);
    return true;
}

void m_MaskText(STextMask& t, HFONT font, const wchar_t* text, RECT r, int cls, UINT align)
{
    if (!font || !text[0] || m_IsEmpty(r) || !t.mask.m_IsValid()) return;
    OffsetRect(&r, -t.origin.x, -t.origin.y);
    HGDIOBJ old = SelectObject(t.mask.m_hDC, font);
    SetTextColor(t.mask.m_hDC, kChannel[cls]);
    const UINT fmt = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS | align;
    DrawTextW(t.mask.m_hDC, text, -1, &r, fmt);
    SelectObject(t.mask.m_hDC, old);
    t.used = true;
}

void m_BlendMask(CArgbImage& dst, STextMask& t, const RECT& item, const ARGB colours[3])
{
    if (!t.used) return;
    GdiFlush();
    const int w = std::min<int>(item.right, dst.m_Width) - item.left;
    for (int y = 0; y < item.bottom - item.top; ++y) {
        const int dy = item.top + y;
        if (dy < 0 || dy >= dst.m_Height) continue;
        const uint32_t* s = t.mask.m_Row(y);
        uint32_t* d = dst.m_Row(dy) + item.left;
        for (int x = 0; x < w; ++x) {
            const uint32_t m = s[x] & 0xFFFFFF;
            if (!m) continue;
            const int cov[3] = {int(m >> 16), int((m >> 8) & 0xFF), int(m & 0xFF)};
            for (int c = 0; c < 3; ++c)
                if (cov[c]) d[x] = m_BlendOver(d[x], colours[c], cov[c]);
        }
    }
}

// ---- the content image ----

double m_ShadowPixels(const CMenuPlus& p)
{
    if (!p.m_Style.Shadow) return 0.0;
    return p.m_Scale * (p.m_Style.ShadowSize / 10.0) / 100.0;
}

void m_DrawHeadingBack(CMenuPlus& p, int index, const SMENUITEMENTRY* e)
{
    RECT r = e->Rect;
    if (index > 0) r.top += m_Px(p, 2);
    const double radius = 0.9 * m_MenuCornerFactor(p);
    const ARGB accent = e->Item.AccentColor;
    const ARGB base = accent ? accent : p.m_TextColor;
    const double fill = accent ? 0.2 : 0.05, line = accent ? 0.3 : 0.15;
    const int a = m_Alpha(base);
    p.m_Content.m_FillRoundRectEx(m_WithAlpha(base, int(std::lround(a * line))), 1, &r, radius, 15);
    const RECT inner = m_Shrunk(r, 1);
    p.m_Content.m_FillRoundRectEx(m_WithAlpha(base, int(std::lround(a * fill))), 0, &inner,
                                  std::max(0.0, radius - 1), 15);
}

void m_DrawLines(CMenuPlus& p, const SMENUITEMENTRY* e)
{
    const int thick = std::max(1, m_Px(p, 1));
    const RECT& r = e->Rect;
    const int mid = (r.top + r.bottom - thick) / 2;
    const int margin = p.m_Metrics.LabelInset;
    switch (e->Item.Kind) {
        case MENUKIND_SEPARATOR:
        case MENUKIND_THINSEPARATOR: {
            const ARGB c = e->Item.Kind == MENUKIND_SEPARATOR ? p.m_Shades[0] : p.m_Shades[1];
            p.m_Content.m_FillRectXY(c, 1, r.left + margin, mid, r.right - margin, mid + thick);
            break;
        }
        case MENUKIND_BAND:
            p.m_Content.m_FillRectXY(p.m_Shades[1], 1, r.left, r.top, r.right, r.bottom);
            p.m_Content.m_FillRectXY(p.m_Shades[0], 1, r.left, r.top, r.right, r.top + thick);
            p.m_Content.m_FillRectXY(p.m_Shades[0], 1, r.left, r.bottom - thick, r.right, r.bottom);
            break;
        default:
            break;
    }
}

void m_DrawCheckedIconBack(CMenuPlus& p, const RECT& icon)
{
    const int w = icon.right - icon.left + 4, h = icon.bottom - icon.top + 4;
    CArgbImage& back = p.m_CheckedIconBack;
    if (!back.m_IsValid() || back.m_Width != w || back.m_Height != h) {
        if (!back.m_Create(p.m_Content.m_hDC, w, h, 32)) return;
        back.m_FillRoundRectEx(p.m_ShadowColor, 1, nullptr, std::max(2.0, m_MenuCornerFactor(p)),
                               15);
    }
    p.m_Content.m_Draw(&back, 1, icon.left - 2, icon.top - 2);
}

void m_DrawCheck(CMenuPlus& p, const SMENUITEMENTRY* e)
{
    const SMENUITEM& it = e->Item;
    if (m_IsEmpty(e->CheckRect) || (it.HasIcon && !it.IconColumn)) return;
    const int alpha = it.Disabled ? 127 : 255;
    int cell = -1;
    if (it.CheckKind == MENUCHECK_BOX)
        cell = it.Checked ? CELL_CHECKED : CELL_UNCHECKED;
    else if (it.CheckKind == MENUCHECK_RADIO)
        cell = it.Checked ? CELL_RADIO_ON : CELL_RADIO_OFF;
    else if (it.CheckKind != 3 && it.Checked)
        cell = CELL_OTHER_CHECK;
    if (cell >= 0) m_DrawCellIn(p.m_Overlay, p.m_pIcons, cell, e->CheckRect, alpha);
}

void m_DrawIcon(CMenuPlus& p, const SMENUITEMENTRY* e)
{
    const SMENUITEM& it = e->Item;
    if (!it.HasIcon || m_IsEmpty(e->IconRect)) return;
    if (it.Checked && !it.IconColumn) m_DrawCheckedIconBack(p, e->IconRect);
    const CArgbImage* strip = p.m_pOwnItemIcons ? p.m_pOwnItemIcons : p.m_pItemIcons;
    int alpha = it.Disabled ? 90 : 255;
    if (it.Kind == MENUKIND_HEADING) alpha = it.Disabled || it.Faint ? 128 : 216;
    m_DrawCellIn(p.m_Content, strip, int(it.IconIndex), e->IconRect, alpha);
}

void m_DrawBox(CMenuPlus& p, const RECT& part, int alpha)
{
    const RECT r = m_Shrunk(part, 1);
    if (m_IsEmpty(r)) return;
    const double radius = p.m_Style.Shadow ? 3.0 : 0.0;
    p.m_Content.m_FillRoundRectEx(m_WithAlpha(p.m_TextColor, alpha), 1, &r, radius, 15);
}

void m_DrawRightParts(CMenuPlus& p, const SMENUITEMENTRY* e)
{
    const SMENUITEM& it = e->Item;
    CArgbImage& o = p.m_Overlay;
    if (it.HasSubmenu) {
        const int alpha = it.Disabled && !it.SubmenuWhenDisabled ? 90 : 255;
        m_DrawCellIn(o, p.m_pIcons, it.SplitSubmenu ? CELL_SPLIT : CELL_SUBMENU, e->SubmenuRect,
                     alpha);
    }
    if (it.Movable) {
        const bool dragged = p.m_Dragging && p.m_DragFrom >= 0 && p.m_pItems[p.m_DragFrom] == e;
        m_DrawCellIn(o, p.m_pIcons, CELL_GRIP, e->GripRect, dragged ? 255 : 127);
    }
    if (it.Expander)
        m_DrawCellIn(o, p.m_pIcons, it.Expanded ? CELL_EXPANDED : CELL_COLLAPSED, e->ExpanderRect,
                     it.Expanded ? 192 : 48);
    if (it.ConfirmButton == 1) m_DrawCellIn(o, p.m_pIcons, CELL_CONFIRM, e->ConfirmRect, 48);
    if (it.ExtraPart) m_DrawBox(p, e->ExtraRect, 0x10);
    if (it.LevelBar) {
        m_DrawBox(p, e->LevelRect, 0x14);
        m_DrawCellIn(o, p.m_pIcons, CELL_LEVEL_LEFT, e->LevelEndRect[0], 255);
        m_DrawCellIn(o, p.m_pIcons, CELL_LEVEL_RIGHT, e->LevelEndRect[1], 255);
    }
    if (it.Marker) m_DrawCellIn(o, p.m_pIcons, CELL_MARKER, e->MarkerRect[0], 140);
    if (it.ContextMenu) m_DrawCellIn(o, p.m_pIcons, CELL_CONTEXT, e->MarkerRect[1], 140);
}

HFONT m_LabelFont(const CMenuPlus& p, const SMENUITEM& it)
{
    if (it.Kind == MENUKIND_HEADING) return p.m_hFonts[MENUFONT_HEADING];
    if (it.Bold) return p.m_hFonts[MENUFONT_BOLD];
    return p.m_hFonts[MENUFONT_NORMAL];
}

void m_DrawTexts(CMenuPlus& p, STextMask& t, SMENUITEMENTRY* e)
{
    const SMENUITEM& it = e->Item;
    const bool faint = it.Disabled || it.Faint;
    const int cls = faint ? TEXT_FAINT : TEXT_NORMAL;
    const UINT align = it.HeadingVariant ? DT_CENTER : DT_LEFT;
    const HFONT small = p.m_hFonts[MENUFONT_SHORTCUT];
    m_MaskText(t, m_LabelFont(p, it), e->Label, e->LabelRect, cls, align);
    if (it.ExtraPart) m_MaskText(t, small, it.ExtraText, e->ExtraRect, cls, DT_CENTER);
    if (it.LevelBar) m_MaskText(t, small, it.LevelText, e->LevelRect, cls, DT_CENTER);
    if (!e->Shortcut[0]) return;
    const int scls = it.Disabled ? TEXT_FAINT : TEXT_SHORTCUT;
    if (e->ShortcutMode == MENUSHORTCUT_IMAGE) {
        // Image text: the text in a faint rounded box of its own.
        RECT box = e->ShortcutRect;
        const int h = std::min<int>(e->ShortcutSize.cy, box.bottom - box.top - 2);
        box.top += (box.bottom - box.top - h) / 2;
        box.bottom = box.top + h;
        m_DrawBox(p, box, 0x14);
        m_MaskText(t, small, e->Shortcut, box, scls, DT_CENTER);
        return;
    }
    m_MaskText(t, m_LabelFont(p, it), e->Shortcut, e->ShortcutRect, scls, DT_RIGHT);
}

void m_DrawCheckColumnLine(CMenuPlus& p)
{
    if (!p.m_HasCheckColumn) return;
    const SMENUMETRICS& m = p.m_Metrics;
    const int thick = std::max(1, m_Px(p, 1));
    const int x = m.Padding + m.FrameInset + m.CheckColumnWidth;
    p.m_Content.m_FillRectXY(p.m_Shades[0], 1, x, m.FrameInset, x + thick,
                             p.m_Content.m_Height - m.FrameInset);
}

// A list taller than this keeps only a band of itself in the content image.
constexpr int kMenuBandLimit = 8192;

int m_ContentImageHeight(const CMenuPlus& p)
{
    const int total = std::max(1, p.m_TotalHeight);
    if (total <= kMenuBandLimit) return total;
    return std::min(kMenuBandLimit, std::max(4 * p.m_WindowHeight, 1024));
}

// The band's top that centres the window on it.
int m_BandTopFor(const CMenuPlus& p, int offset)
{
    const int h = m_ContentImageHeight(p);
    return std::clamp(offset - (h - p.m_WindowHeight) / 2, 0, std::max(0, p.m_TotalHeight - h));
}

// Empties the content and overlay images and draws what spans the list.
void m_ResetContent(CMenuPlus& p)
{
    p.m_Content.m_Clear(true);
    p.m_Overlay.m_Clear(true);
    if (!p.m_ImageMode) {
        p.m_Content.m_FillRect(p.m_BackColor, 0, nullptr);
        p.m_Content.m_FrameRect(p.m_BorderColor, 0, nullptr, 1);
    }
    m_DrawCheckColumnLine(p);
    p.m_DrawnFirst = p.m_DrawnLast = -1;
}

// Moves every rectangle of the entry by dy: items are drawn in the
// coordinates of the content image, whose top is m_ContentTop.
void m_ShiftEntry(SMENUITEMENTRY* e, int dy)
{
    RECT* rects[] = {&e->Rect,
                     &e->CheckRect,
                     &e->IconRect,
                     &e->LabelRect,
                     &e->ShortcutRect,
                     &e->SubmenuRect,
                     &e->ConfirmRect,
                     &e->GripRect,
                     &e->ExpanderRect,
                     &e->ExtraRect,
                     &e->LevelRect,
                     &e->LevelEndRect[0],
                     &e->LevelEndRect[1],
                     &e->MarkerRect[0],
                     &e->MarkerRect[1]};
    for (RECT* r : rects) OffsetRect(r, 0, dy);
}

void m_DrawItemParts(CMenuPlus& p, int i, SMENUITEMENTRY* e, STextMask& mask)
{
    const UINT kind = e->Item.Kind;
    if (kind == MENUKIND_HEADING || kind == MENUKIND_TALLHEADING) m_DrawHeadingBack(p, i, e);
    m_DrawLines(p, e);
    if (kind == MENUKIND_SEPARATOR || kind == MENUKIND_THINSEPARATOR) return;
    m_DrawCheck(p, e);
    m_DrawRightParts(p, e);
    m_DrawIcon(p, e);
    if (!m_BeginMask(mask, p.m_Content, e->Rect)) return;
    m_DrawTexts(p, mask, e);
    const ARGB colours[3] = {p.m_TextColor, p.m_FaintColor, m_WithAlpha(p.m_TextColor, 0x8C)};
    m_BlendMask(p.m_Content, mask, e->Rect, colours);
}

// Draws one item into the content and overlay images.
void m_DrawItem(CMenuPlus& p, int i, STextMask& mask)
{
    SMENUITEMENTRY* e = p.m_pItems[i];
    if (e->Height <= 0) return;
    m_ShiftEntry(e, -p.m_ContentTop);
    m_DrawItemParts(p, i, e, mask);
    m_ShiftEntry(e, p.m_ContentTop);
}

// ---- the window picture ----

ARGB m_HighlightColor(const CMenuPlus& p, int index)
{
    const SMENUITEM& it = p.m_pItems[index]->Item;
    // The item of an open submenu or over-popup, lit while the popup has no
    // selection of its own.
    const bool open =
        (p.m_SelIndex < 0 && index == p.m_OpenSubIndex) || (p.m_Locked && index == p.m_SelIndex);
    const bool pressed = p.m_Pressing && index == p.m_PressedIndex;
    if (!p.m_Style.CustomColors) {
        if (it.Disabled) return p.m_DisabledHoverColor;
        if (open) return p.m_OpenColor;
        return pressed ? p.m_PressedColor : p.m_HoverColor;
    }
    const int v = m_GetColorValue(p.m_TextColor);
    if (it.Disabled) return m_MakeArgb(0x20, v, v, v);
    if (open) return m_MakeArgb(0x28, v, v, v);
    const ARGB c = m_WithAlpha(p.m_TextColor, 0x38);
    return pressed ? m_BlendOver(c, 0x20000000, 255) : c;
}

void m_BuildHighlight(CMenuPlus& p, SMENUHIGHLIGHT& h, ARGB colour, int w, int hgt)
{
    if (h.Image.m_IsValid() && h.Image.m_Width == w && h.Image.m_Height == hgt && h.Color == colour)
        return;
    if (!h.Image.m_Create(p.m_Content.m_hDC, w, hgt, 32)) return;
    h.Color = colour;
    const double radius = m_MenuCornerFactor(p);
    const int a = m_Alpha(colour);
    h.Image.m_FillRoundRectEx(m_WithAlpha(colour, int(std::lround(a * 0.75))), 1, nullptr, radius,
                              15);
    const RECT inner = {1, 1, w - 1, hgt - 1};
    if (!m_IsEmpty(inner))
        h.Image.m_FillRoundRectEx(colour, 0, &inner, std::max(0.0, radius - 1), 15);
}

// Draws src (in local coordinates at x, y) clipped to the visible band.
void m_DrawClipped(CMenuPlus& p, const CArgbImage& src, int alpha, int x, int y)
{
    const POINT o = m_MenuBodyOrigin(p);
    const int top = std::max(y, 0), bottom = std::min(y + src.m_Height, p.m_WindowHeight);
    if (bottom <= top) return;
    p.m_Picture.m_DrawAlpha(&src, alpha, o.x + x, o.y + top, src.m_Width, bottom - top, 0, top - y);
}

void m_DrawHighlights(CMenuPlus& p)
{
    for (int k = 1; k <= 4; ++k) {
        SMENUHIGHLIGHT& h = p.m_Highlights[(p.m_HighlightSlot + k) % 4];
        if (h.Alpha <= 0 || !p.m_IsValidIndex(h.Index)) continue;
        const UINT kind = p.m_pItems[h.Index]->Item.Kind;
        if (kind == MENUKIND_SEPARATOR || kind == MENUKIND_THINSEPARATOR) continue;
        const RECT r = m_MenuHighlightRect(p, h.Index, h.State);
        if (m_IsEmpty(r)) continue;
        m_BuildHighlight(p, h, m_HighlightColor(p, h.Index), r.right - r.left, r.bottom - r.top);
        m_DrawClipped(p, h.Image, h.Alpha, r.left, r.top - p.m_ScrollOffset);
    }
}

void m_DrawScrollBar(CMenuPlus& p)
{
    if (!p.m_Scrolling) return;
    const POINT o = m_MenuBodyOrigin(p);
    const double f = p.m_ScrollBarFade / 255.0;
    const int a = m_Alpha(p.m_TextColor);
    const int barW = m_Px(p, 6), left = o.x + p.m_ScrollBarRect.left + m_Px(p, 3);
    const int top = o.y + p.m_ScrollBarRect.top + p.m_Metrics.ScrollBarInset;
    const double radius = p.m_Style.Shadow ? barW / 2.0 - 0.5 : 1.5;
    const RECT track = {left, top, left + barW, top + p.m_TrackLength};
    const RECT thumb = {left, top + p.m_ThumbPos, left + barW,
                        top + p.m_ThumbPos + p.m_ThumbLength};
    p.m_Picture.m_FillRoundRectEx(m_WithAlpha(p.m_TextColor, int(a * (0.15 + 0.1 * f))), 1, &track,
                                  radius, 15);
    p.m_Picture.m_FillRoundRectEx(m_WithAlpha(p.m_TextColor, int(a * (0.25 + 0.1 * f))), 1, &thumb,
                                  radius, 15);
}

int m_DropLineY(const CMenuPlus& p)
{
    if (p.m_DropIndex < 0 || p.m_ItemCount == 0) return INT_MIN;
    if (p.m_DropIndex >= p.m_ItemCount) return p.m_pItems[p.m_ItemCount - 1]->Rect.bottom;
    return p.m_pItems[p.m_DropIndex]->Rect.top;
}

void m_DrawDragMarks(CMenuPlus& p)
{
    if (!p.m_Dragging || !p.m_IsValidIndex(p.m_DragFrom)) return;
    const POINT o = m_MenuBodyOrigin(p);
    RECT r = p.m_pItems[p.m_DragFrom]->Rect;
    OffsetRect(&r, o.x, o.y - p.m_ScrollOffset);
    const bool image = p.m_ImageMode != 0;
    p.m_Picture.m_FillRoundRectEx(0x2C180000, 1, &r, image ? m_MenuCornerFactor(p) : 0.0, 15);
    const int y = m_DropLineY(p);
    if (y == INT_MIN) return;
    const int ly = o.y + y - p.m_ScrollOffset, inset = image ? 2 : 1;
    const RECT line = {o.x + inset, ly + (image ? -2 : -1), o.x + p.m_Width - inset, ly + 2};
    p.m_Picture.m_FillRect(image ? 0x60000000 : 0x7F000000, 1, &line);
}

void m_DrawOverlayBand(CMenuPlus& p)
{
    const POINT o = m_MenuBodyOrigin(p);
    const int inset = p.m_Scrolling && p.m_ImageMode ? 2 : 0;
    const int h = p.m_WindowHeight - 2 * inset;
    if (h > 0)
        p.m_Picture.m_Draw(&p.m_Overlay, 1, o.x, o.y + inset, p.m_Width, h, 0,
                           p.m_ScrollOffset - p.m_ContentTop + inset);
}

// Scrolls so that the item three rows below the one to reveal is visible.
void m_RevealPending(CMenuPlus& p)
{
    if (!p.m_RevealId) return;
    int index = -1;
    for (int i = 0; i < p.m_ItemCount && index < 0; ++i)
        if (p.m_pItems[i]->Item.Id == p.m_RevealId) index = i;
    p.m_RevealId = 0;
    if (index < 0 || !p.m_Scrolling) return;
    const int below = std::min(index + 3, p.m_ItemCount - 1);
    const int bottom = p.m_pItems[below]->Rect.bottom + p.m_Metrics.Padding;
    if (bottom > p.m_ScrollOffset + p.m_WindowHeight)
        p.m_SetScrollOffset(bottom - p.m_WindowHeight);
}

void m_ComposeBody(CMenuPlus& p, int w, int h)
{
    if (p.m_ImageMode && p.m_pFrame && p.m_pFrame->m_IsValid()) {
        p.m_pFrame->m_Draw9Slice(&p.m_Picture, w, h, &p.m_FrameCorners);
        return;
    }
    if (!p.m_Picture.m_Create(nullptr, w, h, 32)) return;
    p.m_Picture.m_FillRect(p.m_BackColor, 0, nullptr);
    if (!p.m_ImageMode) p.m_Picture.m_FrameRect(p.m_BorderColor, 0, nullptr, 1);
}

void m_DrawDebugText(CMenuPlus& p)
{
    if (!p.m_DebugOverlay) return;
    CArgbImage text;
    if (!text.m_Create(p.m_Picture.m_hDC, std::min(p.m_Picture.m_Width, 220), 14 * 13, 32)) return;
    text.m_FillRect(0xC0FFFFE0, 0, nullptr);
    p.m_DrawDebugOverlay(&text);
    p.m_Picture.m_Draw(&text, 1, 0, 0);
}

}  // namespace

double m_MenuCornerFactor(const CMenuPlus& p)
{
    const SMENUMETRICS& m = p.m_Metrics;
    if (m.RowHeight + 2 * m.Padding <= 0) return 0.0;
    return double(m.RowHeight) / (m.RowHeight + 2 * m.Padding) * m_ShadowPixels(p);
}

POINT m_MenuBodyOrigin(const CMenuPlus& p)
{
    if (!p.m_ImageMode || !p.m_pFrame) return POINT{0, 0};
    return POINT{p.m_FrameMargins.left, p.m_FrameMargins.top};
}

RECT m_MenuHighlightRect(const CMenuPlus& p, int index, UINT state)
{
    if (!p.m_IsValidIndex(index)) return RECT{0, 0, 0, 0};
    const SMENUITEMENTRY* e = p.m_pItems[index];
    const RECT* part = nullptr;
    switch (state) {
        case MENUSEL_LEFT:
            part = &e->CheckRect;
            break;
        case MENUSEL_CONFIRM:
        case MENUSEL_CONFIRMFIRST:
            part = &e->ConfirmRect;
            break;
        case MENUSEL_EXPANDER:
            part = &e->ExpanderRect;
            break;
        case MENUSEL_GRIP:
            part = &e->GripRect;
            break;
        case MENUSEL_SUBMENU:
            part = &e->SubmenuRect;
            break;
        default:
            break;
    }
    return part && !m_IsEmpty(*part) ? *part : e->Rect;
}

void CMenuPlus::m_DrawContent()
{
    const int w = std::max(1, m_Width), h = m_ContentImageHeight(*this);
    m_DrawnFirst = m_DrawnLast = -1;
    m_ContentTop = m_BandTopFor(*this, m_ScrollOffset);
    if (!m_Content.m_Create(nullptr, w, h, 32) || !m_Overlay.m_Create(m_Content.m_hDC, w, h, 32))
        return;
    m_ResetContent(*this);
    m_Dirty = (m_Dirty & ~MENUDIRTY_CONTENT) | MENUDIRTY_PICTURE;
    m_MenuDrawVisibleItems(*this);
}

void CMenuPlus::m_ComposePicture()
{
    if (m_Dirty & MENUDIRTY_CONTENT) m_DrawContent();
    if (!m_Content.m_IsValid()) return;
    const POINT o = m_MenuBodyOrigin(*this);
    const bool framed = m_ImageMode && m_pFrame;
    const int w = m_Width + (framed ? m_FrameMargins.left + m_FrameMargins.right : 0);
    const int h = m_WindowHeight + (framed ? m_FrameMargins.top + m_FrameMargins.bottom : 0);
    m_ComposeBody(*this, w, h);
    if (!m_Picture.m_IsValid()) return;
    m_RevealPending(*this);
    m_MenuDrawVisibleItems(*this);
    m_Picture.m_Draw(&m_Content, m_ImageMode ? 1 : 0, o.x, o.y, m_Width, m_WindowHeight, 0,
                     m_ScrollOffset - m_ContentTop);
    if (m_ImageMode && m_Translucent) m_Picture.m_ScaleAlpha(0.8);
    if (m_DimAlpha > 0) {
        const RECT body = {o.x, o.y, o.x + m_Width, o.y + m_WindowHeight};
        m_Picture.m_FillRect(m_MakeArgb(m_DimAlpha * 24 / 255, 0, 0, 0), 1, &body);
    }
    // A submenu that opened or closed without a selection change moves the light.
    m_AnimateSelection(0);
    m_DrawHighlights(*this);
    m_DrawOverlayBand(*this);
    m_DrawScrollBar(*this);
    m_DrawDragMarks(*this);
    m_DrawDebugText(*this);
    // The layered window takes premultiplied pixels.
    if (m_ImageMode) m_Picture.m_Premultiply();
    m_Dirty &= ~MENUDIRTY_PICTURE;
}

void CMenuPlus::m_ShowPicture()
{
    if (!m_hWnd) return;
    if (!m_ImageMode) {
        InvalidateRect(m_hWnd, nullptr, FALSE);
        return;
    }
    if (m_Dirty & (MENUDIRTY_CONTENT | MENUDIRTY_PICTURE)) m_ComposePicture();
    // A picture that could not be made is not asked for again: no paint storm.
    if (!m_Picture.m_IsValid()) return;
    const POINT o = m_MenuBodyOrigin(*this);
    POINT dst = {m_WindowRect.left - o.x, m_WindowRect.top - o.y};
    SIZE size = {m_Picture.m_Width, m_Picture.m_Height};
    const int d = m_SlideOffset;
    if (d > 0) {
        int dir = m_IsSubmenu ? m_SlideDirSub : m_SlideDirRoot;
        if (m_IsSubmenu && m_OpenedLeft && dir == 2) dir = 0;
        switch (dir) {
            case 0:
                dst.x += d;
                size.cx -= d;
                break;
            case 1:
                dst.y += d;
                size.cy -= d;
                break;
            case 2:
                dst.x -= d;
                break;
            case 3:
                dst.y -= d;
                break;
            default:
                break;
        }
    }
    if (size.cx < 1 || size.cy < 1) return;
    POINT src = {0, 0};
    BLENDFUNCTION bf = {AC_SRC_OVER, 0, static_cast<BYTE>(std::min(255u, m_CurAlpha)),
                        AC_SRC_ALPHA};
    UpdateLayeredWindow(m_hWnd, nullptr, &dst, &size, m_Picture.m_hDC, &src, 0, &bf, ULW_ALPHA);
}

void CMenuPlus::m_OnPaint()
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hWnd, &ps);
    if (m_ImageMode) {
        m_ShowPicture();
    } else if (m_Dirty & (MENUDIRTY_CONTENT | MENUDIRTY_PICTURE)) {
        m_ComposePicture();
    }
    if (dc && m_Picture.m_IsValid())
        BitBlt(dc, 0, 0, m_Picture.m_Width, m_Picture.m_Height, m_Picture.m_hDC, 0, 0,
               m_ImageMode ? SRCCOPY | CAPTUREBLT : SRCCOPY);
    EndPaint(m_hWnd, &ps);
}

void CMenuPlus::m_AnimateSelection(int animate)
{
    // Without a selection of its own, the item whose submenu is open stays lit.
    int index = m_SelIndex;
    UINT state = m_SelState;
    if (index < 0 && m_pOpenSub && m_pOpenSub->m_Shown && m_IsValidIndex(m_OpenSubIndex)) {
        index = m_OpenSubIndex;
        state = MENUSEL_BODY;
    }
    SMENUHIGHLIGHT& cur = m_Highlights[m_HighlightSlot];
    if (cur.Index == index && cur.State == state) return;
    const int n = m_FadeSteps(m_HighlightFadeSteps), step = (256 + n - 1) / n;
    m_HighlightSlot = (m_HighlightSlot + 1) % 4;
    SMENUHIGHLIGHT& next = m_Highlights[m_HighlightSlot];
    next.Index = index;
    next.State = state;
    next.Rect = m_MenuHighlightRect(*this, index, state);
    const bool fade = animate && m_SelAnim && m_hWnd && m_Shown;
    next.Alpha = index < 0 ? 0 : (fade ? step : 255);
    for (SMENUHIGHLIGHT& h : m_Highlights) {
        if (&h == &next) continue;
        h.Alpha = fade ? std::max(0, h.Alpha - step) : 0;
    }
    if (fade) SetTimer(m_hWnd, MENUTIMER_HIGHLIGHT, 16, nullptr);
    m_Dirty |= MENUDIRTY_PICTURE;
}

bool m_MenuStepHighlights(CMenuPlus& p)
{
    const int n = m_FadeSteps(p.m_HighlightFadeSteps), step = (256 + n - 1) / n;
    bool running = false;
    for (int k = 0; k < 4; ++k) {
        SMENUHIGHLIGHT& h = p.m_Highlights[k];
        const bool current = k == p.m_HighlightSlot && h.Index >= 0;
        const int target = current ? 255 : 0;
        if (h.Alpha == target) continue;
        h.Alpha = current ? std::min(255, h.Alpha + step) : std::max(0, h.Alpha - step);
        running = running || h.Alpha != target;
    }
    p.m_Dirty |= MENUDIRTY_PICTURE;
    return running;
}

void m_MenuStartScrollBarFade(CMenuPlus& p)
{
    if (m_MenuStepScrollBarFade(p) && p.m_GetHwnd())
        SetTimer(p.m_GetHwnd(), MENUTIMER_SCROLLBAR, 16, nullptr);
}

bool m_MenuStepScrollBarFade(CMenuPlus& p)
{
    const int in = m_FadeStep(m_FadeSteps(p.m_ScrollBarFadeIn));
    const int out = m_FadeStep(m_FadeSteps(p.m_ScrollBarFadeOut));
    const int target = p.m_ScrollBarHover ? 255 : 0;
    if (p.m_ScrollBarFade == target) return false;
    p.m_ScrollBarFade = p.m_ScrollBarHover ? std::min(255, p.m_ScrollBarFade + in)
                                           : std::max(0, p.m_ScrollBarFade - out);
    p.m_Dirty |= MENUDIRTY_PICTURE;
    return p.m_ScrollBarFade != target;
}

void m_MenuDrawItems(CMenuPlus& p, int first, int last)
{
    first = std::max(first, 0);
    last = std::min(last, p.m_ItemCount - 1);
    if (first > last || !p.m_Content.m_IsValid()) return;
    // The drawn items stay one run: a jump also draws what lies between.
    if (p.m_DrawnFirst >= 0) {
        first = std::min(first, p.m_DrawnLast + 1);
        last = std::max(last, p.m_DrawnFirst - 1);
    }
    STextMask mask;
    const int bandTop = p.m_ContentTop, bandBottom = bandTop + p.m_Content.m_Height;
    for (int i = first; i <= last; ++i) {
        if (p.m_DrawnFirst >= 0 && i >= p.m_DrawnFirst && i <= p.m_DrawnLast) continue;
        const RECT& r = p.m_pItems[i]->Rect;
        if (r.bottom > bandTop && r.top < bandBottom) m_DrawItem(p, i, mask);
    }
    p.m_DrawnFirst = p.m_DrawnFirst < 0 ? first : std::min(first, p.m_DrawnFirst);
    p.m_DrawnLast = std::max(last, p.m_DrawnLast);
    p.m_Dirty |= MENUDIRTY_PICTURE;
}

void m_MenuDrawVisibleItems(CMenuPlus& p)
{
    if (!p.m_Content.m_IsValid()) return;
    const int top = p.m_ScrollOffset, bottom = p.m_ScrollOffset + p.m_WindowHeight;
    if (top < p.m_ContentTop || bottom > p.m_ContentTop + p.m_Content.m_Height) {
        // Scrolled out of the band: the band moves and is drawn again.
        p.m_ContentTop = m_BandTopFor(p, top);
        m_ResetContent(p);
    }
    int first = -1, last = -1;
    for (int i = 0; i < p.m_ItemCount; ++i) {
        const RECT& r = p.m_pItems[i]->Rect;
        if (r.bottom <= top || r.top >= bottom) continue;
        if (first < 0) first = i;
        last = i;
    }
    if (first >= 0) m_MenuDrawItems(p, first, last);
}
