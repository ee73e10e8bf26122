// What the windows share for their look and placement: the accent colour,
// the installed fonts and the two UI fonts, display-scaled UI sizes, window
// rectangles without the invisible resize border of Windows 10 and later,
// keeping a window on its monitor and telling whether two windows touch.
// For the metrics and the border a DPI percent of -1 means the main
// window's; where a window is given, that window's own.
#pragma once
#include <windows.h>

// ---- look ----

// The system accent colour as a COLORREF; 0 when it cannot be had.
// Strength 0 gives the flat face colour of Windows 8 to 10.
int m_GetAccentColor(COLORREF* out, int strength);

constexpr int kFontListCap = 1000;
constexpr int kFontNameCap = 32;
// Installed font families (their count), listed once on first use.
int m_EnumFonts();
const wchar_t (*m_GetFontNames())[kFontNameCap];
// 1 when a face of exactly this name (letter case included) is installed.
int m_IsFontInstalled(const wchar_t* face);
// "Yu Gothic UI" where installed, else the older Japanese UI faces.
// The caller owns the font.
HFONT m_CreateUIFont(int dpiPercent);
HFONT m_CreateDialogFont(int dpiPercent);
// The program's mark (cell 45 of the item-icon strip, dimmed) as a 32 px
// icon for dialog captions; null when the strip cannot be had. The caller
// destroys it.
HICON m_CreateAppIcon();

// UI sizes by id (0..35), scaled to the DPI percent; id 0 is the small icon
// size, chosen by DPI step. 0 for an unknown id.
int m_GetUIMetric(int id, int dpiPercent);

// ---- window geometry ----

// Width of the invisible resize border at a DPI percent; 0 before Windows 10.
int m_GetInvisibleBorder(int dpiPercent);
// The window rectangle as the user sees it; 0 when it cannot be read.
int m_GetWindowRect(HWND window, RECT* out, int dpiPercent);
// SetWindowPos / MoveWindow of a visible rectangle. With twice set, a window
// that lands on a monitor of another scale is placed once more after it has
// adopted that scale.
BOOL m_SetWindowPos(HWND window, HWND after, int x, int y, int cx, int cy, UINT flags,
                    int dpiPercent, int twice);
BOOL m_MoveWindow(HWND window, int x, int y, int cx, int cy, int repaint, int dpiPercent);
// Visible rectangle from a window rectangle (toVisible set) or back.
void m_AdjustRectForBorder(RECT* rc, int toVisible, int unused, int dpiPercent);

// Monitor nearest pt (the main window's centre when null): its whole area
// when full is set, else its work area. 0 when it cannot be read.
int m_GetMonitorRect(RECT* out, const POINT* pt, int full);
// Moves the window back onto the work area under the cursor (within the
// snap margin where it fits); not while Shift or Ctrl is held.
void m_KeepWindowOnMonitor(HWND window);
// 0 apart, 1 touching (within gap + 1 pixels), 2 touching side by side with
// the same top and bottom, or one above the other with the same left and right.
int m_GetDockSide(const RECT* a, const RECT* b, int gap);

// ---- time and text ----

// Local hour, minute or second of a time; -1 when it cannot be converted.
int m_GetLocalHour(const __time64_t* t);
int m_GetLocalMinute(const __time64_t* t);
int m_GetLocalSecond(const __time64_t* t);
// printf-style into a buffer of 64 characters, at most count of them;
// characters written, or -1 on an error or when the text was cut.
int m_FormatW64(wchar_t out[64], size_t count, const wchar_t* format, ...);
