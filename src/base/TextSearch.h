// Searching, prefix and suffix tests, escapes and INI texts held in memory.
#pragma once
#include <windows.h>

// The first place where part occurs, ignoring case; null when either is
// empty or part does not occur.
const wchar_t* m_FindNoCase(const wchar_t* text, const wchar_t* part);
int m_StartsWith(const wchar_t* text, const wchar_t* prefix, bool caseSensitive);
// 0 when either is empty or the suffix is longer than the text.
int m_HasSuffix(const wchar_t* text, const wchar_t* suffix, bool caseSensitive);
// As m_HasSuffix; on a match the suffix is cut off the text.
int m_RemoveSuffix(wchar_t* text, const wchar_t* suffix, bool caseSensitive);

inline int m_EndsWithNoCase(const wchar_t* text, const wchar_t* suffix, bool caseSensitive = false)
{
    return m_HasSuffix(text, suffix, caseSensitive);
}
inline int m_EndsWith(wchar_t* text, const wchar_t* suffix, bool caseSensitive)
{
    return m_RemoveSuffix(text, suffix, caseSensitive);
}

// Line feeds become CR LF, carriage returns of the input are dropped;
// the characters written.
int m_ToCrLf(wchar_t* out, int size, const wchar_t* text);

// Flags of m_EscapeText: which separators are protected.
const int ESCAPE_COMMA = 1;  // "," as "%c"
const int ESCAPE_SLASH = 2;  // "/" as "%s"
const int ESCAPE_BAR = 4;    // "|" as "%v"
// Protects separators inside list values ("%" is always doubled) or
// restores them; the length written.
int m_EscapeText(bool encode, int flags, wchar_t* out, int size, const wchar_t* text);

// The first 32 hexadecimal digits of the text as a GUID; 0 and a zero
// GUID when there are fewer.
int m_ParseGuidHex(const wchar_t* text, GUID* out);

// A value of "[section]" / "key=" in an INI text held in memory
// (case-sensitive); 1, or 0 with the default (or an empty text).
int m_GetIniValueFromText(const wchar_t* section, const wchar_t* key, const wchar_t* defaultValue,
                          wchar_t* out, int size, const wchar_t* text);
// The value as an integer; the default when missing or empty.
int m_ReadIniIntFromText(const wchar_t* section, const wchar_t* key, int defaultValue,
                         const wchar_t* text);
