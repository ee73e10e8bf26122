// Displayed size and zoom arithmetic.
#include "engine/VideoGeometry.h"

#include <math.h>

namespace {

double m_Clamp01(double v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }

int m_Round(double v) { return static_cast<int>(v + 0.5); }

}  // namespace

int m_VR_DisplayWidth(int width, int height, int aspectX, int aspectY)
{
    if (aspectX <= 0 || aspectY <= 0 || height <= 0) return width;
    const double aspect = static_cast<double>(aspectX) / aspectY;
    if (fabs(aspect - static_cast<double>(width) / height) > 0.01) return m_Round(height * aspect);
    return width;
}

int m_VR_WidthForAspect(int x, int y, int height)
{
    if (x <= 0 || y <= 0) return height;
    return m_Round(static_cast<double>(x) / y * height);
}

void m_VR_MapIntoZoom(const double zoom[4], const double source[4], double out[4])
{
    const double w = zoom[2] - zoom[0], h = zoom[3] - zoom[1];
    out[0] = zoom[0] + m_Clamp01(source[0]) * w;
    out[1] = zoom[1] + m_Clamp01(source[1]) * h;
    out[2] = zoom[2] - (1 - m_Clamp01(source[2])) * w;
    out[3] = zoom[3] - (1 - m_Clamp01(source[3])) * h;
}

RECT m_VR_FractionsToRect(const double fractions[4], int width, int height)
{
    RECT r;
    r.left = m_Round(fractions[0] * width);
    r.top = m_Round(fractions[1] * height);
    r.right = m_Round(fractions[2] * width);
    r.bottom = m_Round(fractions[3] * height);
    return r;
}
