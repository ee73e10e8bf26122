#include "app/VideoOutIndicator.h"

#include <cstdio>

#include "app/FullScreenState.h"
#include "app/Layout.h"
#include "app/MainWindow.h"
#include "app/Overlay.h"
#include "base/ArgbImage.h"
#include "base/BmpFont.h"
#include "playback/PlayState.h"
#include "playback/PlaybackEvents.h"
#include "settings/SettingsMain.h"

namespace {

constexpr ARGB kTextColour = 0xFFA0A0A0;
constexpr int kTextCap = 64;

struct SIndicator {
    UINT on = 0;
    int step = 0;
    int timerRunning = 0;
};
SIndicator g_Indicator;

// The monitors as the user asked for them when entering full screen;
// a span given from the higher number shows lowest first.
void ReadMonitors(SVIDEOOUTFACTS* f)
{
    int first = g_MainWindowState.nFullMonitor, last = g_MainWindowState.nFullSub;
    if (last < 1) last = first;
    f->nMonitorFirst = first < last ? first : last;
    f->nMonitorLast = first < last ? last : first;
}

void ReadFacts(SVIDEOOUTFACTS* f)
{
    *f = SVIDEOOUTFACTS{};
    f->bVideoOutFullScreen = g_FullScreen && g_FullScreenOtherMonitor ? 1 : 0;
    f->bVideo = g_MediaOpen && g_MediaKind == MEDIA_KIND_VIDEO ? 1 : 0;
    // The jump-list view and the launcher have no window of their own yet:
    // nothing covers the video.
    f->bCovered = 0;
    f->bPlaying = m_IsPlaying() ? 1 : 0;
    ReadMonitors(f);
    m_GetVideoArea(&f->rcVideo);
    f->nBarHeight = m_GetControlBarHeight();
    f->background = kIdleVideoBack;
}

void SetAnimation(bool run)
{
    if (run == (g_Indicator.timerRunning != 0) || !g_hWndMain) return;
    if (run)
        SetTimer(g_hWndMain, kVideoOutTimerId, kVideoOutTimerMs, nullptr);
    else
        KillTimer(g_hWndMain, kVideoOutTimerId);
    g_Indicator.timerRunning = run ? 1 : 0;
}

}  // namespace

void m_VideoOutText(int step, int first, int last, wchar_t* out, int capacity)
{
    static const wchar_t* const arrows[5] = {L"``>``", L"```>`", L"````>", L">````", L"`>```"};
    if (!out || capacity < 1) return;
    const wchar_t* arrow = arrows[step >= 0 && step < 5 ? step : 0];
    if (last > first)
        _snwprintf(out, capacity - 1, L"VIDEO````OUT %s MON````%d-%d", arrow, first, last);
    else
        _snwprintf(out, capacity - 1, L"VIDEO````OUT %s MON````%d", arrow, first);
    out[capacity - 1] = 0;
}

int m_DrawVideoOutText(HDC dc, const RECT& area, int barHeight, ARGB background,
                       const wchar_t* text)
{
    int w = 0, h = 0;
    g_BmpFont.m_MeasureText(text, &w, &h, unsigned(-1));
    const int areaW = area.right - area.left, areaH = area.bottom - area.top;
    if (!dc || w < 1 || h < 1 || areaH < h + 2 * barHeight) return 0;
    CArgbImage work;
    if (!work.m_Create(dc, w, h, 32)) return 0;
    work.m_FillRect(background | 0xFF000000, 0, nullptr);
    g_BmpFont.m_DrawText(&work, 0, 0, text, kTextColour, 1, unsigned(-1), 0);
    const int x = area.left + (areaW - w) / 2, y = area.top + (areaH - h) / 2;
    return BitBlt(dc, x, y, w, h, work.m_hDC, 0, 0, SRCCOPY) ? 1 : 0;
}

int m_VideoOutShown(const SVIDEOOUTFACTS& f)
{
    return f.bVideoOutFullScreen && f.bVideo && !f.bCovered ? 1 : 0;
}

UINT m_VideoOutIndicator(int mode)
{
    SVIDEOOUTFACTS f;
    ReadFacts(&f);
    const bool shown = m_VideoOutShown(f) != 0;
    SetAnimation(shown && f.bPlaying);
    if (!shown) {
        if (g_Indicator.on && g_hWndMain) InvalidateRect(g_hWndMain, nullptr, FALSE);
        g_Indicator.on = 0;
        return 0;
    }
    if (mode == 2 && f.bPlaying)
        g_Indicator.step = (g_Indicator.step + 1) % 5;
    else if (mode != 1)
        g_Indicator.step = 0;
    g_Indicator.on = 1;
    wchar_t text[kTextCap];
    m_VideoOutText(g_Indicator.step, f.nMonitorFirst, f.nMonitorLast, text, kTextCap);
    HDC dc = g_hWndMain ? GetDC(g_hWndMain) : nullptr;
    if (dc) {
        m_DrawVideoOutText(dc, f.rcVideo, f.nBarHeight, f.background, text);
        ReleaseDC(g_hWndMain, dc);
    }
    return 1;
}
