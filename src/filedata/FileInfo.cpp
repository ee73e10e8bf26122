// Reading and writing the sections of the per-file information file, and
// the data of the open media file.
#include "filedata/FileInfo.h"

#include <stdio.h>
#include <string.h>
#include <wchar.h>

#include "base/NumberFormat.h"
#include "base/TextSearch.h"
#include "engine/Chapters.h"
#include "filedata/Markers.h"

SFILEINFO g_FileInfo;
wchar_t g_FileInfoPath[kFileInfoPathCap];

namespace {

const wchar_t kHeader[] = L"ZENTAVIO_FILEINFO";
constexpr int kReadCap = 257;     // a value as read: 256 characters
constexpr int kPresentCap = 161;  // a present value compared before a write
constexpr int kValueCap = 320;
constexpr int kEscapedNameCap = 128;  // 127 characters

int Ms(const wchar_t* text)
{
    const int ms = m_ParseTimeText(text);
    return ms < 0 ? 0 : ms;
}

// The name after the first comma, unescaped into the record's field.
void TakeName(const wchar_t* comma, wchar_t* name, int cap)
{
    name[0] = 0;
    if (comma) m_EscapeText(false, ESCAPE_COMMA, name, cap, comma + 1);
}

void ReadLength(const wchar_t* path, SFILEINFO* info)
{
    wchar_t value[kReadCap] = L"";
    GetPrivateProfileStringW(kHeader, L"LEN", L"", value, kReadCap, path);
    if (!value[0]) {
        GetPrivateProfileStringW(kHeader, L"TIME", L"", value, kReadCap, path);
        if (!value[0]) return;
        // The older key gives way to LEN, its text unchanged.
        WritePrivateProfileStringW(kHeader, L"TIME", nullptr, path);
        WritePrivateProfileStringW(kHeader, L"LEN", value, path);
    }
    info->Length = (UINT)Ms(value);
}

bool ReadItem(const wchar_t* path, const wchar_t* section, int n, wchar_t* value)
{
    wchar_t key[16];
    _snwprintf(key, 16, L"%d", n);
    value[0] = 0;
    GetPrivateProfileStringW(section, key, L"", value, kReadCap, path);
    return value[0] != 0;
}

void ReadChapters(const wchar_t* path, SFILEINFO* info)
{
    wchar_t value[kReadCap];
    UINT count = 0;
    while (count < (UINT)kFileInfoItemCap && ReadItem(path, L"CHAPTER", count + 1, value)) {
        SCHAPTERITEM& c = info->Chapters[count++];
        c.Start = Ms(value) / 1000.0;
        TakeName(wcschr(value, L','), c.Name, kChapterNameCap);
    }
    info->ChapterCount = count;
}

void ReadRanges(const wchar_t* path, SFILEINFO* info)
{
    wchar_t value[kReadCap];
    UINT count = 0;
    while (count < (UINT)kFileInfoItemCap && ReadItem(path, L"RANGE", count + 1, value)) {
        SPLAYRANGEITEM& r = info->Ranges[count++];
        r.start = r.end = 0;
        r.name[0] = 0;
        wchar_t* dash = wcschr(value, L'-');
        if (!dash) continue;
        *dash = 0;
        wchar_t* end = dash + 1;
        wchar_t* comma = wcschr(end, L',');
        TakeName(comma, r.name, kFileInfoNameCap);
        if (comma) *comma = 0;
        r.start = value[0] ? Ms(value) : -1;
        r.end = end[0] ? Ms(end) : -1;
    }
    info->RangeCount = count;
}

// Stepping and deleting rely on markers in order of position, one at each
// position: a file edited by hand gets them sorted, the first of equal ones
// kept. The count kept.
UINT KeepSortedAndDistinct(SMARKERITEM* items, int count)
{
    m_Marker_Sort(items, count, 0);
    int kept = 0;
    for (int i = 0; i < count; ++i)
        if (kept == 0 || items[i].position != items[kept - 1].position) items[kept++] = items[i];
    for (int i = kept; i < count; ++i) items[i] = SMARKERITEM{};
    return (UINT)kept;
}

void ReadMarkers(const wchar_t* path, SFILEINFO* info)
{
    wchar_t value[kReadCap];
    UINT count = 0;
    while (count < (UINT)kFileInfoItemCap && ReadItem(path, L"MARKER", count + 1, value)) {
        SMARKERITEM& m = info->Markers[count++];
        m.position = Ms(value);
        TakeName(wcschr(value, L','), m.name, kFileInfoNameCap);
    }
    info->MarkerCount = KeepSortedAndDistinct(info->Markers, (int)count);
}

// ",name" escaped and cut to 127 characters, never inside an escape.
void AppendName(wchar_t* value, const wchar_t* name)
{
    if (!name || !name[0]) return;
    wchar_t escaped[kEscapedNameCap];
    m_EscapeText(true, ESCAPE_COMMA, escaped, kEscapedNameCap, name);
    const size_t len = wcslen(value);
    _snwprintf(value + len, kValueCap - len - 1, L",%s", escaped);
    value[kValueCap - 1] = 0;
}

void ChapterValue(const void* items, int i, wchar_t* value)
{
    const SCHAPTERITEM& c = static_cast<const SCHAPTERITEM*>(items)[i];
    m_FileInfo_FormatTime(value, kValueCap, (INT64)(c.Start * 1000 + 0.5), 0);
    AppendName(value, c.Name);
}

void RangeValue(const void* items, int i, wchar_t* value)
{
    const SPLAYRANGEITEM& r = static_cast<const SPLAYRANGEITEM*>(items)[i];
    wchar_t start[64] = L"", end[64] = L"";
    if (r.start != -1) m_FileInfo_FormatTime(start, 64, r.start, 0);
    if (r.end != -1) m_FileInfo_FormatTime(end, 64, r.end, 0);
    _snwprintf(value, kValueCap - 1, L"%s-%s", start, end);
    value[kValueCap - 1] = 0;
    AppendName(value, r.name);
}

void MarkerValue(const void* items, int i, wchar_t* value)
{
    const SMARKERITEM& m = static_cast<const SMARKERITEM*>(items)[i];
    m_FileInfo_FormatTime(value, kValueCap, m.position, 0);
    AppendName(value, m.name);
}

typedef void (*ValueFn)(const void* items, int i, wchar_t* value);

// Keys 1..count get their values (unchanged ones are not rewritten); the
// keys after them are deleted up to the first one already empty.
int WriteSection(const wchar_t* path, const wchar_t* section, const void* items, int count,
                 ValueFn build)
{
    if (!path || !path[0]) return 0;
    if (count < 0) count = 0;
    if (count > kFileInfoItemCap) count = kFileInfoItemCap;
    if (!m_FileInfo_IsValid(path)) {
        if (count == 0 || !m_FileInfo_Create(path)) return 0;
    }
    for (int n = 1; n <= kFileInfoItemCap; ++n) {
        wchar_t key[16], present[kPresentCap] = L"";
        _snwprintf(key, 16, L"%d", n);
        GetPrivateProfileStringW(section, key, L"", present, kPresentCap, path);
        if (n > count) {
            if (!present[0]) break;
            WritePrivateProfileStringW(section, key, nullptr, path);
            continue;
        }
        wchar_t value[kValueCap];
        build(items, n - 1, value);
        if (wcscmp(value, present) != 0) WritePrivateProfileStringW(section, key, value, path);
    }
    if (count > 0) return 1;
    m_FileInfo_DeleteIfEmpty(path);
    return 0;
}

}  // namespace

