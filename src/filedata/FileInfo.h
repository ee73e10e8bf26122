// The per-file information file: a small UTF-16 INI text beside the media
// file (or in a sub-folder or one central folder) holding its chapters,
// play ranges and markers, and the data of the open media file.
#pragma once
#include <windows.h>

#include "filedata/FileInfoItems.h"

// Room for a candidate path: a path that does not fit 260 characters is
// kept whole, so that its creation is refused with its true length
// instead of a cut path naming another file.
constexpr int kFileInfoPathCap = 1024;
// The longest path an information file may have.
constexpr int kFileInfoPathMax = 259;

extern SFILEINFO g_FileInfo;
extern wchar_t g_FileInfoPath[kFileInfoPathCap];

// Location modes of [File] "Inf".
enum { FILEINFO_BESIDE = 0, FILEINFO_SUBFOLDER = 1, FILEINFO_CENTRAL = 2 };

// Picks the information file of the media path (see the location modes);
// mode null or -1 takes [File] "Inf", and on return holds the mode of the
// chosen path. 1 only when a file was found and it is valid.
int m_FileInfo_FindPath(wchar_t* out, int size, const wchar_t* mediaPath, int upperCase, int search,
                        int* mode);
// 1 when the file exists, is UTF-16 with its byte-order mark and FMT is 100.
int m_FileInfo_IsValid(const wchar_t* path);
// A fresh file of the two header lines, replacing what was there; pauses
// playback and tells the user when the path is too long or the folder is
// not writable. 1 on success.
int m_FileInfo_Create(const wchar_t* path);

// Clears the record and reads the file; 0 when the file is not valid.
int m_FileInfo_Read(const wchar_t* path, SFILEINFO* info);

// Each writes its section key by key (1 when items were written; 0 when
// the count was 0 or the file could not be created).
int m_FileInfo_WriteChapters(const wchar_t* path, const SCHAPTERITEM* items, int count);
int m_FileInfo_WriteRanges(const wchar_t* path, const SPLAYRANGEITEM* items, int count);
int m_FileInfo_WriteMarkers(const wchar_t* path, const SMARKERITEM* items, int count);
// LEN in the short form; 0 and nothing written below 1 ms.
int m_FileInfo_WriteLength(const wchar_t* path, UINT lengthMs);
// Deletes a small file that holds no item; 1 when it holds none.
int m_FileInfo_DeleteIfEmpty(const wchar_t* path);

// g_FileInfo's section into g_FileInfoPath, then its length.
int m_FileInfo_SaveChapters();
int m_FileInfo_SaveRanges();
int m_FileInfo_SaveMarkers();

// A playlist track's sections into the file found for its path (with
// search), then LEN from its duration; 0 for a track outside the list.
// Chapters are written only when they come from the information file; the
// media's own give an empty section (and a file left empty goes).
int m_FileInfo_SaveTrackChapters(int track);
int m_FileInfo_SaveTrackMarkers(int track);
// The playing track's kinds (FILEINFO_KIND_ bits) copied into g_FileInfo
// and written to g_FileInfoPath; 1 when the file then holds no item, else
// the result of the LEN write; 0 without a playing track.
enum { FILEINFO_KIND_CHAPTERS = 1, FILEINFO_KIND_RANGES = 2, FILEINFO_KIND_MARKERS = 4 };
int m_FileInfo_SaveCurrentTrack(int kinds);
// Deletes the track's file when it holds no item; 1 when it has no file.
int m_FileInfo_DeleteTrackFileIfEmpty(int track);
// The track's ranges and markers become copies of the record's (chapters
// are left alone); with refresh the playing track's seek bar shows them.
// 0 for a bad track or when memory runs out.
int m_FileInfo_CopyToTrack(int track, const SFILEINFO* info, int refresh);

// Time texts: long "%02d:%02d:%06.3f" and short (LEN) forms.
int m_FileInfo_FormatTime(wchar_t* out, int size, INT64 ms, int shortForm);
