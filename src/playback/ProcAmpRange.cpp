#include "playback/ProcAmpRange.h"

#include <math.h>

#include "app/StatusText.h"
#include "base/ErrorLog.h"
#include "base/NumberFormat.h"
#include "base/SoundCue.h"
#include "options/OptionAdjust.h"
#include "playback/VideoProps.h"
#include "settings/Settings.h"

SPROCAMPRANGE g_ProcAmpRange;
SPROCAMPRANGE g_ProcAmpRangeReported;
wchar_t g_DisplayDeviceName[kDisplayDeviceNameCap];

namespace {

// minimum, maximum, default, step; span, default position, offset, slider step
struct SPROCAMPROW {
    double Minimum, Maximum, Default, Step;
    int Span, DefaultPos, Offset, SliderStep;
};

const SPROCAMPROW kTables[4][4] = {
    {{-100, 100, 0, 0.1, 2000, 1000, -1000, 10},
     {-100, 100, 0, 0.1, 2000, 1000, -1000, 10},
     {-180, 180, 0, 0.1, 3600, 1800, -1800, 10},
     {-100, 100, 0, 0.1, 2000, 1000, -1000, 10}},
    {{0, 10, 1, 0.01, 1000, 100, 0, 1},
     {-100, 100, 0, 0.1, 2000, 1000, -1000, 10},
     {-180, 180, 0, 0.1, 3600, 1800, -1800, 10},
     {0, 10, 1, 0.01, 1000, 100, 0, 10}},
    {{0.1, 2, 1, 0.01, 190, 90, 10, 1},
     {-100, 100, 0, 1, 200, 100, -100, 1},
     {-180, 180, 0, 1, 360, 180, -180, 1},
     {0, 2, 1, 0.01, 200, 100, 0, 1}},
    {{0, 2, 1, 0.01, 200, 100, 0, 1},
     {-100, 100, 0, 0.1, 2000, 1000, -1000, 10},
     {-180, 180, 0, 1, 360, 180, -180, 1},
     {0, 3, 1, 0.01, 300, 100, 0, 1}},
};

bool m_Same(double a, double b) { return fabs(a - b) < 1e-9; }

// How far a position lies from the default towards either end, -1..1.
double m_Ratio(const SPROCAMPRANGE* r, int c, int p)
{
    const int d = r->DefaultPos[c], s = r->Span[c];
    if (p == d) return 0;
    if (p > d) return s > d ? (double)(p - d) / (s - d) : 2.0;
    return d ? (double)(p - d) / d : 0;
}

int m_FromRatio(const SPROCAMPRANGE* r, int c, double ratio)
{
    const int d = r->DefaultPos[c], s = r->Span[c];
    if (ratio == 0) return d;
    const double v = ratio > 0 ? (s - d) * ratio + d + 0.5 : (ratio + 1) * d + 0.5;
    const int p = (int)v;
    return p < 0 ? 0 : (p > s ? s : p);
}

int m_MatchKind(const SPROCAMPRANGE* r)
{
    for (int kind = 0; kind < 4; ++kind) {
        bool same = true;
        for (int c = 0; c < 4 && same; ++c) {
            const SPROCAMPROW& t = kTables[kind][c];
            same = m_Same(r->Minimum[c], t.Minimum) && m_Same(r->Maximum[c], t.Maximum) &&
                   m_Same(r->Step[c], t.Step) && m_Same(r->Default[c], t.Default);
        }
        if (same) return kind;
    }
    return -1;
}

// The step to the fewest decimals within 0.01, the values to whole steps.
// A step that is not a positive number leaves the values as reported.
void m_RoundToSteps(SPROCAMPRANGE* r)
{
    for (int c = 0; c < 4; ++c) {
        const double step = m_RoundToFewestDecimals(r->Step[c], 0.01);
        if (!(step > 0) || !isfinite(step)) continue;
        r->Step[c] = step;
        r->Minimum[c] = round(r->Minimum[c] / step) * step;
        r->Maximum[c] = round(r->Maximum[c] / step) * step;
        r->Default[c] = round(r->Default[c] / step) * step;
    }
}

}  // namespace

