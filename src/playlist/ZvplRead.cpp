// Reading .zvpl and legacy lists from one read of the file.
#include <stdlib.h>
#include <string.h>
#include <wchar.h>

#include "base/ErrorLog.h"
#include "base/FolderPrefetch.h"
#include "base/PathKinds.h"
#include "base/PathUtil.h"
#include "filedata/ResumeValue.h"
#include "playlist/ListText.h"
#include "playlist/ZvplFile.h"
#include "settings/Settings.h"

namespace {

const wchar_t kHeader[] = L"ZENTAVIO_PLAYLIST";
const wchar_t kLimitLog[] =
    L"E1012 : プレイリストの上限数(%d)を超えたのでファイルを追加できませんでした。";

bool m_HasValue(const wchar_t* v) { return v && v[0] && !(v[0] == L'-' && v[1] == 0); }

bool m_SamePath(const wchar_t* a, const wchar_t* b)
{
    return CompareStringOrdinal(a, -1, b, -1, TRUE) == CSTR_EQUAL;
}

// A hash that paths equal but for case share: ASCII folded, kana, CJK and
// Hangul as they are, and every other letter (with I and S, which dotless
// i and long s upper-case to) left out.
UINT m_CaselessHash(const wchar_t* path)
{
    UINT h = 2166136261u;
    for (; *path; ++path) {
        wchar_t c = *path;
        if (c >= L'a' && c <= L'z') c = (wchar_t)(c - 32);
        const bool stable = c < 0x80 ? c != L'I' && c != L'S'
                                     : (c >= 0x3000 && c <= 0x9FFF) || (c >= 0xAC00 && c <= 0xD7A3);
        h = (h ^ (stable ? c : 1u)) * 16777619u;
    }
    return h;
}

// The tracks' paths for the duplicate check, hashed so that a list of 1000
// is not compared pair by pair.
class CPathSet {
public:
    // Adds tracks[index]; past the table's room the set stays as it is
    // and m_Has compares one by one.
    void m_Add(const STRACKINFO* tracks, int index)
    {
        if (m_Count >= kSlots / 2) {
            m_Full = true;
            return;
        }
        UINT slot = m_CaselessHash(tracks[index].Path) & (kSlots - 1);
        while (m_Slots[slot] >= 0) slot = (slot + 1) & (kSlots - 1);
        m_Slots[slot] = index;
        ++m_Count;
    }
    bool m_Has(const STRACKINFO* tracks, int count, const wchar_t* path) const
    {
        if (m_Full) {
            for (int i = 0; i < count; ++i)
                if (m_SamePath(tracks[i].Path, path)) return true;
            return false;
        }
        UINT slot = m_CaselessHash(path) & (kSlots - 1);
        for (; m_Slots[slot] >= 0; slot = (slot + 1) & (kSlots - 1)) {
            if (m_SamePath(tracks[m_Slots[slot]].Path, path)) return true;
        }
        return false;
    }
    void m_Clear()
    {
        for (int& s : m_Slots) s = -1;
        m_Count = 0;
        m_Full = false;
    }

private:
    static constexpr int kSlots = 4096;
    int m_Slots[kSlots];
    int m_Count = 0;
    bool m_Full = false;
};

// The entry's full path: relative ones (beginning with ".") against the list.
bool m_EntryPath(const wchar_t* listPath, const wchar_t* value, wchar_t out[kPathCap])
{
    if (!value || !value[0] || wcslen(value) >= (size_t)kPathCap) return false;
    if (value[0] == L'.') return m_GetFullPath(out, kPathCap, listPath, value) != 0;
    lstrcpynW(out, value, kPathCap);
    return true;
}

// Where the list's own track stands while entries are skipped.
struct SRESUMEWALK {
    int Entry;  // the record's entry in the file
    int Track;
    int Position;
};

// Entries first..last (indices in the file) were skipped.
void m_NoteSkipped(SRESUMEWALK* walk, int first, int last, SZVPLREAD* o)
{
    o->Skipped += last - first + 1;
    if (!o->Resume) return;
    const int above = (last < walk->Entry ? last + 1 : walk->Entry) - first;
    if (above > 0) walk->Track = walk->Track > above ? walk->Track - above : 0;
    if (first <= walk->Entry && walk->Entry <= last) walk->Position = 0;
}

// "digits[.ddd]" as the writer puts it, read exactly in integers; other
// forms go through the floating-point read, which costs far more. Up to 7
// whole digits the two reads agree; past them the product's error may
// reach the truncation.
bool m_PlainSecondsToMs(const wchar_t* text, INT64* ms)
{
    if (!text) return false;
    INT64 whole = 0;
    int digits = 0;
    for (; *text >= L'0' && *text <= L'9'; ++text, ++digits) {
        if (digits == 7) return false;
        whole = whole * 10 + (*text - L'0');
    }
    int frac = 0, scale = 100;
    if (*text == L'.') {
        for (++text; *text >= L'0' && *text <= L'9'; ++text, scale /= 10) {
            if (scale == 0) return false;
            frac += (*text - L'0') * scale;
        }
    }
    if (*text) return false;
    *ms = whole * 1000 + frac;
    return true;
}

// TIME as seconds, to whole milliseconds truncated; "%0.3f" values such as
// "1.001" land a hair below their millisecond in binary and keep it.
INT64 m_TimeToMs(const wchar_t* text)
{
    INT64 plain = 0;
    if (m_PlainSecondsToMs(text, &plain)) return plain;
    const double ms = text ? _wtof(text) * 1000.0 : 0.0;
    if (!(ms > -9.0e15 && ms < 9.0e15)) return 0;
    const INT64 nearest = (INT64)(ms < 0 ? ms - 0.5 : ms + 0.5);
    const double off = ms - (double)nearest;
    return off > -1e-4 && off < 1e-4 ? nearest : (INT64)ms;
}

void m_FillTrackResume(STRACKINFO* t, const wchar_t* text)
{
    if (!m_HasValue(text)) return;
    m_Resume_ClearRecord(&t->Resume);
    if (!m_Resume_ParseRecord(text, &t->Resume, nullptr)) return;
    t->HasResume = 1;
    t->SettingsPresent = m_Resume_HasSettings(&t->Resume) ? 1 : 0;
}

int m_ReadLegacy(const CListProfile& p, const wchar_t* path, STRACKINFO* tracks, int first, int cap,
                 int* count, SZVPLREAD* o)
{
    const wchar_t kSection[] = L"TORVALISK_PLAYLIST";
    if (p.m_GetInt(kSection, L"VER", 0) != 100) return 1;
    int total = p.m_GetInt(kSection, L"TRACKCOUNT", 0);
    const int last = total < p.m_MaxLegacyNumber() ? total : p.m_MaxLegacyNumber();
    int slot = first, skippedAbove = 0;
    for (int n = 1; n <= last; ++n) {
        if (slot >= cap) {
            m_WriteLog(kLimitLog, cap);
            break;
        }
        // Absent sections are entries without a PATH.
        int next = p.m_NextTrackNumber(n, 1);
        if (next == 0 || next > last) next = last + 1;
        if (next > n) {
            o->Skipped += next - n;
            if (o->Resume && n - 1 < o->Resume->Track)
                skippedAbove +=
                    (next - 1 < o->Resume->Track ? next - 1 : o->Resume->Track) - (n - 1);
        }
        n = next;
        if (n > last) break;
        wchar_t section[32];
        wsprintfW(section, L"TRACK%d", n);
        wchar_t full[kPathCap];
        full[0] = 0;
        bool exists = m_EntryPath(path, p.m_Find(section, L"PATH"), full) &&
                      (!o->CheckExistence || m_PathExistsKind(full) != 0);
        if (!full[0] || (!exists && o->SkipMissing)) {
            ++o->Skipped;
            if (o->Resume && n - 1 < o->Resume->Track) ++skippedAbove;
            continue;
        }
        STRACKINFO* t = &tracks[slot];
        memset(t, 0, sizeof(*t));
        lstrcpynW(t->Path, full, MAX_PATH + 1);
        m_ListText_Copy(t->Name, kTrackNameCap, p.m_Find(section, L"TITLE"));
        const wchar_t* time = p.m_Find(section, L"TIME");
        t->Milliseconds = time ? _wtoi64(time) : 0;
        t->Seconds = (UINT)(t->Milliseconds / 1000);
        t->Missing = exists ? 0 : 1;
        t->LoadedIndex = o->Appending ? -1 : slot;
        ++slot;
    }
    if (o->Resume) {
        o->Resume->Track = o->Resume->Track > skippedAbove ? o->Resume->Track - skippedAbove : 0;
        o->Resume->Position = 0;
    }
    *count = slot;
    return 1;
}

// The entry after n - 1 among the "TRACK_n" sections present, last + 1 when
// none is left; the numbers passed over are entries without a PATH.
int m_NextEntry(const CListProfile& p, int n, int last)
{
    int next = p.m_NextTrackNumber(n, 0);
    return next == 0 || next > last ? last + 1 : next;
}

// The first "PATH=" value of the text as read, before the index is built;
// only a hint of the folder to read early (the entries come from the index).
bool m_FirstPathHint(const wchar_t* text, wchar_t out[kPathCap])
{
    for (const wchar_t* line = text; line && *line;) {
        while (*line == L' ' || *line == L'\t') ++line;
        const wchar_t* end = line;
        while (*end && *end != L'\r' && *end != L'\n') ++end;
        if (end - line > 5 && _wcsnicmp(line, L"PATH=", 5) == 0) {
            const int length = (int)(end - line - 5);
            if (length >= kPathCap) return false;
            wmemcpy(out, line + 5, length);
            out[length] = 0;
            return true;
        }
        line = end;
        while (*line == L'\r' || *line == L'\n') ++line;
    }
    return false;
}

// Reads and indexes the list; the folder of its first entry is read on a
// worker meanwhile when the entries' existence is to be checked.
bool m_LoadList(CListProfile* p, const wchar_t* path, CFolderPrefetch* prefetch)
{
    if (!p->m_Read(path)) return false;
    wchar_t first[kPathCap];
    if (prefetch && m_FirstPathHint(p->m_RawText(), first)) prefetch->m_Start(first);
    return p->m_Parse() != 0;
}

// The existence of the entries' absolute paths, asked all at once, in the
// order the reader visits the entries; relative ones (null here) are asked
// when made full.
class CEntryKinds {
public:
    ~CEntryKinds()
    {
        if (m_Block) HeapFree(GetProcessHeap(), 0, m_Block);
    }
    void m_Ask(const CListProfile& p, int last, CFolderPrefetch* prefetch)
    {
        const int cap = p.m_SectionTotal();
        m_Block = cap > 0 ? HeapAlloc(GetProcessHeap(), 0,
                                      (SIZE_T)cap * (sizeof(const wchar_t*) + sizeof(int)))
                          : nullptr;
        if (!m_Block) return;
        const wchar_t** paths = (const wchar_t**)m_Block;
        m_Kinds = (int*)(paths + cap);
        for (int n = m_NextEntry(p, 1, last); n <= last && m_Count < cap;
             n = m_NextEntry(p, n + 1, last)) {
            const wchar_t* value = p.m_FindTrack(n, L"PATH");
            const bool plain = value && value[0] && value[0] != L'.' &&
                               wcsnlen(value, kPathCap) < (size_t)kPathCap;
            paths[m_Count++] = plain ? value : nullptr;
        }
        m_PathExistsKinds(paths, m_Count, m_Kinds, prefetch);
        for (int k = 0; k < m_Count; ++k) {
            if (!paths[k]) m_Kinds[k] = -1;
        }
    }
    // The k-th visited entry's answer, else asked now.
    int m_Kind(int k, const wchar_t* full) const
    {
        return k < m_Count && m_Kinds[k] >= 0 ? m_Kinds[k] : m_PathExistsKind(full);
    }

private:
    void* m_Block = nullptr;
    int* m_Kinds = nullptr;
    int m_Count = 0;
};

}  // namespace

