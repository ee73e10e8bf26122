#include "settings/SettingsFile.h"

#include <strsafe.h>

#include "base/ErrorLog.h"
#include "settings/IniPath.h"
#include "settings/InstanceNotice.h"

namespace {

const wchar_t kCopySuffix[] = L".new";
const wchar_t kMutexPrefix[] = L"Zentavio_SettingsFile:";
constexpr DWORD kTurnWaitMs = 5000;
constexpr DWORD kCompareChunk = 16384;

int s_Depth;
bool s_Redirected;
HANDLE s_hTurn;
wchar_t s_FilePath[MAX_PATH + 1];
wchar_t s_CopyPath[MAX_PATH + 1];

bool m_FileExists(const wchar_t* path)
{
    const DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The system keeps profile files cached; a cached copy must not outlive a
// rename or a copy made behind its back.
void m_DropCache(const wchar_t* path)
{
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, path);
}

// Named after the file, so that only instances sharing it wait for each other.
void m_TakeTurn()
{
    wchar_t name[MAX_PATH + 64];
    if (FAILED(StringCchPrintfW(name, ARRAYSIZE(name), L"%s%s", kMutexPrefix, s_FilePath))) return;
    for (wchar_t* p = name; *p; ++p) {
        if (*p == L'\\') *p = L'/';
    }
    s_hTurn = CreateMutexW(nullptr, FALSE, name);
    if (!s_hTurn) return;
    // An instance killed while holding it leaves it abandoned, which is a turn too.
    const DWORD wait = WaitForSingleObject(s_hTurn, kTurnWaitMs);
    if (wait != WAIT_OBJECT_0 && wait != WAIT_ABANDONED) {
        CloseHandle(s_hTurn);
        s_hTurn = nullptr;
    }
}

void m_GiveTurn()
{
    if (!s_hTurn) return;
    ReleaseMutex(s_hTurn);
    CloseHandle(s_hTurn);
    s_hTurn = nullptr;
}

HANDLE m_OpenRead(const wchar_t* path)
{
    return CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool m_SameContent(HANDLE a, HANDLE b)
{
    LARGE_INTEGER sizeA, sizeB;
    if (!GetFileSizeEx(a, &sizeA) || !GetFileSizeEx(b, &sizeB)) return false;
    if (sizeA.QuadPart != sizeB.QuadPart) return false;
    static BYTE bufA[kCompareChunk], bufB[kCompareChunk];
    for (;;) {
        DWORD readA = 0, readB = 0;
        if (!ReadFile(a, bufA, kCompareChunk, &readA, nullptr)) return false;
        if (!ReadFile(b, bufB, kCompareChunk, &readB, nullptr)) return false;
        if (readA != readB || memcmp(bufA, bufB, readA) != 0) return false;
        if (readA == 0) return true;
    }
}

bool m_SameFiles(const wchar_t* first, const wchar_t* second)
{
    HANDLE a = m_OpenRead(first);
    if (a == INVALID_HANDLE_VALUE) return false;
    HANDLE b = m_OpenRead(second);
    bool same = b != INVALID_HANDLE_VALUE && m_SameContent(a, b);
    if (b != INVALID_HANDLE_VALUE) CloseHandle(b);
    CloseHandle(a);
    return same;
}

// The copy's bytes reach the disk before the rename makes them the file.
void m_FlushToDisk(const wchar_t* path)
{
    HANDLE file = CreateFileW(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    FlushFileBuffers(file);
    CloseHandle(file);
}

// Points g_IniPath at a fresh copy of the file (no copy when there is no file).
bool m_StartCopy()
{
    if (!s_FilePath[0]) return false;
    if (FAILED(StringCchPrintfW(s_CopyPath, MAX_PATH + 1, L"%s%s", s_FilePath, kCopySuffix)))
        return false;
    m_DropCache(s_FilePath);
    m_DropCache(s_CopyPath);
    // A copy left by a killed save is stale.
    if (m_FileExists(s_CopyPath) && !DeleteFileW(s_CopyPath)) return false;
    if (m_FileExists(s_FilePath) && !CopyFileW(s_FilePath, s_CopyPath, FALSE)) {
        m_WriteLog(L"MAIN_%d : Error / CopyFileW() = %lu / %s", __LINE__, GetLastError(),
                   s_CopyPath);
        return false;
    }
    lstrcpynW(g_IniPath, s_CopyPath, MAX_PATH + 1);
    return true;
}

// Makes the copy the file; an unchanged copy is only removed.
int m_FinishCopy()
{
    m_DropCache(s_CopyPath);
    lstrcpynW(g_IniPath, s_FilePath, MAX_PATH + 1);
    if (!m_FileExists(s_CopyPath)) return 1;
    if (m_SameFiles(s_CopyPath, s_FilePath)) {
        DeleteFileW(s_CopyPath);
        return 1;
    }
    m_FlushToDisk(s_CopyPath);
    if (!MoveFileExW(s_CopyPath, s_FilePath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        m_WriteLog(L"MAIN_%d : Error / MoveFileExW() = %lu / %s", __LINE__, GetLastError(),
                   s_FilePath);
        DeleteFileW(s_CopyPath);
        return 0;
    }
    m_DropCache(s_FilePath);
    return 1;
}

}  // namespace

int m_SettingsFile_BeginWrite()
{
    if (s_Depth++ > 0) return s_Redirected ? 1 : 0;
    lstrcpynW(s_FilePath, g_IniPath, MAX_PATH + 1);
    m_TakeTurn();
    s_Redirected = m_StartCopy();
    return s_Redirected ? 1 : 0;
}

int m_SettingsFile_EndWrite()
{
    if (s_Depth <= 0) return 1;
    if (--s_Depth > 0) return 1;
    const int done = s_Redirected ? m_FinishCopy() : 1;
    s_Redirected = false;
    m_GiveTurn();
    if (done) m_NotifyOtherInstances_SendHeld();
    return done;
}

const wchar_t* m_SettingsFile_Path() { return s_Depth > 0 ? s_FilePath : g_IniPath; }

int m_SettingsFile_IsOpen() { return s_Depth > 0 ? 1 : 0; }
