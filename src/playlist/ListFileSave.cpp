#include "playlist/ListFileSave.h"

#include <stdio.h>
#include <string.h>

#include "base/ErrorLog.h"
#include "base/PathUtil.h"
#include "playlist/ListText.h"

namespace {

constexpr int kBackupCap = kPathCap + 4;

// A copied backup of a read-only list is read-only too; the attribute is
// only cleared when the plain delete is refused.
void m_DropFile(const wchar_t* path)
{
    if (DeleteFileW(path) || GetLastError() != ERROR_ACCESS_DENIED) return;
    SetFileAttributesW(path, FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(path);
}

// The list renamed to its backup name over an old backup in one step; an
// old backup that refuses to be replaced (read-only) is dropped first.
bool m_MoveToBackup(const wchar_t* path, const wchar_t* bak)
{
    if (MoveFileExW(path, bak, MOVEFILE_REPLACE_EXISTING)) return true;
    m_DropFile(bak);
    return MoveFileW(path, bak) != 0;
}

bool m_SameBytes(const wchar_t* a, const wchar_t* b)
{
    CListText x, y;
    if (!x.m_Load(a, LISTTEXT_PROFILE) || !y.m_Load(b, LISTTEXT_PROFILE)) return false;
    return x.m_Length() == y.m_Length() &&
           memcmp(x.m_Text(), y.m_Text(), (size_t)x.m_Length() * sizeof(wchar_t)) == 0;
}

// The backup over the list. A list that cannot be replaced (read-only, or
// held open by another program) was not written either: when it still
// holds the backup's text the backup goes, else it stays for the user.
void m_RestoreBackup(const wchar_t* bak, const wchar_t* path)
{
    if (MoveFileExW(bak, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return;
    if (m_SameBytes(bak, path)) {
        m_DropFile(bak);
        return;
    }
    m_WriteLog(L"PLAYLIST_%d : Error / MoveFileExW() = %lu / %s", __LINE__, GetLastError(), bak);
}

}  // namespace

int m_ListFile_SaveWithBackup(const wchar_t* path, int backup, int backupKind,
                              const wchar_t* caller, PFNLISTWRITE write, void* context)
{
    wchar_t bak[kBackupCap];
    bool madeBackup = false;
    bool ok = true;
    if (backup && m_PathExistsKind(path) == 1) {
        if (_snwprintf(bak, kBackupCap, L"%s.bak", path) < 0) return 0;
        bak[kBackupCap - 1] = 0;
        if (backupKind == LISTBACKUP_COPY) {
            m_DropFile(bak);
            madeBackup = CopyFileW(path, bak, FALSE) != 0;
        } else {
            madeBackup = m_MoveToBackup(path, bak);
        }
        ok = madeBackup;
    }
    if (ok) ok = write(context, 0);
    if (!ok && backup) {
        m_WriteLog(L"PLAYLIST_%d : Error / %s", __LINE__, caller);
        Sleep(500);
        ok = write(context, 1);
        m_WriteLog(L"PLAYLIST_%d : Retry / %s = %d", __LINE__, caller, ok ? 1 : 0);
    }
    if (madeBackup) {
        if (ok)
            m_DropFile(bak);
        else
            m_RestoreBackup(bak, path);
    }
    return ok ? 1 : 0;
}
