// The idle video area of the full-screen window: black, with the product
// name while no file is open.
#include "app/FullScreenState.h"
#include "app/Layout.h"
#include "app/Overlay.h"
#include "base/ArgbImage.h"
#include "base/BmpFont.h"
#include "controls/Statusbar.h"
#include "playback/PlaybackControl.h"
#include "settings/Settings.h"

namespace {

constexpr ARGB kIdleTextColour = 0xA0A0A0;

// The first "CtrlAlp" value while no strip stays shown, else the second.
int m_IdleTextAlpha()
{
    int percent = g_Settings.Fullscr_Ctrl[0] || g_Settings.Fullscr_Ctrl[1]
                      ? g_Settings.Fullscr_CtrlAlp[1]
                      : g_Settings.Fullscr_CtrlAlp[0];
    return m_Overlay_AlphaFromPercent(percent);
}

void m_DrawIdleText(HDC dc, const RECT& area)
{
    const wchar_t* text = L"ZENTAVIO";
    int w = 0, h = 0;
    g_BmpFontFullScreen.m_MeasureText(text, &w, &h, unsigned(-1));
    RECT title = m_FullScreen_GetStrip(FS_STRIP_TITLE);
    RECT control = m_FullScreen_GetStrip(FS_STRIP_CONTROL);
    const int bars = (title.bottom - title.top) + (control.bottom - control.top);
    const int areaW = area.right - area.left, areaH = area.bottom - area.top;
    if (w < 1 || h < 1 || areaH < h + bars) return;
    CArgbImage work;
    if (!work.m_Create(dc, w, h, 32)) return;
    work.m_FillRect(0xFF000000, 0, nullptr);
    ARGB face = ((ARGB)m_IdleTextAlpha() << 24) | kIdleTextColour;
    g_BmpFontFullScreen.m_DrawText(&work, 0, 0, text, face, 1, unsigned(-1), 0);
    BitBlt(dc, area.left + (areaW - w) / 2, area.top + (areaH - h) / 2, w, h, work.m_hDC, 0, 0,
           SRCCOPY);
}

}  // namespace

void m_FullScreen_PaintIdle(HWND hwnd)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (!dc) return;
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    if (g_PlayState == 0) m_DrawIdleText(dc, client);
    EndPaint(hwnd, &ps);
}
