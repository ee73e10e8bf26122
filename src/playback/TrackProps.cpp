// The playing entry's own property level: kept in its playlist entry and
// saved with the list a little after the last change.
#include "app/MainTimers.h"
#include "app/MainWindow.h"
#include "playback/ResumeVideoState.h"
#include "playback/VideoPropStep.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistState.h"

namespace {

constexpr UINT kTrackSaveDelayMs = 3000;

}  // namespace

void m_TrackSettings_Store()
{
    STRACKINFO* track = g_Playlist.m_GetTrack(g_PlayingTrack);
    if (!track) return;
    track->HasResume = track->SettingsPresent = g_TrackPropsInUse ? 1 : 0;
    track->Props = g_VideoPropTrack;
}

void m_TrackSettings_Load()
{
    m_VideoProp_Init(&g_VideoPropTrack, 0);
    STRACKINFO* track = g_Playlist.m_GetTrack(g_PlayingTrack);
    if (track && track->SettingsPresent) m_Resume_GetVideoState(&g_VideoPropTrack, &track->Resume);
}

void m_TrackSettings_Changed()
{
    m_TrackSettings_Store();
    g_TrackPropsDirty = 1;
    if (g_hWndMain) SetTimer(g_hWndMain, kTimerTrackResume, kTrackSaveDelayMs, nullptr);
}
