// The playlist window's layout arithmetic on plain numbers: the split
// between the track list and the sub-list, the tab widths, the column
// widths, the row height and the DPI the window accepts. Pixel values are
// at the window's DPI unless a name says otherwise.
#pragma once
#include <windows.h>

// ---- the split ----

// What both lists need against the pane height H they share.
struct SSPLITNEEDS {
    int H;         // pane height
    int Nt;        // track list: rows, header and padding
    int Ns;        // sub-list: rows, header, padding and tab strip
    int A;         // tab-strip height, 0 when the pane is hidden
    int Hideable;  // "HideTab" and no more than one chapter, no ranges, no markers
};

// Rows x row height + header + padding.
int m_Split_TrackNeed(int rowHeight, int header, int pad, int tracks);
// As the track need plus the tab strip; the tab strip alone when the list
// is empty or is the chapter list with a single row.
int m_Split_SubNeed(int rowHeight, int header, int pad, int tabStrip, int rows, int chapterTab);
// The fitted ratio within 0..1; a value that is not a number becomes 0.
double m_Split_ClampRatio(double ratio);
// The fitted ratio the user's split S stands for; the ratio stays as it is
// where its divisor is 0 (an exact fit) and while H is not positive.
double m_Split_RatioFor(const SSPLITNEEDS& n, int S, double fitted);
// The split from the fitted ratio (modes 1..3), within 0..H. The ratio
// becomes 0 where a hideable sub-list goes. Mode 3 collapses the sub-list
// to its tab strip when the split did not change (prevS) and it sits at the
// sub-list's need while the lists do not fit.
int m_Split_SubHeight(const SSPLITNEEDS& n, int mode, int prevS, double* fitted);
// S / H, or the previous ratio while H is not positive.
double m_Split_PlainRatio(int S, int H, double previous);

// ---- the tabs ----

// The three tab widths for the room left on the strip: all at the widest
// (the largest of the natural widths and the reference) when that fits;
// else from the natural widths, shrunk a pixel at a time from the widest
// down to the minimum, or grown from the narrowest up to the widest.
void m_Tabs_FitWidths(const int natural[3], int reference, int minimum, int room, int out[3]);

// ---- columns and rows ----

// [Playlist] "Clm" percentages as shown: the first within 20..100, the
// second within 0 and what the first leaves; defaults for what is not a number.
void m_Columns_ClampRatios(const double in[2], double out[2]);
// Column widths from percentages of the usable width w.
void m_Columns_FromRatios(int w, const double percent[2], int out[2]);
// The time column for the widest time text at the DPI percent.
int m_Columns_TimeWidth(int widestText, int dpiPercent);
// A cell edge of a strip drawn for 200 % at the DPI percent (at least 1).
int m_Rows_CellEdge(int cell200, int dpiPercent);
// Row height for [Playlist] "ItemHt" (held within 50..200), never below
// the check image's edge.
int m_Rows_Height(int dpiPercent, int itemPercent, int checkEdge);
// Bars of the status area's loading mark while the scan runs: 1..7.
int m_Playlist_LoadingBars(int tracks, int scanned);
// The window's DPI percent held within 50..500 (100 for nonsense).
int m_Playlist_ClampDpi(int percent);

// ---- a DPI change ----

struct SPLAYLISTDPIMOVE {
    SIZE Window;                  // the window's size at the new DPI
    RECT Now;                     // the window before the change
    POINT Pointer;                // the pointer now
    double Fx, Fy;                // the pointer's place in the window when it was pressed
    RECT Suggested;               // the system's rectangle, empty when not known
    RECT MonitorNew, MonitorOld;  // under the centres of Suggested and Now
};

// The window's new rectangle keeps the pointer over the same relative
// point; on an axis where the monitors do not overlap it is centred on the
// suggested rectangle instead. A pointer away from the window (a change
// not brought by a drag) keeps the window's centre. 1 when the pointer is
// to be moved to *pointer.
int m_Playlist_DpiMove(const SPLAYLISTDPIMOVE& in, RECT* window, POINT* pointer);
