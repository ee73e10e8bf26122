// The text of the timer's menu items. Until the timer is built it is the
// function's catalogue name with its value.
#pragma once
#include <windows.h>

// Functions 115 to 118 take their value in seconds, 121 its parameter; the
// characters written.
int m_Timer_FormatMenuText(const void* unused, wchar_t* out, int size, int function, int value);
