// The resume record's value text (one line of Resume.dat, and the RESUME
// keys of list files), the file-name key, and the record's group tests.
#pragma once
#include <windows.h>

#include "filedata/ResumeInfo.h"

struct SFOLDERSETTING;

// Characters of a value text, terminator included.
constexpr int kResumeValueCap = 256;

// Exclusion flags of a per-folder setting, as indices into its Flags.
enum {
    FOLDERSET_POSITION = 1,
    FOLDERSET_SETTINGS = 2,
    FOLDERSET_CHECK = 3,
    FOLDERSET_STREAM = 4,
};

// Nine comma-separated fields, each only for a present group, trailing
// commas removed: a record without groups gives the empty text.
void m_Resume_FormatValue(const SRESUMEINFO* record, wchar_t out[kResumeValueCap]);
// Reads a value text into the record without clearing it first; fields of
// groups the folder setting excludes are skipped. 1 when the text was not
// empty (has data set), else 0 with the record untouched.
int m_Resume_ParseRecord(const wchar_t* text, SRESUMEINFO* record, const SFOLDERSETTING* folder);
// CRC-64/WE of the upper-cased file name (the last folder's name for a path
// ending in a backslash); 0 for no name.
UINT64 m_Resume_GetKey(const wchar_t* path);

int m_Resume_HasAny(const SRESUMEINFO* record);
int m_Resume_HasSettings(const SRESUMEINFO* record);
// Any 32-bit word of the settings part (ProcAmp present through balance)
// nonzero.
int m_Resume_HasSettingValues(const SRESUMEINFO* record);
// Each settings group the source has, with its values; 1 when any was copied.
int m_Resume_CopySettings(SRESUMEINFO* to, const SRESUMEINFO* from);
// Groups the folder setting does not exclude come from the source, present
// or not; has data follows. Returns has data.
int m_Resume_Merge(SRESUMEINFO* to, const SRESUMEINFO* from, const SFOLDERSETTING* folder);
// 1 when the two records differ in any byte.
int m_Resume_Differs(const SRESUMEINFO* a, const SRESUMEINFO* b);
