// Which side of the main window stays put when it is resized, and the
// aspect-locked size of the program's own edge drag.
#pragma once
#include <windows.h>

#include "app/WindowSize.h"

enum { ANCHOR_LEFT = 1, ANCHOR_TOP = 2, ANCHOR_RIGHT = 4, ANCHOR_BOTTOM = 8, ANCHOR_AUTO = 255 };

struct SRESIZEANCHOR {
    int nFlags;
    POINT pt;  // screen pixels: the fixed side's coordinate, or the centre
    int bValid;
    int nMode;
};
extern SRESIZEANCHOR g_ResizeAnchor;

// Anchor flags for the drag-sizing grip codes 11..24; 0 for other codes.
int m_GetSizingAnchor(int code);
// Flags from the window's place in the work area, by free space on each axis.
int m_CalcAutoAnchor(const RECT* window, const RECT* work);
// One axis of a window spanning the whole work area, decided by its saved
// place: the side that lies on the area's side is fixed; both sides give
// the side away from the playlist (playlistSide -1 before, 1 after, 0
// none), which is centred (0) without one. -1 when undecided.
int m_AnchorAxisFromSaved(LONG savedLo, LONG savedHi, LONG areaLo, LONG areaHi, int playlistSide,
                          int lowFlag, int highFlag);
// Anchor point of a rectangle for the flags.
POINT m_AnchorPoint(const RECT* window, int flags);
// Places a w x h rectangle at the anchor (fixed sides stay, centred axes
// keep their centre, halves rounded up).
RECT m_PlaceAtAnchor(int flags, POINT pt, int w, int h);
// Shifts rc into area, left and top winning.
void m_ShiftInside(RECT* rc, const RECT* area);
int m_SetResizeAnchor(int mode, int reuse);

// What the aspect-locked drag works from.
struct SSIZINGIN {
    int nFrameW, nFrameH;  // window size around the video area
    double dAspect;
    RECT rcWork;
    int nMinWidth;  // SM_CXMIN
    int nAnchor;    // 0 none
    POINT ptAnchor;
    const SSIZESTOPS* pStops;  // video sizes to snap to, or null
    int nStopDistance;
};
void m_CalcSizingRect(const SSIZINGIN* in, int code, RECT* inout);
// WM_SIZING-style constraint of the main window for a grip code.
void m_ConstrainSizingRect(int code, RECT* inout);
