#include "commands/SeekBarHover.h"

#include <strsafe.h>

#include "app/MainTimers.h"
#include "app/MainWindow.h"
#include "app/StatusText.h"
#include "controls/SliderPlus.h"
#include "engine/VideoRenderer.h"
#include "playback/PlayState.h"
#include "playback/SeekPreview.h"
#include "playback/SeekPreviewMath.h"
#include "settings/Settings.h"

namespace {

constexpr int kHoverTextMs = 5000;
constexpr int kHoverTextPriority = 50;

SSLIDERNOTIFY g_LastHover;
int g_HasHover;

// The front window is one of this program's (main, full screen, playlist
// or the preview popup itself).
int m_IsOwnWindowActive()
{
    HWND front = GetForegroundWindow();
    DWORD pid = 0;
    if (front) GetWindowThreadProcessId(front, &pid);
    return front && pid == GetCurrentProcessId();
}

void m_ShowHoverText(const SSLIDERNOTIFY& n)
{
    wchar_t text[96];
    if (n.part == kPreviewPartThumb || n.position < 0) {
        const LONGLONG now = g_VideoRenderer ? g_VideoRenderer->m_VR_GetPositionMs() : 0;
        const double percent = g_DurationMs > 0 ? now * 100.0 / g_DurationMs : 0.0;
        if (FAILED(StringCchPrintfW(text, 96, L"(%0.1f`%%)", percent))) return;
    } else if (!m_SeekBarHover_Text(text, 96, n.position, g_DurationMs)) {
        return;
    }
    m_OSD_ShowText(text, -1, kHoverTextMs, -1, kHoverTextPriority, -1, -1);
}

void m_OnMove(const SSLIDERNOTIFY& n)
{
    if (!g_MediaOpen || !m_IsOwnWindowActive()) return;
    g_LastHover = n;
    g_HasHover = 1;
    m_SeekPreview_UpdateAvailable();
    if (!(m_SeekPreview_TipBits() & SBTIP_ON)) {
        m_ShowHoverText(n);
        return;
    }
    if (m_SeekPreview_IsRequestPending()) {
        SetTimer(g_hWndMain, kTimerHoldDelay, m_SeekPreview_RequestDelay(), nullptr);
        return;
    }
    m_SeekPreview_Request(&n);
}

}  // namespace

int m_SeekBarHover_Text(wchar_t* out, int size, int ms, int durationMs)
{
    if (!out || size < 1) return 0;
    if (ms < 0) ms = 0;
    const int at = ms / 1000;
    const int rest = durationMs > ms ? (durationMs - ms) / 1000 : 0;
    const double percent = durationMs > 0 ? ms * 100.0 / durationMs : 0.0;
    HRESULT hr;
    if (durationMs < 3600 * 1000)
        hr = StringCchPrintfW(out, size, L"%0.1f`%%```(%d:%02d`/`-%d:%02d)", percent, at / 60,
                              at % 60, rest / 60, rest % 60);
    else
        hr = StringCchPrintfW(out, size, L"%0.1f`%%```(%d:%02d:%02d`/`-%d:%02d:%02d)", percent,
                              at / 3600, at / 60 % 60, at % 60, rest / 3600, rest / 60 % 60,
                              rest % 60);
    if (FAILED(hr)) out[0] = 0;
    return SUCCEEDED(hr) ? 1 : 0;
}

int m_SeekBarHover_OnNotice(const SSLIDERNOTIFY& n)
{
    switch (n.code) {
        case SPN_MOVE:
            m_OnMove(n);
            return 1;
        case SPN_LEAVE:
            g_HasHover = 0;
            KillTimer(g_hWndMain, kTimerHoldDelay);
            m_SeekPreview_OnLeave();
            return 1;
        case SPN_MDOWN:
            m_SeekPreview_Toggle(-1);
            return 1;
    }
    return 0;
}

void m_SeekBarHover_OnTimer()
{
    if (!g_HasHover) return;
    const SSLIDERNOTIFY n = g_LastHover;
    m_OnMove(n);
}
