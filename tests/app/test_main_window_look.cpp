#include "GdiplusScope.h"
#include <doctest/doctest.h>

#include <windows.h>

#include <gdiplus.h>

#include <string>

#include "../support/TempFolder.h"
#include "app/ButtonSkin.h"
#include "app/MainWindowLook.h"
#include "app/MainWindowLookFonts.h"
#include "app/MainWindow.h"
#include "app/Startup.h"
#include "base/BmpFont.h"
#include "controls/Statusbar.h"
#include "settings/Settings.h"
#include "settings/SettingsMain.h"
#include "base/ArgbImage.h"
#include "base/ImageFile.h"

namespace {

}  // namespace

TEST_CASE("button and slider looks follow the style and the GUI kind")
{
    struct {
        int style, second, gui, button, slider;
    } cases[] = {
        {0, 0, 10, 0, 0},   {1, 0, 5, 1, 1},   {1, 0, 6, 2, 2},    {1, 0, 7, 2, 2},
        {1, 0, 8, 1, 1},    {1, 0, 10, 3, 3},  {3, 0, 10, 13, 13}, {2, 0, 10, 12, 11},
        {2, 1, 10, 11, 11}, {7, 0, 1, 12, 11},
    };
    for (const auto& c : cases) {
        int b = -1, s = -1;
        m_LooksForStyle(c.style, c.second, c.gui, &b, &s);
        CAPTURE(c.style);
        CAPTURE(c.gui);
        CHECK(b == c.button);
        CHECK(s == c.slider);
    }
}

TEST_CASE("face colour by the [Ctrl] Clr mode")
{
    const COLORREF system = GetSysColor(COLOR_BTNFACE);
    SUBCASE("system mode: the button face before Windows 10, white from it")
    {
        const int clr[4] = {0, 0, -1, -1};
        CHECK(m_FaceColorFor(clr, 1, CLR_INVALID, 8) == system);
        CHECK(m_FaceColorFor(clr, 1, CLR_INVALID, 10) == 0xFFFFFFu);
    }
    SUBCASE("custom colours are RRGGBB; the second only while inactive with the bit")
    {
        const int clr[4] = {2, 1, 0x102030, 0x405060};
        CHECK(m_FaceColorFor(clr, 1, CLR_INVALID, 10) == RGB(0x10, 0x20, 0x30));
        CHECK(m_FaceColorFor(clr, 0, CLR_INVALID, 10) == RGB(0x40, 0x50, 0x60));
        const int noBit[4] = {2, 0, 0x102030, 0x405060};
        CHECK(m_FaceColorFor(noBit, 0, CLR_INVALID, 10) == RGB(0x10, 0x20, 0x30));
        const int noSecond[4] = {2, 1, 0x102030, -1};
        CHECK(m_FaceColorFor(noSecond, 0, CLR_INVALID, 10) == RGB(0x10, 0x20, 0x30));
        const int none[4] = {2, 0, -1, -1};
        CHECK(m_FaceColorFor(none, 1, CLR_INVALID, 11) == 0xFFFFFFu);
    }
    SUBCASE("accent mode takes the accent, or the fallback without one")
    {
        const int clr[4] = {1, 0, -1, -1};
        CHECK(m_FaceColorFor(clr, 1, RGB(1, 2, 3), 10) == RGB(1, 2, 3));
        CHECK(m_FaceColorFor(clr, 1, CLR_INVALID, 7) == system);
    }
}

TEST_CASE("shade colours are the face mixed towards black by GUI kind")
{
    COLORREF light = 0, dark = 0;
    m_ShadeColors(RGB(200, 100, 50), 10, &light, &dark);
    CHECK(light == RGB(160, 80, 40));
    CHECK(dark == RGB(160, 80, 40));
    m_ShadeColors(RGB(200, 100, 50), 8, &light, &dark);
    CHECK(light == RGB(170, 85, 42));
    CHECK(dark == light);
    m_ShadeColors(RGB(200, 100, 50), 7, &light, &dark);
    CHECK(light == RGB(160, 80, 40));
    CHECK(dark == RGB(96, 48, 24));
}

