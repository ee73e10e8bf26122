// Life cycle of a popup menu window, the look it takes from its manager and
// its options.
#include "controls/MenuPlus.h"

#include <cstring>

CMenuPlus::CMenuPlus()
    : m_hWndParent(nullptr),
      m_hWndNotify(nullptr),
      m_pOpeningEntry(nullptr),
      m_MenuId(0),
      m_DebugOverlay(0),
      m_Embedded(0),
      m_Scale(100),
      m_Style(),
      m_PlacementMode(MENUPLACE_TOPLEFT),
      m_TrackPoint(),
      m_hWndTip(nullptr),
      m_Shown(0),
      m_EndLoop(0),
      m_EndPending(0),
      m_Area(),
      m_UseMonitorRect(0),
      m_LimitRectSet(0),
      m_LimitRect(),
      m_WindowRect(),
      m_IsChainBase(0),
      m_IsSubmenu(0),
      m_OpenedLeft(0),
      m_OpenSubIndex(-1),
      m_pOpenSub(nullptr),
      m_OpenSubRect(),
      m_OverPopupOpen(0),
      m_IsOverPopup(0),
      m_pParentPopup(nullptr),
      m_pRootPopup(nullptr),
      m_pOverPopup(nullptr),
      m_pBaseRoot(nullptr),
      m_hWndKeyTarget(nullptr),
      m_hWndChain(nullptr),
      m_ItemCount(0),
      m_pItems(),
      m_SelIndex(-1),
      m_SelState(0),
      m_Result(-1),
      m_Alpha(255),
      m_CurAlpha(255),
      m_hFonts(),
      m_TextHeights(),
      m_pIcons(nullptr),
      m_pItemIcons(nullptr),
      m_pOwnItemIcons(nullptr),
      m_pFrame(nullptr),
      m_FrameMargins(),
      m_FrameCorners(),
      m_FadeIn(1),
      m_FadeOut(0),
      m_SlideIn(1),
      m_SelAnim(1),
      m_FadingIn(0),
      m_FadePeriod(15),
      m_FadeInSteps(10),
      m_FadeOutSteps(8),
      m_SlideDivisor(2.0),
      m_SlideOffset(0),
      m_SlideDirRoot(1),
      m_SlideDirSub(2),
      m_HighlightFadeSteps(5),
      m_ScrollBarFadeIn(5),
      m_ScrollBarFadeOut(7),
      m_InactiveAlpha(243),
      m_ImageMode(1),
      m_Translucent(0),
      m_FadeOnLeave(0),
      m_OpenDelay(220),
      m_CloseDelay(400),
      m_SizePercent(0),
      m_Metrics(),
      m_TextColor(0xFF000000),
      m_BackColor(0xFFFFFFFF),
      m_FaintColor(0x66000000),
      m_Shades{0xFFE3E3E3, 0xFFEBEBEB, 0xFFF1F1F1, 0xFFF1F1F1},
      m_BorderColor(0xFFDCDCDC),
      m_ShadowColor(0x28100000),
      m_HoverColor(0x20180000),
      m_DisabledHoverColor(0x14000000),
      m_PressedColor(0x2C180000),
      m_OpenColor(0x1C000000),
      m_FirstCommand(-1),
      m_LastCommand(-1),
      m_HasCheckColumn(0),
      m_TotalHeight(0),
      m_Width(0),
      m_WindowHeight(0),
      m_WidestItem(0),
      m_WidestFullWidth(0),
      m_AverageWidth(0),
      m_WidthDone(0),
      m_Scrolling(0),
      m_ScrollOffset(0),
      m_ScrollRange(0),
      m_ScrollTarget(-1),
      m_SmoothScroll(1),
      m_ScrollStepPeriod(16),
      m_ScrollDivisor(2.5),
      m_RehoverAfterScroll(1),
      m_ScrollBarHover(0),
      m_ScrollBarFade(0),
      m_ScrollBarRect(),
      m_TrackLength(0),
      m_ThumbLength(0),
      m_ThumbRange(0),
      m_ThumbPos(0),
      m_ThumbDragging(0),
      m_ThumbDragY(0),
      m_ThumbDragStart(0),
      m_PendingScrollRatio(-1.0),
      m_RevealId(0),
      m_Locked(0),
      m_Pressing(0),
      m_PressedIndex(-1),
      m_PressedState(0),
      m_RepeatMode(0),
      m_RepeatDelay(400),
      m_RepeatPeriod(120),
      m_LongPressTime(1000),
      m_NudgeCursor(1),
      m_Entered(0),
      m_KeyboardMode(0),
      m_KeyboardPoint(),
      m_NavigatedByKeys(0),
      m_KeyPartSwitching(1),
      m_ConfirmArmed(0),
      m_PressLockBits(0),
      m_PressIgnoreBits(0),
      m_Dragging(0),
      m_DragFrom(-1),
      m_DropIndex(-1),
      m_MovableFirst(-1),
      m_MovableLast(-1),
      m_SubmenuPending(-1),
      m_ClosePending(0),
      m_MovingChain(0),
      m_Dirty(1),
      m_Dim(0),
      m_DimAlpha(0),
      m_Highlights(),
      m_HighlightSlot(0),
      m_DrawnFirst(-1),
      m_DrawnLast(-1),
      m_ContentTop(0)
{
    m_Metrics.MonitorMargin = 4;
    m_Metrics.SubmenuGap = 4;
    for (SMENUHIGHLIGHT& h : m_Highlights) h.Index = -1;
}

