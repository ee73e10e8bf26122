// Popup menu layout: metrics and colours from the style, measuring items,
// the popup's width and height, the item and part rectangles, scrolling.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cwchar>

#include "base/Geometry.h"
#include "controls/MenuManager.h"
#include "controls/MenuMath.h"
#include "controls/MenuPlus.h"

namespace {

int m_Px(const CMenuPlus& p, int value) { return m_ScaleValue(value, p.m_Scale, 100, 0); }

// One DC for measuring texts, kept for the life of the program.
HDC m_MeasuringDC()
{
    static HDC dc = CreateCompatibleDC(nullptr);
    return dc;
}

HFONT m_FontOf(const CMenuPlus& p, const SMENUITEM& item)
{
    if (item.Kind == MENUKIND_HEADING) return p.m_hFonts[MENUFONT_HEADING];
    if (item.Bold && item.Kind == MENUKIND_COMMAND) return p.m_hFonts[MENUFONT_BOLD];
    return p.m_hFonts[MENUFONT_NORMAL];
}

SIZE m_MeasureText(HFONT font, const wchar_t* text)
{
    SIZE size = {0, 0};
    HDC dc = m_MeasuringDC();
    if (!dc || !font || !text[0]) return size;
    HGDIOBJ old = SelectObject(dc, font);
    RECT r = {0, 0, 0, 0};
    if (DrawTextW(dc, text, -1, &r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX))
        size = {r.right - r.left, r.bottom - r.top};
    SelectObject(dc, old);
    return size;
}

// Label up to the first TAB, shortcut after it, both cut to their fields.
void m_SplitText(SMENUITEMENTRY* e)
{
    const wchar_t* text = e->Item.Text;
    const size_t textLen = wcsnlen(text, 128);
    const wchar_t* tab = wmemchr(text, L'\t', textLen);
    const size_t labelLen = std::min<size_t>(tab ? size_t(tab - text) : textLen, 127);
    wmemcpy(e->Label, text, labelLen);
    e->Label[labelLen] = 0;
    e->Shortcut[0] = 0;
    if (!tab) return;
    const size_t rest = textLen - size_t(tab - text) - 1;
    const size_t shortLen = std::min<size_t>(rest, 63);
    wmemcpy(e->Shortcut, tab + 1, shortLen);
    e->Shortcut[shortLen] = 0;
}

bool m_HasRightParts(const SMENUITEM& it)
{
    return it.ConfirmButton || it.Expander || it.Movable || it.HasSubmenu || it.ExtraPart ||
           it.LevelBar;
}

bool m_ShowsIconInCheckColumn(const SMENUITEM& it) { return it.HasIcon && !it.IconColumn; }

bool m_TakesCheckColumn(const SMENUITEM& it)
{
    return it.CheckKind != MENUCHECK_NONE || m_ShowsIconInCheckColumn(it);
}

int m_IconSize(const CMenuPlus& p, const SMENUITEM& it)
{
    return it.IconSize ? m_Px(p, int(it.IconSize)) : p.m_Metrics.RowHeight;
}

int m_LevelBarWidth(const CMenuPlus& p, const SMENUITEM& it)
{
    return m_Px(p, int(it.BarWidth)) + 2 * p.m_Metrics.LevelEndWidth;
}

// Width of the right-hand parts and the right inset after them.
int m_RightPartsWidth(const CMenuPlus& p, const SMENUITEM& it)
{
    const SMENUMETRICS& m = p.m_Metrics;
    if (!m_HasRightParts(it)) return m.RightInsetPlain;
    int w = m.RightInsetParts;
    if (it.ConfirmButton) w += m.ConfirmWidth;
    if (it.Expander) w += m.ExpanderWidth;
    if (it.Movable) w += m.GripWidth;
    if (it.HasSubmenu) w += m.SubmenuWidth;
    if (it.LevelBar) w += m_LevelBarWidth(p, it);
    if (it.ExtraPart) w += m_Px(p, int(it.ExtraWidth));
    return w;
}

int m_ItemWidth(const CMenuPlus& p, const SMENUITEMENTRY* e)
{
    const SMENUMETRICS& m = p.m_Metrics;
    const SMENUITEM& it = e->Item;
    int w = m.Padding + m.FrameInset + e->LabelSize.cx;
    if (p.m_HasCheckColumn) w += m.CheckColumnWidth + m.Padding;
    if (p.m_Scrolling) w += m.ScrollBarWidth;
    if (e->Shortcut[0]) {
        w += e->ShortcutMode == MENUSHORTCUT_IMAGE ? m.ShortcutGapImage : m.ShortcutGapPlain;
        w += e->ShortcutSize.cx;
    }
    if (it.Marker) w += m.MarkerWidth[0];
    if (it.ContextMenu) w += m.MarkerWidth[1];
    if (it.HasIcon && it.IconColumn)
        w += m.IconInsetBefore + m_IconSize(p, it) + m.IconInsetAfter;
    else
        w += m.LabelInset;
    return w + m_RightPartsWidth(p, it) + m.Padding + m.FrameInset;
}

// Height of every item and the gaps between adjacent commands; with rects,
// each item's rectangle is set from x0 to x1 as it goes.
int m_SumHeights(CMenuPlus& p, bool rects, int x0, int x1)
{
    const SMENUMETRICS& m = p.m_Metrics;
    int y = 2 * m.FrameInset + 2 * m.Padding;
    int top = m.FrameInset + m.Padding;
    bool first = true, prevCommand = false;
    for (int i = 0; i < p.m_ItemCount; ++i) {
        SMENUITEMENTRY* e = p.m_pItems[i];
        const UINT kind = e->Item.Kind;
        const int h = m_MenuItemHeight(m, kind, first);
        const bool command = kind == MENUKIND_COMMAND;
        if (h > 0 && command && prevCommand) {
            y += m.RowGap;
            top += m.RowGap;
        }
        e->Height = h;
        if (rects) e->Rect = RECT{x0, top, x1, top + h};
        if (h > 0) {
            y += h;
            top += h;
            first = false;
            prevCommand = command;
        }
    }
    return y;
}

void m_FindCommandBounds(CMenuPlus& p)
{
    p.m_FirstCommand = p.m_LastCommand = -1;
    for (int i = 0; i < p.m_ItemCount; ++i) {
        if (p.m_pItems[i]->Item.Kind != MENUKIND_COMMAND) continue;
        if (p.m_FirstCommand < 0) p.m_FirstCommand = i;
        p.m_LastCommand = i;
    }
}

bool m_AnyTakesCheckColumn(const CMenuPlus& p)
{
    for (int i = 0; i < p.m_ItemCount; ++i)
        if (m_TakesCheckColumn(p.m_pItems[i]->Item)) return true;
    return false;
}

int m_MaxWidthOf(const CMenuPlus& p)
{
    if (p.m_Style.MaxWidth > 0) return m_Px(p, p.m_Style.MaxWidth);
    return m_Px(p, p.m_IsSubmenu ? 600 : 800);
}

void m_ComputeWidth(CMenuPlus& p)
{
    int widest = 0, widestFull = 0, counted = 0;
    long long sum = 0;
    for (int i = 0; i < p.m_ItemCount; ++i) {
        const SMENUITEMENTRY* e = p.m_pItems[i];
        if (e->Height <= 0) continue;
        const int w = m_ItemWidth(p, e);
        widest = std::max(widest, w);
        if (e->Item.FullWidth) widestFull = std::max(widestFull, w);
        // Separators have no text: counting them would narrow the average.
        if (e->Item.Kind == MENUKIND_COMMAND || e->Label[0]) {
            sum += w;
            ++counted;
        }
    }
    const int average = counted ? int(sum / counted) : widest;
    const int minW = p.m_Metrics.MinWidth, maxW = m_MaxWidthOf(p);
    const int extra = m_MenuExtraWidth(widest, minW, maxW, p.m_Metrics.ExtraWidth);
    const double factor = p.m_IsSubmenu ? 1.8 : 2.0;
    p.m_WidestItem = widest;
    p.m_WidestFullWidth = widestFull;
    p.m_AverageWidth = average;
    p.m_Width =
        m_MenuPopupWidth(widest, average, factor, extra, p.m_SizePercent, minW, maxW, widestFull);
    if (p.m_Width < 1) p.m_Width = 1;
    p.m_WidthDone = 1;
}

// Takes a part of width w off the right end at *right; the next part
// starts the overlap further on.
RECT m_TakeRight(int* right, int w, const RECT& row, int overlap)
{
    const RECT r = {*right - w, row.top, *right, row.bottom};
    *right = r.left - overlap;
    return r;
}

RECT m_Centred(const RECT& box, int size)
{
    const int x = box.left + (box.right - box.left - size) / 2;
    const int y = box.top + (box.bottom - box.top - size) / 2;
    return RECT{x, y, x + size, y + size};
}

void m_ClearParts(SMENUITEMENTRY* e)
{
    const RECT none = {0, 0, 0, 0};
    e->CheckRect = e->IconRect = e->LabelRect = e->ShortcutRect = none;
    e->SubmenuRect = e->ConfirmRect = e->GripRect = e->ExpanderRect = none;
    e->ExtraRect = e->LevelRect = none;
    e->LevelEndRect[0] = e->LevelEndRect[1] = e->MarkerRect[0] = e->MarkerRect[1] = none;
    e->TextCut = 0;
}

// Left side: check column, icon, label start. Returns the label's left.
int m_PlaceLeftParts(const CMenuPlus& p, SMENUITEMENTRY* e)
{
    const SMENUMETRICS& m = p.m_Metrics;
    const SMENUITEM& it = e->Item;
    const RECT& row = e->Rect;
    int x = row.left;
    if (p.m_HasCheckColumn) {
        const RECT column = {x, row.top, x + m.CheckColumnWidth, row.bottom};
        if (m_TakesCheckColumn(it)) e->CheckRect = column;
        if (m_ShowsIconInCheckColumn(it)) e->IconRect = m_Centred(column, m_IconSize(p, it));
        x = column.right + m.Padding;
    }
    if (it.HasIcon && it.IconColumn) {
        const int size = m_IconSize(p, it);
        const RECT column = {x + m.IconInsetBefore, row.top, x + m.IconInsetBefore + size,
                             row.bottom};
        e->IconRect = m_Centred(column, size);
        return column.right + m.IconInsetAfter;
    }
    return x + m.LabelInset;
}

// Right side, from the right edge leftwards. Returns what is left for the label.
int m_PlaceRightParts(const CMenuPlus& p, SMENUITEMENTRY* e)
{
    const SMENUMETRICS& m = p.m_Metrics;
    const SMENUITEM& it = e->Item;
    const RECT& row = e->Rect;
    int right = row.right - (m_HasRightParts(it) ? m.RightInsetParts : m.RightInsetPlain);
    if (e->Shortcut[0]) {
        e->ShortcutRect = m_TakeRight(&right, e->ShortcutSize.cx, row, 0);
        right -= e->ShortcutMode == MENUSHORTCUT_IMAGE ? m.ShortcutGapImage : m.ShortcutGapPlain;
    }
    const int o = m.PartOverlap;
    if (it.HasSubmenu) e->SubmenuRect = m_TakeRight(&right, m.SubmenuWidth, row, o);
    if (it.ConfirmButton) e->ConfirmRect = m_TakeRight(&right, m.ConfirmWidth, row, o);
    if (it.Movable) e->GripRect = m_TakeRight(&right, m.GripWidth, row, o);
    if (it.Expander) e->ExpanderRect = m_TakeRight(&right, m.ExpanderWidth, row, o);
    if (it.ExtraPart) e->ExtraRect = m_TakeRight(&right, m_Px(p, int(it.ExtraWidth)), row, o);
    if (it.LevelBar) {
        e->LevelRect = m_TakeRight(&right, m_LevelBarWidth(p, it), row, o);
        const RECT& l = e->LevelRect;
        e->LevelEndRect[0] = RECT{l.left, l.top, l.left + m.LevelEndWidth, l.bottom};
        e->LevelEndRect[1] = RECT{l.right - m.LevelEndWidth, l.top, l.right, l.bottom};
    }
    return right;
}

void m_PlaceParts(const CMenuPlus& p, SMENUITEMENTRY* e)
{
    m_ClearParts(e);
    if (e->Height <= 0) return;
    const SMENUITEM& it = e->Item;
    if (it.Kind == MENUKIND_SEPARATOR || it.Kind == MENUKIND_THINSEPARATOR) return;
    const int left = m_PlaceLeftParts(p, e);
    int right = m_PlaceRightParts(p, e);
    // Markers sit just after the label, inside what the parts left over.
    const int markers[2] = {it.Marker ? p.m_Metrics.MarkerWidth[0] : 0,
                            it.ContextMenu ? p.m_Metrics.MarkerWidth[1] : 0};
    const int labelRight = std::max(left, right - markers[0] - markers[1]);
    e->LabelRect = RECT{left, e->Rect.top, labelRight, e->Rect.bottom};
    e->TextCut = e->LabelSize.cx > labelRight - left ? 1 : 0;
    int x = std::min(left + int(e->LabelSize.cx), labelRight);
    for (int k = 0; k < 2; ++k) {
        if (!markers[k]) continue;
        e->MarkerRect[k] = RECT{x, e->Rect.top, x + markers[k], e->Rect.bottom};
        x += markers[k];
    }
}

void m_LayoutScrollBar(CMenuPlus& p, int barLeft)
{
    const SMENUMETRICS& m = p.m_Metrics;
    p.m_ScrollBarRect =
        RECT{barLeft, m.Padding, barLeft + m.ScrollBarWidth, p.m_WindowHeight - m.Padding};
    if (!p.m_Scrolling) {
        p.m_TrackLength = p.m_ThumbLength = p.m_ThumbRange = p.m_ThumbPos = 0;
        p.m_ScrollOffset = 0;
        return;
    }
    p.m_TrackLength = std::max(0, p.m_WindowHeight - 2 * m.ScrollBarInset - 2 * m.Padding);
    p.m_ThumbLength = m_MenuThumbLength(p.m_WindowHeight, p.m_TotalHeight, p.m_TrackLength);
    p.m_ThumbRange = std::max(0, p.m_TrackLength - p.m_ThumbLength);
    if (p.m_PendingScrollRatio >= 0) {
        const double r = std::clamp(p.m_PendingScrollRatio, 0.0, 1.0);
        p.m_PendingScrollRatio = -1;
        p.m_SetScrollOffset(int(std::lround(r * p.m_ScrollRange)));
        return;
    }
    p.m_ThumbPos = std::clamp(p.m_ThumbPos, 0, p.m_ThumbRange);
    p.m_ScrollOffset = p.m_ThumbToOffset(p.m_ThumbPos);
}

// Metrics of the style at the popup's scale.
void m_ApplyMetrics(CMenuPlus& p)
{
    const SMENUSTYLE& s = p.m_Style;
    SMENUMETRICS& m = p.m_Metrics;
    m.RowHeight = m_Px(p, s.RowHeight);
    m.RowGap = m_Px(p, s.RowGap);
    m.Padding = m_Px(p, s.Padding);
    m.FrameInset = 0;
    m.SeparatorHeight = m_Px(p, 1 + 2 * std::min(2, std::max(0, s.Padding)));
    m.ThinSeparatorHeight = m_Px(p, 3);
    m.HeadingHeight = m_Px(p, 26);
    m.HeadingFirstHeight = m_Px(p, 24);
    m.TallHeadingHeight = m_Px(p, 28);
    m.TallHeadingFirstHeight = m_Px(p, 27);
    m.CheckColumnWidth = m.RowHeight;
    m.LabelInset = m_Px(p, 7);
    m.IconInsetBefore = m.IconInsetAfter = m_Px(p, 2);
    m.RightInsetPlain = m_Px(p, 6);
    m.RightInsetParts = m_Px(p, 2);
    m.ShortcutGapPlain = m_Px(p, 10);
    m.ShortcutGapImage = m_Px(p, 4);
    m.SubmenuWidth = m_Px(p, 22);
    m.ConfirmWidth = m.ExpanderWidth = m.GripWidth = m.LevelEndWidth = m_Px(p, 20);
    m.PartOverlap = m_Px(p, -1);
    m.MarkerWidth[0] = m.MarkerWidth[1] = m_Px(p, 12);
    m.ScrollBarWidth = m_Px(p, 13);
    m.ScrollBarInset = m_Px(p, 3);
    m.MonitorMargin = m_Px(p, 4);
    m.SubmenuGap = m_Px(p, 4);
    m.ExtraWidth = m_Px(p, 16);
    m.MinWidth = m_Px(p, std::max(0, s.MinWidth));
    m.MaxWidth = s.MaxWidth > 0 ? m_Px(p, s.MaxWidth) : 0;
}

// Text, background and the shades between them.
void m_ApplyColours(CMenuPlus& p)
{
    const SMENUSTYLE& s = p.m_Style;
    p.m_TextColor = s.CustomColors ? s.TextColor : 0xFF000000;
    p.m_BackColor = s.CustomColors ? s.BackColor : 0xFFFFFFFF;
    p.m_FaintColor = m_SetColorAlpha(p.m_TextColor, 0.4);
    const int t[4] = {32, 16, 192, 24};
    for (int i = 0; i < 4; ++i) p.m_Shades[i] = m_LerpARGB(p.m_BackColor, p.m_TextColor, t[i]);
    p.m_ShadowColor = s.CustomColors ? (p.m_TextColor & 0xFFFFFF) | 0x30000000u : 0x28100000u;
}

}  // namespace

