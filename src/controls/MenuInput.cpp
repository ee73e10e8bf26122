// Popup menu mouse input: the message map, the hit test of items and their
// parts, presses, releases, drags of items, the scroll bar and the wheel.
#include "controls/MenuInput.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdlib>

#include "controls/MenuMath.h"
#include "controls/MenuPaint.h"
#include "controls/MenuPlus.h"

namespace {

// Time of the last wheel message of any popup.
bool s_HaveWheel = false;
DWORD s_LastWheel = 0;

enum { BUTTON_LEFT = 1, BUTTON_RIGHT = 2, BUTTON_MIDDLE = 4 };

bool m_Inside(const RECT& r, POINT pt) { return PtInRect(&r, pt) != 0; }

bool m_InBody(const CMenuPlus& p, POINT local)
{
    return local.x >= 0 && local.y >= 0 && local.x < p.m_Width && local.y < p.m_WindowHeight;
}

bool m_OnScrollBar(const CMenuPlus& p, POINT local)
{
    const RECT& b = p.m_ScrollBarRect;
    return p.m_Scrolling && local.x >= b.left && local.y >= b.top && local.y < b.bottom;
}

// The part of an item under a content point, in the order the parts are tested.
UINT m_PartAt(const CMenuPlus& p, const SMENUITEMENTRY* e, POINT c)
{
    const SMENUITEM& it = e->Item;
    if (it.HasSubmenu && !it.SplitSubmenu) return MENUSEL_BODY;
    if (m_Inside(e->CheckRect, c)) return MENUSEL_LEFT;
    if (m_Inside(e->SubmenuRect, c)) return MENUSEL_SUBMENU;
    if (m_Inside(e->ConfirmRect, c))
        return p.m_ConfirmArmed ? MENUSEL_CONFIRM : MENUSEL_CONFIRMFIRST;
    if (m_Inside(e->GripRect, c)) return MENUSEL_GRIP;
    if (m_Inside(e->ExpanderRect, c)) return MENUSEL_EXPANDER;
    if (m_Inside(e->ExtraRect, c)) return MENUSEL_EXTRA;
    if (m_Inside(e->LevelEndRect[1], c)) return MENUSEL_LEVELRIGHT;
    if (m_Inside(e->LevelEndRect[0], c)) return MENUSEL_LEVELLEFT;
    return MENUSEL_BODY;
}

// The first item whose bottom is at or below content y; -1 below the last.
int m_ItemAt(const CMenuPlus& p, int y)
{
    for (int i = 0; i < p.m_ItemCount; ++i) {
        const SMENUITEMENTRY* e = p.m_pItems[i];
        if (e->Height > 0 && e->Rect.bottom >= y) return i;
    }
    return -1;
}

// The popup of this one's chain under the cursor takes a mouse message
// that reached this one by the capture; pt becomes its client point.
CMenuPlus* m_MouseTarget(CMenuPlus* self, POINT* pt)
{
    if (self->m_Embedded || !self->m_GetHwnd()) return self;
    POINT screen = *pt;
    ClientToScreen(self->m_GetHwnd(), &screen);
    CMenuPlus* found = nullptr;
    for (CMenuPlus* q = self->m_Root(); q; q = q->m_pOpenSub)
        if (q->m_Shown && q->m_GetHwnd() && m_Inside(q->m_WindowRect, screen)) found = q;
    if (!found || found == self) return self;
    ScreenToClient(found->m_GetHwnd(), &screen);
    *pt = screen;
    return found;
}

void m_CancelPress(CMenuPlus& p)
{
    p.m_Pressing = 0;
    p.m_PressedIndex = -1;
    if (p.m_GetHwnd()) KillTimer(p.m_GetHwnd(), MENUTIMER_LONGPRESS);
}

// Lock and ignore-once bits of the root for a button; true when the press
// is to be ignored.
bool m_PressBlocked(CMenuPlus& p, UINT bit)
{
    CMenuPlus* root = p.m_Root();
    if (root->m_PressLockBits & bit) return true;
    if (root->m_PressIgnoreBits & bit) {
        root->m_PressIgnoreBits &= ~bit;
        p.m_Redraw(-1, 0);
        return true;
    }
    return false;
}

void m_StartDrag(CMenuPlus& p)
{
    int first = p.m_SelIndex, last = p.m_SelIndex;
    while (first > 0 && p.m_pItems[first - 1]->Item.Movable) --first;
    while (last + 1 < p.m_ItemCount && p.m_pItems[last + 1]->Item.Movable) ++last;
    p.m_Dragging = 1;
    p.m_DragFrom = p.m_SelIndex;
    p.m_DropIndex = -1;
    p.m_MovableFirst = first;
    p.m_MovableLast = last;
    p.m_Layout(0, 0);
}

void m_UpdateDrop(CMenuPlus& p, POINT local)
{
    int drop = -1;
    if (local.x >= 0 && local.x < p.m_Width)
        drop = m_MenuDropIndex(p.m_pItems, p.m_MovableFirst, p.m_MovableLast,
                               m_MenuContentY(p, local.y), p.m_Metrics.RowHeight);
    if (drop == p.m_DropIndex) return;
    p.m_DropIndex = drop;
    p.m_Redraw(-1, 0);
}

void m_EndDrag(CMenuPlus& p)
{
    const int from = p.m_DragFrom, drop = p.m_DropIndex;
    p.m_Dragging = 0;
    p.m_DragFrom = p.m_DropIndex = -1;
    p.m_MovableFirst = p.m_MovableLast = -1;
    if (drop >= 0 && drop != from && drop != from + 1 && p.m_IsValidIndex(from)) {
        SMENUNOTIFY n;
        p.m_FillNotify(&n, from);
        n.ToIndex = drop;
        // The owner moves the item; the popup keeps its order.
        p.m_SendCommand(MENUCODE_MOVED, &n);
        p.m_SelIndex = std::min(drop, p.m_ItemCount - 1);
    }
    p.m_HitTest(nullptr);
    p.m_Layout(0, 0);
    p.m_Redraw(-1, 0);
}

// A press on the scroll bar: the thumb starts a drag, the track jumps.
void m_PressScrollBar(CMenuPlus& p, POINT local)
{
    const int trackTop = p.m_ScrollBarRect.top + p.m_Metrics.ScrollBarInset;
    const int thumbTop = trackTop + p.m_ThumbPos;
    if (local.y >= thumbTop && local.y < thumbTop + p.m_ThumbLength) {
        p.m_ThumbDragging = 1;
        p.m_ThumbDragY = local.y;
        p.m_ThumbDragStart = p.m_ThumbPos;
        if (!p.m_Embedded) SetCapture(p.m_GetHwnd());
        return;
    }
    const int thumb = std::clamp(int(local.y) - trackTop - p.m_ThumbLength / 2, 0, p.m_ThumbRange);
    m_MenuScrollTo(p, p.m_ThumbToOffset(thumb), p.m_SmoothScroll != 0);
}

void m_DragThumb(CMenuPlus& p, POINT local)
{
    const int dy = local.y - p.m_ThumbDragY;
    if (std::abs(dy) < 3 && p.m_ThumbPos == p.m_ThumbDragStart) return;
    const int thumb = std::clamp(p.m_ThumbDragStart + dy, 0, p.m_ThumbRange);
    const int offset = p.m_ThumbToOffset(thumb);
    if (p.m_SmoothScroll && std::abs(offset - p.m_ScrollOffset) > 16) {
        m_MenuScrollTo(p, offset, true);
        return;
    }
    if (p.m_GetHwnd()) KillTimer(p.m_GetHwnd(), MENUTIMER_SCROLL);
    p.m_ScrollTarget = -1;
    p.m_SetScrollOffset(offset);
    p.m_ThumbPos = thumb;
    p.m_Redraw(-1, 0);
}

// Shared start of a button press; false when the press goes no further.
bool m_BeginPress(CMenuPlus& p, POINT pt, UINT bit, UINT dismiss)
{
    if (p.m_ScrollTarget >= 0) return false;
    p.m_HitTest(&pt);
    const POINT local = m_MenuLocalPoint(p, pt);
    CMenuPlus* root = p.m_Root();
    if (root->m_IsOverPopup && p.m_SelIndex < 0 && !m_InBody(p, local)) {
        p.m_Dismiss(MENUDISMISS_LEFT);
        return false;
    }
    if (m_PressBlocked(p, bit)) return false;
    if (bit != BUTTON_MIDDLE && m_OnScrollBar(p, local) && m_InBody(p, local)) {
        if (bit == BUTTON_LEFT) m_PressScrollBar(p, local);
        return false;
    }
    if (p.m_SelIndex < 0) {
        // Only a press outside the popup ends the menu, not one on its padding.
        if (m_InBody(p, local) || !p.m_Shown) return false;
        if (bit == BUTTON_MIDDLE)
            p.m_DismissPassingMiddle();
        else if (!p.m_Embedded || bit == BUTTON_RIGHT)
            p.m_Dismiss(dismiss);
        return false;
    }
    return true;
}

void m_PressItem(CMenuPlus& p, UINT repeatMode)
{
    p.m_PressedIndex = p.m_SelIndex;
    p.m_PressedState = p.m_SelState;
    p.m_Pressing = 1;
    p.m_SendSelChanged();
    p.m_Redraw(-1, 0);
    const HWND hwnd = p.m_GetHwnd();
    if (repeatMode && (p.m_SelState == MENUSEL_LEVELLEFT || p.m_SelState == MENUSEL_LEVELRIGHT)) {
        p.m_RepeatMode = repeatMode;
        p.m_ChooseItem(repeatMode == 2 ? 1 : 0, 0);
        if (hwnd) SetTimer(hwnd, MENUTIMER_REPEATFIRST, p.m_RepeatDelay, nullptr);
    } else if (p.m_LongPressTime >= 1 && hwnd) {
        SetTimer(hwnd, MENUTIMER_LONGPRESS, UINT(p.m_LongPressTime), nullptr);
    }
    if (hwnd && !p.m_Embedded) SetCapture(hwnd);
}

// The release of a press on an item: chooses it when it is still the pressed one.
void m_ReleaseItem(CMenuPlus& p, POINT pt, UINT modifier)
{
    const int pressed = p.m_PressedIndex;
    p.m_Pressing = 0;
    if (p.m_Embedded) ReleaseCapture();
    if (p.m_GetHwnd()) KillTimer(p.m_GetHwnd(), MENUTIMER_LONGPRESS);
    if (p.m_RepeatMode) {
        if (p.m_GetHwnd()) {
            KillTimer(p.m_GetHwnd(), MENUTIMER_REPEATFIRST);
            KillTimer(p.m_GetHwnd(), MENUTIMER_REPEAT);
        }
        p.m_RepeatMode = 0;
        p.m_PressedIndex = -1;
        p.m_Redraw(-1, 0);
        return;
    }
    p.m_HitTest(&pt);
    p.m_PressedIndex = -1;
    if (pressed < 0 || pressed != p.m_SelIndex) {
        p.m_SendSelChanged();
        p.m_Redraw(-1, 0);
        return;
    }
    if (p.m_SelState == MENUSEL_CONFIRMFIRST) {
        // The first click on a confirming part only arms it.
        p.m_ConfirmArmed = 1;
        p.m_SelState = MENUSEL_CONFIRM;
        p.m_OnSelChanged(0, 1, 0);
        p.m_Redraw(-1, 0);
        return;
    }
    p.m_ChooseItem(modifier, 0);
}

POINT m_Point(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

}  // namespace

POINT m_MenuLocalPoint(const CMenuPlus& p, POINT client)
{
    const POINT o = m_MenuBodyOrigin(p);
    return POINT{client.x - o.x, client.y - o.y};
}

int m_MenuContentY(const CMenuPlus& p, int localY) { return localY + p.m_ScrollOffset; }

int m_MenuRowPitch(const CMenuPlus& p) { return p.m_Metrics.RowHeight + p.m_Metrics.RowGap; }

void m_MenuEndWithoutChoice(CMenuPlus& p)
{
    CMenuPlus* root = p.m_Root();
    root->m_Result = -1;
    root->m_EndTrack();
}

BOOL CMenuPlus::m_ProcessWindowMessage(HWND, UINT msg, WPARAM wParam, LPARAM lParam,
                                       LRESULT& result)
{
    result = 0;
    switch (msg) {
        case WM_PAINT:
            m_OnPaint();
            return TRUE;
        case WM_ERASEBKGND:
        case WM_SIZE:
        case WM_NOTIFY:
        case WM_ENABLE:
        case WM_CREATE:
        case WM_DESTROY:
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_ACTIVATE:
        case WM_SHOWWINDOW:
            return TRUE;
        case WM_MOUSEACTIVATE:
            result = MA_NOACTIVATE;
            return TRUE;
        case WM_MOUSEMOVE:
            m_OnMouseMove(wParam, m_Point(lParam));
            return TRUE;
        case WM_MOUSELEAVE:
            m_OnMouseLeave();
            return TRUE;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            m_OnLButtonDown(wParam, m_Point(lParam));
            return TRUE;
        case WM_LBUTTONUP:
            m_OnLButtonUp(wParam, m_Point(lParam));
            return TRUE;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            m_OnRButtonDown(wParam, m_Point(lParam));
            return TRUE;
        case WM_RBUTTONUP:
            m_OnRButtonUp(wParam, m_Point(lParam));
            return TRUE;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            m_OnMButtonDown(wParam, m_Point(lParam));
            return TRUE;
        case WM_MBUTTONUP:
            m_OnMButtonUp(wParam, m_Point(lParam));
            return TRUE;
        case WM_MOUSEWHEEL:
            m_OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam));
            return TRUE;
        case WM_KEYDOWN:
            m_OnKeyDown(UINT(wParam), lParam);
            return TRUE;
        case WM_KEYUP:
            m_OnKeyUp(UINT(wParam), lParam);
            return TRUE;
        case WM_TIMER:
            m_OnTimer(wParam);
            return TRUE;
        default:
            return FALSE;
    }
}

