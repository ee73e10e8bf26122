// The overlays of full screen: title bar, small title, control bar (the
// main window's bottom panel) and status bar, layered popups over the
// full-screen window that show near the screen edges and fade; the black
// backdrop that fades in and out around a switch; the idle video area.
#pragma once
#include <windows.h>

enum EOVERLAY { OV_TITLEBAR, OV_SMALLTITLE, OV_STATUS, OV_CONTROL, OV_COUNT };
// Timer of the full-screen window: the hover re-check while in a zone.
constexpr UINT kTimerOverlayHover = 35;
constexpr UINT kOverlayHoverMs = 500;
// Timer of the full-screen window: once the message loop runs, full screen
// entered at start-up goes back above the main window shown after it.
constexpr UINT kTimerRaiseAfterStart = 36;

struct SOVERLAY {
    HWND hWnd;
    int bShown;      // what the hover test wants
    int bLastShown;  // what the fades were last started for
    int nAlpha;      // 0..255
    int nStep;       // 0 once the fade has ended
};

extern SOVERLAY g_Overlays[OV_COUNT];

// round(percent x 255 / 100), held within 0..255.
int m_Overlay_AlphaFromPercent(int percent);
// One fade step toward target (showing) or 0; *step is 0 when it ended.
int m_Overlay_NextAlpha(int alpha, int target, int showing, int fadeTest, int* step);

// Creates the four overlays owned by the full-screen window.
int m_Overlay_CreateAll(HWND owner);
void m_Overlay_DestroyAll();
// Moves the overlays to their strips (screen pixels).
void m_Overlay_Place(const RECT* title, const RECT* control, const RECT* status);
// The control overlay, host of the bottom panel in full screen.
HWND m_Overlay_ControlHost();
// Decides which overlays show for the point (the cursor when null) and
// starts their fades; immediate applies the first step at once.
void m_CheckCtrlBarHover(const POINT* pt, int fromMove, int immediate);
// One step of every changed overlay; re-arms the main window's timer 44.
void m_Overlay_FadeStep(int immediate);
// Hides every overlay at once and forgets the hover state.
void m_Overlay_HideAll();
// The tick of the main window's timer 44.
void m_Overlay_OnFadeTimer();

// The black backdrop over rc (the full-screen rectangle when null), and over
// the main window's video area with coverMain. Both loops block.
void m_Backdrop_In(const RECT* rc, int coverMain);
void m_Backdrop_Out(int instant);

// Paints the idle video area of the full-screen window.
void m_FullScreen_PaintIdle(HWND hwnd);
