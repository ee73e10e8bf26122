// The main window's client layout: the video area above a bottom panel with
// the seek-bar row, the button row and the status bar.
#pragma once
#include <windows.h>

#include "settings/Settings.h"

// Panel switches, kept in [Main] "Ctrl".
extern int& g_ShowSeekBar;
extern int& g_ShowButtonRow;
extern int& g_ShowStatusBar;
extern int& g_SeekBarInline;

enum {
    BTNSLOT_GAP = 254,
    BTNSLOT_SEPARATOR = 255,
    kControlButtonCount = 23,
    kControlButtonFirstId = 32969,
    IDC_VOLUME_BUTTON = 33069,
    IDC_EXTRA_BUTTON = 33067,
};

struct SBUTTONORDER {
    int nCodes[kButtonOrderCap];
    int nCount;
};
extern SBUTTONORDER g_ButtonOrder;

// Sizes of the button row at one DPI.
struct SROWMETRICS {
    int nButtonWidth;  // less the frame insets in the framed style
    int nButtonHeight;
    int nSpacing;  // between buttons, framed style only
    int nFrameInset;
    int nLeft;  // metric 5
    int nGap;   // metric 4
    int nSeparator;
    int nSeekGapLeft;   // metric 14
    int nSeekGapRight;  // metric 15
    int nVolumeWidth;   // metric 29
    int nVolumeGap;     // metric 30
    int nRightInset;    // metric 31 plus the look's extra
    int nSliderTop;     // metric 32
};

// What the button row is laid out from.
struct SROWINPUT {
    int nWidth;
    int nHeight;
    int nHiddenSlots;  // [Main] "HdBtn"
    int bSeekInline;
    int nSeekUserWidth;
    int nSeekMinWidth;
    int bExpanded;      // control-bar mode 1
    int bDraggingSeek;  // the user drags the inline seek bar's edge
};

// Where the row's windows go; an empty rectangle hides a window.
struct SROWLAYOUT {
    RECT rcButtons;  // the button host
    int nButtonLimit;
    RECT rcVolumeButton;
    RECT rcVolumeSlider;
    RECT rcSeek;
    RECT rcGrip;
    RECT rcExtra;
    int nExtraFrame;  // 0 first image, 1 second
    int nHiddenSlots;
    int bOverflow;
};

// Control id of the button a slot code names; 0 for gaps, separators and
// codes that name no button.
int m_ButtonIdFromCode(int code);
// Fills g_ButtonOrder from [Ctrl] "BtnOdr" (the default row when empty).
void m_LoadButtonOrder();
// Button height of [Ctrl] "Btn" at a DPI; the width when no height is set.
int m_ButtonHeightMetric(int dpi);
void m_ReadRowMetrics(SROWMETRICS* out, int dpiPercent);
// 1 when the control buttons are drawn framed (the classic look).
int m_IsFramedStyle();

// Width of the first slots (at most maxSlots) that fit into maxWidth.
int m_GetButtonRowWidth(const SBUTTONORDER* order, const SROWMETRICS* m, int maxWidth, int maxSlots,
                        int* count);
int m_ExtraButtonWidth(const SROWMETRICS* m);
void m_CalcControlBar(const SBUTTONORDER* order, const SROWMETRICS* m, const SROWINPUT* in,
                      SROWLAYOUT* out);

// Separator lines in use, decided by m_LayoutClientArea.
extern int g_TopLine;
extern int g_BottomLine;
void m_UpdateLineFlags();
int m_GetControlBarHeight();
// Height of the button row itself.
int m_GetButtonRowHeight();

// Lays out the client area (-1: the current size) and the panels.
void m_LayoutClientArea(int width, int height);
void m_LayoutPanels(int width);
void m_LayoutControlBar(int width);
void m_PlaceButtons(int limit);
void m_RelayoutPanels();
void m_SetControlBarMode(int mode);
int m_GetControlBarMode();
// The video area of the main window, in client coordinates.
void m_GetVideoArea(RECT* out);
// Frame margins of the video inside the video area.
void m_GetFrameMargins(RECT* out);
// The smallest window size that the layout allows.
void m_GetMinTrackSize(POINT* out);
// The inline seek bar's width set by dragging its edge.
extern int g_SeekUserWidth;
extern int g_SeekEdgeDragging;
// The strip left of the inline seek bar whose drag sets its width, in
// screen coordinates; 0 while there is none.
int m_GetSeekGripRect(RECT* screen);
// The inline seek bar's present width; 0 while it is hidden.
int m_GetInlineSeekWidth();

// ---- hooks of the main window procedure ----
// WM_SIZE other than minimised: the control bar closes, the maximised flag
// is noted and the children are laid out.
void m_Layout_OnSize(UINT type, int cx, int cy);
void m_Layout_GetMinMaxInfo(MINMAXINFO* info);
// WM_SIZING: aspect lock of a video, else snapping; rc is a window rectangle.
void m_Layout_OnSizing(UINT edge, RECT* rc);
void m_Layout_OnExitSizeMove();
// 1 while a drag sizes the window at the video's aspect.
int m_Layout_AspectSizingApplies();
// Grip code of the drag-sizing code for a WM_SIZING edge; 0 for none.
int m_GripCodeForEdge(UINT edge);
// After a DPI change: the children and the video fitted to the new area.
void m_Layout_RefitVideo();
