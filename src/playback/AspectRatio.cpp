#include "playback/AspectRatio.h"

#include <strsafe.h>
#include <string.h>

#include "app/FullScreenState.h"
#include "app/MainWindow.h"
#include "app/StatusText.h"
#include "app/WindowSize.h"
#include "jumplist/JumpListState.h"
#include "playback/PlayState.h"
#include "playback/VideoProps.h"
#include "playback/VideoWindow.h"
#include "settings/Settings.h"

int g_VideoShapeHold;

namespace {

constexpr int kTextCap = 96;

int m_Gcd(int a, int b)
{
    while (b) {
        const int r = a % b;
        a = b;
        b = r;
    }
    return a;
}

void m_Reduce(int* x, int* y)
{
    if (*x <= 0 || *y <= 0) {
        *x = *y = 0;
        return;
    }
    const int g = m_Gcd(*x, *y);
    *x /= g;
    *y /= g;
}

bool m_VideoOpen() { return g_MediaOpen && g_MediaKind == MEDIA_KIND_VIDEO; }

}  // namespace

void m_KeepWindowArea()
{
    RECT video;
    m_GetVideoPlaceArea(0, &video);
    const int w = video.right - video.left, h = video.bottom - video.top;
    if (w > 0 && h > 0) {
        const int mode = g_Settings.Common_OpSize;
        if (mode >= 0 && mode <= 3)
            m_SetWindowSize(1, w * h, 0, 0);
        else if (mode == 4)
            m_SetWindowSize(2, w, 0, 0);
        else if (mode == 5)
            m_SetWindowSize(3, h, 0, 0);
    }
    m_VideoWindow_Place();
}

void m_VideoShape_Relayout()
{
    if (!m_VideoOpen() || g_VideoShapeHold) return;
    m_UpdateVideoSizeFromEngine(1);
    if (g_Settings.Common_RatHld && !g_FullScreen && !(g_hWndMain && IsZoomed(g_hWndMain)) &&
        !m_JumpList_IsBatchRunning())
        m_KeepWindowArea();
    else
        m_SetZoomMode(-1, 1, -1);
}

int m_AspectRatio_Set(int x, int y, int toggle, int showMessage)
{
    SUSERVIDEOSHAPE& u = g_UserVideoShape;
    m_Reduce(&x, &y);
    if (toggle && x == u.nAspectX && y == u.nAspectY) x = y = 0;
    const int changed = x != u.nAspectX || y != u.nAspectY;
    u.nAspectX = x;
    u.nAspectY = y;
    if (changed) m_VideoShape_Relayout();
    if (showMessage) {
        wchar_t text[kTextCap];
        if (x == 0) {
            int ox = 0, oy = 0;
            m_VideoProp_OwnAspect(&ox, &oy);
            StringCchPrintfW(text, kTextCap, L"ASPECT``RATIO > DEFAULT`(%d`:`%d)", ox, oy);
        } else if (y == 100) {
            StringCchPrintfW(text, kTextCap, L"ASPECT``RATIO > %0.2f`:`1", (double)x / y);
        } else {
            StringCchPrintfW(text, kTextCap, L"ASPECT``RATIO > %d`:`%d", x, y);
        }
        m_OSD_ShowText(text, changed ? 1 : 0, -1, -1, -1, -1, -1);
    }
    return changed;
}

void m_AspectRatio_Reset()
{
    int ox = 0, oy = 0;
    int changed = 0;
    if (g_MediaOpen && m_VideoProp_OwnAspect(&ox, &oy)) {
        int sx = g_VideoSize.cx, sy = g_VideoSize.cy;
        m_Reduce(&sx, &sy);
        if (sx != ox || sy != oy || g_UserVideoShape.nAspectX || g_VideoPropFile.AspectOn) {
            g_VideoPropFile.AspectOn = 0;
            g_UserVideoShape.nAspectX = g_UserVideoShape.nAspectY = 0;
            m_VideoShape_Relayout();
            changed = 1;
        }
    }
    wchar_t text[kTextCap];
    StringCchPrintfW(text, kTextCap, L"ASPECT``RATIO : DEFAULT`(%d`:`%d)", ox, oy);
    m_OSD_ShowText(text, changed ? 1 : 0, -1, -1, -1, -1, -1);
}

int m_Crop_Set(int x, int y)
{
    SUSERVIDEOSHAPE& u = g_UserVideoShape;
    m_Reduce(&x, &y);
    if (x == u.nCropAspectX && y == u.nCropAspectY) return 0;
    u.nCropAspectX = x;
    u.nCropAspectY = y;
    m_VideoShape_Relayout();
    return 1;
}

int m_VideoRange_SetEffective(int mode, int percent, const int rect[4])
{
    SUSERVIDEOSHAPE& u = g_UserVideoShape;
    int sides[4] = {0, 0, 0, 0};
    if (mode == 2 && rect) memcpy(sides, rect, sizeof sides);
    if (mode != 1) percent = 10000;
    const int changed = mode != u.nCropMode || percent != u.nCropPercent ||
                        memcmp(sides, u.nCropMargins, sizeof sides) != 0;
    u.nCropMode = mode;
    u.nCropPercent = percent;
    memcpy(u.nCropMargins, sides, sizeof sides);
    return changed;
}
