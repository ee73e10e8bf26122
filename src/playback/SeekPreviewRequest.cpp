// Asking the preview player for the frame of a hover: the frame size, the
// request throttled by timer 49 and the player's two notices.
#include "playback/SeekPreview.h"

#include <wchar.h>

#include "app/MainTimers.h"
#include "app/MainWindow.h"
#include "engine/PreviewPlayer.h"
#include "engine/VideoRenderer.h"
#include "playback/MediaPath.h"
#include "playback/PlayState.h"
#include "playback/SeekPreviewMath.h"
#include "playback/SeekPreviewState.h"
#include "settings/Settings.h"

namespace {

// The whole source, as fractions of the frame.
constexpr double kFullSource[4] = {0.0, 0.0, 1.0, 1.0};

int m_AreaHeight()
{
    RECT rc = {};
    if (g_VideoWindow && IsWindowVisible(g_VideoWindow))
        GetClientRect(g_VideoWindow, &rc);
    else if (g_hWndMain)
        GetClientRect(g_hWndMain, &rc);
    return rc.bottom - rc.top;
}

void m_CopyLookToPreview(CVideoRenderer* preview)
{
    double l = 0, t = 0, r = 1, b = 1;
    g_VideoRenderer->m_VR_GetZoomRect(&l, &t, &r, &b);
    preview->m_VR_SetZoomRect(l, t, r, b);
    const RECT dest = {0, 0, g_SeekPreview.frameSize.cx, g_SeekPreview.frameSize.cy};
    preview->m_VR_SetVideoPosition(kFullSource, &dest, 1);
    double c = 0, br = 0, h = 0, sat = 0;
    if (g_VideoRenderer->m_ProcAmp_Get(&c, &br, &h, &sat)) preview->m_ProcAmp_Set(c, br, h, sat, 1);
}

// Opens the file when the preview player holds none or another; 1 when it
// is open on it.
int m_EnsureOpen()
{
    switch (m_Preview_GetState(g_MediaPath)) {
        case PREVIEW_STATE_OPEN:
            return 1;
        case PREVIEW_STATE_OPENING:
            return 0;
    }
    g_SeekPreview.lastAskedMs = -1;
    m_SeekPreview_Trace(L"open");
    m_Preview_Open(g_MediaPath);
    return 0;
}

// The kept hover goes to the seek-bar handler once more, as the pointer
// would send it.
void m_AskAgain()
{
    SSEEKPREVIEW& s = g_SeekPreview;
    if (!s.hasHover || !g_hWndMain) return;
    SSLIDERNOTIFY n = s.hover;
    n.code = SPN_MOVE;
    s.reasking = 1;
    SendMessageW(g_hWndMain, WM_COMMAND, MAKEWPARAM(IDC_SEEKBAR, kSliderCommand),
                 reinterpret_cast<LPARAM>(&n));
    s.reasking = 0;
}

}  // namespace

void m_SeekPreview_CalcSize()
{
    SSEEKPREVIEW& s = g_SeekPreview;
    const SPREVIEWDETAILS d = m_SeekPreview_ReadDetails(g_Settings.Ctrl_SbTipDtl);
    int w = 0, h = 0;
    if (g_VideoRenderer) g_VideoRenderer->m_VR_GetDisplaySize(&w, &h);
    s.frameSize = m_SeekPreview_FrameSize(m_AreaHeight(), w, h, d);
    CVideoRenderer* preview = m_Preview_GetEngine();
    if (preview && g_VideoRenderer && m_Preview_GetState(nullptr) == PREVIEW_STATE_OPEN)
        m_CopyLookToPreview(preview);
}

UINT m_SeekPreview_RequestDelay()
{
    const SPREVIEWTIMES t = m_SeekPreview_ReadTimes(g_Settings.Ctrl_SbTipTm);
    return static_cast<UINT>(m_Preview_HasKeyFrames() ? t.keyFrameDelay : t.otherDelay);
}

int m_SeekPreview_IsRequestPending() { return g_SeekPreview.requestPending; }

void m_SeekPreview_Request(const SSLIDERNOTIFY* record)
{
    SSEEKPREVIEW& s = g_SeekPreview;
    if (!record || !g_MediaOpen || !g_MediaPath[0]) return;
    s.hover = *record;
    s.hasHover = 1;
    m_SeekPreview_Trace(L"request at=%d tick=%lu", record->position, GetTickCount());
    // The second look after the delay arms no third.
    if (!s.reasking && g_hWndMain) {
        SetTimer(g_hWndMain, kTimerPreviewRequest, m_SeekPreview_RequestDelay(), nullptr);
        s.requestPending = 1;
    }
    if (s.available) {
        s.active = 1;
        // Setting the windows again hands them to the engine each time.
        if (g_PreviewPlayer.DrawMode != PREVIEW_MODE_FRAMES ||
            g_PreviewPlayer.ClientWindow != g_hWndMain)
            m_Preview_SetWindow(PREVIEW_MODE_FRAMES, nullptr, g_hWndMain);
        if (m_EnsureOpen()) {
            if (!s.shown || s.frameSize.cy < 1) m_SeekPreview_CalcSize();
            const int ms = m_SeekPreview_SnapTime(&s.hover, 0);
            s.hover.position = ms;
            if (ms >= 0 && ms != s.lastAskedMs) {
                s.lastAskedMs = ms;
                m_SeekPreview_Trace(L"seek ms=%d tick=%lu", ms, GetTickCount());
                m_Preview_Seek(ms, 1);
            }
        }
    }
    m_SeekPreview_Draw(&s.hover);
    m_SeekPreview_Show(1);
}

void m_SeekPreview_OnOpened(int success)
{
    SSEEKPREVIEW& s = g_SeekPreview;
    if (!success) {
        wcsncpy_s(s.failedPath, g_MediaPath, _TRUNCATE);
        m_SeekPreview_UpdateAvailable();
    } else {
        s.failedPath[0] = 0;
        m_SeekPreview_CalcSize();
    }
    m_SeekPreview_Trace(L"opened %d", success);
    if (!s.hasHover) return;
    const SSLIDERNOTIFY hover = s.hover;
    m_SeekPreview_Request(&hover);
}

void m_SeekPreview_OnShown()
{
    if (g_SeekPreview.shown) m_SeekPreview_Draw(nullptr);
}

void m_SeekPreview_OnLeave()
{
    m_SeekPreview_Trace(L"leave");
    g_SeekPreview.hasHover = 0;
    m_SeekPreview_Show(0);
}

void m_SeekPreview_OnRequestTimer()
{
    g_SeekPreview.requestPending = 0;
    m_AskAgain();
}
