// Popup menu keyboard input: choosing, moving the selection between
// command items and between the parts of an item, pages, submenus by keys,
// the context-menu key and keys passed on to the owner.
#include <algorithm>

#include "base/Geometry.h"
#include "controls/MenuInput.h"
#include "controls/MenuPlus.h"

namespace {

bool m_KeyDown(int vk) { return (GetKeyState(vk) & 0x8000) != 0; }

bool m_IsCommand(const CMenuPlus& p, int i)
{
    return p.m_IsValidIndex(i) && p.m_pItems[i]->Item.Kind == MENUKIND_COMMAND;
}

bool m_HasPart(const RECT& r) { return r.right > r.left && r.bottom > r.top; }

// The parts of an item from left to right, as selection states.
int m_PartsOf(const CMenuPlus& p, const SMENUITEMENTRY* e, UINT out[10])
{
    const SMENUITEM& it = e->Item;
    int n = 0;
    if (m_HasPart(e->CheckRect)) out[n++] = MENUSEL_LEFT;
    if (it.LevelBar) {
        out[n++] = MENUSEL_LEVELLEFT;
        out[n++] = MENUSEL_LEVELRIGHT;
    } else {
        out[n++] = MENUSEL_BODY;
    }
    if (m_HasPart(e->ExtraRect)) out[n++] = MENUSEL_EXTRA;
    if (m_HasPart(e->ExpanderRect)) out[n++] = MENUSEL_EXPANDER;
    if (m_HasPart(e->GripRect)) out[n++] = MENUSEL_GRIP;
    if (m_HasPart(e->ConfirmRect))
        out[n++] = p.m_ConfirmArmed ? MENUSEL_CONFIRM : MENUSEL_CONFIRMFIRST;
    if (it.SplitSubmenu && m_HasPart(e->SubmenuRect)) out[n++] = MENUSEL_SUBMENU;
    return n;
}

// Moves to the neighbouring part of the selected item; false when there is none.
bool m_StepPart(CMenuPlus& p, int dir)
{
    if (!p.m_IsValidIndex(p.m_SelIndex)) return false;
    UINT parts[10];
    const int n = m_PartsOf(p, p.m_pItems[p.m_SelIndex], parts);
    UINT state = p.m_SelState;
    if (state == MENUSEL_CONFIRM) state = MENUSEL_CONFIRMFIRST;
    int at = -1;
    for (int i = 0; i < n; ++i) {
        const UINT s = parts[i] == MENUSEL_CONFIRM ? UINT(MENUSEL_CONFIRMFIRST) : parts[i];
        if (s == state) at = i;
    }
    const int next = at + dir;
    if (at < 0 || next < 0 || next >= n) return false;
    p.m_Select(p.m_SelIndex, int(parts[next]), 1);
    return true;
}

// Closes a submenu by key; its parent selects the item it was opened from.
void m_CloseByKey(CMenuPlus& p)
{
    CMenuPlus* parent = p.m_pParentPopup;
    if (!p.m_IsSubmenu || !parent) return;
    const int index = parent->m_OpenSubIndex;
    parent->m_CloseSubmenu();
    p.m_Root()->m_hWndKeyTarget = parent->m_GetHwnd();
    parent->m_SelIndex = -1;
    parent->m_Select(index, 0, 1);
}

void m_KeyRight(CMenuPlus& p)
{
    if (m_StepPart(p, 1) || !p.m_IsValidIndex(p.m_SelIndex)) return;
    const SMENUITEM& it = p.m_pItems[p.m_SelIndex]->Item;
    // The owner may make the submenu only when it is about to open.
    if (!it.HasSubmenu || (it.Disabled && !it.SubmenuWhenDisabled)) return;
    if (p.m_OpenSubIndex != p.m_SelIndex) p.m_OpenSubmenu(p.m_SelIndex, 1);
    CMenuPlus* sub = p.m_pOpenSub;
    if (!sub || p.m_OpenSubIndex != p.m_SelIndex) return;
    p.m_Root()->m_hWndKeyTarget = sub->m_GetHwnd();
    if (!sub->m_Embedded && sub->m_GetHwnd()) SetCapture(sub->m_GetHwnd());
    // A selection the submenu was built with stays; else its first command.
    if (sub->m_SelIndex < 0 && sub->m_FirstCommand >= 0) sub->m_Select(sub->m_FirstCommand, 0, 1);
}

// The first command item whose top is at or below content y, else the last.
int m_CommandFrom(const CMenuPlus& p, int y)
{
    for (int i = p.m_FirstCommand; i >= 0 && i <= p.m_LastCommand; ++i)
        if (m_IsCommand(p, i) && p.m_pItems[i]->Rect.top >= y) return i;
    return p.m_LastCommand;
}

void m_KeyPage(CMenuPlus& p, int dir)
{
    if (!p.m_Scrolling) {
        p.m_Select(dir < 0 ? p.m_FirstCommand : p.m_LastCommand, 0, 1);
        return;
    }
    const int y = dir < 0 ? std::max(0, p.m_ScrollOffset - p.m_WindowHeight)
                          : p.m_ScrollOffset + p.m_WindowHeight;
    int index = m_CommandFrom(p, y);
    if (index == p.m_SelIndex && dir < 0) index = p.m_FirstCommand;
    p.m_Select(index, 0, 1);
}

void m_KeyContextMenu(CMenuPlus& p, bool repeat)
{
    const int index = p.m_SelIndex;
    if (repeat || !p.m_IsValidIndex(index) || !p.m_pItems[index]->Item.ContextMenu) {
        m_MenuEndWithoutChoice(p);
        return;
    }
    SMENUNOTIFY n;
    p.m_FillNotify(&n, index);
    n.Modifier = 1;
    n.Closes = 0;
    n.Item = p.m_pItems[index];
    p.m_SendCommand(MENUCODE_CONTEXTMENU, &n);
}

void m_KeyChoose(CMenuPlus& p, bool repeat)
{
    if (p.m_SelState == MENUSEL_CONFIRMFIRST) {
        p.m_ConfirmArmed = 1;
        p.m_SelState = MENUSEL_CONFIRM;
        p.m_OnSelChanged(0, 1, 0);
        p.m_Redraw(-1, 0);
        return;
    }
    p.m_ChooseItem(m_KeyDown(VK_CONTROL) ? 1 : 0, repeat ? 1 : 0);
}

void m_KeyModifier(CMenuPlus& p)
{
    CMenuPlus* root = p.m_Root();
    if (!root->m_NavigatedByKeys || !p.m_KeyPartSwitching || !p.m_IsValidIndex(p.m_SelIndex))
        return;
    const SMENUITEMENTRY* e = p.m_pItems[p.m_SelIndex];
    if (!e->Item.LevelBar && m_HasPart(e->CheckRect)) p.m_Select(p.m_SelIndex, MENUSEL_LEFT, 1);
}

void m_KeyEscape(CMenuPlus& p)
{
    if (p.m_IsSubmenu && p.m_pParentPopup)
        m_CloseByKey(p);
    else
        m_MenuEndWithoutChoice(p);
}

}  // namespace

