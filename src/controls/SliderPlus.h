// The program's own trackbar: a child window that paints itself into an
// image and reports every mouse event to the main window. It never moves
// the playback position or the volume itself; the main window decides and
// sets the position back. The seek bar also shows chapters, play ranges,
// markers and a selection; the volume slider a level mark.
#pragma once
#include <windows.h>

#include "base/ArgbImage.h"
#include "controls/CustomWindow.h"
#include "filedata/FileInfoItems.h"

// Codes of the slider's notices (WM_COMMAND high word kSliderCommand).
enum {
    SPN_LCLICK = 101,
    SPN_LDOWN = 102,
    SPN_LUP = 103,
    SPN_RCLICK = 104,
    SPN_RDOWN = 105,
    SPN_RUP = 106,
    SPN_MCLICK = 107,
    SPN_MDOWN = 108,
    SPN_MUP = 109,
    SPN_MOVE = 110,
    SPN_LEAVE = 111,
    SPN_GRAB = 112,
    SPN_CLICKSAME = 122,
};
constexpr WORD kSliderCommand = 100;

// What lies under the pointer.
enum {
    SLIDER_PART_NONE = 0,
    SLIDER_PART_CHANNEL = 2,
    SLIDER_PART_CHAPTER = 3,
    SLIDER_PART_RANGE = 4,
    SLIDER_PART_MARKER = 5,
};

// The block whose address a notice carries; valid only during the call.
struct SSLIDERNOTIFY {
    UINT code;
    int position;   // hovered or dragged value, -1 on the thumb or outside
    int part;       // SLIDER_PART_*
    int index;      // of that chapter, range or marker
    UINT moved;     // a left drag has moved
    UINT disabled;  // the bar is drawn disabled
};

// Highlight kinds of m_SetHighlight.
enum { SLIDER_HL_NONE = -1, SLIDER_HL_CHAPTER = 0, SLIDER_HL_MARKER = 1, SLIDER_HL_RANGE = 2 };

constexpr int kSliderChapterCap = 199;

class CSliderPlus : public CCustomWindow {
public:
    CSliderPlus();
    ~CSliderPlus() override;
    BOOL m_ProcessWindowMessage(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                LRESULT& result) override;

    // Creation and look.
    HWND m_Create(HWND parent, UINT id);
    void m_SetThumbSize(int width, int inset);
    void m_SetChannelSize(int inset, int height);
    void m_SetFrameWidth(int width);
    void m_SetDrawStyle(int style);
    // The main window's face colour as the base colour.
    void m_UpdateBackColor(COLORREF face);
    void m_SetAccentColor(COLORREF colour);

    // Values.
    void m_SetRange(int max, int repaint);
    void m_SetPos(int pos);
    void m_HidePosition();
    void m_SetSubPos(int pos, int repaint);
    void m_SetLevelMark(int value);  // negative: no mark
    void m_SetSelection(int start, int end);
    void m_SetEnable(int enabled);
    void m_SetAutoHide(int on, int repaint);
    void m_SetThumbVisible(int show, int fade, int repaint);
    void m_SetNotifyBlock(int flag) { m_NotifyBlocked = flag ? 1 : 0; }
    void m_BlockInput();
    void m_CancelDrag();
    int m_GetTravel() const { return m_Travel; }
    int m_GetPos() const { return m_Pos; }
    int m_GetMax() const { return m_Max; }
    int m_GetThumbX() const { return m_ThumbX; }
    int m_GetThumbAlpha() const { return m_ThumbAlpha; }

    // Marks (seek bar).
    void m_SetChapters(int count, const int* positions, const UINT* flags, int relayout);
    void m_SetPlayRanges(const SPLAYRANGEITEM* ranges, int count, int relayout);
    void m_SetMarkers(const SMARKERITEM* markers, int count, int relayout);
    void m_ClearMarks();
    void m_SetHighlight(int kind, int index);
    void m_SetMarkerStyle(int style);
    void m_SetCurrentMarker();

    // Layout and hit testing, in client pixels.
    int m_HitTest(POINT pt);
    const RECT& m_GetThumbRect() const { return m_ThumbRect; }
    const RECT& m_GetChannelRect() const { return m_ChannelRect; }
    const RECT* m_GetChapterRect(int i) const;
    const RECT* m_GetMarkerRect(int i) const;
    const RECT* m_GetRangeRect(int i) const;

