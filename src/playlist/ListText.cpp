#include "playlist/ListText.h"

#include <stdlib.h>
#include <string.h>
#include <wchar.h>

#include "base/KeptBlock.h"

namespace {

// Lists are read at every open and save: their text and tables keep their
// memory from one read to the next.
CKeptBlock s_TextBlock;
CKeptBlock s_TableBlock;

bool m_IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

bool m_EndsWithNoCase(const wchar_t* text, const wchar_t* tail)
{
    size_t a = wcslen(text), b = wcslen(tail);
    return a >= b && _wcsicmp(text + a - b, tail) == 0;
}

// Where the decoded text lies: in the block it was read into, or in a new
// one of its own.
struct SDECODED {
    wchar_t* Text;
    int Length;
    void* Block;  // null: the text lies in the read block
    SIZE_T BlockCap;
};

// Bytes to UTF-16 in a new heap block; false when the conversion fails.
bool m_Decode(const BYTE* bytes, DWORD size, UINT codePage, DWORD flags, SDECODED* out)
{
    int n =
        size ? MultiByteToWideChar(codePage, flags, (const char*)bytes, (int)size, nullptr, 0) : 0;
    if (size && n <= 0) return false;
    const SIZE_T cap = ((SIZE_T)n + 1) * sizeof(wchar_t);
    wchar_t* text = (wchar_t*)HeapAlloc(GetProcessHeap(), 0, cap);
    if (!text) return false;
    if (n) MultiByteToWideChar(codePage, flags, (const char*)bytes, (int)size, text, n);
    text[n] = 0;
    *out = {text, n, text, cap};
    return true;
}

// UTF-16 after a two-byte BOM, left where it was read (the block has two
// bytes of room past the data for the terminator).
bool m_Utf16InPlace(BYTE* bytes, DWORD size, bool bigEndian, SDECODED* out)
{
    int n = (int)((size - 2) / 2);
    wchar_t* text = (wchar_t*)(bytes + 2);
    if (bigEndian) {
        for (int i = 0; i < n; ++i) text[i] = (wchar_t)((text[i] << 8) | (text[i] >> 8));
    }
    text[n] = 0;
    *out = {text, n, nullptr, 0};
    return true;
}

bool m_DecodeM3u(BYTE* b, DWORD size, const wchar_t* path, SDECODED* out)
{
    if (size >= 3 && b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF)
        return m_Decode(b + 3, size - 3, CP_UTF8, 0, out);
    if (size >= 2 && b[0] == 0xFF && b[1] == 0xFE) return m_Utf16InPlace(b, size, false, out);
    if (size >= 2 && b[0] == 0xFE && b[1] == 0xFF) return m_Utf16InPlace(b, size, true, out);
    if (m_EndsWithNoCase(path, L".m3u8")) return m_Decode(b, size, CP_UTF8, 0, out);
    return m_Decode(b, size, CP_UTF8, MB_ERR_INVALID_CHARS, out) ||
           m_Decode(b, size, CP_ACP, 0, out);
}

bool m_DecodeProfile(BYTE* b, DWORD size, SDECODED* out)
{
    if (size >= 2 && b[0] == 0xFF && b[1] == 0xFE) return m_Utf16InPlace(b, size, false, out);
    return m_Decode(b, size, CP_ACP, 0, out);
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

CListText::~CListText() { m_Release(); }

void CListText::m_Release()
{
    s_TextBlock.m_Give(m_Block, m_BlockCap);
    m_Block = nullptr;
    m_BlockCap = 0;
    m_Buffer = nullptr;
    m_Length_ = 0;
}

int CListText::m_Load(const wchar_t* path, int mode)
{
    m_Release();
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    LARGE_INTEGER size;
    BYTE* bytes = nullptr;
    SIZE_T bytesCap = 0;
    DWORD read = 0;
    bool ok = GetFileSizeEx(file, &size) && size.QuadPart <= kListTextByteCap;
    if (ok) {
        // Two bytes past the data let UTF-16 text be terminated in place.
        bytes = (BYTE*)s_TextBlock.m_Take((SIZE_T)size.QuadPart + 2, &bytesCap);
        ok = bytes &&
             (size.QuadPart == 0 || (ReadFile(file, bytes, (DWORD)size.QuadPart, &read, nullptr) &&
                                     read == (DWORD)size.QuadPart));
    }
    CloseHandle(file);
    SDECODED decoded = {};
    if (ok) {
        ok = mode == LISTTEXT_M3U ? m_DecodeM3u(bytes, read, path, &decoded)
                                  : m_DecodeProfile(bytes, read, &decoded);
    }
    if (ok && !decoded.Block) {
        decoded.Block = bytes;
        decoded.BlockCap = bytesCap;
    } else {
        s_TextBlock.m_Give(bytes, bytesCap);
    }
    if (!ok) return 0;
    m_Block = decoded.Block;
    m_BlockCap = decoded.BlockCap;
    m_Buffer = decoded.Text;
    m_Length_ = decoded.Length;
    return 1;
}

CListProfile::~CListProfile() { s_TableBlock.m_Give(m_Block, m_BlockCap); }

int CListProfile::m_Load(const wchar_t* path) { return m_Read(path) && m_Parse(); }

int CListProfile::m_Read(const wchar_t* path)
{
    m_SectionCount = m_KeyCount = m_MaxTrack = m_MaxLegacy = 0;
    return m_File.m_Load(path, LISTTEXT_PROFILE);
}

int CListProfile::m_Parse()
{
    m_SectionCount = m_KeyCount = m_MaxTrack = m_MaxLegacy = 0;
    if (!m_File.m_Text() || !m_Reserve()) return 0;
    for (int i = 0; i <= m_SectionCap; ++i) m_TrackFirst[i] = -1;
    m_Index();
    return 1;
}

// Tables sized for the text (no more keys than lines, a CR LF being one
// break, and no more sections than "["), up to the caps; a block big enough
// from an earlier load is kept.
int CListProfile::m_Reserve()
{
    const wchar_t* text = m_File.m_Text();
    const int length = m_File.m_Length();
    int lines = 1, brackets = 0;
    for (int i = 0; i < length; ++i) {
        const wchar_t c = text[i];
        lines += (c == L'\n' || (c == L'\r' && text[i + 1] != L'\n')) ? 1 : 0;
        brackets += c == L'[' ? 1 : 0;
    }
    const int sections = brackets < kProfileSectionCap ? brackets : kProfileSectionCap;
    const int keys = lines < kProfileKeyCap ? lines : kProfileKeyCap;
    if (m_Block && sections <= m_SectionCap && keys <= m_KeyCap) return 1;
    s_TableBlock.m_Give(m_Block, m_BlockCap);
    // The track table has room for numbers up to the section capacity.
    const SIZE_T bytes = (SIZE_T)sections * sizeof(SPROFILESECTION) +
                         (SIZE_T)keys * sizeof(SPROFILEKEY) + (SIZE_T)(sections + 1) * sizeof(int);
    m_Block = s_TableBlock.m_Take(bytes, &m_BlockCap);
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
