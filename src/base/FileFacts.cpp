#include "base/FileFacts.h"

#include <cstdlib>
#include <cwchar>
#include <strsafe.h>

#include "base/PathUtil.h"
#include "base/TextSearch.h"
#include "jumplist/JumpListPath.h"
#include "playback/MediaPath.h"
#include "playlist/ScanThread.h"

namespace {

const DWORD kScanWaitLimitMs = 5000;
const int kTimeCopyAttempts = 6;
const DWORD kTimeCopyRetryMs = 250;
const int kFilterItemCap = 257;  // 256 characters and the terminator
const int kProbeNames = 100;

// Drive and folder of a path, with its trailing backslash; 0 when empty.
int FolderOf(const wchar_t* path, wchar_t* out, int size)
{
    wchar_t drive[_MAX_DRIVE], dir[_MAX_DIR];
    out[0] = 0;
    if (!path ||
        _wsplitpath_s(path, drive, _MAX_DRIVE, dir, _MAX_DIR, nullptr, 0, nullptr, 0) != 0) {
        return 0;
    }
    if (FAILED(StringCchPrintfW(out, size, L"%ls%ls", drive, dir))) out[0] = 0;
    return out[0] != 0;
}

bool IsFolder(const wchar_t* path)
{
    const DWORD attr = GetFileAttributesW(path);
    return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY);
}