void CMenuPlus::m_ApplyStyle()
{
    m_ApplyMetrics(*this);
    m_ApplyColours(*this);
    const UINT effects = m_Style.Effects ? 1 : 0;
    m_FadeIn = m_SlideIn = m_SelAnim = effects;
    m_FadeOut = 0;
    // Fonts or sizes may have changed: everything is measured again.
    for (int i = 0; i < m_ItemCount; ++i) m_pItems[i]->Measured = 0;
    for (SMENUHIGHLIGHT& h : m_Highlights) h.Image.m_Destroy();
    m_CheckedIconBack.m_Destroy();
    m_WidthDone = 0;
    m_Dirty |= 3;
}

bool CMenuPlus::m_MeasureItem(int index)
{
    if (!m_IsValidIndex(index)) return false;
    SMENUITEMENTRY* e = m_pItems[index];
    const HFONT font = m_FontOf(*this, e->Item);
    if (!font) return false;
    e->HasRightParts = m_HasRightParts(e->Item) ? 1 : 0;
    m_SplitText(e);
    const bool image = m_Style.ImageShortcuts && !e->Item.PlainShortcut;
    e->ShortcutMode = image ? MENUSHORTCUT_IMAGE : MENUSHORTCUT_PLAIN;
    e->LabelSize = m_MeasureText(font, e->Label);
    e->ShortcutSize = {0, 0};
    e->ShortcutImageRect = RECT{0, 0, 0, 0};
    if (e->Shortcut[0]) {
        const HFONT sf = image ? m_hFonts[MENUFONT_SHORTCUT] : font;
        const SIZE text = m_MeasureText(sf ? sf : font, e->Shortcut);
        if (image) {
            // Image text sits in a box with 6 px around it.
            const int pad = m_Px(*this, 6);
            const int h0 = m_TextHeights[MENUHEIGHT_SHORTCUT];
            e->ShortcutSize.cx = std::max(int(text.cx) + 2 * pad, 2 * pad);
            e->ShortcutSize.cy = std::max(int(text.cy), h0 + 2 * pad);
            e->ShortcutImageRect = RECT{pad, 0, pad + text.cx, text.cy};
        } else {
            e->ShortcutSize = text;
        }
    }
    e->Measured = 1;
    return true;
}

