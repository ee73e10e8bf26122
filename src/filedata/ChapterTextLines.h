// Line reader of chapter texts: UTF-8, or UTF-16 by its byte-order mark.
#pragma once
#include <windows.h>

constexpr int kChapterLineCap = 256;  // 255 characters a line

class CChapterTextLines {
public:
    ~CChapterTextLines();
    bool m_Open(const wchar_t* path);
    // The next line, cut at 255 characters (the rest of a longer line is
    // skipped, so the lines after it stay in step); false at the end.
    bool m_Next(wchar_t* line);

private:
    int m_Byte();
    int m_Unit();

    HANDLE m_File = INVALID_HANDLE_VALUE;
    BYTE m_Buffer[65536];
    DWORD m_Length = 0;
    DWORD m_Pos = 0;
    int m_Encoding = 0;  // 0 UTF-8, 1 UTF-16LE, 2 UTF-16BE
};
