// Finding missing playlist tracks again: a track whose file is gone is
// looked for among the history's records by its file name, and every
// missing track is then looked up in the recorded moves.
#include <wchar.h>

#include "base/PathUtil.h"
#include "library/Library.h"
#include "library/RecentRecords.h"
#include "playlist/PlaylistTracks.h"
#include "settings/FileMove.h"
#include "settings/FolderPath.h"
#include "settings/Settings.h"

namespace {

bool m_Missing(const wchar_t* path) { return path[0] && m_PathExistsKind(path) == 0; }

// Each record's file is tested once and the answer kept.
bool m_RecordExists(int index)
{
    int state = m_Recent_GetRecordState(index);
    if (state == RECENT_UNTESTED) {
        state = m_PathExistsKind(m_Recent_GetRecordPath(index)) ? RECENT_EXISTS : RECENT_MISSING;
        m_Recent_SetRecordState(index, state);
    }
    return state == RECENT_EXISTS;
}

bool m_SameFileName(const wchar_t* a, const wchar_t* b)
{
    wchar_t nameA[kNameCap], nameB[kNameCap];
    m_GetFileName(nameA, kNameCap, a, 1);
    m_GetFileName(nameB, kNameCap, b, 1);
    return nameA[0] && m_SamePath(nameA, nameB);
}

bool m_IsTrack(const wchar_t* path)
{
    for (int i = 0; i < m_Playlist_GetTrackCount(); ++i)
        if (m_SamePath(m_Playlist_GetTrackPath(i), path)) return true;
    return false;
}

int m_RecordOf(const wchar_t* path)
{
    for (int i = m_Recent_GetRecordCount() - 1; i >= 0; --i)
        if (m_SamePath(m_Recent_GetRecordPath(i), path)) return i;
    return -1;
}

// The newest record of a file with the track's name that exists. A name
// alone does not make it the same file: a record older than the track's own
// record was in use while the track still stood at its old place, and
// another track of the list is a file of its own; neither is taken.
int m_FindMovedCopy(const wchar_t* trackPath)
{
    const int own = m_RecordOf(trackPath);
    for (int i = m_Recent_GetRecordCount() - 1; i > own; --i) {
        const wchar_t* path = m_Recent_GetRecordPath(i);
        if (!m_SameFileName(path, trackPath) || m_IsTrack(path)) continue;
        if (m_RecordExists(i)) return i;
    }
    return -1;
}

}  // namespace

void m_FileMove_RelinkPlaylist()
{
    if (g_Settings.Common_MvLog < 1) return;
    m_Recent_ReadFile(0, 1);
    int recorded = 0;
    for (int i = 0; i < m_Playlist_GetTrackCount(); ++i) {
        const wchar_t* track = m_Playlist_GetTrackPath(i);
        if (!m_Missing(track)) continue;
        const int found = m_FindMovedCopy(track);
        if (found >= 0) recorded |= m_FileMove_Record(track, m_Recent_GetRecordPath(found), 0, 0);
    }
    int relinked = 0;
    for (int i = 0; i < m_Playlist_GetTrackCount(); ++i) {
        wchar_t moved[MAX_PATH + 1];
        const wchar_t* track = m_Playlist_GetTrackPath(i);
        if (!m_Missing(track) || !m_FileMove_Find(moved, MAX_PATH + 1, track, nullptr)) continue;
        m_Playlist_RelinkTrack(i, moved);
        relinked = 1;
    }
    if (relinked) m_Playlist_SetModified();
    if (recorded) m_FileMove_Write();
}
