#include "playlist/PlaylistSplit.h"

#include <math.h>

#include "base/Geometry.h"

namespace {

int m_Clamp(int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); }

// The ratio counts as 0 within 0.01.
int m_AboutZero(double ratio) { return m_CompareDouble(ratio, 0.0, 0.01) <= 0; }

// Whether both lists fit; a hideable sub-list at ratio 0 that does not fit
// needs nothing.
int m_Fits(const SSPLITNEEDS& n, double fitted, int* Ns)
{
    *Ns = n.Ns;
    if (n.Nt + n.Ns <= n.H) return 1;
    if (n.Hideable && m_AboutZero(fitted)) {
        *Ns = 0;
        return n.Nt <= n.H;
    }
    return 0;
}

int m_NoFitSplit(const SSPLITNEEDS& n, int Ns)
{
    const int half = n.H / 2;
    if (n.Nt > n.H && Ns > n.H) return half;
    if (Ns < n.Nt) return Ns < half ? Ns : half;
    if (Ns > n.Nt) return n.Nt < half ? n.H - n.Nt : half;
    return half;
}

}  // namespace

int m_Split_TrackNeed(int rowHeight, int header, int pad, int tracks)
{
    return rowHeight * (tracks > 0 ? tracks : 0) + header + pad;
}

int m_Split_SubNeed(int rowHeight, int header, int pad, int tabStrip, int rows, int chapterTab)
{
    if (rows <= 0 || (chapterTab && rows == 1)) return tabStrip;
    return rowHeight * rows + header + pad + tabStrip;
}

double m_Split_ClampRatio(double ratio)
{
    if (!(ratio >= 0.0)) return 0.0;  // negative or not a number
    return ratio > 1.0 ? 1.0 : ratio;
}

double m_Split_RatioFor(const SSPLITNEEDS& n, int S, double fitted)
{
    int Ns;
    double ratio = fitted;
    // Without a pane there is no split to learn from.
    if (n.H <= 0) return m_Split_ClampRatio(ratio);
    if (m_Fits(n, fitted, &Ns)) {
        const int spare = n.H - n.Nt - Ns;
        if (spare != 0) ratio = (double)(S - Ns) / spare;
    } else {
        const int divisor = n.Nt - n.H + Ns;
        if (divisor != 0) ratio = (double)(n.Nt + S - n.H) / divisor;
    }
    return m_Split_ClampRatio(ratio);
}

int m_Split_SubHeight(const SSPLITNEEDS& n, int mode, int prevS, double* fitted)
{
    const double ratio = m_Split_ClampRatio(*fitted);
    *fitted = ratio;
    if (n.H <= 0) return 0;
    int Ns;
    const int fits = m_Fits(n, ratio, &Ns);
    const int fitsBoth = n.Nt + n.Ns <= n.H;
    int S;
    if (n.Hideable && m_AboutZero(ratio) && !fitsBoth) {
        *fitted = 0.0;
        S = 0;
    } else if (fits) {
        S = m_RoundByMode((n.H - n.Nt - Ns) * ratio + Ns, 0);
    } else {
        S = m_NoFitSplit(n, Ns);
        if (mode == 3 && S == prevS && S == Ns) S = n.A;
    }
    return m_Clamp(S, 0, n.H);
}

double m_Split_PlainRatio(int S, int H, double previous)
{
    if (H <= 0) return m_Split_ClampRatio(previous);
    return m_Split_ClampRatio((double)S / H);
}

void m_Tabs_FitWidths(const int natural[3], int reference, int minimum, int room, int out[3])
{
    int widest = reference;
    for (int i = 0; i < 3; ++i)
        if (natural[i] > widest) widest = natural[i];
    if (room >= 3 * widest) {
        out[0] = out[1] = out[2] = widest;
        return;
    }
    int sum = 0;
    for (int i = 0; i < 3; ++i) sum += (out[i] = natural[i]);
    while (sum > room) {
        int k = 0;
        for (int i = 1; i < 3; ++i)
            if (out[i] > out[k]) k = i;
        if (out[k] <= minimum) break;
        --out[k];
        --sum;
    }
    while (sum < room) {
        int k = 0;
        for (int i = 1; i < 3; ++i)
            if (out[i] < out[k]) k = i;
        if (out[k] >= widest) break;
        ++out[k];
        ++sum;
    }
}

void m_Columns_ClampRatios(const double in[2], double out[2])
{
    const double first = isfinite(in[0]) ? in[0] : 75.0;
    const double second = isfinite(in[1]) ? in[1] : 20.0;
    out[0] = first < 20.0 ? 20.0 : (first > 100.0 ? 100.0 : first);
    const double rest = 100.0 - out[0];
    out[1] = second < 0.0 ? 0.0 : (second > rest ? rest : second);
}

void m_Columns_FromRatios(int w, const double percent[2], int out[2])
{
    double p[2];
    m_Columns_ClampRatios(percent, p);
    if (w < 0) w = 0;
    for (int i = 0; i < 2; ++i) out[i] = m_RoundByMode(w * p[i] / 100.0, 0);
}

int m_Columns_TimeWidth(int widestText, int dpiPercent)
{
    // Margins of 4 and 6 drawn for 200 %, and 2 for the focus frame.
    const int fitted = m_ScaleValue(4 + 6, dpiPercent, 200, 0) + 2 + widestText;
    const int least = m_ScaleValue(40, dpiPercent, 100, 0);
    return fitted > least ? fitted : least;
}

int m_Rows_CellEdge(int cell200, int dpiPercent)
{
    const int edge = m_ScaleValue(cell200, dpiPercent, 200, 0);
    return edge < 1 ? 1 : edge;
}

int m_Rows_Height(int dpiPercent, int itemPercent, int checkEdge)
{
    const int percent = m_Clamp(itemPercent, 50, 200);
    const int rows = m_RoundByMode(38.0 * dpiPercent / 200.0 * percent / 100.0, 0);
    return rows > checkEdge ? rows : checkEdge;
}

int m_Playlist_LoadingBars(int tracks, int scanned)
{
    if (tracks <= 0) return 1;
    // A list that shrank under the scan leaves more scanned than tracks.
    return m_Clamp((tracks - scanned) * 6 / tracks + 1, 1, 7);
}

int m_Playlist_ClampDpi(int percent)
{
    if (percent <= 0) return 100;
    return m_Clamp(percent, 50, 500);
}

int m_Playlist_DpiMove(const SPLAYLISTDPIMOVE& in, RECT* window, POINT* pointer)
{
    const int ww = in.Window.cx, wh = in.Window.cy;
    POINT pt = in.Pointer;
    double fx = in.Fx, fy = in.Fy;
    const int follow = PtInRect(&in.Now, pt);
    if (!follow) {
        pt = m_RectCenter(&in.Now);
        fx = fy = 0.5;
    }
    int x = pt.x - m_RoundByMode(ww * fx, 0), y = pt.y - m_RoundByMode(wh * fy, 0);
    if (!IsRectEmpty(&in.Suggested)) {
        const POINT centre = m_RectCenter(&in.Suggested);
        const RECT &a = in.MonitorNew, &b = in.MonitorOld;
        if (!(a.left < b.right && b.left < a.right)) {
            x = centre.x - ww / 2;
            pt.x = x + m_RoundByMode(ww * fx, 0);
        }
        if (!(a.top < b.bottom && b.top < a.bottom)) {
            y = centre.y - wh / 2;
            pt.y = y + m_RoundByMode(wh * fy, 0);
        }
    }
    SetRect(window, x, y, x + ww, y + wh);
    *pointer = pt;
    return follow;
}
