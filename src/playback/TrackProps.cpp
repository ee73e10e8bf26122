// The playing entry's own property level (SNGL): taken from the entry at an
// open, kept in the entry's record and written to its list a little after
// the last change.
#include "app/MainTimers.h"
#include "app/MainWindow.h"
#include "filedata/ResumeStore.h"
#include "filedata/ResumeTrack.h"
#include "filedata/ResumeValue.h"
#include "options/OptionAdjust.h"
#include "playback/ResumeVideoState.h"
#include "playback/VideoPropStep.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistState.h"

namespace {

constexpr UINT kTrackSaveDelayMs = 3000;

int m_AnyGroup(const SVIDEOPROPSET& set)
{
    return set.ProcAmpOn || set.AspectOn || set.CropOn || set.RangeMode > 0 || set.BoostOn ||
           set.BalanceOn;
}

}  // namespace

int m_TrackSettings_Store()
{
    STRACKINFO* track = g_Playlist.m_GetTrack(g_PlayingTrack);
    if (!track) return 0;
    track->HasResume = track->SettingsPresent = g_TrackPropsInUse ? 1 : 0;
    track->Props = g_VideoPropTrack;
    m_Resume_PutVideoState(&track->Resume, &g_VideoPropTrack);
    return m_AnyGroup(g_VideoPropTrack);
}

int m_TrackSettings_Load()
{
    STRACKINFO* track = g_Playlist.m_GetTrack(g_PlayingTrack);
    if (!track || track->SettingsPresent || m_Resume_HasSettingValues(&track->Resume)) return 0;
    SRESUMEINFO stored;
    if (!m_Resume_Lookup(track->Path, &stored, 0, 0)) return 0;
    if (!m_Resume_CopySettings(&track->Resume, &stored)) return 0;
    track->HasResume = track->SettingsPresent = 1;
    m_Resume_GetVideoState(&g_VideoPropTrack, &track->Resume);
    return 1;
}

void m_TrackSettings_Changed()
{
    m_TrackSettings_Store();
    g_TrackPropsDirty = 1;
    if (g_hWndMain) SetTimer(g_hWndMain, kTimerTrackResume, kTrackSaveDelayMs, nullptr);
}

void m_TrackSettings_OnOpen()
{
    if (g_ListType != LIST_ZVPL && g_ListType != LIST_FOLDERLIST && g_ListType != LIST_UNSAVED)
        return;
    m_VideoProp_Init(&g_VideoPropTrack, 0);
    const STRACKINFO* track = g_Playlist.m_GetTrack(g_PlayingTrack);
    if (track && track->SettingsPresent) {
        m_Resume_GetVideoState(&g_VideoPropTrack, &track->Resume);
        g_TrackPropsInUse = 1;
    }
    m_Option_UpdateAdjustValues(nullptr, 65535, 0, 0);
}

void m_TrackSettings_OnClose()
{
    if (g_TrackPropsInUse) {
        STRACKINFO* track = g_Playlist.m_GetTrack(g_PlayingTrack);
        if (track && !m_Resume_HasSettingValues(&track->Resume)) track->SettingsPresent = 0;
    }
    if (!g_TrackPropsDirty) return;
    if (g_hWndMain) KillTimer(g_hWndMain, kTimerTrackResume);
    m_Resume_WriteTrack();
}
