// The status bar's look: back colour, progress fill, level meter, corner
// mark and the three panes, composed into one image.
#include <windows.h>

#include <cmath>

#include "base/BmpFont.h"
#include "base/Dpi.h"
#include "controls/Statusbar.h"

namespace {

int Scaled(int n, int dpi) { return int(std::lround(n * dpi / 100.0)); }

// The colour with its alpha scaled by a / 255.
ARGB AtAlpha(ARGB colour, int a)
{
    if (a >= 255) return colour;
    if (a <= 0) return colour & 0x00FFFFFF;
    return (colour & 0x00FFFFFF) | (ARGB((colour >> 24) * a / 255) << 24);
}

bool IsEmptyRect(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

}  // namespace

int CStatusbar::m_TextWidth(const wchar_t* text) const
{
    if (!m_pFont || !text || !text[0]) return 0;
    int w = 0;
    m_pFont->m_MeasureText(text, &w, nullptr, unsigned(-1));
    return w;
}

int CStatusbar::m_FontHeight() const { return m_pFont ? m_pFont->m_GetHeight() : 0; }

void CStatusbar::m_OnSize(int width, int height)
{
    m_nWidth = width;
    m_nHeight = height;
    SetRect(&m_rcClient, 0, 0, width, height);
    if (m_Image.m_Width == width && m_Image.m_Height == height) return;
    m_Image.m_Destroy();
    m_TextLayer.m_Destroy();
    m_LevelImage.m_Destroy();
    if (width < 1 || height < 1) return;
    m_Image.m_Create(nullptr, width, height, 32);
    m_TextLayer.m_Create(nullptr, width, height, 32);
    m_LevelImage.m_Create(nullptr, width, height, 32);
    m_MakeLevelImage();
    m_Compose();
}

// White bars 2 pixels wide every 3 pixels over the outer quarters, more
// opaque toward the middle.
void CStatusbar::m_MakeLevelImage()
{
    m_LevelImage.m_Clear(true);
    const int quarter = m_nWidth / 4;
    for (int x = 0; quarter > 0 && x < quarter; x += 3) {
        const ARGB colour = m_MakeArgb(127 + x * 48 / quarter, 255, 255, 255);
        m_LevelImage.m_FillRectXY(colour, 0, x, 0, x + 2, m_nHeight);
        m_LevelImage.m_FillRectXY(colour, 0, m_nWidth - x - 2, 0, m_nWidth - x, m_nHeight);
    }
}

// Progress fill into the text layer, level columns onto the image.
void CStatusbar::m_ComposeBars()
{
    const int range = m_nProgressMax - m_nProgressMin;
    if (m_nProgressValue > 0 && range > 0) {
        double part = double(m_nProgressValue) / range;
        if (part > 1.0) part = 1.0;
        const int right = int(std::lround(part * m_nWidth));
        m_TextLayer.m_FillRectXY(m_ProgressColor, 1, 0, 0, right, m_nHeight);
    }
    const int quarter = m_nWidth / 4;
    if (m_nLevelLeft > 0) {
        const int n = 3 * (quarter * m_nLevelLeft / 768);
        m_Image.m_Draw(&m_LevelImage, 1, 0, 0, n, m_nHeight, 0, 0);
    }
    if (m_nLevelRight > 0) {
        const int n = 3 * (quarter * m_nLevelRight / 768);
        m_Image.m_Draw(&m_LevelImage, 1, m_nWidth - n, 0, n, m_nHeight, m_nWidth - n, 0);
    }
}

// The mark at the bottom right while the right pane is empty: two bars
// meeting in a corner, on a soft spot for the rounded window corners.
void CStatusbar::m_DrawCornerMark(int dpi)
{
    const ARGB mark = 0xEDFFFFFF;
    const int m2 = Scaled(2, dpi), m6 = Scaled(6, dpi);
    const int right = m_nWidth - m2, bottom = m_nHeight - m2;
    if (m_nCornerStyle & 3) {
        const double shift = (m_nCornerStyle & 2) ? Scaled(1, dpi) : 0;
        const double cx = right - m2 - shift, cy = bottom - m2 - shift;
        m_TextLayer.m_FillCircle(AtAlpha(mark, 96), 1, cx, cy, Scaled(4, dpi) / 2.0);
        m_TextLayer.m_FillCircle(AtAlpha(m_BackColor, 160), 1, cx, cy, Scaled(3, dpi) / 2.0);
    }
    m_TextLayer.m_FillRectXY(mark, 1, right - m2, bottom - m6, right, bottom);
    m_TextLayer.m_FillRectXY(mark, 1, right - m6, bottom - m2, right, bottom);
}

void CStatusbar::m_DrawPaneText(const wchar_t* text, ARGB colour, int alpha, const RECT& rc)
{
    if (!m_pFont || !text || !text[0] || alpha <= 0 || IsEmptyRect(rc)) return;
    const ARGB c = AtAlpha(colour, alpha);
    if ((c >> 24) == 0) return;
    m_pFont->m_DrawText(&m_TextLayer, rc.left, rc.top, text, c, 1, unsigned(-1), 0);
}

void CStatusbar::m_LayoutSidePanes(int sideMargin, int textTop, int gap)
{
    const int h = m_FontHeight();
    SPane& left = m_Panes[STATUS_PANE_LEFT];
    SetRect(&left.rc, sideMargin, textTop, sideMargin + m_TextWidth(left.szText), textTop + h);
    SPane& right = m_Panes[STATUS_PANE_RIGHT];
    const int w = m_TextWidth(right.szText);
    const int x = m_nWidth - sideMargin - w;
    if (w > 0 && x >= left.rc.right + gap)
        SetRect(&right.rc, x, textTop, x + w, textTop + h);
    else
        SetRectEmpty(&right.rc);
}

void CStatusbar::m_LayoutMiddlePane(int sideMargin, int textTop, int gap)
{
    SPane& mid = m_Panes[STATUS_PANE_MESSAGE];
    const RECT& left = m_Panes[STATUS_PANE_LEFT].rc;
    const RECT& right = m_Panes[STATUS_PANE_RIGHT].rc;
    const int leftEdge = left.right + gap;
    const int rightEdge = (IsEmptyRect(right) ? m_nWidth - sideMargin : right.left) - gap;
    const int w = m_TextWidth(mid.szText);
    if (w == 0 || w > rightEdge - leftEdge) {
        SetRectEmpty(&mid.rc);
        return;
    }
    int centreOn = w;
    if (m_nCentringWidth > 0) {
        centreOn = m_nCentringWidth;
    } else if (m_nCentringWidth == 0 && m_bMessageShown) {
        if (m_nKeptCentringWidth <= 0) m_nKeptCentringWidth = w;
        centreOn = m_nKeptCentringWidth;
    }
    int x = (m_nWidth - centreOn) / 2;
    if (x < leftEdge) x = leftEdge;
    if (x + w > rightEdge) x = rightEdge - w;
    SetRect(&mid.rc, x, textTop, x + w, textTop + m_FontHeight());
}

void CStatusbar::m_DrawPanes()
{
    for (int pane = STATUS_PANE_LEFT; pane <= STATUS_PANE_RIGHT; pane += 2) {
        const SPane& p = m_Panes[pane];
        m_DrawPaneText(p.szText, p.colour, p.nAlpha, p.rc);
        if (p.szOldText[0]) m_DrawPaneText(p.szOldText, p.oldColour, 255 - p.nAlpha, p.rcOld);
    }
    const SPane& mid = m_Panes[STATUS_PANE_MESSAGE];
    m_DrawPaneText(mid.szText, mid.colour, mid.nAlpha, mid.rc);
    if (mid.szOldText[0] && mid.nOldAlpha > 0)
        m_DrawPaneText(mid.szOldText, mid.oldColour, mid.nOldAlpha, mid.rcOld);
}

void CStatusbar::m_Compose()
{
    if (!m_hWnd || !m_Image.m_IsValid() || !m_TextLayer.m_IsValid()) return;
    const int dpi = m_hWndParent ? m_GetWindowDpiPercent(m_hWndParent) : 100;
    m_nDpi = dpi > 0 ? dpi : 100;
    const int fontHeight = m_FontHeight();
    const int gap = 3 * (m_pFont ? m_pFont->m_GetSpacing() : 0);
    const int extra = (m_nCornerStyle & 1) ? Scaled(4, m_nDpi) : 0;
    const int textTop = int(std::lround((m_nHeight - fontHeight) / 2.0));
    int sideMargin = fontHeight / 2 < textTop ? fontHeight / 2 : textTop;
    sideMargin = (sideMargin < 1 ? 1 : sideMargin) + extra;

    m_Image.m_FillRect(m_BackColor, 0, nullptr);
    m_TextLayer.m_Clear(true);
    m_ComposeBars();
    if (!m_Panes[STATUS_PANE_RIGHT].szText[0]) m_DrawCornerMark(m_nDpi);
    m_LayoutSidePanes(sideMargin, textTop, gap);
    m_LayoutMiddlePane(sideMargin, textTop, gap);
    m_DrawPanes();
    const int clear = sideMargin < 2 ? sideMargin : 2;
    m_TextLayer.m_FillRectXY(0, 0, m_nWidth - clear, 0, m_nWidth, m_nHeight);
    m_Image.m_Draw(&m_TextLayer, 1);
    m_Repaint();
}