TEST_CASE("built-in strip on light and dark faces")
{
    CArgbImage strip;
    REQUIRE(strip.m_Create(nullptr, 2, 1, 32));
    strip.m_Bits[0] = 0xFF303030;
    strip.m_Bits[1] = 0x00000000;
    SUBCASE("light face keeps the colour, alpha times 0.9")
    {
        REQUIRE(m_AdaptSkinToFace(&strip, RGB(240, 240, 240)));
        CHECK(strip.m_Bits[0] == 0xE6303030u);
        CHECK(strip.m_Bits[1] == 0u);
    }
    SUBCASE("dark face turns the glyphs white, alpha within 0xAA")
    {
        REQUIRE(m_AdaptSkinToFace(&strip, RGB(20, 40, 127)));
        CHECK(strip.m_Bits[0] == 0xAAFFFFFFu);
        CHECK((strip.m_Bits[1] >> 24) == 0u);
    }
    CArgbImage empty;
    CHECK(m_AdaptSkinToFace(&empty, 0) == 0);
}

TEST_CASE("skin cell size: drawn for 200 %, times the icon percentage")
{
    CHECK(m_SkinCellSize(48, 100, 100) == 24);
    CHECK(m_SkinCellSize(48, 150, 100) == 36);
    CHECK(m_SkinCellSize(48, 125, 100) == 30);
    CHECK(m_SkinCellSize(48, 100, 150) == 36);
    CHECK(m_SkinCellSize(48, 100, 0) == 24);
    CHECK(m_SkinCellSize(1, 100, 10) == 1);
}

TEST_CASE("the control bar's buttons get their pictures at every DPI, also at the strip's own size")
{
    CGdiplusScope gdiplus;
    REQUIRE(gdiplus.m_Ok);
    const int savedDpi = g_DpiPercent;
    const int savedFile = g_Settings.Ctrl_CtmIco, savedIco = g_Settings.Ctrl_Ico;
    g_Settings.Ctrl_CtmIco = 0;
    g_Settings.Ctrl_Ico = 100;
    for (int percent : {100, 150, 200}) {
        CAPTURE(percent);
        for (CButtonPlus& b : g_ControlButtons) b.m_SetImage(nullptr, 0, 0, 0, 0, 0);
        g_DpiPercent = percent;
        m_LoadButtonSkin();
        CHECK(g_ControlButtons[CB_PLAY].m_GetFrameCount() > 0);
    }
    g_DpiPercent = savedDpi;
    g_Settings.Ctrl_CtmIco = savedFile;
    g_Settings.Ctrl_Ico = savedIco;
}

TEST_CASE("skin source: Button.png beside the program only when asked and readable")
{
    CGdiplusScope gdiplus;
    REQUIRE(gdiplus.m_Ok);
    CTempFolder folder;
    const std::wstring dir = folder.Path();
    CArgbImage strip;

    SUBCASE("no file: the built-in strip of square cells")
    {
        CHECK(m_LoadSkinSource(&strip, 1, dir.c_str()) == 0);
        CHECK(strip.m_Height == 48);
        CHECK(strip.m_Width / strip.m_Height >= 42);
    }
    SUBCASE("a readable file is used when asked for")
    {
        CArgbImage file;
        REQUIRE(file.m_Create(nullptr, 64, 16, 32));
        file.m_FillRect(0xFF112233, 0);
        REQUIRE(m_SaveImageFile(&file, folder.Join(L"Button.png").c_str(), IMAGE_FORMAT_PNG, 0,
                                nullptr, 0));
        CHECK(m_LoadSkinSource(&strip, 1, dir.c_str()) == 1);
        CHECK(strip.m_Width == 64);
        CHECK(m_LoadSkinSource(&strip, 0, dir.c_str()) == 0);
        CHECK(strip.m_Height == 48);
    }
    SUBCASE("a broken file falls back to the built-in strip")
    {
        folder.MakeFile(L"Button.png", "not png");
        CHECK(m_LoadSkinSource(&strip, 1, dir.c_str()) == 0);
        CHECK(strip.m_Height == 48);
    }
}

