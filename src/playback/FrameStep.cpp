#include "playback/FrameStep.h"

#include <vector>

#include "app/FullScreenState.h"
#include "app/MainTimers.h"
#include "app/MainWindow.h"
#include "app/StatusText.h"
#include "app/TimeDisplay.h"
#include "base/SoundCue.h"
#include "engine/VideoRenderer.h"
#include "playback/PlayPause.h"
#include "playback/SeekMath.h"
#include "playlist/Playlist.h"

namespace {

constexpr int kStepCue = 10;
constexpr int kCutCue = 2;
constexpr int kGrabTries = 10;

struct SFRAMESTEPSTATE {
    int key;
    int frames;
    int intervalMs;
    int firstDelayMs;
    int compare;
    int threshold;
    int deferred;
    int baseSet;
    LONGLONG baseFrame;
};
SFRAMESTEPSTATE g_Step;

struct SCOMPAREIMAGE {
    std::vector<DWORD> pixels;
    int width;
    int height;
};
SCOMPAREIMAGE g_Current, g_Previous;
SFRAMERING g_Ring;

int m_KeyDown(int key) { return key && (GetAsyncKeyState(key) & 0x8000) != 0; }

int m_OwnWindowActive()
{
    HWND front = GetForegroundWindow();
    HWND root = front ? GetAncestor(front, GA_ROOT) : nullptr;
    return root &&
           (root == g_hWndMain || root == g_hWndFullScreen || root == g_Playlist.m_GetWindow());
}

// The renderer's image as 32-bit pixels; 0 when it has none in a depth the
// compare reads.
int m_ReadImage(const BITMAPINFOHEADER* h, SCOMPAREIMAGE* out)
{
    const int width = h->biWidth, height = h->biHeight < 0 ? -h->biHeight : h->biHeight;
    const int bytes = h->biBitCount / 8;
    if (width <= 0 || height <= 0 || (bytes != 3 && bytes != 4)) return 0;
    const BYTE* bits =
        reinterpret_cast<const BYTE*>(h) + h->biSize + h->biClrUsed * sizeof(RGBQUAD);
    if (h->biCompression == BI_BITFIELDS && h->biClrUsed == 0) bits += 3 * sizeof(DWORD);
    const size_t stride = (size_t(width) * bytes + 3) & ~size_t(3);
    out->pixels.resize(size_t(width) * height);
    for (int y = 0; y < height; ++y) {
        const BYTE* row = bits + stride * y;
        for (int x = 0; x < width; ++x) {
            const BYTE* px = row + x * bytes;
            out->pixels[size_t(y) * width + x] = px[0] | (px[1] << 8) | (px[2] << 16);
        }
    }
    out->width = width;
    out->height = height;
    return 1;
}

int m_GrabCurrent()
{
    for (int i = 0; i < kGrabTries; ++i) {
        BITMAPINFOHEADER* image = nullptr;
        if (g_VideoRenderer->m_GetCurrentImage(&image, 1) && image) {
            const int ok = m_ReadImage(image, &g_Current);
            CoTaskMemFree(image);
            if (ok) return 1;
        }
    }
    return 0;
}

void m_ShowStepResult(HRESULT hr, int frames)
{
    if (FAILED(hr)) {
        m_OSD_ShowText(L"FRAME````STEP : ERR", 1, 1000, -1, -1, -1, -1);
        return;
    }
    LONGLONG duration = 0, count = 0, now = 0;
    double fps = 0;
    g_VideoRenderer->m_VR_GetDurationInfo(&duration, &count, &fps);
    if (fps <= 0 && g_VideoRenderer->m_GetFrameTime() > 0)
        fps = 1.0 / g_VideoRenderer->m_GetFrameTime();
    g_VideoRenderer->m_VR_GetFrameNumber(&now);
    wchar_t text[kSeekTextCap];
    m_SeekMath_FrameStepText(text, kSeekTextCap, fps, frames,
                             static_cast<int>(now - g_Step.baseFrame));
    m_OSD_ShowText(text, -1, -1, -1, -1, -1, -1);
}

void m_StepOrStop(int key)
{
    if (m_KeyDown(key) && m_OwnWindowActive()) {
        m_FrameStep(g_Step.frames);
        SetTimer(g_hWndMain, kTimerFrameRepeat, static_cast<UINT>(g_Step.intervalMs), nullptr);
    } else {
        m_FrameStep_Stop(key);
    }
}

}  // namespace

