// A folder's listing started early on a worker of the thread pool, so that
// a list's parse and the read of its media folder run at the same time. The
// existence check of many paths replays it for that folder instead of
// reading the folder again; anything else reads as before.
#pragma once
#include <windows.h>

#include "base/FolderListing.h"

struct SPREFETCHJOB;

class CFolderPrefetch {
public:
    CFolderPrefetch() = default;
    // Lets go of the listing; a worker still at it stops on its own.
    ~CFolderPrefetch();
    CFolderPrefetch(const CFolderPrefetch&) = delete;
    CFolderPrefetch& operator=(const CFolderPrefetch&) = delete;

    // Starts listing the folder of a plain "X:\folder\name" path; false when
    // there is nothing to list or no worker could be had (nothing changes).
    bool m_Start(const wchar_t* path);
    // Hands the listing over as m_ListFolder would, once, when it is of
    // this folder and was read whole: 1 every entry handed, 0 onEntry
    // stopped it; -1 when the caller has to list the folder itself (also
    // when the worker has not begun yet).
    int m_Replay(const wchar_t* folder, int folderLength, PFNFOLDERENTRY onEntry, void* context);
    // Whether a worker has taken the listing up (or let it go).
    bool m_Begun() const;

private:
    void m_Drop();

    SPREFETCHJOB* m_Job = nullptr;
};
