// The chain of popups (root, open submenus, a popup over an item), the
// choice of an item and the notices that report selections and choices.
#include <windows.h>
#include <commctrl.h>

#include <cstring>

#include "controls/MenuPlus.h"
#include "settings/Settings.h"

namespace {

// True when the window belongs to popup or to a submenu opened below it.
bool SubChainHolds(CMenuPlus* popup, HWND w)
{
    for (CMenuPlus* p = popup; p && w; p = p->m_pOpenSub)
        if (p->m_GetHwnd() == w) return true;
    return false;
}

UINT SlowedDelay(UINT ms)
{
    return g_Settings.Main_FadeTest ? ms * static_cast<UINT>(g_Settings.Main_FadeTest) : ms;
}

void SetChainLock(CMenuPlus* root, UINT locked)
{
    for (CMenuPlus* p = root; p; p = p->m_pOpenSub) p->m_Locked = locked;
}

}  // namespace

void CMenuPlus::m_OpenSubmenu(int index, int keepNoSelection)
{
    if (!m_IsValidIndex(index) || index == m_OpenSubIndex) return;
    SMENUITEMENTRY* e = m_pItems[index];
    if (!e->Item.HasSubmenu) return;
    if (m_pOpenSub) m_CloseSubmenu();
    if (m_hWndNotify)
        SendMessageW(m_hWndNotify, WM_APP_MENUSUBMENU, reinterpret_cast<WPARAM>(e), 0);
    // The owner may have changed this popup's items while it filled the submenu.
    if (!m_IsValidIndex(index) || m_pItems[index] != e || !e->Item.HasSubmenu) return;
    CMenuPlus* sub = e->Item.Submenu;
    if (!sub || !m_Shown) return;
    if (!sub->m_GetHwnd() && !sub->m_Create(m_hWndParent, m_hWndNotify, 0)) return;
    sub->m_CopyLookFrom(this);
    m_LinkSubmenu(sub, e);

    RECT item = e->Rect;
    OffsetRect(&item, m_WindowRect.left, m_WindowRect.top - m_ScrollOffset);
    const int x = m_WindowRect.right + m_Metrics.SubmenuGap;
    const int y = item.top - sub->m_Metrics.Padding - sub->m_Metrics.FrameInset;
    sub->m_TrackPopup(MENUPLACE_TOPLEFT, m_PackMenuPoint(x, y), 1);
    // A selection kept from its build (or an earlier open) stays.
    if (!keepNoSelection && sub->m_SelIndex < 0 && sub->m_FirstCommand >= 0)
        sub->m_Select(sub->m_FirstCommand, 0, 0);

    m_pOpenSub = sub;
    m_OpenSubIndex = index;
    m_OpenSubRect = sub->m_WindowRect;
    m_SubmenuPending = -1;
    KillTimer(m_hWnd, MENUTIMER_OPENSUB);
    KillTimer(m_hWnd, MENUTIMER_CLOSESUB);
    m_ClosePending = 0;
    if (!keepNoSelection) {
        m_Root()->m_hWndKeyTarget = sub->m_GetHwnd();
        if (!sub->m_Embedded) SetCapture(sub->m_GetHwnd());
    }
    m_Redraw(index, 0);
    m_SendSelChanged();
}

void CMenuPlus::m_LinkSubmenu(CMenuPlus* sub, SMENUITEMENTRY* opening)
{
    sub->m_pParentPopup = this;
    sub->m_pRootPopup = m_Root();
    sub->m_pBaseRoot = m_pBaseRoot;
    sub->m_hWndChain = m_hWndChain;
    sub->m_pOpeningEntry = opening;
    sub->m_IsOverPopup = m_IsOverPopup;
    sub->m_hWndParent = m_hWndParent;
    sub->m_hWndNotify = m_hWndNotify;
    sub->m_SetLimitRect(m_LimitRectSet ? &m_LimitRect : nullptr);
    sub->m_SelState = 0;
}

void CMenuPlus::m_CopyLookFrom(const CMenuPlus* from)
{
    m_SetFrame(from->m_pFrame, &from->m_FrameMargins, &from->m_FrameCorners);
    m_pOwnItemIcons = from->m_pOwnItemIcons;
    m_SetLook(from->m_Scale, &from->m_Style, from->m_hFonts, from->m_TextHeights, from->m_pIcons,
              from->m_pItemIcons);
    m_FadeIn = from->m_FadeIn;
    m_FadeOut = from->m_FadeOut;
    m_SlideIn = from->m_SlideIn;
    m_SelAnim = from->m_SelAnim;
    m_SlideDirSub = from->m_SlideDirSub;
    m_ImageMode = from->m_ImageMode;
}

