#include "base/FolderPrefetch.h"

#include <string.h>
#include <wchar.h>

#include "base/KeptBlock.h"

// A thread of its own takes some 4 ms to begin under Wine, longer than the
// parse it would overlap: the pool keeps its workers between loads. Under
// Wine 8 a pool work cancelled before it began leaves the pool starting a
// fresh thread for every later one, so nothing is cancelled: a listing
// not begun when it is wanted is marked dropped, and its worker returns at
// once whenever it comes.
struct SPREFETCHJOB {
    volatile LONG Refs;  // the owner's and the worker's
    volatile LONG State;
    SRWLOCK Lock;
    CONDITION_VARIABLE Ended;
    wchar_t Folder[MAX_PATH + 1];
    int FolderLength;
    // Written by the worker, read once State is done.
    BYTE* Entries;
    SIZE_T Capacity;
    SIZE_T Used;
    bool Whole;
};

namespace {

enum { JOB_PENDING = 0, JOB_RUNNING = 1, JOB_DONE = 2, JOB_DROPPED = 3 };

// Room for some 4000 entries of short names; a larger folder is read again
// by the check, which stops early when the folder dwarfs the list.
constexpr SIZE_T kEntryBytes = 128 * 1024;

// Kept between loads: fresh memory of this size is slow to touch under Wine.
CKeptBlock s_EntryBlock;

// One entry as kept: its attributes, its length, then its name (padded to
// keep the next record aligned).
struct SKEPTENTRY {
    DWORD Attributes;
    DWORD NameLength;
};

SIZE_T m_RecordBytes(int nameLength)
{
    const SIZE_T bytes = sizeof(SKEPTENTRY) + (SIZE_T)nameLength * sizeof(wchar_t);
    return (bytes + 3) & ~(SIZE_T)3;
}

void m_Release(SPREFETCHJOB* job)
{
    if (InterlockedDecrement(&job->Refs) != 0) return;
    s_EntryBlock.m_Give(job->Entries, job->Capacity);
    HeapFree(GetProcessHeap(), 0, job);
}

bool m_Keep(void* context, const SFOLDERENTRY& entry)
{
    SPREFETCHJOB* job = (SPREFETCHJOB*)context;
    const SIZE_T bytes = m_RecordBytes(entry.NameLength);
    if (job->State == JOB_DROPPED || bytes > job->Capacity - job->Used) return false;
    SKEPTENTRY* kept = (SKEPTENTRY*)(job->Entries + job->Used);
    kept->Attributes = entry.Attributes;
    kept->NameLength = (DWORD)entry.NameLength;
    wmemcpy((wchar_t*)(kept + 1), entry.Name, entry.NameLength);
    job->Used += bytes;
    return true;
}

void CALLBACK m_Run(PTP_CALLBACK_INSTANCE, void* context)
{
    SPREFETCHJOB* job = (SPREFETCHJOB*)context;
    if (InterlockedCompareExchange(&job->State, JOB_RUNNING, JOB_PENDING) == JOB_PENDING) {
        job->Entries = (BYTE*)s_EntryBlock.m_Take(kEntryBytes, &job->Capacity);
        job->Whole = job->Entries && m_ListFolder(job->Folder, job->FolderLength, m_Keep, job);
        AcquireSRWLockExclusive(&job->Lock);
        InterlockedCompareExchange(&job->State, JOB_DONE, JOB_RUNNING);
        WakeAllConditionVariable(&job->Ended);
        ReleaseSRWLockExclusive(&job->Lock);
    }
    m_Release(job);
}

}  // namespace

CFolderPrefetch::~CFolderPrefetch() { m_Drop(); }

void CFolderPrefetch::m_Drop()
{
    if (!m_Job) return;
    InterlockedExchange(&m_Job->State, JOB_DROPPED);
    m_Release(m_Job);
    m_Job = nullptr;
}

bool CFolderPrefetch::m_Start(const wchar_t* path)
{
    if (m_Job || !path) return false;
    const int length = (int)wcsnlen(path, MAX_PATH);
    int folderLength = length;
    while (folderLength > 0 && path[folderLength - 1] != L'\\') --folderLength;
    if (length >= MAX_PATH || folderLength < 3 || path[1] != L':' || path[2] != L'\\') return false;
    SPREFETCHJOB* job =
        (SPREFETCHJOB*)HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(SPREFETCHJOB));
    if (!job) return false;
    job->Refs = 2;
    job->State = JOB_PENDING;
    InitializeSRWLock(&job->Lock);
    InitializeConditionVariable(&job->Ended);
    wmemcpy(job->Folder, path, folderLength);
    job->FolderLength = folderLength;
    if (!TrySubmitThreadpoolCallback(m_Run, job, nullptr)) {
        HeapFree(GetProcessHeap(), 0, job);
        return false;
    }
    m_Job = job;
    return true;
}

bool CFolderPrefetch::m_Begun() const { return m_Job && m_Job->State != JOB_PENDING; }

int CFolderPrefetch::m_Replay(const wchar_t* folder, int folderLength, PFNFOLDERENTRY onEntry,
                              void* context)
{
    SPREFETCHJOB* job = m_Job;
    if (!job || !folder || !onEntry || folderLength != job->FolderLength ||
        wmemcmp(folder, job->Folder, folderLength) != 0)
        return -1;
    int result = -1;
    if (InterlockedCompareExchange(&job->State, JOB_DROPPED, JOB_PENDING) != JOB_PENDING) {
        AcquireSRWLockExclusive(&job->Lock);
        while (job->State == JOB_RUNNING)
            SleepConditionVariableSRW(&job->Ended, &job->Lock, INFINITE, 0);
        ReleaseSRWLockExclusive(&job->Lock);
        result = job->Whole ? 1 : -1;
    }
    for (SIZE_T at = 0; result == 1 && at < job->Used;) {
        const SKEPTENTRY* kept = (const SKEPTENTRY*)(job->Entries + at);
        const SFOLDERENTRY entry = {(const wchar_t*)(kept + 1), (int)kept->NameLength,
                                    kept->Attributes};
        if (!onEntry(context, entry)) result = 0;
        at += m_RecordBytes(entry.NameLength);
    }
    m_Drop();
    return result;
}