int m_Zvpl_ReadTracks(const wchar_t* path, STRACKINFO* tracks, int first, int cap, int* count,
                      SZVPLREAD* o)
{
    *count = first;
    o->Skipped = 0;
    CFolderPrefetch prefetch;
    CListProfile p;
    if (!path || !m_LoadList(&p, path, o->CheckExistence ? &prefetch : nullptr)) return 0;
    int fmt = p.m_GetInt(kHeader, L"FMT", 0);
    if (fmt == 0)
        return g_Settings.Main_Lgcy ? m_ReadLegacy(p, path, tracks, first, cap, count, o) : 0;
    if (fmt < kListFmtFirst || fmt > kListFmtLast) return 1;
    SRESUMEWALK walk = {0, 0, 0};
    if (o->Resume) {
        const wchar_t* value = p.m_Find(kHeader, L"RESUME");
        if (m_HasValue(value)) {
            m_Resume_ClearRecord(o->Resume);
            m_Resume_ParseRecord(value, o->Resume, nullptr);
        }
        walk.Entry = walk.Track = o->Resume->Track;
        walk.Position = o->Resume->Position;
    }
    int total = p.m_GetInt(kHeader, L"COUNT", 0);
    // A COUNT past the sections present ends with the last of them.
    int last = total < p.m_MaxTrackNumber() ? total : p.m_MaxTrackNumber();
    CEntryKinds kinds;
    if (o->CheckExistence) kinds.m_Ask(p, last, &prefetch);
    CPathSet listed;
    if (o->SkipDuplicates) {
        listed.m_Clear();
        for (int i = 0; i < first; ++i) listed.m_Add(tracks, i);
    }
    int slot = first;
    for (int n = 1, visited = 0; n <= last; ++n, ++visited) {
        if (slot >= cap) {
            m_WriteLog(kLimitLog, cap);
            break;
        }
        // Absent sections are entries without a PATH.
        int next = m_NextEntry(p, n, last);
        if (next > n) m_NoteSkipped(&walk, n - 1, next - 2, o);
        n = next;
        if (n > last) break;
        wchar_t full[kPathCap];
        full[0] = 0;
        bool skip = !m_EntryPath(path, p.m_FindTrack(n, L"PATH"), full);
        skip = skip || (o->SkipDuplicates && listed.m_Has(tracks, slot, full));
        bool exists = skip || !o->CheckExistence || kinds.m_Kind(visited, full) != 0;
        skip = skip || (!exists && o->SkipMissing);
        if (skip) {
            m_NoteSkipped(&walk, n - 1, n - 1, o);
            continue;
        }
        STRACKINFO* t = &tracks[slot];
        memset(t, 0, sizeof(*t));
        lstrcpynW(t->Path, full, MAX_PATH + 1);
        m_ListText_Copy(t->Name, kTrackNameCap, p.m_FindTrack(n, L"NAME"));
        t->Milliseconds = m_TimeToMs(p.m_FindTrack(n, L"TIME"));
        t->Seconds = (UINT)(t->Milliseconds / 1000);
        t->Missing = exists ? 0 : 1;
        t->LoadedIndex = o->Appending ? -1 : slot;
        m_FillTrackResume(t, p.m_FindTrack(n, L"RESUME"));
        if (o->SkipDuplicates) listed.m_Add(tracks, slot);
        ++slot;
    }
    if (o->Resume) {
        o->Resume->Track = walk.Track;
        o->Resume->Position = walk.Position;
    }
    *count = slot;
    return 1;
}

int m_Zvpl_ReadListResume(const wchar_t* path, wchar_t* text, int cap)
{
    m_ListText_Copy(text, cap, L"");
    CListProfile p;
    if (!path || !p.m_Load(path)) return 0;
    int fmt = p.m_GetInt(kHeader, L"FMT", 0);
    const wchar_t* value = p.m_Find(kHeader, L"RESUME");
    if (fmt < kListFmtFirst || fmt > kListFmtLast || !value || (value[0] == L'-' && !value[1]))
        return 0;
    m_ListText_Copy(text, cap, value);
    return 1;
}