void m_ProcAmp_BuildRange(SPROCAMPRANGE* range, int kind)
{
    if (!range) return;
    if (kind < 0 || kind > 3) kind = 0;
    range->AnySupported = 1;
    range->Kind = kind;
    for (int c = 0; c < 4; ++c) {
        const SPROCAMPROW& t = kTables[kind][c];
        range->Supported[c] = 1;
        range->Minimum[c] = t.Minimum;
        range->Maximum[c] = t.Maximum;
        range->Default[c] = t.Default;
        range->Step[c] = t.Step;
        range->Span[c] = t.Span;
        range->DefaultPos[c] = t.DefaultPos;
        range->Offset[c] = t.Offset;
        range->SliderStep[c] = t.SliderStep;
    }
}

int m_ProcAmp_IsDefault(const int positions[4], int kind)
{
    if (kind < 0 || kind > 3) kind = 0;
    for (int c = 0; c < 4; ++c) {
        if (positions[c] != kTables[kind][c].DefaultPos) return 0;
    }
    return 1;
}

int m_ProcAmp_Convert(int positions[4], const SPROCAMPRANGE* from, const SPROCAMPRANGE* to)
{
    double ratio[4];
    bool reset = false;
    for (int c = 0; c < 4; ++c) {
        ratio[c] = m_Ratio(from, c, positions[c]);
        if (ratio[c] < -1.01 || ratio[c] > 1.01) {
            m_WriteLog(
                L"MAIN_%d : Error / m_ProcAmp_Convert() / Idx=%d, Val=%d, Def=%d, Rng=%d, "
                L"GPU=%d/%d",
                __LINE__, c, positions[c], from->DefaultPos[c], from->Span[c], from->Kind,
                to->Kind);
            reset = true;
        }
    }
    if (reset) {
        m_PlaySoundCue(1);
        m_OSD_ShowText(L"RESET````PROCAMP````VALUES", 1, -1, -1, 100, -1, -1);
        for (double& r : ratio) r = 0;
    }
    for (int c = 0; c < 4; ++c) positions[c] = m_FromRatio(to, c, ratio[c]);
    return reset ? 0 : 1;
}

double m_ProcAmp_SliderToValueIn(const SPROCAMPRANGE* r, int c, int p)
{
    if (c < 0 || c > 3) return 0;
    const int s = r->Span[c], d = r->DefaultPos[c];
    if (p < 0 || p > s) p = d;
    if (r->Kind >= 0 && s > 0) return (r->Maximum[c] - r->Minimum[c]) * (p + r->Offset[c]) / s;
    // A range of no known kind: linear on either side of the default.
    if (p == d) return r->Default[c];
    if (p > d) return r->Default[c] + (r->Maximum[c] - r->Default[c]) * (p - d) / (s - d);
    return r->Minimum[c] + (r->Default[c] - r->Minimum[c]) * p / d;
}

double m_ProcAmp_SliderToValue(int c, int p)
{
    return m_ProcAmp_SliderToValueIn(&g_ProcAmpRange, c, p);
}

int m_ProcAmp_TakeReported()
{
    SPROCAMPRANGE r = g_ProcAmpRangeReported;
    // Nothing to match: the stored positions stay as they were made.
    if (!r.AnySupported) {
        g_ProcAmpRange.AnySupported = 0;
        return 0;
    }
    m_RoundToSteps(&r);
    const int kind = m_MatchKind(&r);
    SPROCAMPRANGE table;
    m_ProcAmp_BuildRange(&table, kind);
    table.Kind = kind;
    const int converted = kind != g_ProcAmpRange.Kind;
    if (converted) {
        m_ProcAmp_Convert(g_VideoPropDefault.ProcAmp, &g_ProcAmpRange, &table);
        g_VideoPropDefault.ProcAmpKind = kind;
        // The saved copy alike, so that the change is not taken for an edit.
        m_ProcAmp_Convert(g_VideoPropDefaultCopy.ProcAmp, &g_ProcAmpRange, &table);
        g_VideoPropDefaultCopy.ProcAmpKind = kind;
    }
    for (int c = 0; c < 4; ++c) {
        table.Supported[c] = r.Supported[c];
        table.Minimum[c] = r.Minimum[c];
        table.Maximum[c] = r.Maximum[c];
        table.Default[c] = r.Default[c];
        table.Step[c] = r.Step[c];
    }
    table.AnySupported = 1;
    g_ProcAmpRange = table;
    if (converted) m_Option_UpdateAdjustValues(nullptr, 65535, 0, 0);
    return 1;
}
