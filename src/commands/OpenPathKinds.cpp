#include "commands/OpenPathKinds.h"

#include <strsafe.h>

#include <initializer_list>

#include "app/MainWindow.h"
#include "app/StatusText.h"
#include "app/TimeDisplay.h"
#include "app/WindowTitle.h"
#include "base/HandOff.h"
#include "base/PathUtil.h"
#include "base/Shortcut.h"
#include "base/SoundCue.h"
#include "commands/OpenCommands.h"
#include "commands/OpenPicture.h"
#include "jumplist/JumpListState.h"
#include "playback/MediaPath.h"
#include "playback/PlayState.h"
#include "playlist/Playlist.h"
#include "settings/FileMove.h"
#include "settings/Settings.h"

SBOOKMARKOPEN g_BookmarkOpen;

namespace {

bool m_EndsWith(const wchar_t* path, const wchar_t* suffix)
{
    const int n = lstrlenW(path), m = lstrlenW(suffix);
    return n >= m && CompareStringOrdinal(path + n - m, m, suffix, m, TRUE) == CSTR_EQUAL;
}

// Opens another path in place of this one; past the hand-off limit the
// chain ends as a missing path.
int m_HandOn(const wchar_t* path, int startState, const SOPENARGS& a)
{
    CHandOffScope handOff;
    if (!handOff.m_Allowed()) return m_OpenMissing(a.ReportErrors);
    return m_OpenFile(path, startState, a.ReportErrors, a.BringToFront, a.ApplyResume, -1);
}

// A bookmark or jump list whose media is gone shows as its picture.
int m_ShowAsPicture(const wchar_t* path, int reportErrors)
{
    m_PlaySoundCue(1);
    const int shown = m_OpenPicture(path);
    g_ListType = LIST_BOOKMARK;
    g_MediaKind = MEDIA_KIND_JUMPLIST;
    g_PlayState = shown ? 1 : 0;
    lstrcpynW(g_MediaPath, path, MAX_PATH + 1);
    m_ShowJumpList(1);
    m_UpdateWindowTitle();
    m_UpdateTimeDisplay(1);
    if (reportErrors) m_OSD_ShowText(L"NO````TARGET````FILE", 1, 5000, -1, -1, -1, -1);
    return shown;
}

// The bookmark's folder with the target's name, when that exists.
int m_BookmarkCandidate(const wchar_t* bookmark, const wchar_t* target, wchar_t* out)
{
    wchar_t folder[kPathCap], name[kNameCap], unused[kPathCap];
    if (!m_SplitFolderName(bookmark, folder, unused)) return 0;
    if (!m_SplitFolderName(target, unused, name)) return 0;
    if (FAILED(StringCchPrintfW(out, kPathCap, L"%s\\%s", folder, name))) return 0;
    return m_PathExistsKind(out) != 0;
}

}  // namespace

int m_OpenKindOf(const wchar_t* path)
{
    if (m_EndsWith(path, L".zvpl")) return OPEN_KIND_ZVPL;
    if (m_EndsWith(path, L".m3u") || m_EndsWith(path, L".m3u8")) return OPEN_KIND_M3U;
    if (m_EndsWith(path, L".zvjl") || m_EndsWith(path, L".zvjl.jpg")) return OPEN_KIND_JUMPLIST;
    if (m_EndsWith(path, L".zvbm")) return OPEN_KIND_BOOKMARK;
    if (m_EndsWith(path, L".jpg") || m_EndsWith(path, L".jpeg")) return OPEN_KIND_JPEG;
    if (m_EndsWith(path, L".lnk")) return OPEN_KIND_SHORTCUT;
    return OPEN_KIND_MEDIA;
}

