#include "filedata/ResumeTrack.h"

#include <strsafe.h>

#include "base/ErrorLog.h"
#include "filedata/ResumeStore.h"
#include "filedata/ResumeValue.h"
#include "playback/VideoProps.h"
#include "playlist/ListFileKeys.h"
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
    const wchar_t* value = text[0] ? text : nullptr;
    if (WritePrivateProfileStringW(section, L"RESUME", value, file)) return value ? 1 : 0;
    // A read-only list: the entry keeps its record for the next try.
    m_WriteLog(L"MAIN_%d : Error / WritePrivateProfileString() /%s /%s /%s", __LINE__, file,
               section, value ? value : L"(null)");
    g_TrackPropsDirty = 1;
    return 0;
}

void m_Resume_WriteFolderListTrack(const wchar_t* text)
{
    if (!g_FolderListHasFile && m_ListFile_SyncFolderListOf(g_ListPath) >= 0)
        g_FolderListHasFile = 1;
    m_ListFile_WriteTrackResume(g_ListPath, text);
}
