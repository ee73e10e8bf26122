#include "filedata/ResumeOpenFiles.h"

#include <string.h>

#include "filedata/ResumeCheckText.h"
#include "filedata/ResumeStore.h"
#include "filedata/ResumeValue.h"
#include "library/FolderSetting.h"
#include "playback/PlayState.h"
#include "playback/ResumeVideoState.h"
#include "playback/VideoProps.h"
#include "playlist/Playlist.h"
#include "settings/SettingsLists.h"

namespace {

int m_ChapterRowLength(const STRACKINFO* track)
{
    return track->ChapterCount > 0 && track->ChapterCount < kFileInfoItemCap ? track->ChapterCount
                                                                             : kFileInfoItemCap;
}

// The stored check-state text read for this one entry. 1 when the text
// asks for the check boxes.
int m_TakeChapterChecks(STRACKINFO* track, const wchar_t* text)
{
    static STRACKINFO s_One;
    memset(s_One.ChapterUnchecked, 0, sizeof(s_One.ChapterUnchecked));
    int mode = 0;
    CPlaylist::m_ParseCheckString(text, &s_One, 1, &mode);
    memcpy(track->ChapterUnchecked, s_One.ChapterUnchecked, sizeof(track->ChapterUnchecked));
    return mode;
}

// An entry the file-open thread is opening: that thread reads its record
// and fills the track level from it, so neither is written under it.
int m_IsOpeningOnThread(int index) { return g_OpenThread && index == g_PlayingTrack; }

// The entry's stored record into the entry, its settings into *level. 1
// when it asks for the check boxes.
int m_TakeStored(int index, SVIDEOPROPSET* level)
{
    if (m_IsOpeningOnThread(index)) return 0;
    STRACKINFO* track = g_Playlist.m_GetTrack(index);
    SRESUMEINFO stored;
    if (!m_Resume_Lookup(track->Path, &stored, 1, 1)) return 0;
    int checks = 0;
    if (stored.CheckText[0]) {
        checks = m_TakeChapterChecks(track, stored.CheckText);
        g_Playlist.m_CountCheckedChapters(index);
    }
    if (m_Resume_HasSettings(&stored)) {
        track->HasResume = track->SettingsPresent = 1;
        track->Resume = stored;
        m_Resume_GetVideoState(level, &track->Resume);
    }
    return checks;
}

void m_SaveEntry(const STRACKINFO* track)
{
    SRESUMEINFO stored;
    m_Resume_Lookup(track->Path, &stored, 0, 0);
    SRESUMEINFO made;
    m_Resume_MakeEntryRecord(track, g_Playlist.m_CheckMode, &made);
    // The position is never the entry's to change.
    SFOLDERSETTING folder = {};
    m_FolderSetting_Find(track->Path, &folder);
    folder.Flags[FOLDERSET_POSITION] = 1;
    SRESUMEINFO merged = stored;
    m_Resume_Merge(&merged, &made, &folder);
    if (!m_Resume_Differs(&merged, &stored)) return;
    wchar_t text[kResumeValueCap] = {};
    if (merged.HasData) m_Resume_FormatValue(&merged, text);
    m_Resume_ReplaceKey(stored.HasData ? stored.Key : 0, stored.Key, text);
}

}  // namespace

void m_Resume_MakeEntryRecord(const STRACKINFO* track, int checkBoxes, SRESUMEINFO* out)
{
    m_Resume_ClearRecord(out);
    out->Key = m_Resume_GetKey(track->Path);
    wchar_t row[kCheckRowCap];
    m_Resume_MaskRow(track->ChapterUnchecked, m_ChapterRowLength(track), row);
    if (row[0]) {
        lstrcpynW(out->CheckText, checkBoxes ? L":" : L"+:", kResumeCheckTextCap);
        lstrcatW(out->CheckText, row);
        out->CheckOn = 1;
    }
    if (track->SettingsPresent) m_Resume_CopySettings(out, &track->Resume);
    out->HasData = m_Resume_HasAny(out) ? 1 : 0;
}

int m_UpdateOpenFilesResume()
{
    // The track level belongs to the entry that is open or opening; the last
    // stored entry's settings stand in it only while none is.
    SVIDEOPROPSET level = g_VideoPropTrack;
    int checks = 0;
    for (int i = 0; i < g_Playlist.m_GetCount(); ++i)
        if (m_TakeStored(i, &level)) checks = 1;
    if (!g_MediaOpen && !g_OpenThread) g_VideoPropTrack = level;
    g_Playlist.m_SetCheckMode(checks);
    return checks;
}

void m_Resume_SaveOpenFiles()
{
    for (int i = 0; i < g_Playlist.m_GetCount(); ++i) m_SaveEntry(g_Playlist.m_GetTrack(i));
}
