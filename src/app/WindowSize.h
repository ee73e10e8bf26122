// Window size, zoom and aspect of the video.
#pragma once
#include <windows.h>

// The displayed video rectangle in its host window's client coordinates;
// 0 and an empty rectangle when no video is shown.
int m_GetVideoRect(RECT* out);
