// The image-data record a bookmark or jump-list JPEG carries in its user
// comment, as far as opening by path reads it.
#pragma once
#include <windows.h>

// Format numbers: 100..109 bookmark, 200..219 jump list, 300..309 the head
// of an index image with data appended.
constexpr int kImgDataTextCap = 16384;
constexpr int kImgDataBlockCap = 1024;

struct SIMGDATA {
    int Fmt;       // 0: no record
    int OuterFmt;  // 300..309 for an index image, else 0
    int AppVer;
    int Width, Height;  // SIZE of the sheet
    int Quality;        // QT, -1 unknown
    int VisibleRows, Columns, Rows;
    int BlockCount;  // columns x rows (at most kImgDataBlockCap), 1 for a bookmark
    int LengthMs;    // LEN
    wchar_t FileName[256];
    int Track;  // TRACK of a bookmark
    int PosMs;  // POS of a bookmark
    wchar_t File[MAX_PATH + 1];
    wchar_t MediaFile[MAX_PATH + 1];
    int Index;
    int RangeOn, RangeStartMs, RangeEndMs;
    int AppendedBytes;  // ADD of an index image
};

// 1 for a bookmark's format number, 0 otherwise.
inline int m_ImgData_IsBookmark(int fmt) { return fmt / 100 == 1; }
inline int m_ImgData_IsJumpList(int fmt) { return fmt / 100 == 2; }

// The current reader: 1 for a recognised text, 0 otherwise; the record is
// cleared first in every case.
int m_ImgData_Parse(const wchar_t* text, SIMGDATA* out);
// Reads the user comment of the JPEG at path (UTF-8, cut to 16,383 bytes)
// and runs the current reader; 0 when the file cannot be read or has none.
int m_ImgData_ReadFile(void* unused, const wchar_t* path, SIMGDATA* out);