void m_FileInfo_Clear(SFILEINFO* info)
{
    if (info) memset(info, 0, sizeof(*info));
}

int m_FileInfo_FormatTime(wchar_t* out, int size, INT64 ms, int shortForm)
{
    if (!out || size < 1) return 0;
    if (ms < 0) ms = 0;
    const INT64 hours = ms / 3600000;
    const int minutes = (int)(ms / 60000 % 60);
    const double seconds = (ms % 60000) / 1000.0;
    int n;
    if (shortForm && hours == 0)
        n = _snwprintf(out, size - 1, L"%02d:%06.3f", minutes, seconds);
    else
        n = _snwprintf(out, size - 1, shortForm ? L"%d:%02d:%06.3f" : L"%02d:%02d:%06.3f",
                       (int)hours, minutes, seconds);
    out[size - 1] = 0;
    return n < 0 ? size - 1 : n;
}

int m_FileInfo_Read(const wchar_t* path, SFILEINFO* info)
{
    if (!info) return 0;
    m_FileInfo_Clear(info);
    if (!m_FileInfo_IsValid(path)) return 0;
    ReadLength(path, info);
    ReadChapters(path, info);
    if (info->ChapterCount > 0 && info->Length > 0)
        m_Chapters_FillLengths(info->Chapters, info->ChapterCount, info->Length / 1000.0);
    ReadRanges(path, info);
    ReadMarkers(path, info);
    return 1;
}

int m_FileInfo_WriteChapters(const wchar_t* path, const SCHAPTERITEM* items, int count)
{
    return WriteSection(path, L"CHAPTER", items, items ? count : 0, ChapterValue);
}

int m_FileInfo_WriteRanges(const wchar_t* path, const SPLAYRANGEITEM* items, int count)
{
    return WriteSection(path, L"RANGE", items, items ? count : 0, RangeValue);
}

int m_FileInfo_WriteMarkers(const wchar_t* path, const SMARKERITEM* items, int count)
{
    return WriteSection(path, L"MARKER", items, items ? count : 0, MarkerValue);
}

int m_FileInfo_WriteLength(const wchar_t* path, UINT lengthMs)
{
    if (!path || !path[0] || lengthMs < 1) return 0;
    wchar_t value[64];
    m_FileInfo_FormatTime(value, 64, lengthMs, 1);
    return WritePrivateProfileStringW(kHeader, L"LEN", value, path) ? 1 : 0;
}

int m_FileInfo_SaveChapters()
{
    const int written =
        m_FileInfo_WriteChapters(g_FileInfoPath, g_FileInfo.Chapters, (int)g_FileInfo.ChapterCount);
    if (written) m_FileInfo_WriteLength(g_FileInfoPath, g_FileInfo.Length);
    return written;
}

int m_FileInfo_SaveRanges()
{
    const int written =
        m_FileInfo_WriteRanges(g_FileInfoPath, g_FileInfo.Ranges, (int)g_FileInfo.RangeCount);
    if (written) m_FileInfo_WriteLength(g_FileInfoPath, g_FileInfo.Length);
    return written;
}

int m_FileInfo_SaveMarkers()
{
    const int written =
        m_FileInfo_WriteMarkers(g_FileInfoPath, g_FileInfo.Markers, (int)g_FileInfo.MarkerCount);
    if (written) m_FileInfo_WriteLength(g_FileInfoPath, g_FileInfo.Length);
    return written;
}
