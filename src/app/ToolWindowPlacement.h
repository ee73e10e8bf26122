// Placement of the playlist and favorites windows in the settings file:
// "Pos" records, the [Playlist] view keys and the arithmetic that puts a
// stored rectangle back on screen.
#pragma once
#include <windows.h>

// A "Pos" value "left,top,width,height,dpi": the visible rectangle and the
// DPI percent it was stored at. A width or height of 0 means no size.
struct SPLACEMENT {
    int nLeft;
    int nTop;
    int nWidth;
    int nHeight;
    int nDpi;
};

// The [Playlist] keys; those past Pos and Atc are the playlist's own view
// settings, kept here.
struct SPLAYLISTVIEW {
    SPLACEMENT Pos;
    double dColumn[2];  // Clm: first two list columns, percent of the list width
    int nRatio;         // Rat: view ratio x 1000
    int nTab;           // -1 for no tab
    int nHideTab;
    int nDiagTab;
    int nOpen;
    int bAttach;  // Atc: docks to a side of the main window
    int bNumber;
    int bExtension;
    int bOmit;
    int bAdjust;
    int bAutoColumn;
    int bGrid;
    int bStatus;
    int nJumpList;
    int nChapter;
    int nItemHeight;
};

extern SPLAYLISTVIEW g_PlaylistView;
extern SPLACEMENT g_FavoPlacement;

// ---- placement records ----

// -1, -1, 0, 0, 0.
void m_Placement_Reset(SPLACEMENT* pos);
// "Pos" of the section; a missing or malformed value leaves the defaults.
void m_Placement_Read(const wchar_t* section, SPLACEMENT* pos);
int m_Placement_Write(const wchar_t* section, const SPLACEMENT* pos);
int m_Placement_Equal(const SPLACEMENT* a, const SPLACEMENT* b);
// The window's visible rectangle and its DPI; 0 when it cannot be read.
int m_Placement_FromWindow(HWND window, SPLACEMENT* pos);
RECT m_Placement_Rect(const SPLACEMENT* pos);
// Rescales a stored rectangle to the DPI percent when it was stored at
// another one (a stored DPI below 1 is taken as unknown and left alone).
void m_Placement_ScaleToDpi(RECT* rc, int storedDpi, int dpiPercent);
// Keeps the rectangle inside the area: a side larger than the area takes
// the area's size and its near edge; otherwise the rectangle is shifted in.
void m_ClampRectToArea(RECT* rc, const RECT* area);

// ---- the two windows' keys ----

// Reads every [Playlist] key above and keeps a snapshot of them.
void m_ReadPlayListWnd();
// Writes the [Playlist] keys that differ from the snapshot (all with
// force; only "Pos" with positionOnly), taking the window's place and view
// first when it exists. Without the window and force nothing is written.
void m_SavePlayListWnd(int force, int positionOnly);
// Takes the playlist window's place, column shares and ratio into the keys
// without writing them.
void m_TakePlayListWnd(HWND window);
// Reads [Favo] "Pos" into the favorites placement and its copy.
void m_ReadFavoWndPos();
// Writes [Favo] "Pos" when forced or changed.
void m_SaveFavoWndPos(int force);
