// The .zvpl list file (and its read-only legacy predecessor): one pass to
// read the tracks, one write of the whole file.
#pragma once
#include <windows.h>

#include "filedata/ResumeInfo.h"
#include "playlist/TrackInfo.h"

constexpr DWORD kListFileSizeCap = 500000;
constexpr int kListFmtFirst = 100;
constexpr int kListFmtLast = 109;

struct SZVPLREAD {
    int CheckExistence;
    int SkipMissing;
    int SkipDuplicates;
    int Appending;        // loaded positions become -1
    SRESUMEINFO* Resume;  // list-level record to fill (replace only), or null
    int Skipped;          // out
};

// Reads the list's tracks into tracks[first..cap-1]; *count becomes the next
// free slot. Returns 1 when the file was taken (also for an unknown FMT,
// which adds nothing), 0 when it is not a list of this kind.
int m_Zvpl_ReadTracks(const wchar_t* path, STRACKINFO* tracks, int first, int cap, int* count,
                      SZVPLREAD* options);

// Resume modes of the writer: 0 keeps the old file's per-track RESUME of the
// same path, 1 writes each track's own record.
int m_Zvpl_WriteFile(const wchar_t* path, const STRACKINFO* tracks, int count, int backup,
                     int relative, int resumeMode);

// List-level keys written with the tracks.
struct SZVPLHEADER {
    const wchar_t* ListResume;  // null or empty: none
    int FileMg;
};
int m_Zvpl_WriteFileHeader(const wchar_t* path, const STRACKINFO* tracks, int count, int backup,
                           int relative, int resumeMode, const SZVPLHEADER* header);

// 1 when the existing file may be replaced: it is absent, or its size is
// readable and at most kListFileSizeCap, or it reads as a list of its kind
// with at most 1000 entries.
int m_ListFile_MayReplace(const wchar_t* path, int m3u);

// The list-level RESUME ("-" and empty are none); 1 when a value was read
// from a list whose FMT is 100..109.
int m_Zvpl_ReadListResume(const wchar_t* path, wchar_t* text, int cap);
