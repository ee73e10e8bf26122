// The overlays of full screen: title bar, small title, control bar (the
// main window's bottom panel) and status bar, layered popups over the
// full-screen window that show near the screen edges and fade; the black
// backdrop that fades in and out around a switch; the idle video area.
#pragma once
#include <windows.h>

#include "base/Color.h"

enum EOVERLAY { OV_TITLEBAR, OV_SMALLTITLE, OV_STATUS, OV_CONTROL, OV_COUNT };
// Timer of the full-screen window: the hover re-check while in a zone.
constexpr UINT kTimerOverlayHover = 35;
constexpr UINT kOverlayHoverMs = 500;
// Timer of the full-screen window: once the message loop runs, full screen
// entered at start-up goes back above the main window shown after it.
constexpr UINT kTimerRaiseAfterStart = 36;
constexpr int kRaisesAfterStart = 5;

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

// WM_ACTIVATE of the full-screen window: 1 when the hover timer starts (a
// click activation not coming from a tool window, [Common] "DlyFcs" on and
// a delay above 0).
int m_FullScreen_HoverOnActivate(int state, int fromToolWindow, int option, int delayMs);
// The pointer over the full-screen window: 0 none (hidden), 1 the arrow,
// 2 the hand, asked for by what lies under the pointer.
int m_FullScreen_PointerState();
void m_FullScreen_SetHandPointer(int on);
// WM_DISPLAYCHANGE of the main and the full-screen window: with a file
// open the renderer is told; the window repaints.
HRESULT m_OnDisplayChange(HWND hwnd);

// The idle video area: what decides its colour and text.
struct SIDLEFACTS {
    int bFileOpen;  // a file is open (not loading)
    int bLoading;
    int bPlaying;
    int nMediaKind;       // MEDIA_KIND_*
    int bDimWhenStopped;  // [Ctrl] "FrmPauClr"
};
constexpr ARGB kIdleVideoBack = 0xFF000000;
constexpr ARGB kIdleTextColour = 0xA0A0A0;
// The alternate colour while the dim option is on and an open file does
// not play, else the normal one.
ARGB m_IdleBackColour(const SIDLEFACTS& f, ARGB normal, ARGB alternate);
// "ZENTAVIO" without a file, "AUDIO ONL@Y" for audio only, else null
// (nothing while a file loads).
const wchar_t* m_IdleText(const SIDLEFACTS& f);
// Alpha of the text in full screen: the first [Fullscr] "CtrlAlp" percent
// while neither "Ctrl" flag keeps a strip shown, else the second.
int m_IdleTextAlpha(const int ctrl[2], const int ctrlAlp[3]);
// WM_PAINT of the full-screen window and of the main window.
void m_FullScreen_PaintIdle(HWND hwnd);
void m_MainWindow_PaintIdle(HWND hwnd);
// After a change of the play state: the video-out indicator is checked
// anew and the idle areas repaint when what they show changed.
void m_IdleArea_OnStateChange();