void CMenuPlus::m_Layout(int, int layout)
{
    for (int i = 0; i < m_ItemCount; ++i)
        if (!m_pItems[i]->Measured) m_MeasureItem(i);
    m_FindCommandBounds(*this);
    m_HasCheckColumn = m_AnyTakesCheckColumn(*this) ? 1 : 0;

    m_TotalHeight = m_SumHeights(*this, false, 0, 0);
    const int available = m_Area.bottom - m_Area.top;
    m_Scrolling = available > 0 && m_TotalHeight > available ? 1 : 0;
    m_ScrollRange = m_Scrolling ? m_TotalHeight - available : 0;
    if (layout || !m_WidthDone) m_ComputeWidth(*this);
    m_WindowHeight = m_Scrolling ? available : m_TotalHeight;

    const SMENUMETRICS& m = m_Metrics;
    const int x0 = m.Padding + m.FrameInset;
    const int barLeft = m_Width - m.Padding - m.FrameInset - (m_Scrolling ? m.ScrollBarWidth : 0);
    m_SumHeights(*this, true, x0, std::max(x0, barLeft));
    for (int i = 0; i < m_ItemCount; ++i) m_PlaceParts(*this, m_pItems[i]);
    m_LayoutScrollBar(*this, barLeft);

    m_DrawContent();
    m_Dirty |= 2;
}

