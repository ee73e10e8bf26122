// Finding a media file's subtitle files, loading them after an open and
// renaming them with the media file.
#include "filedata/RelatedFiles.h"

#include <stdarg.h>
#include <strsafe.h>
#include <wchar.h>

#include "app/MainWindow.h"
#include "base/ErrorLog.h"
#include "base/MediaTypes.h"
#include "base/PathUtil.h"
#include "base/StringEdit.h"
#include "base/TextSearch.h"
#include "engine/VideoRenderer.h"
#include "playback/MediaPath.h"
#include "settings/Settings.h"

namespace {

constexpr int kExtCap = 64;       // "StExt" holds at most 127 characters
constexpr int kExtTextCap = 256;  // one entry
constexpr int kRenameCap = 100;
constexpr int kFoundCap = 520;

wchar_t s_Ext[kExtCap][kExtTextCap];
int s_ExtCount;

// A bounded print; false when the text did not fit.
bool Print(wchar_t* out, int cap, const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    const HRESULT hr = StringCchVPrintfW(out, cap, format, args);
    va_end(args);
    return SUCCEEDED(hr);
}

typedef bool (*FoundFn)(const wchar_t* path, const wchar_t* name, void* context);

// Calls found for each related file of base name in the folder; false
// from it stops the walk (and the result is false).
bool WalkFolder(const wchar_t* folder, const wchar_t* base, FoundFn found, void* context)
{
    wchar_t pattern[kFoundCap], path[kFoundCap];
    if (!Print(pattern, kFoundCap, L"%s%s*", folder, base)) return true;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(pattern, &data);
    if (find == INVALID_HANDLE_VALUE) return true;
    bool goOn = true;
    do {
        const wchar_t* name = data.cFileName;
        if (!wcscmp(name, L".") || !wcscmp(name, L"..")) continue;
        if (data.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY)) continue;
        if (!m_StartsWith(name, base, false) || !m_Subtitle_IsListedExt(name, 0)) continue;
        if (!Print(path, kPathCap, L"%s%s", folder, name)) continue;
        goOn = found(path, name, context);
    } while (goOn && FindNextFileW(find, &data));
    FindClose(find);
    return goOn;
}

// The three places in their order, each when its switch is on.
void WalkPlaces(const wchar_t* mediaPath, FoundFn found, void* context)
{
    wchar_t folder[kFoundCap] = L"", base[kNameCap] = L"";
    m_GetParentFolder(folder, kPathCap, mediaPath, 1);
    m_GetFileName(base, kNameCap, mediaPath, 0);
    if (!base[0]) return;
    m_Subtitle_IsListedExt(nullptr, 1);
    const int* on = g_Settings.File_St;
    if (on[1] && !WalkFolder(folder, base, found, context)) return;
    wchar_t place[kFoundCap];
    if (on[2] && g_Settings.File_StSub[0]) {
        if (Print(place, kFoundCap, L"%s%s\\", folder, g_Settings.File_StSub) &&
            !WalkFolder(place, base, found, context)) return;
    }
    const wchar_t* dir = g_Settings.File_StDir;
    if (on[3] && dir[0]) {
        const size_t len = wcslen(dir);
        if (Print(place, kFoundCap, L"%s%s", dir, dir[len - 1] == L'\\' ? L"" : L"\\"))
            WalkFolder(place, base, found, context);
    }
}

bool Offer(const wchar_t* path, const wchar_t*, void* context)
{
    if (g_VideoRenderer->m_VR_AddSubtitleFile(path)) ++*static_cast<int*>(context);
    return true;
}

struct SRENAMEPAIRS {
    wchar_t Base[kNameCap];
    wchar_t NewBase[kNameCap];
    int Count;
    wchar_t Old[kRenameCap][kPathCap];
    wchar_t New[kRenameCap][kPathCap];
};

// A file whose name continues the base name into the name of another
// media file in its folder (movie2.srt beside movie2.avi, for movie)
// belongs to that file.
bool BelongsToLongerName(const wchar_t* path, const wchar_t* name, const wchar_t* base)
{
    wchar_t stem[kNameCap], pattern[kFoundCap];
    lstrcpynW(stem, name, kNameCap);
    const size_t folderLen = wcslen(path) - wcslen(name);
    for (wchar_t* dot; (dot = wcsrchr(stem, L'.')) != nullptr;) {
        *dot = 0;
        if (wcslen(stem) <= wcslen(base)) break;
        if (!Print(pattern, kFoundCap, L"%.*s%s.*", (int)folderLen, path, stem)) continue;
        WIN32_FIND_DATAW data;
        HANDLE find = FindFirstFileW(pattern, &data);
        if (find == INVALID_HANDLE_VALUE) continue;
        bool media = false;
        do {
            const wchar_t* ext = wcsrchr(data.cFileName, L'.');
            media = !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && ext &&
                    _wcsnicmp(data.cFileName, stem, wcslen(stem)) == 0 &&
                    ext - data.cFileName == (ptrdiff_t)wcslen(stem) && m_IsPlayableExt(ext, 0) == 1;
        } while (!media && FindNextFileW(find, &data));
        FindClose(find);
        if (media) return true;
    }
    return false;
}

