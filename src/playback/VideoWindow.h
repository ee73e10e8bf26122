// The video child window that the engine draws into.
#pragma once
#include <windows.h>

// The zoom percentage of the previous file, for [Common] "OpSize" 2.
extern int g_LastZoomPercent;

// Moves the video window onto the displayed video rectangle and tells the
// engine where the picture goes inside it.
void m_VideoWindow_Place();
// Sizes the main window to a new video or picture by [Common] "OpSize";
// full screen and a maximised window re-apply the zoom mode instead.
void m_SizeForVideo();
