// Seeks to an absolute time, as the seek bar asks for them.
#include "playback/SeekAbsolute.h"

#include "app/StatusText.h"
#include "base/ErrorLog.h"
#include "base/UiLook.h"
#include "engine/VideoRenderer.h"
#include "filedata/ChapterTracking.h"
#include "playback/DisplayRefresh.h"
#include "playback/EndOfStream.h"
#include "playback/PlayPause.h"
#include "playback/PlayState.h"

namespace {

// A started playback is not sent this close to the end: it would end at once.
constexpr int kEndMarginMs = 1000;

}  // namespace

int m_SeekTarget(int ms, int durationMs, int started, int* toEnd)
{
    *toEnd = 0;
    if (ms < 0) ms = 0;
    if (ms > durationMs) ms = durationMs;
    if (started && ms > durationMs - kEndMarginMs) {
        *toEnd = 1;
        return durationMs;
    }
    return ms;
}

int m_SeekToMsSnap(int ms, int)
{
    if (!g_MediaOpen || g_PlayState == 2 || !g_VideoRenderer) return -1;
    int toEnd = 0;
    const int used = m_SeekTarget(ms, g_DurationMs, g_PlayStarted, &toEnd);
    if (toEnd) {
        m_SeekToPlayEnd(-1, 0);
    } else {
        const HRESULT hr = g_VideoRenderer->m_VR_SetPosition(LONGLONG(used) * 10000);
        if (FAILED(hr)) {
            m_WriteLog(L"SEEK : Error 0x%08X / %d ms", static_cast<unsigned>(hr), used);
            return -1;
        }
    }
    wchar_t text[64];
    const double percent = g_DurationMs > 0 ? used * 100.0 / g_DurationMs : 0.0;
    m_FormatW64(text, 64, L"POS : %0.1f`%%", percent);
    m_OSD_ShowText(text, -1, -1, -1, -1, -1, -1);
    m_TimeDisplay_Update(0);
    m_Chapter_TrackCurrent(-1, m_IsPlaying(), 0);
    if (toEnd) m_SetHold(1, 1);
    return used;
}
