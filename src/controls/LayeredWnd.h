// The on-screen display bars: a borderless layered popup over the video
// that shows a top bar with the title and a bottom bar with a position and
// a volume gauge, each shown for a time and hidden with 64-step fades. It
// takes no input and draws only through UpdateLayeredWindow.
#pragma once
#include <windows.h>

#include "base/ArgbImage.h"
#include "controls/CustomWindow.h"

// Timer ids of the overlay window.
enum {
    OSD_TIMER_HIDE_TOP = 2,
    OSD_TIMER_HIDE_BOTTOM = 3,
    OSD_TIMER_FADE_IN = 5,
    OSD_TIMER_FADE_TOP = 7,
    OSD_TIMER_FADE_BOTTOM = 8,
};

// Parts of m_Redraw.
enum { OSD_PART_TITLE = 1, OSD_PART_POSITION = 2, OSD_PART_VOLUME = 4, OSD_PART_ALL = 7 };

constexpr int kOsdTitleCap = 261;
constexpr int kOsdFaceCap = 32;

// The gauge texts: "POS:%0.1f%%" of position / 100 and "VOL:%3d%%".
void m_OsdPositionText(int position, wchar_t* out, int capacity);
void m_OsdVolumeText(int volume, wchar_t* out, int capacity);

class CLayeredWnd : public CCustomWindow {
public:
    CLayeredWnd();
    BOOL m_ProcessWindowMessage(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                LRESULT& result) override;

    // Creates the hidden, disabled overlay owned by the video window.
    BOOL m_Create(HWND owner);
    // Screen rectangle of the video area; null keeps the stored one.
    void m_SetRect(const RECT* rect);
    // A hide-after below 0 keeps a bar until another call hides it; 0 hides
    // it at once.
    void m_ShowBars(int top, int topHideMs, int bottom, int bottomHideMs, int fade, int fadeOnHide);
    void m_Show(int show);
    void m_SetTopmost(int on);
    // Takes effect at the next m_SetRect.
    void m_SetBarColor(ARGB colour) { m_BarColor = colour; }
    void m_SetTitle(const wchar_t* text);
    // Hundredths of a percent, 0..10000.
    void m_SetPosition(int value);
    // Percent.
    void m_SetVolume(int value);
    void m_SetBottomFont(const wchar_t* face, int size, ARGB colour, int pitch);
    void m_SetTopFont(const wchar_t* face, int size, ARGB colour);
    void m_Redraw(int parts);

    // Read access for the owner and for tests.
    int m_GetTopAlpha() const { return m_nTopAlpha; }
    int m_GetBottomAlpha() const { return m_nBottomAlpha; }
    UINT m_IsTopShown() const { return m_bTopShown; }
    UINT m_IsBottomShown() const { return m_bBottomShown; }
    const RECT& m_GetTopBar() const { return m_rcTopBar; }
    const RECT& m_GetBottomBar() const { return m_rcBottomBar; }
    const RECT& m_GetPositionArea() const { return m_rcPositionArea; }
    const CArgbImage* m_GetImage() const { return &m_Image; }
    // 1 when the last UpdateLayeredWindow succeeded.
    int m_LastUpdateOk() const { return m_bLastUpdateOk; }

private:
    void m_OnTimer(UINT id);
    void m_OnHideTimer(UINT id);
    void m_OnFadeOutTimer(UINT id);
    void m_OnFadeInTimer();
    void m_ShowOne(int* alpha, UINT* shown, int hideMs, int fade, UINT hideTimer, UINT fadeTimer);
    void m_Layout(int w, int h);
    void m_PaintBars();
    void m_DrawTitle();
    void m_DrawGauge(const RECT& area, int filled, int of, const wchar_t* text);
    int m_TextImage(CArgbImage* out, const wchar_t* text, const wchar_t* face, int size,
                    ARGB colour, int pitch) const;
    void m_PutPart(const CArgbImage& part, const RECT& area);
    void m_FadeRows(CArgbImage& frame, int from, int to, int alpha) const;
    void m_UpdateWindow();
    int m_Fringe() const;

    HWND m_hWndOwner;
    CArgbImage m_Image;
    CArgbImage m_Frame;  // the premultiplied copy handed to the window
    RECT m_rcWindow;
    RECT m_rcTopBar;
    RECT m_rcBottomBar;
    RECT m_rcTitleArea;
    RECT m_rcPositionArea;
    RECT m_rcVolumeArea;
    UINT m_bTopShown;
    UINT m_bBottomShown;
    int m_nTopAlpha;
    int m_nBottomAlpha;
    wchar_t m_szTitle[kOsdTitleCap];
    int m_nPosition;
    int m_nVolume;
    wchar_t m_szBottomFace[kOsdFaceCap];
    wchar_t m_szTopFace[kOsdFaceCap];
    int m_nBottomFontSize;
    int m_nCharPitch;
    int m_nTopFontSize;
    ARGB m_TextColor;
    ARGB m_TopTextColor;
    UINT m_bFadeOnHide;
    ARGB m_BarColor;
    int m_bLastUpdateOk;
};

extern CLayeredWnd g_OsdBars;
