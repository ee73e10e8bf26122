// Blits between images: copy, "over" blending, extra opacity, mirroring and
// quarter turns. This image is always the destination.
#include <cstring>

#include "base/ArgbImage.h"
#include "base/ArgbRows.h"

namespace {

// A source that is the destination itself is read from a copy.
const CArgbImage* m_Readable(const CArgbImage* src, const CArgbImage* self, CArgbImage* copy)
{
    if (src != self) return src;
    return copy->m_CopyFrom(src) ? copy : nullptr;
}

bool m_HasPixels(const CArgbImage* img) { return img && img->m_IsValid(); }

}  // namespace

int CArgbImage::m_Draw(const CArgbImage* src, int blend, int x, int y, int w, int h, int sx, int sy)
{
    if (!m_IsValid() || !m_HasPixels(src)) return 0;
    CArgbImage copy;
    src = m_Readable(src, this, &copy);
    if (!src) return 0;
    SBlitRect r = {x, y, w == -1 ? src->m_Width - sx : w, h == -1 ? src->m_Height - sy : h, sx, sy};
    if (!m_ClipBlit(&r, m_Width, m_Height, src->m_Width, src->m_Height)) return 0;
    for (int j = 0; j < r.h; ++j) {
        uint32_t* d = m_Row(r.y + j) + r.x;
        const uint32_t* s = src->m_Row(r.sy + j) + r.sx;
        if (blend)
            m_BlendRowOver(d, s, r.w);
        else
            std::memcpy(d, s, static_cast<size_t>(r.w) * 4);
    }
    return 1;
}

int CArgbImage::m_DrawAlpha(const CArgbImage* src, int alpha, int x, int y, int w, int h, int sx,
                            int sy)
{
    if (alpha < 1 || !m_IsValid() || !m_HasPixels(src)) return 0;
    if (w == -2) w = -1;
    if (h == -2) h = -1;
    if (alpha >= 255) return m_Draw(src, 1, x, y, w, h, sx, sy);
    CArgbImage copy;
    src = m_Readable(src, this, &copy);
    if (!src) return 0;
    SBlitRect r = {x, y, w == -1 ? src->m_Width - sx : w, h == -1 ? src->m_Height - sy : h, sx, sy};
    if (!m_ClipBlit(&r, m_Width, m_Height, src->m_Width, src->m_Height)) return 0;
    for (int j = 0; j < r.h; ++j)
        m_BlendRowOverAlpha(m_Row(r.y + j) + r.x, src->m_Row(r.sy + j) + r.sx, r.w, alpha);
    return 1;
}

int CArgbImage::m_DrawRect(const CArgbImage* src, int, const RECT* r, int sx, int sy)
{
    if (!m_IsValid()) return 0;
    RECT whole = {0, 0, m_Width, m_Height};
    if (!r) r = &whole;
    return m_Draw(src, 1, r->left, r->top, r->right - r->left, r->bottom - r->top, sx, sy);
}

int CArgbImage::m_DrawMirrored(const CArgbImage* src, int mirrorX, int mirrorY, int blend, int x,
                               int y)
{
    if (!m_IsValid() || !m_HasPixels(src)) return 0;
    CArgbImage copy;
    src = m_Readable(src, this, &copy);
    if (!src) return 0;
    for (int r = 0; r < src->m_Height; ++r) {
        const long long dy = static_cast<long long>(y) + (mirrorY ? src->m_Height - 1 - r : r);
        if (dy < 0 || dy >= m_Height) continue;
        const uint32_t* s = src->m_Row(r);
        uint32_t* d = m_Row(static_cast<int>(dy));
        for (int c = 0; c < src->m_Width; ++c) {
            const long long dx = static_cast<long long>(x) + (mirrorX ? src->m_Width - 1 - c : c);
            if (dx < 0 || dx >= m_Width) continue;
            d[dx] = blend ? m_BlendOne(d[dx], s[c]) : s[c];
        }
    }
    return 1;
}

int CArgbImage::m_DrawRotated(const CArgbImage* src, int angle, int x, int y)
{
    if (angle != 90 && angle != 180 && angle != 270) return 0;
    if (!m_IsValid() || !m_HasPixels(src)) return 0;
    CArgbImage copy;
    src = m_Readable(src, this, &copy);
    if (!src) return 0;
    const int sw = src->m_Width, sh = src->m_Height;
    for (int r = 0; r < sh; ++r) {
        const uint32_t* s = src->m_Row(r);
        for (int c = 0; c < sw; ++c) {
            long long dx = x, dy = y;
            if (angle == 90)
                dx += sh - 1 - r, dy += c;
            else if (angle == 180)
                dx += sw - 1 - c, dy += sh - 1 - r;
            else
                dx += c, dy += sh - 1 - r;
            if (dx < 0 || dy < 0 || dx >= m_Width || dy >= m_Height) continue;
            m_Row(static_cast<int>(dy))[dx] = s[c];
        }
    }
    return 1;
}
