// Rectangles, points and number helpers shared by every window's layout code.
#pragma once
#include <windows.h>

// Rectangles and points.
void m_RectFromXYWH(int x, int y, int w, int h, RECT* out);
// 0 apart (shared edges do not count), 2 when b lies wholly inside a, else 1.
int m_RectOverlap(const RECT& a, const RECT& b);
void m_ScreenToClientRect(HWND hwnd, RECT* rc);
void m_ClientToScreenRect(HWND hwnd, RECT* rc);
// Cursor position in the window's client coordinates; 0 when it cannot be read.
int m_GetCursorPosClient(HWND hwnd, POINT* out);
// Centre of the rectangle (integer halves).
POINT m_RectCenter(const RECT* rc);
// left -= l, top -= t, right += r, bottom += b (negative amounts shrink).
void m_InflateRectLTRB(RECT* rc, int l, int t, int r, int b);
void m_InflateRectFrom(RECT* out, const RECT* in, int l, int t, int r, int b);

// Numbers.
// Radius of a rounded shape drawn inset inside a w x h one of the given radius.
double m_InsetRadius(int w, int h, double inset, double radius);
double m_Hypot(double x, double y);
double m_PointDistanceF(POINT a, POINT b);
int m_PointDistance(POINT a, POINT b);
// 0 when a and b differ by at most eps, 1 when a > b, else -1.
int m_CompareDouble(double a, double b, double eps);
// Next multiple of step above value (below it for a negative step);
// a zero step leaves the value as it is.
int m_RoundUpToMultiple(int value, int step);
double m_ModDouble(double x, double m, double eps);
double m_StepToGridDouble(double x, double step);
// Mode 0 nearest (halves away from zero), < 0 truncated after adding 0.001,
// > 0 ceiling. Held within the int range; NaN gives 0.
int m_RoundByMode(double x, int mode);
// num * value / den rounded by mode; a zero denominator gives 0.
int m_ScaleValue(double value, int num, int den, int mode);
double m_ScaleDouble(double value, int num, int den);
void m_ScaleRect(RECT* rc, int num, int den);
