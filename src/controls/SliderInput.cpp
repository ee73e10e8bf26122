// The slider's mouse input: hit testing, presses, hover and drag, and the
// notices they send to the notify window.
#include <algorithm>
#include <cstdlib>

#include "controls/SliderPlus.h"

namespace {
enum { kTimerBlock = 1, kTimerThumbIn = 4, kTimerThumbOut = 5, kTimerHighlight = 6 };

// r grown by dx sideways and dy up and down, its right edge kept at or
// before clipRight (no clip when clipRight is INT_MAX).
RECT Widened(const RECT& r, int dx, int dy, int clipRight)
{
    RECT w = {r.left - dx, r.top - dy, r.right + dx, r.bottom + dy};
    if (w.right > clipRight) w.right = clipRight;
    return w;
}

bool Present(const RECT& r) { return r.right > r.left && r.bottom > r.top; }
}  // namespace

void CSliderPlus::m_Notify(UINT code)
{
    SSLIDERNOTIFY n = {code,
                       m_ReportPos,
                       m_HitPart,
                       m_HitIndex,
                       static_cast<UINT>(m_Moved),
                       static_cast<UINT>(!m_Enabled)};
    if (m_NotifyWnd)
        SendMessageW(m_NotifyWnd, WM_COMMAND, MAKEWPARAM(m_Id, kSliderCommand),
                     reinterpret_cast<LPARAM>(&n));
}

// The mark under the point: chapters first, then markers, then the last
// play range that holds it. Returns the part, 0 for none.
int CSliderPlus::m_HitMarks(POINT pt, int* index)
{
    const int s1 = m_Scaled(1), s2 = m_Scaled(2);
    if (m_ChapterMarksShown && m_ChapterCount >= 2) {
        for (int i = 1; i < m_ChapterCount; ++i) {
            if (!Present(m_ChapterRects[i])) continue;
            const int clip = i + 1 < m_ChapterCount && Present(m_ChapterRects[i + 1])
                                 ? m_ChapterRects[i + 1].left
                                 : INT_MAX;
            const RECT r = Widened(m_ChapterRects[i], s1, s2, clip);
            if (PtInRect(&r, pt)) {
                *index = i;
                return SLIDER_PART_CHAPTER;
            }
        }
    }
    if (m_MarkerMarksShown) {
        for (int i = 0; i < m_MarkerCount; ++i) {
            const int clip = i + 1 < m_MarkerCount ? m_MarkerRects[i + 1].left : INT_MAX;
            const RECT r = Widened(m_MarkerRects[i], s2, s2, clip);
            if (PtInRect(&r, pt)) {
                *index = i;
                return SLIDER_PART_MARKER;
            }
        }
    }
    int found = 0;
    if (m_RangeMarksShown) {
        for (int i = 0; i < m_RangeCount; ++i) {
            const RECT r = Widened(m_RangeRects[i], s2, s2, INT_MAX);
            if (PtInRect(&r, pt)) {
                *index = i;
                found = SLIDER_PART_RANGE;
            }
        }
    }
    return found;
}

int CSliderPlus::m_HitTest(POINT pt)
{
    if (m_LayoutPending) m_LayoutMarks();
    m_OnThumb = PtInRect(&m_ThumbRect, pt) ? 1 : 0;
    int index = 0;
    const int part = m_HitMarks(pt, &index);
    m_HitIndex = index;
    if (!PtInRect(&m_ClientRect, pt)) {
        m_ReportPos = -1;
        m_HitPart = SLIDER_PART_NONE;
        return 0;
    }
    m_HitPart = part ? part : SLIDER_PART_CHANNEL;
    m_ReportPos = m_ValueAtX(pt.x);
    return m_HitPart * 100 + m_HitIndex;
}

void CSliderPlus::m_OnLButtonDown(POINT pt)
{
    if (m_LeftBlocked || m_NotifyBlocked) return;
    m_RightPressed = 0;
    m_HitTest(pt);
    m_Notify(SPN_LDOWN);
    if (m_OnThumb) {
        m_Dragging = 1;
        SetCapture(m_hWnd);
    } else if (m_HitPart == SLIDER_PART_CHANNEL || m_HitPart == SLIDER_PART_CHAPTER) {
        m_MoveThumb(pt.x - m_ThumbWidth / 2);
        m_SyncThumb(0);
        m_Dragging = 1;
        m_LastReported = m_Pos;
        m_Notify(SPN_GRAB);
        SetCapture(m_hWnd);
    }
    m_PressThumbX = m_ThumbX;
    m_PressX = pt.x;
    m_PressY = pt.y;
    m_LeftPressed = 1;
    m_ThumbState = 3;
    m_Dirty = 1;
    m_Repaint();
}

void CSliderPlus::m_OnLButtonUp(POINT pt)
{
    if (m_LeftBlocked || m_NotifyBlocked) {
        // No notices, but a press must not keep the mouse captured.
        if (m_LeftPressed) m_CancelDrag();
        return;
    }
    m_ThumbState = PtInRect(&m_ThumbRect, pt) ? 2 : 1;
    m_Dirty = 1;
    if (m_LeftPressed) {
        m_LeftPressed = 0;
        m_Moved = 0;
        if (GetCapture() == m_hWnd) ReleaseCapture();
        m_Notify(SPN_LUP);
        if (PtInRect(&m_ClientRect, pt)) m_Notify(SPN_LCLICK);
    }
    if (m_Dragging) {
        m_Dragging = 0;
        if (pt.x == m_PressX && pt.y == m_PressY) m_Notify(SPN_CLICKSAME);
    }
    m_Repaint();
}

