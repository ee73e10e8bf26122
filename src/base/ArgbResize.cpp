// Resizing in place (area averaging, GDI stretching) and the shared work image.
#include <algorithm>
#include <cmath>

#include "base/ArgbAreaAverage.h"
#include "base/ArgbImage.h"
#include "base/ArgbRows.h"

namespace {

// A size computed in double: 0 when it is not a usable side.
int m_SideFromDouble(double v)
{
    if (!(v >= 1.0) || v > kArgbMaxSide) return 0;
    return static_cast<int>(v);
}

// StretchBlt in HALFTONE mode, the previous mode restored.
BOOL m_HalftoneStretch(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, int sw, int sh)
{
    const int oldMode = SetStretchBltMode(dst, HALFTONE);
    POINT oldOrigin;
    SetBrushOrgEx(dst, 0, 0, &oldOrigin);
    const BOOL ok = StretchBlt(dst, x, y, w, h, src, sx, sy, sw, sh, SRCCOPY);
    SetBrushOrgEx(dst, oldOrigin.x, oldOrigin.y, nullptr);
    if (oldMode) SetStretchBltMode(dst, oldMode);
    return ok;
}

}  // namespace

int CArgbImage::m_Resize(int w, int h, int alphaWeighted)
{
    if (!m_IsValid()) return 0;
    const double aspect = static_cast<double>(m_Width) / m_Height;
    if (w == -1 && h >= 1) w = m_SideFromDouble(std::floor(aspect * h + 0.5));
    if (h == -1 && w >= 1) h = m_SideFromDouble(std::floor(w / aspect + 0.5));
    if (w < 1 || h < 1 || (w == m_Width && h == m_Height)) return 0;
    CArgbImage resized;
    if (!resized.m_Create(m_hDC, w, h, 32)) return 0;
    m_AreaAverage(*this, resized, alphaWeighted != 0);
    m_SwapPixels(*this, resized);
    return 1;
}

int CArgbImage::m_ResizeTo(int w, int h, int alphaWeighted)
{
    return (m_IsValid() && w == m_Width && h == m_Height) || m_Resize(w, h, alphaWeighted);
}

int CArgbImage::m_Scale(double fx, double fy)
{
    if (!m_IsValid()) return 0;
    const double f = fy == 0.0 ? fx : fy;
    const int w = m_SideFromDouble(std::floor(m_Width * fx + 0.5));
    const int h = m_SideFromDouble(std::floor(m_Height * f + 0.5));
    return m_Resize(w, h, 1);
}

int CArgbImage::m_ShrinkToFit(int maxW, int maxH)
{
    if (!m_IsValid() || maxW < 1 || maxH < 1) return 0;
    if (m_Width <= maxW && m_Height <= maxH) return 0;
    const double a = static_cast<double>(m_Width) / m_Height;
    const double b = static_cast<double>(maxW) / maxH;
    int w = maxW, h = maxH;
    if (std::fabs(a - b) >= 0.01) {
        // A very long side would otherwise round the short one to nothing.
        if (a > b)
            h = std::max(1, static_cast<int>(std::floor(maxW / a + 0.5)));
        else
            w = std::max(1, static_cast<int>(std::floor(maxH * a + 0.5)));
    }
    return m_Resize(w, h, 0);
}

int CArgbImage::m_StretchTo(int w, int h)
{
    if (!m_IsValid() || w < 1 || h < 1 || (w == m_Width && h == m_Height)) return 0;
    CArgbImage stretched;
    if (!stretched.m_Create(m_hDC, w, h, 32)) return 0;
    m_HalftoneStretch(stretched.m_hDC, 0, 0, w, h, m_hDC, 0, 0, m_Width, m_Height);
    m_SwapPixels(*this, stretched);
    return 1;
}

int m_StretchToWork(const CArgbImage* src, int w, int h, int left, int top, int right, int bottom)
{
    if (!src || !src->m_IsValid()) return 0;
    if (w == src->m_Width && h == src->m_Height && !left && !top && !right && !bottom)
        return g_WorkImage.m_CopyFrom(src);
    // Margins that leave no source area are refused rather than read past.
    const long long sw = static_cast<long long>(src->m_Width) - left - right;
    const long long sh = static_cast<long long>(src->m_Height) - top - bottom;
    if (left < 0 || top < 0 || sw < 1 || sh < 1) return 0;
    if (!g_WorkImage.m_Create(src->m_hDC, w, h, 32)) return 0;
    m_HalftoneStretch(g_WorkImage.m_hDC, 0, 0, w, h, src->m_hDC, left, top, static_cast<int>(sw),
                      static_cast<int>(sh));
    return 1;
}