void CMenuPlus::m_CloseSubmenu()
{
    CMenuPlus* sub = m_pOpenSub;
    if (!sub) return;
    const int index = m_OpenSubIndex;
    CMenuPlus* root = m_Root();
    const bool hadKeys = SubChainHolds(sub, root->m_hWndKeyTarget);
    const bool hadCapture = SubChainHolds(sub, GetCapture());
    m_pOpenSub = nullptr;
    m_OpenSubIndex = -1;
    SetRectEmpty(&m_OpenSubRect);
    if (m_hWnd) KillTimer(m_hWnd, MENUTIMER_CLOSESUB);
    m_ClosePending = 0;
    sub->m_Hide();
    sub->m_Shown = 0;
    if (hadKeys) root->m_hWndKeyTarget = m_hWnd;
    if (hadCapture && m_hWnd && m_Shown && !m_Embedded) SetCapture(m_hWnd);
    m_Redraw(index, 0);
}

int CMenuPlus::m_TrackOverPopup(CMenuPlus* popup, int, LONG64 point)
{
    CMenuPlus* root = m_Root();
    if (!popup || popup == root || !m_hWndChain) return -1;
    if (root->m_pOverPopup) root->m_CloseOverPopup();
    if (m_hWndTip) SendMessageW(m_hWndTip, TTM_ACTIVATE, FALSE, 0);
    popup->m_IsOverPopup = 1;
    popup->m_pBaseRoot = root;
    if (!popup->m_hWndParent) popup->m_hWndParent = m_hWndParent;
    root->m_pOverPopup = popup;
    root->m_OverPopupOpen = 1;
    SetChainLock(root, 1);
    popup->m_TrackPopup(MENUPLACE_TOPLEFT, point, 0);
    popup->m_hWndChain = root->m_hWndChain;
    return -1;
}

void CMenuPlus::m_CloseOverPopup()
{
    CMenuPlus* root = m_Root();
    CMenuPlus* over = root->m_pOverPopup;
    if (!over) return;
    root->m_pOverPopup = nullptr;
    root->m_OverPopupOpen = 0;
    SetChainLock(root, 0);
    // Closing sends WM_APP_MENUCLOSING for a popup with a menu id.
    over->m_Close();
    delete over;
}

CMenuPlus* CMenuPlus::m_ChainPopupAt(POINT pt)
{
    CMenuPlus* root = m_Root();
    CMenuPlus* found = nullptr;
    for (CMenuPlus* p = root; p; p = p->m_pOpenSub)
        if (p->m_Shown && PtInRect(&p->m_WindowRect, pt)) found = p;
    if (root->m_pOverPopup)
        for (CMenuPlus* p = root->m_pOverPopup; p; p = p->m_pOpenSub)
            if (p->m_Shown && PtInRect(&p->m_WindowRect, pt)) found = p;
    return found;
}

void CMenuPlus::m_OnEndTrackMessage(int index)
{
    m_CloseOverPopup();
    POINT pt = {};
    CMenuPlus* at = GetCursorPos(&pt) ? m_ChainPopupAt(pt) : nullptr;
    if (at) {
        m_hWndKeyTarget = at->m_GetHwnd();
        if (!at->m_Embedded) SetCapture(at->m_GetHwnd());
    } else if (m_Shown && !m_Embedded) {
        SetCapture(m_hWnd);
    }
    if (index == -1 && !at) {
        m_Result = -1;
        m_EndTrack();
        if (m_hWndNotify) PostMessageW(m_hWndNotify, WM_APP_MENUDISMISSED, MENUDISMISS_LEFT, 0);
    }
}

// ---- choosing

// Unchecks every other checked radio item of the group.
void CMenuPlus::m_CheckRadio(int index)
{
    const UINT group = m_pItems[index]->Item.RadioGroup;
    for (int j = 0; j < m_ItemCount; ++j) {
        SMENUITEM& other = m_pItems[j]->Item;
        if (j == index || other.CheckKind != MENUCHECK_RADIO || other.RadioGroup != group ||
            !other.Checked)
            continue;
        other.Checked = 0;
        m_Redraw(j, 0);
    }
    m_pItems[index]->Item.Checked = 1;
}

