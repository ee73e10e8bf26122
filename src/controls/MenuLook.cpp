// The look a menu manager shares with its popups: the four fonts with the
// height of "0" in each, the icon strips (recoloured for light text), and
// the menu body with its drop shadow that popups draw in nine parts.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "base/ArgbImage.h"
#include "base/Color.h"
#include "base/ImageFile.h"
#include "base/TextImage.h"
#include "base/UiLook.h"
#include "base/WindowMisc.h"
#include "controls/MenuManager.h"

namespace {

int CALLBACK OnJapaneseFamily(const LOGFONTW* lf, const TEXTMETRICW*, DWORD, LPARAM out)
{
    // Vertical-writing faces ("@...") would lay the labels on their side.
    if (lf->lfFaceName[0] == L'@') return 1;
    wcsncpy(reinterpret_cast<wchar_t*>(out), lf->lfFaceName, 31);
    return 0;
}

// The menus' face: the Japanese UI face of the system. A system without
// either (a Wine prefix holds no Windows fonts, and Wine then draws the
// labels in a Latin face as boxes) takes the first face it lists for the
// Japanese character set.
void PickDefaultFace(wchar_t* face)
{
    if (m_IsFontInstalled(L"Yu Gothic UI")) {
        wcsncpy(face, L"Yu Gothic UI", 31);
        return;
    }
    wcsncpy(face, L"Meiryo UI", 31);
    if (m_IsFontInstalled(face)) return;
    LOGFONTW lf = {};
    lf.lfCharSet = SHIFTJIS_CHARSET;
    HDC dc = GetDC(nullptr);
    if (!dc) return;
    EnumFontFamiliesExW(dc, &lf, OnJapaneseFamily, reinterpret_cast<LPARAM>(face), 0);
    ReleaseDC(nullptr, dc);
}

int Round(double v) { return static_cast<int>(std::lround(v)); }

// Height of the ink of "0" in the font.
int ZeroHeight(HFONT font)
{
    RECT ink = {};
    if (!font || !m_GetTextInkRect(L"0", font, &ink, 0, 0)) return 0;
    return ink.bottom - ink.top;
}

// One strip from its resource: as it is, or as a mask of the text colour
// with the strip's alpha. Returns 1 when recoloured.
int LoadStrip(CArgbImage* img, WORD id, bool recolour, ARGB colour, int cell, double alpha)
{
    int recoloured = 0;
    img->m_Destroy();
    if (recolour) {
        CArgbImage tmp;
        if (m_LoadPngResource(&tmp, id) && img->m_CreateMask(&tmp, colour | 0xFF000000, 0))
            recoloured = 1;
    }
    if (!recoloured && !m_LoadPngResource(img, id)) return 0;
    if (cell != 32) img->m_Resize(img->m_Width * cell / 32, img->m_Height * cell / 32, 1);
    img->m_SetCellSize(cell, cell);
    img->m_ScaleAlpha(alpha);
    return recoloured;
}

}  // namespace

void CMenuManager::m_BuildFonts()
{
    for (HFONT& f : m_hFonts) {
        if (f) DeleteObject(f);
        f = nullptr;
    }
    if (m_Style.FaceName[0])
        wcsncpy(m_FaceName, m_Style.FaceName, 31);
    else
        PickDefaultFace(m_FaceName);
    m_FaceName[31] = 0;
    const int size = m_Style.FontSize ? m_Style.FontSize : 16;
    const int weight = m_Style.FontWeight ? m_Style.FontWeight : 400;
    m_Sizes[0] = size;
    m_Sizes[1] = Round(size * 0.85);
    m_Sizes[2] = Round(size * 0.95);
    m_Sizes[3] = weight;
    m_Sizes[4] = m_Style.FontWeight ? std::max(m_Style.FontWeight, 700) : 700;
    const int px = m_Scale(m_Sizes[0], 100);
    const int headingPx = m_Scale(m_Sizes[1], 100);
    const int shortcutPx = m_Scale(m_Sizes[2], 100);
    m_hFonts[MENUFONT_NORMAL] = m_CreateFont(m_FaceName, -px, 0, weight);
    m_hFonts[MENUFONT_BOLD] = m_CreateFont(m_FaceName, -px, 0, 700);
    m_hFonts[MENUFONT_HEADING] = m_CreateFont(m_FaceName, -headingPx, 0, m_Sizes[4]);
    m_hFonts[MENUFONT_SHORTCUT] = m_CreateFont(m_FaceName, -shortcutPx, 0, weight);
    m_TextHeights[MENUHEIGHT_NORMAL] = ZeroHeight(m_hFonts[MENUFONT_NORMAL]);
    m_TextHeights[MENUHEIGHT_SHORTCUT] = ZeroHeight(m_hFonts[MENUFONT_SHORTCUT]);
    m_TextHeights[MENUHEIGHT_BOLD] = ZeroHeight(m_hFonts[MENUFONT_BOLD]);
    m_TextHeights[MENUHEIGHT_HEADING] = ZeroHeight(m_hFonts[MENUFONT_HEADING]);
}

void CMenuManager::m_BuildIcons()
{
    const int cell = std::max(1, m_Scale(32, 200));
    const ARGB text = m_Style.TextColor;
    const bool recolour =
        m_Style.CustomColors && (m_GetColorValue(text) > 32 || m_GetColorSat255(text) >= 17);
    const int a = LoadStrip(&m_IconImage, IDPNG_MENUICONS, recolour, text, cell, 0.9);
    const int b = LoadStrip(&m_ItemIconImage, IDPNG_MENUITEMICONS, recolour, text, cell, 0.65);
    m_IconsRecolored = (a || b) ? 1 : 0;
}

void CMenuManager::m_BuildFrame()
{
    const double shadow =
        m_Style.Shadow ? m_ScalePercent * (m_Style.ShadowSize / 10.0) / 100.0 : 0.0;
    const int blur = shadow > 0.0 ? Round(shadow * 1.5 + 1) : 0;
    // The corner part grows from 12 to 16 px as the shadow goes from 3 to 6 px.
    const double t = std::clamp((shadow - 3.0) / 3.0, 0.0, 1.0);
    const int corner = m_Scale(Round(12 + 4 * t), 100);
    const int dy = Round(shadow * 0.3);
    const int margin = blur > 0 ? blur + dy : 0;
    const int side = 2 * (margin + corner) + 8;
    m_FrameImage.m_Destroy();
    HDC screen = GetDC(nullptr);
    const int made = m_FrameImage.m_Create(screen, side, side);
    if (screen) ReleaseDC(nullptr, screen);
    SetRect(&m_FrameMargins, margin, margin, margin, margin);
    SetRect(&m_FrameCorners, margin + corner, margin + corner, margin + corner, margin + corner);
    if (!made) return;
    m_FrameImage.m_Clear(true);
    const RECT body = {margin, margin, side - margin, side - margin};
    const double radius = shadow;
    if (blur > 0) {
        RECT drop = body;
        OffsetRect(&drop, 0, dy);
        m_FrameImage.m_FillRoundRectEx(0x50000000, 0, &drop, radius, 15);
        m_FrameImage.m_DiscFilter(blur);
    }
    const ARGB back = m_Style.CustomColors ? (m_Style.BackColor | 0xFF000000) : 0xFFFFFFFF;
    m_FrameImage.m_FillRoundRectEx(back, 1, &body, radius, 15);
}
