// The on-screen display bars' layout and drawing: the two bars with their
// fringes, the title, and the position and volume gauges with their texts.
#include <windows.h>

#include <cmath>

#include "controls/LayeredWnd.h"

namespace {

// Texts and sizes are designed for a 1920 pixels wide video.
constexpr double kDesignWidth = 1920.0;

int Round(double v) { return int(std::lround(v)); }

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

ARGB WithAlpha(ARGB colour, int alpha) { return (colour & 0x00FFFFFF) | ARGB(alpha) << 24; }

}  // namespace

int CLayeredWnd::m_Fringe() const { return Round(0.005 * Height(m_rcWindow)); }

void CLayeredWnd::m_SetRect(const RECT* rect)
{
    if (!m_hWnd) return;
    if (rect) m_rcWindow = *rect;
    const int w = Width(m_rcWindow), h = Height(m_rcWindow);
    if (w < 1 || h < 1) return;
    SetWindowPos(m_hWnd, nullptr, m_rcWindow.left, m_rcWindow.top, w, h,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    m_Layout(w, h);
    if (m_Image.m_Width != w || m_Image.m_Height != h) {
        m_Image.m_Destroy();
        if (!m_Image.m_Create(nullptr, w, h, 32)) return;
    }
    m_PaintBars();
    m_Redraw(OSD_PART_ALL);
}

void CLayeredWnd::m_Layout(int w, int h)
{
    SetRect(&m_rcTopBar, 0, 0, w, Round(0.15 * h));
    SetRect(&m_rcBottomBar, 0, Round(h - 0.2 * h), w, h);
    const int tw = Width(m_rcTopBar), th = Height(m_rcTopBar);
    SetRect(&m_rcTitleArea, Round(0.025 * tw), Round(0.2 * th), Round(0.975 * tw), Round(0.8 * th));
    const int bw = Width(m_rcBottomBar), bh = Height(m_rcBottomBar), top = m_rcBottomBar.top;
    const int areaTop = top + Round(0.2 * bh), areaBottom = top + Round(0.8 * bh);
    SetRect(&m_rcPositionArea, Round(0.025 * bw), areaTop, Round(0.75 * bw), areaBottom);
    SetRect(&m_rcVolumeArea, Round(0.78 * bw), areaTop, Round(0.975 * bw), areaBottom);
}

// Both bars in the bar colour, the band between them transparent, and a
// fringe on the inner side of each bar that fades toward the middle.
void CLayeredWnd::m_PaintBars()
{
    m_Image.m_Clear(true);
    m_Image.m_FillRect(m_BarColor, 0, &m_rcTopBar);
    m_Image.m_FillRect(m_BarColor, 0, &m_rcBottomBar);
    const int fringe = m_Fringe(), alpha = int(m_BarColor >> 24);
    for (int i = 0; i < fringe; ++i) {
        const ARGB c = WithAlpha(m_BarColor, alpha * (fringe - i) / (fringe + 1));
        const int below = m_rcTopBar.bottom + i, above = m_rcBottomBar.top - 1 - i;
        m_Image.m_FillRectXY(c, 0, 0, below, m_Image.m_Width, below + 1);
        m_Image.m_FillRectXY(c, 0, 0, above, m_Image.m_Width, above + 1);
    }
}

void CLayeredWnd::m_Redraw(int parts)
{
    if (!m_hWnd) return;
    if (m_Image.m_IsValid() && Width(m_rcWindow) == m_Image.m_Width) {
        wchar_t text[32];
        if (parts & OSD_PART_TITLE) m_DrawTitle();
        if (parts & OSD_PART_POSITION) {
            m_OsdPositionText(m_nPosition, text, 32);
            m_DrawGauge(m_rcPositionArea, m_nPosition, 10000, text);
        }
        if (parts & OSD_PART_VOLUME) {
            m_OsdVolumeText(m_nVolume, text, 32);
            m_DrawGauge(m_rcVolumeArea, m_nVolume, 100, text);
        }
    }
    m_UpdateWindow();
}

// The text in a bold GDI font, scaled to the video's width; 0 when there
// is nothing to draw. A pitch above 0 gives every character that advance.
int CLayeredWnd::m_TextImage(CArgbImage* out, const wchar_t* text, const wchar_t* face, int size,
                             ARGB colour, int pitch) const
{
    if (!text || !text[0] || size < 1) return 0;
    HFONT font = CreateFontW(-size, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, 49, face);
    if (!font) return 0;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    const int length = lstrlenW(text);
    SIZE ext = {0, 0};
    GetTextExtentPoint32W(dc, text, length, &ext);
    SelectObject(dc, old);
    DeleteDC(dc);
    const int w = pitch > 0 ? pitch * length : ext.cx;
    int ok = w > 0 && ext.cy > 0 && out->m_Create(nullptr, w, ext.cy, 32);
    if (ok) {
        out->m_Clear(true);
        ok = pitch > 0 ? out->m_DrawTextGDIChars(font, pitch, colour, 0, 0, 0, text, length)
                       : out->m_DrawTextGDI(font, colour, 0, 0, 0, text, length);
    }
    DeleteObject(font);
    if (ok) out->m_Scale(Width(m_rcWindow) / kDesignWidth);
    return ok;
}

// A part is drawn on the bar colour and copied over its area unblended.
void CLayeredWnd::m_PutPart(const CArgbImage& part, const RECT& area)
{
    m_Image.m_Draw(&part, 0, area.left, area.top);
}

void CLayeredWnd::m_DrawTitle()
{
    const int w = Width(m_rcTitleArea), h = Height(m_rcTitleArea);
    if (w < 1 || h < 1) return;
    CArgbImage part, text;
    if (!part.m_Create(nullptr, w, h, 32)) return;
    part.m_FillRect(m_BarColor, 0, nullptr);
    if (m_TextImage(&text, m_szTitle, m_szTopFace, m_nTopFontSize, m_TopTextColor, 0)) {
        const int x = (w - text.m_Width) / 2;
        part.m_Draw(&text, 1, x < 0 ? 0 : x, (h - text.m_Height) / 2);
    }
    m_PutPart(part, m_rcTitleArea);
}

void CLayeredWnd::m_DrawGauge(const RECT& area, int filled, int of, const wchar_t* text)
{
    const int w = Width(area), h = Height(area);
    if (w < 1 || h < 1) return;
    CArgbImage part, label;
    if (!part.m_Create(nullptr, w, h, 32)) return;
    part.m_FillRect(m_BarColor, 0, nullptr);
    const int gaugeH = h / 3;
    const RECT gauge = {0, 0, w, gaugeH};
    part.m_FillRoundRect(0x50000000, 1, &gauge, gaugeH / 8, 15);
    const int value = filled < 0 ? 0 : filled > of ? of : filled;
    const int inner = w - 4;
    const RECT bar = {2, 2, 2 + int(double(inner) * value / of), gaugeH - 2};
    if (bar.right > bar.left && bar.bottom > bar.top)
        part.m_FillRoundRect(0xA0FFFFFF, 1, &bar, (gaugeH - 4) / 8, 15);
    if (m_TextImage(&label, text, m_szBottomFace, m_nBottomFontSize, m_TextColor, m_nCharPitch))
        part.m_Draw(&label, 1, w - 3 - label.m_Width, gaugeH + 4);
    m_PutPart(part, area);
}