CMenuPlus::~CMenuPlus()
{
    // The window must go while this class's message map still exists.
    m_Close();
}

int CMenuPlus::m_Create(HWND parent, HWND notify, UINT menuId)
{
    if (m_hWnd) return 0;
    m_hWndParent = parent;
    m_hWndNotify = notify;
    m_MenuId = menuId;
    DWORD ex = WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    if (m_Alpha < 255 || m_FadeIn || m_FadeOut || m_ImageMode) ex |= WS_EX_LAYERED;
    HWND hWnd = m_CreateWindow(parent, kControlClass, kControlClassStyle, WS_POPUP, ex, 0, 0, 0, 0,
                               nullptr);
    return hWnd ? 1 : 0;
}

void CMenuPlus::m_SetLimitRect(const RECT* rc)
{
    if (!rc) {
        m_LimitRectSet = 0;
        return;
    }
    m_LimitRect = *rc;
    m_LimitRectSet = 1;
    const int w = rc->right - rc->left;
    if (w > 0 && (m_Metrics.MaxWidth <= 0 || m_Metrics.MaxWidth > w)) m_Metrics.MaxWidth = w;
}

void CMenuPlus::m_SetSlideIn(UINT on, int direction)
{
    m_SlideIn = on ? 1 : 0;
    if (direction < 0) return;
    if (m_IsSubmenu)
        m_SlideDirSub = direction;
    else
        m_SlideDirRoot = direction;
}

int CMenuPlus::m_EmbedInto(int, HWND parent)
{
    if (!m_hWnd || !parent) return 0;
    // The topmost flag goes only through SetWindowPos, while still top-level.
    SetWindowPos(m_hWnd, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    LONG_PTR style = GetWindowLongPtrW(m_hWnd, GWL_STYLE);
    style = (style & ~static_cast<LONG_PTR>(WS_POPUP)) | WS_CHILD;
    SetWindowLongPtrW(m_hWnd, GWL_STYLE, style);
    if (!SetParent(m_hWnd, parent)) return 0;
    m_hWndParent = parent;
    m_Embedded = 1;
    return 1;
}

void CMenuPlus::m_SetLook(UINT scale, const SMENUSTYLE* style, const HFONT* fonts,
                          const int* textHeights, const CArgbImage* icons,
                          const CArgbImage* itemIcons)
{
    m_Scale = scale ? scale : 100;
    if (style) m_Style = *style;
    if (fonts) memcpy(m_hFonts, fonts, sizeof(m_hFonts));
    if (textHeights) memcpy(m_TextHeights, textHeights, sizeof(m_TextHeights));
    m_pIcons = icons;
    m_pItemIcons = itemIcons;
    m_ApplyStyle();
    // Items measured with the old fonts are measured again by the next layout.
    for (int i = 0; i < m_ItemCount; ++i) m_pItems[i]->Measured = 0;
}

void CMenuPlus::m_SetOpacity(UINT alpha)
{
    m_CurAlpha = alpha > 255 ? 255 : alpha;
    if (!m_hWnd) return;
    if (!(GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE) & WS_EX_LAYERED)) return;
    if (m_ImageMode)
        m_ShowPicture();
    else
        SetLayeredWindowAttributes(m_hWnd, 0, static_cast<BYTE>(m_CurAlpha), LWA_ALPHA);
}

void m_MenuItem_SetHasSubmenu(SMENUITEM* item, UINT value)
{
    if (item) item->HasSubmenu = value;
}
