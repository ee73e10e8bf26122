// A playlist window docked to the main window follows it, and is hidden
// while either window straddles monitors of different DPI.
#pragma once
#include <windows.h>

// A monitor and its DPI percent.
struct SDPIMONITOR {
    RECT rcMonitor;
    int nDpiPercent;
};
constexpr int kDpiMonitorCap = 16;

// Top-left of a w x h window docked on the side (1 left, 2 top, 3 right,
// 4 bottom) of main at the gap.
POINT m_DockedTopLeft(const RECT* main, int w, int h, int side, int gap);
// The largest share (0..1) of the rectangle's area that lies on one
// monitor whose DPI differs from the percent.
double m_OtherDpiShare(const RECT* rc, const SDPIMONITOR* monitors, int count, int dpiPercent);
// What the overlap check does: 1 hide, 2 show again, 0 nothing. The shares
// are those of the main and the playlist window.
int m_DpiOverlapAction(int hidden, int haveMonitors, double mainShare, double playlistShare);
// The display monitors with their DPI (up to kDpiMonitorCap); their count.
int m_ListDpiMonitors(SDPIMONITOR* out);

// Moves a docked playlist window along with the main rectangle, when its
// new place is on a monitor of the current DPI.
void m_PlaylistWnd_FollowMain(const RECT* main);
// Hides the docked playlist window while more than 25 % of either window
// lies on a monitor of another DPI, and shows it again below 20 %.
void m_PlaylistWnd_CheckDpiOverlap();
// The end of a move: a playlist window hidden for the DPI overlap comes
// back without activation.
void m_PlaylistWnd_ShowAfterMove();
