// Shortening a text so that it fits a width in pixels.
#pragma once
#include <windows.h>

// Cuts text (a buffer of size characters) so that, with suffix (may be null)
// appended, it fits width pixels in the DC's font. A text that fits stays as
// it is. Returns the width of the result; 0 with an empty text when not even
// the suffix fits.
int m_FitTextToWidth(HDC dc, int width, wchar_t* text, int size, const wchar_t* suffix);
