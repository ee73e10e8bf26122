// A still picture shown in place of a video.
#pragma once
#include <windows.h>

class CArgbImage;

// Loads the picture and shows it (play state 1); 1 when it was loaded.
int m_OpenPicture(const wchar_t* path);
// The picture shown, null while none is.
const CArgbImage* m_Picture_Get();
// Frees the picture's pixels; closing the item does it.
void m_Picture_Release();
// Paints the shown picture into the video rectangle of its host window
// (halftone stretch); 0 when there is nothing to paint.
int m_Picture_Paint(HDC dc);
