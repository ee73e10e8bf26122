// The video-out notice: its text by step and monitors, and its drawing.
#include <doctest/doctest.h>
#include <windows.h>
#include <gdiplus.h>

#include <string>

#include "app/VideoOutIndicator.h"
#include "base/ArgbImage.h"
#include "base/BmpFont.h"

TEST_CASE("the arrow walks through five steps; a monitor range shows first and last")
{
    const wchar_t* expected[] = {
        L"VIDEO````OUT ``>`` MON````2", L"VIDEO````OUT ```>` MON````2",
        L"VIDEO````OUT ````> MON````2", L"VIDEO````OUT >```` MON````2",
        L"VIDEO````OUT `>``` MON````2",
    };
    wchar_t text[64];
    for (int step = 0; step < 5; ++step) {
        m_VideoOutText(step, 2, 2, text, 64);
        CHECK(std::wstring(text) == expected[step]);
    }
    m_VideoOutText(0, 2, 4, text, 64);
    CHECK(std::wstring(text) == L"VIDEO````OUT ``>`` MON````2-4");
    m_VideoOutText(9, 1, 1, text, 10);
    CHECK(std::wstring(text) == L"VIDEO````");
}

TEST_CASE("the notice is centred in grey on the video background, and only where it fits")
{
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    REQUIRE(Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok);
    g_BmpFont.m_Load(2, 100);
    REQUIRE(g_BmpFont.m_Loaded);
    CArgbImage target;
    REQUIRE(target.m_Create(nullptr, 400, 200, 32));
    target.m_FillRect(0xFF0000FF, 0, nullptr);
    const RECT area = {0, 0, 400, 200};
    CHECK(m_DrawVideoOutText(target.m_hDC, area, 20, 0xFF102030, L"VIDEO````OUT") == 1);
    GdiFlush();
    int w = 0, h = 0;
    g_BmpFont.m_MeasureText(L"VIDEO````OUT", &w, &h, unsigned(-1));
    const int x0 = (400 - w) / 2, y0 = (200 - h) / 2;
    CHECK((target.m_Row(y0)[x0] & 0xFFFFFF) != 0x0000FF);
    CHECK((target.m_Row(y0 - 1)[x0] & 0xFFFFFF) == 0x0000FF);
    int grey = 0;
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x) grey += (target.m_Row(y)[x] & 0xFFFFFF) == 0xA0A0A0;
    CHECK(grey > 20);

    const RECT low = {0, 0, 400, h + 39};
    CHECK(m_DrawVideoOutText(target.m_hDC, low, 20, 0xFF102030, L"VIDEO````OUT") == 0);
    CHECK(m_VideoOutIndicator(0) == 0);
    CHECK(m_VideoOutIndicator(2) == 0);
    g_BmpFont.m_Release();
    Gdiplus::GdiplusShutdown(token);
}
