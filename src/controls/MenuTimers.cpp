// Popup menu timers: fades and the slide-in, the inactive opacity and the
// dim overlay, long presses and repetition, submenu delays, smooth
// scrolling, highlight and scroll-bar fades, and the debug overlay.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "controls/MenuInput.h"
#include "controls/MenuPaint.h"
#include "controls/MenuPlus.h"
#include "settings/Settings.h"

namespace {

// Where the cursor was before a long press nudged it.
POINT s_NudgeFrom = {0, 0};

int m_CeilDiv(int a, int b) { return b > 0 ? (a + b - 1) / b : a; }

double m_SlideDivisor(const CMenuPlus& p)
{
    const int f = g_Settings.Main_FadeTest;
    return f ? (p.m_SlideDivisor - 1.0) / f + 1.0 : p.m_SlideDivisor;
}

void m_FadeInStep(CMenuPlus& p)
{
    const int step = m_CeilDiv(int(p.m_Alpha), m_FadeSteps(p.m_FadeInSteps));
    const UINT alpha = std::min(p.m_Alpha, p.m_CurAlpha + UINT(step));
    p.m_SlideOffset = int(p.m_SlideOffset / m_SlideDivisor(p));
    p.m_SetOpacity(alpha);
    if (alpha < p.m_Alpha || p.m_SlideOffset > 0) return;
    KillTimer(p.m_GetHwnd(), MENUTIMER_FADEIN);
    p.m_FadingIn = 0;
    // The pointer may already rest on an item.
    POINT pt;
    if (!GetCursorPos(&pt) || !ScreenToClient(p.m_GetHwnd(), &pt)) return;
    p.m_OnMouseMove(0, pt);
}

void m_OpacityStep(CMenuPlus& p)
{
    const UINT target = p.m_Entered ? p.m_Alpha : std::min(p.m_Alpha, p.m_InactiveAlpha);
    const int span = std::max(1, int(p.m_Alpha) - int(std::min(p.m_Alpha, p.m_InactiveAlpha)));
    int a = int(p.m_CurAlpha);
    if (a < int(target))
        a = std::min(int(target), a + m_CeilDiv(span, 4));
    else
        a = std::max(int(target), a - m_CeilDiv(span, 8));
    if (UINT(a) == target) KillTimer(p.m_GetHwnd(), MENUTIMER_OPACITY);
    p.m_SetOpacity(UINT(a));
}

void m_DimStep(CMenuPlus& p, bool in)
{
    const UINT id = in ? MENUTIMER_DIMIN : MENUTIMER_DIMOUT;
    p.m_DimAlpha = in ? std::min(255, p.m_DimAlpha + m_CeilDiv(255, 4))
                      : std::max(0, p.m_DimAlpha - m_CeilDiv(255, 8));
    if (p.m_DimAlpha == (in ? 255 : 0)) KillTimer(p.m_GetHwnd(), id);
    KillTimer(p.m_GetHwnd(), in ? MENUTIMER_DIMOUT : MENUTIMER_DIMIN);
    p.m_Redraw(-1, 1);
}

void m_LongPress(CMenuPlus& p)
{
    KillTimer(p.m_GetHwnd(), MENUTIMER_LONGPRESS);
    const int index = p.m_PressedIndex;
    p.m_PressedIndex = -1;
    p.m_Pressing = 0;
    p.m_SendSelChanged();
    p.m_Redraw(index, 0);
    if (!p.m_NudgeCursor || !GetCursorPos(&s_NudgeFrom)) return;
    // A move makes the window under the cursor notice it again.
    SetCursorPos(s_NudgeFrom.x - 1, s_NudgeFrom.y - 1);
    SetTimer(p.m_GetHwnd(), kMenuTimerNudge, 50, nullptr);
}

bool m_StillPressed(const CMenuPlus& p)
{
    return p.m_Pressing && p.m_SelIndex == p.m_PressedIndex && p.m_SelState == p.m_PressedState;
}

void m_Repeat(CMenuPlus& p, bool first)
{
    const HWND hwnd = p.m_GetHwnd();
    if (first) KillTimer(hwnd, MENUTIMER_REPEATFIRST);
    if (!m_StillPressed(p) || !p.m_RepeatMode) {
        KillTimer(hwnd, MENUTIMER_REPEAT);
        p.m_RepeatMode = 0;
        return;
    }
    p.m_ChooseItem(p.m_RepeatMode == 2 ? 1 : 0, 1);
    if (first && p.m_GetHwnd()) SetTimer(hwnd, MENUTIMER_REPEAT, p.m_RepeatPeriod, nullptr);
}

void m_OpenPending(CMenuPlus& p)
{
    KillTimer(p.m_GetHwnd(), MENUTIMER_OPENSUB);
    const int index = p.m_SubmenuPending;
    p.m_SubmenuPending = -1;
    if (p.m_IsValidIndex(index) && index == p.m_SelIndex) p.m_OpenSubmenu(index, 1);
}

void m_ClosePendingSub(CMenuPlus& p)
{
    KillTimer(p.m_GetHwnd(), MENUTIMER_CLOSESUB);
    p.m_ClosePending = 0;
    if (p.m_SelIndex >= 0 && p.m_SelIndex != p.m_OpenSubIndex) p.m_CloseSubmenu();
}

void m_Timer(CMenuPlus& p, UINT_PTR id, bool (*step)(CMenuPlus&))
{
    if (!step(p)) KillTimer(p.m_GetHwnd(), id);
    p.m_Redraw(-1, 1);
}

}  // namespace

