// The program's push button: a child window that composes its look (back
// colour, frame, hover and pressed boxes, a frame of an image strip or an
// icon) into an image and reports presses of all three mouse buttons to its
// parent as WM_COMMAND (control id | code << 16, lParam the button).
#pragma once
#include <windows.h>

#include "base/ArgbImage.h"
#include "controls/CustomWindow.h"

// Codes in the high word of a button's WM_COMMAND.
enum {
    BPN_CLICK = 0,
    BPN_LDOWN = 0x66,
    BPN_LUP = 0x67,
    BPN_RCLICK = 0x68,
    BPN_RDOWN = 0x69,
    BPN_RUP = 0x6A,
    BPN_MCLICK = 0x6B,
    BPN_MDOWN = 0x6C,
    BPN_MUP = 0x6D,
};

// Draw styles: 0 classic edges, 1 to 3 themed, 11 flat box, 12 flat box
// without frame, 13 rounded box. Variant bits: 1 soft shadow behind an
// icon, 2 box corners of radius 6, 4 corners of radius 2.5.
enum { BUTTON_VARIANT_GLOW = 1, BUTTON_VARIANT_ROUND6 = 2, BUTTON_VARIANT_ROUND25 = 4 };

class CButtonPlus : public CCustomWindow {
public:
    CButtonPlus();
    ~CButtonPlus() override;
    BOOL m_ProcessWindowMessage(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                LRESULT& result) override;

    HWND m_Create(HWND parent, UINT id);
    void m_SetImage(const CArgbImage* source, int frameCount, int sourceX, int unused, int width,
                    int height);
    void m_SetFrame(int frame, int redraw, int fadeSteps);
    void m_SetCheck(int checked, int redraw);
    void m_SetEnable(int enabled);
    void m_SetDrawStyle(int style, int redraw, UINT variantBits);
    void m_SetBackColor(COLORREF colour);
    void m_SetRightClickMenuMode();
    // Bit 0 blocks left presses, bit 1 right and middle presses, for 100 ms;
    // 0 lifts both blocks at once.
    void m_BlockInput(UINT flags);
    void m_SetHoverFade(int on, int reset);
    void m_SetImageOffset();
    // The owner's icon (shown when no strip is set), its size and offset.
    void m_SetIcon(HICON icon, int width, int height, int offsetX, int offsetY);

    int m_GetFrame() const { return m_CurrentFrame; }
    int m_GetFrameCount() const { return m_FrameCount; }
    int m_GetCheck() const { return m_Checked; }
    int m_GetDrawStyle() const { return m_DrawStyle; }
    UINT m_GetVariantBits() const { return m_VariantBits; }
    int m_GetFrameFadeAlpha() const { return m_FrameFadeAlpha; }
    int m_GetHoverAlpha() const { return m_HoverAlpha; }
    UINT m_GetId() const { return m_Id; }
    // The composed look (composed first when dirty).
    const CArgbImage* m_GetImage();

private:
    // Input (ButtonPlus.cpp).
    void m_Send(WORD code);
    void m_OnDown(int which, int repaintNow);
    void m_OnUp(int which, POINT pt);
    void m_OnMouseMove();
    void m_OnMouseLeave();
    void m_OnTimer(UINT_PTR id);
    void m_Invalidate();
    void m_RepaintNow();

    // Drawing (ButtonPlusDraw.cpp, ButtonIcon.cpp).
    void m_Compose();
    int m_State() const;
    int m_Pressed() const;
    void m_DrawClassic(int state);
    void m_DrawThemed(HANDLE theme, int style, int state);
    void m_DrawFlat(int style);
    void m_DrawRounded();
    void m_DrawPicture(int state);
    void m_DrawIcon(int state);
    void m_DrawStrip(int state);
    HICON m_GetDisabledIcon();

    CArgbImage m_StateImage;
    CArgbImage m_Strip;
    CArgbImage m_DisabledStrip;
    int m_FrameCount;
    int m_CurrentFrame, m_PreviousFrame;
    int m_ImageOffsetX, m_ImageOffsetY;
    int m_Dirty;
    int m_DrawStyle;
    UINT m_VariantBits;
    COLORREF m_BackColor;
    int m_Width, m_Height;
    UINT m_Id;
    HWND m_Parent;
    int m_Hover, m_LeftPressed, m_RightPressed, m_MiddlePressed;
    int m_Enabled;
    HICON m_Icon, m_DisabledIcon;
    int m_IconWidth, m_IconHeight, m_IconOffsetX, m_IconOffsetY;
    int m_Checked;
    int m_LeftBlocked, m_RightBlocked;
    int m_RightNotices;
    int m_RightLooksPressed;
    int m_HotWhenIdle;
    int m_FrameFadeAlpha, m_FrameFadeStep;
    int m_HoverFadeOn;
    UINT m_FadeInterval;
    int m_HoverFadeInSteps, m_HoverFadeOutSteps;
    int m_HoverAlpha, m_HoverStep;
};
