// Colour arithmetic on 32-bit values 0xAARRGGBB (alpha top, blue lowest):
// mixing, blending, reading hue, saturation, value and luminance, building
// colours from HSV and HSL, and shifting them. All functions are pure.
#pragma once
#include <windows.h>

// The same type GDI+ uses for its colours.
typedef DWORD ARGB;

inline int m_Alpha(ARGB c) { return static_cast<int>(c >> 24); }
inline int m_Red(ARGB c) { return static_cast<int>((c >> 16) & 0xFF); }
inline int m_Green(ARGB c) { return static_cast<int>((c >> 8) & 0xFF); }
inline int m_Blue(ARGB c) { return static_cast<int>(c & 0xFF); }
// Channels must already lie in 0..255.
inline ARGB m_MakeArgb(int a, int r, int g, int b)
{
    return (static_cast<ARGB>(a) << 24) | (static_cast<ARGB>(r) << 16) |
           (static_cast<ARGB>(g) << 8) | static_cast<ARGB>(b);
}
// COLORREF 0x00BBGGRR to opaque ARGB.
ARGB m_ColorRefToArgb(COLORREF c);

// Blending of a source pixel s over a destination d with extra opacity f
// 0..255: exact in double precision, and the integer variant of the fills.
ARGB m_BlendOver(ARGB d, ARGB s, int f);
ARGB m_BlendPixel(ARGB d, ARGB s, int f);

// Mixing.
ARGB m_MixColor(ARGB a, ARGB b, int percent);  // RGB only, alpha byte 0
ARGB m_LerpARGB(ARGB a, ARGB b, int t);        // t 0..255, truncating
ARGB m_LerpARGBRound(ARGB a, ARGB b, int t);   // t 0..255, rounding
ARGB m_LerpRGB(ARGB a, ARGB b, int t);         // alpha 255
ARGB m_MixARGB(ARGB d, ARGB s, double f);
ARGB m_SetColorAlpha(ARGB c, double f);

// Reading (alpha ignored).
double m_GetColorHue(ARGB c);  // 0..360
int m_GetColorHueInt(ARGB c);  // 0..359
double m_GetColorSat(ARGB c);  // 0..100
int m_GetColorSat255(ARGB c);
double m_GetColorValuePercent(ARGB c);
int m_GetColorValue(ARGB c);  // largest of R, G, B
int m_GetLuminance(ARGB c);

// Building (opaque results).
ARGB m_HsvToArgb(int h, int s, int v);
ARGB m_HsvToColor(double h, double s, double v, int mode);
ARGB m_HslToArgb(int h, int s, int l);
ARGB m_ColorForLuminance(int h, int s, int l);

// Shifting: hue by degrees, saturation, value and alpha by percentages.
ARGB m_AdjustColorHSV(ARGB c, int dh, int ds, int dv, int da);
