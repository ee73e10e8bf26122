// Row kernels: "over" blending of whole rows, and blit clipping.
#include "base/ArgbRows.h"

#include <algorithm>
#include <cstdlib>

#include "base/ArgbImage.h"
#include "base/Color.h"

namespace {

// x / 255 for x in 0..65534, without a division.
__attribute__((always_inline)) inline uint32_t m_Div255(uint32_t x)
{
    return (x + (x >> 8) + 1) >> 8;
}

// "Over" onto an opaque pixel with source weight a (0..255): each channel
// (Cd (255 - a) + Cs a + 127) / 255, which equals m_BlendOver's rounding since
// a multiple of 1/255 never lies half-way between integers. Red and blue move
// together in one word.
__attribute__((always_inline)) inline uint32_t m_OverOpaque(uint32_t d, uint32_t s, uint32_t a)
{
    const uint32_t ia = 255 - a;
    uint32_t rb = (s & 0xFF00FF) * a + (d & 0xFF00FF) * ia + 0x7F007F;
    uint32_t g = ((s >> 8) & 0xFF) * a + ((d >> 8) & 0xFF) * ia + 0x7F;
    rb = ((rb + ((rb >> 8) & 0xFF00FF) + 0x10001) >> 8) & 0xFF00FF;
    return 0xFF000000 | rb | (m_Div255(g) << 8);
}

// The loops below are compiled twice: for the baseline and for AVX2, whose
// eight 32-bit multiplies per instruction make "over" several times faster.
// Both give the same results; the choice is made once from the processor.
__attribute__((always_inline)) inline bool m_RowOpaqueLoop(const uint32_t* d, int n)
{
    uint32_t all = 0xFF000000;
    for (int i = 0; i < n; ++i) all &= d[i];
    return all == 0xFF000000;
}

__attribute__((always_inline)) inline void m_OverOpaqueLoop(uint32_t* d, const uint32_t* s, int n)
{
    for (int i = 0; i < n; ++i) d[i] = m_OverOpaque(d[i], s[i], s[i] >> 24);
}

// Blends the row when the destination is wholly opaque; false otherwise.
bool m_OverOpaqueRow(uint32_t* d, const uint32_t* s, int n)
{
    if (!m_RowOpaqueLoop(d, n)) return false;
    m_OverOpaqueLoop(d, s, n);
    return true;
}

__attribute__((target("avx2"))) bool m_OverOpaqueRowAvx2(uint32_t* d, const uint32_t* s, int n)
{
    if (!m_RowOpaqueLoop(d, n)) return false;
    m_OverOpaqueLoop(d, s, n);
    return true;
}

bool m_HasAvx2()
{
    static const bool has = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx2") != 0;
    }();
    return has;
}

}  // namespace

uint32_t m_BlendOne(uint32_t d, uint32_t s)
{
    const uint32_t as = s >> 24;
    if (as == 0) return d;
    if (as == 255) return s;
    const uint32_t ad = d >> 24;
    if (ad == 0) return s;
    if (ad == 255) return m_OverOpaque(d, s, as);
    return m_BlendOver(d, s, 255);
}

void m_BlendRowOver(uint32_t* d, const uint32_t* s, int n)
{
    // The common case of composing onto an opaque picture takes one
    // branch-free vectorised loop (alpha 0 and 255 come out exact too).
    if (m_HasAvx2() ? m_OverOpaqueRowAvx2(d, s, n) : m_OverOpaqueRow(d, s, n)) return;
    for (int i = 0; i < n; ++i) d[i] = m_BlendOne(d[i], s[i]);
}

void m_BlendRowOverAlpha(uint32_t* d, const uint32_t* s, int n, int f)
{
    const uint32_t uf = static_cast<uint32_t>(f);
    for (int i = 0; i < n; ++i) {
        const uint32_t as = s[i] >> 24;
        if (as == 0) continue;
        if ((d[i] >> 24) != 255) {
            d[i] = m_BlendOver(d[i], s[i], f);
            continue;
        }
        // Onto an opaque pixel the weight is As f / 65025; rounding that
        // fraction exactly matches m_BlendOver (65025 is odd: no ties).
        const uint32_t k = as * uf, ik = 65025 - k;
        auto mix = [k, ik](uint32_t cd, uint32_t cs) { return (cd * ik + cs * k + 32512) / 65025; };
        const uint32_t dp = d[i], sp = s[i];
        d[i] = 0xFF000000 | mix((dp >> 16) & 0xFF, (sp >> 16) & 0xFF) << 16 |
               mix((dp >> 8) & 0xFF, (sp >> 8) & 0xFF) << 8 | mix(dp & 0xFF, sp & 0xFF);
    }
}

bool m_ClipBlit(SBlitRect* r, int dw, int dh, int sw, int sh)
{
    // 64-bit sums: callers may pass any int.
    long long x = r->x, y = r->y, w = r->w, h = r->h, sx = r->sx, sy = r->sy;
    if (x < 0) w += x, sx -= x, x = 0;
    if (x + w > dw) w = dw - x;
    if (sx < 0) w += sx, sx = 0;
    if (sx + w > sw) w = sw - sx;
    if (y < 0) h += y, sy -= y, y = 0;
    if (y + h > dh) h = dh - y;
    if (sy < 0) h += sy, sy = 0;
    if (sy + h > sh) h = sh - sy;
    if (w < 1 || h < 1) return false;
    *r = {static_cast<int>(x), static_cast<int>(y),  static_cast<int>(w),
          static_cast<int>(h), static_cast<int>(sx), static_cast<int>(sy)};
    return true;
}

bool m_ClipToImage(const CArgbImage& img, const RECT* rc, RECT* out)
{
    if (!img.m_IsValid()) return false;
    RECT whole = {0, 0, img.m_Width, img.m_Height};
    if (!rc) {
        *out = whole;
        return true;
    }
    out->left = std::max(rc->left, 0L);
    out->top = std::max(rc->top, 0L);
    out->right = std::min(rc->right, static_cast<LONG>(img.m_Width));
    out->bottom = std::min(rc->bottom, static_cast<LONG>(img.m_Height));
    return out->left < out->right && out->top < out->bottom;
}

void m_SwapPixels(CArgbImage& a, CArgbImage& b)
{
    std::swap(a.m_Bits, b.m_Bits);
    std::swap(a.m_hDC, b.m_hDC);
    std::swap(a.m_Width, b.m_Width);
    std::swap(a.m_Height, b.m_Height);
    std::swap(a.m_Count, b.m_Count);
    std::swap(a.m_Header, b.m_Header);
    std::swap(a.m_hBitmap, b.m_hBitmap);
}
