#include "playlist/M3uFile.h"

#include <shlwapi.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "base/ErrorLog.h"
#include "base/PathUtil.h"
#include "playlist/ListText.h"
#include "playlist/ZvplFile.h"

namespace {

// The next line, cut to kM3uLineCap - 1 characters; a last line without a
// line break is read too. False at the end of the text.
bool m_NextLine(const wchar_t** cursor, const wchar_t* end, wchar_t line[kM3uLineCap])
{
    const wchar_t* p = *cursor;
    if (p >= end) return false;
    int n = 0;
    while (p < end && *p != L'\n' && *p != L'\r') {
        if (n < kM3uLineCap - 1) line[n++] = *p;
        ++p;
    }
    line[n] = 0;
    if (p < end && *p == L'\r') ++p;
    if (p < end && *p == L'\n') ++p;
    *cursor = p;
    return true;
}

void m_FillTrack(STRACKINFO* t, const wchar_t* listPath, const wchar_t* info,
                 const wchar_t* pathLine, int appending)
{
    memset(t, 0, sizeof(*t));
    int seconds = _wtoi(info);
    const wchar_t* comma = wcschr(info, L',');
    if (comma) lstrcpynW(t->Name, comma + 1, kTrackNameCap - 1);
    if (!m_GetFullPath(t->Path, MAX_PATH + 1, listPath, pathLine))
        lstrcpynW(t->Path, pathLine, MAX_PATH + 1);
    t->Seconds = (UINT)seconds;
    t->Milliseconds = (INT64)seconds * 1000;
    t->Missing = m_PathExistsKind(t->Path) == 0 ? 1 : 0;
    t->LoadedIndex = appending ? -1 : 0;
}

}  // namespace

int m_M3u_ReadFirstPath(const wchar_t* path, wchar_t* out)
{
    out[0] = 0;
    CListText text;
    if (!path || !text.m_Load(path, LISTTEXT_M3U)) return 0;
    const wchar_t* cursor = text.m_Text();
    const wchar_t* end = cursor + text.m_Length();
    wchar_t line[kM3uLineCap];
    if (!m_NextLine(&cursor, end, line) || wcsncmp(line, L"#EXTM3U", 7) != 0) return 0;
    while (m_NextLine(&cursor, end, line)) {
        if (wcsncmp(line, L"#EXTINF:", 8) != 0) continue;
        if (!m_NextLine(&cursor, end, line) || !line[0]) return 0;
        if (!m_GetFullPath(out, MAX_PATH + 1, path, line)) lstrcpynW(out, line, MAX_PATH + 1);
        return 1;
    }
    return 0;
}

int m_M3u_ReadTracks(const wchar_t* path, STRACKINFO* tracks, int limit, int first)
{
    CListText text;
    if (!path || !text.m_Load(path, LISTTEXT_M3U)) return first;
    const wchar_t* cursor = text.m_Text();
    const wchar_t* end = cursor + text.m_Length();
    wchar_t line[kM3uLineCap];
    if (!m_NextLine(&cursor, end, line) || wcsncmp(line, L"#EXTM3U", 7) != 0) {
        m_WriteLog(L"E1020 : Open M3U File \"%s\"", path);
        return first;
    }
    int count = first;
    while (true) {
        if (count >= limit) {
            m_WriteLog(
                L"E1011 : プレイリストの上限数(%d)を超えたのでファイルを追加できませんでした。",
                limit);
            break;
        }
        if (!m_NextLine(&cursor, end, line)) break;
        if (wcsncmp(line, L"#EXTINF:", 8) != 0) continue;
        wchar_t info[kM3uLineCap];
        lstrcpynW(info, line + 8, kM3uLineCap);
        if (!m_NextLine(&cursor, end, line)) break;
        if (!line[0]) continue;  // an empty path would name the list's folder
        m_FillTrack(&tracks[count], path, info, line, first != 0);
        if (first == 0) tracks[count].LoadedIndex = count;
        ++count;
    }
    return count;
}

int m_M3u_WriteFile(const wchar_t* path, const STRACKINFO* tracks, int count)
{
    const wchar_t* dot = path ? PathFindExtensionW(path) : nullptr;
    if (!dot || (_wcsicmp(dot, L".m3u") != 0 && _wcsicmp(dot, L".m3u8") != 0)) return 0;
    if (!m_ListFile_MayReplace(path, 1)) return 0;
    HANDLE file =
        CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    bool ok = true;
    char bytes[4 * (kM3uLineCap + kPathCap) + 64];
    wchar_t line[kM3uLineCap + kPathCap + 64];
    for (int i = -1; i < count && ok; ++i) {
        if (i < 0) {
            lstrcpyW(line, L"\xFEFF#EXTM3U\n");
        } else {
            const STRACKINFO* t = &tracks[i];
            lstrcpyW(line, L"#EXTINF:");
            if ((int)t->Seconds > 0) _snwprintf(line + 8, 16, L"%d", (int)t->Seconds);
            line[24] = 0;
            if (t->Name[0]) {
                lstrcatW(line, L",");
                lstrcatW(line, t->Name);
            }
            lstrcatW(line, L"\n");
            lstrcatW(line, t->Path);
            lstrcatW(line, L"\n");
        }
        int n =
            WideCharToMultiByte(CP_UTF8, 0, line, -1, bytes, (int)sizeof(bytes), nullptr, nullptr);
        DWORD done = 0;
        ok = n > 0 && WriteFile(file, bytes, (DWORD)(n - 1), &done, nullptr) &&
             done == (DWORD)(n - 1);
    }
    return CloseHandle(file) && ok ? 1 : 0;
}
