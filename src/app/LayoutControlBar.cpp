#include "app/Layout.h"

#include "app/MainWindow.h"
#include "app/MainWindowLook.h"
#include "base/Geometry.h"
#include "base/UiLook.h"
#include "settings/SettingsMain.h"

int& g_ShowSeekBar = g_MainWindowState.nCtrl[0];
int& g_ShowButtonRow = g_MainWindowState.nCtrl[1];
int& g_ShowStatusBar = g_MainWindowState.nCtrl[2];
int& g_SeekBarInline = g_MainWindowState.nCtrl[3];
SBUTTONORDER g_ButtonOrder;

namespace {

const int kDefaultOrder[] = {1,  255, 2,  255, 4,  5,  6,  7,   255, 20,  26,
                             27, 255, 18, 23,  24, 25, 17, 255, 193, 194, 195};

// Slot codes of the buttons, in control-id order.
const int kButtonCodes[kControlButtonCount] = {1,  2,  4,  5,  6,  7,   17,  18,  19,  20,  21, 23,
                                               24, 25, 26, 27, 28, 193, 194, 195, 196, 197, 198};

int m_SlotWidth(int code, const SROWMETRICS* m)
{
    if (code == BTNSLOT_GAP) return m->nGap;
    if (code == BTNSLOT_SEPARATOR) return m->nSeparator + m->nSpacing;
    return m_ButtonIdFromCode(code) ? m->nButtonWidth + m->nSpacing : 0;
}

RECT m_Rect(int l, int t, int r, int b) { return RECT{l, t, r, b}; }

// Room of the inline seek bar: what is left of the row, when at least its
// minimum; 0 otherwise (hidden).
int m_SeekRoom(int room, const SROWINPUT* in)
{
    return in->bSeekInline && room >= in->nSeekMinWidth ? room : 0;
}

void m_PlaceSeek(const SROWMETRICS* m, const SROWINPUT* in, int rightGroup, int width,
                 SROWLAYOUT* out)
{
    if (width <= 0) return;
    int right = in->nWidth - rightGroup - m->nSeekGapRight;
    out->rcSeek = m_Rect(right - width, m->nSliderTop, right, in->nHeight - m->nSliderTop);
    int grip = m->nSeparator + m->nSeekGapLeft;
    out->rcGrip = m_Rect(right - width - grip, 0, right - width, in->nHeight);
}

void m_PlaceRightGroup(const SROWMETRICS* m, const SROWINPUT* in, int rightGroup, SROWLAYOUT* out)
{
    int x = in->nWidth - rightGroup, fi = m->nFrameInset;
    out->rcVolumeButton = m_Rect(x, fi, x + m->nButtonWidth, in->nHeight - fi);
    int end = in->nWidth - m->nRightInset;
    out->rcVolumeSlider =
        m_Rect(end - m->nVolumeWidth, m->nSliderTop, end, in->nHeight - m->nSliderTop);
}

void m_CalcExpanded(const SBUTTONORDER* order, const SROWMETRICS* m, const SROWINPUT* in, int xw,
                    SROWLAYOUT* out)
{
    int sp = m->nSpacing, x0 = m->nLeft, fi = m->nFrameInset;
    int x = in->nWidth - xw - sp - x0;
    out->rcExtra = m_Rect(x, fi, x + xw, in->nHeight - fi);
    out->nExtraFrame = 1;
    int right = x - m->nSeparator - sp;
    out->rcButtons = m_Rect(x0, 0, right > x0 ? right : x0, in->nHeight);
    out->nButtonLimit = right - x0;
    SetRectEmpty(&out->rcVolumeButton);
    SetRectEmpty(&out->rcVolumeSlider);
    (void)order;
}

void m_CalcOverflow(const SBUTTONORDER* order, const SROWMETRICS* m, const SROWINPUT* in, int xw,
                    int seekWidth, int rightGroup, SROWLAYOUT* out)
{
    int sp = m->nSpacing, x0 = m->nLeft, fi = m->nFrameInset;
    int gaps = x0 + m->nSeparator + m->nSeekGapLeft + m->nSeekGapRight;
    int room = in->nWidth - 2 * sp - xw - seekWidth - rightGroup - gaps;
    int shownSlots = 0;
    // Outside a drag the stored count of held-back slots stands for the
    // user's seek-bar width.
    int most = order->nCount;
    if (in->bSeekInline && !in->bDraggingSeek) most -= in->nHiddenSlots;
    int shown = m_GetButtonRowWidth(order, m, room, most, &shownSlots);
    if (in->bDraggingSeek) out->nHiddenSlots = order->nCount - shownSlots;
    out->rcButtons = m_Rect(x0, 0, x0 + shown, in->nHeight);
    out->nButtonLimit = shown;
    m_PlaceRightGroup(m, in, rightGroup, out);
    int left = in->nWidth - shown - 2 * sp - xw - rightGroup - gaps;
    m_PlaceSeek(m, in, rightGroup, m_SeekRoom(left, in), out);
    int x = shown ? x0 + shown + sp : x0;
    if (!IsRectEmpty(&out->rcSeek)) x = out->rcGrip.left - xw;
    out->rcExtra = m_Rect(x, fi, x + xw, in->nHeight - fi);
}

}  // namespace

int m_ButtonHeightMetric(int dpi)
{
    // [Ctrl] "Btn" without a height: square buttons.
    int h = m_GetUIMetric(3, dpi);
    return h > 0 ? h : m_GetUIMetric(2, dpi);
}