// which: 1 right, 2 middle.
void CSliderPlus::m_OnOtherDown(int which)
{
    if (m_NotifyBlocked || (which == 1 && m_RightBlocked)) return;
    if (m_LeftPressed || m_Dragging) {
        m_LeftPressed = 0;
        m_Moved = 0;
        m_Dragging = 0;
        m_ThumbState = 1;
        m_Dirty = 1;
    }
    m_RightPressed = which == 1;
    m_MiddlePressed = which == 2;
    SetCapture(m_hWnd);
    m_Notify(which == 1 ? SPN_RDOWN : SPN_MDOWN);
}

void CSliderPlus::m_OnOtherUp(int which, POINT pt)
{
    int& pressed = which == 1 ? m_RightPressed : m_MiddlePressed;
    if (!pressed) return;
    pressed = 0;
    if (GetCapture() == m_hWnd) ReleaseCapture();
    m_Notify(which == 1 ? SPN_RUP : SPN_MUP);
    if (PtInRect(&m_ClientRect, pt)) m_Notify(which == 1 ? SPN_RCLICK : SPN_MCLICK);
}

void CSliderPlus::m_OnMouseMove(POINT pt)
{
    if (!m_MouseInside) {
        m_MouseInside = 1;
        m_Dirty = 1;
        m_LastReported = -1;
        TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, m_hWnd, 0};
        TrackMouseEvent(&tme);
        if (m_AutoHide) m_SetThumbVisible(1, m_ThumbFade, 1);
    }
    if (m_HitTest(pt) && m_HitPart != SLIDER_PART_CHANNEL) m_Dirty = 1;
    if (m_Dragging) {
        if (!m_Moved && std::abs(pt.x - m_PressX) < 2) {
            m_Repaint();
            return;
        }
        m_Moved = 1;
        if (!m_MoveThumb(m_PressThumbX + (pt.x - m_PressX))) {
            m_Repaint();
            return;
        }
        m_SyncThumb(0);
        if (m_Pos == m_LastReported || m_NotifyBlocked) {
            m_Repaint();
            return;
        }
        m_LastReported = m_Pos;
        m_Notify(SPN_GRAB);
        return;
    }
    const int state = m_OnThumb ? 2 : 1;
    if (state != m_ThumbState) {
        m_ThumbState = state;
        m_Dirty = 1;
    }
    const int hovered = m_OnThumb ? -1 : m_ValueAtX(pt.x);
    if (hovered != m_LastReported) {
        m_ReportPos = m_LastReported = hovered;
        if (!m_NotifyBlocked) m_Notify(SPN_MOVE);
    }
    m_Repaint();
}

void CSliderPlus::m_OnMouseLeave()
{
    if (m_MouseInside || m_ThumbState != 1) {
        m_ThumbState = 1;
        m_MouseInside = 0;
        m_HitPart = SLIDER_PART_NONE;
        m_OnThumb = 0;
        m_ReportPos = -1;
        m_Dirty = 1;
        m_Repaint();
    }
    if (m_AutoHide && !(m_KeepThumbForSelection && m_SelectionSet))
        m_SetThumbVisible(0, m_ThumbFade, 1);
    m_Notify(SPN_LEAVE);
}

void CSliderPlus::m_OnTimer(UINT_PTR id)
{
    switch (id) {
        case kTimerBlock:
            KillTimer(m_hWnd, kTimerBlock);
            m_LeftBlocked = m_RightBlocked = 0;
            return;
        case kTimerThumbIn:
            m_ThumbAlpha += m_FadeStep(m_FadeSteps(m_ThumbFadeInSteps));
            if (m_ThumbAlpha >= 255) {
                m_ThumbAlpha = 255;
                KillTimer(m_hWnd, kTimerThumbIn);
            }
            break;
        case kTimerThumbOut:
            m_ThumbAlpha -= m_FadeStep(m_FadeSteps(m_ThumbFadeOutSteps));
            if (m_ThumbAlpha < 1) {
                m_ThumbAlpha = 0;
                KillTimer(m_hWnd, kTimerThumbOut);
            }
            break;
        case kTimerHighlight: {
            const int up = m_FadeStep(m_FadeSteps(m_HlFadeInSteps));
            const int down = m_FadeStep(m_FadeSteps(m_HlFadeOutSteps));
            int done = 1;
            for (int k = 0; k < 3; ++k) {
                if (m_Alpha[k] < m_AlphaTarget[k])
                    m_Alpha[k] = std::min(m_AlphaTarget[k], m_Alpha[k] + up);
                else if (m_Alpha[k] > m_AlphaTarget[k])
                    m_Alpha[k] = std::max(m_AlphaTarget[k], m_Alpha[k] - down);
                done &= m_Alpha[k] == m_AlphaTarget[k];
            }
            if (done) KillTimer(m_hWnd, kTimerHighlight);
            break;
        }
        default:
            return;
    }
    m_Dirty = 1;
    m_Repaint();
}