int CMenuPlus::m_HitTest(const POINT* pt)
{
    CMenuPlus* root = m_Root();
    if (m_Locked) {
        CMenuPlus* over = root->m_pOverPopup;
        if (over && over->m_GetHwnd() && GetCapture() != over->m_GetHwnd())
            SetCapture(over->m_GetHwnd());
        return 0;
    }
    POINT screen;
    if (!GetCursorPos(&screen)) screen = POINT{0, 0};
    if (m_pOpenSub && m_pOpenSub->m_Shown && m_Inside(m_pOpenSub->m_WindowRect, screen)) {
        m_OnMouseLeave();
        return 0;
    }
    POINT client = screen;
    if (pt)
        client = *pt;
    else if (m_hWnd)
        ScreenToClient(m_hWnd, &client);
    const POINT local = m_MenuLocalPoint(*this, client);
    if (!m_InBody(*this, local)) {
        if (m_Entered) m_OnMouseLeave();
        return 0;
    }
    if (!m_Entered) {
        m_Entered = 1;
        root->m_hWndKeyTarget = m_hWnd;
        if (m_FadeOnLeave && m_hWnd) {
            SetTimer(m_hWnd, MENUTIMER_DIMOUT, 16, nullptr);
            SetTimer(m_hWnd, MENUTIMER_OPACITY, m_FadePeriod, nullptr);
        }
    }
    int index = m_SelIndex;
    UINT state = m_SelState;
    const UINT hover = m_OnScrollBar(*this, local) ? 1 : 0;
    if (!hover && m_ScrollTarget < 0) {
        const POINT c = {local.x, m_MenuContentY(*this, local.y)};
        index = m_ItemAt(*this, c.y);
        state = index >= 0 ? m_PartAt(*this, m_pItems[index], c) : UINT(MENUSEL_BODY);
    }
    const bool changed = index != m_SelIndex || state != m_SelState || hover != m_ScrollBarHover;
    if (hover != m_ScrollBarHover) {
        m_ScrollBarHover = hover;
        m_MenuStartScrollBarFade(*this);
    }
    m_SelIndex = index;
    m_SelState = state;
    return changed ? 1 : 0;
}

