#include "base/TextImage.h"

#include <cmath>

unsigned m_TextFormatOfMode(int mode)
{
    switch (mode) {
        case TEXTFIT_WORD_ELLIPSIS:
        case TEXTFIT_WORD_ELLIPSIS2:
            return DT_SINGLELINE | DT_WORD_ELLIPSIS;
        case TEXTFIT_END_ELLIPSIS:
            return DT_SINGLELINE | DT_END_ELLIPSIS;
        case TEXTFIT_PATH_ELLIPSIS:
            return DT_SINGLELINE | DT_PATH_ELLIPSIS;
        default:
            return DT_SINGLELINE;
    }
}

int CArgbImage::m_DrawTextDC(const wchar_t* text, HFONT font, COLORREF colour, const RECT* r,
                             unsigned format)
{
    if (!m_hDC || !text) return 0;
    RECT area = r ? *r : RECT{0, 0, m_Width, m_Height};
    if (format == unsigned(-1)) format = DT_SINGLELINE;
    HGDIOBJ oldFont = SelectObject(m_hDC, font);
    const COLORREF oldColour = SetTextColor(m_hDC, colour);
    const int oldMode = SetBkMode(m_hDC, TRANSPARENT);
    DrawTextW(m_hDC, text, -1, &area, format);
    SetBkMode(m_hDC, oldMode);
    SetTextColor(m_hDC, oldColour);
    SelectObject(m_hDC, oldFont);
    // The pixels are read directly next: let GDI finish writing them.
    GdiFlush();
    return 1;
}

int CArgbImage::m_DrawGreyTextAt(const wchar_t* text, HFONT font, int, int x, int y)
{
    const RECT r = {x, y, m_Width, m_Height};
    return m_DrawTextDC(text, font, RGB(0x5A, 0x5A, 0x5A), &r, DT_SINGLELINE);
}

int CArgbImage::m_DrawTextEx(const wchar_t* text, HFONT font, ARGB colour, int blend, int x, int y,
                             int maxW, int maxH, int mode)
{
    RECT b;
    if (!m_IsValid() || !m_GetTextInkRect(text, font, &b, 0, 0)) return 0;
    if (maxW > 0 && maxW < b.right - b.left) b.right = b.left + maxW;
    if (maxH > 0 && maxH < b.bottom - b.top) b.bottom = b.top + maxH;
    CArgbImage work;
    if (!work.m_Create(m_hDC, b.right, b.bottom, 32)) return 0;
    work.m_DrawTextDC(text, font, 0xFFFFFF, nullptr, m_TextFormatOfMode(mode));
    for (int row = b.top; row < b.bottom; ++row) {
        const int ty = y + row;
        if (ty < 0 || ty >= m_Height) continue;
        const uint32_t* src = work.m_Row(row);
        uint32_t* dst = m_Row(ty);
        for (int col = b.left; col < b.right; ++col) {
            const int tx = x + col;
            int c = int(src[col] & 0xFF);
            if (c == 0 || tx < 0 || tx >= m_Width) continue;
            // Thinning the grey edge keeps small text crisp on any ground.
            if (c < 255) c = int(std::floor(std::pow(c / 255.0, 2.5) * 255 + 0.5));
            dst[tx] = blend ? m_BlendOver(dst[tx], colour, c) : m_LerpARGBRound(dst[tx], colour, c);
        }
    }
    return 0;
}

int CArgbImage::m_DrawTextBlended(const wchar_t* text, HFONT font, ARGB colour, int x, int y,
                                  int maxW, int maxH, int mode)
{
    return m_DrawTextEx(text, font, colour, 1, x, y, maxW, maxH, mode);
}
