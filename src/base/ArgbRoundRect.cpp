// Rounded rectangles: integer and fractional radii, shaded variants and
// rounded frames. Shapes are composed in a work image covering the visible
// part of the rectangle, then laid onto this image in one pass.
#include <algorithm>
#include <cmath>

#include "base/ArgbImage.h"
#include "base/ArgbRows.h"
#include "base/Geometry.h"

namespace {

struct SShapeArea {
    RECT full;     // the rectangle asked for
    RECT visible;  // its part inside the image
};

bool m_ShapeArea(const CArgbImage& img, const RECT* r, SShapeArea* out)
{
    if (!img.m_IsValid()) return false;
    out->full = r ? *r : RECT{0, 0, img.m_Width, img.m_Height};
    if (out->full.right <= out->full.left || out->full.bottom <= out->full.top) return false;
    return m_ClipToImage(img, &out->full, &out->visible);
}

// Places a top-left corner piece on the corners named by the mask, turned
// for each corner; positions are those of the full rectangle.
void m_PlaceCorners(CArgbImage& work, const SShapeArea& a, const CArgbImage& piece, int corners)
{
    const int ox = a.full.left - a.visible.left, oy = a.full.top - a.visible.top;
    const int w = a.full.right - a.full.left, h = a.full.bottom - a.full.top, n = piece.m_Width;
    if (corners & 1) work.m_Draw(&piece, 0, ox, oy);
    if (corners & 2) work.m_DrawRotated(&piece, 90, ox + w - n, oy);
    if (corners & 8) work.m_DrawRotated(&piece, 180, ox + w - n, oy + h - n);
    if (corners & 4) work.m_DrawRotated(&piece, 270, ox, oy + h - n);
}

// Lays a shape made in the opaque colour onto img, its alpha being the
// coverage: "over" with blend on, a rounded lerp toward the colour without.
void m_LayCoverage(CArgbImage& img, const CArgbImage& work, const RECT& at, ARGB colour, int blend)
{
    for (int y = 0; y < work.m_Height; ++y) {
        const uint32_t* s = work.m_Row(y);
        uint32_t* d = img.m_Row(at.top + y) + at.left;
        for (int x = 0; x < work.m_Width; ++x) {
            const int k = static_cast<int>(s[x] >> 24);
            d[x] = blend ? m_BlendOver(d[x], colour, k) : m_LerpARGBRound(d[x], colour, k);
        }
    }
}

// The shared body of the fractional-radius fills, given the corner piece.
int m_FillWithPiece(CArgbImage& img, ARGB colour, int blend, const SShapeArea& a,
                    const CArgbImage& piece, int corners)
{
    CArgbImage work;
    if (!work.m_Create(img.m_hDC, a.visible.right - a.visible.left,
                       a.visible.bottom - a.visible.top, 32))
        return 0;
    work.m_FillRect(colour | 0xFF000000, 0, nullptr);
    m_PlaceCorners(work, a, piece, corners);
    m_LayCoverage(img, work, a.visible, colour, blend);
    return 1;
}

int m_ClampStrength(int k) { return std::min(255, std::max(0, k)); }

}  // namespace

int CArgbImage::m_FillRoundRect(ARGB colour, int blend, const RECT* r, int radius, int corners)
{
    if (radius < 1) return m_FillRect(colour, blend, r);
    SShapeArea a;
    if (!m_ShapeArea(*this, r, &a)) return 0;
    CArgbImage work, piece;
    if (!work.m_Create(m_hDC, a.visible.right - a.visible.left, a.visible.bottom - a.visible.top,
                       32) ||
        !piece.m_CreateCircle(m_hDC, radius, colour))
        return 0;
    work.m_FillRect(colour, 0, nullptr);
    m_PlaceCorners(work, a, piece, corners);
    return m_Draw(&work, blend, a.visible.left, a.visible.top);
}

int CArgbImage::m_CreateRoundRect(HDC dc, int w, int h, ARGB colour, int radius, int shading,
                                  int strength)
{
    if (!m_Create(dc, w, h, 32)) return 0;
    m_Clear(true);
    m_FillRoundRect(colour, 0, nullptr, radius, 15);
    if (shading != 1 && shading != 2) return 1;
    const int half = h / 2, scale = shading == 1 ? 255 : 128, offset = shading == 1 ? 0 : 64;
    for (int y = 0; y < h; ++y) {
        // A one-pixel-high image has no half to scale by: only the offset.
        const bool upper = y < half;
        const int dist = upper ? half - y : y - half;
        const int k = m_ClampStrength(((half ? dist * scale / half : 0) + offset) * strength / 100);
        uint32_t* row = m_Row(y);
        for (int x = 0; x < w; ++x) {
            uint32_t p = row[x], out = p & 0xFF000000;
            for (int shift = 0; shift < 24; shift += 8) {
                const uint32_t c = (p >> shift) & 0xFF;
                const uint32_t v = upper ? (c * (255 - k) + 255 * k) / 255 : c * (255 - k) / 255;
                out |= v << shift;
            }
            row[x] = out;
        }
    }
    return 1;
}

