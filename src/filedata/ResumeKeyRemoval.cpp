// Key deletions of an INI section done on the file's text in one pass: a
// profile-string write rewrites the whole file each time (Wine does; so
// does Windows for a file outside its cache), which made a trim of many
// keys take a rewrite per key.
#include <string.h>
#include <wchar.h>

#include <algorithm>
#include <memory>

#include "base/ErrorLog.h"
#include "base/ScratchBuffer.h"
#include "filedata/ResumeTrim.h"

namespace {

// The file's text as code units: UTF-16LE after its BOM, else bytes; the
// units are widened once so that every later pass reads them directly.
struct STEXT {
    CScratchBuffer<BYTE> ByteStore;
    CScratchBuffer<wchar_t> CharStore;
    BYTE* Bytes = nullptr;
    wchar_t* Chars = nullptr;
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
        text->Bytes = text->ByteStore.m_Reserve(text->Size + 2);
        DWORD read = 0;
        ok = ReadFile(file, text->Bytes, text->Size, &read, nullptr) && read == text->Size;
    }
    CloseHandle(file);
    if (!ok) return 0;
    text->Wide = text->Size >= 2 && text->Bytes[0] == 0xFF && text->Bytes[1] == 0xFE;
    const DWORD units = text->Units();
    text->Chars = text->CharStore.m_Reserve(units + 1);
    const BYTE* b = text->Bytes;
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
    CScratchBuffer<SLINE> LineStore;
    SLINE* Lines = nullptr;
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
    SLINE* lines = s_Loaded.LineStore.m_Reserve(lineCount + 1);
    s_Loaded.Lines = lines;
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
    static CScratchBuffer<BYTE> s_Out;
    BYTE* out = s_Out.m_Reserve(t.Size + addedSize + 1);
    DWORD size = count ? lines[0].Begin * unit : t.Size;  // the BOM
    memcpy(out, t.Bytes, size);
    for (int i = 0; i <= count; ++i) {
        if (i == insertAt) {
            memcpy(out + size, added, addedSize);
            size += addedSize;
        }
        if (i == count || !lines[i].Keep) continue;
        const DWORD bytes = (lines[i].Next - lines[i].Begin) * unit;
        memcpy(out + size, t.Bytes + lines[i].Begin * unit, bytes);
        size += bytes;
    }
    HANDLE file =
        CreateFileW(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    DWORD done = 0;
    int ok = WriteFile(file, out, size, &done, nullptr) && done == size;
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

// The first kept line of the section with this key; -1 when there is none.
int m_FindKept(const SLOADED& loaded, const wchar_t* key)
{
    const SLINE* lines = loaded.Lines;
    for (int i = loaded.Begin; i < loaded.Stop; ++i)
        if (lines[i].Keep && lines[i].End != lines[i].Begin &&
            m_KeyMatches(loaded.Text, lines[i], key))
            return i;
    return -1;
}

// Each deletion takes the first line of its key still there.
void m_MarkFew(SLOADED* loaded, const wchar_t* const* keys, int count)
{
    for (int k = 0; k < count; ++k) {
        const int line = m_FindKept(*loaded, keys[k]);
        if (line >= 0) loaded->Lines[line].Keep = 0;
    }
}

bool m_ByHashThenLine(const SKEYLINE& a, const SKEYLINE& b)
{
    return a.Hash != b.Hash ? a.Hash < b.Hash : a.Line < b.Line;
}

// The same through the section's lines sorted by key hash, in file order
// within a hash, for many deletions.
void m_MarkByHash(SLOADED* loaded, const wchar_t* const* keys, int count)
{
    const STEXT& t = loaded->Text;
    SLINE* lines = loaded->Lines;
    const int begin = loaded->Begin, span = loaded->Stop - loaded->Begin;
    static CScratchBuffer<SKEYLINE> s_ByKey;
    SKEYLINE* const byKey = s_ByKey.m_Reserve(span > 0 ? span : 1);
    for (int i = 0; i < span; ++i) {
        DWORD b, e;
        m_LineKey(t, lines[begin + i], &b, &e);
        byKey[i] = {m_HashKey(&t, b, e, nullptr), begin + i};
    }
    SKEYLINE* const last = byKey + span;
    std::sort(byKey, last, m_ByHashThenLine);
    for (int k = 0; k < count; ++k) {
        const UINT64 hash = m_HashKey(&t, 0, 0, keys[k]);
        SKEYLINE* hit = std::lower_bound(byKey, last, SKEYLINE{hash, -1}, m_ByHashThenLine);
        for (; hit < last && hit->Hash == hash; ++hit) {
            SLINE& line = lines[hit->Line];
            if (!line.Keep || line.End == line.Begin || !m_KeyMatches(t, line, keys[k])) continue;
            line.Keep = 0;
            break;
        }
    }
}

// Where "key=value" goes and its bytes: after the section's last line, as
// the profile API appends a new key. 0 when the API must write it: the key
// is still there (the API changes it in place), the last line has no line
// break, or the file's encoding cannot hold the text.
int m_PlaceAdded(const SLOADED& loaded, const wchar_t* key, const wchar_t* value, int* insertAt,
                 std::unique_ptr<BYTE[]>* added, DWORD* addedSize)
{
    if (m_FindKept(loaded, key) >= 0) return 0;
    const SLINE* lines = loaded.Lines;
    int at = loaded.Stop;
    while (at > loaded.Begin && lines[at - 1].End == lines[at - 1].Begin) --at;
    const SLINE& last = lines[at - 1];
    if (last.Next == last.End) return 0;
    *insertAt = at;
    return m_EncodeLine(loaded.Text, lines[loaded.Begin - 1], key, value, added, addedSize);
}

}  // namespace

int m_Resume_EditKeys(const wchar_t* path, const wchar_t* section, const wchar_t* const* keys,
                      int count, const wchar_t* addKey, const wchar_t* addValue)
{
    SLOADED* loaded = m_LoadSection(path, section);
    if (!loaded) return 0;
    // The lines' keep marks change below: the text is read afresh next time.
    loaded->Valid = 0;
    if (loaded->Begin < 0) return addKey ? -1 : 1;
    if (count <= kFewKeys)
        m_MarkFew(loaded, keys, count);
    else
        m_MarkByHash(loaded, keys, count);
    int insertAt = -1;
    std::unique_ptr<BYTE[]> added;
    DWORD addedSize = 0;
    if (addKey && !m_PlaceAdded(*loaded, addKey, addValue, &insertAt, &added, &addedSize))
        return -1;
    return m_WriteReplacing(path, loaded->Text, loaded->Lines, loaded->N, insertAt, added.get(),
                            addedSize);
}

int m_Resume_RemoveKeys(const wchar_t* path, const wchar_t* section, const wchar_t* const* keys,
                        int count)
{
    return m_Resume_EditKeys(path, section, keys, count, nullptr, nullptr);
}

int m_Resume_ReadSection(const wchar_t* path, const wchar_t* section, CScratchBuffer<wchar_t>* out)
{
    wchar_t* w = out->m_Reserve(2);
    w[0] = w[1] = 0;
    const SLOADED* loaded = m_LoadSection(path, section);
    if (!loaded || loaded->Begin < 0) return 0;
    const STEXT& t = loaded->Text;
    const SLINE* lines = loaded->Lines;
    const int begin = loaded->Begin, stop = loaded->Stop;
    w = out->m_Reserve(t.Units() + 2);
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
    const SLINE* lines = loaded->Lines;
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
