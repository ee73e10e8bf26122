// CArgbImage life cycle: the DIB section, its memory DC and copies.
#include "base/ArgbImage.h"

#include <cstdlib>
#include <cstring>

CArgbImage g_WorkImage;

CArgbImage::CArgbImage() : m_Data(nullptr) { m_Reset(); }

CArgbImage::CArgbImage(const CArgbImage& other) : m_Data(nullptr)
{
    m_Reset();
    m_CopyFrom(&other);
}

CArgbImage& CArgbImage::operator=(const CArgbImage& other)
{
    if (this != &other) m_CopyFrom(&other);
    return *this;
}

CArgbImage::~CArgbImage() { m_Destroy(); }

void CArgbImage::m_Reset()
{
    m_Bits = nullptr;
    m_hDC = nullptr;
    m_Width = m_Height = m_Count = 0;
    std::memset(&m_Header, 0, sizeof(m_Header));
    m_Header.biSize = sizeof(BITMAPINFOHEADER);
    m_Header.biPlanes = 1;
    m_Data = nullptr;
    m_DataSize = 0;
    m_hBitmap = nullptr;
    m_CellWidth = m_CellHeight = 0;
}

bool CArgbImage::m_IsValid() const { return m_hDC && m_Bits && m_Width >= 1 && m_Height >= 1; }

int CArgbImage::m_Create(HDC dc, int w, int h, WORD bpp)
{
    // Every pixel loop assumes 32 bits; other depths would overrun them.
    if (bpp != 32 || w < 1 || h < 1 || w > kArgbMaxSide || h > kArgbMaxSide) return 0;
    if (static_cast<long long>(w) * h > kArgbMaxPixels) return 0;
    if (m_IsValid() && w == m_Width && h == m_Height) return m_Clear(true);

    BITMAPINFOHEADER header = m_Header;
    header.biSize = sizeof(BITMAPINFOHEADER);
    header.biWidth = w;
    header.biHeight = h;
    header.biPlanes = 1;
    header.biBitCount = bpp;
    header.biCompression = BI_RGB;
    HDC newDc = CreateCompatibleDC(dc);
    if (!newDc) return 0;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(newDc, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS,
                                      &bits, nullptr, 0);
    if (!bitmap || !bits) {
        if (bitmap) DeleteObject(bitmap);
        DeleteDC(newDc);
        return 0;
    }
    SelectObject(newDc, bitmap);

    HDC oldDc = m_hDC;
    HBITMAP oldBitmap = m_hBitmap;
    m_Header = header;
    m_hDC = newDc;
    m_hBitmap = bitmap;
    m_Bits = static_cast<uint32_t*>(bits);
    m_Width = w;
    m_Height = h;
    m_Count = w * h;
    std::memset(m_Bits, 0, static_cast<size_t>(m_Count) * 4);
    m_CellWidth = m_CellHeight = h;
    if (oldDc) DeleteDC(oldDc);
    if (oldBitmap) DeleteObject(oldBitmap);
    return 1;
}

void CArgbImage::m_Destroy()
{
    if (m_hDC) DeleteDC(m_hDC);
    if (m_hBitmap) DeleteObject(m_hBitmap);
    m_hDC = nullptr;
    m_hBitmap = nullptr;
    m_Bits = nullptr;
    m_FreeData();
    m_Width = m_Height = m_Count = 0;
}

void CArgbImage::m_FreeData()
{
    std::free(m_Data);
    m_Data = nullptr;
    m_DataSize = 0;
}

int CArgbImage::m_CopyFrom(const CArgbImage* src)
{
    if (!src || src == this || !src->m_Bits || src->m_Width < 1 || src->m_Height < 1) return 0;
    if (!m_IsValid() || m_Width != src->m_Width || m_Height != src->m_Height) {
        if (!m_Create(src->m_hDC, src->m_Width, src->m_Height, 32)) return 0;
    }
    std::memcpy(m_Bits, src->m_Bits, static_cast<size_t>(m_Count) * 4);
    return 1;
}
