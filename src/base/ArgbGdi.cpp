// Handing an image's pixels to GDI and the shell: blits, bitmaps, icons.
#include "base/ArgbImage.h"

#include <cstdlib>
#include <cstring>

int CArgbImage::m_BitBlt(HDC dc, const RECT* r) const
{
    if (!m_IsValid() || !dc) return 0;
    RECT whole = {0, 0, m_Width, m_Height};
    if (!r) r = &whole;
    return BitBlt(dc, r->left, r->top, r->right - r->left, r->bottom - r->top, m_hDC, 0, 0, SRCCOPY)
               ? 1
               : 0;
}

HBITMAP CArgbImage::m_CreateHBITMAP() const
{
    if (!m_IsValid()) return nullptr;
    BITMAPINFOHEADER header = m_Header;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(m_hDC, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS,
                                      &bits, nullptr, 0);
    if (!bitmap) return nullptr;
    if (!bits) {
        DeleteObject(bitmap);
        return nullptr;
    }
    std::memcpy(bits, m_Bits, static_cast<size_t>(m_Count) * 4);
    return bitmap;
}

namespace {

// A 1-bit bitmap, rows padded to 32 bits and bottom-up like the pixels, one
// bit per pixel set where the pixel is not 0. Its colour table maps a set bit
// to black, so set bits keep the icon's pixel and clear bits let the screen
// show through.
HBITMAP m_CreateIconMask(const CArgbImage& img)
{
    const int stride = (img.m_Width + 31) / 32 * 4;
    BYTE* rows = static_cast<BYTE*>(std::calloc(static_cast<size_t>(stride), img.m_Height));
    if (!rows) return nullptr;
    for (int row = 0; row < img.m_Height; ++row) {
        const uint32_t* p = img.m_Bits + static_cast<size_t>(row) * img.m_Width;
        BYTE* out = rows + static_cast<size_t>(row) * stride;
        for (int x = 0; x < img.m_Width; ++x)
            if (p[x]) out[x >> 3] |= static_cast<BYTE>(0x80 >> (x & 7));
    }
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[2];
    } info = {};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = img.m_Width;
    info.header.biHeight = img.m_Height;
    info.header.biPlanes = 1;
    info.header.biBitCount = 1;
    info.colours[0] = {255, 255, 255, 0};
    info.colours[1] = {0, 0, 0, 0};
    HBITMAP mask = CreateBitmap(img.m_Width, img.m_Height, 1, 1, nullptr);
    if (mask && !SetDIBits(img.m_hDC, mask, 0, img.m_Height, rows,
                           reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS)) {
        DeleteObject(mask);
        mask = nullptr;
    }
    std::free(rows);
    return mask;
}

}  // namespace

HICON CArgbImage::m_ToIcon(int isIcon, int hotX, int hotY) const
{
    if (!m_IsValid()) return nullptr;
    HBITMAP colour = m_CreateHBITMAP();
    HBITMAP mask = m_CreateIconMask(*this);
    HICON icon = nullptr;
    if (colour && mask) {
        ICONINFO info = {};
        info.fIcon = isIcon ? TRUE : FALSE;
        info.xHotspot = static_cast<DWORD>(hotX == -1 ? m_Width / 2 : hotX);
        info.yHotspot = static_cast<DWORD>(hotY == -1 ? m_Height / 2 : hotY);
        info.hbmMask = mask;
        info.hbmColor = colour;
        icon = CreateIconIndirect(&info);
    }
    if (colour) DeleteObject(colour);
    if (mask) DeleteObject(mask);
    return icon;
}

HICON CArgbImage::m_ToSquareIcon() const
{
    if (!m_IsValid()) return nullptr;
    CArgbImage square;
    if (!square.m_Create(m_hDC, m_Height, m_Height, 32)) return nullptr;
    square.m_Draw(this, 1, 0, 0, m_Height, m_Height, m_Height, 0);
    return square.m_ToIcon(1, -1, -1);
}
