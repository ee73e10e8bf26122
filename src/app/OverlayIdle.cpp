// The idle video area of the main window and of the full-screen window: the
// background where no video window covers it, and the product name (no
// file) or "AUDIO ONL@Y" (a file without picture) in the bitmap font, or
// the still picture shown.
#include "app/FullScreenState.h"
#include "app/Layout.h"
#include "app/MainWindow.h"
#include "app/MainWindowLook.h"
#include "app/Overlay.h"
#include "app/VideoOutIndicator.h"
#include "base/ArgbImage.h"
#include "base/BmpFont.h"
#include "base/Color.h"
#include "commands/OpenPicture.h"
#include "playback/PlayState.h"
#include "playback/PlaybackEvents.h"
#include "settings/Settings.h"

namespace {

// What the idle area showed when last painted, to repaint on a change only.
struct SIDLESHOWN {
    const wchar_t* text = nullptr;
    ARGB back = 0;
    int valid = 0;
};
SIDLESHOWN s_Shown;

void m_ReadIdleFacts(SIDLEFACTS* f)
{
    f->bFileOpen = g_PlayState != 0 && g_PlayState != 2 ? 1 : 0;
    f->bLoading = g_PlayState == 2 ? 1 : 0;
    f->bPlaying = m_IsPlaying() ? 1 : 0;
    f->nMediaKind = g_MediaKind;
    f->bDimWhenStopped = g_Settings.Ctrl_FrmPauClr;
}

ARGB m_BackColour(const SIDLEFACTS& f)
{
    const ARGB alternate = m_MixColor(m_ColorRefToArgb(m_GetFaceColor()), 0xFF000000, 66);
    return m_IdleBackColour(f, kIdleVideoBack, alternate);
}

// Every visible child covers its part of the area: the video window, the
// jump-list view, the launcher, the auto-next overlay, and in the main
// window the panels.
void m_ExcludeChildren(HWND hwnd, HDC dc)
{
    for (HWND child = GetWindow(hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child)) continue;
        RECT rc;
        if (!GetWindowRect(child, &rc)) continue;
        MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&rc), 2);
        ExcludeClipRect(dc, rc.left, rc.top, rc.right, rc.bottom);
    }
}

void m_DrawIdleText(HDC dc, const RECT& area, int bars, CBmpFont& font, const wchar_t* text,
                    ARGB back, int alpha)
{
    int w = 0, h = 0;
    font.m_MeasureText(text, &w, &h, unsigned(-1));
    const int areaW = area.right - area.left, areaH = area.bottom - area.top;
    if (w < 1 || h < 1 || areaH < h + bars) return;
    CArgbImage work;
    if (!work.m_Create(dc, w, h, 32)) return;
    work.m_FillRect(back | 0xFF000000, 0, nullptr);
    const ARGB face = (static_cast<ARGB>(alpha) << 24) | kIdleTextColour;
    font.m_DrawText(&work, 0, 0, text, face, 1, unsigned(-1), 0);
    BitBlt(dc, area.left + (areaW - w) / 2, area.top + (areaH - h) / 2, w, h, work.m_hDC, 0, 0,
           SRCCOPY);
}

void m_PaintIdle(HWND hwnd, int fullScreen)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (!dc) return;
    SIDLEFACTS f;
    m_ReadIdleFacts(&f);
    const ARGB back = m_BackColour(f);
    const wchar_t* text = m_IdleText(f);
    s_Shown = SIDLESHOWN{text, back, 1};
    RECT area;
    int bars = 0;
    if (fullScreen) {
        GetClientRect(hwnd, &area);
        const RECT title = m_FullScreen_GetStrip(FS_STRIP_TITLE);
        const RECT control = m_FullScreen_GetStrip(FS_STRIP_CONTROL);
        bars = (title.bottom - title.top) + (control.bottom - control.top);
    } else {
        m_GetVideoArea(&area);
        bars = 2 * m_GetControlBarHeight();
    }
    m_ExcludeChildren(hwnd, dc);
    HBRUSH brush = CreateSolidBrush(RGB(m_Red(back), m_Green(back), m_Blue(back)));
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(dc, &client, brush ? brush : static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    if (brush) DeleteObject(brush);
    // The picture's rectangle belongs to the window that hosts the video.
    const int hostsVideo = g_FullScreen && g_hWndFullScreen ? fullScreen : !fullScreen;
    if (hostsVideo) m_Picture_Paint(dc);
    if (text) {
        const int alpha =
            fullScreen ? m_IdleTextAlpha(g_Settings.Fullscr_Ctrl, g_Settings.Fullscr_CtrlAlp) : 255;
        m_DrawIdleText(dc, area, bars, fullScreen ? g_BmpFontFullScreen : g_BmpFont, text, back,
                       alpha);
    }
    EndPaint(hwnd, &ps);
}

}  // namespace

ARGB m_IdleBackColour(const SIDLEFACTS& f, ARGB normal, ARGB alternate)
{
    return f.bDimWhenStopped && f.bFileOpen && !f.bPlaying ? alternate : normal;
}

const wchar_t* m_IdleText(const SIDLEFACTS& f)
{
    if (f.bLoading) return nullptr;
    if (!f.bFileOpen) return L"ZENTAVIO";
    return f.nMediaKind == MEDIA_KIND_AUDIO ? L"AUDIO ONL@Y" : nullptr;
}

int m_IdleTextAlpha(const int ctrl[2], const int ctrlAlp[3])
{
    return m_Overlay_AlphaFromPercent(ctrl[0] || ctrl[1] ? ctrlAlp[1] : ctrlAlp[0]);
}

void m_FullScreen_PaintIdle(HWND hwnd) { m_PaintIdle(hwnd, 1); }

void m_MainWindow_PaintIdle(HWND hwnd)
{
    m_PaintIdle(hwnd, 0);
    // The indicator draws over the area just filled.
    m_VideoOutIndicator(1);
}

void m_IdleArea_OnStateChange()
{
    m_VideoOutIndicator(0);
    SIDLEFACTS f;
    m_ReadIdleFacts(&f);
    if (s_Shown.valid && s_Shown.text == m_IdleText(f) && s_Shown.back == m_BackColour(f)) return;
    if (g_hWndMain) {
        RECT area;
        m_GetVideoArea(&area);
        InvalidateRect(g_hWndMain, &area, FALSE);
    }
    if (g_FullScreen && g_hWndFullScreen) InvalidateRect(g_hWndFullScreen, nullptr, FALSE);
}
