// Small helpers for tests on ARGB images: made in one call, read by (x, y).
#pragma once
#include <windows.h>

#include "base/ArgbImage.h"

inline uint32_t Px(const CArgbImage& img, int x, int y) { return img.m_Row(y)[x]; }
inline void SetPx(CArgbImage& img, int x, int y, uint32_t v) { img.m_Row(y)[x] = v; }

// A w x h image filled with one colour.
inline bool MakeFilled(CArgbImage& img, int w, int h, uint32_t colour)
{
    if (!img.m_Create(nullptr, w, h, 32)) return false;
    for (int i = 0; i < img.m_Count; ++i) img.m_Bits[i] = colour;
    return true;
}

// A w x h image whose pixel (x, y) is 0xFF000000 | x << 8 | y: every pixel
// tells where it came from.
inline bool MakeNumbered(CArgbImage& img, int w, int h)
{
    if (!img.m_Create(nullptr, w, h, 32)) return false;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) SetPx(img, x, y, 0xFF000000u | x << 8 | y);
    return true;
}

// Number of pixels equal to v.
inline int CountPx(const CArgbImage& img, uint32_t v)
{
    int n = 0;
    for (int i = 0; i < img.m_Count; ++i) n += img.m_Bits[i] == v;
    return n;
}
