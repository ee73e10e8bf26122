#include "filedata/ChapterTextLines.h"

namespace {
constexpr int kRawCap = kChapterLineCap * 4;  // UTF-8 bytes of 255 characters
}

CChapterTextLines::~CChapterTextLines()
{
    if (m_File != INVALID_HANDLE_VALUE) CloseHandle(m_File);
}

bool CChapterTextLines::m_Open(const wchar_t* path)
{
    m_File = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (m_File == INVALID_HANDLE_VALUE) return false;
    const int b0 = m_Byte(), b1 = m_Byte();
    if (b0 == 0xFF && b1 == 0xFE) {
        m_Encoding = 1;
    } else if (b0 == 0xFE && b1 == 0xFF) {
        m_Encoding = 2;
    } else {
        const int b2 = m_Byte();
        // Not a UTF-8 mark: read from the start again.
        if (!(b0 == 0xEF && b1 == 0xBB && b2 == 0xBF)) m_Pos = 0;
    }
    return true;
}

int CChapterTextLines::m_Byte()
{
    if (m_Pos >= m_Length) {
        DWORD read = 0;
        if (!ReadFile(m_File, m_Buffer, sizeof(m_Buffer), &read, nullptr) || read == 0) return -1;
        m_Length = read;
        m_Pos = 0;
    }
    return m_Buffer[m_Pos++];
}

// One UTF-16 unit, or one byte of UTF-8; -1 at the end.
int CChapterTextLines::m_Unit()
{
    const int a = m_Byte();
    if (a < 0 || m_Encoding == 0) return a;
    const int b = m_Byte();
    if (b < 0) return -1;
    return m_Encoding == 1 ? a | (b << 8) : (a << 8) | b;
}

bool CChapterTextLines::m_Next(wchar_t* line)
{
    line[0] = 0;
    BYTE raw[kRawCap];
    wchar_t wide[kChapterLineCap];
    int n = 0, c;
    bool any = false;
    while ((c = m_Unit()) >= 0) {
        any = true;
        if (c == '\n') break;
        if (m_Encoding == 0) {
            if (n < kRawCap) raw[n++] = (BYTE)c;
        } else if (n < kChapterLineCap - 1) {
            wide[n++] = (wchar_t)c;
        }
    }
    if (!any) return false;
    int len = n;
    if (m_Encoding == 0) {
        static wchar_t decoded[kRawCap + 1];
        len = n ? MultiByteToWideChar(CP_UTF8, 0, (const char*)raw, n, decoded, kRawCap) : 0;
        if (len > kChapterLineCap - 1) len = kChapterLineCap - 1;
        for (int i = 0; i < len; ++i) wide[i] = decoded[i];
    }
    wide[len] = 0;
    // Cut at the first carriage return (and any line feed left).
    for (int i = 0; i < len; ++i) {
        if (wide[i] == L'\r' || wide[i] == L'\n') {
            wide[i] = 0;
            break;
        }
    }
    lstrcpynW(line, wide, kChapterLineCap);
    return true;
}
