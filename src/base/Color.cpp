// Mixing, blending and reading colours.
#include "base/Color.h"

#include <algorithm>
#include <cmath>

namespace {

int m_ClampByte(int v) { return std::min(255, std::max(0, v)); }
int m_RoundHalfUp(double v) { return static_cast<int>(std::floor(v + 0.5)); }

}  // namespace

ARGB m_ColorRefToArgb(COLORREF c)
{
    return m_MakeArgb(255, GetRValue(c), GetGValue(c), GetBValue(c));
}

ARGB m_BlendOver(ARGB d, ARGB s, int f)
{
    const int as = m_Alpha(s), ad = m_Alpha(d);
    if (as == 0 || f <= 0) return d;
    if (f >= 255 && as == 255) return s;
    const double a = (as / 255.0) * (std::min(f, 255) / 255.0);
    if (ad == 0) {
        if (f >= 255) return s;
        return (s & 0xFFFFFF) | static_cast<ARGB>(m_RoundHalfUp(f / 255.0 * as)) << 24;
    }
    if (ad == 255) {
        auto mix = [a](int cd, int cs) { return m_RoundHalfUp(cd * (1.0 - a) + cs * a); };
        return m_MakeArgb(255, mix(m_Red(d), m_Red(s)), mix(m_Green(d), m_Green(s)),
                          mix(m_Blue(d), m_Blue(s)));
    }
    const double da = ad / 255.0, ao = (1.0 - da) * a + da;
    auto mix = [a, da, ao](int cd, int cs) {
        return m_ClampByte(m_RoundHalfUp((cd * (1.0 - a) * da + cs * a) / ao));
    };
    return m_MakeArgb(m_ClampByte(m_RoundHalfUp(ao * 255.0)), mix(m_Red(d), m_Red(s)),
                      mix(m_Green(d), m_Green(s)), mix(m_Blue(d), m_Blue(s)));
}

ARGB m_BlendPixel(ARGB d, ARGB s, int f)
{
    if (f <= 0) return d;
    const int as = m_Alpha(s), ad = m_Alpha(d);
    const int a = f >= 255 ? as : as * f / 255;
    if (a == 0) return d;
    if (ad == 0 || a == 255) return s;
    auto mix = [a](int cd, int cs) { return (cd * (255 - a) + cs * a) / 255; };
    return m_MakeArgb(ad + (255 - ad) * a / 255, mix(m_Red(d), m_Red(s)),
                      mix(m_Green(d), m_Green(s)), mix(m_Blue(d), m_Blue(s)));
}

ARGB m_MixColor(ARGB a, ARGB b, int percent)
{
    auto mix = [percent](int ca, int cb) { return (ca * (100 - percent) + cb * percent) / 100; };
    return m_MakeArgb(0, m_ClampByte(mix(m_Red(a), m_Red(b))),
                      m_ClampByte(mix(m_Green(a), m_Green(b))),
                      m_ClampByte(mix(m_Blue(a), m_Blue(b))));
}

ARGB m_LerpARGB(ARGB a, ARGB b, int t)
{
    if (t <= 0) return a;
    if (t >= 255) return b;
    auto mix = [t](int ca, int cb) { return (ca * (255 - t) + cb * t) / 255; };
    return m_MakeArgb(mix(m_Alpha(a), m_Alpha(b)), mix(m_Red(a), m_Red(b)),
                      mix(m_Green(a), m_Green(b)), mix(m_Blue(a), m_Blue(b)));
}

ARGB m_LerpARGBRound(ARGB a, ARGB b, int t)
{
    if (t <= 0) return a;
    if (t >= 255) return b;
    const double k = t / 255.0;
    auto mix = [k](int ca, int cb) { return m_RoundHalfUp(ca * (1.0 - k) + cb * k); };
    return m_MakeArgb(mix(m_Alpha(a), m_Alpha(b)), mix(m_Red(a), m_Red(b)),
                      mix(m_Green(a), m_Green(b)), mix(m_Blue(a), m_Blue(b)));
}

ARGB m_LerpRGB(ARGB a, ARGB b, int t)
{
    if (t <= 0) return a;
    if (t >= 255) return b;
    return m_LerpARGB(a, b, t) | 0xFF000000;
}

ARGB m_MixARGB(ARGB d, ARGB s, double f)
{
    if (std::fabs(f) < 0.001) return d;
    const int as = m_Alpha(s), ad = m_Alpha(d);
    if (as == 255 && std::fabs(f - 1.0) < 0.001) return s;
    // Two transparent pixels have no alpha to share out: mix by f alone.
    const double w = ad + as > 0 ? static_cast<double>(as) / (ad + as) * f : f;
    auto mix = [w](int cd, int cs) { return m_ClampByte(m_RoundHalfUp(cs * w + cd * (1.0 - w))); };
    return m_MakeArgb(m_ClampByte(m_RoundHalfUp((1.0 - f) * ad + as * f)), mix(m_Red(d), m_Red(s)),
                      mix(m_Green(d), m_Green(s)), mix(m_Blue(d), m_Blue(s)));
}

ARGB m_SetColorAlpha(ARGB c, double f)
{
    f = std::min(1.0, std::max(0.0, f));
    if (f >= 1.0) return c;
    return (c & 0xFFFFFF) | static_cast<ARGB>(m_RoundHalfUp(m_Alpha(c) * f)) << 24;
}
