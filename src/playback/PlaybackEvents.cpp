#include "playback/PlaybackEvents.h"

#include <evcode.h>
#include <strsafe.h>

#include "app/MainTimers.h"
#include "app/StatusText.h"
#include "app/WindowSize.h"
#include "base/ErrorLog.h"
#include "engine/VideoRenderer.h"
#include "filedata/PlayRangeState.h"
#include "filedata/PlayRanges.h"
#include "playback/EndOfStream.h"
#include "playback/AudioDeviceLock.h"
#include "playback/AudioDeviceWait.h"
#include "playback/MediaPath.h"
#include "playback/PlayPause.h"
#include "playback/PlaybackControl.h"
#include "playback/SystemVolume.h"
#include "playback/TrackNavigation.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistState.h"

namespace {

// A completion whose last frame lies this far before the known length means
// the file broke off.
constexpr int kCutShortMs = 1500;
constexpr int kErrorMessageMs = 5000;
// Above the load-time and repeat notices that follow, so it stays readable.
constexpr int kErrorPriority = 60;

// The play error's text with the one-based entry number, in the log and on
// the screen.
void m_ReportPlayError(long code, LONG_PTR param1, int positionMs)
{
    m_WriteLog(L"E1002 : GraphEvent (0x%02X, 0x%08X) at %d ms / [%d/%d] %s", code,
               static_cast<unsigned>(param1), positionMs, g_PlayingTrack + 1,
               g_Playlist.m_GetCount(), g_MediaPath);
    wchar_t text[64];
    if (SUCCEEDED(StringCchPrintfW(text, 64, L"PLAY````ERROR``:``%02d", g_PlayingTrack + 1)))
        m_OSD_ShowText(text, 1, kErrorMessageMs, -1, kErrorPriority, -1, -1);
}

}  // namespace

int m_GraphEvent_Action(long code, int positionMs, int durationMs)
{
    switch (code) {
        case EC_COMPLETE:
            if (durationMs > 0 && positionMs >= 0 && positionMs < durationMs - kCutShortMs)
                return GEV_CUT_SHORT;
            return GEV_END;
        case EC_USERABORT:
        case EC_ERRORABORT:
        case EC_ERRORABORTEX:
        case EC_STREAM_ERROR_STOPPED:
            return GEV_ABORT;
        case EC_STREAM_ERROR_STILLPLAYING:
        case EC_ERROR_STILLPLAYING:
            return GEV_ERROR_GOES_ON;
        case EC_LENGTH_CHANGED:
            return GEV_LENGTH;
        case EC_VMR_RENDERDEVICE_SET:
            return GEV_RENDER_DEVICE;
    }
    return GEV_NONE;
}

void m_Playback_OnGraphEvents()
{
    // The end and an abort are acted on once, after the queue is drained:
    // what they open or close replaces the graph the queue belongs to.
    int finish = GEV_NONE;
    long finishCode = 0;
    LONG_PTR finishParam = 0;
    int finishAt = 0;
    while (g_VideoRenderer && g_MediaOpen) {
        long code = 0;
        LONG_PTR p1 = 0, p2 = 0;
        if (g_VideoRenderer->m_VR_GetEvent(&code, &p1, &p2) != S_OK) break;
        g_VideoRenderer->m_VR_FreeEventParams(code, p1, p2);
        const LONGLONG frame = g_VideoRenderer->m_VR_LastFrameTime();
        const int at = frame < 0 ? -1 : static_cast<int>(frame / 10000);
        const int action = m_GraphEvent_Action(code, at, g_DurationMs);
        switch (action) {
            case GEV_END:
            case GEV_CUT_SHORT:
            case GEV_ABORT:
                if (finish == GEV_NONE || action > finish) {
                    finish = action;
                    finishCode = code;
                    finishParam = p1;
                    finishAt = at;
                }
                break;
            case GEV_ERROR_GOES_ON:
                m_ReportPlayError(code, p1, at);
                break;
            case GEV_LENGTH:
                m_Playback_OnLengthChanged();
                break;
            case GEV_RENDER_DEVICE:
                m_ApplyVideoRect(-1, 1);
                break;
            default:
                break;
        }
    }
    if (finish == GEV_NONE) return;
    m_PlayState_Trace(finish == GEV_END ? L"end" : L"end early");
    // Broken off or aborted: said on screen, then on as at the end, without
    // the countdown that would only hold a file that cannot go on.
    if (finish != GEV_END) m_ReportPlayError(finishCode, finishParam, finishAt);
    m_OnPlayEnd(finish != GEV_END);
}

void m_Playback_OnLengthChanged() {}

void m_PlayRange_OnEnd(int forward)
{
    // A stop notice already on its way when playback paused is stale.
    if (!g_MediaOpen || (!forward && !m_IsPlaying())) return;
    const int selected = g_PlayRangeIndex >= 0;
    const int mode = g_RangeRepeatMode;
    if ((!selected && mode != RANGE_REPEAT_OFF) || (selected && mode == RANGE_REPEAT_ON)) {
        m_SeekToPlayStart(1, 1);
        m_OSD_ShowText(L"PLAY```RANGE : REPEAT", 0, -1, -1, -1, -1, -1);
        return;
    }
    if (mode == RANGE_REPEAT_FILE || mode == RANGE_REPEAT_ALL) {
        // The engine's end goes on as the end-of-range step; play asked
        // at the end steps as the user would.
        m_PlayRange_Step(1, forward ? 1 : -1, mode == RANGE_REPEAT_ALL);
        return;
    }
    if (mode != RANGE_REPEAT_OFF) return;
    if (m_IsNotPlaying()) {
        m_SeekToPlayStart(1, 1);
        return;
    }
    m_Pause();
    if (!forward) m_OSD_ShowText(L"PLAY```RANGE : END```POS", 0, -1, -1, -1, -1, -1);
}
void m_SysVol_OnNotify(WPARAM code, LPARAM) { (void)m_AudioDevice_OnNotice(code); }

void m_Playback_OnTimer(UINT id)
{
    if (m_AudioDevice_OnTimer(id)) return;
    if (id == kTimerSysVolForget) m_SysVol_OnForgetTimer();
}
