// Whether the frame preview is available, the user's switch for this run
// and the time a hover shows.
#include "playback/SeekPreview.h"

#include <stdarg.h>
#include <strsafe.h>
#include <wchar.h>

#include "app/StatusText.h"
#include "base/BmpFont.h"
#include "base/ErrorLog.h"
#include "engine/Chapters.h"
#include "engine/PreviewPlayer.h"
#include "engine/VideoRenderer.h"
#include "playback/MediaPath.h"
#include "playback/PlayState.h"
#include "playback/SeekPreviewMath.h"
#include "playback/SeekPreviewState.h"
#include "settings/CallTrace.h"
#include "settings/Settings.h"

SSEEKPREVIEW g_SeekPreview = {-1, 0, 0, 0, 0,   1,  0,      0,      {}, 0,
                              -1, 0, 0, 0, L"", -1, {0, 0}, {0, 0}, L""};

namespace {

constexpr int kChapterCap = 512;

int m_IsVideoOpen() { return g_MediaOpen && g_MediaKind == MEDIA_KIND_VIDEO; }

int m_EngineKnowsKeyFrames()
{
    return g_VideoRenderer && g_VideoRenderer->m_VR_GetKeyFrameKind() != 0 ? 1 : 0;
}

void m_ShowSwitchText(const wchar_t* text, int on, const wchar_t* widthOf)
{
    const int colour = !on && g_Settings.Ctrl_SttDisClr ? 0 : 1;
    m_OSD_ShowText(text, colour, -1, 0, -1, m_GetBmpFontTextWidth(0, widthOf), -1);
}

// The hover again at the pointer: fetched anew when frames are available,
// else drawn as text.
void m_RedrawAtPointer()
{
    SSEEKPREVIEW& s = g_SeekPreview;
    if (!s.hasHover) return;
    if (s.available) {
        const SSLIDERNOTIFY hover = s.hover;
        m_SeekPreview_Request(&hover);
        return;
    }
    m_SeekPreview_Draw(&s.hover);
    m_SeekPreview_Show(1);
}

}  // namespace

void m_SeekPreview_Trace(const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    m_TraceLineV(L"PREVIEW : ", format, args);
    va_end(args);
}

int m_SeekPreview_TipBits()
{
    const int* b = g_Settings.Ctrl_SbTip;
    return (b[0] ? SBTIP_ON : 0) | (b[1] ? SBTIP_FRAMES : 0) | (b[2] ? SBTIP_NO_KEYFRAMES : 0);
}

int m_IsSeekPreviewOn()
{
    return m_SeekPreview_AllowedBySettings(m_SeekPreview_TipBits(), g_MediaOpen, m_IsVideoOpen(),
                                           m_EngineKnowsKeyFrames());
}

int m_SeekPreview_UpdateAvailable()
{
    SSEEKPREVIEW& s = g_SeekPreview;
    s.available = m_SeekPreview_Available(m_SeekPreview_TipBits(), s.userOverride, g_MediaOpen,
                                          m_IsVideoOpen(), m_EngineKnowsKeyFrames());
    // A file the preview player could not open would say "LOADING..."
    // for ever: it gets the label only.
    if (s.available && g_MediaOpen && s.failedPath[0] && _wcsicmp(s.failedPath, g_MediaPath) == 0)
        s.available = 0;
    return s.available;
}

int m_SeekPreview_IsAvailable() { return g_SeekPreview.available; }

int m_SeekPreview_IsActive() { return g_SeekPreview.active; }

void m_SeekPreview_Toggle(int mode)
{
    SSEEKPREVIEW& s = g_SeekPreview;
    const wchar_t kOn[] = L"SEEKBAR``````PREVIEW : ON";
    const wchar_t kOff[] = L"SEEKBAR``````PREVIEW : OFF";
    const wchar_t kOffDefault[] = L"SEEKBAR``````PREVIEW : OFF``````(DEF)";
    if (mode == 0 || mode == 1) {
        s.userOverride = mode;
        m_ShowSwitchText(mode ? kOn : kOff, mode, kOff);
    } else if (s.userOverride != -1) {
        s.userOverride = -1;
        const int on = m_IsSeekPreviewOn();
        m_ShowSwitchText(on ? L"SEEKBAR``````PREVIEW : ON``````(DEF)" : kOffDefault, on,
                         kOffDefault);
    } else {
        s.userOverride = m_IsSeekPreviewOn() ? 0 : 1;
        m_ShowSwitchText(s.userOverride ? kOn : kOff, s.userOverride, kOffDefault);
    }
    m_SeekPreview_UpdateAvailable();
    if (!m_IsVideoOpen()) return;
    if (s.shown) {
        s.slowFade = 1;
        m_SeekPreview_Show(0);
    } else {
        m_RedrawAtPointer();
    }
}

int m_SeekPreview_SnapTime(const SSLIDERNOTIFY* record, int exact)
{
    if (!record) return -1;
    static int starts[kChapterCap];
    const SCHAPTERITEM* chapters = nullptr;
    int count = g_VideoRenderer ? g_VideoRenderer->m_VR_GetChapters(&chapters, nullptr) : 0;
    if (!chapters || count < 0) count = 0;
    if (count > kChapterCap) count = kChapterCap;
    for (int i = 0; i < count; ++i) starts[i] = static_cast<int>(chapters[i].Start * 1000.0 + 0.5);
    SPREVIEWSNAP snap = {};
    snap.positionMs = record->position;
    snap.part = record->part;
    snap.index = record->index;
    snap.exact = exact;
    snap.currentMs = g_VideoRenderer ? static_cast<int>(g_VideoRenderer->m_VR_GetPositionMs()) : 0;
    snap.durationMs = g_DurationMs;
    snap.chapterStarts = starts;
    snap.chapterCount = count;
    CVideoRenderer* preview = m_Preview_GetEngine();
    if (preview && m_Preview_HasKeyFrames())
        snap.keyFrames = preview->m_VR_GetKeyFrameMsTable(&snap.keyFrameCount);
    return m_SeekPreview_SnapMs(snap);
}
