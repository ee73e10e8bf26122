// The text of the timer's menu items. Until the timer is built it is the
// function's catalogue name with its value.
#pragma once
#include <windows.h>

// Functions 115 to 118 take their value in seconds, 121 its parameter; the
// characters written.
int m_Timer_FormatMenuText(const void* unused, wchar_t* out, int size, int function, int value);

struct SMENUITEM;
// The checked and disabled words of a timer menu item: functions 115 and
// 116 with the value in seconds, 121 with its parameter. Until the timer is
// built none is armed: the item is left unchecked and enabled.
void m_Timer_UpdateMenuItem(const void* unused, SMENUITEM* item, int function, int value);