void CMenuPlus::m_OnMouseMove(WPARAM keys, POINT pt)
{
    // A press, a drag or a thumb drag stays with the popup where it began.
    const bool held = m_Pressing || m_Dragging || m_ThumbDragging;
    CMenuPlus* target = held ? this : m_MouseTarget(this, &pt);
    if (target != this) {
        if (m_Entered) m_OnMouseLeave();
        target->m_OnMouseMove(keys, pt);
        return;
    }
    CMenuPlus* root = m_Root();
    if (!m_Shown || root->m_MovingChain || m_FadingIn || m_SlideOffset > 0) return;
    POINT screen = pt;
    if (m_hWnd) ClientToScreen(m_hWnd, &screen);
    if (root->m_KeyboardMode) {
        const int dx = screen.x - root->m_KeyboardPoint.x, dy = screen.y - root->m_KeyboardPoint.y;
        if (dx * dx + dy * dy < 100) return;
        root->m_KeyboardMode = 0;
    }
    root->m_NavigatedByKeys = 0;
    if (m_ThumbDragging) {
        m_DragThumb(*this, m_MenuLocalPoint(*this, pt));
        return;
    }
    if (m_Dragging) {
        m_UpdateDrop(*this, m_MenuLocalPoint(*this, pt));
        return;
    }
    if (m_HitTest(&pt)) {
        if (m_Pressing && m_SelIndex != m_PressedIndex) m_CancelPress(*this);
        if (m_SelState != MENUSEL_CONFIRM && m_SelState != MENUSEL_CONFIRMFIRST) m_ConfirmArmed = 0;
        m_OnSelChanged(1, 1, 0);
        m_Redraw(-1, 0);
    }
    if (m_SelIndex < 0 || m_pOpenSub) {
        for (CMenuPlus* q = root; q; q = q->m_pOpenSub)
            if (q->m_Shown && m_Inside(q->m_WindowRect, screen))
                root->m_hWndKeyTarget = q->m_GetHwnd();
    }
}

