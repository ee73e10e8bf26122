// The program's own popup menu: a top-level, never-activated, layered
// window that keeps its own items, lays them out and draws them itself,
// handles mouse and keys itself, opens its submenus as further popups and
// runs its own modal loop while it is shown. Popups are created and shown
// through a CMenuManager, whose relay window passes every notice on.
//
// Files: MenuPlus.cpp (life cycle, style and options), MenuItems.cpp (item
// operations), MenuTrack.cpp (tracking, modal loop, placement), MenuChain.cpp
// (submenus, over-popups, choices, notices, tooltip), MenuLayout.cpp,
// MenuPaint.cpp and MenuInput.cpp (layout, painting, input).
#pragma once
#include <windows.h>

#include "base/ArgbImage.h"
#include "controls/CustomWindow.h"
#include "controls/MenuItem.h"
#include "controls/MenuMessages.h"
#include "controls/MenuStyle.h"

// Placement modes: which corner of the popup lies at the tracking point.
enum {
    MENUPLACE_TOPLEFT = 4,
    MENUPLACE_BOTTOMLEFT = 5,
    MENUPLACE_TOPRIGHT = 6,
    MENUPLACE_BOTTOMRIGHT = 7,
};

// Selection states: the part of the selected item.
enum {
    MENUSEL_BODY = 0,
    MENUSEL_LEFT = 1,
    MENUSEL_CONFIRM = 2,
    MENUSEL_EXPANDER = 3,
    MENUSEL_GRIP = 4,
    MENUSEL_SUBMENU = 5,
    MENUSEL_LEVELLEFT = 6,
    MENUSEL_LEVELRIGHT = 7,
    MENUSEL_EXTRA = 8,
    MENUSEL_CONFIRMFIRST = 12,
};

// Fonts a popup draws with (the manager's handles).
enum { MENUFONT_NORMAL = 0, MENUFONT_BOLD = 1, MENUFONT_HEADING = 2, MENUFONT_SHORTCUT = 3 };

// Timer ids of a popup window.
enum {
    MENUTIMER_FADEIN = 1,
    MENUTIMER_FADEOUT = 2,
    MENUTIMER_OPACITY = 3,
    MENUTIMER_LONGPRESS = 4,
    MENUTIMER_PRESSLOCK = 5,
    MENUTIMER_OPENSUB = 6,
    MENUTIMER_CLOSESUB = 7,
    MENUTIMER_SCROLL = 8,
    MENUTIMER_HIGHLIGHT = 9,
    MENUTIMER_SCROLLBAR = 10,
    MENUTIMER_DIMIN = 11,
    MENUTIMER_DIMOUT = 12,
    MENUTIMER_REPEATFIRST = 13,
    MENUTIMER_REPEAT = 14,
    MENUTIMER_DEBUG = 99,
};

// Packs a screen point into the 64-bit tracking argument (x low, y high).
inline LONG64 m_PackMenuPoint(int x, int y)
{
    return static_cast<LONG64>(static_cast<UINT64>(static_cast<UINT>(x)) |
                               (static_cast<UINT64>(static_cast<UINT>(y)) << 32));
}
inline POINT m_UnpackMenuPoint(LONG64 packed)
{
    POINT pt;
    pt.x = static_cast<int>(static_cast<UINT>(static_cast<UINT64>(packed) & 0xFFFFFFFFu));
    pt.y = static_cast<int>(static_cast<UINT>(static_cast<UINT64>(packed) >> 32));
    return pt;
}

// Metrics in pixels at the popup's scale, derived when the style is applied.
struct SMENUMETRICS {
    int RowHeight;
    int RowGap;
    int Padding;
    int FrameInset;
    int SeparatorHeight;
    int ThinSeparatorHeight;
    int HeadingHeight, HeadingFirstHeight;
    int TallHeadingHeight, TallHeadingFirstHeight;
    int CheckColumnWidth;
    int LabelInset;
    int IconInsetBefore, IconInsetAfter;
    int RightInsetPlain, RightInsetParts;
    int ShortcutGapPlain, ShortcutGapImage;
    int SubmenuWidth, ConfirmWidth, ExpanderWidth, GripWidth, LevelEndWidth;
    int PartOverlap;
    int MarkerWidth[2];
    int ScrollBarWidth, ScrollBarInset;
    int MonitorMargin;
    int SubmenuGap;
    int ExtraWidth;
    int MinWidth, MaxWidth;
};

// One slot of the selection highlight ring.
struct SMENUHIGHLIGHT {
    int Index;
    UINT State;
    RECT Rect;
    int Alpha;  // 0..255
    ARGB Color;
    CArgbImage Image;
};

