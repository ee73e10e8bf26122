#include "commands/OpenPlayingFile.h"

#include <shellapi.h>

#include "app/StatusText.h"
#include "base/PathUtil.h"
#include "base/SoundCue.h"
#include "commands/NewInstanceLine.h"
#include "commands/OpenCommands.h"
#include "engine/VideoRenderer.h"
#include "filedata/PlayRangeState.h"
#include "filedata/ResumeStore.h"
#include "jumplist/JumpListState.h"
#include "library/Library.h"
#include "playback/MediaPath.h"
#include "playback/PlayPause.h"
#include "playback/PlaybackControl.h"
#include "playback/ResumeVideoState.h"
#include "playback/TrackNavigation.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistTracks.h"
#include "playlist/ScanThread.h"
#include "settings/IniPath.h"

namespace {

// Where playback stands, as the new instance or the re-open takes it on.
SNEWINSTANCEPOS m_CurrentPlace()
{
    SNEWINSTANCEPOS p = {};
    LONGLONG position = 0;
    if (g_VideoRenderer) g_VideoRenderer->m_VR_GetCurrentPosition(&position, 1);
    p.Seconds = position / 10000000.0;
    p.Playing = m_IsPlaying();
    p.RangeMode = m_PlayRange_IsActive();
    p.RangeIndex = g_PlayRangeIndex;
    // Bounds set directly are not kept apart from the stored ranges yet.
    p.RangeStartMs = -1;
    p.RangeEndMs = -1;
    return p;
}

void m_StartNewInstance(const SNEWINSTANCEPOS& place)
{
    wchar_t params[MAX_PATH + 128];
    if (!m_FormatNewInstanceArgs(params, MAX_PATH + 128, g_MediaPath, place)) return;
    const HINSTANCE done =
        ShellExecuteW(nullptr, L"open", g_ExePath, params, nullptr, SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(done) <= 32) m_PlaySoundCue(1);
}

void m_ReopenAlone(const SNEWINSTANCEPOS& place)
{
    wchar_t path[MAX_PATH + 1];
    lstrcpynW(path, g_MediaPath, MAX_PATH + 1);
    if (place.RangeMode)
        m_PlayRange_SetPending(1, place.RangeIndex, place.RangeStartMs, place.RangeEndMs);
    if (!m_OpenFile(path, 0, 0, 1, 1, -1)) return;
    m_Recent_AddCurrent();
    int startMs = static_cast<int>(place.Seconds * 1000.0) - 500;
    if (startMs < 0) startMs = 0;
    m_OpenPlayListFile(0, startMs, 0, place.Playing ? 1 : 2, 0);
    m_SavePlayPosition(0);
}

}  // namespace

int m_FindTrackByPath(const wchar_t* const* paths, int count, const wchar_t* path)
{
    if (!paths || !path) return 0;
    for (int i = 0; i < count; ++i)
        if (paths[i] && CompareStringOrdinal(paths[i], -1, path, -1, TRUE) == CSTR_EQUAL) return i;
    return 0;
}

void m_OpenPlayingFileAlone(int newInstance)
{
    if (!g_MediaOpen) return;
    if (g_ListType == LIST_SINGLE) {
        m_PlaySoundCue(1);
        return;
    }
    const SNEWINSTANCEPOS place = m_CurrentPlace();
    if (newInstance) {
        if (g_PlayStarted) m_Pause();
        m_StartNewInstance(place);
    } else {
        m_ReopenAlone(place);
    }
}

namespace {

// The track the single file became in the folder's list.
int m_TrackOfFile(const wchar_t* path)
{
    static const wchar_t* paths[kPlaylistTrackCap];
    const int count = g_Playlist.m_GetCount();
    for (int i = 0; i < count; ++i) paths[i] = g_Playlist.m_GetTrack(i)->Path;
    return m_FindTrackByPath(paths, count, path);
}

// The folder's own record decides the FILE level and the check states.
void m_TakeFolderRecord()
{
    m_Resume_Lookup(g_ListPath, &g_ResumeCurrent, 0, 1);
    g_ResumeOpen = g_ResumeCurrent;
    m_Resume_GetVideoState(&g_VideoPropFile, &g_ResumeOpen);
    if (g_ResumeOpen.CheckOn) g_Playlist.m_ApplyCheckString(g_ResumeOpen.CheckText);
}

}  // namespace

void m_OpenParentFolder()
{
    const STRACKINFO* track = g_Playlist.m_GetTrack(0);
    if (g_ListType != LIST_SINGLE || !track) {
        m_PlaySoundCue(8);
        return;
    }
    m_Resume_Save();
    const int positionMs = g_MediaOpen ? m_GetCurrentPosMs() : 0;
    const int startState = g_PlayHeld ? 3 : 1;
    const int jumpListShown = g_JumpListShown;
    wchar_t file[MAX_PATH + 1], folder[kPathCap], name[kNameCap];
    lstrcpynW(file, track->Path, MAX_PATH + 1);
    if (!m_SplitFolderName(file, folder, name) || !folder[0]) {
        m_PlaySoundCue(8);
        return;
    }
    if (!m_OpenFile(folder, 0, 1, 1, 1, -1)) return;
    m_TakeFolderRecord();
    m_Playlist_SetModified();
    // The folder list's record keeps the file's place, not the folder's.
    g_ParentFolderOpened = 1;
    m_OpenPlayListFile(m_TrackOfFile(file), positionMs > 0 ? positionMs : 0, 1, startState, 0);
    if (jumpListShown) m_ShowJumpList(1);
    m_OSD_ShowText(L"OPEN````PARENT````FOLDER", -1, -1, -1, -1, -1, -1);
    m_Recent_AddCurrent();
    m_StartScanThread();
}
