// The main window following a change of its monitor's DPI: resized so that
// the video keeps its physical size, placed so that the pointer keeps its
// relative place, and its DPI-dependent resources rebuilt.
#pragma once
#include <windows.h>

// What the new place is computed from. Rectangles are screen rectangles of
// the visible window and of whole monitors.
struct SDPICHANGE {
    int nOldPercent;
    int nNewPercent;
    int nVideoWidth;     // video area less its margins, at the old DPI
    double dAspect;      // of the video, width over height
    int nControlHeight;  // the control area below the video, at the new DPI
    RECT rcFrame;        // frame margins at the new DPI
    POINT ptLast;        // pointer and window as last remembered
    RECT rcLast;
    POINT ptNow;        // the pointer now
    RECT rcNow;         // the window now, before the change
    RECT rcSuggested;   // the system's suggested rectangle
    RECT rcMonitorNew;  // monitor nearest the suggested rectangle's centre
    RECT rcMonitorOld;  // monitor nearest the old window's centre
};

// The new window rectangle and pointer position of a DPI change.
void m_CalcDpiChange(const SDPICHANGE* in, RECT* window, POINT* pointer);

// WM_DPICHANGED of the main window (X DPI and the suggested rectangle);
// nothing before start-up has finished or when the percent is unchanged.
void m_OnDpiChanged(int newDpi, const RECT* suggested);
// Stores the DPI percent (-1: the main window's) and rebuilds what depends
// on it.
void m_ApplyDpi(int percent);
// Notes the pointer and the main window rectangle (the mouse handler does
// too) as the reference of the next DPI change.
void m_DpiChange_Remember(POINT pointer, const RECT* window);
// WM_MOVE of the main window.
void m_OnMainWindowMoved();
// Whether a DPI change of the main window still waits for the move that
// follows the pointer (the playlist window does not rescale meanwhile).
int m_DpiChange_IsMoving();
