#include "playlist/ListText.h"

#include <stdlib.h>
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

wchar_t* m_DecodeUtf16(const BYTE* bytes, DWORD size, bool bigEndian, int* length)
{
    int n = (int)(size / 2);
    wchar_t* out = (wchar_t*)HeapAlloc(GetProcessHeap(), 0, ((SIZE_T)n + 1) * sizeof(wchar_t));
    if (!out) return nullptr;
    for (int i = 0; i < n; ++i) {
        BYTE lo = bytes[2 * i + (bigEndian ? 1 : 0)], hi = bytes[2 * i + (bigEndian ? 0 : 1)];
        out[i] = (wchar_t)(lo | (hi << 8));
    }
    out[n] = 0;
    *length = n;
    return out;
}

wchar_t* m_DecodeM3u(const BYTE* b, DWORD size, const wchar_t* path, int* length)
{
    if (size >= 3 && b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF)
        return m_Decode(b + 3, size - 3, CP_UTF8, 0, length);
    if (size >= 2 && b[0] == 0xFF && b[1] == 0xFE)
        return m_DecodeUtf16(b + 2, size - 2, false, length);
    if (size >= 2 && b[0] == 0xFE && b[1] == 0xFF)
        return m_DecodeUtf16(b + 2, size - 2, true, length);
    if (m_EndsWithNoCase(path, L".m3u8")) return m_Decode(b, size, CP_UTF8, 0, length);
    wchar_t* utf8 = m_Decode(b, size, CP_UTF8, MB_ERR_INVALID_CHARS, length);
    return utf8 ? utf8 : m_Decode(b, size, CP_ACP, 0, length);
}

wchar_t* m_DecodeProfile(const BYTE* b, DWORD size, int* length)
{
    if (size >= 2 && b[0] == 0xFF && b[1] == 0xFE)
        return m_DecodeUtf16(b + 2, size - 2, false, length);
    return m_Decode(b, size, CP_ACP, 0, length);
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
        bytes = (BYTE*)HeapAlloc(GetProcessHeap(), 0, (SIZE_T)size.QuadPart + 1);
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
    if (bytes) HeapFree(GetProcessHeap(), 0, bytes);
    return ok ? 1 : 0;
}

CListProfile::~CListProfile()
{
    if (m_Sections) HeapFree(GetProcessHeap(), 0, m_Sections);
    if (m_Keys) HeapFree(GetProcessHeap(), 0, m_Keys);
}

int CListProfile::m_Load(const wchar_t* path)
{
    m_SectionCount = m_KeyCount = m_MaxTrack = m_MaxLegacy = 0;
    if (!m_Sections)
        m_Sections = (SPROFILESECTION*)HeapAlloc(GetProcessHeap(), 0,
                                                 kProfileSectionCap * sizeof(SPROFILESECTION));
    if (!m_Keys)
        m_Keys = (SPROFILEKEY*)HeapAlloc(GetProcessHeap(), 0, kProfileKeyCap * sizeof(SPROFILEKEY));
    if (!m_Sections || !m_Keys || !m_File.m_Load(path, LISTTEXT_PROFILE)) return 0;
    m_Index();
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
        if (!close || m_SectionCount >= kProfileSectionCap) return;
        *close = 0;
        SPROFILESECTION* s = &m_Sections[m_SectionCount++];
        s->Name = line + 1;
        s->TrackNumber = m_SectionNumber(s->Name, L"TRACK_");
        s->LegacyNumber = m_SectionNumber(s->Name, L"TRACK");
        if (s->TrackNumber > m_MaxTrack) m_MaxTrack = s->TrackNumber;
        if (s->LegacyNumber > m_MaxLegacy) m_MaxLegacy = s->LegacyNumber;
        s->FirstKey = m_KeyCount;
        s->KeyCount = 0;
        return;
    }
    wchar_t* eq = wcschr(line, L'=');
    if (!eq || eq == line || m_SectionCount == 0 || m_KeyCount >= kProfileKeyCap) return;
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
        if (_wcsicmp(k->Name, key) == 0) return k->Value;
    }
    return nullptr;
}

const wchar_t* CListProfile::m_Find(const wchar_t* section, const wchar_t* key) const
{
    for (int i = 0; i < m_SectionCount; ++i) {
        if (_wcsicmp(m_Sections[i].Name, section) == 0) return m_KeyIn(&m_Sections[i], key);
    }
    return nullptr;
}

const wchar_t* CListProfile::m_FindTrack(int number, const wchar_t* key) const
{
    if (number < 1) return nullptr;
    // Lists written in order hold TRACK_n as the n-th section after the header.
    if (number < m_SectionCount && m_Sections[number].TrackNumber == number) {
        for (int i = 0; i < number; ++i) {
            if (m_Sections[i].TrackNumber == number) return m_KeyIn(&m_Sections[i], key);
        }
        return m_KeyIn(&m_Sections[number], key);
    }
    for (int i = 0; i < m_SectionCount; ++i) {
        if (m_Sections[i].TrackNumber == number) return m_KeyIn(&m_Sections[i], key);
    }
    return nullptr;
}

int CListProfile::m_NextTrackNumber(int from, int legacy) const
{
    if (from < 1) from = 1;
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
