// A console host of the image file and bitmap font code for the behaviour
// tests. Commands (exit code 0 on success):
//   render OUT.png TEXT      the text in three looks and scales, as PNG
//   savejpeg OUT.jpg DATA    a small JPEG carrying the file DATA as comment
//   comment IN.jpg OUT       the comment of a JPEG into the file OUT
//   compare A.png B.png TOLERANCE MAXCOUNT
//                            same size and at most MAXCOUNT pixels that
//                            differ by more than TOLERANCE in a channel
#include <windows.h>
#include <gdiplus.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <vector>

#include "base/BmpFont.h"
#include "base/ImageFile.h"

namespace {

std::vector<BYTE> ReadAll(const wchar_t* path)
{
    std::vector<BYTE> bytes;
    FILE* f = _wfopen(path, L"rb");
    if (!f) return bytes;
    int c;
    while ((c = fgetc(f)) != EOF) bytes.push_back(BYTE(c));
    fclose(f);
    return bytes;
}

// One line of text per look: plain at 100 %, outlined at 150 %, shadowed
// at 200 %, light text on a dark ground as the status bars show it.
int Render(const wchar_t* out, const wchar_t* text)
{
    struct {
        int dpi;
        unsigned flags;
        ARGB face, effect;
    } looks[] = {{100, 0, 0xFFE0E0E0, 0},
                 {150, BMPFONT_OUTLINE, 0xFFFFFFFF, 0xFF000000},
                 {200, BMPFONT_SHADOW, 0xFFFFD040, 0xFF000000}};
    CBmpFont fonts[3];
    int width = 0, height = 4;
    for (int i = 0; i < 3; ++i) {
        fonts[i].m_Load(2, looks[i].dpi);
        if (!fonts[i].m_Loaded) return 2;
        int w = 0, h = 0;
        fonts[i].m_MeasureText(text, &w, &h, looks[i].flags);
        if (w + 8 > width) width = w + 8;
        height += h + 4;
    }
    CArgbImage img;
    if (!img.m_Create(nullptr, width, height, 32)) return 3;
    img.m_FillRect(0xFF303848, 0);
    int y = 4;
    for (int i = 0; i < 3; ++i) {
        fonts[i].m_DrawText(&img, 4, y, text, looks[i].face, 1, looks[i].flags, looks[i].effect);
        int h = 0;
        fonts[i].m_MeasureText(text, nullptr, &h, looks[i].flags);
        y += h + 4;
    }
    return m_SaveImageFile(&img, out, IMAGE_FORMAT_PNG, 100, nullptr, 0) ? 0 : 4;
}

int SaveJpeg(const wchar_t* out, const wchar_t* dataPath)
{
    const std::vector<BYTE> data = ReadAll(dataPath);
    CArgbImage img;
    if (!img.m_Create(nullptr, 32, 24, 32)) return 3;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 32; ++x) img.m_Row(y)[x] = 0xFF000000u | (x * 8) << 16 | (y * 10) << 8;
    return m_SaveImageFile(&img, out, IMAGE_FORMAT_JPEG, 90, data.data(), unsigned(data.size()))
               ? 0
               : 4;
}

int Comment(const wchar_t* in, const wchar_t* out)
{
    CArgbImage img;
    if (!m_LoadImageFile(&img, in)) return 2;
    FILE* f = _wfopen(out, L"wb");
    if (!f) return 3;
    if (img.m_DataSize) fwrite(img.m_Data, 1, img.m_DataSize, f);
    fclose(f);
    printf("%lu\n", (unsigned long)img.m_DataSize);
    return 0;
}

int Compare(const wchar_t* a, const wchar_t* b, int tolerance, int maxCount)
{
    CArgbImage x, y;
    if (!m_LoadImageFile(&x, a) || !m_LoadImageFile(&y, b)) return 2;
    if (x.m_Width != y.m_Width || x.m_Height != y.m_Height) {
        printf("size %dx%d against %dx%d\n", x.m_Width, x.m_Height, y.m_Width, y.m_Height);
        return 1;
    }
    int differing = 0;
    for (int i = 0; i < x.m_Count; ++i)
        for (int shift = 0; shift < 24; shift += 8) {
            const int d = int((x.m_Bits[i] >> shift) & 0xFF) - int((y.m_Bits[i] >> shift) & 0xFF);
            if (d > tolerance || d < -tolerance) {
                ++differing;
                break;
            }
        }
    printf("%d differing pixels\n", differing);
    return differing <= maxCount ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return 9;
    int rc = 8;
    if (argc == 4 && !wcscmp(argv[1], L"render")) rc = Render(argv[2], argv[3]);
    if (argc == 4 && !wcscmp(argv[1], L"savejpeg")) rc = SaveJpeg(argv[2], argv[3]);
    if (argc == 4 && !wcscmp(argv[1], L"comment")) rc = Comment(argv[2], argv[3]);
    if (argc == 6 && !wcscmp(argv[1], L"compare"))
        rc = Compare(argv[2], argv[3], _wtoi(argv[4]), _wtoi(argv[5]));
    Gdiplus::GdiplusShutdown(token);
    return rc;
}
