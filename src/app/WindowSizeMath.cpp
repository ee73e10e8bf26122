#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <wchar.h>

#include "app/WindowSize.h"
#include "base/Geometry.h"

namespace {

const double k43 = 1.333333333;
const double k169 = 1.777777778;
const double kEqual = 0.001;

int m_Same(double a, double b) { return fabs(a - b) <= kEqual; }

SIZE m_Size(double w, double h) { return SIZE{m_RoundByMode(w, 0), m_RoundByMode(h, 0)}; }

}  // namespace

int m_DisplayWidth(int w, int h, double aspect)
{
    if (h <= 0 || aspect <= 0) return w;
    if (fabs(aspect - (double)w / h) <= kEqual) return w;
    return m_RoundByMode(h * aspect, 0);
}

double m_RoundStreamAspect(double a)
{
    // Strictly within 0.01; a small slack keeps exact 0.01 steps out.
    const double kNear = 0.01 - 1e-9;
    if (fabs(a - k169) < kNear) return 16.0 / 9.0;
    if (fabs(a - k43) < kNear) return 4.0 / 3.0;
    if (fabs(a - 1.85) < kNear) return 1.85;
    return a;
}

void m_CalcZoomRefs(int videoWidth, double a, SIZE area, SZOOMREFS* out)
{
    *out = SZOOMREFS{};
    if (videoWidth <= 0 || a <= 0 || area.cx <= 0 || area.cy <= 0) return;
    double r = (double)area.cx / area.cy;
    SIZE wide = m_Size(area.cx, area.cx / a), tall = m_Size(area.cy * a, area.cy);
    out->szFit = a > r ? wide : tall;
    out->szFull = a > r ? tall : wide;
    out->szBox = out->szFull;
    if (r < k43) {
        out->nBox = 43;
        out->szBox = m_Size(area.cx / k43 * a, area.cx / k43);
    } else if (r > k169) {
        out->nBox = 169;
        out->szBox = m_Size(area.cy * k169, area.cy * k169 / a);
    }
    double fit = a > r ? area.cx : area.cy * a, full = a > r ? area.cy * a : area.cx;
    out->dFit = fit / videoWidth;
    out->dFull = full / videoWidth;
    double boxW = out->nBox == 43 ? area.cx / k43 * a : out->nBox == 169 ? area.cy * k169 : full;
    out->dBox = boxW / videoWidth;
}

double m_CalcFitFactor(SIZE video, SIZE area, int mode)
{
    if (video.cx <= 0 || video.cy <= 0 || area.cx <= 0 || area.cy <= 0) return 1.0;
    double w = area.cx, h = area.cy;
    if (mode == 2) {
        if (w / h < k43)
            h = w / k43;
        else if (w / h > k169)
            w = h * k169;
    }
    double rx = w / video.cx, ry = h / video.cy;
    return mode == 0 ? (rx < ry ? rx : ry) : (rx > ry ? rx : ry);
}

double m_StepOnGrid(double value, double step)
{
    if (step == 0) return value;
    double size = fabs(step), lines = value / size;
    double next = step > 0 ? (floor(lines + 1e-9) + 1) * size : (ceil(lines - 1e-9) - 1) * size;
    // Within 1 % of a step short of the next line counts as on it.
    if (fabs(next - value) < size * 0.01) next += step;
    return next;
}

void m_AppendZoomLabel(wchar_t* text, size_t cap, const SZOOMREFS* refs, double factor)
{
    const wchar_t* format = nullptr;
    if (m_Same(factor, refs->dFit))
        format = L"    ````%s```[FIT]";
    else if (m_Same(factor, refs->dFull))
        format = L"     ````%s```[FULL]";
    else if (refs->nBox == 169 && m_Same(factor, refs->dBox))
        format = L"     `%s```[16:9]";
    else if (refs->nBox == 43 && m_Same(factor, refs->dBox))
        format = L"    `%s```[4:3]";
    if (!format || !text || !cap) return;
    wchar_t copy[256];
    wcsncpy(copy, text, 255);
    copy[255] = 0;
    _snwprintf(text, cap, format, copy);
    text[cap - 1] = 0;
}

