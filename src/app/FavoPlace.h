// Where the favorites window opens beside the main window.
#pragma once
#include <windows.h>

// What the favorites placement depends on, in screen pixels.
struct SFAVOPLACEIN {
    int nWidth;         // the stored favorites width
    int nHeight;        // the main window's normal-position height
    int bFullScreen;    // full screen on the main window's monitor
    RECT rcFullScreen;  // the full-screen rectangle
    int nPanelHeight;   // the bottom panel's height (full screen)
    int bMaximized;
    RECT rcVideoArea;  // the maximised window's video area, screen pixels
    RECT rcMain;       // the main window
    RECT rcWork;       // its monitor's work area
    int nDock;         // the dock distance
    int nMargin;       // the snap margin, x DPI / 200
};
RECT m_CalcFavoRect(const SFAVOPLACEIN* in);
// Places the favorites window when it exists: beside the main window, or
// inside full screen or a maximised window at the bottom right.
void m_PlaceFavoWindow();
