#include "filedata/ResumeTrack.h"

#include <strsafe.h>

#include "filedata/ResumeValue.h"
#include "playback/VideoProps.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistFiles.h"
#include "playlist/PlaylistState.h"

namespace {

// The entry's record as written: without its settings flag the settings
// groups stay out.
void m_TrackText(const STRACKINFO& track, wchar_t out[kResumeValueCap])
{
    out[0] = 0;
    if (!track.HasResume) return;
    SRESUMEINFO record = track.Resume;
    if (!track.SettingsPresent) {
        record.ProcAmpOn = record.AspectOn = record.CropOn = 0;
        record.RangeMode = 0;
        record.BoostOn = record.BalanceOn = 0;
    }
    m_Resume_FormatValue(&record, out);
}

}  // namespace

int m_Resume_WriteTrack()
{
    g_TrackPropsDirty = 0;
    if (g_ListType != LIST_ZVPL && g_ListType != LIST_FOLDERLIST) return 0;
    const int folderList = g_ListType == LIST_FOLDERLIST;
    const wchar_t* file = folderList ? g_FolderListPath : g_ListPath;
    if (!file[0]) return 0;
    // The sections are numbered by the entries as the file has them.
    if (g_ListModified) (void)m_PlaylistFile_SaveZvpl(file, folderList, 1, 1, 1);
    const STRACKINFO* track = g_Playlist.m_GetTrack(g_PlayingTrack);
    if (!track) return 0;
    wchar_t section[32];
    if (FAILED(StringCchPrintfW(section, 32, L"TRACK_%d", g_PlayingTrack + 1))) return 0;
    wchar_t text[kResumeValueCap];
    m_TrackText(*track, text);
    if (text[0]) return WritePrivateProfileStringW(section, L"RESUME", text, file) ? 1 : 0;
    WritePrivateProfileStringW(section, L"RESUME", nullptr, file);
    return 0;
}
