// Key deletions of an INI section done on the file's text in one pass: a
// profile-string write rewrites the whole file each time (Wine does; so
// does Windows for a file outside its cache), which made a trim of many
// keys take a rewrite per key.
#include <string.h>
#include <wchar.h>

#include <algorithm>
#include <memory>

#include "base/ErrorLog.h"
#include "filedata/ResumeTrim.h"

namespace {

// The file's text as code units: UTF-16LE after its BOM, else bytes.
struct STEXT {
    std::unique_ptr<BYTE[]> Bytes;
    DWORD Size = 0;
    int Wide = 0;
    DWORD Units() const { return Wide ? Size / 2 : Size; }
    wchar_t At(DWORD i) const
    {
        if (!Wide) return Bytes[i];
        return static_cast<wchar_t>(Bytes[i * 2] | (Bytes[i * 2 + 1] << 8));
    }
};

int m_ReadWhole(const wchar_t* path, STEXT* text)
{
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    LARGE_INTEGER size = {};
    int ok = GetFileSizeEx(file, &size) && size.QuadPart < 0x40000000;
    if (ok) {
        text->Size = static_cast<DWORD>(size.QuadPart);
        text->Bytes.reset(new BYTE[text->Size + 2]);
        DWORD read = 0;
        ok = ReadFile(file, text->Bytes.get(), text->Size, &read, nullptr) && read == text->Size;
    }
    CloseHandle(file);
    if (!ok) return 0;
    text->Wide = text->Size >= 2 && text->Bytes[0] == 0xFF && text->Bytes[1] == 0xFE;
    return 1;
}

// One line: [begin, end) without its line break; next is the next line.
struct SLINE {
    DWORD Begin, End, Next;
    int Keep = 1;
};

struct SKEYLINE {
    UINT64 Hash;
    int Line;
};

int m_IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

// The trimmed key of a line: what precedes "=" (or all of it).
void m_LineKey(const STEXT& t, const SLINE& line, DWORD* begin, DWORD* end)
{
    DWORD b = line.Begin, e = line.End;
    for (DWORD i = b; i < e; ++i)
        if (t.At(i) == L'=') {
            e = i;
            break;
        }
    while (b < e && m_IsBlank(t.At(b))) ++b;
    while (e > b && m_IsBlank(t.At(e - 1))) --e;
    *begin = b;
    *end = e;
}

// FNV-1a of the upper-cased key, to find a key's lines without a search.
UINT64 m_HashKey(const STEXT* t, DWORD begin, DWORD end, const wchar_t* key)
{
    UINT64 h = 14695981039346656037ull;
    const DWORD n = key ? DWORD(wcslen(key)) : end - begin;
    for (DWORD i = 0; i < n; ++i) {
        const wchar_t c = static_cast<wchar_t>(towupper(key ? key[i] : t->At(begin + i)));
        h = (h ^ c) * 1099511628211ull;
    }
    return h;
}

int m_KeyMatches(const STEXT& t, const SLINE& line, const wchar_t* key)
{
    DWORD b, e;
    m_LineKey(t, line, &b, &e);
    const size_t n = wcslen(key);
    if (e - b != n) return 0;
    for (size_t i = 0; i < n; ++i)
        if (towupper(t.At(b + DWORD(i))) != towupper(key[i])) return 0;
    return 1;
}

// The section name of a "[name]" line, compared without case.
int m_IsSectionLine(const STEXT& t, const SLINE& line, int* matches, const wchar_t* section)
{
    DWORD b = line.Begin;
    while (b < line.End && m_IsBlank(t.At(b))) ++b;
    if (b >= line.End || t.At(b) != L'[') return 0;
    DWORD e = b + 1;
    while (e < line.End && t.At(e) != L']') ++e;
    const size_t n = wcslen(section);
    *matches = e - b - 1 == n;
    for (size_t i = 0; *matches && i < n; ++i)
        if (towupper(t.At(b + 1 + DWORD(i))) != towupper(section[i])) *matches = 0;
    return 1;
}

int m_WriteReplacing(const wchar_t* path, const STEXT& t, const SLINE* lines, int count)
{
    wchar_t temp[MAX_PATH + 8];
    if (lstrlenW(path) > MAX_PATH) return 0;
    wsprintfW(temp, L"%s.tmp", path);
    HANDLE file = CreateFileW(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    const DWORD unit = t.Wide ? 2 : 1;
    int ok = 1;
    DWORD done = 0;
    // The BOM and anything before the first line.
    if (count && lines[0].Begin) ok = WriteFile(file, t.Bytes.get(), lines[0].Begin * unit, &done, nullptr);
    for (int i = 0; ok && i < count; ++i) {
        if (!lines[i].Keep) continue;
        const DWORD bytes = (lines[i].Next - lines[i].Begin) * unit;
        ok = WriteFile(file, t.Bytes.get() + lines[i].Begin * unit, bytes, &done, nullptr) &&
             done == bytes;
    }
    ok = ok && FlushFileBuffers(file);
    CloseHandle(file);
    if (ok) ok = MoveFileExW(temp, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok) {
        m_WriteLog(L"MAIN_%d : Error / MoveFileExW() = %lu / %s", __LINE__, GetLastError(), temp);
        DeleteFileW(temp);
    }
    return ok;
}

}  // namespace

int m_Resume_RemoveKeys(const wchar_t* path, const wchar_t* section, const wchar_t* const* keys,
                        int count)
{
    // Whatever the profile API holds of the file is written out first.
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, path);
    STEXT t;
    if (!m_ReadWhole(path, &t)) return 0;
    const DWORD units = t.Units();
    const DWORD first = t.Wide ? 1 : 0;
    int lineCount = 0;
    for (DWORD i = first; i < units; ++i) lineCount += t.At(i) == L'\n';
    std::unique_ptr<SLINE[]> lines(new SLINE[lineCount + 1]);
    int n = 0;
    for (DWORD at = first; at < units; ++n) {
        DWORD end = at;
        while (end < units && t.At(end) != L'\n') ++end;
        const DWORD next = end < units ? end + 1 : end;
        if (end > at && t.At(end - 1) == L'\r') --end;
        lines[n] = {at, end, next, 1};
        at = next;
    }
    // The lines of the first section of that name.
    int begin = -1, stop = n;
    for (int i = 0; i < n; ++i) {
        int matches = 0;
        if (!m_IsSectionLine(t, lines[i], &matches, section)) continue;
        if (begin >= 0) {
            stop = i;
            break;
        }
        if (matches) begin = i + 1;
    }
    if (begin < 0) return 1;
    // The section's lines by key hash, in file order within a hash: each
    // deletion takes the first line of its key still there.
    const int span = stop - begin;
    std::unique_ptr<SKEYLINE[]> byKey(new SKEYLINE[span > 0 ? span : 1]);
    for (int i = 0; i < span; ++i) {
        DWORD b, e;
        m_LineKey(t, lines[begin + i], &b, &e);
        byKey[i] = {m_HashKey(&t, b, e, nullptr), begin + i};
    }
    std::sort(byKey.get(), byKey.get() + span, [](const SKEYLINE& a, const SKEYLINE& b) {
        return a.Hash != b.Hash ? a.Hash < b.Hash : a.Line < b.Line;
    });
    for (int k = 0; k < count; ++k) {
        const UINT64 hash = m_HashKey(&t, 0, 0, keys[k]);
        const SKEYLINE probe = {hash, -1};
        SKEYLINE* hit = std::lower_bound(byKey.get(), byKey.get() + span, probe,
                                         [](const SKEYLINE& a, const SKEYLINE& b) {
                                             return a.Hash != b.Hash ? a.Hash < b.Hash
                                                                     : a.Line < b.Line;
                                         });
        for (; hit < byKey.get() + span && hit->Hash == hash; ++hit) {
            SLINE& line = lines[hit->Line];
            if (!line.Keep || line.End == line.Begin || !m_KeyMatches(t, line, keys[k])) continue;
            line.Keep = 0;
            break;
        }
    }
    const int ok = m_WriteReplacing(path, t, lines.get(), n);
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, path);
    return ok;
}
