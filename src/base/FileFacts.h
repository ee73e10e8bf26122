// Facts about files and folders: sizes, times, free space, writability.
#pragma once
#include <windows.h>

// Waits for the duration scan thread to end; the milliseconds waited, or
// 0xFFFFFFFF when it still runs after 5 seconds.
DWORD m_WaitScanThread();
// Size in bytes; -1 when the file cannot be opened or measured.
INT64 m_GetFileSize(const wchar_t* path);
// Last-write time of a file or folder; 1 or 0.
int m_GetFileWriteTime(const wchar_t* path, FILETIME* out);
// Gives the open media file's jump-list image the media file's last-write
// time, retrying while the image is still busy; 1 when set.
int m_CopyMediaTimeToImage();
// Bytes free to the user on the volume of the jump-list image's folder;
// 0 on failure.
UINT64 m_GetImageFolderFreeSpace();
// Creates the folder of the path when missing and writes and deletes a
// hidden probe file in it; 1 when that works.
int m_TestFolderWritable(const wchar_t* path);
// The path with long names and stored letter case; on failure a copy of
// the path and 0.
int m_GetLongPath(const wchar_t* path, wchar_t* out, int size);

// Kinds of m_MatchFileFilter.
enum {
    FILE_FILTER_ANY = 0,
    FILE_FILTER_EXTENSIONS = 3,  // text: extensions separated by ':'
    FILE_FILTER_FOLDER = 4,      // text: a folder holding the file
};
int m_MatchFileFilter(const wchar_t* path, int kind, const wchar_t* text);