void CMenuPlus::m_OnMouseLeave()
{
    if (!m_Entered) return;
    m_Entered = 0;
    if (!m_Locked) {
        m_SelIndex = -1;
        m_SelState = MENUSEL_BODY;
    }
    if (m_ScrollBarHover) {
        m_ScrollBarHover = 0;
        m_MenuStartScrollBarFade(*this);
    }
    CMenuPlus* root = m_Root();
    if (m_IsSubmenu && root->m_hWndKeyTarget == m_hWnd) root->m_hWndKeyTarget = root->m_hWndChain;
    m_OnSelChanged(1, 1, 0);
    if (m_FadeOnLeave && m_hWnd) {
        SetTimer(m_hWnd, MENUTIMER_DIMIN, 16, nullptr);
        SetTimer(m_hWnd, MENUTIMER_OPACITY, m_FadePeriod, nullptr);
    }
    m_Redraw(-1, 0);
}

void CMenuPlus::m_OnLButtonDown(WPARAM keys, POINT pt)
{
    CMenuPlus* target = m_MouseTarget(this, &pt);
    if (target != this) return target->m_OnLButtonDown(keys, pt);
    if (!m_BeginPress(*this, pt, BUTTON_LEFT, MENUDISMISS_LEFT)) return;
    if (m_SelState == MENUSEL_GRIP && m_pItems[m_SelIndex]->Item.Movable) m_StartDrag(*this);
    m_PressItem(*this, 1);
}

