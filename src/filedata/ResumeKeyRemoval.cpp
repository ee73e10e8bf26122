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

// The file's text as code units: UTF-16LE after its BOM, else bytes; the
// units are widened once so that every later pass reads them directly.
struct STEXT {
    std::unique_ptr<BYTE[]> Bytes;
    std::unique_ptr<wchar_t[]> Chars;
    DWORD Size = 0;
    int Wide = 0;
    DWORD Units() const { return Wide ? Size / 2 : Size; }
    wchar_t At(DWORD i) const { return Chars[i]; }
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
    const DWORD units = text->Units();
    text->Chars.reset(new wchar_t[units + 1]);
    const BYTE* b = text->Bytes.get();
    if (text->Wide)
        for (DWORD i = 0; i < units; ++i) text->Chars[i] = wchar_t(b[i * 2] | (b[i * 2 + 1] << 8));
    else
        for (DWORD i = 0; i < units; ++i) text->Chars[i] = b[i];
    return 1;
}

// One line: [begin, end) without its line break; next is the next line.
struct SLINE {
    DWORD Begin, End, Next;
    int Keep = 1;
};

// Up to this many deletions a plain scan is quicker than sorting the keys.
constexpr int kFewKeys = 4;

struct SKEYLINE {
    UINT64 Hash;
    int Line;
};

// Keys and section names are ASCII nearly always; the C runtime's towupper
// is the slow part of a pass over the whole store.
inline wchar_t m_Upper(wchar_t c)
{
    if (c < 0x80) return (c >= L'a' && c <= L'z') ? wchar_t(c - 32) : c;
    return static_cast<wchar_t>(towupper(c));
}

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
        const wchar_t c = m_Upper(key ? key[i] : t->At(begin + i));
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
        if (m_Upper(t.At(b + DWORD(i))) != m_Upper(key[i])) return 0;
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
        if (m_Upper(t.At(b + 1 + DWORD(i))) != m_Upper(section[i])) *matches = 0;
    return 1;
}

// The last file read, split into lines, kept while the file stays as it
// was: a save reads the record and then edits the same text.
struct SLOADED {
    int Valid = 0;
    wchar_t Path[MAX_PATH + 1] = {};
    wchar_t Section[64] = {};
    FILETIME Time = {};
    DWORD Size = 0;
    STEXT Text;
    std::unique_ptr<SLINE[]> Lines;
    int N = 0, Begin = -1, Stop = 0;
};
SLOADED s_Loaded;

int m_SameFacts(const WIN32_FILE_ATTRIBUTE_DATA& facts, const wchar_t* path, const wchar_t* section)
{
    return s_Loaded.Valid && facts.nFileSizeHigh == 0 && facts.nFileSizeLow == s_Loaded.Size &&
           CompareFileTime(&facts.ftLastWriteTime, &s_Loaded.Time) == 0 &&
           lstrcmpiW(path, s_Loaded.Path) == 0 && lstrcmpiW(section, s_Loaded.Section) == 0;
}

// Reads the file and splits it into lines; Begin and Stop bound the lines
// of the first section of that name (Begin -1 when there is none). Null
// when the file cannot be read.
SLOADED* m_LoadSection(const wchar_t* path, const wchar_t* section)
{
    WIN32_FILE_ATTRIBUTE_DATA facts;
    if (!GetFileAttributesExW(path, GetFileExInfoStandard, &facts)) {
        s_Loaded.Valid = 0;
        return nullptr;
    }
    if (m_SameFacts(facts, path, section)) return &s_Loaded;
    s_Loaded.Valid = 0;
    if (lstrlenW(path) > MAX_PATH || lstrlenW(section) >= 64) return nullptr;
    STEXT* t = &s_Loaded.Text;
    if (!m_ReadWhole(path, t)) return nullptr;
    const DWORD units = t->Units();
    const DWORD first = t->Wide ? 1 : 0;
    int lineCount = 0;
    for (DWORD i = first; i < units; ++i) lineCount += t->At(i) == L'\n';
    s_Loaded.Lines.reset(new SLINE[lineCount + 1]);
    SLINE* lines = s_Loaded.Lines.get();
    int n = 0;
    for (DWORD at = first; at < units; ++n) {
        DWORD end = at;
        while (end < units && t->At(end) != L'\n') ++end;
        const DWORD next = end < units ? end + 1 : end;
        if (end > at && t->At(end - 1) == L'\r') --end;
        lines[n] = {at, end, next, 1};
        at = next;
    }
    int begin = -1, stop = n;
    for (int i = 0; i < n; ++i) {
        int matches = 0;
        if (!m_IsSectionLine(*t, lines[i], &matches, section)) continue;
        if (begin >= 0) {
            stop = i;
            break;
        }
        if (matches) begin = i + 1;
    }
    s_Loaded.N = n;
    s_Loaded.Begin = begin;
    s_Loaded.Stop = stop;
    lstrcpynW(s_Loaded.Path, path, MAX_PATH + 1);
    lstrcpynW(s_Loaded.Section, section, 64);
    s_Loaded.Time = facts.ftLastWriteTime;
    s_Loaded.Size = t->Size;
    s_Loaded.Valid = facts.nFileSizeHigh == 0 && facts.nFileSizeLow == t->Size;
    return &s_Loaded;
}

