// The backup, the one retry and the restore around a list-file write.
#pragma once
#include <windows.h>

// How the ".bak" is made: the old file renamed away (it is written anew)
// or copied (it is edited where it lies).
enum {
    LISTBACKUP_MOVE = 0,
    LISTBACKUP_COPY = 1,
};

// One attempt of the write; retry is 1 for the second, which runs without
// a backup. True on success.
typedef bool (*PFNLISTWRITE)(void* context, int retry);

// With backup: "<path>.bak" first (when the file exists); a failed write
// is logged, retried once after 500 ms and logged with its result; when
// that fails too the backup is put back, else it is deleted. caller names
// the operation in the log lines. 1 on success.
int m_ListFile_SaveWithBackup(const wchar_t* path, int backup, int backupKind,
                              const wchar_t* caller, PFNLISTWRITE write, void* context);
