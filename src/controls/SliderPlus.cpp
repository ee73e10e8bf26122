// The slider's life cycle, its message map and its value setters.
#include "controls/SliderPlus.h"

#include <windowsx.h>

#include <algorithm>

#include "app/MainWindow.h"

CSliderPlus g_SeekBar;
CSliderPlus g_VolumeSlider;

namespace {
enum { kTimerBlock = 1, kTimerThumbIn = 4, kTimerThumbOut = 5, kTimerHighlight = 6 };
}

CSliderPlus::CSliderPlus()
    : m_DrawStyle(11),
      m_BaseColor(GetSysColor(COLOR_3DFACE)),
      m_PartColors{},
      m_PartCached(0),
      m_Id(0),
      m_Parent(nullptr),
      m_NotifyWnd(nullptr),
      m_Width(0),
      m_Height(0),
      m_DpiPercent(100),
      m_Dirty(1),
      m_AutoHide(0),
      m_ThumbFade(1),
      m_KeepThumbForSelection(1),
      m_PositionHidden(0),
      m_Pos(0),
      m_ReportPos(0),
      m_SubPos(0),
      m_Min(0),
      m_Max(100),
      m_Range(100),
      m_FillEnd(0),
      m_HitPart(0),
      m_HitIndex(0),
      m_OnThumb(0),
      m_ClientRect{},
      m_ThumbRect{},
      m_ChannelRect{},
      m_SelRect{},
      m_FrameWidth(1),
      m_ThumbWidth(9),
      m_ThumbInset(0),
      m_ChannelHeight(4),
      m_ChannelInset(0),
      m_ThumbX(0),
      m_LeftPressed(0),
      m_Moved(0),
      m_Dragging(0),
      m_PressThumbX(0),
      m_PressX(0),
      m_PressY(0),
      m_RightPressed(0),
      m_MiddlePressed(0),
      m_MouseInside(0),
      m_ThumbState(1),
      m_Travel(0),
      m_Enabled(1),
      m_ThumbShown(1),
      m_ThumbShownTarget(1),
      m_NotifyBlocked(0),
      m_LeftBlocked(0),
      m_RightBlocked(0),
      m_LastReported(-1),
      m_LastThumbX(-1),
      m_AccentColor(0),
      m_LevelMark(-1),
      m_SelectionSet(0),
      m_SelStart(0),
      m_SelEnd(10000),
      m_MarkerStyle(0),
      m_CurrentRange(-1),
      m_ChapterCount(0),
      m_ChapterPos{},
      m_ChapterFlags{},
      m_AnyChapterFlag(0),
      m_HlChapter(-1),
      m_LastHlChapter(-1),
      m_HlRange(-1),
      m_HlMarker(-1),
      m_Ranges{},
      m_RangeCount(0),
      m_Markers{},
      m_MarkerCount(0),
      m_ChapterRects{},
      m_MarkerRects{},
      m_RangeRects{},
      m_ChapterMarksShown(1),
      m_ChapterHlOn(0),
      m_MarkerMarksShown(0),
      m_RangeMarksShown(0),
      m_FadeOff{0, 0, 0},
      m_FadeOn{255, 255, 255},
      m_HlFadeInterval(16),
      m_HlFadeInSteps(4),
      m_HlFadeOutSteps(5),
      m_Alpha{},
      m_AlphaTarget{},
      m_ThumbAlpha(255),
      m_ThumbFadeInterval(16),
      m_ThumbFadeInSteps(4),
      m_ThumbFadeOutSteps(6)
{
}

CSliderPlus::~CSliderPlus() { m_DestroyWindow(); }

HWND CSliderPlus::m_Create(HWND parent, UINT id)
{
    m_Id = id;
    m_Parent = parent;
    // Notices go to the main window; a host without one takes them itself.
    m_NotifyWnd = g_hWndMain ? g_hWndMain : parent;
    return m_CreateWindow(parent, kControlClass, kControlClassStyle, WS_CHILD | WS_VISIBLE, 0, 0, 0,
                          0, 0, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)));
}