void m_AddSizeStop(SSIZESTOPS* stops, int kind, int w, int h, int videoWidth)
{
    if (stops->nCount >= kSizeStopCap || w <= 0 || h <= 0 || videoWidth <= 0) return;
    stops->items[stops->nCount++] = SSIZESTOP{kind, (double)w / videoWidth, w, h};
}

namespace {

// Room on one axis from the anchor: to the far side, or twice the nearer
// distance on a centred axis.
LONG m_AnchorRoom(int lowFixed, int highFixed, LONG at, LONG lo, LONG hi)
{
    if (lowFixed) return hi - at;
    if (highFixed) return at - lo;
    LONG nearer = at - lo < hi - at ? at - lo : hi - at;
    return 2 * nearer;
}

}  // namespace

void m_CalcSizeStops(SSIZESTOPS* out, const RECT* area, double a, int videoWidth, int anchor,
                     POINT pt, SIZE frame)
{
    m_CalcSizeStopsEx(out, area, a, videoWidth, anchor, pt, frame, nullptr);
}

void m_CalcSizeStopsEx(SSIZESTOPS* out, const RECT* area, double a, int videoWidth, int anchor,
                       POINT pt, SIZE frame, const SSIZESTOPEXTRA* extra)
{
    out->nCount = 0;
    SIZE size = {area->right - area->left, area->bottom - area->top};
    SZOOMREFS refs;
    m_CalcZoomRefs(videoWidth, a, size, &refs);
    if (refs.dFit <= 0) return;
    m_AddSizeStop(out, SIZESTOP_FIT, refs.szFit.cx, refs.szFit.cy, videoWidth);
    // The window held at its own aspect, which differs from the video's.
    if (extra && extra->dHoldAspect > 0 && fabs(extra->dHoldAspect - a) >= 0.005) {
        SZOOMREFS held;
        m_CalcZoomRefs(videoWidth, extra->dHoldAspect, size, &held);
        m_AddSizeStop(out, SIZESTOP_ASPECT_HOLD, held.szFit.cx, held.szFit.cy, videoWidth);
    }
    RECT whole = {area->left, area->top, area->right + frame.cx, area->bottom + frame.cy};
    // A docked playlist takes its room on its side.
    const int side = extra ? extra->nDockSide : 0;
    if (side == 1) whole.left += extra->szDock.cx;
    if (side == 3) whole.right -= extra->szDock.cx;
    if (side == 2) whole.top += extra->szDock.cy;
    if (side == 4) whole.bottom -= extra->szDock.cy;
    SIZE room = {m_AnchorRoom(anchor & 1, anchor & 4, pt.x, whole.left, whole.right) - frame.cx,
                 m_AnchorRoom(anchor & 2, anchor & 8, pt.y, whole.top, whole.bottom) - frame.cy};
    SZOOMREFS inRoom;
    m_CalcZoomRefs(videoWidth, a, room, &inRoom);
    if (inRoom.dFit > 0 && inRoom.szFit.cx < refs.szFit.cx)
        m_AddSizeStop(out, SIZESTOP_ANCHOR_ROOM, inRoom.szFit.cx, inRoom.szFit.cy, videoWidth);
    m_AddSizeStop(out, SIZESTOP_FULL, refs.szFull.cx, refs.szFull.cy, videoWidth);
    if (refs.nBox) m_AddSizeStop(out, SIZESTOP_BOX, refs.szBox.cx, refs.szBox.cy, videoWidth);
    if (side >= 1 && side <= 4) {
        SIZE less = size;
        if (side == 1 || side == 3) less.cx -= extra->szDock.cx;
        if (side == 2 || side == 4) less.cy -= extra->szDock.cy;
        SZOOMREFS docked;
        m_CalcZoomRefs(videoWidth, a, less, &docked);
        if (docked.dFit > 0) {
            m_AddSizeStop(out, SIZESTOP_DOCK_FIT, docked.szFit.cx, docked.szFit.cy, videoWidth);
            m_AddSizeStop(out, SIZESTOP_DOCK_FULL, docked.szFull.cx, docked.szFull.cy, videoWidth);
        }
    }
}

