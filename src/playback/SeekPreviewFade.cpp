// The seek-bar preview popup fading in and out (timers 33 and 34) and
// hiding after the last request (timer 54).
#include "playback/SeekPreview.h"

#include "app/MainTimers.h"
#include "app/MainWindow.h"
#include "app/PopupImageWnd.h"
#include "playback/SeekPreviewMath.h"
#include "playback/SeekPreviewState.h"
#include "settings/Settings.h"

namespace {

constexpr UINT kFadeTickMs = 32;
constexpr UINT kFadeFirstMs = 100;
constexpr UINT kShowFrameMs = 3000;
constexpr UINT kShowTextMs = 2500;
constexpr UINT kClosedMs = 100;
constexpr int kFadeInFrameSteps = 1;
constexpr int kFadeInSlowSteps = 3;
constexpr int kFadeOutSteps = 4;

void m_Timer(UINT id, UINT ms)
{
    if (g_hWndMain) SetTimer(g_hWndMain, id, ms, nullptr);
}

void m_Kill(UINT id)
{
    if (g_hWndMain) KillTimer(g_hWndMain, id);
}

void m_FadeInTick()
{
    SSEEKPREVIEW& s = g_SeekPreview;
    s.alpha += m_SeekPreview_FadeStep(s.targetAlpha, s.fadeSteps);
    if (s.alpha >= s.targetAlpha) {
        s.alpha = s.targetAlpha;
        m_Kill(kTimerPreviewFadeIn);
    } else {
        m_Timer(kTimerPreviewFadeIn, kFadeTickMs);
    }
    m_SeekPreview_Present(s.alpha);
}

void m_FadeOutTick()
{
    SSEEKPREVIEW& s = g_SeekPreview;
    s.alpha -= m_SeekPreview_FadeStep(s.targetAlpha, kFadeOutSteps);
    if (s.alpha > 0) {
        m_Timer(kTimerPreviewFadeOut, kFadeTickMs);
        m_SeekPreview_Present(s.alpha);
        return;
    }
    s.alpha = 0;
    m_Kill(kTimerPreviewFadeOut);
    if (g_hWndPopupImage) ShowWindow(g_hWndPopupImage, SW_HIDE);
    m_SeekPreview_Trace(L"hidden tick=%lu", GetTickCount());
}

}  // namespace

int m_SeekPreview_IsShown() { return g_SeekPreview.shown; }

void m_SeekPreview_Show(int show)
{
    SSEEKPREVIEW& s = g_SeekPreview;
    if (!show) {
        m_Kill(kTimerPreviewRequest);
        m_Kill(kTimerPreviewShow);
        s.requestPending = 0;
        if (!s.shown) return;
        s.shown = 0;
        m_SeekPreview_Trace(L"hide tick=%lu", GetTickCount());
        m_Kill(kTimerPreviewFadeIn);
        m_Timer(kTimerPreviewFadeOut, s.alpha < s.targetAlpha ? kFadeTickMs : kFadeFirstMs);
        return;
    }
    if (!g_hWndPopupImage) return;
    m_Kill(kTimerPreviewFadeOut);
    if (!s.shown) {
        s.shown = 1;
        const SPREVIEWDETAILS d = m_SeekPreview_ReadDetails(g_Settings.Ctrl_SbTipDtl);
        s.targetAlpha = m_SeekPreview_TargetAlpha(s.withFrame ? d.opacityFrame : d.opacityText);
        s.fadeSteps = s.withFrame && !s.slowFade ? kFadeInFrameSteps : kFadeInSlowSteps;
        s.slowFade = 0;
        if (s.alpha <= 0) {
            s.alpha = 0;
            m_SeekPreview_Present(0);
            SetWindowPos(g_hWndPopupImage, HWND_TOPMOST, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
            m_Timer(kTimerPreviewFadeIn, kFadeFirstMs);
        } else {
            m_Timer(kTimerPreviewFadeIn, kFadeTickMs);
        }
        m_SeekPreview_Trace(L"shown frame=%d tick=%lu", s.withFrame, GetTickCount());
    }
    const UINT hold = s.withFrame ? kShowFrameMs : kShowTextMs;
    m_Timer(kTimerPreviewShow, hold);
    m_SeekPreview_Trace(L"hold ms=%u tick=%lu", hold, GetTickCount());
}

void m_SeekPreview_OnMediaClosed()
{
    if (g_SeekPreview.shown) m_Timer(kTimerPreviewShow, kClosedMs);
}

int m_SeekPreview_OnTimer(UINT id)
{
    switch (id) {
        case kTimerPreviewFadeIn:
            m_FadeInTick();
            return 1;
        case kTimerPreviewFadeOut:
            m_FadeOutTick();
            return 1;
        case kTimerPreviewRequest:
            m_Kill(kTimerPreviewRequest);
            m_SeekPreview_OnRequestTimer();
            return 1;
        case kTimerPreviewShow:
            m_Kill(kTimerPreviewShow);
            m_SeekPreview_Show(0);
            return 1;
    }
    return 0;
}
