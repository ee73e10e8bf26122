// A double click on a sizing border fits the window to the video's aspect:
// the opposite edge or corner stays, and the pointer follows the border.
#include "app/Layout.h"
#include "app/LayoutAnchor.h"
#include "app/MainWindow.h"
#include "app/PointerInput.h"
#include "app/WindowSize.h"
#include "base/MonitorArea.h"
#include "base/UiLook.h"
#include "playback/PlaybackControl.h"
#include "settings/Settings.h"

#include <math.h>

namespace {

constexpr double kWideRatio = 16.0 / 9.0;

// The open video's aspect, else 16:9; with RatHld off an area already at
// it alternates to 16:9.
double m_TargetRatio(SIZE area)
{
    double ratio = kWideRatio;
    if (g_PlayState != 0 && g_VideoSize.cx > 0 && g_VideoSize.cy > 0)
        ratio = static_cast<double>(g_VideoSize.cx) / g_VideoSize.cy;
    if (!g_Settings.Common_RatHld && area.cy > 0 &&
        fabs(static_cast<double>(area.cx) / area.cy - ratio) <= 0.001)
        ratio = kWideRatio;
    return ratio;
}

}  // namespace

RECT m_BorderRatioRect(const RECT* window, SIZE area, int hit, double ratio)
{
    RECT rc = *window;
    if (area.cx <= 0 || area.cy <= 0 || ratio <= 0) return rc;
    int dw = 0, dh = 0;
    switch (hit) {
        case HTLEFT:
        case HTRIGHT:
            dw = static_cast<int>(lround(area.cy * ratio)) - area.cx;
            break;
        case HTTOP:
        case HTBOTTOM:
            dh = static_cast<int>(lround(area.cx / ratio)) - area.cy;
            break;
        default: {
            const double now = static_cast<double>(area.cx) / area.cy;
            if (fabs(now - ratio) <= 0.005) return rc;
            if (now > ratio)
                dw = static_cast<int>(lround(area.cy * ratio)) - area.cx;
            else
                dh = static_cast<int>(lround(area.cx / ratio)) - area.cy;
        }
    }
    const int left = hit == HTLEFT || hit == HTTOPLEFT || hit == HTBOTTOMLEFT;
    const int top = hit == HTTOP || hit == HTTOPLEFT || hit == HTTOPRIGHT;
    if (left)
        rc.left -= dw;
    else
        rc.right += dw;
    if (top)
        rc.top -= dh;
    else
        rc.bottom += dh;
    return rc;
}

void m_Mouse_OnBorderDoubleClick(HWND hwnd, int hit)
{
    if (hwnd != g_hWndMain || IsZoomed(hwnd)) return;
    RECT window, area, work;
    if (!m_GetWindowRect(hwnd, &window, -1)) return;
    m_GetVideoArea(&area);
    const SIZE size = {area.right - area.left, area.bottom - area.top};
    RECT rc = m_BorderRatioRect(&window, size, hit, m_TargetRatio(size));
    if (EqualRect(&rc, &window)) return;
    if (m_GetRectMonitorWorkArea(&work, &window)) m_ShiftInside(&rc, &work);
    m_SetWindowPos(hwnd, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                   SWP_NOZORDER | SWP_NOACTIVATE, -1, 0);
    POINT pt;
    if (!GetCursorPos(&pt)) return;
    if (hit == HTLEFT || hit == HTTOPLEFT || hit == HTBOTTOMLEFT) pt.x += rc.left - window.left;
    if (hit == HTRIGHT || hit == HTTOPRIGHT || hit == HTBOTTOMRIGHT)
        pt.x += rc.right - window.right;
    if (hit == HTTOP || hit == HTTOPLEFT || hit == HTTOPRIGHT) pt.y += rc.top - window.top;
    if (hit == HTBOTTOM || hit == HTBOTTOMLEFT || hit == HTBOTTOMRIGHT)
        pt.y += rc.bottom - window.bottom;
    SetCursorPos(pt.x, pt.y);
}