int m_NearestSizeStop(const SSIZESTOPS* stops, int w, int h, int limit)
{
    int best = -1, bestDistance = limit;
    for (int i = 0; i < stops->nCount; ++i) {
        int dw = abs(stops->items[i].nWidth - w), dh = abs(stops->items[i].nHeight - h);
        int d = dw < dh ? dw : dh;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

namespace {

const LONG kCentred = 65535;

LONG m_Centre(LONG areaSize, LONG size) { return (LONG)floor((areaSize - size) / 2.0 + 0.5); }

// A video no larger than the area stays inside it; a larger one leaves no gap.
LONG m_ClampAxis(LONG at, LONG size, LONG areaSize)
{
    if (size <= areaSize) return at < 0 ? 0 : at + size > areaSize ? areaSize - size : at;
    if (at > 0) return 0;
    return at + size < areaSize ? areaSize - size : at;
}

// The part of a span that lies outside the area, as a share of the span.
double m_OutsideShare(LONG at, LONG size, LONG areaSize)
{
    if (size <= 0) return 0;
    LONG inside = (at + size < areaSize ? at + size : areaSize) - (at > 0 ? at : 0);
    return 1.0 - (double)(inside > 0 ? inside : 0) / size;
}

LONG m_SnapAxis(LONG at, LONG size, LONG areaSize, int snap)
{
    if (abs(at) <= snap) return 0;
    if (abs(at + size - areaSize) <= snap) return areaSize - size;
    return at;
}

}  // namespace

RECT m_CalcVideoRect(const SVIDEOPLACE* in)
{
    LONG aw = in->rcArea.right - in->rcArea.left, ah = in->rcArea.bottom - in->rcArea.top;
    LONG w = in->szVideo.cx, h = in->szVideo.cy;
    LONG x = in->ptOffset.x == kCentred ? m_Centre(aw, w) : in->ptOffset.x;
    LONG y = in->ptOffset.y == kCentred ? m_Centre(ah, h) : in->ptOffset.y;
    if (in->bDragging && in->nSnap > 0) {
        x = m_SnapAxis(x, w, aw, in->nSnap);
        y = m_SnapAxis(y, h, ah, in->nSnap);
    } else if (in->dZoom >= in->dFit - kEqual && in->dZoom <= in->dFull + kEqual) {
        x = m_Centre(aw, w);
        y = m_Centre(ah, h);
    } else if (in->dZoom < in->dFit &&
               (m_OutsideShare(x, w, aw) > 0.4 || m_OutsideShare(y, h, ah) > 0.4)) {
        x = m_Centre(aw, w);
        y = m_Centre(ah, h);
    } else {
        x = m_ClampAxis(x, w, aw);
        y = m_ClampAxis(y, h, ah);
    }
    return RECT{in->rcArea.left + x, in->rcArea.top + y, in->rcArea.left + x + w,
                in->rcArea.top + y + h};
}

int m_CalcVisiblePart(const RECT* placed, const RECT* area, RECT* visible, double source[4])
{
    source[0] = source[1] = 0;
    source[2] = source[3] = 1;
    if (!IntersectRect(visible, placed, area)) return 0;
    const double w = placed->right - placed->left, h = placed->bottom - placed->top;
    source[0] = (visible->left - placed->left) / w;
    source[1] = (visible->top - placed->top) / h;
    source[2] = (visible->right - placed->left) / w;
    source[3] = (visible->bottom - placed->top) / h;
    return 1;
}

LONG m_ZoomOffsetAxis(LONG at, LONG from, LONG to, LONG pt, LONG areaSize)
{
    if (to <= areaSize || from <= 0) return kCentred;
    // The point keeps its share of the video; a point off the video holds
    // the nearer edge.
    if (pt < at) pt = at;
    if (pt > at + from) pt = at + from;
    const double share = (double)(pt - at) / from;
    LONG next = (LONG)floor(pt - share * to + 0.5);
    if (next > 0) next = 0;
    if (next + to < areaSize) next = areaSize - to;
    return next;
}