int m_ButtonIdFromCode(int code)
{
    for (int i = 0; i < kControlButtonCount; ++i)
        if (kButtonCodes[i] == code) return kControlButtonFirstId + i;
    return 0;
}

void m_LoadButtonOrder()
{
    const SSETTINGS& s = g_Settings;
    const int* codes = s.Ctrl_BtnOdrCount > 0 ? s.Ctrl_BtnOdr : kDefaultOrder;
    int count = s.Ctrl_BtnOdrCount > 0 ? s.Ctrl_BtnOdrCount : (int)ARRAYSIZE(kDefaultOrder);
    if (count > kButtonOrderCap) count = kButtonOrderCap;
    for (int i = 0; i < count; ++i) g_ButtonOrder.nCodes[i] = codes[i];
    g_ButtonOrder.nCount = count;
}

// The classic and system-themed button looks (below 11) draw framed buttons.
int m_IsFramedStyle()
{
    int button = 0, slider = 0;
    m_LooksForStyle(g_Settings.Ctrl_Style[0], g_Settings.Ctrl_Style[1], g_GuiKind, &button,
                    &slider);
    return button < 11;
}

void m_ReadRowMetrics(SROWMETRICS* out, int dpi)
{
    int framed = m_IsFramedStyle();
    int fi = m_GetUIMetric(7, dpi);
    out->nFrameInset = framed ? fi : 0;
    out->nButtonWidth = m_GetUIMetric(2, dpi) - 2 * out->nFrameInset;
    out->nButtonHeight = m_ButtonHeightMetric(dpi) - 2 * out->nFrameInset;
    out->nSpacing = framed ? m_GetUIMetric(4, dpi) : 0;
    out->nLeft = m_GetUIMetric(5, dpi);
    out->nGap = m_GetUIMetric(4, dpi);
    out->nSeparator = m_GetUIMetric(6, dpi);
    out->nSeekGapLeft = m_GetUIMetric(14, dpi);
    out->nSeekGapRight = m_GetUIMetric(15, dpi);
    out->nVolumeWidth = m_GetUIMetric(29, dpi);
    out->nVolumeGap = m_GetUIMetric(30, dpi);
    int look = g_Settings.Ctrl_Style[0];
    int extra = (look == 1 || look == 2) && !g_ShowStatusBar ? m_ScaleValue(look, dpi, 100, 0) : 0;
    out->nRightInset = m_GetUIMetric(31, dpi) + extra;
    out->nSliderTop = m_GetUIMetric(32, dpi);
}

int m_GetButtonRowWidth(const SBUTTONORDER* order, const SROWMETRICS* m, int maxWidth, int maxSlots,
                        int* count)
{
    int total = 0, n = 0;
    if (maxWidth > 0 && maxSlots > 0) {
        int limit = maxSlots < order->nCount ? maxSlots : order->nCount;
        for (; n < limit; ++n) {
            int w = m_SlotWidth(order->nCodes[n], m);
            if (total + w > maxWidth) break;
            total += w;
        }
    }
    if (count) *count = n;
    return total;
}

int m_ExtraButtonWidth(const SROWMETRICS* m)
{
    int xw = m_RoundByMode(m->nButtonWidth / 2.18, 0);
    if (xw < 9) xw = 9;
    return xw % 2 ? xw : xw + 1;
}

void m_CalcControlBar(const SBUTTONORDER* order, const SROWMETRICS* m, const SROWINPUT* in,
                      SROWLAYOUT* out)
{
    *out = SROWLAYOUT{};
    out->nHiddenSlots = in->nHiddenSlots;
    int sp = m->nSpacing, x0 = m->nLeft, W = in->nWidth;
    int R = m->nRightInset + m->nVolumeWidth + m->nButtonWidth + m->nVolumeGap;
    int xw = m_ExtraButtonWidth(m);
    int gaps = m->nSeparator + m->nSeekGapLeft + m->nSeekGapRight;
    const int kAll = 0x7FFFFFFF;
    int A = m_GetButtonRowWidth(order, m, kAll, order->nCount, nullptr);
    int keep = in->bSeekInline ? order->nCount - in->nHiddenSlots : order->nCount;
    int K = m_GetButtonRowWidth(order, m, kAll, keep, nullptr);
    int s = 0;
    if (in->bSeekInline) {
        int most = W - R - xw - sp - x0 - gaps;
        s = in->nSeekUserWidth < most ? in->nSeekUserWidth : most;
        if (s < in->nSeekMinWidth) s = in->nSeekMinWidth;
    }
    // The hidden count only holds slots back for an inline seek bar.
    int overflow =
        W < (in->bSeekInline ? K : A) + R + sp + x0 || (in->bSeekInline && in->nHiddenSlots > 0);
    if (in->bDraggingSeek) overflow = W - s - R - A - sp - x0 - gaps < 0;
    out->bOverflow = overflow;
    if (!overflow) {
        out->rcButtons = RECT{x0, 0, x0 + A, in->nHeight};
        out->nButtonLimit = A;
        m_PlaceRightGroup(m, in, R, out);
        m_PlaceSeek(m, in, R, m_SeekRoom(W - A - gaps - sp - x0 - R, in), out);
        out->nHiddenSlots = 0;
    } else if (in->bExpanded) {
        m_CalcExpanded(order, m, in, xw, out);
    } else {
        m_CalcOverflow(order, m, in, xw, s, R, out);
    }
}