void m_MenuScrollTo(CMenuPlus& p, int offset, bool smooth)
{
    offset = std::clamp(offset, 0, std::max(0, p.m_ScrollRange));
    const HWND hwnd = p.m_GetHwnd();
    if (smooth && hwnd && offset != p.m_ScrollOffset) {
        p.m_ScrollTarget = offset;
        SetTimer(hwnd, MENUTIMER_SCROLL, p.m_ScrollStepPeriod, nullptr);
        return;
    }
    if (hwnd) KillTimer(hwnd, MENUTIMER_SCROLL);
    p.m_ScrollTarget = -1;
    if (offset == p.m_ScrollOffset) return;
    p.m_SetScrollOffset(offset);
    m_MenuRehover(p);
}

bool m_MenuScrollStep(CMenuPlus& p)
{
    if (p.m_ScrollTarget < 0) return false;
    const int rest = p.m_ScrollTarget - p.m_ScrollOffset;
    const int f = g_Settings.Main_FadeTest;
    const double divisor = std::max(1.0, p.m_ScrollDivisor * (f ? f : 1));
    int step = int(rest / divisor);
    if (step == 0 && rest != 0) step = rest > 0 ? 1 : -1;
    p.m_SetScrollOffset(p.m_ScrollOffset + step);
    if (p.m_ScrollOffset != p.m_ScrollTarget) return true;
    p.m_ScrollTarget = -1;
    return false;
}

void m_MenuRehover(CMenuPlus& p)
{
    p.m_Dirty |= MENUDIRTY_PICTURE;
    // Keys moved the list: the item under a resting pointer is no choice.
    if (p.m_Shown && p.m_RehoverAfterScroll && !p.m_Root()->m_KeyboardMode && p.m_Entered &&
        p.m_HitTest(nullptr))
        p.m_OnSelChanged(1, 1, 0);
    p.m_Redraw(-1, 0);
}

