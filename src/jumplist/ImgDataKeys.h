// Keys of an INI-like text held in memory, read the way the image-data
// text is: case-sensitive, sections up to the next line starting "[".
#pragma once
#include <windows.h>

// The value of key in section into out (cut to cap - 1 characters, a "\r"
// before the line end dropped); 1 when the key is there.
int m_TextIni_GetString(const wchar_t* text, const wchar_t* section, const wchar_t* key,
                        wchar_t* out, int cap);
// An integer value; def when the key is missing or empty.
int m_TextIni_GetInt(const wchar_t* text, const wchar_t* section, const wchar_t* key, int def);
// "a,b" into two integers; 0 (both left as they were) when there is no comma.
int m_TextIni_GetPair(const wchar_t* text, const wchar_t* section, const wchar_t* key, int* a,
                      int* b);
