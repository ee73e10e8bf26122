// The open file's video size and aspect as the engine reports them, with
// the user's aspect and crop applied.
#include <math.h>

#include "app/WindowPlacement.h"
#include "app/WindowSize.h"
#include "engine/VideoRenderer.h"
#include "playback/PlaybackControl.h"
#include "settings/Settings.h"

SUSERVIDEOSHAPE g_UserVideoShape;

namespace {

constexpr int kSideMax = 32767;
SIZE s_LastSize;
double s_LastAspect;

// The stream aspect as a pair, onto the common ratios with "RvsAR".
void m_AspectPair(int ax, int ay, int w, int h, int* outX, int* outY)
{
    if (ax < 1 || ay < 1) ax = w, ay = h;
    *outX = ax;
    *outY = ay;
    if (!g_Settings.Common_RvsAR) return;
    const double rounded = m_RoundStreamAspect((double)ax / ay);
    if (rounded == 16.0 / 9.0)
        *outX = 16, *outY = 9;
    else if (rounded == 4.0 / 3.0)
        *outX = 4, *outY = 3;
    else if (rounded == 1.85)
        *outX = 185, *outY = 100;
}

// The part of the frame kept by the crop, in fractions of the frame.
void m_CropSource(int w, int h, int ax, int ay, double out[4])
{
    const SUSERVIDEOSHAPE& u = g_UserVideoShape;
    out[0] = out[1] = 0;
    out[2] = out[3] = 1;
    if (u.nCropMode == 2) {
        out[0] = u.nCropMargins[0] / 10000.0;
        out[1] = u.nCropMargins[1] / 10000.0;
        out[2] = 1 - u.nCropMargins[2] / 10000.0;
        out[3] = 1 - u.nCropMargins[3] / 10000.0;
        if (out[2] <= out[0] || out[3] <= out[1]) out[0] = out[1] = 0, out[2] = out[3] = 1;
        return;
    }
    if (u.nCropAspectX > 0 && u.nCropAspectY > 0 && ay > 0) {
        // Cut to the crop aspect, centred, measured on the displayed picture.
        const double shown = (double)ax / ay, wanted = (double)u.nCropAspectX / u.nCropAspectY;
        if (wanted > shown) {
            const double keep = shown / wanted;
            out[1] = (1 - keep) / 2, out[3] = 1 - out[1];
        } else if (wanted < shown) {
            const double keep = wanted / shown;
            out[0] = (1 - keep) / 2, out[2] = 1 - out[0];
        }
    }
    if (u.nCropMode == 1 && u.nCropPercent > 0 && u.nCropPercent < 10000) {
        const double keep = u.nCropPercent / 10000.0;
        for (int axis = 0; axis < 2; ++axis) {
            const double mid = (out[axis] + out[axis + 2]) / 2,
                         half = (out[axis + 2] - out[axis]) / 2;
            out[axis] = mid - half * keep;
            out[axis + 2] = mid + half * keep;
        }
    }
    (void)w, (void)h;
}

void m_NoVideo()
{
    g_VideoSize = SIZE{};
    g_VideoAspect = 1.777777778;
    m_UpdateZoomReferences(-1);
}

}  // namespace

int m_UpdateVideoSizeFromEngine(int relayout)
{
    if (!g_VideoRenderer || !g_MediaOpen) {
        m_NoVideo();
        return 0;
    }
    int w = 0, h = 0, ax = 0, ay = 0;
    g_VideoRenderer->m_VR_GetNativeInfo(&w, &h, &ax, &ay);
    if (w < 1 || h < 1 || w > kSideMax || h > kSideMax) {
        m_NoVideo();
        return 0;
    }
    int px = 0, py = 0;
    m_AspectPair(ax, ay, w, h, &px, &py);
    if (relayout && g_UserVideoShape.nAspectX > 0 && g_UserVideoShape.nAspectY > 0)
        px = g_UserVideoShape.nAspectX, py = g_UserVideoShape.nAspectY;
    g_VideoRenderer->m_VR_SetAspectRatio(px, py);
    if (relayout) {
        double source[4];
        m_CropSource(w, h, px, py, source);
        g_VideoRenderer->m_VR_SetZoomRect(source[0], source[1], source[2], source[3]);
    }
    int cw = 0, ch = 0;
    g_VideoRenderer->m_VR_GetZoomedSize(&cw, &ch);
    if (cw < 1 || ch < 1) g_VideoRenderer->m_VR_GetDisplaySize(&cw, &ch);
    if (cw < 1 || ch < 1) cw = w, ch = h;
    g_VideoSize = SIZE{cw, ch};
    g_VideoWidth = cw;
    g_VideoHeight = ch;
    g_VideoAspect = (double)cw / ch;
    m_UpdateZoomReferences(-1);
    const int changed =
        cw != s_LastSize.cx || ch != s_LastSize.cy || fabs(g_VideoAspect - s_LastAspect) > 1e-9;
    s_LastSize = g_VideoSize;
    s_LastAspect = g_VideoAspect;
    return changed;
}
