// The size trim of the resume store, worked out in memory and written once.
#pragma once
#include <windows.h>

#include <memory>

#include "base/ScratchBuffer.h"

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
// The same, then "addKey=addValue" after the section's last line; -1 when
// the file cannot take it that way (no such section, the key still there
// after the deletions, which the profile API changes in place, no line
// break at its end, text its encoding cannot hold) and nothing was written.
int m_Resume_EditKeys(const wchar_t* path, const wchar_t* section, const wchar_t* const* keys,
                      int count, const wchar_t* addKey, const wchar_t* addValue);

// The section's entries as GetPrivateProfileSection gives them ("key=value"
// each, names and values trimmed, comments and blank lines left out), read
// from the file itself; the characters written before the final one.
int m_Resume_ReadSection(const wchar_t* path, const wchar_t* section, CScratchBuffer<wchar_t>* out);
// The value of the first such key in the section, read from the file
// itself as GetPrivateProfileString would (trimmed, outer quotes removed,
// cut to cap - 1); its length, 0 when there is none.
int m_Resume_ReadKey(const wchar_t* path, const wchar_t* section, const wchar_t* key, wchar_t* out,
                     int cap);