class CMenuPlus : public CCustomWindow {
public:
    CMenuPlus();
    ~CMenuPlus() override;

    // The message map (input handling).
    BOOL m_ProcessWindowMessage(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                LRESULT& result) override;

    // ---- life cycle and options (MenuPlus.cpp)
    int m_Create(HWND parent, HWND notify, UINT menuId);
    void m_SetMenuId(UINT id) { m_MenuId = id; }
    void m_SetUseMonitorRect(UINT on) { m_UseMonitorRect = on ? 1 : 0; }
    void m_SetLimitRect(const RECT* rc);
    void m_SetSizePercent(int percent) { m_SizePercent = percent; }
    void m_SetSlideIn(UINT on, int direction);
    int m_EmbedInto(int unused, HWND parent);
    // Takes the manager's look: scale, style, fonts and their text heights,
    // icon strips (the item strip unless the owner set its own).
    void m_SetLook(UINT scale, const SMENUSTYLE* style, const HFONT* fonts, const int* textHeights,
                   const CArgbImage* icons, const CArgbImage* itemIcons);
    // The owner's own item icon strip (null: the manager's).
    void m_SetItemIconImage(const CArgbImage* strip) { m_pOwnItemIcons = strip; }
    // Sets the current opacity and shows it.
    void m_SetOpacity(UINT alpha);

    // ---- items (MenuItems.cpp)
    int m_InsertItem(const SMENUITEM* item, int position, int refresh);
    int m_InsertSeparator(int position);
    int m_SetItem(const SMENUITEM* item, int index, int refresh);
    int m_SetItemById(const SMENUITEM* item, UINT id, int refresh);
    int m_GetItem(SMENUITEM* out, int index) const;
    int m_GetItemById(SMENUITEM* out, UINT id) const;
    int m_GetItemKind(int index) const;
    UINT m_GetItemIdAt(int index) const;
    int m_FindItem(UINT id) const;
    CMenuPlus* m_GetSubmenuById(UINT id) const;
    int m_GetItemCount() const { return m_ItemCount; }
    int m_SetItemState(int kind, UINT id, int value, int refresh);
    int m_DeleteItem(int index, int refresh);
    int m_DeleteAllItems();
    int m_GetItemScreenRect(UINT id, RECT* out) const;
    bool m_IsValidIndex(int index) const { return index >= 0 && index < m_ItemCount; }
    // Selects the item at index (-1: none) while the popup is being built,
    // without notices; tracking keeps it and scrolls it into view.
    void m_SetInitialSelection(int index)
    {
        m_SelIndex = m_IsValidIndex(index) ? index : -1;
        m_SelState = 0;
    }

    // ---- tracking (MenuTrack.cpp)
    int m_TrackPopup(UINT mode, LONG64 point, UINT asSubmenu);
    // The opacity a popup starts at when it is shown.
    UINT m_StartAlpha() const;
    // The modal loop of a root; closes the popup afterwards and returns the result.
    int m_RunLoop();
    // The point whose monitor holds the popup.
    POINT m_AreaPoint() const;
    void m_EndTrack();
    void m_Hide();
    void m_Close();
    void m_Refresh(int layout);
    void m_ComputeArea();
    void m_PlaceWindow();
    // Ends the chain without a choice: result -1, tracking ends, and
    // WM_APP_MENUDISMISSED (button) is posted.
    void m_Dismiss(UINT button);
    // A middle press outside: tracking ends and the press is sent again so
    // that it reaches the window under the cursor.
    void m_DismissPassingMiddle();
    // Fade-out step (timer 2); at 0 hides the window and ends the loop.
    void m_OnFadeOutTick();

    // ---- chain, choices and notices (MenuChain.cpp)
    void m_OpenSubmenu(int index, int keepNoSelection);
    void m_CloseSubmenu();
    int m_TrackOverPopup(CMenuPlus* popup, int unused, LONG64 point);
    void m_CloseOverPopup();
    void m_OnEndTrackMessage(int index);
    void m_ChooseItem(UINT modifier, UINT repeat);
    void m_OnSelChanged(int allowSubmenu, int animate, int fromTimer);
    void m_CreateToolTip();
    void m_UpdateToolTip();
    const wchar_t* m_ToolTipText();
    // Takes the look of another popup of the chain (a submenu from its parent).
    void m_CopyLookFrom(const CMenuPlus* from);
    // Joins a submenu to this popup's chain, opened from the given item.
    void m_LinkSubmenu(CMenuPlus* sub, SMENUITEMENTRY* opening);
    void m_CheckRadio(int index);
    int m_ChooseParts(UINT modifier);
    // Fills a notice of this popup for the item at index (-1 none).
    void m_FillNotify(SMENUNOTIFY* n, int index) const;
    // Sends WM_APP_MENUCOMMAND with the code and block to the notify window.
    LRESULT m_SendCommand(UINT code, SMENUNOTIFY* n);
    // Sends code 200 for the current selection.
    void m_SendSelChanged();
    // The root popup of the chain (this when none).
    CMenuPlus* m_Root() { return m_pRootPopup ? m_pRootPopup : this; }
    // The popup of the chain whose window holds the screen point, or null.
    CMenuPlus* m_ChainPopupAt(POINT pt);