// Check handling of a choice; returns -1 when the choice stops here, 1 when
// a check or the expander changed, else 0.
int CMenuPlus::m_ChooseParts(UINT modifier)
{
    SMENUITEM& it = m_pItems[m_SelIndex]->Item;
    const bool viaModifier = modifier == 1 && it.CheckKind != MENUCHECK_NONE &&
                             !it.NoToggleWithModifier && m_SelState == MENUSEL_BODY;
    if (m_SelState == MENUSEL_LEFT || viaModifier) {
        if (it.Disabled || it.OwnerToggles) return 0;
        if (it.CheckKind == MENUCHECK_BOX) {
            it.Checked = !it.Checked;
            return 1;
        }
        if (it.CheckKind == MENUCHECK_RADIO && !it.Checked) {
            m_CheckRadio(m_SelIndex);
            return 1;
        }
        return 0;
    }
    if (m_SelState == MENUSEL_EXPANDER) {
        it.Expanded = !it.Expanded;
        m_Layout(0, 0);
        return 1;
    }
    if (m_SelState == MENUSEL_GRIP || m_SelState == MENUSEL_SUBMENU) return -1;
    return 0;
}

void CMenuPlus::m_ChooseItem(UINT modifier, UINT repeat)
{
    const int index = m_SelIndex;
    if (!m_IsValidIndex(index)) return;
    SMENUITEMENTRY* e = m_pItems[index];
    const SMENUITEM& it = e->Item;
    if (it.Kind != MENUKIND_COMMAND && !it.AlwaysNotify) return;
    if (modifier == 2 && !it.MiddleButton) {
        m_Redraw(index, 0);
        return;
    }
    if (!m_pOpenSub && !it.Disabled && it.HasSubmenu &&
        (!it.SplitSubmenu || m_SelState == MENUSEL_SUBMENU)) {
        m_Redraw(index, 0);
        m_OpenSubmenu(index, 1);
        return;
    }
    if (it.Disabled && !it.AlwaysNotify) return;
    const int parts = m_ChooseParts(modifier);
    if (parts < 0) return;

    const bool closes = (it.CloseAlways || (modifier == 0 && m_SelState == MENUSEL_BODY)) &&
                        !it.Disabled && (!it.HasSubmenu || it.SplitSubmenu) && !it.LevelBar &&
                        it.Kind == MENUKIND_COMMAND && !m_Embedded;
    if (closes) m_Root()->m_Hide();
    if (!m_Embedded) {
        if (parts > 0) m_Layout(0, 0);
        m_SendSelChanged();
        m_Redraw(index, 0);
    }
    const UINT runAfterClose = it.RunAfterClose;
    SMENUNOTIFY n;
    m_FillNotify(&n, index);
    n.Repeat = repeat;
    n.Modifier = modifier;
    n.Closes = closes ? 1 : 0;
    n.Item = e;
    m_Result = index;
    m_SendCommand(MENUCODE_CHOSEN, &n);
    if (!closes) return;
    // The owner ran while the notice was sent: this popup is still alive
    // (popups are deleted only after their loop), its items may not be.
    if (m_IsOverPopup && runAfterClose && m_pBaseRoot)
        m_pBaseRoot->m_EndTrack();
    else
        m_EndTrack();
}

// ---- notices

void CMenuPlus::m_FillNotify(SMENUNOTIFY* n, int index) const
{
    memset(n, 0, sizeof(*n));
    n->MenuId = m_MenuId;
    n->Index = index;
    n->SelState = m_SelState;
    if (m_IsValidIndex(index)) {
        const SMENUITEM& it = m_pItems[index]->Item;
        n->ItemId = it.Id;
        n->Disabled = it.Disabled;
        n->RunAfterClose = it.RunAfterClose;
    }
    n->PopupWindow = m_hWnd;
    n->Popup = const_cast<CMenuPlus*>(this);
}

LRESULT CMenuPlus::m_SendCommand(UINT code, SMENUNOTIFY* n)
{
    if (!m_hWndNotify) return 0;
    return SendMessageW(m_hWndNotify, WM_APP_MENUCOMMAND, code, reinterpret_cast<LPARAM>(n));
}

void CMenuPlus::m_SendSelChanged()
{
    SMENUNOTIFY n;
    m_FillNotify(&n, m_SelIndex);
    m_SendCommand(MENUCODE_SELCHANGED, &n);
}

// ---- selection changes and the tooltip

