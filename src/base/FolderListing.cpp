#include "base/FolderListing.h"

#include <wchar.h>

#include "base/KeptBlock.h"

namespace {

// Wine fills FindFirstFileExW's records with a short name made up for every
// long one (a hash per entry), which makes a listing of 1000 files take
// twice as long as the native query for names and attributes; Windows
// answers both quickly. The query is looked up in ntdll, and the plain
// search stays for when it is missing or refused.
struct SDIRINFO {
    ULONG NextEntryOffset;
    ULONG FileIndex;
    LARGE_INTEGER Times[4];
    LARGE_INTEGER EndOfFile;
    LARGE_INTEGER AllocationSize;
    ULONG FileAttributes;
    ULONG FileNameLength;  // bytes
    WCHAR FileName[1];
};

struct SIOSTATUS {
    union {
        LONG Status;
        void* Pointer;
    };
    ULONG_PTR Information;
};

typedef LONG(WINAPI* PFNQUERYDIR)(HANDLE file, HANDLE event, void* apc, void* apcContext,
                                  SIOSTATUS* io, void* buffer, ULONG length, int infoClass,
                                  BOOLEAN single, void* mask, BOOLEAN restart);

constexpr int kFileDirectoryInformation = 1;
constexpr LONG kStatusNoMoreFiles = (LONG)0x80000006;
constexpr ULONG kQueryBytes = 64 * 1024;

CKeptBlock s_QueryBlock;

PFNQUERYDIR m_QueryFunction()
{
    static PFNQUERYDIR s_Query =
        (PFNQUERYDIR)(void*)GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryDirectoryFile");
    return s_Query;
}

bool m_IsDots(const wchar_t* name, int length)
{
    return name[0] == L'.' && (length == 1 || (length == 2 && name[1] == L'.'));
}

// Walks one buffer of records; false when the callback stopped.
bool m_HandBuffer(const BYTE* buffer, PFNFOLDERENTRY onEntry, void* context)
{
    for (const BYTE* p = buffer;;) {
        const SDIRINFO* info = (const SDIRINFO*)p;
        const int length = (int)(info->FileNameLength / sizeof(wchar_t));
        if (length > 0 && !m_IsDots(info->FileName, length)) {
            const SFOLDERENTRY entry = {info->FileName, length, info->FileAttributes};
            if (!onEntry(context, entry)) return false;
        }
        if (!info->NextEntryOffset) return true;
        p += info->NextEntryOffset;
    }
}

// -1 when the query could not be made (the caller searches instead), else
// 1 when the listing ended whole, 0 when it failed or was stopped.
int m_ListByQuery(const wchar_t* folder, PFNFOLDERENTRY onEntry, void* context)
{
    PFNQUERYDIR query = m_QueryFunction();
    if (!query) return -1;
    HANDLE dir = CreateFileW(folder, FILE_LIST_DIRECTORY,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (dir == INVALID_HANDLE_VALUE) return -1;
    SIZE_T cap = 0;
    BYTE* buffer = (BYTE*)s_QueryBlock.m_Take(kQueryBytes, &cap);
    int result = buffer ? 1 : -1;
    for (BOOLEAN first = TRUE; result == 1; first = FALSE) {
        SIOSTATUS io = {};
        const LONG status = query(dir, nullptr, nullptr, nullptr, &io, buffer, kQueryBytes,
                                  kFileDirectoryInformation, FALSE, nullptr, first);
        if (status == kStatusNoMoreFiles && !first) break;
        if (status != 0 || io.Information == 0)
            result = first ? -1 : 0;
        else if (!m_HandBuffer(buffer, onEntry, context))
            result = 0;
    }
    s_QueryBlock.m_Give(buffer, cap);
    CloseHandle(dir);
    return result;
}

bool m_ListBySearch(const wchar_t* folder, int folderLength, PFNFOLDERENTRY onEntry, void* context)
{
    wchar_t pattern[MAX_PATH + 2];
    if (folderLength < 1 || folderLength > MAX_PATH) return false;
    wmemcpy(pattern, folder, folderLength);
    pattern[folderLength] = L'*';
    pattern[folderLength + 1] = 0;
    WIN32_FIND_DATAW fd;
    HANDLE find = FindFirstFileExW(pattern, FindExInfoBasic, &fd, FindExSearchNameMatch, nullptr,
                                   FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) return false;
    bool whole = true;
    do {
        const int length = (int)wcsnlen(fd.cFileName, MAX_PATH);
        if (length == 0 || m_IsDots(fd.cFileName, length)) continue;
        const SFOLDERENTRY entry = {fd.cFileName, length, fd.dwFileAttributes};
        whole = onEntry(context, entry);
    } while (whole && FindNextFileW(find, &fd));
    if (whole) whole = GetLastError() == ERROR_NO_MORE_FILES;
    FindClose(find);
    return whole;
}

}  // namespace

bool m_ListFolder(const wchar_t* folder, int folderLength, PFNFOLDERENTRY onEntry, void* context)
{
    if (!folder || folderLength < 3 || folderLength > MAX_PATH || !onEntry) return false;
    // The folder is opened by its name; only a drive's root keeps its
    // backslash.
    wchar_t name[MAX_PATH + 1];
    wmemcpy(name, folder, folderLength);
    const int cut = folderLength > 3 && folder[folderLength - 1] == L'\\' ? 1 : 0;
    name[folderLength - cut] = 0;
    const int listed = m_ListByQuery(name, onEntry, context);
    if (listed >= 0) return listed == 1;
    return m_ListBySearch(folder, folderLength, onEntry, context);
}
