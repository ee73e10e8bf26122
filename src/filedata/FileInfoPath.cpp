// Where a media file's information file lies, whether it is one of ours,
// its creation and its deletion once it holds nothing.
#include <stdio.h>
#include <wchar.h>

#include "app/MainWindow.h"
#include "base/FileFacts.h"
#include "base/PathUtil.h"
#include "base/TextSearch.h"
#include "filedata/FileInfo.h"
#include "playback/PlayPause.h"
#include "playback/PlayState.h"
#include "settings/Settings.h"

namespace {

const wchar_t kHeader[] = L"ZENTAVIO_FILEINFO";
const wchar_t* const kItemSections[] = {L"CHAPTER", L"RANGE", L"MARKER"};
constexpr INT64 kDeletableSizeLimit = 10000;

// The three candidates of one media path; an empty text is no candidate.
struct SCANDIDATES {
    wchar_t Path[3][kFileInfoPathCap];
};

bool Format(wchar_t* out, const wchar_t* format, const wchar_t* a, const wchar_t* b,
            const wchar_t* c, const wchar_t* d)
{
    const int n = _snwprintf(out, kFileInfoPathCap, format, a, b, c, d);
    if (n < 0 || n >= kFileInfoPathCap) {
        out[0] = 0;
        return false;
    }
    return true;
}

void BuildCandidates(const wchar_t* mediaPath, int upperCase, SCANDIDATES* c)
{
    const wchar_t* ext = upperCase ? L".ZVINF" : L".zvinf";
    wchar_t folder[kPathCap] = L"", name[kNameCap] = L"";
    m_GetParentFolder(folder, kPathCap, mediaPath, 1);
    m_GetFileName(name, kNameCap, mediaPath, 1);
    Format(c->Path[FILEINFO_BESIDE], L"%s%s%s%s", mediaPath, ext, L"", L"");
    c->Path[FILEINFO_SUBFOLDER][0] = 0;
    if (g_Settings.File_InfSub[0])
        Format(c->Path[FILEINFO_SUBFOLDER], L"%s%s\\%s%s", folder, g_Settings.File_InfSub, name,
               ext);
    c->Path[FILEINFO_CENTRAL][0] = 0;
    const wchar_t* dir = g_Settings.File_InfDir;
    if (dir[0] && m_PathExistsKind(dir) == 2) {
        const size_t len = wcslen(dir);
        const wchar_t* slash = len && dir[len - 1] == L'\\' ? L"" : L"\\";
        Format(c->Path[FILEINFO_CENTRAL], L"%s%s%s%s", dir, slash, name, ext);
    }
}

bool IsFile(const wchar_t* path) { return path[0] && m_PathExistsKind(path) == 1; }

void Copy(wchar_t* out, int size, const wchar_t* path)
{
    // A path that does not fit is no path: a cut one would name another file.
    if ((int)wcslen(path) >= size) path = L"";
    lstrcpynW(out, path, size);
}

void ShowBox(const wchar_t* text)
{
    m_Pause();
    // During an open nothing plays yet: the file lands paused instead.
    if (g_PlayState == 2 && g_OpenRequest.nStartState == 1) g_OpenRequest.nStartState = 2;
    MessageBoxW(g_hWndMain, text, L"ZENTAVIO", MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace

int m_FileInfo_FindPath(wchar_t* out, int size, const wchar_t* mediaPath, int upperCase,
                        int search, int* mode)
{
    if (!out || size < 1) return 0;
    out[0] = 0;
    int m = mode && *mode != -1 ? *mode : g_Settings.File_Inf;
    if (m < 0 || m > 2 || !mediaPath || !mediaPath[0]) return 0;
    static SCANDIDATES c;
    BuildCandidates(mediaPath, upperCase, &c);
    if (!c.Path[m][0]) m = FILEINFO_BESIDE;
    int found = IsFile(c.Path[m]) ? m : -1;
    if (found < 0 && search) {
        static const int kOrder[3][2] = {{1, 2}, {0, 2}, {0, 1}};
        for (int other : kOrder[m]) {
            if (IsFile(c.Path[other])) {
                found = other;
                break;
            }
        }
    }
    const int chosen = found >= 0 ? found : m;
    Copy(out, size, c.Path[chosen]);
    if (mode) *mode = chosen;
    return found >= 0 && m_FileInfo_IsValid(out) ? 1 : 0;
}

int m_FileInfo_IsValid(const wchar_t* path)
{
    if (!path || !IsFile(path)) return 0;
    // The profile reader takes a UTF-8 or ANSI file as well, but writing
    // into one would lose the names' Unicode text: only UTF-16 is ours.
    HANDLE h = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return 0;
    BYTE bom[2] = {};
    DWORD read = 0;
    const BOOL ok = ReadFile(h, bom, 2, &read, nullptr);
    CloseHandle(h);
    if (!ok || read != 2 || bom[0] != 0xFF || bom[1] != 0xFE) return 0;
    return GetPrivateProfileIntW(kHeader, L"FMT", 0, path) == 100 ? 1 : 0;
}

int m_FileInfo_Create(const wchar_t* path)
{
    if (!path) return 0;
    static wchar_t text[kFileInfoPathCap + 512];
    const int length = (int)wcslen(path);
    if (length > kFileInfoPathMax) {
        _snwprintf(text, _countof(text) - 1,
                   L"指定のファイルパスが長すぎる為、ファイルを作成する事が出来ませんでした。"
                   L"\r\n(%d/%d)\r\n\r\n\"%s\"",
                   length, kFileInfoPathMax, path);
        text[_countof(text) - 1] = 0;
        ShowBox(text);
        return 0;
    }
    if (!m_TestFolderWritable(path)) {
        _snwprintf(text, _countof(text) - 1,
                   L"ファイルを作成する事が出来ません。\r\n(書き込み権限の無いフォルダや、"
                   L"読み取り専用メディア内に作成しようとした可能性があります。)\r\n\"%s\"",
                   path);
        text[_countof(text) - 1] = 0;
        ShowBox(text);
        return 0;
    }
    HANDLE h = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
    if (h == INVALID_HANDLE_VALUE) return 0;
    static const wchar_t kBody[] = L"\xFEFF[ZENTAVIO_FILEINFO]\r\nFMT=100\r\n";
    const DWORD bytes = (DWORD)(wcslen(kBody) * sizeof(wchar_t));
    DWORD written = 0;
    const BOOL ok = WriteFile(h, kBody, bytes, &written, nullptr);
    CloseHandle(h);
    return ok && written == bytes ? 1 : 0;
}

int m_FileInfo_DeleteIfEmpty(const wchar_t* path)
{
    if (!path) return 1;
    for (const wchar_t* section : kItemSections) {
        wchar_t value[8] = L"";
        GetPrivateProfileStringW(section, L"1", L"", value, _countof(value), path);
        if (value[0]) return 0;
    }
    const INT64 size = m_GetFileSize(path);
    if (size >= 1 && size < kDeletableSizeLimit && m_HasSuffix(path, L".zvinf", false))
        DeleteFileW(path);
    return 1;
}
