// The control-button images: a strip of square cells drawn for 200 %, from
// "Button.png" beside the program or the built-in strip, scaled to the DPI.
#pragma once
#include <windows.h>

class CArgbImage;

// The built-in strip on a face colour: alpha times 0.9 on a light face, a
// white mask (0xAAFFFFFF) keeping the alpha on a dark one.
int m_AdaptSkinToFace(CArgbImage* strip, COLORREF face);
// Cell size at the DPI percent and the [Ctrl] "Ico" percent for a strip
// drawn for 200 % (at least 1).
int m_SkinCellSize(int stripHeight, int dpiPercent, int iconPercent);
// Loads the source strip: the file when asked for and readable; 1 when the
// file was used, 0 for the built-in strip, -1 when neither loaded.
int m_LoadSkinSource(CArgbImage* strip, int useFile, const wchar_t* folder);
// Rebuilds the button images for the current face colour and DPI.
void m_LoadButtonSkin();
