#include "base/PathKinds.h"

#include <string.h>
#include <wchar.h>

#include <algorithm>

#include "base/FolderListing.h"
#include "base/FolderPrefetch.h"
#include "base/KeptBlock.h"
#include "base/PathUtil.h"

namespace {

// Fewer paths than this in one folder are asked for one by one.
constexpr int kWalkMin = 8;

// A list's check at every open reuses the memory of the last one.
CKeptBlock s_WalkBlock;

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
// Kana, CJK and Hangul have no case: names of ASCII and these fold here
// (the system call for the rest costs more than the whole fold).
bool m_HasNoCase(wchar_t c) { return (c >= 0x3000 && c <= 0x9FFF) || (c >= 0xAC00 && c <= 0xD7A3); }

bool m_FoldName(const wchar_t* name, int len, wchar_t* out)
{
    bool plain = true;
    for (int i = 0; i < len && plain; ++i) plain = name[i] < 0x80 || m_HasNoCase(name[i]);
    if (plain) {
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

// Characters no plain path holds (tested inline: a call per character of
// 1000 paths shows in a list's load).
bool m_IsReserved(wchar_t c)
{
    switch (c) {
        case L'*':
        case L'?':
        case L'"':
        case L'<':
        case L'>':
        case L'|':
        case L':':
        case L'/':
            return true;
        default:
            return false;
    }
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
        if (c < 0x20 || m_IsReserved(c)) return false;
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
                int* table, int tableMask, int* seen, CFolderPrefetch* prefetch)
        : m_Paths(paths),
          m_Refs(refs),
          m_Count(count),
          m_Pool(pool),
          m_Table(table),
          m_Mask(tableMask),
          m_Seen(seen),
          m_Prefetch(prefetch)
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
    struct SREAD {
        CFolderWalk* Walk;
        int Entries;
        int EntryCap;
        bool Unsure;
    };

    // A folder far larger than the group costs more to read than asking.
    static bool m_OnEntry(void* context, const SFOLDERENTRY& entry)
    {
        SREAD* read = (SREAD*)context;
        if (++read->Entries > read->EntryCap) return false;
        read->Walk->m_Note(entry, &read->Unsure);
        return true;
    }

    bool m_Read(bool* unsure)
    {
        SREAD read = {this, 0, 2 * m_Count + 32, false};
        const wchar_t* folder = m_Paths[m_Refs[0].Index];
        const int length = m_Refs[0].FolderLen;
        const int replayed =
            m_Prefetch ? m_Prefetch->m_Replay(folder, length, m_OnEntry, &read) : -1;
        const bool whole =
            replayed >= 0 ? replayed == 1 : m_ListFolder(folder, length, m_OnEntry, &read);
        *unsure = read.Unsure;
        return whole;
    }

    // Marks the group's paths that name this entry, exactly or but for case.
    void m_Note(const SFOLDERENTRY& entry, bool* unsure)
    {
        const int len = entry.NameLength;
        wchar_t folded[MAX_PATH];
        // Longer names than any path of the group holds match none.
        if (len >= MAX_PATH) return;
        if (!m_FoldName(entry.Name, len, folded)) {
            *unsure = true;
            return;
        }
        int slot = (int)(m_Hash(folded, len) & (UINT)m_Mask);
        for (; m_Table[slot] >= 0; slot = (slot + 1) & m_Mask) {
            const int r = m_Table[slot];
            const SWALKREF& ref = m_Refs[r];
            if (ref.NameLen != len || wmemcmp(m_Pool + ref.Folded, folded, len) != 0) continue;
            const wchar_t* name = m_Paths[ref.Index] + ref.FolderLen;
            if (wmemcmp(name, entry.Name, len) != 0) {
                if (m_Seen[r] == SEEN_NONE) m_Seen[r] = SEEN_UNSURE;
            } else if (entry.Attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
                m_Seen[r] = SEEN_UNSURE;
            } else {
                m_Seen[r] = (entry.Attributes & FILE_ATTRIBUTE_DIRECTORY) ? SEEN_FOLDER : SEEN_FILE;
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
    CFolderPrefetch* m_Prefetch;
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

// Groups the refs by folder, each group in index order.
void m_SortByFolder(const wchar_t* const* paths, SWALKREF* refs, int n)
{
    std::sort(refs, refs + n, [paths](const SWALKREF& a, const SWALKREF& b) {
        if (a.FolderHash != b.FolderHash) return a.FolderHash < b.FolderHash;
        if (a.FolderLen != b.FolderLen) return a.FolderLen < b.FolderLen;
        const int c = wmemcmp(paths[a.Index], paths[b.Index], a.FolderLen);
        return c != 0 ? c < 0 : a.Index < b.Index;
    });
}

// Groups of at least kWalkMin paths of one folder are answered by reading
// the folder.
void m_WalkGroups(const wchar_t* const* paths, SWALKREF* refs, int n, const wchar_t* pool,
                  int* kinds, int* scratch, int mask, CFolderPrefetch* prefetch)
{
    // Refs stand in index order: paths of one folder (a list beside its
    // media, the usual case) are one group as they are.
    int same = 1;
    while (same < n && m_SameFolder(paths, refs[0], refs[same])) ++same;
    if (same < n) m_SortByFolder(paths, refs, n);
    for (int first = 0; first < n;) {
        int last = first + 1;
        while (last < n && m_SameFolder(paths, refs[first], refs[last])) ++last;
        const int size = last - first;
        if (size >= kWalkMin) {
            int tableMask = 1;
            while (tableMask + 1 < 2 * size) tableMask = tableMask * 2 + 1;
            CFolderWalk walk(paths, refs + first, size, pool, scratch, tableMask,
                             scratch + mask + 1, prefetch);
            walk.m_Answer(kinds);
        }
        first = last;
    }
}

}  // namespace

void m_PathExistsKinds(const wchar_t* const* paths, int count, int* kinds,
                       CFolderPrefetch* prefetch)
{
    if (!paths || !kinds || count <= 0) return;
    for (int i = 0; i < count; ++i) kinds[i] = -1;
    // The pool holds every folded name, the scratch a hash table for the
    // largest group and what its read saw.
    int mask = 1;
    while (mask + 1 < 2 * count) mask = mask * 2 + 1;
    const SIZE_T bytes = (SIZE_T)count * (sizeof(SWALKREF) + MAX_PATH * sizeof(wchar_t)) +
                         ((SIZE_T)mask + 1 + count) * sizeof(int);
    SIZE_T cap = 0;
    void* block = count >= kWalkMin ? s_WalkBlock.m_Take(bytes, &cap) : nullptr;
    if (block) {
        SWALKREF* refs = (SWALKREF*)block;
        int* scratch = (int*)(refs + count);
        wchar_t* pool = (wchar_t*)(scratch + mask + 1 + count);
        const int n = m_MakeRefs(paths, count, refs, pool);
        m_WalkGroups(paths, refs, n, pool, kinds, scratch, mask, prefetch);
        s_WalkBlock.m_Give(block, cap);
    }
    for (int i = 0; i < count; ++i) {
        if (kinds[i] < 0) kinds[i] = m_PathExistsKind(paths[i]);
    }
}