BOOL CSliderPlus::m_ProcessWindowMessage(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                         LRESULT& result)
{
    const POINT pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    result = 0;
    switch (msg) {
        case WM_PAINT:
            if (m_Dirty) m_Compose();
            m_PaintImage(&m_Image);
            return TRUE;
        case WM_ERASEBKGND:
        case WM_NOTIFY:
        case WM_CREATE:
        case WM_DESTROY:
            return TRUE;
        case WM_SIZE:
            m_OnSize(LOWORD(lParam), HIWORD(lParam));
            return TRUE;
        case WM_ENABLE:
            m_Enabled = wParam ? 1 : 0;
            m_Dirty = 1;
            InvalidateRect(hWnd, nullptr, FALSE);
            return TRUE;
        case WM_TIMER:
            m_OnTimer(wParam);
            return TRUE;
        case WM_MOUSEMOVE:
            m_OnMouseMove(pt);
            return TRUE;
        case WM_MOUSELEAVE:
            m_OnMouseLeave();
            return TRUE;
        case WM_LBUTTONDOWN:
            m_OnLButtonDown(pt);
            return TRUE;
        case WM_LBUTTONUP:
            m_OnLButtonUp(pt);
            return TRUE;
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            m_OnOtherDown(msg == WM_RBUTTONDOWN ? 1 : 2);
            return TRUE;
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            m_OnOtherUp(msg == WM_RBUTTONUP ? 1 : 2, pt);
            return TRUE;
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
            // A double click counts as a second press.
            SendMessageW(hWnd, msg - (WM_LBUTTONDBLCLK - WM_LBUTTONDOWN), wParam, lParam);
            return TRUE;
        case WM_KEYDOWN:
        case WM_KEYUP:
            result = SendMessageW(m_NotifyWnd, msg, wParam, lParam);
            return TRUE;
    }
    return FALSE;
}

void CSliderPlus::m_SetThumbSize(int width, int inset)
{
    m_ThumbWidth = std::max(0, width);
    m_ThumbInset = std::max(0, inset);
    m_Dirty = 1;
}

void CSliderPlus::m_SetChannelSize(int inset, int height)
{
    m_ChannelInset = std::max(0, inset);
    m_ChannelHeight = height;
    m_Dirty = 1;
}

void CSliderPlus::m_SetFrameWidth(int width)
{
    m_FrameWidth = std::max(0, width);
    m_Dirty = 1;
}

void CSliderPlus::m_SetDrawStyle(int style)
{
    if (style == m_DrawStyle) return;
    m_DrawStyle = style;
    m_PartCached = 0;
    m_Compose();
}

void CSliderPlus::m_UpdateBackColor(COLORREF face)
{
    m_BaseColor = face;
    m_PartCached = 0;
    m_Compose();
}

void CSliderPlus::m_SetAccentColor(COLORREF colour)
{
    if (colour == m_AccentColor) return;
    m_AccentColor = colour;
    m_PartCached = 0;  // the second-position colour derives from it
    m_Dirty = 1;
    m_Repaint();
}

void CSliderPlus::m_SetRange(int max, int repaint)
{
    m_Min = 0;
    m_Max = std::max(0, max);
    m_Range = m_Max;
    m_HlChapter = -1;
    m_SyncThumb(1);
    m_LayoutMarks();
    if (repaint) m_Repaint();
}

void CSliderPlus::m_SetPos(int pos)
{
    m_PositionHidden = 0;
    if (m_LeftPressed && m_Moved) return;  // the user's drag wins
    if (pos == -1) pos = m_Max;
    m_Pos = std::clamp(pos, m_Min, m_Max);
    m_ReportPos = m_Pos;
    m_SyncThumb(1);
    m_Dirty = 1;
    m_Repaint();
}

void CSliderPlus::m_HidePosition()
{
    m_PositionHidden = 1;
    m_Dirty = 1;
    m_Repaint();
}

void CSliderPlus::m_SetSubPos(int pos, int repaint)
{
    m_SubPos = std::clamp(pos, m_Min, m_Max);
    m_Dirty = 1;
    if (repaint) m_Repaint();
}

