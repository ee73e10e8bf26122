#include "jumplist/ImgDataKeys.h"

#include <cwchar>
#include <cwctype>

namespace {

// Start of the line after p (or the text's end).
const wchar_t* m_NextLine(const wchar_t* p)
{
    while (*p && *p != L'\n') ++p;
    return *p ? p + 1 : p;
}

// The first line after the "[section]" line; null when there is none.
const wchar_t* m_FindSection(const wchar_t* text, const wchar_t* section)
{
    const size_t n = wcslen(section);
    for (const wchar_t* line = text; *line; line = m_NextLine(line)) {
        if (line[0] == L'[' && wcsncmp(line + 1, section, n) == 0 && line[n + 1] == L']')
            return m_NextLine(line);
    }
    return nullptr;
}

// The value's start of key inside the section; null when missing.
const wchar_t* m_FindValue(const wchar_t* text, const wchar_t* section, const wchar_t* key)
{
    if (!text || !section || !key) return nullptr;
    const wchar_t* line = m_FindSection(text, section);
    const size_t n = wcslen(key);
    for (; line && *line && *line != L'['; line = m_NextLine(line)) {
        if (wcsncmp(line, key, n) == 0 && line[n] == L'=') return line + n + 1;
    }
    return nullptr;
}

}  // namespace

int m_TextIni_GetString(const wchar_t* text, const wchar_t* section, const wchar_t* key,
                        wchar_t* out, int cap)
{
    if (cap <= 0) return 0;
    out[0] = 0;
    const wchar_t* value = m_FindValue(text, section, key);
    if (!value) return 0;
    int len = 0;
    while (value[len] && value[len] != L'\n') ++len;
    if (len > 0 && value[len - 1] == L'\r') --len;
    if (len > cap - 1) len = cap - 1;
    wmemcpy(out, value, size_t(len));
    out[len] = 0;
    return 1;
}

int m_TextIni_GetInt(const wchar_t* text, const wchar_t* section, const wchar_t* key, int def)
{
    wchar_t value[128];
    if (!m_TextIni_GetString(text, section, key, value, 128) || !value[0]) return def;
    return int(wcstol(value, nullptr, 10));
}

int m_TextIni_GetPair(const wchar_t* text, const wchar_t* section, const wchar_t* key, int* a,
                      int* b)
{
    wchar_t value[64];
    if (!m_TextIni_GetString(text, section, key, value, 64)) return 0;
    wchar_t* comma = wcschr(value, L',');
    if (!comma) return 0;
    *comma = 0;
    *a = int(wcstol(value, nullptr, 10));
    *b = int(wcstol(comma + 1, nullptr, 10));
    return 1;
}
