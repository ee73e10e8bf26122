// The one raster type: 32-bit ARGB pixels (0xAARRGGBB) in a GDI DIB section
// with its own memory DC, so the program's loops and GDI share the pixels.
// Rows lie bottom-up in memory; every operation counts y from the top.
// Operations return 1 or 0 and do nothing on an image without pixels.
#pragma once
#include <windows.h>

#include <cstdint>

#include "base/Color.h"

// Largest side and pixel count an image may have; a larger request fails
// cleanly instead of reaching GDI with a size it may half honour.
constexpr int kArgbMaxSide = 16384;
constexpr int kArgbMaxPixels = 1 << 26;

class CArgbImage {
public:
    // Fields (public: the image file and text code read and fill them).
    uint32_t* m_Bits;  // the DIB section's pixels
    HDC m_hDC;         // memory DC holding the DIB section; null while empty
    int m_Width;
    int m_Height;
    int m_Count;  // m_Width * m_Height
    BITMAPINFOHEADER m_Header;
    BYTE* m_Data;  // attached block (malloc'ed), freed by m_FreeData
    DWORD m_DataSize;
    HBITMAP m_hBitmap;  // the DIB section
    int m_CellWidth;
    int m_CellHeight;

    // Life cycle and copies. Copies never carry the attached block.
    CArgbImage();
    CArgbImage(const CArgbImage& other);
    CArgbImage& operator=(const CArgbImage& other);
    ~CArgbImage();
    void m_Reset();
    int m_Create(HDC dc, int w, int h, WORD bpp = 32);
    void m_Destroy();
    void m_FreeData();
    bool m_IsValid() const;
    int m_CopyFrom(const CArgbImage* src);

    // Row y counted from the top; the caller keeps y inside the image.
    uint32_t* m_Row(int y) { return m_Bits + static_cast<size_t>(m_Height - 1 - y) * m_Width; }
    const uint32_t* m_Row(int y) const
    {
        return m_Bits + static_cast<size_t>(m_Height - 1 - y) * m_Width;
    }

    // Whole-image pixel operations.
    int m_Clear(bool transparent);
    int m_SetOpaque();
    int m_AlphaFromValue(const CArgbImage* src);
    int m_CreateMask(const CArgbImage* src, ARGB colour, int fromValue);
    int m_Mirror(bool horizontal);
    int m_Rotate180();
    int m_Crop(int left, int top, int right, int bottom);

    // Cells of a strip or grid.
    int m_SetCellSize(int cw, int ch = -1);
    void m_GetCellSize(int* cw, int* ch) const;
    int m_GetCellCount() const;
    int m_DrawCell(CArgbImage* dst, int n, int x, int y) const;
    int m_DrawCellAlpha(CArgbImage* dst, int n, int alpha, int x, int y) const;

    // Handing pixels to GDI and the shell.
    int m_BitBlt(HDC dc, const RECT* r) const;
    HBITMAP m_CreateHBITMAP() const;
    HICON m_ToIcon(int isIcon, int hotX, int hotY) const;
    HICON m_ToSquareIcon() const;

    // Resizing in place.
    int m_Resize(int w, int h, int alphaWeighted);
    // 1 when the image is w x h afterwards: one already that size is kept.
    int m_ResizeTo(int w, int h, int alphaWeighted);
    int m_Scale(double fx, double fy = 0.0);
    int m_ShrinkToFit(int maxW, int maxH);
    int m_StretchTo(int w, int h);

    // Blits into this image.
    int m_Draw(const CArgbImage* src, int blend, int x = 0, int y = 0, int w = -1, int h = -1,
               int sx = 0, int sy = 0);
    int m_DrawAlpha(const CArgbImage* src, int alpha, int x = 0, int y = 0, int w = -1, int h = -1,
                    int sx = 0, int sy = 0);
    int m_DrawRect(const CArgbImage* src, int unused, const RECT* r, int sx = 0, int sy = 0);
    int m_DrawMirrored(const CArgbImage* src, int mirrorX, int mirrorY, int blend, int x, int y);
    int m_DrawRotated(const CArgbImage* src, int angle, int x, int y);
    int m_DrawScaled(int x, int y, int w, int h, const CArgbImage* src, int sx, int sy, int sw,
                     int sh);
    int m_DrawScaledAlpha(const CArgbImage* src, int alpha, int x, int y, int w, int h, int unused1,
                          int unused2, int sw, int sh);
    int m_StretchToDC(int x, int y, int w, int h, const CArgbImage* src, int sx, int sy, int sw,
                      int sh, int mode);
    int m_OutlineEx(CArgbImage* dst, ARGB colour, double radius, double exponent) const;
    int m_Outline(CArgbImage* dst, BYTE alpha, double radius, double exponent) const;

