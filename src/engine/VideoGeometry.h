// The arithmetic of the video's displayed size and of the source rectangle
// inside the zoom rectangle, kept apart from the renderers.
#pragma once
#include <windows.h>

// The displayed width of a native picture with its aspect: the native width
// unless the aspect differs from width / height by more than 0.01.
int m_VR_DisplayWidth(int width, int height, int aspectX, int aspectY);

// truncate(x / y * height + 0.5); the height itself when y is 0.
int m_VR_WidthForAspect(int x, int y, int height);

// Source fractions (clamped to 0..1) placed inside the zoom rectangle.
void m_VR_MapIntoZoom(const double zoom[4], const double source[4], double out[4]);

// Fractions of the native picture as a RECT in native pixels.
RECT m_VR_FractionsToRect(const double fractions[4], int width, int height);
