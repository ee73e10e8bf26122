#include "settings/SettingsCarryOver.h"

#include <new>
#include <wchar.h>

namespace {

// Values are never longer than this when the program reads them.
constexpr int kValueCap = 1024;

// A buffer large enough for every name or key of the file: a profile never
// returns more characters than the file has bytes.
DWORD m_BufferChars(const wchar_t* path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path, GetFileExInfoStandard, &data)) return 0;
    if (data.nFileSizeHigh || data.nFileSizeLow > 64u * 1024 * 1024) return 0;
    return data.nFileSizeLow + 16;
}

// Copies a double-zero-ended list of texts; null when out of memory.
wchar_t* m_CopyList(const wchar_t* list, DWORD length)
{
    wchar_t* copy = new (std::nothrow) wchar_t[length + 2];
    if (!copy) return nullptr;
    wmemcpy(copy, list, length);
    copy[length] = copy[length + 1] = 0;
    return copy;
}

bool m_HasKey(const wchar_t* section, const wchar_t* key, const wchar_t* path)
{
    static const wchar_t kMissing[] = L"\x01\x02";
    wchar_t value[8];
    GetPrivateProfileStringW(section, key, kMissing, value, 8, path);
    return wcscmp(value, kMissing) != 0;
}

bool m_IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

}  // namespace

CSettingsCarryOver::~CSettingsCarryOver()
{
    for (int i = 0; i < m_Count; ++i) {
        delete[] m_Sections[i].Name;
        delete[] m_Sections[i].Keys;
    }
    delete[] m_Sections;
}

int CSettingsCarryOver::m_Take(const wchar_t* path)
{
    const DWORD chars = m_BufferChars(path);
    if (!chars) return 0;
    wchar_t* names = new (std::nothrow) wchar_t[chars];
    wchar_t* keys = new (std::nothrow) wchar_t[chars];
    int sectionCount = 0;
    DWORD namesLength = names ? GetPrivateProfileSectionNamesW(names, chars, path) : 0;
    for (const wchar_t* n = names; n && n < names + namesLength && *n; n += wcslen(n) + 1)
        ++sectionCount;
    m_Sections = sectionCount ? new (std::nothrow) SSection[sectionCount]() : nullptr;
    for (const wchar_t* n = names; m_Sections && keys && m_Count < sectionCount;
         n += wcslen(n) + 1) {
        const DWORD length = GetPrivateProfileSectionW(n, keys, chars, path);
        SSection& s = m_Sections[m_Count++];
        s.Name = m_CopyList(n, (DWORD)wcslen(n));
        s.Keys = m_CopyList(keys, length);
    }
    delete[] names;
    delete[] keys;
    return names && keys ? 1 : 0;
}

void CSettingsCarryOver::m_PutBack(const wchar_t* path) const
{
    for (int i = 0; i < m_Count; ++i) {
        if (m_Sections[i].Name && m_Sections[i].Keys) m_PutBackSection(m_Sections[i], path);
    }
}

void CSettingsCarryOver::m_PutBackSection(const SSection& section, const wchar_t* path) const
{
    const bool listWritten = m_HasKey(section.Name, L"Count", path);
    for (const wchar_t* line = section.Keys; *line; line += wcslen(line) + 1) {
        const wchar_t* equals = wcschr(line, L'=');
        if (!equals || equals == line || *line == L';') continue;
        wchar_t key[kValueCap];
        const size_t keyLength = (size_t)(equals - line);
        if (keyLength >= kValueCap) continue;
        wmemcpy(key, line, keyLength);
        key[keyLength] = 0;
        if (listWritten && m_IsDigit(key[0])) continue;
        if (m_HasKey(section.Name, key, path)) continue;
        WritePrivateProfileStringW(section.Name, key, equals + 1, path);
    }
}
