#include "base/PathKinds.h"

#include <string.h>
#include <wchar.h>

#include <algorithm>

#include "base/PathUtil.h"

namespace {

// Fewer paths than this in one folder are asked for one by one.
constexpr int kWalkMin = 8;

// A path the folder read can answer: where its name starts, its folded
// name in the pool, and hashes of both parts.
struct SWALKREF {
    int Index;
    int FolderLen;  // up to and including the last backslash
    int NameLen;
    int Folded;
    UINT FolderHash;
    UINT NameHash;
};

UINT m_Hash(const wchar_t* text, int len)
{
    UINT h = 2166136261u;
    for (int i = 0; i < len; ++i) h = (h ^ text[i]) * 16777619u;
    return h;
}

// Upper case as the file system compares names; false when the fold does
// not keep the length.
bool m_FoldName(const wchar_t* name, int len, wchar_t* out)
{
    bool ascii = true;
    for (int i = 0; i < len && ascii; ++i) ascii = name[i] < 0x80;
    if (ascii) {
        for (int i = 0; i < len; ++i)
            out[i] = name[i] >= L'a' && name[i] <= L'z' ? (wchar_t)(name[i] - 32) : name[i];
        return true;
    }
    return LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, name, len, out, len, nullptr,
                         nullptr, 0) == len;
}

bool m_SameNoCase(const wchar_t* a, const wchar_t* b, int len)
{
    return CompareStringOrdinal(a, len, b, len, TRUE) == CSTR_EQUAL;
}

// CON, NUL, COM1 and the like, with or without an extension, open a device
// in any folder.
bool m_IsDeviceName(const wchar_t* name, int len)
{
    int base = 0;
    while (base < len && name[base] != L'.') ++base;
    while (base > 0 && name[base - 1] == L' ') --base;
    const wchar_t* three[] = {L"CON", L"PRN", L"AUX", L"NUL"};
    for (const wchar_t* d : three)
        if (base == 3 && m_SameNoCase(name, d, 3)) return true;
    if (base == 4 && (m_SameNoCase(name, L"COM", 3) || m_SameNoCase(name, L"LPT", 3))) return true;
    return (base == 5 && m_SameNoCase(name, L"CONIN", 5)) ||
           (base == 6 && m_SameNoCase(name, L"CONOUT", 6));
}

// A plain "X:\folder\name" that means exactly the folder entry it names:
// the file system reads anything else otherwise than its listing shows
// (dots and blanks trimmed, "." and "..", short names, devices, streams).
bool m_IsWalkable(const wchar_t* path, SWALKREF* ref)
{
    const int len = (int)wcsnlen(path, MAX_PATH);
    if (len < 4 || len >= MAX_PATH) return false;
    const wchar_t drive = (wchar_t)(path[0] | 0x20);
    if (drive < L'a' || drive > L'z' || path[1] != L':' || path[2] != L'\\') return false;
    int start = 3;
    for (int i = 3; i <= len; ++i) {
        const wchar_t c = i < len ? path[i] : L'\\';
        if (c < 0x20 || wcschr(L"*?\"<>|:/", c)) return false;
        if (c != L'\\') continue;
        if (i == start || path[i - 1] == L'.' || path[i - 1] == L' ') return false;
        if (i < len) start = i + 1;
    }
    const wchar_t* name = path + start;
    const int nameLen = len - start;
    if (wmemchr(name, L'~', nameLen) || m_IsDeviceName(name, nameLen)) return false;
    ref->FolderLen = start;
    ref->NameLen = nameLen;
    ref->FolderHash = m_Hash(path, start);
    return true;
}

// What the folder read tells about each path of one group.
enum { SEEN_NONE = 0, SEEN_FILE = 1, SEEN_FOLDER = 2, SEEN_UNSURE = 3 };

class CFolderWalk {
public:
    CFolderWalk(const wchar_t* const* paths, const SWALKREF* refs, int count, const wchar_t* pool,
                int* table, int tableMask, int* seen)
        : m_Paths(paths),
          m_Refs(refs),
          m_Count(count),
          m_Pool(pool),
          m_Table(table),
          m_Mask(tableMask),
          m_Seen(seen)
    {
    }

    // Fills kinds for the paths the read answers for sure; false when the
    // folder could not be read whole (the caller asks for each path).
    bool m_Answer(int* kinds)
    {
        for (int i = 0; i <= m_Mask; ++i) m_Table[i] = -1;
        for (int r = 0; r < m_Count; ++r) {
            m_Seen[r] = SEEN_NONE;
            int slot = (int)(m_Refs[r].NameHash & (UINT)m_Mask);
            while (m_Table[slot] >= 0) slot = (slot + 1) & m_Mask;
            m_Table[slot] = r;
        }
        bool unsure = false;
        if (!m_Read(&unsure)) return false;
        for (int r = 0; r < m_Count; ++r) {
            const int seen = m_Seen[r];
            if (seen == SEEN_FILE || seen == SEEN_FOLDER)
                kinds[m_Refs[r].Index] = seen;
            else if (seen == SEEN_NONE && !unsure)
                kinds[m_Refs[r].Index] = 0;
        }
        return true;
    }

private:
    bool m_Read(bool* unsure)
    {
        wchar_t pattern[MAX_PATH + 1];
        const int folderLen = m_Refs[0].FolderLen;
        wmemcpy(pattern, m_Paths[m_Refs[0].Index], folderLen);
        pattern[folderLen] = L'*';
        pattern[folderLen + 1] = 0;
        WIN32_FIND_DATAW fd;
        HANDLE find = FindFirstFileExW(pattern, FindExInfoBasic, &fd, FindExSearchNameMatch,
                                       nullptr, FIND_FIRST_EX_LARGE_FETCH);
        if (find == INVALID_HANDLE_VALUE) return false;
        // A folder far larger than the group costs more to read than asking.
        const int entryCap = 2 * m_Count + 32;
        int entries = 0;
        bool whole = true;
        do {
            const wchar_t* name = fd.cFileName;
            if (name[0] == L'.' && (!name[1] || (name[1] == L'.' && !name[2]))) continue;
            if (++entries > entryCap) {
                whole = false;
                break;
            }
            m_Note(fd, unsure);
        } while (FindNextFileW(find, &fd));
        if (whole) whole = GetLastError() == ERROR_NO_MORE_FILES;
        FindClose(find);
        return whole;
    }