    // Fills, lines and frames.
    int m_FillRect(ARGB colour, int blend, const RECT* r = nullptr);
    int m_FillRectXY(ARGB colour, int blend, int left, int top, int right, int bottom);
    int m_FillColorRef(COLORREF colour, const RECT* r = nullptr);
    int m_DrawLine(ARGB colour, int unused, int x1, int y1, int x2, int y2);
    int m_FrameRect(ARGB colour, int blend, const RECT* r, int thickness);
    int m_FrameRectBlend(ARGB colour, const RECT* r, int thickness);
    int m_FillGradient(int direction, ARGB colour, int unused, int blend, const RECT* r);
    int m_FrameColorRef(COLORREF colour, const RECT* r, int thickness);

    // Discs and rounded shapes. Corner masks: 1 top-left, 2 top-right,
    // 4 bottom-left, 8 bottom-right.
    int m_CreateCircle(HDC dc, int r, ARGB colour);
    int m_CreateCornerPiece(HDC dc, double r, ARGB colour);
    int m_CreateCornerPieceEx(HDC dc, double r, double second, ARGB colour);
    int m_FillCircle(ARGB colour, int blend, double cx, double cy, double r);
    int m_FillRoundRect(ARGB colour, int blend, const RECT* r, int radius, int corners);
    int m_CreateRoundRect(HDC dc, int w, int h, ARGB colour, int radius, int shading = 0,
                          int strength = 100);
    int m_DrawRoundRect(const RECT* r, ARGB colour, int radius, int unused = 0, int shading = 0,
                        int strength = 100);
    int m_FillRoundRectEx(ARGB colour, int blend, const RECT* r, double radius, int corners);
    int m_FillRoundRectShaded(ARGB colour, int blend, const RECT* r, double radius, double second,
                              int corners);
    int m_CreateRoundRectFill(HDC dc, int w, int h, ARGB colour, double radius);
    int m_CreateRoundRectShaded(HDC dc, int w, int h, ARGB colour, double radius, double second);
    int m_DrawRoundRectAlt(ARGB colour, const RECT* r, double radius, int unused = 0);
    int m_DrawGlowRect(ARGB colour, int unused, const RECT* r, int width, double radius);
    int m_DrawGlowRect2(ARGB colour, int unused, const RECT* r, int width, int radius);

    // Polygons, copies and GDI text masks.
    int m_FillPolygon(const POINT* pts, int count, ARGB colour, int blend, int margin, int factor);
    int m_Draw9Slice(CArgbImage* dst, int w, int h, const RECT* margins) const;
    int m_DrawTiled(int x, int y, int w, int h, const CArgbImage* src, int sx, int sy, int sw,
                    int sh);
    int m_DrawTextGDI(HFONT font, ARGB colour, int unused1, int unused2, int unused3,
                      const wchar_t* text, int length);
    int m_DrawTextGDIChars(HFONT font, int cellWidth, ARGB colour, int unused1, int unused2,
                           int unused3, const wchar_t* text, int length);

    // Whole-image filters.
    int m_ScaleAlpha(double factor);
    int m_Premultiply();
    int m_TintAlpha(ARGB colour);
    int m_DiscFilter(int r);
    int m_BoxFilter(int n);

    // Text into images (defined with the text code).
    int m_DrawTextDC(const wchar_t* text, HFONT font, COLORREF colour, const RECT* r = nullptr,
                     unsigned format = static_cast<unsigned>(-1));
    int m_DrawGreyTextAt(const wchar_t* text, HFONT font, int unused, int x, int y);
    int m_DrawTextEx(const wchar_t* text, HFONT font, ARGB colour, int blend, int x, int y,
                     int maxW, int maxH, int mode);
    int m_DrawTextBlended(const wchar_t* text, HFONT font, ARGB colour, int x, int y, int maxW,
                          int maxH, int mode);
};

// The shared work image of the jump-list sheet and the launcher.
extern CArgbImage g_WorkImage;
// Makes g_WorkImage w x h from src's area inside the given margins.
int m_StretchToWork(const CArgbImage* src, int w, int h, int left, int top, int right, int bottom);
