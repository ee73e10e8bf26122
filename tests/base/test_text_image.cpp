#include <doctest/doctest.h>

#include "ArgbFixture.h"
#include "base/TextImage.h"
#include "base/WindowMisc.h"

#include <string>

namespace {

// The Japanese face the harness installs (Debian's fonts-ipafont).
const wchar_t* const kFace = L"IPAGothic";

// A font of the face, deleted with the object.
struct SFont {
    explicit SFont(int height, int width = 0, int weight = FW_NORMAL)
        : h(m_CreateFont(kFace, height, width, weight))
    {
    }
    ~SFont() { DeleteObject(h); }
    HFONT h;
};

RECT Ink(const wchar_t* text, HFONT font, int threshold = 0)
{
    RECT r;
    m_GetTextInkRect(text, font, &r, 0, threshold);
    return r;
}

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

// The box around every pixel that is not 0; empty when there is none.
RECT Painted(const CArgbImage& img)
{
    RECT r = {img.m_Width, img.m_Height, 0, 0};
    for (int y = 0; y < img.m_Height; ++y)
        for (int x = 0; x < img.m_Width; ++x)
            if (Px(img, x, y)) {
                if (x < r.left) r.left = x;
                if (x + 1 > r.right) r.right = x + 1;
                if (y < r.top) r.top = y;
                r.bottom = y + 1;
            }
    return r.left < r.right ? r : RECT{0, 0, 0, 0};
}

bool Inside(const RECT& inner, const RECT& outer)
{
    return Width(inner) == 0 || (inner.left >= outer.left && inner.top >= outer.top &&
                                 inner.right <= outer.right && inner.bottom <= outer.bottom);
}

}  // namespace

TEST_CASE("the Japanese face is installed and has ink")
{
    SFont font(24);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font.h);
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, face);
    SelectObject(dc, old);
    DeleteDC(dc);
    CHECK(std::wstring(face) == kFace);
    CHECK(Width(Ink(L"\u65E5\u672C\u8A9E", font.h)) > 40);
}

TEST_CASE("ink boxes: blank texts have none, ink lies inside the cell box")
{
    SFont font(30);
    RECT r = {1, 2, 3, 4};
    CHECK(m_GetTextInkRect(L"   ", font.h, &r, 0, 0) == 0);
    CHECK((r.left == 0 && r.top == 0 && r.right == 0 && r.bottom == 0));
    CHECK(m_GetTextInkRect(L"", font.h, &r, 0, 0) == 0);
    CHECK(m_GetTextInkRect(nullptr, font.h, &r, 0, 0) == 0);

    CArgbImage img;
    REQUIRE(img.m_Create(nullptr, 10, 10, 32));
    RECT cell;
    REQUIRE(m_MeasureTextDC(&img, L"0", font.h, &cell) == 1);
    const RECT ink = Ink(L"0", font.h);
    CHECK(Width(ink) > 5);
    CHECK(ink.left >= 0);
    CHECK(ink.top > 0);  // digits stand below the cell's top
    CHECK(ink.bottom <= cell.bottom);
    const RECT strict = Ink(L"0", font.h, 1000);  // threshold held at 254
    CHECK(Inside(strict, ink));
    CArgbImage none;
    CHECK(m_MeasureTextDC(&none, L"0", font.h, &cell) == 0);
}

TEST_CASE("anti-aliased text lands at its cell origin and never outside the image")
{
    SFont font(24);
    const wchar_t* text = L"\u65E5\u672C\u8A9E AB";
    const RECT ink = Ink(text, font.h);
    const POINT places[] = {{3, 2}, {-7, -4}, {40, 10}, {-200, 0}, {0, 200}};
    for (POINT p : places) {
        CAPTURE(p.x);
        CAPTURE(p.y);
        CArgbImage img;
        REQUIRE(img.m_Create(nullptr, 60, 24, 32));
        img.m_DrawTextBlended(text, font.h, 0xFFFF0000, p.x, p.y, 0, 0, 0);
        const RECT painted = Painted(img);
        RECT expected = {p.x + ink.left, p.y + ink.top, p.x + ink.right, p.y + ink.bottom};
        RECT all = {0, 0, 60, 24};
        IntersectRect(&expected, &expected, &all);
        CHECK(Inside(painted, expected));
        if (p.x == 3) {
            CHECK(painted.left == expected.left);
            CHECK(painted.top == expected.top);
            // Blending onto transparent pixels keeps the colour, alpha = coverage.
            int full = 0;
            for (int i = 0; i < img.m_Count; ++i)
                if (img.m_Bits[i]) full += (img.m_Bits[i] & 0xFFFFFF) == 0xFF0000;
            CHECK(full > 50);
        }
    }
}

