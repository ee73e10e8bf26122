#include "playback/VideoWindow.h"

#include "app/FullScreenState.h"
#include "app/MainWindow.h"
#include "app/PointerInput.h"
#include "app/WindowSize.h"
#include "engine/RendererKind.h"
#include "engine/VideoRenderer.h"
#include "playback/AudioOutMode.h"
#include "playback/PlayState.h"
#include "settings/Settings.h"

int g_LastZoomPercent;

namespace {

WNDPROC s_StaticProc;
// A paused picture is shown again once a resize has settled, not at every
// step of a drag.
constexpr UINT_PTR kTimerShowFrameAgain = 1;
constexpr UINT kShowFrameAgainMs = 200;

// Windowless renderers draw only when asked; the static has nothing else to
// paint.
LRESULT CALLBACK m_VideoWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_PAINT && g_VideoRenderer && g_MediaOpen) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        g_VideoRenderer->m_VR_RepaintVideo(dc);
        EndPaint(hwnd, &ps);
        return 0;
    }
    if (msg == WM_ERASEBKGND && g_MediaOpen) return 1;
    if (msg == WM_TIMER && wParam == kTimerShowFrameAgain) {
        KillTimer(hwnd, kTimerShowFrameAgain);
        if (g_VideoRenderer && g_MediaOpen) g_VideoRenderer->m_VR_ShowFrameAgain();
        return 0;
    }
    return CallWindowProcW(s_StaticProc, hwnd, msg, wParam, lParam);
}

}  // namespace

void m_CreateVideoWindow()
{
    if (g_VideoWindow && g_VideoRenderer) return;
    HWND parent = g_FullScreen && g_hWndFullScreen ? g_hWndFullScreen : g_hWndMain;
    if (!g_VideoWindow) {
        g_VideoWindow = CreateWindowExW(0, L"Static", L"", WS_CHILD | SS_ENHMETAFILE, 0, 0, 0, 0,
                                        parent, reinterpret_cast<HMENU>(UINT_PTR(kVideoWindowId)),
                                        g_hInstance, nullptr);
        if (!g_VideoWindow) return;
        s_StaticProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
            g_VideoWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_VideoWndProc)));
        m_VideoWnd_InstallInput(g_VideoWindow);
    }
    if (g_VideoRenderer) return;
    // The engine takes over the configured renderer kind when it is made;
    // the options dialog changes it afterwards.
    if (g_RendererKind == -1) g_RendererKind = g_Settings.Common_Video;
    g_VideoRenderer = new CVideoRenderer();
    g_VideoRenderer->m_VR_SetWindows(g_VideoWindow, g_hWndMain);
    g_VideoRenderer->m_VR_SetTimeStretchTarget(g_hWndMain);
    g_VideoRenderer->m_VR_SetTimeStretch(g_Settings.Common_tsf);
    m_AudioOut_ToEngine();
}

void m_VideoWindow_Place()
{
    if (!g_VideoWindow) return;
    RECT rc;
    if (!m_GetVideoRect(&rc) || IsRectEmpty(&rc)) return;
    MoveWindow(g_VideoWindow, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, TRUE);
    if (!g_VideoRenderer || !g_MediaOpen) return;
    // A video larger than its area shows only part of the picture: the
    // window covers the visible part and the engine draws that part into it.
    double source[4];
    m_GetVideoSourcePart(source);
    RECT inside = {0, 0, rc.right - rc.left, rc.bottom - rc.top};
    g_VideoRenderer->m_VR_SetVideoPosition(source, &inside, 0);
    // A running picture redraws with its next frame.
    if (g_VideoRenderer->m_VR_GetState() == VR_STATE_PAUSED)
        SetTimer(g_VideoWindow, kTimerShowFrameAgain, kShowFrameAgainMs, nullptr);
}

void m_SizeForVideo()
{
    if (g_FullScreen || IsZoomed(g_hWndMain)) {
        m_SetZoomMode(-1, 1, -1);
        return;
    }
    switch (g_Settings.Common_OpSize) {
        case 0:
            m_ApplyVideoRect(0, 1);
            break;
        case 1:
            m_SetWindowSize(0, 10000, 0, 0);
            break;
        case 2:
            m_SetWindowSize(0, g_LastZoomPercent > 0 ? g_LastZoomPercent * 100 : 10000, 0, 0);
            break;
        default:
            m_SetWindowSize(g_Settings.Common_OpSize - 2, 0, 0, 0);
            break;
    }
}
