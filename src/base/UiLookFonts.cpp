#include "base/UiLook.h"

#include <wchar.h>

#include "app/MainWindow.h"
#include "base/NumberList.h"

namespace {

wchar_t s_FontNames[kFontListCap][kFontNameCap];
int s_FontCount;
int s_FontsListed;
int s_HasYuGothic = -1;  // unknown until first asked

int CALLBACK m_OnFontFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM)
{
    // Vertical ('@') and other special faces are not offered.
    wchar_t first = font->lfFaceName[0];
    if (first == L'@' || first == L'$' || first == L'%' || first == L'&') return 1;
    wcsncpy_s(s_FontNames[s_FontCount], font->lfFaceName, _TRUNCATE);
    return ++s_FontCount < kFontListCap;
}

int m_HasYuGothic()
{
    if (s_HasYuGothic < 0) s_HasYuGothic = m_IsFontInstalled(L"Yu Gothic UI");
    return s_HasYuGothic;
}

HFONT m_CreateLookFont(const wchar_t* face, int height, int width)
{
    return CreateFontW(height, width, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, face);
}

}  // namespace

int m_EnumFonts()
{
    if (s_FontsListed) return s_FontCount;
    HDC dc = GetDC(g_hWndMain);
    if (!dc) return 0;  // listed on a later call
    s_FontCount = 0;
    EnumFontFamiliesW(dc, nullptr, m_OnFontFamily, 0);
    ReleaseDC(g_hWndMain, dc);
    s_FontsListed = 1;
    return s_FontCount;
}

const wchar_t (*m_GetFontNames())[kFontNameCap] { return s_FontNames; }

int m_IsFontInstalled(const wchar_t* face)
{
    if (!face || !face[0]) return 0;
    int count = m_EnumFonts();
    for (int i = 0; i < count; ++i)
        if (wcscmp(s_FontNames[i], face) == 0) return 1;
    return 0;
}

HFONT m_CreateUIFont(int dpiPercent)
{
    const wchar_t* face = m_HasYuGothic() ? L"Yu Gothic UI" : L"Meiryo UI";
    return m_CreateLookFont(face, m_FontHeightFromDpi(9.0, dpiPercent), 0);
}

HFONT m_CreateDialogFont(int dpiPercent)
{
    if (m_HasYuGothic()) {
        double points = dpiPercent > 175 ? 9.0 : 9.5;
        int width = dpiPercent <= 100 ? m_FontHeightFromDpi(6.0, dpiPercent) : 0;
        return m_CreateLookFont(L"Yu Gothic UI", m_FontHeightFromDpi(points, dpiPercent), width);
    }
    double points = dpiPercent > 100 ? 8.0 : 9.0;
    return m_CreateLookFont(L"メイリオ", m_FontHeightFromDpi(points, dpiPercent), 0);
}