int CArgbImage::m_DrawRoundRect(const RECT* r, ARGB colour, int radius, int, int shading,
                                int strength)
{
    SShapeArea a;
    if (!m_ShapeArea(*this, r, &a)) return 0;
    CArgbImage shape;
    if (!shape.m_CreateRoundRect(m_hDC, a.full.right - a.full.left, a.full.bottom - a.full.top,
                                 colour, radius, shading, strength))
        return 0;
    return m_Draw(&shape, 1, a.full.left, a.full.top);
}

int CArgbImage::m_FillRoundRectEx(ARGB colour, int blend, const RECT* r, double radius, int corners)
{
    if (!(radius > 0.0)) return m_FillRect(colour, blend, r);
    SShapeArea a;
    CArgbImage piece;
    if (!m_ShapeArea(*this, r, &a) ||
        !piece.m_CreateCornerPiece(m_hDC, radius, colour | 0xFF000000))
        return 0;
    return m_FillWithPiece(*this, colour, blend, a, piece, corners);
}

int CArgbImage::m_FillRoundRectShaded(ARGB colour, int blend, const RECT* r, double radius,
                                      double second, int corners)
{
    if (!(radius >= 1.0)) return m_FillRect(colour, blend, r);
    if (radius >= second) return m_FillRoundRectEx(colour, blend, r, radius, corners);
    SShapeArea a;
    CArgbImage piece;
    if (!m_ShapeArea(*this, r, &a) ||
        !piece.m_CreateCornerPieceEx(m_hDC, radius, second, colour | 0xFF000000))
        return 0;
    return m_FillWithPiece(*this, colour, blend, a, piece, corners);
}

int CArgbImage::m_CreateRoundRectFill(HDC dc, int w, int h, ARGB colour, double radius)
{
    if (!m_Create(dc, w, h, 32)) return 0;
    m_Clear(true);
    return m_FillRoundRectEx(colour, 0, nullptr, radius, 15);
}

int CArgbImage::m_CreateRoundRectShaded(HDC dc, int w, int h, ARGB colour, double radius,
                                        double second)
{
    if (!m_Create(dc, w, h, 32)) return 0;
    m_Clear(true);
    return m_FillRoundRectShaded(colour, 0, nullptr, radius, second, 15);
}

int CArgbImage::m_DrawRoundRectAlt(ARGB colour, const RECT* r, double radius, int)
{
    SShapeArea a;
    if (!m_ShapeArea(*this, r, &a)) return 0;
    CArgbImage shape;
    if (!shape.m_CreateRoundRectFill(m_hDC, a.full.right - a.full.left, a.full.bottom - a.full.top,
                                     colour, radius))
        return 0;
    return m_Draw(&shape, 0, a.full.left, a.full.top);
}

int CArgbImage::m_DrawGlowRect(ARGB colour, int, const RECT* r, int width, double radius)
{
    SShapeArea a;
    if (!m_ShapeArea(*this, r, &a)) return 0;
    CArgbImage frame, mask;
    const int w = a.full.right - a.full.left, h = a.full.bottom - a.full.top;
    if (!frame.m_Create(m_hDC, w, h, 32)) return 0;
    frame.m_Clear(false);
    frame.m_FillRoundRectEx(0xFFFFFFFF, 1, nullptr, radius, 15);
    const RECT inner = {width, width, w - width, h - width};
    if (inner.left < inner.right && inner.top < inner.bottom)
        frame.m_FillRoundRectEx(0xFF000000, 1, &inner, std::max(0.0, radius - width), 15);
    if (!mask.m_CreateMask(&frame, colour, 1)) return 0;
    return m_DrawRect(&mask, 0, &a.full);
}

int CArgbImage::m_DrawGlowRect2(ARGB colour, int, const RECT* r, int width, int radius)
{
    SShapeArea a;
    if (!m_ShapeArea(*this, r, &a)) return 0;
    CArgbImage frame, mask;
    const int w = a.full.right - a.full.left, h = a.full.bottom - a.full.top;
    if (!frame.m_Create(m_hDC, w, h, 32)) return 0;
    frame.m_Clear(false);
    frame.m_FillRoundRect(0xFFFFFFFF, 1, nullptr, radius, 15);
    // The inner radius follows the inner size; a shape too small to have a
    // half-diagonal gets square inner corners.
    const int outerDiag = static_cast<int>(std::floor(m_Hypot(w / 2.0, h / 2.0)));
    const int innerDiag = static_cast<int>(std::floor(m_Hypot(w / 2.0 - width, h / 2.0 - width)));
    const int innerRadius = outerDiag > 0 ? innerDiag * radius / outerDiag : 0;
    const RECT inner = {width, width, w - width, h - width};
    if (inner.left < inner.right && inner.top < inner.bottom)
        frame.m_FillRoundRect(0xFF000000, 1, &inner, innerRadius, 15);
    if (!mask.m_CreateMask(&frame, colour, 1)) return 0;
    return m_DrawRect(&mask, 0, &a.full);
}