UINT CMenuPlus::m_GetItemHeight() const
{
    const SMENUMETRICS& m = m_Metrics;
    return UINT(std::lround(m.Padding + m.FrameInset + m.RowHeight / 2.0));
}

UINT CMenuPlus::m_GetContentHeight()
{
    for (int i = 0; i < m_ItemCount; ++i)
        if (!m_pItems[i]->Measured) m_MeasureItem(i);
    return UINT(m_SumHeights(*this, false, 0, 0));
}

double CMenuPlus::m_GetScrollRatio(int* scrolls) const
{
    if (scrolls) *scrolls = m_Scrolling ? 1 : 0;
    if (!m_Scrolling || m_ScrollRange <= 0) return 0.0;
    return double(m_ScrollOffset) / m_ScrollRange;
}

void CMenuPlus::m_SetPendingScrollRatio(double ratio) { m_PendingScrollRatio = ratio; }

bool CMenuPlus::m_SetScrollRatio(double ratio, int redraw)
{
    if (!m_Scrolling) return false;
    m_SetScrollOffset(int(std::lround(std::clamp(ratio, 0.0, 1.0) * m_ScrollRange)));
    if (redraw) m_Redraw(-1, 0);
    return true;
}

void CMenuPlus::m_SetScrollOffset(int offset)
{
    if (offset >= 0) m_ScrollOffset = std::clamp(offset, 0, std::max(0, m_ScrollRange));
    m_ThumbPos = m_MenuOffsetToThumb(m_ScrollOffset, m_ScrollRange, m_ThumbRange);
    m_Dirty |= 2;
}

int CMenuPlus::m_ThumbToOffset(int thumb) const
{
    return m_MenuThumbToOffset(thumb, m_ThumbRange, m_ScrollRange);
}

void CMenuPlus::m_Redraw(int index, int update)
{
    m_Dirty |= 2;
    if (!m_hWnd) return;
    if (m_ImageMode) {
        // A layered picture has no partial update: compose and push it.
        if (update && m_Shown)
            m_ShowPicture();
        else
            InvalidateRect(m_hWnd, nullptr, FALSE);
        return;
    }
    RECT r;
    const RECT* area = nullptr;
    if (m_IsValidIndex(index)) {
        r = m_pItems[index]->Rect;
        OffsetRect(&r, 0, -m_ScrollOffset);
        area = &r;
    }
    InvalidateRect(m_hWnd, area, FALSE);
    if (update) UpdateWindow(m_hWnd);
}

void CMenuPlus::m_SetFrame(const CArgbImage* frame, const RECT* margins, const RECT* corners)
{
    m_pFrame = frame;
    m_FrameMargins = margins ? *margins : RECT{0, 0, 0, 0};
    m_FrameCorners = corners ? *corners : RECT{0, 0, 0, 0};
    m_Dirty |= 2;
}
