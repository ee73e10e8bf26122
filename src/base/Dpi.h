// DPI queries and scaling. DPI travels as a percentage of 96 dpi (100 = 96,
// 150 = 144). The newer system calls are looked up by name on each call so
// that the program also runs where they are missing.
#pragma once
#include <windows.h>

// GetDpiForMonitor (effective DPI) of Shcore.dll; -1 when it is missing.
HRESULT m_GetDpiForMonitorRaw(HMONITOR monitor, UINT* outX, UINT* outY);
// GetDpiForSystem / GetDpiForWindow of user32.dll; 0 when missing.
UINT m_GetSystemDpiRaw();
UINT m_GetWindowDpiRaw(HWND hwnd);

int m_GetWindowDpiPercent(HWND hwnd);
int m_GetSystemDpiPercent();
int m_GetRectDpiPercent(const RECT& rc);
int m_GetPointDpiPercent(POINT pt);
// 100 when the monitor's DPI cannot be read.
int m_GetMonitorDpiPercent(HMONITOR monitor);

// Window frame widths (left, top, right, bottom) at a DPI percent;
// 0 with the 100 % frame for a percent below 100, else 1.
int m_GetDpiFrameMargins(RECT* out, int percent);
// Rescales a window rectangle's inner size from one DPI percent to another,
// keeping its left and top; returns m_GetDpiFrameMargins at the new percent.
int m_ScaleWindowRectForDpi(RECT* rc, int oldPercent, int newPercent);