    // Part colours, cached until the style or base colour changes.
    COLORREF m_GetPartColor(int style, int part, int thumbState);
    // The composed picture (composed first when dirty).
    const CArgbImage* m_GetImage();

private:
    // Layout (SliderLayout.cpp).
    void m_OnSize(int width, int height);
    int m_SyncThumb(int fromPosition);
    int m_MoveThumb(int x);
    void m_LayoutMarks();
    void m_MarksChanged(int relayout);
    int m_Scaled(int n) const;
    int m_ValueToX(double v, const RECT& inner) const;
    int m_ValueAtX(int x) const;
    RECT m_InnerChannel(int by) const;
    void m_LayoutChapters(const RECT& inner);
    void m_LayoutMarkers(const RECT& inner);
    void m_LayoutRanges(const RECT& inner);

    // Input (SliderInput.cpp).
    void m_Notify(UINT code);
    void m_OnLButtonDown(POINT pt);
    void m_OnLButtonUp(POINT pt);
    void m_OnOtherDown(int which);
    void m_OnOtherUp(int which, POINT pt);
    void m_OnMouseMove(POINT pt);
    void m_OnMouseLeave();
    void m_OnTimer(UINT_PTR id);
    int m_HitMarks(POINT pt, int* index);
    void m_Repaint();

    // Drawing (SliderDraw.cpp, SliderDrawMarks.cpp).
    void m_Compose();
    void m_DrawChannel(int style);
    void m_DrawChannelContents(int style);
    void m_DrawSpans(const RECT& inner, double radius);
    void m_DrawChapters();
    void m_DrawRanges();
    void m_DrawMarkers();
    void m_DrawThumb(int style, HANDLE theme);
    void m_FillInner(ARGB colour, const RECT& r, double radius, int corners);

    // Look.
    int m_DrawStyle;
    COLORREF m_BaseColor;
    COLORREF m_PartColors[16];
    UINT m_PartCached;  // bit per cached part and thumb state slot
    CArgbImage m_Image;
    UINT m_Id;
    HWND m_Parent;
    HWND m_NotifyWnd;
    int m_Width, m_Height;
    int m_DpiPercent;
    int m_Dirty;
    int m_LayoutPending;  // marks changed without a layout: lay out before use
    int m_AutoHide, m_ThumbFade, m_KeepThumbForSelection;
    int m_PositionHidden;

    // Values.
    int m_Pos, m_ReportPos, m_SubPos;
    int m_Min, m_Max, m_Range;
    int m_FillEnd;
    int m_HitPart, m_HitIndex, m_OnThumb;
    RECT m_ClientRect, m_ThumbRect, m_ChannelRect, m_SelRect;
    int m_FrameWidth, m_ThumbWidth, m_ThumbInset, m_ChannelHeight, m_ChannelInset;
    int m_ThumbX;

    // Input state.
    int m_LeftPressed, m_Moved, m_Dragging;
    int m_PressThumbX, m_PressX, m_PressY;
    int m_RightPressed, m_MiddlePressed;
    int m_MouseInside;
    int m_ThumbState;
    int m_Travel;
    int m_Enabled;
    int m_ThumbShown, m_ThumbShownTarget;
    int m_NotifyBlocked;
    int m_LeftBlocked, m_RightBlocked;
    // Last value reported and last thumb x seen: per slider, so the seek bar
    // and the volume slider never suppress each other's notices.
    int m_LastReported;
    int m_LastThumbX;

    // Marks.
    COLORREF m_AccentColor;
    int m_LevelMark;
    int m_SelectionSet, m_SelStart, m_SelEnd;
    int m_MarkerStyle, m_CurrentRange;
    int m_ChapterCount;
    int m_ChapterPos[kSliderChapterCap];
    UINT m_ChapterFlags[kSliderChapterCap];
    int m_AnyChapterFlag;
    int m_HlChapter, m_LastHlChapter, m_HlRange, m_HlMarker;
    SPLAYRANGEITEM m_Ranges[kFileInfoItemCap];
    int m_RangeCount;
    SMARKERITEM m_Markers[kFileInfoItemCap];
    int m_MarkerCount;
    RECT m_ChapterRects[kSliderChapterCap];
    RECT m_MarkerRects[kFileInfoItemCap];
    RECT m_RangeRects[kFileInfoItemCap];
    int m_ChapterMarksShown, m_ChapterHlOn, m_MarkerMarksShown, m_RangeMarksShown;
    int m_FadeOff[3], m_FadeOn[3];  // chapter, marker, range
    UINT m_HlFadeInterval;
    int m_HlFadeInSteps, m_HlFadeOutSteps;
    int m_Alpha[3], m_AlphaTarget[3];  // chapter, marker, range
    int m_ThumbAlpha;
    UINT m_ThumbFadeInterval;
    int m_ThumbFadeInSteps, m_ThumbFadeOutSteps;
};

extern CSliderPlus g_SeekBar;
extern CSliderPlus g_VolumeSlider;

enum { IDC_SEEKBAR = 33070, IDC_VOLUME_SLIDER = 33071 };
