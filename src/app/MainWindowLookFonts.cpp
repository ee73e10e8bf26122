#include "app/MainWindowLookFonts.h"

#include <stdio.h>
#include <wchar.h>

#include "app/MainWindow.h"
#include "app/StatusText.h"
#include "app/Startup.h"
#include "app/TimeDisplay.h"
#include "base/BmpFont.h"
#include "base/NumberList.h"
#include "base/UiLook.h"
#include "settings/IniPath.h"
#include "settings/Settings.h"

HFONT g_hFontOptions;
HFONT g_hFontDialog;
int g_DialogFontsDirty = 1;

namespace {

// The scale and DPI g_BmpFont was last loaded at; -1 before the first load.
int s_OsdFontScale = -1;
int s_OsdFontDpi = -1;

// The number after the n-th comma; 0 when there is none.
int m_FieldAfterComma(const wchar_t* text, int n)
{
    for (; n > 0 && text; n--) {
        text = wcschr(text, L',');
        if (text) text++;
    }
    return text ? _wtoi(text) : 0;
}

HFONT m_MakeFont(const wchar_t* key, const wchar_t* preferred, int points)
{
    wchar_t face[kFontFaceCap];
    int size = points, weight = FW_NORMAL;
    if (!m_ReadFontSpec(key, face, &size, &weight)) {
        lstrcpynW(face, m_IsFontInstalled(preferred) ? preferred : L"MS UI Gothic", kFontFaceCap);
        size = points;
    }
    return CreateFontW(m_FontHeightFromDpi(size, g_DpiPercent), 0, 0, 0, weight, FALSE, FALSE,
                       FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       DEFAULT_QUALITY, DEFAULT_PITCH, face);
}

}  // namespace

BOOL m_ParseFontSpec(const wchar_t* text, wchar_t* face, int* size, int* weight)
{
    face[0] = 0;
    if (!text || !text[0]) return FALSE;
    int length = 0;
    while (text[length] && text[length] != L',' && length < kFontFaceCap - 1) {
        face[length] = text[length];
        length++;
    }
    face[length] = 0;
    const int points = m_FieldAfterComma(text, 1);
    *size = points > 0 ? points : 8;
    *weight = m_FieldAfterComma(text, 2) >= 1 ? FW_BOLD : FW_NORMAL;
    return TRUE;
}

BOOL m_ReadFontSpec(const wchar_t* key, wchar_t* face, int* size, int* weight)
{
    wchar_t text[320];
    GetPrivateProfileStringW(L"Main", key, L"", text, ARRAYSIZE(text), g_IniPath);
    return m_ParseFontSpec(text, face, size, weight);
}

void m_DeleteDialogFonts()
{
    if (g_hFontOptions) DeleteObject(g_hFontOptions);
    if (g_hFontDialog) DeleteObject(g_hFontDialog);
    g_hFontOptions = g_hFontDialog = nullptr;
    g_DialogFontsDirty = 1;
}

void m_CreateDialogFonts()
{
    if (!g_DialogFontsDirty) return;
    m_DeleteDialogFonts();
    g_hFontOptions = m_MakeFont(L"OptFont", L"メイリオ", 9);
    g_hFontDialog = m_MakeFont(L"DlgFont", L"Meiryo UI", 8);
    g_DialogFontsDirty = 0;
}

void m_ApplyOsdFont(int showSample)
{
    const int scale = g_Settings.Ctrl_Font;
    if (!g_BmpFont.m_Loaded || scale != s_OsdFontScale || g_DpiPercent != s_OsdFontDpi) {
        g_BmpFont.m_Load(scale, g_DpiPercent);
        s_OsdFontScale = scale;
        s_OsdFontDpi = g_DpiPercent;
    }
    m_UpdateTimeDisplay(1);
    if (g_hWndMain) InvalidateRect(g_hWndMain, nullptr, FALSE);
    if (showSample) m_OSD_ShowText(L"0123456789:ABCDEFGHIJKLMNOPQRSTUVWXYZ", 1, 6000, -1, -1, -1, -1);
}
