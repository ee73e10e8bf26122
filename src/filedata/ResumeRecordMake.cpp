// A resume record made from the playback state: position, check states and
// the FILE level's settings.
#include <string.h>

#include "filedata/DataFiles.h"
#include "filedata/ResumeCheckText.h"
#include "filedata/ResumeStore.h"
#include "filedata/ResumeValue.h"
#include "playback/PlayState.h"
#include "playback/RepeatMode.h"
#include "playback/ResumeVideoState.h"
#include "playback/VideoProps.h"
#include "playlist/Playlist.h"
#include "playlist/Shuffle.h"
#include "settings/Settings.h"

namespace {

// An outside start position: the loaded record's track and position stand.
// 1 when the position group was settled here.
int m_TakeLoadedPosition(SRESUMEINFO* out)
{
    const SRESUMEINFO& loaded = g_ListResumeOn ? g_ResumeList : g_ResumeCurrent;
    if (loaded.Track || loaded.Position) {
        out->Track = loaded.Track;
        out->Position = loaded.Position;
        out->PositionOn = 1;
        return 1;
    }
    return !g_ParentFolderOpened;
}

// The entry's index in the list file; an entry added since takes the next
// loaded one's, from its start.
int m_Renumber(int track, int* position)
{
    const int count = g_Playlist.m_GetCount();
    const int loaded = g_Playlist.m_GetTrack(track)->LoadedIndex;
    if (loaded != -1) return loaded;
    *position = 0;
    for (int step = 1; step <= count; ++step) {
        const int index = g_Playlist.m_GetTrack((track + step) % count)->LoadedIndex;
        if (index != -1) return index;
    }
    return 0;
}

void m_MakePosition(SRESUMEINFO* out, int renumber)
{
    int p = g_MediaOpen ? m_GetCurrentPosMs() : g_ResumeOpen.Position;
    const int minPos = g_Settings.Common_RsmIgnr[0];
    const int minRemain = g_Settings.Common_RsmIgnr[1];
    const int minLength = g_Settings.Common_RsmIgnr[2];
    const int length = g_DurationMs;
    if (g_ListType == LIST_SINGLE) {
        if (p < minPos || length - p < minRemain || length < minLength || p == 0) return;
        out->Track = 0;
        out->Position = p;
        out->PositionOn = 1;
        return;
    }
    int track = g_ResumeOpen.Track;
    if (g_PlayingTrack != -1) {
        track = g_PlayingTrack;
        if (renumber && g_ListModified) track = m_Renumber(track, &p);
        if (length < minLength || p < minPos)
            p = 0;
        else if (length - p < minRemain)
            p = g_RepeatMode == REPEAT_FILE ? 0 : -1;
    }
    if (p == 0 && track <= 0) return;
    out->Track = track;
    out->Position = p;
    out->PositionOn = 1;
}

void m_TrackRow(int row, wchar_t out[kCheckRowCap], void*)
{
    static UINT s_Flags[kPlaylistTrackCap];
    if (row == 0) {
        const int count = g_Playlist.m_GetCount();
        for (int i = 0; i < count; ++i) s_Flags[i] = g_Playlist.m_GetTrack(i)->Unchecked;
        m_Resume_MaskRow(s_Flags, count, out);
        return;
    }
    const STRACKINFO* t = g_Playlist.m_GetTrack(row - 1);
    const int chapters = t->ChapterCount > 0 ? t->ChapterCount : kFileInfoItemCap;
    m_Resume_MaskRow(t->ChapterUnchecked, chapters, out);
}

int m_AnyUnchecked()
{
    for (int i = 0; i < g_Playlist.m_GetCount(); ++i) {
        const STRACKINFO* t = g_Playlist.m_GetTrack(i);
        if (t->Unchecked) return 1;
        const int chapters = t->ChapterCount > 0 ? t->ChapterCount : kFileInfoItemCap;
        for (int c = 0; c < chapters && c < kFileInfoItemCap; ++c)
            if (t->ChapterUnchecked[c]) return 1;
    }
    return 0;
}

void m_MakeCheckState(SRESUMEINFO* out)
{
    if (g_Playlist.m_GetCount() <= 0 || !m_AnyUnchecked()) return;
    m_Resume_JoinCheckRows(g_Playlist.m_GetCount() + 1, m_TrackRow, nullptr,
                           !g_Playlist.m_CheckMode, out->CheckText);
    out->CheckOn = 1;
}

}  // namespace

int m_Resume_MakeRecord(SRESUMEINFO* out, int renumber)
{
    m_Resume_ClearRecord(out);
    const wchar_t* source = g_ListPath;
    if (g_ListType == LIST_UNSAVED) {
        source = g_DefaultPlaylistPath;
        out->HasData = 1;
    }
    out->Key = m_Resume_GetKey(source);
    const int outside = g_BookmarkOpened || g_StartPosGiven || g_ParentFolderOpened;
    if (!outside || !m_TakeLoadedPosition(out)) m_MakePosition(out, renumber);
    // The shuffle pass belongs to the position group.
    if (g_ShufflePass > 0) {
        out->ShufflePass = g_ShufflePass;
        out->PositionOn = 1;
    }
    m_MakeCheckState(out);
    m_Resume_PutVideoState(out, &g_VideoPropFile);
    if (m_Resume_HasAny(out)) out->HasData = 1;
    return static_cast<int>(out->HasData);
}