void CMenuPlus::m_OnKeyDown(UINT vk, LPARAM lParam)
{
    const bool repeat = (lParam & (1 << 30)) != 0;
    CMenuPlus* root = m_Root();
    if (!repeat && !root->m_KeyboardMode) {
        root->m_KeyboardMode = 1;
        GetCursorPos(&root->m_KeyboardPoint);
    }
    if (vk >= VK_PRIOR && vk <= VK_DOWN) root->m_NavigatedByKeys = 1;
    switch (vk) {
        case VK_RETURN:
        case VK_SPACE:
            m_KeyChoose(*this, repeat);
            break;
        case VK_SHIFT:
        case VK_CONTROL:
            if (!repeat) m_KeyModifier(*this);
            break;
        case VK_ESCAPE:
            m_KeyEscape(*this);
            break;
        case VK_PRIOR:
            m_KeyPage(*this, -1);
            break;
        case VK_NEXT:
            m_KeyPage(*this, 1);
            break;
        case VK_HOME:
            m_Select(m_FirstCommand, 0, 1);
            break;
        case VK_END:
            m_Select(m_LastCommand, 0, 1);
            break;
        case VK_UP:
            m_MoveSelection(-1, repeat ? 0 : 1, 1);
            break;
        case VK_DOWN:
            m_MoveSelection(1, repeat ? 0 : 1, 1);
            break;
        case VK_LEFT:
            if (!m_StepPart(*this, -1)) m_CloseByKey(*this);
            break;
        case VK_RIGHT:
            m_KeyRight(*this);
            break;
        case VK_APPS:
            m_KeyContextMenu(*this, repeat);
            break;
        case VK_F10:
            if (m_KeyDown(VK_SHIFT)) m_KeyContextMenu(*this, repeat);
            break;
        default:
            if (m_hWndNotify) SendMessageW(m_hWndNotify, WM_KEYDOWN, vk, lParam);
            break;
    }
}