    // Marks the group's paths that name this entry, exactly or but for case.
    void m_Note(const WIN32_FIND_DATAW& fd, bool* unsure)
    {
        const int len = (int)wcsnlen(fd.cFileName, MAX_PATH);
        wchar_t folded[MAX_PATH];
        if (!m_FoldName(fd.cFileName, len, folded)) {
            *unsure = true;
            return;
        }
        int slot = (int)(m_Hash(folded, len) & (UINT)m_Mask);
        for (; m_Table[slot] >= 0; slot = (slot + 1) & m_Mask) {
            const int r = m_Table[slot];
            const SWALKREF& ref = m_Refs[r];
            if (ref.NameLen != len || wmemcmp(m_Pool + ref.Folded, folded, len) != 0) continue;
            const wchar_t* name = m_Paths[ref.Index] + ref.FolderLen;
            if (wmemcmp(name, fd.cFileName, len) != 0) {
                if (m_Seen[r] == SEEN_NONE) m_Seen[r] = SEEN_UNSURE;
            } else if (fd.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
                m_Seen[r] = SEEN_UNSURE;
            } else {
                m_Seen[r] =
                    (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? SEEN_FOLDER : SEEN_FILE;
            }
        }
    }

    const wchar_t* const* m_Paths;
    const SWALKREF* m_Refs;
    int m_Count;
    const wchar_t* m_Pool;
    int* m_Table;
    int m_Mask;
    int* m_Seen;
};

bool m_SameFolder(const wchar_t* const* paths, const SWALKREF& a, const SWALKREF& b)
{
    return a.FolderHash == b.FolderHash && a.FolderLen == b.FolderLen &&
           wmemcmp(paths[a.Index], paths[b.Index], a.FolderLen) == 0;
}

// The walkable paths with their folded names in the pool; the count.
int m_MakeRefs(const wchar_t* const* paths, int count, SWALKREF* refs, wchar_t* pool)
{
    int n = 0, used = 0;
    for (int i = 0; i < count; ++i) {
        SWALKREF* ref = &refs[n];
        if (!paths[i] || !m_IsWalkable(paths[i], ref)) continue;
        ref->Index = i;
        ref->Folded = used;
        if (!m_FoldName(paths[i] + ref->FolderLen, ref->NameLen, pool + used)) continue;
        ref->NameHash = m_Hash(pool + used, ref->NameLen);
        used += ref->NameLen;
        ++n;
    }
    return n;
}

// Groups of at least kWalkMin paths of one folder are answered by reading
// the folder.
void m_WalkGroups(const wchar_t* const* paths, SWALKREF* refs, int n, const wchar_t* pool,
                  int* kinds, int* scratch, int mask)
{
    std::sort(refs, refs + n, [paths](const SWALKREF& a, const SWALKREF& b) {
        if (a.FolderHash != b.FolderHash) return a.FolderHash < b.FolderHash;
        if (a.FolderLen != b.FolderLen) return a.FolderLen < b.FolderLen;
        const int c = wmemcmp(paths[a.Index], paths[b.Index], a.FolderLen);
        return c != 0 ? c < 0 : a.Index < b.Index;
    });
    for (int first = 0; first < n;) {
        int last = first + 1;
        while (last < n && m_SameFolder(paths, refs[first], refs[last])) ++last;
        const int size = last - first;
        if (size >= kWalkMin) {
            int tableMask = 1;
            while (tableMask + 1 < 2 * size) tableMask = tableMask * 2 + 1;
            CFolderWalk walk(paths, refs + first, size, pool, scratch, tableMask,
                             scratch + mask + 1);
            walk.m_Answer(kinds);
        }
        first = last;
    }
}

}  // namespace

void m_PathExistsKinds(const wchar_t* const* paths, int count, int* kinds)
{
    if (!paths || !kinds || count <= 0) return;
    for (int i = 0; i < count; ++i) kinds[i] = -1;
    // The pool holds every folded name, the scratch a hash table for the
    // largest group and what its read saw.
    int mask = 1;
    while (mask + 1 < 2 * count) mask = mask * 2 + 1;
    const SIZE_T bytes = (SIZE_T)count * (sizeof(SWALKREF) + MAX_PATH * sizeof(wchar_t)) +
                         ((SIZE_T)mask + 1 + count) * sizeof(int);
    void* block = count >= kWalkMin ? HeapAlloc(GetProcessHeap(), 0, bytes) : nullptr;
    if (block) {
        SWALKREF* refs = (SWALKREF*)block;
        int* scratch = (int*)(refs + count);
        wchar_t* pool = (wchar_t*)(scratch + mask + 1 + count);
        const int n = m_MakeRefs(paths, count, refs, pool);
        m_WalkGroups(paths, refs, n, pool, kinds, scratch, mask);
        HeapFree(GetProcessHeap(), 0, block);
    }
    for (int i = 0; i < count; ++i) {
        if (kinds[i] < 0) kinds[i] = m_PathExistsKind(paths[i]);
    }
}
