#include "base/Geometry.h"

#include <climits>
#include <cmath>

void m_RectFromXYWH(int x, int y, int w, int h, RECT* out)
{
    out->left = x;
    out->top = y;
    out->right = x + w;
    out->bottom = y + h;
}

int m_RectOverlap(const RECT& a, const RECT& b)
{
    if (b.left >= a.right || b.right <= a.left || b.top >= a.bottom || b.bottom <= a.top) return 0;
    if (b.left >= a.left && b.right <= a.right && b.top >= a.top && b.bottom <= a.bottom) return 2;
    return 1;
}

// Converts both corners with the given point conversion.
static void m_ConvertCorners(HWND hwnd, RECT* rc, BOOL(WINAPI* convert)(HWND, LPPOINT))
{
    POINT a = {rc->left, rc->top};
    POINT b = {rc->right, rc->bottom};
    convert(hwnd, &a);
    convert(hwnd, &b);
    rc->left = a.x;
    rc->top = a.y;
    rc->right = b.x;
    rc->bottom = b.y;
}

void m_ScreenToClientRect(HWND hwnd, RECT* rc) { m_ConvertCorners(hwnd, rc, ScreenToClient); }

void m_ClientToScreenRect(HWND hwnd, RECT* rc) { m_ConvertCorners(hwnd, rc, ClientToScreen); }

int m_GetCursorPosClient(HWND hwnd, POINT* out)
{
    if (!GetCursorPos(out)) {
        out->x = out->y = 0;
        return 0;
    }
    return ScreenToClient(hwnd, out) ? 1 : 0;
}

POINT m_RectCenter(const RECT* rc)
{
    // Halving the width, not the sum, keeps far-apart edges from overflowing.
    long long w = static_cast<long long>(rc->right) - rc->left;
    long long h = static_cast<long long>(rc->bottom) - rc->top;
    POINT pt;
    pt.x = static_cast<LONG>(rc->left + w / 2);
    pt.y = static_cast<LONG>(rc->top + h / 2);
    return pt;
}

void m_InflateRectLTRB(RECT* rc, int l, int t, int r, int b)
{
    rc->left -= l;
    rc->top -= t;
    rc->right += r;
    rc->bottom += b;
}

void m_InflateRectFrom(RECT* out, const RECT* in, int l, int t, int r, int b)
{
    *out = *in;
    m_InflateRectLTRB(out, l, t, r, b);
}

double m_InsetRadius(int w, int h, double inset, double radius)
{
    double half = (w < h ? w : h) / 2.0;
    if (half <= 0.0 || inset > half) return 0.0;
    return (half - inset) / half * radius;
}

double m_Hypot(double x, double y) { return std::sqrt(x * x + y * y); }

double m_PointDistanceF(POINT a, POINT b)
{
    return m_Hypot(static_cast<double>(b.x) - a.x, static_cast<double>(b.y) - a.y);
}

int m_PointDistance(POINT a, POINT b) { return m_RoundByMode(m_PointDistanceF(a, b), 0); }

int m_CompareDouble(double a, double b, double eps)
{
    if (std::fabs(a - b) <= eps) return 0;
    return a > b ? 1 : -1;
}

static int m_ClampToInt(long long v)
{
    if (v > INT_MAX) return INT_MAX;
    if (v < INT_MIN) return INT_MIN;
    return static_cast<int>(v);
}

int m_RoundUpToMultiple(int value, int step)
{
    if (step == 0) return value;
    // 64-bit so that INT_MIN % -1 and value + step cannot overflow.
    long long v = value, s = step, rem = v % s;
    if (step > 0) return m_ClampToInt(v + s - rem);
    return m_ClampToInt(rem != 0 ? v - rem : v + s);
}

double m_ModDouble(double x, double m, double eps)
{
    if (std::fabs(m) <= eps || std::fabs(x - m) <= eps) return 0.0;
    if (x < m) return x;
    double r = x - std::trunc(x / m) * m;
    if (std::fabs(r) <= eps || std::fabs(r - m) <= eps) return 0.0;
    return r;
}

double m_StepToGridDouble(double x, double step)
{
    double r = m_ModDouble(x, step, 0.001);
    if (step > 0.0) return x - r + step;
    if (std::fabs(r) > 0.001) return x - r;
    return x + step;
}

int m_RoundByMode(double x, int mode)
{
    double v;
    if (mode == 0)
        v = std::round(x);
    else if (mode < 0)
        v = std::trunc(x + 0.001);
    else
        v = std::ceil(x);
    if (std::isnan(v)) return 0;
    if (v >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (v <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(v);
}

int m_ScaleValue(double value, int num, int den, int mode)
{
    if (den == 0) return 0;
    return m_RoundByMode(num * value / den, mode);
}

double m_ScaleDouble(double value, int num, int den)
{
    if (den == 0) return 0.0;
    return num * value / den;
}

void m_ScaleRect(RECT* rc, int num, int den)
{
    rc->left = m_ScaleValue(rc->left, num, den, 0);
    rc->top = m_ScaleValue(rc->top, num, den, 0);
    rc->right = m_ScaleValue(rc->right, num, den, 0);
    rc->bottom = m_ScaleValue(rc->bottom, num, den, 0);
}
