// Small window, font, clipboard and key helpers.
#pragma once
#include <windows.h>

BOOL m_TrackMouseLeave(HWND window);
// 1 when the cursor lies in the window rectangle.
int m_IsCursorInWindow(HWND window);
// The window itself when it is not a child window, else its first
// ancestor that is not one.
HWND m_GetNonChildAncestor(HWND window);
HWND m_GetFocusTopLevel();
// The highest ancestor reached through visible parents, or the window.
HWND m_GetVisibleRootWindow(HWND window);

// Puts a control gap pixels right of a label, centred on it vertically;
// a width above 0 resizes it too. 1 when both exist and it moved.
int m_AlignControlToLabel(HWND dialog, int labelId, int controlId, int gap, int width);
// Alignments of m_AlignRect.
enum {
    ALIGN_LEFT_MIDDLE = 0,
    ALIGN_CENTER_TOP = 1,
    ALIGN_RIGHT_MIDDLE = 2,
    ALIGN_CENTER_BOTTOM = 3,
    ALIGN_LEFT_TOP = 4,
    ALIGN_LEFT_BOTTOM = 5,
    ALIGN_RIGHT_TOP = 6,
    ALIGN_RIGHT_BOTTOM = 7,
    ALIGN_CENTER_MIDDLE = 8,
};
// Position of a w x h box in the area; 1 when the box fits in it, else 0
// (the position is written either way).
int m_AlignRect(const RECT* area, int w, int h, int* x, int* y, int alignment);

// An antialiased font of the default character set; the caller owns it.
HFONT m_CreateFont(const wchar_t* face, int height, int width, int weight);
// The blur-behind accent of newer systems; 0 when the system lacks it.
BOOL m_SetWindowAccent(HWND window);
// Puts the text (at most 1023 characters) on the clipboard; 1 or 0.
int m_CopyTextToClipboard(HWND window, const wchar_t* text);

int m_IsKeyDown(int virtualKey);
// 1 for Page Up, Page Down, End, Home and the arrows.
int m_IsNavigationKey(int virtualKey);
int m_IsDigit(wchar_t c);
