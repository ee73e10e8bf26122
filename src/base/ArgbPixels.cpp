// Whole-image pixel operations: clearing, alpha from value, masks, mirroring,
// turning and cropping.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "base/ArgbImage.h"
#include "base/ArgbRows.h"

int CArgbImage::m_Clear(bool transparent)
{
    if (!m_IsValid()) return 0;
    if (transparent) {
        std::memset(m_Bits, 0, static_cast<size_t>(m_Count) * 4);
        return 1;
    }
    std::fill(m_Bits, m_Bits + m_Count, 0xFF000000u);
    return 1;
}

int CArgbImage::m_SetOpaque()
{
    if (!m_IsValid()) return 0;
    for (int i = 0; i < m_Count; ++i) m_Bits[i] |= 0xFF000000u;
    return 1;
}

int CArgbImage::m_AlphaFromValue(const CArgbImage* src)
{
    if (!m_IsValid() || !src || !src->m_IsValid()) return 0;
    // A source of another size is read only where the two overlap.
    const int w = std::min(m_Width, src->m_Width), h = std::min(m_Height, src->m_Height);
    for (int y = 0; y < h; ++y) {
        uint32_t* d = m_Row(y);
        const uint32_t* s = src->m_Row(y);
        for (int x = 0; x < w; ++x) {
            const int a = (m_GetColorValue(s[x]) * static_cast<int>(d[x] >> 24) * 2 + 255) / 510;
            d[x] = a == 0 ? 0 : (d[x] & 0xFFFFFF) | static_cast<uint32_t>(a) << 24;
        }
    }
    return 1;
}

int CArgbImage::m_CreateMask(const CArgbImage* src, ARGB colour, int fromValue)
{
    if (!src || !src->m_IsValid()) return 0;
    CArgbImage copy;
    if (src == this) {
        if (!copy.m_CopyFrom(src)) return 0;
        src = &copy;
    }
    if (!m_Create(src->m_hDC, src->m_Width, src->m_Height, 32)) return 0;
    const uint32_t rgb = colour & 0xFFFFFF, ca = colour >> 24;
    for (int i = 0; i < m_Count; ++i) {
        const uint32_t c = fromValue ? static_cast<uint32_t>(m_GetColorValue(src->m_Bits[i]))
                                     : src->m_Bits[i] >> 24;
        m_Bits[i] = rgb | ((c * ca * 2 + 255) / 510) << 24;
    }
    return 1;
}

int CArgbImage::m_Mirror(bool horizontal)
{
    if (!m_IsValid()) return 0;
    if (horizontal) {
        for (int y = 0; y < m_Height; ++y) std::reverse(m_Row(y), m_Row(y) + m_Width);
        return 1;
    }
    for (int y = 0; y < m_Height / 2; ++y)
        std::swap_ranges(m_Row(y), m_Row(y) + m_Width, m_Row(m_Height - 1 - y));
    return 1;
}

int CArgbImage::m_Rotate180()
{
    if (!m_IsValid()) return 0;
    std::reverse(m_Bits, m_Bits + m_Count);
    return 1;
}

int CArgbImage::m_Crop(int left, int top, int right, int bottom)
{
    if (!m_IsValid()) return 0;
    // Negative margins would reach outside the pixels; margins that leave
    // nothing fail and keep the image.
    left = std::max(left, 0), top = std::max(top, 0);
    right = std::max(right, 0), bottom = std::max(bottom, 0);
    if (left == 0 && top == 0 && right == 0 && bottom == 0) return 0;
    const long long w = static_cast<long long>(m_Width) - left - right;
    const long long h = static_cast<long long>(m_Height) - top - bottom;
    if (w < 1 || h < 1) return 0;
    CArgbImage cut;
    if (!cut.m_Create(m_hDC, static_cast<int>(w), static_cast<int>(h), 32)) return 0;
    for (int y = 0; y < cut.m_Height; ++y)
        std::memcpy(cut.m_Row(y), m_Row(top + y) + left, static_cast<size_t>(w) * 4);
    m_SwapPixels(*this, cut);
    return 1;
}
