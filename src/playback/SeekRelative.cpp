// Seeks by a signed distance, with optional key-frame snapping, and the
// key-frame look-ups of the seek commands.
#include "app/OsdBars.h"
#include "app/PointerInput.h"
#include "app/StatusText.h"
#include "base/BmpFont.h"
#include "commands/CommandHandlers.h"
#include "engine/KeyFrameSearch.h"
#include "engine/VideoRenderer.h"
#include "filedata/ChapterTracking.h"
#include "playback/AutoNext.h"
#include "playback/DisplayRefresh.h"
#include "playback/EndOfStream.h"
#include "playback/FrameStep.h"
#include "playback/PlayPause.h"
#include "playback/Seek.h"
#include "playback/SeekMath.h"
#include "settings/Settings.h"

namespace {

struct CEngineKeyFrames : IKEYFRAMES {
    LONGLONG m_Find(LONGLONG time, int direction) override
    {
        return g_VideoRenderer->m_VR_FindKeyFrameTime(time < 0 ? 0 : time, direction);
    }
};

int m_HasKeyFrames() { return g_VideoRenderer && g_VideoRenderer->m_VR_GetKeyFrameKind() != 0; }

// The pads that keep a short snapped move's text as wide as the plain one:
// one blank and the font's spacing, split around the bracket.
void m_MakeBracketPads(wchar_t left[16], wchar_t right[16])
{
    const int pad = m_GetBmpFontTextWidth(0, L" ") + g_BmpFont.m_GetSpacing();
    if (m_MakePixelPad(0, left, 0, pad / 2) < 0) left[0] = 0;
    if (m_MakePixelPad(0, right, 0, pad - pad / 2) < 0) right[0] = 0;
}

// Moving past the end goes on to what follows the file, unless a mouse
// button holds playback for its own drag.
int m_EndInsteadOfSeek(int deltaMs)
{
    if (deltaMs <= 0 || !g_VideoRenderer->m_VR_IsNearEnd(-1)) return 0;
    if (!g_Mouse.nButtonHold) m_OnPlayEnd(1);
    return 1;
}

void m_AfterRelativeSeek(LONGLONG target, int hold)
{
    if (hold) {
        m_StopContinuousSeek(0);
        m_SetHold(1, 1);
    }
    m_Seek_Engine(target, hold, 0, 1);
    if (!hold && !g_Mouse.nButtonHold) m_SetHold(0, 1);
    m_TimeDisplay_Update(0);
    m_Chapter_AfterSeek();
    if (g_Settings.Osc_Mode == 2)
        m_OSD_ShowBars(0, -1, 1, m_IsPlaying() ? g_Settings.Osc_TmSeek * 10 : -1, 1);
    m_SeekSeries_Arm();
}

}  // namespace

int m_SeekRelative(int deltaMs, int snapMode, int)
{
    if (!g_MediaOpen || !g_VideoRenderer || g_PlayState == 2 || g_MediaKind == MEDIA_KIND_PICTURE)
        return 0;
    if (g_AutoNextActive) m_AutoNext_Show(0, 0, 1);
    m_FrameStep_ClearBase();
    LONGLONG p = 0;
    g_VideoRenderer->m_VR_GetCurrentPosition(&p, 1);
    g_LastSeekTarget = p;
    if (g_SeekSeries.state != 3) m_SavePlayPosition(0);
    m_SeekSeries_Begin(p);
    const LONGLONG duration = g_Duration100ns;
    const int keys = m_HasKeyFrames();
    const int snap = keys && (snapMode == 1 || (snapMode != 0 && g_Settings.Seek_Key == 1));
    if (snapMode == 1 && !keys && deltaMs >= -1 && deltaMs <= 1) {
        m_OSD_ShowText(L"NO KEYFRAME", 0, -1, 2, -1, -1, -1);
        return 0;
    }
    if ((deltaMs < 0 && p <= 0) || m_EndInsteadOfSeek(deltaMs)) return 0;
    SSNAPCHOICE c = {SNAP_PLAIN, 0, 0};
    if (snap) {
        CEngineKeyFrames finder;
        c = m_SeekMath_Snap(p, deltaMs, duration, g_PlayStarted, snapMode, &finder);
        if (c.kind == SNAP_NOTHING) return 0;
    }
    if (c.kind == SNAP_PLAIN) c.target = m_SeekMath_Plain(p, deltaMs, duration, &c.hold);
    const int snapped = c.kind == SNAP_KEY;
    wchar_t left[16] = {}, right[16] = {}, text[kSeekTextCap];
    if (snapped) m_MakeBracketPads(left, right);
    const int form = m_SeekMath_RelativeText(text, kSeekTextCap, snapped, snapMode, deltaMs,
                                             c.target - p, left, right);
    g_LastSeekTarget = c.target;
    m_SeekSeries_Show(text, c.target, form, -1, -1);
    m_AfterRelativeSeek(c.target, c.hold);
    return 1;
}

int m_FindKeyFrameMs(int ms)
{
    if (!m_HasKeyFrames() || ms < 0) return -1;
    const DWORD k = g_VideoRenderer->m_VR_FindKeyFrame(static_cast<DWORD>(ms), 0);
    return k == kKeyFrameNoMs ? -1 : static_cast<int>(k);
}

int m_FindKeyFrameBetween(int ms, int limitMs)
{
    if (!m_HasKeyFrames() || ms < 0) return -1;
    const int forward = ms <= limitMs;
    const DWORD k = g_VideoRenderer->m_VR_FindKeyFrame(static_cast<DWORD>(ms), forward ? 1 : -1);
    if (k == kKeyFrameNoMs) return -1;
    const int at = static_cast<int>(k);
    if (forward ? at > limitMs : at < limitMs) return -1;
    return at;
}