void CMenuPlus::m_OnSelChanged(int allowSubmenu, int animate, int)
{
    m_AnimateSelection(animate);
    const int index = m_SelIndex;
    const SMENUITEM* it = m_IsValidIndex(index) ? &m_pItems[index]->Item : nullptr;
    const bool opens = it && it->HasSubmenu && (!it->Disabled || it->SubmenuWhenDisabled) &&
                       (!it->SplitSubmenu || m_SelState == MENUSEL_SUBMENU);
    if (allowSubmenu && opens) {
        if (index != m_OpenSubIndex) {
            m_SubmenuPending = index;
            if (m_hWnd) SetTimer(m_hWnd, MENUTIMER_OPENSUB, SlowedDelay(m_OpenDelay), nullptr);
        } else if (m_hWnd) {
            KillTimer(m_hWnd, MENUTIMER_CLOSESUB);
            m_ClosePending = 0;
        }
    } else {
        if (m_pOpenSub && m_hWnd) {
            if (index < 0) {
                KillTimer(m_hWnd, MENUTIMER_CLOSESUB);
                m_ClosePending = 0;
            } else if (!m_ClosePending) {
                SetTimer(m_hWnd, MENUTIMER_CLOSESUB, m_CloseDelay, nullptr);
                m_ClosePending = 1;
            }
        }
        if (m_hWnd) KillTimer(m_hWnd, MENUTIMER_OPENSUB);
        m_SubmenuPending = -1;
    }
    m_UpdateToolTip();
    m_SendSelChanged();
}

void CMenuPlus::m_CreateToolTip()
{
    if (m_hWndTip || !m_hWnd) return;
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    m_hWndTip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!m_hWndTip) return;
    SendMessageW(m_hWndTip, TTM_SETMAXTIPWIDTH, 0, 480);
    SendMessageW(m_hWndTip, TTM_SETDELAYTIME, TTDT_AUTOPOP, 30000);
    TTTOOLINFOW ti = {};
    ti.cbSize = TTTOOLINFOW_V2_SIZE;
    ti.uFlags = TTF_SUBCLASS;
    ti.hwnd = m_hWnd;
    ti.uId = 1;
    ti.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(m_hWndTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
}

// The tooltip text of the selected item: its own, the owner's, or the full
// label when it was cut; null for none.
const wchar_t* CMenuPlus::m_ToolTipText()
{
    if (!m_IsValidIndex(m_SelIndex)) return nullptr;
    SMENUITEMENTRY* e = m_pItems[m_SelIndex];
    const wchar_t* text = e->Item.Tooltip;
    if (!text && m_hWndNotify)
        text = reinterpret_cast<const wchar_t*>(SendMessageW(
            m_hWndNotify, WM_APP_MENUGETTIP, e->Item.Id, reinterpret_cast<LPARAM>(this)));
    // The owner may have changed the items while it answered.
    if (!m_IsValidIndex(m_SelIndex) || m_pItems[m_SelIndex] != e) return nullptr;
    if ((!text || !*text) && e->TextCut) text = e->Label;
    return text && *text ? text : nullptr;
}

void CMenuPlus::m_UpdateToolTip()
{
    if (m_Root()->m_OverPopupOpen || !m_hWnd) {
        if (m_hWndTip) SendMessageW(m_hWndTip, TTM_ACTIVATE, FALSE, 0);
        return;
    }
    const wchar_t* text = m_ToolTipText();
    if (!text) {
        if (m_hWndTip) SendMessageW(m_hWndTip, TTM_ACTIVATE, FALSE, 0);
        return;
    }
    m_CreateToolTip();
    if (!m_hWndTip) return;
    TTTOOLINFOW ti = {};
    ti.cbSize = TTTOOLINFOW_V2_SIZE;
    ti.hwnd = m_hWnd;
    ti.uId = 1;
    ti.rect = m_pItems[m_SelIndex]->Rect;
    InflateRect(&ti.rect, 0, 1);
    OffsetRect(&ti.rect, 0, -m_ScrollOffset);
    if (m_ImageMode) OffsetRect(&ti.rect, m_FrameMargins.left, m_FrameMargins.top);
    SendMessageW(m_hWndTip, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&ti));
    ti.lpszText = const_cast<wchar_t*>(text);
    SendMessageW(m_hWndTip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&ti));
    SendMessageW(m_hWndTip, TTM_ACTIVATE, TRUE, 0);
}
