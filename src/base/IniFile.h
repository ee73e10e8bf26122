// Window placement and option values kept in the settings INI (g_IniPath).
#pragma once
#include <windows.h>

// Key "Pos" of the section as up to 5 integers into out; fields that are
// missing or not numbers keep what out held. Returns the number read.
int m_ReadIniPos(const wchar_t* section, int out[5]);
// Key of section "Opt" as up to count doubles; returns the number read.
int m_ReadIniOptValues(const wchar_t* key, double* out, int count);
// "left,top,right,bottom" into out. When the key is absent or empty the
// defaults are stored and 0 returned, else 1 (missing fields keep out's).
int m_ReadIniRect(const wchar_t* section, const wchar_t* key, int defLeft, int defTop, int defRight,
                  int defBottom, int out[4]);
// Writes "left,top,right,bottom"; 1 on success.
int m_WriteIniRect(const wchar_t* section, const wchar_t* key, const RECT* rc);
