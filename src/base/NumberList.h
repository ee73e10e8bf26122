// Small number helpers, comma-separated number lists and font heights.
#pragma once
#include <windows.h>

// Greatest common divisor of the magnitudes; 0 when either is 0.
// (Both INT_MIN: the magnitude 2^31 has no int and INT_MIN is returned.)
int m_Gcd(int a, int b);

// Divides numerator and denominator by their greatest common divisor;
// nothing when either is 0 or a pointer is null.
void m_ReduceFraction(int* num, int* den);

// 0 blank, 1 digit, 2 one of "+,-.", 3 another character below 256, 4 other.
int m_CharClass(wchar_t c);

// Comma-separated integers into out[0..count-1] by field position. Only
// fields starting with a digit, '+' or '-' are read; the others leave their
// slot as it was, or 0 when clear is set. The number of fields read.
int m_ParseIntList(const wchar_t* text, int* out, int count, int clear);
int m_ParseIntListEx(const wchar_t* text, int* out, int count, int clear);

// The same for doubles; a field must start with a digit or '-'.
int m_ParseDoubleList(const wchar_t* text, double* out, int count);

// Negative character height of a point size on the main window's screen.
int m_FontHeightFromPoints(int points);
// Negative character height of a point size at a DPI percentage.
int m_FontHeightFromDpi(double points, int dpiPercent);
