#include "playlist/ListText.h"

#include <stdlib.h>
#include <string.h>
#include <wchar.h>

namespace {

bool m_IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

bool m_EndsWithNoCase(const wchar_t* text, const wchar_t* tail)
{
    size_t a = wcslen(text), b = wcslen(tail);
    return a >= b && _wcsicmp(text + a - b, tail) == 0;
}

// Bytes to UTF-16 in a new heap buffer; null when the conversion fails.
wchar_t* m_Decode(const BYTE* bytes, DWORD size, UINT codePage, DWORD flags, int* length)
{
    int n =
        size ? MultiByteToWideChar(codePage, flags, (const char*)bytes, (int)size, nullptr, 0) : 0;
    if (size && n <= 0) return nullptr;
    wchar_t* out = (wchar_t*)HeapAlloc(GetProcessHeap(), 0, ((SIZE_T)n + 1) * sizeof(wchar_t));
    if (!out) return nullptr;
    if (n) MultiByteToWideChar(codePage, flags, (const char*)bytes, (int)size, out, n);
    out[n] = 0;
    *length = n;
    return out;
}

// UTF-16 after a two-byte BOM, moved to the start of the same buffer (which
// has two bytes of room past the data for the terminator).
wchar_t* m_Utf16InPlace(BYTE* bytes, DWORD size, bool bigEndian, int* length)
{
    int n = (int)((size - 2) / 2);
    wchar_t* out = (wchar_t*)bytes;
    memmove(out, bytes + 2, (size_t)n * sizeof(wchar_t));
    if (bigEndian) {
        for (int i = 0; i < n; ++i) out[i] = (wchar_t)((out[i] << 8) | (out[i] >> 8));
    }
    out[n] = 0;
    *length = n;
    return out;
}

wchar_t* m_DecodeM3u(BYTE* b, DWORD size, const wchar_t* path, int* length)
{
    if (size >= 3 && b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF)
        return m_Decode(b + 3, size - 3, CP_UTF8, 0, length);
    if (size >= 2 && b[0] == 0xFF && b[1] == 0xFE) return m_Utf16InPlace(b, size, false, length);
    if (size >= 2 && b[0] == 0xFE && b[1] == 0xFF) return m_Utf16InPlace(b, size, true, length);
    if (m_EndsWithNoCase(path, L".m3u8")) return m_Decode(b, size, CP_UTF8, 0, length);
    wchar_t* utf8 = m_Decode(b, size, CP_UTF8, MB_ERR_INVALID_CHARS, length);
    return utf8 ? utf8 : m_Decode(b, size, CP_ACP, 0, length);
}

wchar_t* m_DecodeProfile(BYTE* b, DWORD size, int* length)
{
    if (size >= 2 && b[0] == 0xFF && b[1] == 0xFE) return m_Utf16InPlace(b, size, false, length);
    return m_Decode(b, size, CP_ACP, 0, length);
}

// Names without regard to case: ASCII folded here, anything past it by
// _wcsicmp (names are nearly always ASCII, and the call costs more than
// the compare).
bool m_SameNoCase(const wchar_t* a, const wchar_t* b)
{
    for (;; ++a, ++b) {
        wchar_t x = *a, y = *b;
        if (x >= 0x80 || y >= 0x80) return _wcsicmp(a, b) == 0;
        if (x >= L'A' && x <= L'Z') x = (wchar_t)(x + 32);
        if (y >= L'A' && y <= L'Z') y = (wchar_t)(y + 32);
        if (x != y) return false;
        if (!x) return true;
    }
}

// The prefix followed by a number from 1: the number, else 0.
int m_SectionNumber(const wchar_t* name, const wchar_t* prefix)
{
    const size_t skip = wcslen(prefix);
    if (_wcsnicmp(name, prefix, skip) != 0 || name[skip] < L'1' || name[skip] > L'9') return 0;
    long long n = 0;
    for (const wchar_t* p = name + skip; *p; ++p) {
        if (*p < L'0' || *p > L'9' || n > 100000000) return 0;
        n = n * 10 + (*p - L'0');
    }
    return (int)n;
}

}  // namespace

void m_ListText_Copy(wchar_t* out, int cap, const wchar_t* text)
{
    if (!out || cap < 1) return;
    lstrcpynW(out, text ? text : L"", cap);
}

