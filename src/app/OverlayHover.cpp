// Which overlays show for the pointer, their auto-hide while playing, and
// their fades on the main window's timer 44.
#include "app/FullScreenState.h"
#include "app/MainTimers.h"
#include "app/MainWindow.h"
#include "app/Overlay.h"
#include "playback/PlaybackControl.h"
#include "settings/Settings.h"

namespace {

POINT s_LastPoint = {-32768, -32768};
DWORD s_LastMoveTick;
int s_ForceHidden;
int s_AlphaPercent[2] = {-1, -1};

// The hot zone of an overlay: its rectangle, one pixel more toward the edge.
int m_InZone(int which, POINT pt, int towardTop)
{
    HWND hwnd = g_Overlays[which].hWnd;
    RECT rc;
    if (!hwnd || !GetWindowRect(hwnd, &rc) || IsRectEmpty(&rc)) return 0;
    if (towardTop)
        --rc.top;
    else
        ++rc.bottom;
    return PtInRect(&rc, pt);
}

int m_TargetAlpha(int which)
{
    int percent = which == OV_TITLEBAR || which == OV_CONTROL ? g_Settings.Fullscr_CtrlAlp[0]
                                                              : g_Settings.Fullscr_CtrlAlp[1];
    return m_Overlay_AlphaFromPercent(percent);
}

void m_SetAlpha(SOVERLAY& o, int alpha)
{
    o.nAlpha = alpha;
    if (o.hWnd) SetLayeredWindowAttributes(o.hWnd, 0, (BYTE)alpha, LWA_ALPHA);
}

int m_ButtonDown()
{
    return (GetAsyncKeyState(VK_LBUTTON) & 0x8000) || (GetAsyncKeyState(VK_RBUTTON) & 0x8000);
}

// Step 4: a pointer resting in a zone while playing hides the overlays
// after the rest time; any movement shows them again.
void m_UpdateRest(int rested)
{
    const int restMs = g_Settings.Common_HideCtrl[0];
    if (restMs <= 0) return;
    if (rested && g_PlayState == 5 && !m_ButtonDown()) {
        if (!s_ForceHidden && GetTickCount() - s_LastMoveTick >= (DWORD)restMs) {
            s_ForceHidden = 1;
            if (g_hWndFullScreen) KillTimer(g_hWndFullScreen, kTimerOverlayHover);
        }
        return;
    }
    if (rested) return;
    s_LastMoveTick = GetTickCount();
    s_ForceHidden = 0;
}

void m_UpdateHoverTimer(int inZone)
{
    if (!g_hWndFullScreen) return;
    if (inZone && !s_ForceHidden)
        SetTimer(g_hWndFullScreen, kTimerOverlayHover, kOverlayHoverMs, nullptr);
    else
        KillTimer(g_hWndFullScreen, kTimerOverlayHover);
}

void m_TakeChangedAlphas()
{
    if (s_AlphaPercent[0] == g_Settings.Fullscr_CtrlAlp[0] &&
        s_AlphaPercent[1] == g_Settings.Fullscr_CtrlAlp[1])
        return;
    s_AlphaPercent[0] = g_Settings.Fullscr_CtrlAlp[0];
    s_AlphaPercent[1] = g_Settings.Fullscr_CtrlAlp[1];
    for (int i = 0; i < OV_COUNT; ++i) {
        if (g_Overlays[i].bLastShown) m_SetAlpha(g_Overlays[i], m_TargetAlpha(i));
    }
}

}  // namespace

int m_Overlay_AlphaFromPercent(int percent)
{
    int alpha = (percent * 255 + 50) / 100;
    return alpha < 0 ? 0 : (alpha > 255 ? 255 : alpha);
}

int m_Overlay_NextAlpha(int alpha, int target, int showing, int fadeTest, int* step)
{
    const int k = fadeTest ? 8 * fadeTest : 8;
    const int delta = target / k + 1;
    if (showing) {
        alpha += delta;
        *step = alpha < target ? delta : 0;
        return alpha < target ? alpha : target;
    }
    alpha -= delta;
    *step = alpha > 0 ? -delta : 0;
    return alpha > 0 ? alpha : 0;
}

void m_CheckCtrlBarHover(const POINT* given, int fromMove, int immediate)
{
    POINT pt = {0, 0};
    if (given)
        pt = *given;
    else
        GetCursorPos(&pt);
    const int inTop = m_InZone(OV_TITLEBAR, pt, 1);
    const int inBottom = m_InZone(OV_CONTROL, pt, 0);
    const int rested =
        fromMove && pt.x == s_LastPoint.x && pt.y == s_LastPoint.y && (inTop || inBottom);
    s_LastPoint = pt;
    m_UpdateRest(rested);
    m_UpdateHoverTimer(inTop || inBottom);
    if (!g_FullScreen) {
        m_Overlay_HideAll();
        return;
    }
    g_Overlays[OV_TITLEBAR].bShown = inTop && !s_ForceHidden;
    g_Overlays[OV_SMALLTITLE].bShown =
        g_Settings.Fullscr_Ctrl[0] && !g_Overlays[OV_TITLEBAR].bShown;
    // Without the bottom panel (full screen on another monitor) the control
    // strip has nothing to show.
    g_Overlays[OV_CONTROL].bShown = m_FullScreen_HasPanel() && inBottom && !s_ForceHidden;
    g_Overlays[OV_STATUS].bShown = g_Settings.Fullscr_Ctrl[1] && !g_Overlays[OV_CONTROL].bShown;
    m_TakeChangedAlphas();
    m_Overlay_FadeStep(immediate);
}

void m_Overlay_FadeStep(int immediate)
{
    int running = 0;
    for (int i = 0; i < OV_COUNT; ++i) {
        SOVERLAY& o = g_Overlays[i];
        if (o.bShown == o.bLastShown && o.nStep == 0 && !immediate) continue;
        o.bLastShown = o.bShown;
        int step = 0;
        m_SetAlpha(o, m_Overlay_NextAlpha(o.nAlpha, m_TargetAlpha(i), o.bShown,
                                          g_Settings.Main_FadeTest, &step));
        o.nStep = step;
        if (!o.hWnd) continue;
        if (o.bShown && !IsWindowVisible(o.hWnd)) ShowWindow(o.hWnd, SW_SHOWNOACTIVATE);
        if (!o.bShown && o.nAlpha == 0 && IsWindowVisible(o.hWnd)) ShowWindow(o.hWnd, SW_HIDE);
        running |= step != 0;
    }
    if (!g_hWndMain) return;
    if (running)
        SetTimer(g_hWndMain, kTimerAutoShowFade, 16, nullptr);
    else
        KillTimer(g_hWndMain, kTimerAutoShowFade);
}

void m_Overlay_OnFadeTimer() { m_Overlay_FadeStep(0); }

void m_Overlay_HideAll()
{
    for (SOVERLAY& o : g_Overlays) {
        o.bShown = o.bLastShown = 0;
        o.nStep = 0;
        m_SetAlpha(o, 0);
        if (o.hWnd && IsWindowVisible(o.hWnd)) ShowWindow(o.hWnd, SW_HIDE);
    }
    s_ForceHidden = 0;
    s_LastPoint = POINT{-32768, -32768};
    if (g_hWndMain) KillTimer(g_hWndMain, kTimerAutoShowFade);
    if (g_hWndFullScreen) KillTimer(g_hWndFullScreen, kTimerOverlayHover);
}
