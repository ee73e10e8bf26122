// Snapping of a moved or sized window to monitor work areas and to the
// other main windows, the soft limit past a monitor edge and keeping the
// main window on screen.
#pragma once
#include <windows.h>

enum { SNAP_WINDOW = 0, SNAP_AREA = 1, SNAP_WIDE_X = 2, SNAP_WIDE_Y = 3 };
enum { kSnapTargetCap = 64 };

struct SSNAPTARGET {
    int nKind;
    RECT rc;
};
struct SSNAPTARGETS {
    SSNAPTARGET items[kSnapTargetCap];
    int nCount;
};
extern SSNAPTARGETS g_SnapTargets;

// Adds a target; ignored when the list is full.
void m_AddSnapTarget(SSNAPTARGETS* list, int kind, const RECT* rc);
// Rebuilds g_SnapTargets for a moved window (or null).
void m_BuildSnapTargets(HWND moved, int refreshMonitors);
// Snaps the flagged sides of rc to the targets within distance; 1 when rc
// changed. Move mode keeps the size.
int m_SnapRectToTargetsIn(const SSNAPTARGETS* list, int distance, RECT* rc, int move, int left,
                          int top, int right, int bottom);
int m_SnapRectToTargets(RECT* rc, int move, int left, int top, int right, int bottom);
// Snaps a window rectangle for a move or a WM_NCHITTEST sizing code; 0 and
// nothing while Shift or Ctrl is down. aspectHold -1 takes [Common] "RatHld".
int m_SnapWindowRect(RECT* rc, int move, int hitCode, int aspectHold);
// Which sides a sizing drag snaps: bits 1 left, 2 top, 4 right, 8 bottom.
int m_SnapSidesForHit(int hitCode, int aspectHold);
// Pulls a rectangle sticking out of bounds back with resistance.
void m_SoftLimitRect(RECT* rc, const RECT* bounds);
// Shifts the main window back into its work area.
void m_KeepMainWindowOnScreen();
// Sizes the main window to the FIT size of its work area (with aspect
// hold) or to the whole work area; 0 when it already is, or while Shift or
// Ctrl is down.
int m_FitWindowToWorkArea();
