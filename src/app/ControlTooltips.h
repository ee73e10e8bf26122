// Tooltips of the main window's controls.
#pragma once
#include <windows.h>

// Turns the tooltips of the controls named by the mask on or off.
void m_ShowToolTips(int show, int mask);

// Calls so far and the last switch given (what can be seen of it until
// the controls have tooltips).
extern int g_ToolTipsCalls;
extern int g_ToolTipsShown;
