// The forced aspect ratio, the crop aspect and the video range handed to
// the layout, and the window resize that keeps the video's area.
#pragma once
#include <windows.h>

// Set while an open applies the levels: the open sizes the window itself
// afterwards.
extern int g_VideoShapeHold;

// Forces the aspect x:y (reduced; 0 in either: the video's own). With
// toggle, asking for the aspect in force goes back to the video's own. 1
// when it changed.
int m_AspectRatio_Set(int x, int y, int toggle, int showMessage);
// Back to the video's own aspect; the FILE level lets the aspect go.
void m_AspectRatio_Reset();
// The crop aspect x:y (0 in either: none); 1 when it changed.
int m_Crop_Set(int x, int y);
// The video range in effect: mode 0 none, 1 a percentage, 2 a rectangle
// of insets (hundredths of a percent); 1 when it changed.
int m_VideoRange_SetEffective(int mode, int percent, const int rect[4]);
// Re-reads the video size with the new shape and lays the window out:
// keeping the video's area with [Common] "RatHld", else by the zoom mode.
void m_VideoShape_Relayout();
// Resizes the window by [Common] "OpSize" so that the video keeps its
// area (0..3), width (4) or height (5), then places the video.
void m_KeepWindowArea();
