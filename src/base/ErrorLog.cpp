#include "base/ErrorLog.h"

#include <stdarg.h>
#include <stdio.h>
#include <wchar.h>

#include "settings/IniPath.h"
#include "settings/Settings.h"

namespace {

const int kTrimAt = 300;       // a file of this many lines is cut back
const int kKeepOld = 199;      // old lines kept by the cut, plus the new one
const int kMessageMax = 1022;  // characters of a formatted message
// The log never holds more than about 300 lines of at most 1023 characters
// (3 UTF-8 bytes each): a larger file is foreign and only its tail is read.
const DWORD kReadCap = 2u * 1024u * 1024u;
// One line in UTF-8 with CR LF.
const int kUtf8LineCap = kLogTextCap * 3 + 2;
const char kBom[] = "\xEF\xBB\xBF";

SRWLOCK s_LogLock = SRWLOCK_INIT;
wchar_t s_LogPath[MAX_PATH + 1];

// The file's bytes as read: the whole file, or its tail when it is large.
struct SLOGBYTES {
    char* data;
    DWORD size;
    DWORD textStart;  // past the BOM, or past the cut line of a tail
    LONGLONG fileSize;
    int lines;    // whole lines, an unended last one included
    int partial;  // only the tail was read
};

// Drive and folder of the executable joined with "Error.log"; built once.
int m_EnsureLogPath()
{
    if (s_LogPath[0]) return 1;
    wchar_t exe[MAX_PATH + 1] = {};
    if (g_ExePath[0])
        wcsncpy_s(exe, g_ExePath, _TRUNCATE);
    else if (!GetModuleFileNameW(nullptr, exe, MAX_PATH))
        return 0;
    wchar_t drive[_MAX_DRIVE] = {};
    wchar_t dir[MAX_PATH + 1] = {};
    if (_wsplitpath_s(exe, drive, _MAX_DRIVE, dir, MAX_PATH + 1, nullptr, 0, nullptr, 0)) return 0;
    wchar_t path[MAX_PATH + 1] = {};
    if (_snwprintf_s(path, MAX_PATH + 1, _TRUNCATE, L"%s%sError.log", drive, dir) < 0)
        return 0;  // a path that does not fit would name some other file
    wcsncpy_s(s_LogPath, path, _TRUNCATE);
    return 1;
}

// Cuts a text at max characters without splitting a surrogate pair.
int m_CutLength(const wchar_t* text, int max)
{
    int len = static_cast<int>(wcsnlen(text, max + 1));
    if (len <= max) return len;
    if (max > 0 && IS_HIGH_SURROGATE(text[max - 1])) return max - 1;
    return max;
}

// "yyyy.mm.dd hh:mm:ss.mmm - message\n". The message is cut so that the
// line keeps its newline, and its own line breaks become blanks, so that
// every entry stays one line of the file.
void m_FormatLogLine(wchar_t* out, const wchar_t* message)
{
    SYSTEMTIME t;
    GetLocalTime(&t);
    int len =
        _snwprintf_s(out, kLogTextCap, _TRUNCATE, L"%04d.%02d.%02d %02d:%02d:%02d.%03d - ", t.wYear,
                     t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds);
    if (len < 0) len = 0;
    int room = kLogTextCap - 2 - len;
    int take = m_CutLength(message ? message : L"", room);
    for (int i = 0; i < take; ++i) {
        wchar_t c = message[i];
        out[len++] = (c == L'\r' || c == L'\n') ? L' ' : c;
    }
    out[len++] = L'\n';
    out[len] = 0;
}

// The line without its '\n' in UTF-8, ended by CR LF; its byte count.
int m_ToUtf8Line(const wchar_t* line, char* out)
{
    int chars = static_cast<int>(wcslen(line));
    if (chars > 0 && line[chars - 1] == L'\n') --chars;
    int bytes = 0;
    if (chars > 0)
        bytes =
            WideCharToMultiByte(CP_UTF8, 0, line, chars, out, kUtf8LineCap - 2, nullptr, nullptr);
    if (bytes < 0) bytes = 0;
    out[bytes++] = '\r';
    out[bytes++] = '\n';
    return bytes;
}

int m_WriteAll(HANDLE file, const char* data, DWORD size)
{
    while (size > 0) {
        DWORD done = 0;
        if (!WriteFile(file, data, size, &done, nullptr) || done == 0) return 0;
        data += done;
        size -= done;
    }
    return 1;
}

int m_ReadAll(HANDLE file, char* data, DWORD size)
{
    while (size > 0) {
        DWORD done = 0;
        if (!ReadFile(file, data, size, &done, nullptr) || done == 0) return 0;
        data += done;
        size -= done;
    }
    return 1;
}

void m_CountLines(SLOGBYTES* log)
{
    DWORD i = 0;
    if (log->partial) {
        // The first piece of a tail is the end of a line cut by the read.
        while (i < log->size && log->data[i] != '\n') ++i;
        i = (i < log->size) ? i + 1 : log->size;
    } else if (log->size >= 3 && memcmp(log->data, kBom, 3) == 0) {
        i = 3;
    }
    log->textStart = i;
    log->lines = 0;
    for (DWORD k = i; k < log->size; ++k)
        if (log->data[k] == '\n') ++log->lines;
    if (log->size > i && log->data[log->size - 1] != '\n') ++log->lines;
}

// Reads the file (its tail when it is large) into new memory.
int m_ReadLog(HANDLE file, SLOGBYTES* log)
{
    *log = SLOGBYTES{};
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file, &size)) return 0;
    log->fileSize = size.QuadPart;
    log->partial = size.QuadPart > kReadCap;
    log->size = log->partial ? kReadCap : static_cast<DWORD>(size.QuadPart);
    if (log->size == 0) return 1;
    LARGE_INTEGER from;
    from.QuadPart = size.QuadPart - log->size;
    log->data = static_cast<char*>(HeapAlloc(GetProcessHeap(), 0, log->size));
    if (!log->data) return 0;
    if (!SetFilePointerEx(file, from, nullptr, FILE_BEGIN) ||
        !m_ReadAll(file, log->data, log->size)) {
        HeapFree(GetProcessHeap(), 0, log->data);
        *log = SLOGBYTES{};
        return 0;
    }
    m_CountLines(log);
    return 1;
}