void CSliderPlus::m_SetLevelMark(int value)
{
    // A negative value takes the mark away.
    m_LevelMark = value < 0 ? -1 : std::clamp(value, m_Min, m_Max);
    m_Dirty = 1;
    m_Repaint();
}

void CSliderPlus::m_SetSelection(int start, int end)
{
    if (start == -1 && end == -1) {
        m_SelectionSet = 0;
        m_SelStart = 0;
        m_SelEnd = m_Max;
    } else {
        m_SelectionSet = 1;
        if (start != -1) m_SelStart = start;
        if (end != -1) m_SelEnd = end;
    }
    if (m_AutoHide && m_KeepThumbForSelection)
        m_SetThumbVisible(m_SelectionSet || m_MouseInside, 1, 0);
    m_Dirty = 1;
    m_LayoutMarks();
    m_Repaint();
}

void CSliderPlus::m_SetEnable(int enabled)
{
    enabled = enabled ? 1 : 0;
    if (enabled == m_Enabled) return;
    m_Enabled = enabled;
    m_Dirty = 1;
    if (m_hWnd) InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CSliderPlus::m_SetAutoHide(int on, int repaint)
{
    m_AutoHide = on ? 1 : 0;
    m_SetThumbVisible(!m_AutoHide || m_MouseInside, 1, repaint);
}

void CSliderPlus::m_SetThumbVisible(int show, int fade, int repaint)
{
    const int live = m_Enabled && m_hWnd && IsWindowVisible(m_hWnd);
    const int keep = m_AutoHide && m_KeepThumbForSelection && m_SelectionSet;
    if (!show && keep)
        show = 1;
    else if (show && m_AutoHide && !m_MouseInside && !keep)
        show = 0;
    show = show ? 1 : 0;
    if (show == m_ThumbShownTarget) return;
    m_ThumbShownTarget = show;
    m_ThumbShown = show;
    if (!fade || !live) {
        if (m_hWnd) {
            KillTimer(m_hWnd, kTimerThumbIn);
            KillTimer(m_hWnd, kTimerThumbOut);
        }
        m_ThumbAlpha = show ? 255 : 0;
    } else if (show) {
        KillTimer(m_hWnd, kTimerThumbOut);
        if (m_ThumbAlpha == 0) m_ThumbAlpha = m_FadeStep(m_FadeSteps(m_ThumbFadeInSteps));
        SetTimer(m_hWnd, kTimerThumbIn, m_ThumbFadeInterval, nullptr);
    } else {
        KillTimer(m_hWnd, kTimerThumbIn);
        if (m_ThumbAlpha == 255) m_ThumbAlpha = 255 - m_FadeStep(m_FadeSteps(m_ThumbFadeOutSteps));
        SetTimer(m_hWnd, kTimerThumbOut, m_ThumbFadeInterval, nullptr);
    }
    m_Dirty = 1;
    if (live && repaint) m_Repaint();
}

void CSliderPlus::m_BlockInput()
{
    m_LeftBlocked = 1;
    m_RightBlocked = 1;
    if (m_hWnd) SetTimer(m_hWnd, kTimerBlock, 100, nullptr);
}

void CSliderPlus::m_CancelDrag()
{
    if (m_LeftPressed || m_RightPressed || m_MiddlePressed) {
        if (m_hWnd && GetCapture() == m_hWnd) ReleaseCapture();
    }
    m_LeftPressed = 0;
    m_Moved = 0;
    m_Dragging = 0;
    m_RightPressed = 0;
    m_MiddlePressed = 0;
    m_ThumbState = 1;
    m_Dirty = 1;
}

void CSliderPlus::m_Repaint()
{
    if (!m_hWnd) return;
    InvalidateRect(m_hWnd, nullptr, FALSE);
    UpdateWindow(m_hWnd);
}

const CArgbImage* CSliderPlus::m_GetImage()
{
    if (m_Dirty) m_Compose();
    return &m_Image;
}
