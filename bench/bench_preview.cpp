// The seek-bar preview's cost over the preview player's own work: from a
// hover notice to the popup showing the new frame, against the preview
// player's seek and grab of a time alone, in the same run on the same open
// player, the two alternating over distinct times. The clip's Windows path
// comes in ZV_BENCH_CLIP (bench/run.sh makes it with ffmpeg).
// The bitmap font lives in the program's resources, which the bench lacks:
// the label boxes are drawn, their glyphs are not.
#include "BenchTiming.h"
#include <windows.h>

#include <stdio.h>
#include <wchar.h>

#include <vector>

#include "app/MainWindow.h"
#include "app/PopupImageWnd.h"
#include "controls/SliderPlus.h"
#include "engine/EngineMessages.h"
#include "engine/PreviewPlayer.h"
#include "playback/MediaPath.h"
#include "playback/PlayState.h"
#include "playback/SeekPreview.h"
#include "settings/Settings.h"

namespace {

constexpr int kRounds = 15;
constexpr int kClipMs = 10000;
constexpr double kGoal = 1.3;

// The notices the main window would route to the preview.
LRESULT CALLBACK m_HostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_APP_PREVIEWOPENED) {
        m_SeekPreview_OnOpened(wParam ? 1 : 0);
        return 0;
    }
    if (msg == WM_APP_PREVIEWSHOWN) {
        m_SeekPreview_OnShown();
        return 0;
    }
    if (msg == WM_TIMER && m_SeekPreview_OnTimer(static_cast<UINT>(wParam))) return 0;
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

void m_Pump(int ms)
{
    const double until = m_Now() + ms / 1000.0;
    while (m_Now() < until) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

bool m_SetUp(const wchar_t* clip)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = m_HostProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ZvBenchPreviewHost";
    RegisterClassW(&wc);
    g_hInstance = wc.hInstance;
    g_hWndMain = CreateWindowW(wc.lpszClassName, L"bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                               656, 520, nullptr, nullptr, wc.hInstance, nullptr);
    if (!g_hWndMain || !m_PopupImage_Create()) return false;
    wcsncpy_s(g_MediaPath, clip, _TRUNCATE);
    g_MediaOpen = 1;
    g_MediaKind = MEDIA_KIND_VIDEO;
    g_DurationMs = kClipMs;
    g_Settings.Ctrl_SbTip[0] = g_Settings.Ctrl_SbTip[1] = g_Settings.Ctrl_SbTip[2] = 1;
    return m_SeekPreview_UpdateAvailable() != 0;
}

SSLIDERNOTIFY m_Hover(int ms)
{
    SSLIDERNOTIFY n = {};
    n.code = SPN_MOVE;
    n.position = ms;
    n.part = SLIDER_PART_CHANNEL;
    return n;
}

}  // namespace

int main()
{
    wchar_t clip[MAX_PATH] = {};
    if (!GetEnvironmentVariableW(L"ZV_BENCH_CLIP", clip, MAX_PATH)) {
        printf("preview: SKIPPED (ZV_BENCH_CLIP names no clip)\n");
        return 0;
    }
    if (FAILED(CoInitialize(nullptr)) || !m_SetUp(clip)) {
        printf("preview: set-up failed\n");
        return 1;
    }
    // The first hover opens the file; the popup says "LOADING..." meanwhile.
    SSLIDERNOTIFY first = m_Hover(500);
    m_SeekPreview_Request(&first);
    for (int i = 0; i < 400 && m_Preview_GetState(clip) != PREVIEW_STATE_OPEN; ++i) m_Pump(25);
    if (m_Preview_GetState(clip) != PREVIEW_STATE_OPEN) {
        printf("preview: the preview player did not open the clip\n");
        return 1;
    }
    m_Pump(300);
    std::vector<double> hover, own, draw;
    for (int r = 0; r < kRounds; ++r) {
        // Whole seconds apart (the preview snaps a 10 s clip to seconds),
        // so that neither side finds its frame already there.
        const int a = (r % 9 + 1) * 1000 + 200, b = a + 300;
        SSLIDERNOTIFY n = m_Hover(a);
        double t0 = m_Now();
        m_SeekPreview_Request(&n);
        hover.push_back((m_Now() - t0) * 1000);
        m_Pump(60);
        t0 = m_Now();
        m_Preview_Seek(b, 1);
        own.push_back((m_Now() - t0) * 1000);
        m_Pump(60);
        t0 = m_Now();
        m_SeekPreview_Draw(&n);
        draw.push_back((m_Now() - t0) * 1000);
    }
    const double h = m_Median(hover), o = m_Median(own);
    printf("preview_hover_to_frame: %.2fx of baseline (goal <= %.1fx; %.1f ms vs %.1f ms)\n",
           o > 0 ? h / o : 0.0, kGoal, h, o);
    printf("preview_draw: %.1f ms (for information)\n", m_Median(draw));
    m_Preview_Close();
    DestroyWindow(g_hWndPopupImage);
    DestroyWindow(g_hWndMain);
    CoUninitialize();
    return 0;
}
