// The look of the main window's control bar: face colour, button and slider
// styles, and the decisions behind them kept pure for testing.
#pragma once
#include <windows.h>

// Button look b and slider look s for a [Ctrl] "Style" pair and GUI kind.
void m_LooksForStyle(int style, int second, int guiKind, int* buttonLook, int* sliderLook);

// Rounded corners of the window (corner flag 1 or 2, 0 none) outside full
// screen: the first button takes variant bits 2 or 4 and the sliders the
// rounded look 13, or, with the full-screen controls flag, the status bar
// takes corner style 1 or 2.
void m_CornerLooks(int cornerFlag, int fullScreen, int controlsFlag, UINT* buttonVariant,
                   UINT* statusCorner, int* sliderLook);

// The face colour from the [Ctrl] "Clr" values (mode, inactive-colour bit,
// two colours 0xRRGGBB or -1) and an accent colour (-1: none); the system
// face colour when nothing results.
COLORREF m_FaceColorFor(const int clr[4], int active, COLORREF accent, int guiKind);

// The two shade colours derived from the face colour for the GUI kind.
void m_ShadeColors(COLORREF face, int guiKind, COLORREF* light, COLORREF* dark);

// Stores the style (unless -1) and applies the looks to the buttons and
// sliders; with redraw the control panel is repainted.
void m_SetButtonsTheme(int style, int redraw);
// The face colour for the activation state; the accent colour is cached per
// state unless bypassed.
COLORREF m_GetBkColor(int active, int bypassCache);
// Recolours the controls for the current activation state when the face
// colour changed (or the cache is bypassed).
void m_OnActivateColors(int redraw, int bypassCache);
// The face colour last applied (the active one before the first).
COLORREF m_GetFaceColor();
// The whole look at start-up: styles, colours, button skin and tooltips.
void m_ApplyMainWindowLook();
