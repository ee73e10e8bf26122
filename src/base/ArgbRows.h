// Row kernels and clipping shared by the image operations. The kernels give
// exactly m_BlendOver's results, with integer arithmetic where that is exact.
#pragma once
#include <windows.h>

#include <cstdint>
#include <cstdlib>

class CArgbImage;

// Blends n source pixels over n destination pixels ("over", no extra opacity).
void m_BlendRowOver(uint32_t* d, const uint32_t* s, int n);
// The same with an extra opacity f of 1..254 on every source pixel.
void m_BlendRowOverAlpha(uint32_t* d, const uint32_t* s, int n, int f);
// Copying blit pixels: alpha 0 keeps d, 255 replaces it, else "over".
uint32_t m_BlendOne(uint32_t d, uint32_t s);

// A blit's rectangle: destination (x, y), size (w, h), source (sx, sy).
struct SBlitRect {
    int x, y, w, h, sx, sy;
};
// Clips a blit against a destination of dw x dh and a source of sw x sh;
// false when nothing is left to draw.
bool m_ClipBlit(SBlitRect* r, int dw, int dh, int sw, int sh);

// Clips rc to the image (null = the whole image); false when empty.
bool m_ClipToImage(const CArgbImage& img, const RECT* rc, RECT* out);

// A zeroed malloc'ed scratch buffer freed on scope exit; data is null when
// the memory could not be had.
template <typename T>
struct SScratch {
    T* data;
    explicit SScratch(size_t count)
        : data(static_cast<T*>(std::calloc(count ? count : 1, sizeof(T))))
    {
    }
    ~SScratch() { std::free(data); }
    SScratch(const SScratch&) = delete;
    SScratch& operator=(const SScratch&) = delete;
};

// Exchanges the pixels (DIB section, DC, size, header) of two images; the
// attached blocks and cell sizes stay where they are.
void m_SwapPixels(CArgbImage& a, CArgbImage& b);
