// The image button's life cycle, message map, setters, presses and fades.
#include "controls/ButtonPlus.h"

#include <windowsx.h>

namespace {
enum { kTimerBlock = 1, kTimerFrameFade = 2, kTimerHoverIn = 3, kTimerHoverOut = 4 };
enum { kLeft = 0, kRight = 1, kMiddle = 2 };

// Down, up and click codes by button.
const WORD kDownCode[3] = {BPN_LDOWN, BPN_RDOWN, BPN_MDOWN};
const WORD kUpCode[3] = {BPN_LUP, BPN_RUP, BPN_MUP};
const WORD kClickCode[3] = {BPN_CLICK, BPN_RCLICK, BPN_MCLICK};
}  // namespace

CButtonPlus::CButtonPlus()
    : m_FrameCount(0),
      m_CurrentFrame(0),
      m_PreviousFrame(0),
      m_ImageOffsetX(0),
      m_ImageOffsetY(0),
      m_Dirty(1),
      m_DrawStyle(11),
      m_VariantBits(0),
      m_BackColor(GetSysColor(COLOR_3DFACE)),
      m_Width(0),
      m_Height(0),
      m_Id(0),
      m_Parent(nullptr),
      m_Hover(0),
      m_LeftPressed(0),
      m_RightPressed(0),
      m_MiddlePressed(0),
      m_Enabled(1),
      m_Icon(nullptr),
      m_DisabledIcon(nullptr),
      m_IconWidth(0),
      m_IconHeight(0),
      m_IconOffsetX(0),
      m_IconOffsetY(0),
      m_Checked(0),
      m_LeftBlocked(0),
      m_RightBlocked(0),
      m_RightNotices(1),
      m_RightLooksPressed(1),
      m_HotWhenIdle(0),
      m_FrameFadeAlpha(0),
      m_FrameFadeStep(0),
      m_HoverFadeOn(1),
      m_FadeInterval(16),
      m_HoverFadeInSteps(3),
      m_HoverFadeOutSteps(6),
      m_HoverAlpha(0),
      m_HoverStep(0)
{
}

CButtonPlus::~CButtonPlus()
{
    m_DestroyWindow();
    if (m_DisabledIcon) DestroyIcon(m_DisabledIcon);
}

HWND CButtonPlus::m_Create(HWND parent, UINT id)
{
    m_Id = id;
    m_Parent = parent;
    return m_CreateWindow(parent, kControlClass, kControlClassStyle, WS_CHILD | WS_VISIBLE, 0, 0, 0,
                          0, 0, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)));
}

BOOL CButtonPlus::m_ProcessWindowMessage(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                         LRESULT& result)
{
    const POINT pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    result = 0;
    switch (msg) {
        case WM_PAINT:
            if (m_Dirty) m_Compose();
            m_PaintImage(&m_StateImage);
            return TRUE;
        case WM_ERASEBKGND:
        case WM_NOTIFY:
        case WM_CREATE:
        case WM_DESTROY:
            return TRUE;
        case WM_SIZE:
            m_Width = LOWORD(lParam);
            m_Height = HIWORD(lParam);
            if (m_StateImage.m_Width != m_Width || m_StateImage.m_Height != m_Height) m_Dirty = 1;
            return TRUE;
        case WM_ENABLE:
            m_SetEnable(static_cast<int>(wParam));
            return TRUE;
        case WM_KILLFOCUS:
            if (m_Hover || m_LeftPressed || m_RightPressed) {
                m_Hover = m_LeftPressed = m_RightPressed = 0;
                m_Invalidate();
            }
            return TRUE;
        case WM_TIMER:
            m_OnTimer(wParam);
            return TRUE;
        case WM_MOUSEMOVE:
            m_OnMouseMove();
            return TRUE;
        case WM_MOUSELEAVE:
            m_OnMouseLeave();
            return TRUE;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            m_OnDown(msg == WM_LBUTTONDOWN ? kLeft : msg == WM_RBUTTONDOWN ? kRight : kMiddle, 0);
            return TRUE;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            m_OnUp(msg == WM_LBUTTONUP ? kLeft : msg == WM_RBUTTONUP ? kRight : kMiddle, pt);
            return TRUE;
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
            // A double click counts as a second press.
            SendMessageW(hWnd, msg - (WM_LBUTTONDBLCLK - WM_LBUTTONDOWN), wParam, lParam);
            return TRUE;
        case WM_KEYDOWN:
        case WM_KEYUP:
            result = SendMessageW(m_Parent, msg, wParam, lParam);
            return TRUE;
    }
    return FALSE;
}

void CButtonPlus::m_Send(WORD code)
{
    if (m_Parent)
        SendMessageW(m_Parent, WM_COMMAND, MAKEWPARAM(m_Id, code),
                     reinterpret_cast<LPARAM>(m_hWnd));
}

