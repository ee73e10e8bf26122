// Hand-off of a plain JPEG named on the command line to a photo viewer.
#pragma once
#include <windows.h>

// With [Jumplist] "Dstc" on and argument 1 a ".jpg" that is neither a jump
// list nor a bookmark, hands it to the viewer chosen by "DstcApp" and
// returns 1: the program then ends without a window.
int m_JpegHandOff(int argCount, LPWSTR* args);

// 1 when the path ends in ".jpg" and its remaining name not in ".zvjl" or
// ".zvbm" (compared without case).
int m_IsPlainJpeg(LPCWSTR path);
