#include "commands/ListResumeNotices.h"

#include "filedata/ResumeOpenFiles.h"
#include "filedata/ResumeStore.h"
#include "filedata/ResumeTrack.h"
#include "playback/VideoPropStep.h"
#include "playback/VideoProps.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistState.h"

namespace {

// An unsaved list of opened files keeps a record per entry; a value other
// than 0 says tracks came in.
void m_OnPlaylistChanged(LPARAM value)
{
    const UINT wasInUse = g_OpenFilesMode;
    g_OpenFilesMode =
        g_ListType == LIST_UNSAVED && !g_ListPath[0] && g_Playlist.m_GetCount() > 0 ? 1 : 0;
    if (!g_OpenFilesMode || !value) return;
    // Entries already listed may hold check states and settings the store
    // has not seen yet: written first, reading the store back keeps them.
    if (wasInUse) m_Resume_Save();
    m_UpdateOpenFilesResume();
}

// The value is the state of the switch the sender has just set: the
// entry's own level in use or not.
void m_OnTrackPropsSwitched(LPARAM value)
{
    g_TrackPropsInUse = value ? 1 : 0;
    if (g_TrackPropsInUse) m_TrackSettings_Load();
    STRACKINFO* track = g_Playlist.m_GetTrack(g_PlayingTrack);
    if (track) track->SettingsPresent = g_TrackPropsInUse;
    m_Resume_WriteTrack();
}

}  // namespace

int m_ListResume_OnNotice(WPARAM code, LPARAM value)
{
    switch (code) {
        case kNoticePlaylistChanged:
            m_OnPlaylistChanged(value);
            return 0;
        case kNoticeTrackPropsChanged:
            m_TrackSettings_Changed();
            return 1;
        case kNoticeTrackPropsSwitched:
            m_OnTrackPropsSwitched(value);
            return 1;
        default:
            return 0;
    }
}
