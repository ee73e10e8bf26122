// Tooltips of the main window's controls.
#pragma once
#include <windows.h>

// Group 1: the control-bar buttons, sliders and status bar of the main window.
enum { TOOLTIP_GROUP_MAIN = 1 };

// Creates the tooltip window of the group with its tools (only group 1
// exists so far); nothing when it is there already.
void m_CreateToolTips(int group);
// The tooltip window of the group; null when not created.
HWND m_GetToolTips(int group);
// Writes the texts of the control-bar buttons.
void m_SetCtrlToolTips();
// The control bar's drag grip, in the button panel's client coordinates
// (empty: no grip); the layout sets it, then the tool follows.
void m_SetGripRect(const RECT* grip);
// Gives the grip its text and moves its tool rectangle to the grip.
void m_UpdateGripToolTip();
// Turns the tooltips of the groups named by the mask on or off, creating
// missing groups first.
void m_ShowToolTips(int show, int mask);

// Calls so far and the last switch given.
extern int g_ToolTipsCalls;
extern int g_ToolTipsShown;
