// The size trim of the resume store, worked out in memory and written once.
#pragma once
#include <windows.h>

#include <memory>

// The entries a trim removes, in the order the key-by-key deletions would
// run: offsets of their "key=value" strings in the section buffer.
struct SRESUMETRIM {
    std::unique_ptr<int[]> Entries;
    int Count = 0;
    int Bytes = 0;     // sizes counted (characters + 2 each)
    int KeyCount = 0;  // "=" characters in the section
};

// Plans the trim of a section read as "key=value\0...\0\0" (length
// characters) from a store of fileSize bytes down to target bytes: the
// oldest quarter first without check states or ProcAmp, then the rest of
// that quarter, then everything after it. Keys under 16 characters stay
// and are logged.
void m_Resume_PlanTrim(const wchar_t* section, int length, int fileSize, int target,
                       SRESUMETRIM* plan);

// Removes from the section of an INI file the first remaining key of each
// name, in order (as WritePrivateProfileString with a null value would),
// keeping every other byte; the file is replaced in one step. 1 on success.
int m_Resume_RemoveKeys(const wchar_t* path, const wchar_t* section, const wchar_t* const* keys,
                        int count);