    // ---- layout and scrolling (MenuLayout.cpp)
    void m_ApplyStyle();
    bool m_MeasureItem(int index);
    void m_Layout(int unused, int layout);
    UINT m_GetItemHeight() const;
    UINT m_GetContentHeight();
    double m_GetScrollRatio(int* scrolls) const;
    // The ratio the owner keeps for this menu, applied by the next layout; < 0 clears it.
    void m_SetPendingScrollRatio(double ratio);
    bool m_SetScrollRatio(double ratio, int redraw);
    void m_SetScrollOffset(int offset);
    int m_ThumbToOffset(int thumb) const;
    void m_Redraw(int index, int update);
    void m_SetFrame(const CArgbImage* frame, const RECT* margins, const RECT* corners);

    // ---- painting (MenuPaint.cpp)
    void m_OnPaint();
    void m_DrawContent();
    void m_ComposePicture();
    // Pushes the picture to the layered window at the current opacity.
    void m_ShowPicture();
    // Starts or refreshes the selection highlight animation.
    void m_AnimateSelection(int animate);

    // ---- input (MenuInput.cpp)
    int m_HitTest(const POINT* pt);
    void m_OnMouseMove(WPARAM keys, POINT pt);
    void m_OnMouseLeave();
    void m_OnLButtonDown(WPARAM keys, POINT pt);
    void m_OnLButtonUp(WPARAM keys, POINT pt);
    void m_OnRButtonDown(WPARAM keys, POINT pt);
    void m_OnRButtonUp(WPARAM keys, POINT pt);
    void m_OnMButtonDown(WPARAM keys, POINT pt);
    void m_OnMButtonUp(WPARAM keys, POINT pt);
    void m_OnMouseWheel(int delta);
    void m_OnKeyDown(UINT vk, LPARAM lParam);
    void m_OnKeyUp(UINT vk, LPARAM lParam);
    void m_OnTimer(UINT_PTR id);
    void m_MoveSelection(int step, int wrap, int animate);
    void m_Select(int index, int state, int animate);
    void m_DrawDebugOverlay(CArgbImage* img);

    // ---- fields of the popup and its chain (public: the parts and tests read them)
    HWND m_hWndParent;  // messages under this window are redirected while tracking
    HWND m_hWndNotify;  // the manager's relay window
    SMENUITEMENTRY* m_pOpeningEntry;
    UINT m_MenuId;  // 0 suppresses WM_APP_MENUCLOSING
    UINT m_DebugOverlay;
    UINT m_Embedded;
    UINT m_Scale;
    SMENUSTYLE m_Style;
    UINT m_PlacementMode;
    POINT m_TrackPoint;
    HWND m_hWndTip;
    UINT m_Shown;
    UINT m_EndLoop;     // on the root: leave the modal loop
    UINT m_EndPending;  // tracking is ending (a fade-out runs)
    RECT m_Area;
    UINT m_UseMonitorRect;
    UINT m_LimitRectSet;
    RECT m_LimitRect;
    RECT m_WindowRect;  // the drawn rectangle in screen coordinates
    UINT m_IsChainBase;
    UINT m_IsSubmenu;
    UINT m_OpenedLeft;   // a submenu placed on the left of its parent
    int m_OpenSubIndex;  // item of the open submenu, -1 none
    CMenuPlus* m_pOpenSub;
    RECT m_OpenSubRect;
    UINT m_OverPopupOpen;
    UINT m_IsOverPopup;
    CMenuPlus* m_pParentPopup;
    CMenuPlus* m_pRootPopup;
    CMenuPlus* m_pOverPopup;  // on the root
    CMenuPlus* m_pBaseRoot;   // over-popups and their submenus: the root they were opened over
    HWND m_hWndKeyTarget;     // on the root
    HWND m_hWndChain;
    int m_ItemCount;
    SMENUITEMENTRY* m_pItems[kMenuMaxItems];
    int m_SelIndex;
    UINT m_SelState;
    int m_Result;
    UINT m_Alpha;
    UINT m_CurAlpha;

