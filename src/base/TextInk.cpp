#include <cmath>

#include "base/TextImage.h"
#include "base/WindowMisc.h"

namespace {

// Cell box of a text on a screen-compatible DC, for callers without an image.
bool m_CellBox(const wchar_t* text, HFONT font, RECT* r)
{
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc) return false;
    HGDIOBJ old = SelectObject(dc, font);
    *r = RECT{0, 0, 0, 0};
    const bool ok = DrawTextW(dc, text, -1, r, DT_CALCRECT | DT_SINGLELINE) != 0;
    SelectObject(dc, old);
    DeleteDC(dc);
    return ok;
}

// The ink box of a text, or an empty box and false.
bool m_InkSize(const wchar_t* text, HFONT font, RECT* ink)
{
    return m_GetTextInkRect(text, font, ink, 0, 0) != 0;
}

const wchar_t* m_SampleOf(int kind)
{
    // As stored: the capital rows lack "Q" and repeat "X".
    if (kind == FITFONT_DIGITS) return L"0123456789";
    if (kind == FITFONT_CAPITALS) return L"ABCDEFGHIJKLMNOPRSTUVXWXYZ";
    return L"0123456789ABCDEFGHIJKLMNOPRSTUVXWXYZ";
}

// Heights and widths are searched within these bounds, so that a face
// that draws nothing cannot step forever.
constexpr int kFitLimit = 1000;

// The ink height (vertical) or width of the sample in a font of h x w.
int m_InkExtent(const wchar_t* face, int weight, int h, int w, const wchar_t* sample, bool vertical,
                RECT* ink)
{
    HFONT font = m_CreateFont(face, h, w, weight);
    if (!font) return 0;
    m_InkSize(sample, font, ink);
    DeleteObject(font);
    return vertical ? ink->bottom - ink->top : ink->right - ink->left;
}

// Steps v by 1 from its start toward the value whose extent equals target:
// upward the last value not above it, downward the first below it.
int m_StepToExtent(int v, int target, RECT* ink, int (*extent)(int, RECT*, const void*),
                   const void* ctx)
{
    int e = extent(v, ink, ctx);
    if (e < target) {
        while (e < target && v < kFitLimit) e = extent(++v, ink, ctx);
        return e > target ? v - 1 : v;
    }
    while (e > target && v > 1) e = extent(--v, ink, ctx);
    return v;
}

struct SFitContext {
    const wchar_t* face;
    int weight;
    int height;
    const wchar_t* sample;
};

int m_HeightExtent(int h, RECT* ink, const void* ctx)
{
    const auto* c = static_cast<const SFitContext*>(ctx);
    return m_InkExtent(c->face, c->weight, h, int(std::floor(h * 0.75)), c->sample, true, ink);
}

int m_WidthExtent(int w, RECT* ink, const void* ctx)
{
    const auto* c = static_cast<const SFitContext*>(ctx);
    return m_InkExtent(c->face, c->weight, c->height, w, c->sample, false, ink);
}

}  // namespace

int m_MeasureTextDC(const CArgbImage* img, const wchar_t* text, HFONT font, RECT* r)
{
    if (!img || !img->m_hDC || !text || !r) return 0;
    HGDIOBJ old = SelectObject(img->m_hDC, font);
    *r = RECT{0, 0, 0, 0};
    DrawTextW(img->m_hDC, text, -1, r, DT_CALCRECT);
    SelectObject(img->m_hDC, old);
    return 1;
}

int m_GetTextInkRect(const wchar_t* text, HFONT font, RECT* out, int, int threshold)
{
    if (!out) return 0;
    *out = RECT{0, 0, 0, 0};
    const int t = threshold < 254 ? threshold : 254;
    RECT cell;
    if (!text || !*text || !m_CellBox(text, font, &cell)) return 0;
    CArgbImage work;
    if (!work.m_Create(nullptr, cell.right - cell.left + 16, cell.bottom - cell.top + 32, 32))
        return 0;
    work.m_DrawTextDC(text, font, 0xFFFFFF, nullptr, DT_SINGLELINE);
    RECT ink = {work.m_Width, work.m_Height, 0, 0};
    for (int y = 0; y < work.m_Height; ++y) {
        const uint32_t* row = work.m_Row(y);
        for (int x = 0; x < work.m_Width; ++x) {
            if (int(row[x] & 0xFF) <= t) continue;
            if (x < ink.left) ink.left = x;
            if (x + 1 > ink.right) ink.right = x + 1;
            if (y < ink.top) ink.top = y;
            ink.bottom = y + 1;
        }
    }
    if (ink.left >= ink.right || ink.top >= ink.bottom) return 0;
    *out = ink;
    return 1;
}

int m_FitFontHeight(int, const wchar_t* face, int weight, int pixels, int* height, int* width, int,
                    POINT* inkOrigin, int kind)
{
    if (!face || pixels < 1) return 0;
    SFitContext ctx = {face, weight, 0, m_SampleOf(kind)};
    RECT ink = {0, 0, 0, 0};
    const int h = m_StepToExtent(int(std::floor(pixels * 1.6)), pixels, &ink, m_HeightExtent, &ctx);
    if (height) *height = h;
    if (width) {
        ctx.height = h;
        const int natural = m_InkExtent(face, weight, h, 0, ctx.sample, false, &ink);
        *width = m_StepToExtent(int(std::floor(h * 0.75)), natural, &ink, m_WidthExtent, &ctx);
    }
    if (inkOrigin) *inkOrigin = POINT{ink.left, ink.top};
    return 1;
}