CListText::~CListText()
{
    if (m_Buffer) HeapFree(GetProcessHeap(), 0, m_Buffer);
}

int CListText::m_Load(const wchar_t* path, int mode)
{
    if (m_Buffer) HeapFree(GetProcessHeap(), 0, m_Buffer);
    m_Buffer = nullptr;
    m_Length_ = 0;
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    LARGE_INTEGER size;
    BYTE* bytes = nullptr;
    DWORD read = 0;
    bool ok = GetFileSizeEx(file, &size) && size.QuadPart <= kListTextByteCap;
    if (ok) {
        // Two bytes past the data let UTF-16 text be terminated in place.
        bytes = (BYTE*)HeapAlloc(GetProcessHeap(), 0, (SIZE_T)size.QuadPart + 2);
        ok = bytes &&
             (size.QuadPart == 0 || (ReadFile(file, bytes, (DWORD)size.QuadPart, &read, nullptr) &&
                                     read == (DWORD)size.QuadPart));
    }
    CloseHandle(file);
    if (ok) {
        m_Buffer = mode == LISTTEXT_M3U ? m_DecodeM3u(bytes, read, path, &m_Length_)
                                        : m_DecodeProfile(bytes, read, &m_Length_);
        ok = m_Buffer != nullptr;
    }
    if (bytes && (BYTE*)m_Buffer != bytes) HeapFree(GetProcessHeap(), 0, bytes);
    return ok ? 1 : 0;
}

CListProfile::~CListProfile()
{
    if (m_Block) HeapFree(GetProcessHeap(), 0, m_Block);
}

int CListProfile::m_Load(const wchar_t* path)
{
    m_SectionCount = m_KeyCount = m_MaxTrack = m_MaxLegacy = 0;
    if (!m_File.m_Load(path, LISTTEXT_PROFILE) || !m_Reserve()) return 0;
    for (int i = 0; i <= m_SectionCap; ++i) m_TrackFirst[i] = -1;
    m_Index();
    return 1;
}

// Tables sized for the text (a file has no more sections or keys than
// lines), up to the caps; a block big enough from an earlier load is kept.
int CListProfile::m_Reserve()
{
    const wchar_t* text = m_File.m_Text();
    const int length = m_File.m_Length();
    int lines = 1;
    for (int i = 0; i < length; ++i) lines += (text[i] == L'\n' || text[i] == L'\r') ? 1 : 0;
    const int sections = lines < kProfileSectionCap ? lines : kProfileSectionCap;
    const int keys = lines < kProfileKeyCap ? lines : kProfileKeyCap;
    if (m_Block && sections <= m_SectionCap && keys <= m_KeyCap) return 1;
    if (m_Block) HeapFree(GetProcessHeap(), 0, m_Block);
    const SIZE_T bytes = (SIZE_T)sections * sizeof(SPROFILESECTION) +
                         (SIZE_T)keys * sizeof(SPROFILEKEY) + (SIZE_T)(sections + 1) * sizeof(int);
    m_Block = HeapAlloc(GetProcessHeap(), 0, bytes);
    m_SectionCap = m_Block ? sections : 0;
    m_KeyCap = m_Block ? keys : 0;
    if (!m_Block) return 0;
    m_Sections = (SPROFILESECTION*)m_Block;
    m_Keys = (SPROFILEKEY*)(m_Sections + sections);
    m_TrackFirst = (int*)(m_Keys + keys);
    return 1;
}

// Splits the text in place into lines and indexes sections and keys.
void CListProfile::m_Index()
{
    wchar_t* p = m_File.m_Text();
    wchar_t* end = p + m_File.m_Length();
    while (p < end) {
        wchar_t* line = p;
        while (p < end && *p != L'\n' && *p != L'\r') ++p;
        while (p < end && (*p == L'\n' || *p == L'\r')) *p++ = 0;
        m_AddLine(line);
    }
}