int m_OpenShortcut(const wchar_t* path, const SOPENARGS& a)
{
    wchar_t target[kPathCap] = {};
    if (!m_ResolveShortcut(path, target)) {
        SOPENARGS reported = a;
        reported.ReportErrors = 1;
        return m_HandOn(L"", 1, reported);
    }
    wchar_t moved[kPathCap];
    int index = -1;
    if (m_PathExistsKind(target) || !m_FileMove_Find(moved, kPathCap, target, &index))
        return m_HandOn(target, a.StartState, a);
    wchar_t question[1024];
    StringCchPrintfW(
        question, 1024,
        L"ショートカットファイルのリンク先が見つかりません。\r\nファイルの移動履歴から以下の"
        L"場所に同じ名前のファイル(フォルダ)を発見しました。\r\n\r\n変更前 [%s]\r\n変更後 "
        L"[%s]\r\n\r\nこの場所にショートカットのリンク先を変更しますか？",
        target, moved);
    // Declined: nothing opens, and the loading state set before the
    // question must not stay behind.
    if (MessageBoxW(g_hWndMain, question, L"ZENTAVIO", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return m_OpenMissing(0);
    m_CreateShortcut(path, moved);
    m_FileMove_MoveToEnd(index);
    m_FileMove_Write();
    return m_HandOn(moved, a.StartState, a);
}

int m_OpenBookmark(const wchar_t* path, const SOPENARGS& a)
{
    m_ImgData_ReadFile(nullptr, path, &g_ImgData);
    const SIMGDATA& d = g_ImgData;
    wchar_t target[kPathCap];
    lstrcpynW(target, d.File, kPathCap);
    if (!m_ImgData_IsBookmark(d.Fmt) || !target[0]) return m_ShowAsPicture(path, a.ReportErrors);
    if (!m_PathExistsKind(target) &&
        !(g_Settings.Common_RprZvbm && m_BookmarkCandidate(path, d.File, target)))
        return m_ShowAsPicture(path, a.ReportErrors);
    int start = a.StartState;
    if (start == 1 && (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_SHIFT) < 0)) start = 2;
    g_BookmarkOpen.Active = 1;
    g_BookmarkOpen.Track = d.Track;
    g_BookmarkOpen.PosMs = d.PosMs;
    lstrcpynW(g_BookmarkOpen.MediaFile, d.MediaFile, MAX_PATH + 1);
    SOPENARGS inner = {start, 1, 1, 1};
    const int result = m_HandOn(target, start, inner);
    g_BookmarkOpen.Active = 0;
    if (!result) return m_ShowAsPicture(path, a.ReportErrors);
    return result;
}

int m_OpenJumpListPath(const wchar_t* path, const SOPENARGS& a)
{
    // The media file is the jump list's name without its own suffix.
    wchar_t media[kPathCap];
    lstrcpynW(media, path, kPathCap);
    for (const wchar_t* suffix : {L".zvjl.jpg", L".zvjl", L".jpeg", L".jpg"}) {
        if (m_EndsWith(media, suffix)) {
            media[lstrlenW(media) - lstrlenW(suffix)] = 0;
            break;
        }
    }
    if (!m_JumpList_LoadFile(nullptr, path)) {
        if (a.ReportErrors && g_ImgData.Fmt >= 1) {
            m_PlaySoundCue(1);
            wchar_t text[64];
            StringCchPrintfW(text, 64, L"ERROR : OPEN JUMPLIST FILE / FMT=%d", g_ImgData.Fmt);
            m_OSD_ShowText(text, 1, 5000, -1, -1, -1, -1);
        }
        m_OpenPicture(path);
        return 0;
    }
    if (m_PathExistsKind(media) != 1 && g_Settings.File_JlSub[0]) {
        wchar_t folder[kPathCap], name[kNameCap], parent[kPathCap], sub[kNameCap];
        if (m_SplitFolderName(media, folder, name) && m_SplitFolderName(folder, parent, sub) &&
            CompareStringOrdinal(sub, -1, g_Settings.File_JlSub, -1, TRUE) == CSTR_EQUAL)
            StringCchPrintfW(media, kPathCap, L"%s\\%s", parent, name);
    }
    if (m_PathExistsKind(media) != 1) return m_ShowAsPicture(path, a.ReportErrors);
    SOPENARGS loadOnly = {0, 1, a.BringToFront, 0};
    if (!m_HandOn(media, 0, loadOnly)) return 0;
    m_ShowJumpList(1);
    // The media opens stopped under the jump list.
    g_KeepJumpList = 1;
    SOPENARGS stopped = {2, 0, 0, 0};
    const int result = m_HandOn(media, 2, stopped);
    g_KeepJumpList = 0;
    return result;
}

int m_InspectJpeg(const wchar_t* path)
{
    SIMGDATA data;
    if (!m_ImgData_ReadFile(nullptr, path, &data)) return OPEN_KIND_PICTURE;
    if (m_ImgData_IsBookmark(data.Fmt)) return OPEN_KIND_BOOKMARK;
    if (m_ImgData_IsJumpList(data.Fmt)) return OPEN_KIND_JUMPLIST;
    return OPEN_KIND_PICTURE;
}