// The kept lines, with the added line before line `insertAt` (-1 none),
// written to a new file that then replaces the old one.
int m_WriteReplacing(const wchar_t* path, const STEXT& t, const SLINE* lines, int count,
                     int insertAt, const BYTE* added, DWORD addedSize)
{
    wchar_t temp[MAX_PATH + 8];
    if (lstrlenW(path) > MAX_PATH) return 0;
    wsprintfW(temp, L"%s.tmp", path);
    const DWORD unit = t.Wide ? 2 : 1;
    // One buffer and one write: a write call per line costs more than the lines.
    std::unique_ptr<BYTE[]> out(new BYTE[t.Size + addedSize + 1]);
    DWORD size = count ? lines[0].Begin * unit : t.Size;  // the BOM
    memcpy(out.get(), t.Bytes.get(), size);
    for (int i = 0; i <= count; ++i) {
        if (i == insertAt) {
            memcpy(out.get() + size, added, addedSize);
            size += addedSize;
        }
        if (i == count || !lines[i].Keep) continue;
        const DWORD bytes = (lines[i].Next - lines[i].Begin) * unit;
        memcpy(out.get() + size, t.Bytes.get() + lines[i].Begin * unit, bytes);
        size += bytes;
    }
    HANDLE file =
        CreateFileW(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    DWORD done = 0;
    int ok = WriteFile(file, out.get(), size, &done, nullptr) && done == size;
    CloseHandle(file);
    if (ok) ok = MoveFileExW(temp, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok) {
        m_WriteLog(L"MAIN_%d : Error / MoveFileExW() = %lu / %s", __LINE__, GetLastError(), temp);
        DeleteFileW(temp);
    }
    return ok;
}

}  // namespace

namespace {

// The line to add, in the file's units and line break; 0 when it cannot be
// written in them.
int m_EncodeLine(const STEXT& t, const SLINE& header, const wchar_t* key, const wchar_t* value,
                 std::unique_ptr<BYTE[]>* out, DWORD* size)
{
    const int crlf = header.Next > header.End + 1;
    const int keyLength = lstrlenW(key), valueLength = lstrlenW(value);
    const int chars = keyLength + 1 + valueLength + (crlf ? 2 : 1);
    const DWORD unit = t.Wide ? 2 : 1;
    out->reset(new BYTE[chars * unit]);
    *size = chars * unit;
    for (int i = 0; i < chars; ++i) {
        wchar_t c = i < keyLength                     ? key[i]
                    : i == keyLength                  ? L'='
                    : i < keyLength + 1 + valueLength ? value[i - keyLength - 1]
                    : (crlf && i == chars - 2)        ? L'\r'
                                                      : L'\n';
        if (!t.Wide && c > 0x7F) return 0;
        (*out)[i * unit] = static_cast<BYTE>(c & 0xFF);
        if (t.Wide) (*out)[i * unit + 1] = static_cast<BYTE>(c >> 8);
    }
    return 1;
}

}  // namespace

