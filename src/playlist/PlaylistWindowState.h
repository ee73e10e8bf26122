// The playlist window's state, kept in the playlist object beside the
// model: handles, the children's geometry, the split, the tabs, fonts and
// images. Objects with windows or bitmaps of their own are held by pointer
// and made with the dialog.
#pragma once
#include <windows.h>
#include <commctrl.h>

class CArgbImage;
class CBmpFont;
class CButtonPlus;
class CMenuManager;
class CMenuPlus;

constexpr int kPlaylistTabCount = 3;
constexpr int kPlaylistTabCaptionCap = 16;

struct SPLAYLISTWND {
    int DpiPercent = 100;  // of the window, 100 = 96 dpi
    int Ready = 0;         // layout, drawing and DPI handling wait for it
    CMenuManager* Menus = nullptr;

    // Splitter and window drag anchors.
    POINT PressCursor = {};
    RECT PressWindow = {};  // border-corrected
    RECT PressClient = {};  // client area in screen coordinates
    POINT MinTrack = {};    // answered to WM_GETMINMAXINFO
    int PaneShown = 1;      // sub-list pane: [Playlist] "Tab" >= 0

    // Context-menu selection summary and the context row (menus).
    int SelCount = 0;
    int SelFirst = -1;
    int SelSomeChecked = 0;
    int SelSomeUnchecked = 0;
    int ContextRow = -1;
    UINT LastMenuId = 0;

    int Hover = 0;  // PLHOVER_...
    LRESULT HitTest = 0;

    HINSTANCE Instance = nullptr;
    HWND Owner = nullptr;  // hidden "Static": no taskbar button
    HWND Dialog = nullptr;
    HWND MainWnd = nullptr;
    HWND Status = nullptr;
    WNDPROC StatusProc = nullptr;
    HWND Lists[4] = {};  // tracks, chapters, ranges, markers
    WNDPROC ListProcs[4] = {};
    int FocusedListId = 0;
    CMenuPlus* ContextPopup = nullptr;
    CButtonPlus* Buttons[5] = {};
    HWND ToolTip = nullptr;

    int ButtonImageEdge = 0;
    int CheckImageEdge = 0;
    HFONT Font = nullptr;     // dialog font
    HFONT TabFont = nullptr;  // bold tab font
    HIMAGELIST CheckImages = nullptr;
    int HeaderHeight = 0;  // top of the first row
    int RowHeight = 0;
    int NoticesHandled = 0;  // WM_NOTIFY from the lists is ignored while 0

    // Geometry in client coordinates.
    RECT TrackRect = {};
    RECT SubRect = {};
    RECT StatusRect = {};
    RECT ButtonRow = {};
    RECT Splitter = {};
    RECT TabStrip = {};
    RECT Tabs[kPlaylistTabCount] = {};
    RECT TabUnion = {};
    int TopLine = 0;
    int BottomLine = 0;
    int PaneHeight = 0;  // H
    int SubHeight = 0;   // S, from the bottom
    int SubCollapsed = 0;
    double PlainRatio = 0.15;
    double FittedRatio = 0.15;
    double FittedCopy = 0.15;
    int LastAutoWidth = -1;  // usable width the columns were last fitted to

    int Tab = 0;  // 0 chapters, 1 ranges, 2 markers
    wchar_t TabCaptions[kPlaylistTabCount][kPlaylistTabCaptionCap] = {L"CHAPTER", L"RANGE",
                                                                      L"MARKER"};
    int TabCounts[kPlaylistTabCount] = {};  // negative shows "[n]", positive "(n)"

    COLORREF SplitterColor = 0;
    COLORREF EdgeColor = 0;         // the main window's edge colour: the top edge line
    int FrameStyle = 0;             // the main window's frame style 0..2: the size-grip corner
    COLORREF BackColor = 0xFFFFFF;  // the playlist background
    DWORD StateColor = 0xFF000000;

    // Drawing.
    CArgbImage* StatusImage = nullptr;
    CBmpFont* StatusFont = nullptr;
    int StatusFontPending = 1;
    CArgbImage* IconStrip = nullptr;  // tab icons (cells 6..8)
    CArgbImage* Measure = nullptr;    // 8 x 8, for text sizes

    // Mouse gestures.
    int LeftDown = 0;
    int SplitterDrag = 0;
    int SplitterMoved = 0;
    int SplitterPressS = 0;
    int TrackDrag = 0;
    int MovingWindow = 0;
    int LastDragY = 0;
    int TrackingLeave = 0;
    int DpiMoved = 0;        // a DPI rescale moved the window (snapping off)
    SIZE LastMoveSize = {};  // the window's size at the last WM_MOVE
    int Visible = 0;
    int Active = 0;
};
