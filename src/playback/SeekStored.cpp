// The remembered play position: kept before seeks so that a seek can be
// undone, and the seek back to it or to the item's resume point.
#include "engine/VideoRenderer.h"
#include "filedata/ResumeStore.h"
#include "playback/PlayPause.h"
#include "playback/PlayTime.h"
#include "playback/Seek.h"
#include "playlist/PlaylistState.h"

int g_SavedPlayIndex = -1;
int g_SavedPlayMs = -1;
int g_SavePositionForced;

namespace {

// Less playback than this since the last save keeps the older position: a
// burst of seeks goes back to where it began.
constexpr DWORD kSaveAfterMs = 3001;

void m_GoTo(int index, int ms)
{
    const int shift = GetKeyState(VK_SHIFT) < 0;
    if (index == g_PlayingTrack && g_MediaOpen) {
        if (shift) m_Pause();
        m_SeekToTime(ms, 1, 1);
        return;
    }
    m_OpenPlayListFile(index, ms, 1, !g_PlayStarted || shift ? 2 : 1, 0);
}

}  // namespace

void m_SavePlayPosition(int force)
{
    if (!g_MediaOpen || !g_VideoRenderer) return;
    const DWORD played = m_Tick_PositionSave(1);
    if (!force && played < kSaveAfterMs && g_SavedPlayMs != -1) {
        m_Tick_PositionSave(0);
        return;
    }
    g_SavedPlayIndex = g_PlayingTrack;
    LONGLONG p = 0;
    g_VideoRenderer->m_VR_GetCurrentPosition(&p, 1);
    g_LastSeekTarget = p;
    g_SavedPlayMs = static_cast<int>(p / 10000);
    m_Tick_PositionSave(0);
}

void m_SeekToStoredPosition(int useResume)
{
    int index = 0, ms = 0;
    if (useResume) {
        m_SavePlayPosition(g_SavePositionForced);
        g_SavePositionForced = 0;
        if (g_ResumeOpen.HasData && g_ResumeOpen.PositionOn) {
            index = g_ResumeOpen.Track;
            ms = g_ResumeOpen.Position < 0 ? 0 : g_ResumeOpen.Position;
        }
    } else {
        index = g_SavedPlayIndex;
        ms = g_SavedPlayMs;
        if (index == -1 || ms == -1) return;
        m_SavePlayPosition(0);
    }
    m_GoTo(index, ms);
}
