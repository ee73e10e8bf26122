// A folder's entries, names and attributes, read in as few calls as the
// system allows: the one place that reads a whole folder for the existence
// of many paths.
#pragma once
#include <windows.h>

struct SFOLDERENTRY {
    const wchar_t* Name;  // not terminated
    int NameLength;
    DWORD Attributes;
};

// Called for each entry but "." and ".."; false stops the listing.
typedef bool (*PFNFOLDERENTRY)(void* context, const SFOLDERENTRY& entry);

// Lists the folder ("X:\folder\", with its last backslash, folderLength
// characters); true when every entry was handed over.
bool m_ListFolder(const wchar_t* folder, int folderLength, PFNFOLDERENTRY onEntry, void* context);