int m_Resume_EditKeys(const wchar_t* path, const wchar_t* section, const wchar_t* const* keys,
                      int count, const wchar_t* addKey, const wchar_t* addValue)
{
    SLOADED* loaded = m_LoadSection(path, section);
    if (!loaded) return 0;
    // The lines' keep marks change below: the text is read afresh next time.
    loaded->Valid = 0;
    const STEXT& t = loaded->Text;
    SLINE* lines = loaded->Lines.get();
    const int n = loaded->N, begin = loaded->Begin, stop = loaded->Stop;
    if (begin < 0) return addKey ? -1 : 1;
    const int span = stop - begin;
    if (count <= kFewKeys) {
        for (int k = 0; k < count; ++k)
            for (int i = begin; i < stop; ++i) {
                SLINE& line = lines[i];
                if (!line.Keep || line.End == line.Begin || !m_KeyMatches(t, line, keys[k]))
                    continue;
                line.Keep = 0;
                break;
            }
        count = 0;
    }
    // The section's lines by key hash, in file order within a hash: each
    // deletion takes the first line of its key still there.
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
        SKEYLINE* hit = std::lower_bound(
            byKey.get(), byKey.get() + span, probe, [](const SKEYLINE& a, const SKEYLINE& b) {
                return a.Hash != b.Hash ? a.Hash < b.Hash : a.Line < b.Line;
            });
        for (; hit < byKey.get() + span && hit->Hash == hash; ++hit) {
            SLINE& line = lines[hit->Line];
            if (!line.Keep || line.End == line.Begin || !m_KeyMatches(t, line, keys[k])) continue;
            line.Keep = 0;
            break;
        }
    }
    // A key added goes after the section's last line, as the profile API
    // appends it; a last line without its line break is left to the API.
    int insertAt = -1;
    std::unique_ptr<BYTE[]> added;
    DWORD addedSize = 0;
    if (addKey) {
        insertAt = stop;
        while (insertAt > begin && lines[insertAt - 1].End == lines[insertAt - 1].Begin) --insertAt;
        const SLINE& last = lines[insertAt - 1];
        if (last.Next == last.End) return -1;
        if (!m_EncodeLine(t, lines[begin - 1], addKey, addValue, &added, &addedSize)) return -1;
    }
    return m_WriteReplacing(path, t, lines, n, insertAt, added.get(), addedSize);
}

int m_Resume_RemoveKeys(const wchar_t* path, const wchar_t* section, const wchar_t* const* keys,
                        int count)
{
    return m_Resume_EditKeys(path, section, keys, count, nullptr, nullptr);
}

int m_Resume_ReadSection(const wchar_t* path, const wchar_t* section,
                         std::unique_ptr<wchar_t[]>* out)
{
    out->reset(new wchar_t[2]());
    const SLOADED* loaded = m_LoadSection(path, section);
    if (!loaded || loaded->Begin < 0) return 0;
    const STEXT& t = loaded->Text;
    const SLINE* lines = loaded->Lines.get();
    const int begin = loaded->Begin, stop = loaded->Stop;
    out->reset(new wchar_t[t.Units() + 2]);
    wchar_t* w = out->get();
    int length = 0;
    for (int i = begin; i < stop; ++i) {
        DWORD b = lines[i].Begin, e = lines[i].End;
        while (b < e && m_IsBlank(t.At(b))) ++b;
        while (e > b && m_IsBlank(t.At(e - 1))) --e;
        // Blank lines and comments are not entries.
        if (b == e || t.At(b) == L';') continue;
        DWORD keyBegin, keyEnd;
        m_LineKey(t, lines[i], &keyBegin, &keyEnd);
        for (DWORD j = keyBegin; j < keyEnd; ++j) w[length++] = t.At(j);
        DWORD eq = keyEnd;
        while (eq < e && t.At(eq) != L'=') ++eq;
        if (eq < e) {
            w[length++] = L'=';
            DWORD v = eq + 1;
            while (v < e && m_IsBlank(t.At(v))) ++v;
            for (DWORD j = v; j < e; ++j) w[length++] = t.At(j);
        }
        w[length++] = 0;
    }
    w[length] = 0;
    return length;
}

int m_Resume_ReadKey(const wchar_t* path, const wchar_t* section, const wchar_t* key, wchar_t* out,
                     int cap)
{
    out[0] = 0;
    const SLOADED* loaded = m_LoadSection(path, section);
    if (!loaded || loaded->Begin < 0) return 0;
    const STEXT& t = loaded->Text;
    const SLINE* lines = loaded->Lines.get();
    const int begin = loaded->Begin, stop = loaded->Stop;
    for (int i = begin; i < stop; ++i) {
        if (lines[i].End == lines[i].Begin || !m_KeyMatches(t, lines[i], key)) continue;
        DWORD v = lines[i].Begin, e = lines[i].End;
        while (v < e && t.At(v) != L'=') ++v;
        if (v == e) return 0;
        ++v;
        while (v < e && m_IsBlank(t.At(v))) ++v;
        while (e > v && m_IsBlank(t.At(e - 1))) --e;
        // A value in double quotes is read without them, as the profile API does.
        if (e - v >= 2 && t.At(v) == L'"' && t.At(e - 1) == L'"') {
            ++v;
            --e;
        }
        int length = 0;
        for (; v < e && length < cap - 1; ++v) out[length++] = t.At(v);
        out[length] = 0;
        return length;
    }
    return 0;
}
