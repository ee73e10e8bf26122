// Resource ids of Zentavio.exe.
#pragma once

#define IDI_MAIN 123
#define IDR_ACCEL_MAIN 103
// Bitmap font atlases (type "PNG"), drawn for 200 % at one, two and three
// times the size.
#define IDR_BMPFONT_3X 165
#define IDR_BMPFONT_2X 166
#define IDR_BMPFONT_1X 167