void CMenuPlus::m_OnKeyUp(UINT vk, LPARAM)
{
    if (vk != VK_SHIFT && vk != VK_CONTROL) return;
    if (m_Root()->m_NavigatedByKeys && m_SelState == MENUSEL_LEFT && m_IsValidIndex(m_SelIndex))
        m_Select(m_SelIndex, MENUSEL_BODY, 1);
}

void CMenuPlus::m_MoveSelection(int step, int wrap, int animate)
{
    if (m_Locked || m_FirstCommand < 0 || step == 0) return;
    const int dir = step > 0 ? 1 : -1;
    int i = m_SelIndex;
    for (int n = 0; n < std::abs(step); ++n) {
        int next = i < 0 ? (dir > 0 ? m_FirstCommand : m_LastCommand) : i + dir;
        while (m_IsValidIndex(next) && !m_IsCommand(*this, next)) next += dir;
        if (next > m_LastCommand)
            next = wrap ? m_FirstCommand : m_LastCommand;
        else if (next < m_FirstCommand)
            next = wrap ? m_LastCommand : m_FirstCommand;
        i = next;
    }
    m_Select(i, MENUSEL_BODY, animate);
}

void CMenuPlus::m_Select(int index, int state, int animate)
{
    if (!m_IsValidIndex(index)) index = -1;
    UINT st = state < 0 ? m_SelState : UINT(state);
    if (index >= 0) {
        const SMENUITEMENTRY* e = m_pItems[index];
        if (e->Item.LevelBar && st != MENUSEL_LEVELRIGHT) st = MENUSEL_LEVELLEFT;
        if (st == MENUSEL_CONFIRMFIRST && m_ConfirmArmed) st = MENUSEL_CONFIRM;
    }
    if (index == m_SelIndex && st == m_SelState) return;
    const bool confirm = index >= 0 && m_pItems[index]->Item.ConfirmButton &&
                         (st == MENUSEL_CONFIRM || st == MENUSEL_CONFIRMFIRST);
    if (!confirm) m_ConfirmArmed = 0;
    m_SelIndex = index;
    m_SelState = index >= 0 ? st : UINT(MENUSEL_BODY);
    if (index >= 0 && m_Scrolling) {
        // Keep 3 px above and below the item in view.
        const int margin = m_ScaleValue(3, m_Scale, 100, 0);
        const RECT& r = m_pItems[index]->Rect;
        int offset = m_ScrollTarget >= 0 ? m_ScrollTarget : m_ScrollOffset;
        if (r.top - margin < offset) offset = r.top - margin;
        if (r.bottom + margin > offset + m_WindowHeight)
            offset = r.bottom + margin - m_WindowHeight;
        m_MenuScrollTo(*this, offset, animate && m_SmoothScroll && m_Shown);
    }
    m_OnSelChanged(0, animate, 0);
    m_Redraw(-1, 0);
}
