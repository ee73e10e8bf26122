// The status bars: a display-only bar of three text panes drawn with the
// bitmap font. The left and right panes hold the play state and the time;
// the middle pane carries the program's transient messages, with priority,
// blinking and fades. The bar can also show a progress fill and a
// two-channel level meter. Its window text (WM_GETTEXT) joins the three
// panes, so that every on-screen message can be read from outside.
#pragma once
#include <windows.h>

#include "base/ArgbImage.h"
#include "controls/CustomWindow.h"

class CBmpFont;

// Control ids of the two global bars.
enum { IDC_STATUSBAR = 32873, IDC_FULLSCREEN_STATUSBAR = 32876 };

// Pane numbers.
enum {
    STATUS_PANE_LEFT = 0,
    STATUS_PANE_MESSAGE = 1,
    STATUS_PANE_RIGHT = 2,
    STATUS_PANE_COUNT = 3
};

// Timer ids of the bar's window.
enum {
    STATUS_TIMER_MESSAGE = 6,  // end of the shown message
    STATUS_TIMER_BLINK = 7,
    STATUS_TIMER_FADE = 100,  // + 3 x pane: fade in; + 1 fade out; + 2 cross-fade
};

constexpr int kStatusTextCap = 128;
// Longest window text: the three panes with their line breaks.
constexpr int kStatusWindowTextCap = 1024;

class CStatusbar : public CCustomWindow {
public:
    CStatusbar();
    BOOL m_ProcessWindowMessage(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                LRESULT& result) override;

    // Creates the child window and disables it: the bar never takes input.
    BOOL m_Create(HWND parent, UINT id);

    void m_SetFont(CBmpFont* font) { m_pFont = font; }
    // colour is a COLORREF; it takes effect at once, and with repaint the
    // bar is composed and repainted.
    void m_SetBackColor(COLORREF colour, int repaint);
    void m_SetProgressColor(DWORD argb) { m_ProgressColor = argb; }
    DWORD m_GetProgressColor() const { return m_ProgressColor; }
    // Bit 0 corner style 1, bit 1 corner style 2.
    void m_SetCornerStyle(UINT bits);

    // Colour choice: 0 keeps the pane's colour, 1 colour 1, 2 colour 2,
    // any other value is the colour itself. Fade mode 0 none, 1 fade, 2
    // fade even when the text is unchanged.
    void m_SetPaneText(int pane, const wchar_t* text, int redraw, DWORD colourChoice, int fadeMode);
    // 1 when the message was taken, 0 when it was dropped (a shown message
    // of higher priority) or the bar has no window. duration -1 is 2500 ms.
    UINT m_ShowMessage(const wchar_t* text, int colourChoice, int durationMs, int blinkCount,
                       UINT priority, int centringWidth, int fade);
    // Clears a shown message whose priority is at most the given one.
    void m_ClearMessage(int fade, UINT priority);
    UINT m_IsMessageShown() const { return m_bMessageShown; }
    // The shown flag; the shown message's priority becomes 20.
    UINT m_HoldMessage();

    // Level meter: each value 0..32767.
    void m_SetLevels(int left, int right);
    // Progress fill.
    void m_ResetProgress(int redraw);
    void m_SetProgressRange(int maximum);
    void m_SetProgress(int value);

    // Composes the whole look and repaints.
    void m_Update();

    // Read access for the owner and for tests.
    const wchar_t* m_GetPaneText(int pane) const;
    int m_GetPaneAlpha(int pane) const;
    ARGB m_GetPaneColor(int pane) const;
    UINT m_GetMessagePriority() const { return m_nMessagePriority; }
    const CArgbImage* m_GetImage() const { return &m_Image; }
    // The window text: the panes joined by CR LF, "`" shown as a blank.
    int m_GetWindowText(wchar_t* out, int capacity) const;

private:
    // Pane state: text, colour, alpha and the rectangle it was drawn in,
    // with the same for the text fading out during a cross-fade.
    struct SPane {
        wchar_t szText[kStatusTextCap];
        wchar_t szOldText[kStatusTextCap];
        ARGB colour;
        ARGB oldColour;
        int nAlpha;
        int nOldAlpha;
        int nFadeKind;  // the fade timer that runs: 0 none, 1 in, 2 out, 3 cross
        RECT rc;
        RECT rcOld;
    };

    // Fades.
    void m_StartFade(int pane, int kind);
    void m_StopFades(int pane);
    void m_EndFadeNow(int pane);
    int m_ChooseFade(SPane& p, const wchar_t* text, int fadeMode);
    UINT m_FadePeriod() const;
    void m_OnFadeTimer(UINT id);
    void m_OnMessageTimer();
    void m_OnBlinkTimer();
    void m_StopBlink(int restore);
    void m_ClearShownIfIdle();

    // Window messages.
    void m_OnSize(int width, int height);
    void m_MakeLevelImage();
    LRESULT m_OnGetText(WPARAM capacity, LPARAM buffer) const;
    void m_Repaint();

    // Composition.
    void m_Compose();
    void m_ComposeBars();
    void m_DrawCornerMark(int dpi);
    void m_DrawPaneText(const wchar_t* text, ARGB colour, int alpha, const RECT& rc);
    void m_LayoutSidePanes(int sideMargin, int textTop, int gap);
    void m_LayoutMiddlePane(int sideMargin, int textTop, int gap);
    void m_DrawPanes();
    int m_TextWidth(const wchar_t* text) const;
    int m_FontHeight() const;

    HWND m_hWndParent;
    UINT m_nId;
    int m_nDpi;
    SPane m_Panes[STATUS_PANE_COUNT];
    ARGB m_Color1;
    ARGB m_Color2;
    DWORD m_ProgressColor;
    CArgbImage m_Image;
    CArgbImage m_TextLayer;
    CArgbImage m_LevelImage;
    int m_nProgressMin;
    int m_nProgressMax;
    int m_nProgressValue;
    CBmpFont* m_pFont;
    int m_nWidth;
    int m_nHeight;
    RECT m_rcClient;
    UINT m_nFadeInterval;
    UINT m_bMessageShown;
    UINT m_bBlinkPhase;
    UINT m_bHover;
    wchar_t m_szBlinkText[kStatusTextCap];
    ARGB m_BackColor;
    UINT m_nMessagePriority;
    int m_nLevelLeft;
    int m_nLevelRight;
    int m_nBlinksLeft;
    UINT m_nBlinkPeriod;
    int m_nCentringWidth;
    int m_nKeptCentringWidth;
    UINT m_nCornerStyle;
};

// The main window's bar and the full-screen window's bar.
extern CStatusbar g_StatusBar;
extern CStatusbar g_FullScreenStatusBar;
