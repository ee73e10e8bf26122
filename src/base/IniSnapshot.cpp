#include "base/IniSnapshot.h"

#include <algorithm>
#include <climits>
#include <cwctype>

namespace {

std::wstring m_Lower(std::wstring text)
{
    for (wchar_t& c : text) c = (wchar_t)towlower(c);
    return text;
}

std::wstring m_Trim(const std::wstring& text)
{
    size_t first = text.find_first_not_of(L" \t\r");
    if (first == std::wstring::npos) return std::wstring();
    size_t last = text.find_last_not_of(L" \t\r");
    return text.substr(first, last - first + 1);
}

// The profile functions drop one pair of matching quotes around a value.
std::wstring m_Unquote(const std::wstring& value)
{
    if (value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

int m_ReadFileBytes(const wchar_t* path, std::vector<char>* bytes)
{
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_NOT_FOUND ? 1 : 0;
    LARGE_INTEGER size = {};
    int ok = GetFileSizeEx(file, &size) && size.QuadPart < INT_MAX;
    if (ok) {
        bytes->resize((size_t)size.QuadPart);
        DWORD read = 0;
        ok = bytes->empty() ||
             (ReadFile(file, bytes->data(), (DWORD)bytes->size(), &read, nullptr) &&
              read == bytes->size());
    }
    CloseHandle(file);
    return ok;
}

}  // namespace

std::wstring m_DecodeTextBytes(const std::vector<char>& bytes)
{
    const unsigned char* p = reinterpret_cast<const unsigned char*>(bytes.data());
    size_t n = bytes.size();
    if (n >= 2 && p[0] == 0xFF && p[1] == 0xFE) {
        return std::wstring(reinterpret_cast<const wchar_t*>(p + 2), (n - 2) / 2);
    }
    UINT codePage = CP_ACP;
    size_t skip = 0;
    if (n >= 3 && p[0] == 0xEF && p[1] == 0xBB && p[2] == 0xBF) {
        codePage = CP_UTF8;
        skip = 3;
    }
    int count = MultiByteToWideChar(codePage, 0, bytes.data() + skip, (int)(n - skip), nullptr, 0);
    std::wstring text(count > 0 ? count : 0, L'\0');
    if (count > 0) {
        MultiByteToWideChar(codePage, 0, bytes.data() + skip, (int)(n - skip), &text[0], count);
    }
    return text;
}

int CIniSnapshot::m_Load(const wchar_t* path)
{
    m_Entries.clear();
    std::vector<char> bytes;
    if (!m_ReadFileBytes(path, &bytes)) return 0;
    m_Parse(m_DecodeTextBytes(bytes));
    return 1;
}

void CIniSnapshot::m_Parse(const std::wstring& text)
{
    // A section that appears again is a second section of that name, which
    // lookups never reach: its keys are left out.
    std::vector<std::wstring> seen;
    std::wstring section;
    bool repeated = false;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos) end = text.size();
        std::wstring line = m_Trim(text.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line[0] == L';') continue;
        if (line[0] == L'[') {
            size_t close = line.find(L']');
            section = m_Lower(
                m_Trim(line.substr(1, close == std::wstring::npos ? line.size() - 1 : close - 1)));
            repeated = std::find(seen.begin(), seen.end(), section) != seen.end();
            if (!repeated) seen.push_back(section);
            continue;
        }
        if (repeated) continue;
        size_t equals = line.find(L'=');
        std::wstring key = m_Trim(line.substr(0, equals));
        std::wstring value = equals == std::wstring::npos ? L"" : m_Trim(line.substr(equals + 1));
        m_Entries.push_back({section, m_Lower(key), m_Unquote(value)});
    }
}

const CIniSnapshot::SEntry* CIniSnapshot::m_Find(const wchar_t* section, const wchar_t* key) const
{
    std::wstring s = m_Lower(section), k = m_Lower(key);
    for (const SEntry& entry : m_Entries) {
        if (entry.key == k && entry.section == s) return &entry;
    }
    return nullptr;
}

int CIniSnapshot::m_GetString(const wchar_t* section, const wchar_t* key, wchar_t* out,
                              int size) const
{
    if (size <= 0) return 0;
    out[0] = 0;
    const SEntry* entry = m_Find(section, key);
    if (!entry) return 0;
    size_t n = std::min(entry->value.size(), (size_t)size - 1);
    entry->value.copy(out, n);
    out[n] = 0;
    return 1;
}

int CIniSnapshot::m_GetInt(const wchar_t* section, const wchar_t* key, int def) const
{
    const SEntry* entry = m_Find(section, key);
    if (!entry || entry->value.empty()) return def;
    // The profile API reads the value into 30 characters before parsing it.
    std::wstring head = entry->value.substr(0, 29);
    const wchar_t* p = head.c_str();
    while (*p == L' ' || *p == L'\t') p++;
    bool negative = *p == L'-';
    if (*p == L'-' || *p == L'+') p++;
    unsigned int value = 0;
    while (*p >= L'0' && *p <= L'9') value = value * 10 + (unsigned)(*p++ - L'0');
    return (int)(negative ? 0u - value : value);
}