void m_FreeLog(SLOGBYTES* log)
{
    if (log->data) HeapFree(GetProcessHeap(), 0, log->data);
    *log = SLOGBYTES{};
}

// Where the newest keep lines of the text begin.
DWORD m_FindNewestLines(const SLOGBYTES& log, int keep)
{
    DWORD end = log.size;
    if (end > log.textStart && log.data[end - 1] == '\n') --end;  // the last line's own newline
    int found = 0;
    for (DWORD i = end; i > log.textStart; --i) {
        if (log.data[i - 1] == '\n' && ++found == keep) return i;
    }
    return log.textStart;
}

// Copies the lines of text[from, size) to out, each ended by CR LF.
DWORD m_CopyLinesCrLf(const SLOGBYTES& log, DWORD from, char* out)
{
    DWORD n = 0;
    DWORD lineStart = from;
    for (DWORD i = from; i <= log.size; ++i) {
        if (i < log.size && log.data[i] != '\n') continue;
        DWORD lineEnd = i;
        if (lineEnd > lineStart && log.data[lineEnd - 1] == '\r') --lineEnd;
        if (i < log.size || lineEnd > lineStart) {
            memcpy(out + n, log.data + lineStart, lineEnd - lineStart);
            n += lineEnd - lineStart;
            out[n++] = '\r';
            out[n++] = '\n';
        }
        lineStart = i + 1;
    }
    return n;
}