void CMenuPlus::m_OnTimer(UINT_PTR id)
{
    switch (id) {
        case MENUTIMER_FADEIN:
            m_FadeInStep(*this);
            break;
        case MENUTIMER_FADEOUT:
            m_OnFadeOutTick();
            break;
        case MENUTIMER_OPACITY:
            m_OpacityStep(*this);
            break;
        case MENUTIMER_LONGPRESS:
            m_LongPress(*this);
            break;
        case MENUTIMER_PRESSLOCK:
            KillTimer(m_hWnd, id);
            m_Root()->m_PressLockBits = 0;
            break;
        case MENUTIMER_OPENSUB:
            m_OpenPending(*this);
            break;
        case MENUTIMER_CLOSESUB:
            m_ClosePendingSub(*this);
            break;
        case MENUTIMER_SCROLL:
            if (!m_MenuScrollStep(*this)) {
                KillTimer(m_hWnd, id);
                m_MenuRehover(*this);
            }
            m_Redraw(-1, 1);
            break;
        case MENUTIMER_HIGHLIGHT:
            m_Timer(*this, id, m_MenuStepHighlights);
            break;
        case MENUTIMER_SCROLLBAR:
            m_Timer(*this, id, m_MenuStepScrollBarFade);
            break;
        case MENUTIMER_DIMIN:
            m_DimStep(*this, true);
            break;
        case MENUTIMER_DIMOUT:
            m_DimStep(*this, false);
            break;
        case MENUTIMER_REPEATFIRST:
            m_Repeat(*this, true);
            break;
        case MENUTIMER_REPEAT:
            m_Repeat(*this, false);
            break;
        case kMenuTimerNudge:
            KillTimer(m_hWnd, id);
            SetCursorPos(s_NudgeFrom.x, s_NudgeFrom.y);
            break;
        case MENUTIMER_DEBUG:
            m_Redraw(-1, 1);
            break;
        default:
            break;
    }
}

void CMenuPlus::m_DrawDebugOverlay(CArgbImage* img)
{
    if (!img || !img->m_IsValid()) return;
    HFONT font =
        CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
    const int id = m_IsValidIndex(m_SelIndex) ? int(m_pItems[m_SelIndex]->Item.Id) : 0;
    const HWND capture = GetCapture();
    const CMenuPlus* root = m_pRootPopup ? m_pRootPopup : this;
    wchar_t lines[13][48];
    swprintf(lines[0], 48, L"HWND=%d", int(reinterpret_cast<INT_PTR>(m_hWnd)));
    swprintf(lines[1], 48, L"MENUID=%d(0x%04X)", int(m_MenuId), m_MenuId);
    swprintf(lines[2], 48, L"ITEMID=%d(0x%04X)", id, unsigned(id));
    swprintf(lines[3], 48, L"ITEM=%d,%d", m_SelIndex, int(m_SelState));
    swprintf(lines[4], 48, L"CAP=%d", capture == m_hWnd ? 1 : 0);
    swprintf(lines[5], 48, L"ACTV=%d", root->m_hWndKeyTarget == m_hWnd ? 1 : 0);
    swprintf(lines[6], 48, L"OVER=%d", int(m_Entered));
    swprintf(lines[7], 48, L"LOCK=%d", int(m_Locked));
    swprintf(lines[8], 48, L"ROOT=%d", int(m_IsChainBase));
    swprintf(lines[9], 48, L"SUB=%d", int(m_IsSubmenu));
    swprintf(lines[10], 48, L"POP=%d", int(m_IsOverPopup));
    swprintf(lines[11], 48, L"SHOW_SUB=%d", m_pOpenSub && m_pOpenSub->m_Shown ? 1 : 0);
    swprintf(lines[12], 48, L"SHOW_POP=%d", root->m_pOverPopup && root->m_pOverPopup->m_Shown);
    HGDIOBJ old = SelectObject(img->m_hDC, font);
    SetBkMode(img->m_hDC, TRANSPARENT);
    SetTextColor(img->m_hDC, RGB(0, 0, 0));
    for (int i = 0; i < 13; ++i)
        TextOutW(img->m_hDC, 4, 1 + i * 14, lines[i], int(wcslen(lines[i])));
    SelectObject(img->m_hDC, old);
    if (font) DeleteObject(font);
    GdiFlush();
    // GDI clears the alpha of what it writes.
    for (int i = 0; i < img->m_Count; ++i) img->m_Bits[i] |= 0xC0000000u;
}
