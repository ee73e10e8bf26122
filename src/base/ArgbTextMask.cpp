// GDI text turned into a coloured alpha mask and blended into the image.
#include <cwchar>

#include "base/ArgbImage.h"

namespace {

// The mask's blue byte is the coverage; it becomes the alpha of the colour.
void m_ColourMask(CArgbImage& mask, ARGB colour)
{
    const uint32_t rgb = colour & 0xFFFFFF, ca = colour >> 24;
    for (int i = 0; i < mask.m_Count; ++i) {
        const uint32_t c = mask.m_Bits[i] & 0xFF;
        if (c == 0) {
            mask.m_Bits[i] = 0;
            continue;
        }
        const uint32_t a = ca == 255 ? c : c - c * (255 - ca) / 255;
        mask.m_Bits[i] = rgb | a << 24;
    }
}

// A transparent mask of w x h with the font selected, white text on no
// background.
bool m_PrepareMask(CArgbImage& mask, HDC like, int w, int h, HFONT font)
{
    if (!mask.m_Create(like, w, h, 32)) return false;
    SelectObject(mask.m_hDC, font);
    SetBkMode(mask.m_hDC, TRANSPARENT);
    SetTextColor(mask.m_hDC, RGB(255, 255, 255));
    return true;
}

SIZE m_MeasureText(HDC dc, HFONT font, const wchar_t* text, int length)
{
    SIZE size = {0, 0};
    HGDIOBJ old = SelectObject(dc, font);
    if (!GetTextExtentPoint32W(dc, text, length, &size)) size = {0, 0};
    SelectObject(dc, old);
    return size;
}

int m_TextLength(const wchar_t* text, int length)
{
    if (!text) return 0;
    return length < 0 ? static_cast<int>(std::wcslen(text)) : length;
}

}  // namespace

int CArgbImage::m_DrawTextGDI(HFONT font, ARGB colour, int, int, int, const wchar_t* text,
                              int length)
{
    length = m_TextLength(text, length);
    if (!m_IsValid() || !font || length < 1) return 0;
    const SIZE size = m_MeasureText(m_hDC, font, text, length);
    CArgbImage mask;
    if (!m_PrepareMask(mask, m_hDC, size.cx, size.cy, font)) return 0;
    TextOutW(mask.m_hDC, 0, 0, text, length);
    GdiFlush();
    m_ColourMask(mask, colour);
    return m_Draw(&mask, 1, 0, 0);
}

int CArgbImage::m_DrawTextGDIChars(HFONT font, int cellWidth, ARGB colour, int, int, int,
                                   const wchar_t* text, int length)
{
    length = m_TextLength(text, length);
    if (!m_IsValid() || !font || length < 1 || cellWidth < 1) return 0;
    const SIZE size = m_MeasureText(m_hDC, font, text, length);
    if (static_cast<long long>(length + 1) * cellWidth > kArgbMaxSide) return 0;
    CArgbImage mask;
    if (!m_PrepareMask(mask, m_hDC, (length + 1) * cellWidth, size.cy, font)) return 0;
    for (int i = 0; i < length;) {
        // A lead byte of the ANSI code page keeps its partner in the same cell.
        const int n = i + 1 < length && IsDBCSLeadByte(static_cast<BYTE>(text[i] & 0xFF)) ? 2 : 1;
        TextOutW(mask.m_hDC, i * cellWidth, 0, text + i, n);
        i += n;
    }
    GdiFlush();
    m_ColourMask(mask, colour);
    return m_Draw(&mask, 1, 0, 0);
}
