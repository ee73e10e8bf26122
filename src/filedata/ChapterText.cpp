// Reading chapter texts in their two layouts: one chapter a line
// ("00:05:00.000 Part 2") or pairs of "CHAPTER01=" and "CHAPTER01NAME=".
#include "filedata/ChapterText.h"

#include <stdio.h>
#include <string.h>
#include <wchar.h>

#include "base/PathUtil.h"
#include "base/SortUtil.h"
#include "filedata/ChapterTextLines.h"
#include "filedata/FileInfo.h"

namespace {

constexpr int kOneLineNameCap = 127;  // 126 characters

// A whole number up to the first character that is not a digit.
int Digits(const wchar_t*& p)
{
    int v = 0;
    while (*p >= L'0' && *p <= L'9') {
        if (v < 100000000) v = v * 10 + (*p - L'0');
        ++p;
    }
    return v;
}

// "h:m:s.f" in ms; false when the second ":" or the "." is missing. The
// digits after the point are a fraction of a second ("5.5" is 5.5 s).
bool ParseTime(const wchar_t* text, int* ms, const wchar_t** after)
{
    const wchar_t* c1 = wcschr(text, L':');
    const wchar_t* c2 = c1 ? wcschr(c1 + 1, L':') : nullptr;
    const wchar_t* dot = c2 ? wcschr(c2 + 1, L'.') : nullptr;
    if (!dot) return false;
    const wchar_t* p = text;
    const INT64 h = Digits(p);
    p = c1 + 1;
    const INT64 m = Digits(p);
    p = c2 + 1;
    const INT64 s = Digits(p);
    p = dot + 1;
    int fraction = 0, places = 0;
    for (; *p >= L'0' && *p <= L'9'; ++p) {
        if (places < 3) {
            fraction = fraction * 10 + (*p - L'0');
            ++places;
        }
    }
    for (; places < 3; ++places) fraction *= 10;
    INT64 total = ((h * 60 + m) * 60 + s) * 1000 + fraction;
    if (total > 0x7FFFFFFF) total = 0x7FFFFFFF;
    *ms = (int)total;
    if (after) *after = p;
    return true;
}

bool IsOneLine(const wchar_t* line)
{
    const wchar_t* c1 = wcschr(line, L':');
    const wchar_t* c2 = c1 ? wcschr(c1 + 1, L':') : nullptr;
    return c2 && wcschr(c2 + 1, L'.');
}

void Store(SCHAPTERITEM* items, int i, int ms, const wchar_t* name, int nameCap)
{
    if (!items) return;
    items[i].Start = ms / 1000.0;
    items[i].Length = 0;
    lstrcpynW(items[i].Name, name ? name : L"", nameCap);
}

int ReadOneLine(CChapterTextLines& lines, wchar_t* line, SCHAPTERITEM* items, int maximum,
                bool* unordered)
{
    int count = 0, previous = 0;
    do {
        int ms;
        const wchar_t* after;
        if (!ParseTime(line, &ms, &after)) break;
        const wchar_t* blank = wcschr(after, L' ');
        Store(items, count, ms, blank ? blank + 1 : L"", kOneLineNameCap);
        if (count > 0 && ms < previous) *unordered = true;
        previous = ms;
        ++count;
    } while (count < maximum && lines.m_Next(line));
    return count;
}

int ReadPaired(CChapterTextLines& lines, wchar_t* line, SCHAPTERITEM* items, int maximum)
{
    int count = 0;
    do {
        // A blank line where a pair should begin ends the text (a trailing
        // empty line is no chapter at 0).
        if (!line[0]) break;
        wchar_t prefix[32];
        _snwprintf(prefix, 32, L"CHAPTER%02d=", count + 1);
        int ms = 0;
        const size_t n = wcslen(prefix);
        if (wcsncmp(line, prefix, n) == 0 && !ParseTime(line + n, &ms, nullptr)) break;
        wchar_t nameLine[kChapterLineCap] = L"";
        const bool more = lines.m_Next(nameLine);
        _snwprintf(prefix, 32, L"CHAPTER%02dNAME=", count + 1);
        const size_t k = wcslen(prefix);
        const wchar_t* name = more && wcsncmp(nameLine, prefix, k) == 0 ? nameLine + k : L"";
        Store(items, count, ms, name, kChapterNameCap);
        ++count;
        if (!more) break;
    } while (count < maximum && lines.m_Next(line));
    return count;
}

void SortByStart(SCHAPTERITEM* items, int count)
{
    static STIMERECORD records[kFileInfoItemCap];
    static SCHAPTERITEM sorted[kFileInfoItemCap];
    for (int i = 0; i < count; ++i) {
        records[i].index = i;
        records[i].time = (double)(INT64)(items[i].Start * 1000 + 0.5);
        records[i].data = 0;
    }
    m_SortByTime(records, 0, count - 1);
    for (int i = 0; i < count; ++i) sorted[i] = items[records[i].index];
    memcpy(items, sorted, sizeof(SCHAPTERITEM) * count);
}

}  // namespace

int m_ChapterText_FindPath(wchar_t* out, int size, const wchar_t* mediaPath)
{
    if (!out || size < 1) return 0;
    const int n = _snwprintf(out, size, L"%s.chapter.txt", mediaPath ? mediaPath : L"");
    if (n < 0 || n >= size) {
        out[0] = 0;
        return 0;
    }
    return m_PathExistsKind(out);
}

int m_ChapterText_Read(const wchar_t* path, SCHAPTERITEM* items, int maximum)
{
    if (maximum < 0 || maximum > kFileInfoItemCap) maximum = kFileInfoItemCap;
    if (!path || maximum == 0) return 0;
    CChapterTextLines* lines = new CChapterTextLines();
    int count = 0;
    wchar_t line[kChapterLineCap];
    if (lines->m_Open(path) && lines->m_Next(line)) {
        if (wcsncmp(line, L"CHAPTER", 7) == 0) {
            count = ReadPaired(*lines, line, items, maximum);
        } else if (IsOneLine(line)) {
            bool unordered = false;
            count = ReadOneLine(*lines, line, items, maximum, &unordered);
            if (items && unordered && count >= 2) SortByStart(items, count);
        }
    }
    delete lines;
    return count;
}

int m_ChapterText_Import(const wchar_t* mediaPath)
{
    wchar_t text[kFileInfoPathCap];
    if (m_ChapterText_FindPath(text, kFileInfoPathCap, mediaPath) != 1) return 0;
    const int count = m_ChapterText_Read(text, nullptr, kFileInfoItemCap);
    if (count < 1) return 0;
    g_FileInfo.ChapterCount = (UINT)m_ChapterText_Read(text, g_FileInfo.Chapters, count);
    // A text whose chapters found no place stays as it is, to be imported
    // once the information file can be made.
    if (!m_FileInfo_SaveChapters()) return (int)g_FileInfo.ChapterCount;
    wchar_t bak[kFileInfoPathCap];
    const int n = _snwprintf(bak, kFileInfoPathCap, L"%s.bak", text);
    if (n > 0 && n <= MAX_PATH && m_PathExistsKind(bak) == 0) MoveFileW(text, bak);
    return (int)g_FileInfo.ChapterCount;
}
