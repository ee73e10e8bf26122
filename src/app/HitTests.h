// Classifying points for the main and full-screen windows: sizing borders
// that become corners while sizing keeps the aspect, and the full-screen
// hit codes of the overlays and the status bar.
#pragma once
#include <windows.h>

// A side border hit (HTLEFT, HTRIGHT, HTTOP, HTBOTTOM) within 27 % of the
// window's extent from a corner becomes that corner's hit; others stay.
int m_CornerHit(int hit, POINT screen, const RECT& window);

// Full-screen hit codes.
enum {
    FSHIT_NONE = 0x66,
    FSHIT_VIDEO = 0x67,
    FSHIT_BAND = 0x68,
    FSHIT_BAND_RIGHT = 0x69,
    FSHIT_BUTTON = 0x6A,
    FSHIT_SECOND = 0x6D,
};

// What the full-screen hit test reads, in the full-screen window's client
// coordinates.
struct SFSHITLAYOUT {
    int bFullScreen;
    int bOverlayDrag;
    int bFileOpen;
    RECT rcOverlay1;
    RECT rcOverlay2;
    int nBandHeight;   // the band at the bottom of overlay 1 starts here
    RECT rcButton;     // relative to overlay 1's top-left
    int nRightFixed;   // design width of the band's right part
    int nDpiPercent;   // of the full-screen window
    RECT rcStatusBar;  // the full-screen status bar's window
};

int m_ClassifyFsHit(const SFSHITLAYOUT& layout, POINT client);