TEST_CASE("the on-screen font: loaded at the [Ctrl] Font scale and the DPI, sample on request")
{
    CGdiplusScope gdiplus;
    g_Settings.Ctrl_Font = 2;
    g_DpiPercent = 100;
    m_ApplyOsdFont(0);
    REQUIRE(m_IsBmpFontLoaded());
    // The default fits the status bar of 15 pixels at 100 %.
    CHECK(g_BmpFont.m_GlyphHeight == 12);
    CHECK(m_GetBmpFontTextWidth(0, L"TOPMOST : ON") > 40);

    g_DpiPercent = 150;
    m_ApplyOsdFont(0);
    CHECK(g_BmpFont.m_GlyphHeight == 18);
    g_Settings.Ctrl_Font = 3;
    m_ApplyOsdFont(0);
    CHECK(g_BmpFont.m_GlyphHeight == 27);

    // The sample goes to the message pane of the main bar.
    HWND host = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 400, 24, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    REQUIRE(g_StatusBar.m_Create(host, IDC_STATUSBAR));
    g_MainWindowState.nCtrl[2] = 1;
    m_ApplyOsdFont(1);
    CHECK(std::wstring(g_StatusBar.m_GetPaneText(STATUS_PANE_MESSAGE)) ==
          L"0123456789:ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    g_StatusBar.m_DestroyWindow();
    DestroyWindow(host);
    g_Settings.Ctrl_Font = 2;
    g_DpiPercent = 100;
}

TEST_CASE("font specs: face, points and bold flag")
{
    struct {
        const wchar_t* text;
        BOOL ok;
        const wchar_t* face;
        int size, weight;
    } cases[] = {
        {L"Meiryo UI,12,1", TRUE, L"Meiryo UI", 12, 700},
        {L"Meiryo UI", TRUE, L"Meiryo UI", 8, 400},
        {L"Tahoma,0,0", TRUE, L"Tahoma", 8, 400},
        {L"Tahoma,10,2", TRUE, L"Tahoma", 10, 700},
        {L"", FALSE, L"", 0, 0},
        // Longer faces are cut to 32 characters.
        {L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghij,9", TRUE, L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdef", 9,
         400},
    };
    for (const auto& c : cases) {
        wchar_t face[kFontFaceCap];
        int size = 0, weight = 0;
        CAPTURE(std::wstring(c.text));
        CHECK(m_ParseFontSpec(c.text, face, &size, &weight) == c.ok);
        CHECK(std::wstring(face) == c.face);
        if (c.ok) {
            CHECK(size == c.size);
            CHECK(weight == c.weight);
        }
    }
}

TEST_CASE("[Main] Os and Gui override the detected version and GUI kind")
{
    m_DetectWindowsVersion(10, 1);
    CHECK(g_OsVersion == 10);
    CHECK(g_GuiKind == 1);
    int b = -1, s = -1;
    m_LooksForStyle(1, 0, g_GuiKind, &b, &s);
    CHECK(b == 3);  // the themed look of kinds other than 5 to 8
    m_DetectWindowsVersion(-1, -1);
    CHECK(g_OsVersion >= 1);
}

TEST_CASE("window corners round the first button, or the status bar with the controls flag")
{
    struct {
        int flag, fullScreen, controls;
        UINT variant, corner;
        int slider;
    } cases[] = {
        {0, 0, 0, 0, 0, 11},
        {1, 0, 0, BUTTON_VARIANT_ROUND6, 0, 13},
        {2, 0, 0, BUTTON_VARIANT_ROUND25, 0, 13},
        {2, 0, 1, 0, 2, 11},
        {1, 1, 0, 0, 0, 11},
    };
    for (const auto& c : cases) {
        UINT variant = 99, corner = 99;
        int slider = 11;
        m_CornerLooks(c.flag, c.fullScreen, c.controls, &variant, &corner, &slider);
        CAPTURE(c.flag);
        CAPTURE(c.controls);
        CHECK(variant == c.variant);
        CHECK(corner == c.corner);
        CHECK(slider == c.slider);
    }
}