void CMenuPlus::m_OnLButtonUp(WPARAM keys, POINT pt)
{
    CMenuPlus* target = m_MouseTarget(this, &pt);
    if (target != this && !m_Pressing && !m_Dragging && !m_ThumbDragging)
        return target->m_OnLButtonUp(keys, pt);
    if (m_ThumbDragging) {
        m_ThumbDragging = 0;
        m_Redraw(-1, 0);
        return;
    }
    if (!m_Dragging) return m_ReleaseItem(*this, pt, (keys & MK_CONTROL) ? 1 : 0);
    m_Pressing = 0;
    m_PressedIndex = -1;
    if (m_hWnd) KillTimer(m_hWnd, MENUTIMER_LONGPRESS);
    m_EndDrag(*this);
}

void CMenuPlus::m_OnRButtonDown(WPARAM keys, POINT pt)
{
    CMenuPlus* target = m_MouseTarget(this, &pt);
    if (target != this) return target->m_OnRButtonDown(keys, pt);
    if (!m_BeginPress(*this, pt, BUTTON_RIGHT, MENUDISMISS_RIGHT)) return;
    m_PressItem(*this, 2);
}

void CMenuPlus::m_OnRButtonUp(WPARAM keys, POINT pt)
{
    CMenuPlus* target = m_MouseTarget(this, &pt);
    if (target != this && !m_Pressing) return target->m_OnRButtonUp(keys, pt);
    m_ReleaseItem(*this, pt, 1);
}

void CMenuPlus::m_OnMButtonDown(WPARAM keys, POINT pt)
{
    CMenuPlus* target = m_MouseTarget(this, &pt);
    if (target != this) return target->m_OnMButtonDown(keys, pt);
    if (!m_BeginPress(*this, pt, BUTTON_MIDDLE, 0)) return;
    m_PressItem(*this, 0);
}

void CMenuPlus::m_OnMButtonUp(WPARAM keys, POINT pt)
{
    CMenuPlus* target = m_MouseTarget(this, &pt);
    if (target != this && !m_Pressing) return target->m_OnMButtonUp(keys, pt);
    const int pressed = m_PressedIndex;
    m_Pressing = 0;
    m_PressedIndex = -1;
    if (m_hWnd) KillTimer(m_hWnd, MENUTIMER_LONGPRESS);
    m_HitTest(&pt);
    if (pressed >= 0 && pressed == m_SelIndex)
        m_ChooseItem(2, 0);
    else
        m_Redraw(-1, 0);
}

void CMenuPlus::m_OnMouseWheel(int delta)
{
    const DWORD now = GetMessageTime();
    const int steps = m_MenuWheelSteps(delta, s_HaveWheel, now - s_LastWheel);
    s_HaveWheel = true;
    s_LastWheel = now;
    if (!m_Scrolling) return;
    if (m_pOpenSub) m_CloseSubmenu();
    const int distance = 2 * steps * m_MenuRowPitch(*this);
    const int from = m_SmoothScroll && m_ScrollTarget >= 0 ? m_ScrollTarget : m_ScrollOffset;
    m_MenuScrollTo(*this, from + distance, m_SmoothScroll != 0);
}
