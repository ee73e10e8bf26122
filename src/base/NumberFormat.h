// Number helpers, compact radix-64 texts and time texts.
#pragma once
#include <windows.h>

// Replaces the first element equal to oldValue; its index, or -1.
int m_ReplaceInIntArray(int* values, int count, int oldValue, int newValue);
// a mod b with the sign of b, for wrapping indexes; 0 when b is 0.
int m_PositiveModulo(int a, int b);
double m_RoundToDecimals(double x, int decimals);
// The value rounded to the fewest decimals (at most 8) within the tolerance.
double m_RoundToFewestDecimals(double value, double tolerance);
// The least decimals 0..7 that show the value within 0.001; else 8.
int m_CountDecimals(double value);
// A printf format with as many decimals as the value needs (0 to 3).
const wchar_t* m_GetDecimalsFormat(double value);
// Digits grouped by ',' in threes; its length, or 0 and an empty text
// when it does not fit.
int m_FormatThousands(INT64 value, wchar_t* out, int size = 64);

// Characters a radix-64 text needs, terminator included.
const int RADIX64_TEXT_SIZE = 12;
// 8 to 11 digits of the 64-character alphabet; its length (0 when the
// output is too small, which leaves it empty).
int m_Int64ToRadix64(UINT64 value, wchar_t* out, int size = RADIX64_TEXT_SIZE);
UINT64 m_Radix64ToInt64(const wchar_t* text);

double m_Pow(double base, int n);
double m_Pow10(int n);

// Time text of ms in one of the modes 1..5 (whole seconds) or 11 and
// above (with milliseconds); its length. Unused modes give an empty text.
int m_FormatTime(wchar_t* out, int size, int ms, int mode);
// Milliseconds of "h:m:s.f", "m:s.f" or "s.f".
int m_ParseTimeText(const wchar_t* text);