// Opens for reading the last-write time, folders included.
HANDLE OpenForTime(const wchar_t* path)
{
    return CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

bool CopyWriteTimeOnce(const wchar_t* from, const wchar_t* to)
{
    HANDLE src = OpenForTime(from);
    if (src == INVALID_HANDLE_VALUE) return false;
    // OPEN_EXISTING: a missing image must not be created here.
    HANDLE dst = CreateFileW(to, GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                             FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    bool ok = false;
    if (dst != INVALID_HANDLE_VALUE) {
        FILETIME t;
        ok = GetFileTime(src, nullptr, nullptr, &t) && SetFileTime(dst, nullptr, nullptr, &t);
        CloseHandle(dst);
    }
    CloseHandle(src);
    return ok;
}

// First free "writetest_NNNN" name in the folder; 0 when none is free.
int FreeProbeName(const wchar_t* folder, wchar_t* out, int size)
{
    for (int n = 0; n < kProbeNames; ++n) {
        if (FAILED(StringCchPrintfW(out, size, L"%lswritetest_%04d", folder, n))) return 0;
        if (GetFileAttributesW(out) == INVALID_FILE_ATTRIBUTES) return 1;
    }
    return 0;
}

bool SameTextNoCase(const wchar_t* a, const wchar_t* b)
{
    return CompareStringOrdinal(a, -1, b, -1, TRUE) == CSTR_EQUAL;
}

int MatchExtensionList(const wchar_t* path, const wchar_t* list)
{
    wchar_t ext[kPathCap];
    m_GetExtension(ext, kPathCap, path, 0);
    const wchar_t* p = list ? list : L"";
    for (;;) {
        const wchar_t* stop = wcschr(p, L':');
        const size_t len = stop ? (size_t)(stop - p) : wcslen(p);
        wchar_t item[kFilterItemCap];
        StringCchCopyNW(item, kFilterItemCap, p, len);
        if (SameTextNoCase(ext, item)) return 1;
        if (!stop) return 0;
        p = stop + 1;
    }
}

int MatchFolder(const wchar_t* path, const wchar_t* folder)
{
    wchar_t prefix[kPathCap + 1];
    // A cut folder text would be a wrong prefix: no match then.
    if (FAILED(StringCchCopyW(prefix, kPathCap + 1, folder ? folder : L""))) return 0;
    if (!m_HasSuffix(prefix, L"\\", true) && FAILED(StringCchCatW(prefix, kPathCap + 1, L"\\"))) {
        return 0;
    }
    return m_StartsWith(path, prefix, false);
}

}  // namespace

namespace {

bool m_ScanThreadRuns()
{
    DWORD code = 0;
    return g_ScanThread && GetExitCodeThread(g_ScanThread, &code) && code == STILL_ACTIVE;
}

}  // namespace

DWORD m_WaitScanThread()
{
    // A thread that has already ended costs no wait, whatever the clock does.
    if (!m_ScanThreadRuns()) return 0;
    const ULONGLONG start = GetTickCount64();
    while (m_ScanThreadRuns()) {
        if (GetTickCount64() - start > kScanWaitLimitMs) return 0xFFFFFFFF;
        Sleep(10);
    }
    return (DWORD)(GetTickCount64() - start);
}

INT64 m_GetFileSize(const wchar_t* path)
{
    HANDLE h = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return -1;
    LARGE_INTEGER size;
    const BOOL ok = GetFileSizeEx(h, &size);
    CloseHandle(h);
    return ok ? size.QuadPart : -1;
}

int m_GetFileWriteTime(const wchar_t* path, FILETIME* out)
{
    if (!path || !out) return 0;
    HANDLE h = OpenForTime(path);
    if (h == INVALID_HANDLE_VALUE) return 0;
    const BOOL ok = GetFileTime(h, nullptr, nullptr, out);
    CloseHandle(h);
    return ok ? 1 : 0;
}

int m_CopyMediaTimeToImage()
{
    if (!g_MediaPath[0] || !g_JumpListPath[0]) return 0;
    for (int attempt = 0; attempt < kTimeCopyAttempts; ++attempt) {
        if (attempt > 0) Sleep(kTimeCopyRetryMs);
        if (CopyWriteTimeOnce(g_MediaPath, g_JumpListPath)) return 1;
    }
    return 0;
}

UINT64 m_GetImageFolderFreeSpace()
{
    wchar_t folder[kPathCap];
    ULARGE_INTEGER available;
    if (!FolderOf(g_JumpListPath, folder, kPathCap) ||
        !GetDiskFreeSpaceExW(folder, &available, nullptr, nullptr)) {
        return 0;
    }
    return available.QuadPart;
}

int m_TestFolderWritable(const wchar_t* path)
{
    wchar_t folder[kPathCap], probe[kPathCap];
    if (!FolderOf(path, folder, kPathCap)) return 0;
    if (!IsFolder(folder) && m_CreateDirectoryTree(folder) < 1) return 0;
    if (!FreeProbeName(folder, probe, kPathCap)) return 0;
    HANDLE h =
        CreateFileW(probe, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_HIDDEN, nullptr);
    if (h == INVALID_HANDLE_VALUE) return 0;
    CloseHandle(h);
    DeleteFileW(probe);
    return 1;
}

int m_GetLongPath(const wchar_t* path, wchar_t* out, int size)
{
    if (!out || size < 1) return 0;
    const wchar_t* src = path ? path : L"";
    wchar_t shortPath[kPathCap], longPath[kPathCap];
    const DWORD s = GetShortPathNameW(src, shortPath, kPathCap);
    const DWORD l = s && s < (DWORD)kPathCap ? GetLongPathNameW(shortPath, longPath, kPathCap) : 0;
    // Worked in local buffers, so out may be the path itself.
    if (!l || l >= (DWORD)kPathCap) {
        if (out != src) StringCchCopyW(out, size, src);
        return 0;
    }
    StringCchCopyW(out, size, longPath);
    return 1;
}

int m_MatchFileFilter(const wchar_t* path, int kind, const wchar_t* text)
{
    switch (kind) {
        case FILE_FILTER_ANY:
            return 1;
        case FILE_FILTER_EXTENSIONS:
            return path ? MatchExtensionList(path, text) : 0;
        case FILE_FILTER_FOLDER:
            return path ? MatchFolder(path, text) : 0;
        default:
            return 0;
    }
}