// Writes the file's contents to a new file and puts it in the log's place,
// so that a crash mid-way leaves the old log whole.
int m_ReplaceLog(const char* data, DWORD size)
{
    wchar_t temp[MAX_PATH + 1] = {};
    if (_snwprintf_s(temp, MAX_PATH + 1, _TRUNCATE, L"%s.tmp", s_LogPath) < 0) return 0;
    HANDLE file =
        CreateFileW(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    int ok = m_WriteAll(file, data, size) && FlushFileBuffers(file);
    CloseHandle(file);
    if (ok) ok = MoveFileExW(temp, s_LogPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok) DeleteFileW(temp);
    return ok;
}

// Rewrites the log as BOM, its newest 199 lines and the new line.
int m_TrimLog(const SLOGBYTES& log, const char* line, int lineSize)
{
    DWORD from = m_FindNewestLines(log, kKeepOld);
    // Every kept line may gain a CR.
    SIZE_T cap = 3 + (log.size - from) + 2 * (kKeepOld + 1) + lineSize;
    char* out = static_cast<char*>(HeapAlloc(GetProcessHeap(), 0, cap));
    if (!out) return 0;
    memcpy(out, kBom, 3);
    DWORD n = 3 + m_CopyLinesCrLf(log, from, out + 3);
    memcpy(out + n, line, lineSize);
    n += lineSize;
    int ok = m_ReplaceLog(out, n);
    HeapFree(GetProcessHeap(), 0, out);
    return ok;
}

// Appends the line: a new file starts with the BOM, and a file whose last
// line is unended gets its newline first.
int m_AppendToLog(HANDLE file, const SLOGBYTES& log, const char* line, int lineSize)
{
    char buffer[kUtf8LineCap + 3];
    int n = 0;
    if (log.fileSize == 0) {
        memcpy(buffer, kBom, 3);
        n = 3;
    } else if (log.size > log.textStart && log.data[log.size - 1] != '\n') {
        buffer[n++] = '\r';
        buffer[n++] = '\n';
    }
    memcpy(buffer + n, line, lineSize);
    n += lineSize;
    LARGE_INTEGER zero = {};
    if (!SetFilePointerEx(file, zero, nullptr, FILE_END)) return 0;
    return m_WriteAll(file, buffer, n);
}

HANDLE m_OpenLog()
{
    return CreateFileW(s_LogPath, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                       nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Stores the UTF-8 line; the caller holds the lock. A trim that fails falls
// back to appending, so that the entry is kept either way.
int m_StoreLine(const char* line, int lineSize)
{
    HANDLE file = m_OpenLog();
    if (file == INVALID_HANDLE_VALUE) return 0;
    SLOGBYTES log;
    if (!m_ReadLog(file, &log)) {
        CloseHandle(file);
        return 0;
    }
    int stored = 0;
    if (log.partial || log.lines >= kTrimAt) {
        CloseHandle(file);
        stored = m_TrimLog(log, line, lineSize);
        file = stored ? INVALID_HANDLE_VALUE : m_OpenLog();
    }
    if (!stored && file != INVALID_HANDLE_VALUE) stored = m_AppendToLog(file, log, line, lineSize);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    m_FreeLog(&log);
    return stored;
}

}  // namespace

int m_WriteLog(const wchar_t* format, ...)
{
    if (!g_Settings.Main_ErrLog || !format) return 1;
    wchar_t message[kLogTextCap] = {};
    va_list args;
    va_start(args, format);
    // On a format error what was written stays, cut at the same place.
    _vsnwprintf(message, kMessageMax, format, args);
    va_end(args);
    message[kMessageMax] = 0;
    return m_AppendLogLine(message);
}

int m_AppendLogLine(const wchar_t* message)
{
    wchar_t line[kLogTextCap];
    char utf8[kUtf8LineCap];
    AcquireSRWLockExclusive(&s_LogLock);
    m_FormatLogLine(line, message);
    if (m_EnsureLogPath()) m_StoreLine(utf8, m_ToUtf8Line(line, utf8));
    ReleaseSRWLockExclusive(&s_LogLock);
    OutputDebugStringW(line);
    return 1;
}
