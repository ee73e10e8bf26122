// What the playlist window's layout files share: the fixed sizes of the
// frame around both lists at the window's DPI, and the row metrics read
// back from the track list.
#pragma once
#include <windows.h>

class CPlaylist;

struct SPLAYLISTFRAME {
    int TopLine;     // edge line above the track list
    int BottomLine;  // edge line above the button row
    int Splitter;    // T
    int TabStrip;    // A, 0 while the sub-list pane is hidden
    int Gap;         // between buttons
    int ButtonW;
    int ButtonH;
};

void m_PlaylistFrame(const CPlaylist& pl, SPLAYLISTFRAME* out);
// H for a client height: what the edge lines, buttons and splitter leave.
int m_PlaylistPaneHeight(const SPLAYLISTFRAME& f, int clientHeight);
// Index in m_W.Lists of the sub-list on show: chapters while the pane is
// hidden, else the shown tab's list.
int m_PlaylistShownSub(const CPlaylist& pl);
// Header height and row height from row 0 of the track list (the header
// alone and the fallback row height without rows).
void m_PlaylistReadRowMetrics(CPlaylist& pl, int fallbackRow);