void CButtonPlus::m_Invalidate()
{
    m_Dirty = 1;
    if (m_hWnd) InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CButtonPlus::m_RepaintNow()
{
    m_Invalidate();
    if (m_hWnd) UpdateWindow(m_hWnd);
}

void CButtonPlus::m_OnDown(int which, int)
{
    if (!m_Enabled) return;
    if (which == kLeft ? m_LeftBlocked : (!m_RightNotices || m_RightBlocked)) return;
    m_LeftPressed = which == kLeft;
    m_RightPressed = which == kRight;
    m_MiddlePressed = which == kMiddle;
    SetCapture(m_hWnd);
    if (which == kRight)
        m_RepaintNow();
    else
        m_Invalidate();
    m_Send(kDownCode[which]);
}

void CButtonPlus::m_OnUp(int which, POINT pt)
{
    int& pressed = which == kLeft    ? m_LeftPressed
                   : which == kRight ? m_RightPressed
                                     : m_MiddlePressed;
    if (!pressed) return;
    pressed = 0;
    if (GetCapture() == m_hWnd) ReleaseCapture();
    m_Invalidate();
    m_Send(kUpCode[which]);
    RECT client;
    GetClientRect(m_hWnd, &client);
    if (PtInRect(&client, pt)) m_Send(kClickCode[which]);
}

void CButtonPlus::m_OnMouseMove()
{
    if (m_Hover) return;
    m_Hover = 1;
    TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, m_hWnd, 0};
    TrackMouseEvent(&tme);
    if (m_HoverFadeOn && !m_LeftBlocked && !m_RightBlocked) {
        m_HoverStep = m_FadeStep(m_FadeSteps(m_HoverFadeInSteps));
        if (m_HoverAlpha == 0) {
            m_HoverAlpha = m_HoverStep;
            SetTimer(m_hWnd, kTimerHoverIn, m_FadeInterval, nullptr);
        } else {
            KillTimer(m_hWnd, kTimerHoverOut);
            m_HoverAlpha = m_HoverAlpha + m_HoverStep >= 255 ? 255 : m_HoverAlpha + m_HoverStep;
            if (m_HoverAlpha < 255) SetTimer(m_hWnd, kTimerHoverIn, m_FadeInterval, nullptr);
        }
    } else {
        KillTimer(m_hWnd, kTimerHoverOut);
        m_HoverAlpha = 255;
    }
    m_RepaintNow();
}

void CButtonPlus::m_OnMouseLeave()
{
    if (!m_Hover) return;
    m_Hover = 0;
    m_RightPressed = 0;
    POINT cursor;
    RECT window;
    GetCursorPos(&cursor);
    GetWindowRect(m_hWnd, &window);
    if (m_HoverFadeOn && !PtInRect(&window, cursor)) {
        m_HoverStep = m_FadeStep(m_FadeSteps(m_HoverFadeOutSteps));
        if (m_HoverAlpha >= 255) {
            m_HoverAlpha = 255 - m_HoverStep;
            SetTimer(m_hWnd, kTimerHoverOut, m_FadeInterval, nullptr);
        } else {
            KillTimer(m_hWnd, kTimerHoverIn);
            m_HoverAlpha = m_HoverAlpha - m_HoverStep <= 0 ? 0 : m_HoverAlpha - m_HoverStep;
            if (m_HoverAlpha > 0) SetTimer(m_hWnd, kTimerHoverOut, m_FadeInterval, nullptr);
        }
    } else {
        KillTimer(m_hWnd, kTimerHoverIn);
        m_HoverAlpha = 0;
    }
    m_RepaintNow();
}

void CButtonPlus::m_OnTimer(UINT_PTR id)
{
    switch (id) {
        case kTimerBlock:
            KillTimer(m_hWnd, kTimerBlock);
            m_LeftBlocked = m_RightBlocked = 0;
            return;
        case kTimerFrameFade:
            m_FrameFadeAlpha -= m_FrameFadeStep;
            if (m_FrameFadeAlpha < 1) {
                m_FrameFadeAlpha = 0;
                KillTimer(m_hWnd, kTimerFrameFade);
            }
            break;
        case kTimerHoverIn:
            m_HoverAlpha += m_HoverStep;
            if (m_HoverAlpha >= 255) {
                m_HoverAlpha = 255;
                KillTimer(m_hWnd, kTimerHoverIn);
            }
            break;
        case kTimerHoverOut:
            m_HoverAlpha -= m_HoverStep;
            if (m_HoverAlpha < 1) {
                m_HoverAlpha = 0;
                KillTimer(m_hWnd, kTimerHoverOut);
            }
            break;
        default:
            return;
    }
    m_RepaintNow();
}