bool Collect(const wchar_t* path, const wchar_t* name, void* context)
{
    SRENAMEPAIRS* pairs = static_cast<SRENAMEPAIRS*>(context);
    if (pairs->Count >= kRenameCap) return false;
    if (BelongsToLongerName(path, name, pairs->Base)) return true;
    wchar_t newName[kExtTextCap];
    lstrcpynW(newName, name, kExtTextCap);
    m_ReplaceStringNoCase(newName, pairs->Base, pairs->NewBase);
    const int folderLen = (int)(wcslen(path) - wcslen(name));
    wchar_t* target = pairs->New[pairs->Count];
    // No room for the new name: the file is left as it is.
    if (!Print(target, kPathCap, L"%.*s%s", folderLen, path, newName)) return true;
    lstrcpynW(pairs->Old[pairs->Count], path, kPathCap);
    return ++pairs->Count < kRenameCap;
}

// Renames within one folder; on failure the user may try again.
bool RenameWithRetry(const wchar_t* from, const wchar_t* to)
{
    while (!MoveFileW(from, to)) {
        const DWORD error = GetLastError();
        wchar_t reason[256] = L"";
        FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
                       0, reason, 256, nullptr);
        m_TrimRightNewlines(reason);
        static wchar_t text[1024];
        Print(text, 1024, L"ファイル名の変更に失敗しました。(%lu:%s)\r\n\r\n%s\r\n ↓\r\n%s", error,
              reason, from, to);
        if (MessageBoxW(g_hWndMain, text, L"ZENTAVIO", MB_RETRYCANCEL | MB_ICONINFORMATION) !=
            IDRETRY)
            return false;
    }
    return true;
}

}  // namespace

int m_Subtitle_ParseExtList()
{
    s_ExtCount = 0;
    const wchar_t* p = g_Settings.File_StExt;
    if (!p[0]) return 0;
    for (;;) {
        const wchar_t* colon = wcschr(p, L':');
        const int len = colon ? (int)(colon - p) : (int)wcslen(p);
        if (s_ExtCount < kExtCap)
            lstrcpynW(s_Ext[s_ExtCount++], p, len + 1 < kExtTextCap ? len + 1 : kExtTextCap);
        if (!colon) break;
        p = colon + 1;
    }
    return s_ExtCount;
}

int m_Subtitle_IsListedExt(const wchar_t* name, int rebuild)
{
    if (rebuild) m_Subtitle_ParseExtList();
    if (!name) return 0;
    const wchar_t* dot = wcsrchr(name, L'.');
    if (!dot) return 0;
    for (int i = 0; i < s_ExtCount; ++i)
        if (s_Ext[i][0] && _wcsicmp(dot + 1, s_Ext[i]) == 0) return 1;
    return 0;
}

int m_Subtitle_LoadRelated(int show)
{
    if (!g_VideoRenderer || !g_MediaPath[0]) return 0;
    int taken = 0;
    WalkPlaces(g_MediaPath, Offer, &taken);
    if (taken > 0) g_VideoRenderer->m_VR_SelectFirstSubtitleFile(show);
    // With [Main] "Test" a test sees how many the engine took.
    if (g_Settings.Main_Test) {
        wchar_t line[32];
        (void)StringCchPrintfW(line, 32, L"SUBTITLES : %d", taken);
        m_AppendLogLine(line);
    }
    return taken;
}

int m_Subtitle_RenameRelated(const wchar_t* oldPath, const wchar_t* newPath, int checkOnly)
{
    if (!oldPath || !newPath) return 0;
    static SRENAMEPAIRS pairs;
    pairs.Count = 0;
    m_GetFileName(pairs.Base, kNameCap, oldPath, 0);
    m_GetFileName(pairs.NewBase, kNameCap, newPath, 0);
    WalkPlaces(oldPath, Collect, &pairs);
    int result = 1;
    for (int i = 0; i < pairs.Count; ++i) {
        const bool exists = m_PathExistsKind(pairs.New[i]) != 0;
        if (exists) {
            result = 0;
            if (!checkOnly) continue;
        } else if (!checkOnly && !RenameWithRetry(pairs.Old[i], pairs.New[i])) {
            result = 0;
            continue;
        }
        m_WriteLog(L"%d:[%s]>[%s]", i, pairs.Old[i], pairs.New[i]);
    }
    return result;
}
