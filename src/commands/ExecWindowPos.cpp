// FUNC_WINDOW_POS: the main window placed by any of its four edges, the
// missing size taken from the video's aspect, kept inside the work area.
#include <windows.h>

#include <limits.h>
#include <math.h>
#include <strsafe.h>

#include "app/Layout.h"
#include "app/MainWindow.h"
#include "app/Startup.h"
#include "app/WindowPlacement.h"
#include "app/WindowSize.h"
#include "base/MonitorArea.h"
#include "base/UiLook.h"
#include "commands/ExecCases.h"
#include "commands/ExecOps.h"
#include "playback/PlayState.h"

namespace {

constexpr int kNotGiven = INT_MIN;
constexpr long long kSpanCap = 100000;

// Only a shown video or picture has an aspect to follow.
double m_VideoAspect()
{
    const int shown = g_MediaKind == MEDIA_KIND_VIDEO || g_MediaKind == MEDIA_KIND_PICTURE;
    return shown && g_VideoAspect > 0 ? g_VideoAspect : 0;
}

// One axis: the size from both edges, else the one given.
struct SAXIS {
    int low, high, size;
};

// Places the axis: centred on the current one when neither edge is given.
int m_PlaceAxis(const SAXIS& a, int curLow, int curSize)
{
    if (a.low != kNotGiven) return a.low;
    if (a.high == kNotGiven) return static_cast<int>(lround(curLow + (curSize - a.size) / 2.0));
    return a.high - a.size;
}

// Inside the work area: too large takes its whole size.
void m_FitAxis(int* low, int* size, int areaLow, int areaHigh)
{
    if (*size > areaHigh - areaLow) {
        *size = areaHigh - areaLow;
        *low = areaLow;
        return;
    }
    if (*low < areaLow) *low = areaLow;
    if (*low + *size > areaHigh) *low = areaHigh - *size;
}

}  // namespace

void m_Exec_WindowPos(const wchar_t* text)
{
    RECT cur;
    if (!g_hWndMain || !m_GetWindowRect(g_hWndMain, &cur, g_DpiPercent)) return;
    int v[4] = {kNotGiven, kNotGiven, kNotGiven, kNotGiven};
    m_Exec_Ints(text, v, 4);
    const int curW = cur.right - cur.left, curH = cur.bottom - cur.top;
    const int haveW = v[0] != kNotGiven && v[2] != kNotGiven;
    const int haveH = v[1] != kNotGiven && v[3] != kNotGiven;
    // Edges far apart or crossed give no window.
    const long long spanW = haveW ? static_cast<long long>(v[2]) - v[0] : curW;
    const long long spanH = haveH ? static_cast<long long>(v[3]) - v[1] : curH;
    if (spanW < 1 || spanH < 1 || spanW > kSpanCap || spanH > kSpanCap) return;
    int w = static_cast<int>(spanW), h = static_cast<int>(spanH);
    // Without a video aspect the other side stays as it is.
    const double aspect = m_VideoAspect();
    const int ew = m_GetFrameExtraWidth(), eh = m_GetFrameExtraHeight();
    if (haveW && !haveH && aspect > 0) h = static_cast<int>(lround((w - ew) / aspect)) + eh;
    if (haveH && !haveW && aspect > 0) w = static_cast<int>(lround((h - eh) * aspect)) + ew;
    if (w < 1 || h < 1) return;
    if (w > kSpanCap || h > kSpanCap) return;
    int left = m_PlaceAxis(SAXIS{v[0], v[2], w}, cur.left, curW);
    int top = m_PlaceAxis(SAXIS{v[1], v[3], h}, cur.top, curH);
    RECT area;
    const POINT centre = {left + w / 2, top + h / 2};
    if (m_GetMonitorWorkArea(&area, &centre, 1)) {
        m_FitAxis(&left, &w, area.left, area.right);
        m_FitAxis(&top, &h, area.top, area.bottom);
    }
    const RECT placed = {left, top, left + w, top + h};
    g_ExecOps.PlaceWindow(&placed);
    if (g_MediaKind == MEDIA_KIND_VIDEO || g_MediaKind == MEDIA_KIND_PICTURE) {
        g_ExecOps.SetZoomMode(-1, 1, -1);
    } else {
        RECT video;
        m_GetVideoArea(&video);
        g_ExecOps.SetVideoSize(video.right - video.left, video.bottom - video.top);
    }
    wchar_t message[64];
    if (SUCCEEDED(StringCchPrintfW(message, 64, L"WINDOW````POS : %s", text)))
        g_ExecOps.ShowText(message, -1, -1, -1, -1, -1, -1);
}