    // Look taken from the manager.
    HFONT m_hFonts[4];                  // MENUFONT_*
    int m_TextHeights[4];               // height of "0": normal, shortcut, bold, heading
    const CArgbImage* m_pIcons;         // check marks, arrows, grips
    const CArgbImage* m_pItemIcons;     // the manager's item icons
    const CArgbImage* m_pOwnItemIcons;  // the owner's, when set
    const CArgbImage* m_pFrame;         // body and shadow, drawn in nine parts
    RECT m_FrameMargins;
    RECT m_FrameCorners;

    // Effects and their timing.
    UINT m_FadeIn, m_FadeOut, m_SlideIn, m_SelAnim;
    UINT m_FadingIn;    // timer 1 runs a fade-in
    UINT m_FadePeriod;  // ms
    int m_FadeInSteps, m_FadeOutSteps;
    double m_SlideDivisor;
    int m_SlideOffset;
    int m_SlideDirRoot, m_SlideDirSub;
    int m_HighlightFadeSteps;
    int m_ScrollBarFadeIn, m_ScrollBarFadeOut;
    UINT m_InactiveAlpha;
    UINT m_ImageMode;
    UINT m_Translucent;
    UINT m_FadeOnLeave;              // dim overlay and inactive opacity on mouse leave
    UINT m_OpenDelay, m_CloseDelay;  // ms
    int m_SizePercent;               // 0 = none

    // Metrics and colours (layout).
    SMENUMETRICS m_Metrics;
    ARGB m_TextColor, m_BackColor, m_FaintColor;
    ARGB m_Shades[4];  // background towards text, t = 32, 16, 192, 24
    ARGB m_BorderColor;
    ARGB m_ShadowColor;
    ARGB m_HoverColor, m_DisabledHoverColor, m_PressedColor, m_OpenColor;
    int m_FirstCommand, m_LastCommand;
    UINT m_HasCheckColumn;
    int m_TotalHeight;  // content height
    int m_Width;
    int m_WindowHeight;
    int m_WidestItem, m_WidestFullWidth, m_AverageWidth;
    UINT m_WidthDone;

    // Scrolling.
    UINT m_Scrolling;
    int m_ScrollOffset, m_ScrollRange, m_ScrollTarget;
    UINT m_SmoothScroll;
    UINT m_ScrollStepPeriod;
    double m_ScrollDivisor;
    UINT m_RehoverAfterScroll;
    UINT m_ScrollBarHover;
    int m_ScrollBarFade;  // 0..255
    RECT m_ScrollBarRect;
    int m_TrackLength, m_ThumbLength, m_ThumbRange, m_ThumbPos;
    UINT m_ThumbDragging;
    int m_ThumbDragY, m_ThumbDragStart;
    double m_PendingScrollRatio;  // < 0: none
    UINT m_RevealId;              // item to scroll near before composing, 0 none

    // Input state.
    UINT m_Locked;
    UINT m_Pressing;
    int m_PressedIndex;
    UINT m_PressedState;
    UINT m_RepeatMode;
    UINT m_RepeatDelay, m_RepeatPeriod;
    int m_LongPressTime;
    UINT m_NudgeCursor;
    UINT m_Entered;
    UINT m_KeyboardMode;
    POINT m_KeyboardPoint;
    UINT m_NavigatedByKeys;
    UINT m_KeyPartSwitching;
    UINT m_ConfirmArmed;
    UINT m_PressLockBits, m_PressIgnoreBits;  // on the root: 1 left, 2 right, 4 middle
    UINT m_Dragging;
    int m_DragFrom, m_DropIndex;
    int m_MovableFirst, m_MovableLast;
    int m_SubmenuPending;
    UINT m_ClosePending;
    UINT m_MovingChain;  // the chain window is being moved

    // Pictures (painting).
    CArgbImage m_Content;
    CArgbImage m_Overlay;
    CArgbImage m_Picture;
    UINT m_Dirty;
    UINT m_Dim;
    int m_DimAlpha;
    SMENUHIGHLIGHT m_Highlights[4];
    int m_HighlightSlot;
    CArgbImage m_CheckedIconBack;
    int m_DrawnFirst, m_DrawnLast;  // items already drawn into the content image
    int m_ContentTop;               // content y of the content image's first row
};