void CListProfile::m_AddLine(wchar_t* line)
{
    while (m_IsBlank(*line)) ++line;
    wchar_t* end = line + wcslen(line);
    while (end > line && m_IsBlank(end[-1])) *--end = 0;
    if (*line == L'[') {
        wchar_t* close = wcschr(line + 1, L']');
        if (!close || m_SectionCount >= m_SectionCap) return;
        *close = 0;
        const int index = m_SectionCount++;
        SPROFILESECTION* s = &m_Sections[index];
        s->Name = line + 1;
        s->TrackNumber = m_SectionNumber(s->Name, L"TRACK_");
        s->LegacyNumber = m_SectionNumber(s->Name, L"TRACK");
        if (s->TrackNumber > m_MaxTrack) m_MaxTrack = s->TrackNumber;
        if (s->LegacyNumber > m_MaxLegacy) m_MaxLegacy = s->LegacyNumber;
        if (s->TrackNumber > 0 && s->TrackNumber <= m_SectionCap &&
            m_TrackFirst[s->TrackNumber] < 0)
            m_TrackFirst[s->TrackNumber] = index;
        s->FirstKey = m_KeyCount;
        s->KeyCount = 0;
        return;
    }
    wchar_t* eq = wcschr(line, L'=');
    if (!eq || eq == line || m_SectionCount == 0 || m_KeyCount >= m_KeyCap) return;
    wchar_t* nameEnd = eq;
    while (nameEnd > line && m_IsBlank(nameEnd[-1])) --nameEnd;
    *nameEnd = 0;
    wchar_t* value = eq + 1;
    while (m_IsBlank(*value)) ++value;
    size_t len = wcslen(value);
    if (len >= 2 && (value[0] == L'"' || value[0] == L'\'') && value[len - 1] == value[0]) {
        value[len - 1] = 0;
        ++value;
    }
    m_Keys[m_KeyCount].Name = line;
    m_Keys[m_KeyCount].Value = value;
    ++m_KeyCount;
    ++m_Sections[m_SectionCount - 1].KeyCount;
}

const wchar_t* CListProfile::m_KeyIn(const SPROFILESECTION* s, const wchar_t* key) const
{
    for (int i = 0; i < s->KeyCount; ++i) {
        const SPROFILEKEY* k = &m_Keys[s->FirstKey + i];
        if (m_SameNoCase(k->Name, key)) return k->Value;
    }
    return nullptr;
}

const wchar_t* CListProfile::m_Find(const wchar_t* section, const wchar_t* key) const
{
    for (int i = 0; i < m_SectionCount; ++i) {
        if (m_SameNoCase(m_Sections[i].Name, section)) return m_KeyIn(&m_Sections[i], key);
    }
    return nullptr;
}

const wchar_t* CListProfile::m_FindTrack(int number, const wchar_t* key) const
{
    if (number < 1) return nullptr;
    if (number <= m_SectionCap) {
        const int first = m_TrackFirst[number];
        // A failed load leaves the table as it was and no sections.
        return first >= 0 && first < m_SectionCount ? m_KeyIn(&m_Sections[first], key) : nullptr;
    }
    for (int i = 0; i < m_SectionCount; ++i) {
        if (m_Sections[i].TrackNumber == number) return m_KeyIn(&m_Sections[i], key);
    }
    return nullptr;
}

int CListProfile::m_NextTrackNumber(int from, int legacy) const
{
    if (from < 1) from = 1;
    if (!legacy && from <= m_SectionCap && m_TrackFirst[from] >= 0 &&
        m_TrackFirst[from] < m_SectionCount)
        return from;
    int best = 0;
    for (int i = 0; i < m_SectionCount; ++i) {
        // Lists written in order hold number n as the n-th section.
        const int k = (from + i) % m_SectionCount;
        const int n = legacy ? m_Sections[k].LegacyNumber : m_Sections[k].TrackNumber;
        if (n == from) return n;
        if (n > from && (best == 0 || n < best)) best = n;
    }
    return best;
}

void CListProfile::m_GetString(const wchar_t* section, const wchar_t* key, const wchar_t* def,
                               wchar_t* out, int cap) const
{
    const wchar_t* v = m_Find(section, key);
    m_ListText_Copy(out, cap, v ? v : def);
}

int CListProfile::m_GetInt(const wchar_t* section, const wchar_t* key, int def) const
{
    const wchar_t* v = m_Find(section, key);
    return v ? _wtoi(v) : def;
}