TEST_CASE("boxed text: refuse, overflow, ellipsis, squeeze and alignment")
{
    SFont font(20);
    const wchar_t* text = L"ABCDEFGHIJKLMNOP";
    CArgbImage probe;
    REQUIRE(probe.m_Create(nullptr, 4, 4, 32));
    RECT cell;
    m_MeasureTextDC(&probe, text, font.h, &cell);
    const int tw = Width(cell), th = Height(cell);
    REQUIRE(tw > 100);

    struct {
        const char* name;
        int fit, boxWidth, percent;
        int result, drawnWidth;
    } cases[] = {
        {"refuse", TEXTFIT_REFUSE, tw - 1, 0, 0, 0},
        {"overflow", TEXTFIT_OVERFLOW, tw - 30, 0, 0, tw},
        {"end ellipsis", TEXTFIT_END_ELLIPSIS, tw - 30, 0, 30, tw - 30},
        {"word ellipsis", TEXTFIT_WORD_ELLIPSIS, tw / 2, 0, tw - tw / 2, tw / 2},
        {"squeeze cut at 80 %", TEXTFIT_SQUEEZE, tw / 2, 80, 0, tw / 2},
        {"squeeze whole at 40 %", TEXTFIT_SQUEEZE, tw / 2, 40, 0, tw / 2},
        {"fits", TEXTFIT_END_ELLIPSIS, tw + 40, 0, 0, tw},
    };
    for (auto& c : cases) {
        CAPTURE(std::string(c.name));
        CArgbImage img;
        REQUIRE(img.m_Create(nullptr, tw + 80, th + 20, 32));
        RECT box = {10, 10, 10 + c.boxWidth, 10 + th};
        const RECT given = box;
        CHECK(m_DrawTextBox(&img, text, font.h, 0xFF000000, &box, ALIGN_LEFT_MIDDLE, c.fit, 0,
                            c.percent) == c.result);
        CHECK(Width(box) == c.drawnWidth);
        const RECT painted = Painted(img);
        if (c.drawnWidth == 0) {
            CHECK(Width(painted) == 0);
            continue;
        }
        CHECK(Width(painted) > 0);
        CHECK(Inside(painted, box));
        if (c.fit != TEXTFIT_OVERFLOW) CHECK(Inside(box, given));
    }

    // The squeezed texts differ: 80 % keeps the start only, 40 % the whole.
    CArgbImage cut, whole;
    REQUIRE(cut.m_Create(nullptr, tw, th, 32));
    REQUIRE(whole.m_Create(nullptr, tw, th, 32));
    RECT a = {0, 0, tw / 2, th}, b = a;
    m_DrawTextBox(&cut, text, font.h, 0xFF000000, &a, 0, TEXTFIT_SQUEEZE, 0, 80);
    m_DrawTextBox(&whole, text, font.h, 0xFF000000, &b, 0, TEXTFIT_SQUEEZE, 0, 40);
    int differing = 0;
    for (int i = 0; i < cut.m_Count; ++i) differing += cut.m_Bits[i] != whole.m_Bits[i];
    CHECK(differing > 20);

    // Centred: the drawn rectangle sits in the middle of the box.
    CArgbImage img;
    REQUIRE(img.m_Create(nullptr, tw + 100, th + 40, 32));
    RECT box = {0, 0, tw + 100, th + 40};
    m_DrawTextBox(&img, text, font.h, 0xFF000000, &box, ALIGN_CENTER_MIDDLE, 0, 0, 0);
    CHECK(box.left == 50);
    CHECK(box.top == 20);
    // An empty box draws nothing.
    RECT empty = {5, 5, 5, 20};
    CHECK(m_DrawTextBox(&img, text, font.h, 0xFF000000, &empty, 0, 0, 0, 0) == 0);
}

TEST_CASE("fitted text centres on the area but stays inside the box")
{
    SFont font(16);
    CArgbImage img;
    REQUIRE(img.m_Create(nullptr, 200, 30, 32));
    RECT cell;
    m_MeasureTextDC(&img, L"MENU", font.h, &cell);
    const RECT area = {0, 0, 200, 30};
    RECT box = {20, 0, 180, 30};
    m_DrawTextFit(&img, L"MENU", font.h, 0xFF000000, &box, &area, ALIGN_CENTER_MIDDLE);
    CHECK(Width(box) == Width(cell));
    CHECK(std::abs((box.left + box.right) - 200) <= 2);
    // Centred on an area far right of the box, it is held at the box's end.
    RECT right = {20, 0, 100, 30};
    const RECT farArea = {150, 0, 200, 30};
    m_DrawTextFit(&img, L"MENU", font.h, 0xFF000000, &right, &farArea, ALIGN_CENTER_MIDDLE);
    CHECK(right.right == 100);
    CHECK(Width(right) == Width(cell));
}

TEST_CASE("font heights fitted to the ink of digits and capitals")
{
    const struct {
        int kind, pixels;
        const wchar_t* sample;
    } cases[] = {{FITFONT_DIGITS, 10, L"0123456789"},
                 {FITFONT_CAPITALS, 16, L"ABCDEFGHIJKLMNOPRSTUVXWXYZ"},
                 {FITFONT_BOTH, 24, L"0123456789ABCDEFGHIJKLMNOPRSTUVXWXYZ"}};
    for (auto& c : cases) {
        CAPTURE(c.pixels);
        int height = 0, width = 0;
        POINT origin = {-1, -1};
        REQUIRE(m_FitFontHeight(0, kFace, FW_BOLD, c.pixels, &height, &width, 0, &origin, c.kind) ==
                1);
        SFont at(height, int(height * 0.75), FW_BOLD),
            above(height + 1, int((height + 1) * 0.75), FW_BOLD);
        const int ink = Height(Ink(c.sample, at.h));
        // Exactly the pixels asked for, or the largest height below them.
        CHECK((ink == c.pixels || (ink < c.pixels && Height(Ink(c.sample, above.h)) > c.pixels)));
        SFont natural(height, 0, FW_BOLD), fitted(height, width, FW_BOLD);
        CHECK(Width(Ink(c.sample, fitted.h)) <= Width(Ink(c.sample, natural.h)));
        CHECK(origin.x >= 0);
        CHECK(origin.y >= 0);
    }
    int h = 5;
    CHECK(m_FitFontHeight(0, kFace, FW_NORMAL, 0, &h, nullptr, 0, nullptr, 1) == 0);
    CHECK(m_FitFontHeight(0, nullptr, FW_NORMAL, 10, &h, nullptr, 0, nullptr, 1) == 0);
}
