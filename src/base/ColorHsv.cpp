// Hue, saturation, value and luminance: reading, building and shifting.
#include "base/Color.h"
#include "base/Geometry.h"

#include <algorithm>
#include <cmath>

namespace {

int m_Max3(ARGB c) { return std::max({m_Red(c), m_Green(c), m_Blue(c)}); }
int m_Min3(ARGB c) { return std::min({m_Red(c), m_Green(c), m_Blue(c)}); }
int m_Clamp(int v, int lo, int hi) { return std::min(hi, std::max(lo, v)); }
int m_RoundHalfUp(double v) { return static_cast<int>(std::floor(v + 0.5)); }

struct SRgb {
    double r, g, b;
};

// The six hue sectors between a top and a bottom channel value.
SRgb m_Sector(double h, double top, double bottom)
{
    const double span = top - bottom;
    if (h < 60) return {top, bottom + span * h / 60, bottom};
    if (h < 120) return {top - span * (h - 60) / 60, top, bottom};
    if (h < 180) return {bottom, top, bottom + span * (h - 120) / 60};
    if (h < 240) return {bottom, top - span * (h - 180) / 60, top};
    if (h < 300) return {bottom + span * (h - 240) / 60, bottom, top};
    return {top, bottom, top - span * (h - 300) / 60};
}

// A percentage shift of a 0..255 amount: negative toward 0, positive toward 255.
int m_ShiftByPercent(int x, int percent)
{
    const int delta = percent < 1 ? x * percent : (255 - x) * percent;
    return m_Clamp(m_RoundHalfUp(x + delta / 100.0), 0, 255);
}

}  // namespace

double m_GetColorHue(ARGB c)
{
    const int r = m_Red(c), g = m_Green(c), b = m_Blue(c);
    const int mx = m_Max3(c), span = mx - m_Min3(c);
    if (span == 0) return 0.0;
    if (g == mx) return (b - r) * 60.0 / span + 120.0;
    if (b == mx) return (r - g) * 60.0 / span + 240.0;
    return (g - b) * 60.0 / span + (g < b ? 360.0 : 0.0);
}

int m_GetColorHueInt(ARGB c) { return m_RoundHalfUp(m_GetColorHue(c)) % 360; }

double m_GetColorSat(ARGB c)
{
    const int mx = m_Max3(c);
    return mx == 0 ? 0.0 : (mx - m_Min3(c)) * 100.0 / mx;
}

int m_GetColorSat255(ARGB c)
{
    const int mx = m_Max3(c);
    return mx == 0 ? 0 : m_RoundHalfUp((mx - m_Min3(c)) * 255.0 / mx);
}

double m_GetColorValuePercent(ARGB c) { return m_Max3(c) / 255.0 * 100.0; }
int m_GetColorValue(ARGB c) { return m_Max3(c); }

int m_GetLuminance(ARGB c)
{
    const double y = m_Green(c) * 0.586611 + m_Red(c) * 0.298912 + m_Blue(c) * 0.114478;
    return m_Clamp(static_cast<int>(std::lround(y)), 0, 255);
}

ARGB m_HsvToArgb(int h, int s, int v)
{
    h = m_Clamp(h, 0, 360);
    s = m_Clamp(s, 0, 255);
    v = m_Clamp(v, 0, 255);
    const int bottom = m_RoundHalfUp(v - s * v / 255.0);
    const SRgb c = m_Sector(h, v, bottom);
    return m_MakeArgb(255, m_RoundHalfUp(c.r), m_RoundHalfUp(c.g), m_RoundHalfUp(c.b));
}

ARGB m_HsvToColor(double h, double s, double v, int mode)
{
    h = std::min(360.0, std::max(0.0, h));
    s = std::min(100.0, std::max(0.0, s));
    v = std::min(100.0, std::max(0.0, v));
    const double top = v / 100.0 * 255.0;
    const SRgb c = m_Sector(h, top, top - s / 100.0 * top);
    auto channel = [mode](double x) { return m_Clamp(m_RoundByMode(x, mode), 0, 255); };
    return m_MakeArgb(255, channel(c.r), channel(c.g), channel(c.b));
}

ARGB m_HslToArgb(int h, int s, int l)
{
    h = m_Clamp(h, 0, 360);
    s = m_Clamp(s, 0, 255);
    l = m_Clamp(l, 0, 255);
    const int k = l < 128 ? s * l : (255 - l) * s;
    const int top = m_RoundHalfUp(l + k / 255.0), bottom = m_RoundHalfUp(l - k / 255.0);
    const int span = top - bottom;
    int r, g, b;
    if (h < 60)
        r = top, g = bottom + span * h / 60, b = bottom;
    else if (h < 120)
        r = top - span * (h - 60) / 60, g = top, b = bottom;
    else if (h < 180)
        r = bottom, g = top, b = bottom + span * (h - 120) / 60;
    else if (h < 240)
        r = bottom, g = top - span * (h - 180) / 60, b = top;
    else if (h < 300)
        r = bottom + span * (h - 240) / 60, g = bottom, b = top;
    else
        r = top, g = bottom, b = top - span * (h - 300) / 60;
    return m_MakeArgb(255, std::min(r, 255), std::min(g, 255), std::min(b, 255));
}

ARGB m_ColorForLuminance(int h, int s, int l)
{
    l = m_Clamp(l, 0, 255);
    int lightness = l;
    ARGB c = m_HslToArgb(h, s, lightness);
    if (m_GetLuminance(c) < l) {
        while (m_GetLuminance(c) < l && lightness < 255) c = m_HslToArgb(h, s, ++lightness);
    } else {
        while (m_GetLuminance(c) > l && lightness > 0) c = m_HslToArgb(h, s, --lightness);
    }
    return c;
}

ARGB m_AdjustColorHSV(ARGB c, int dh, int ds, int dv, int da)
{
    int h = m_GetColorHueInt(c), s = m_GetColorSat255(c), v = m_GetColorValue(c), a = m_Alpha(c);
    // A backward shift wraps round the circle rather than stopping at red.
    if (dh != 0) h = ((h + dh) % 360 + 360) % 360;
    if (ds != 0 && s >= 1) s = m_ShiftByPercent(s, ds);
    if (dv != 0) v = m_ShiftByPercent(v, dv);
    if (da != 0) a = m_Clamp(m_RoundHalfUp(a + a * da / 100.0), 0, 255);
    return (m_HsvToArgb(h, s, v) & 0xFFFFFF) | static_cast<ARGB>(a) << 24;
}