void m_FrameStep_ClearBase() { g_Step.baseSet = 0; }

void m_FrameStep_Start(int key, int frames, int intervalMs, int firstDelayMs, int compare,
                       int threshold)
{
    if (!g_MediaOpen) return;
    g_Previous.width = g_Previous.height = 0;
    g_Ring = SFRAMERING{};
    if (!key) {
        m_FrameStep(frames);
        return;
    }
    if (g_Step.key && g_Step.key != key) m_FrameStep_Stop(g_Step.key);
    g_Step.key = key;
    g_Step.frames = frames;
    g_Step.intervalMs = intervalMs < 0 ? 100 : intervalMs;
    g_Step.firstDelayMs = firstDelayMs < 0 ? 300 : firstDelayMs;
    g_Step.compare = compare < 0 ? 0 : compare;
    g_Step.threshold = threshold < 0 ? 64 : threshold;
    m_FrameStep(frames);
    if (g_Step.firstDelayMs >= 1)
        SetTimer(g_hWndMain, kTimerFrameFirst, static_cast<UINT>(g_Step.firstDelayMs), nullptr);
    else
        SetTimer(g_hWndMain, kTimerFrameRepeat, static_cast<UINT>(g_Step.intervalMs), nullptr);
}

void m_FrameStep_Stop(int key)
{
    if (!key || key != g_Step.key) return;
    KillTimer(g_hWndMain, kTimerFrameFirst);
    KillTimer(g_hWndMain, kTimerFrameRepeat);
    g_Step.key = 0;
    g_Step.deferred = 0;
}

int m_FrameStep(int frames)
{
    if (!g_VideoRenderer || !g_MediaOpen) return 0;
    // The engine's step seeks: a step before the last seek's frame arrived
    // would be lost, so it waits for WM_APP_FRAMESHOWN.
    if (g_VideoRenderer->m_VR_IsFramePending()) {
        g_Step.deferred = 1;
        KillTimer(g_hWndMain, kTimerFrameRepeat);
        return 0;
    }
    if (g_PlayStarted) m_Pause();
    if (!g_Step.baseSet) {
        g_Step.baseFrame = 0;
        g_VideoRenderer->m_VR_GetFrameNumber(&g_Step.baseFrame);
        g_Step.baseSet = 1;
    }
    const HRESULT hr = g_VideoRenderer->m_VR_FrameStep(frames);
    m_PlaySoundCue(kStepCue);
    m_UpdateTimeDisplay(1);
    m_ShowStepResult(hr, frames);
    return SUCCEEDED(hr) ? 1 : 0;
}

void m_FrameStep_CompareFrames(int reset)
{
    if (!g_VideoRenderer || !m_GrabCurrent()) return;
    if (reset || g_Previous.width != g_Current.width || g_Previous.height != g_Current.height) {
        g_Previous = g_Current;
        g_Ring = SFRAMERING{};
        return;
    }
    const int score = m_FrameCompare_Score(g_Current.pixels.data(), g_Previous.pixels.data(),
                                           g_Current.width, g_Current.height);
    const int result = m_FrameCompare_Feed(&g_Ring, score, g_Step.threshold);
    if (result == COMPARE_CUT) {
        m_FrameStep_Stop(g_Step.key);
        m_PlaySoundCue(kCutCue);
    } else if (result == COMPARE_KEEP) {
        g_Previous = g_Current;
    }
}

void m_FrameStep_OnFrameShown(int dragPending)
{
    if (g_Step.deferred && !dragPending) {
        g_Step.deferred = 0;
        m_StepOrStop(g_Step.key);
    }
    if (g_Step.key && g_Step.compare) m_FrameStep_CompareFrames(0);
}

void m_FrameStep_OnTimer(UINT id)
{
    if (id == kTimerFrameFirst || id == kTimerFrameRepeat) m_StepOrStop(g_Step.key);
}
