// Reading .zvpl and legacy lists from one read of the file.
#include <stdlib.h>
#include <string.h>

#include "base/ErrorLog.h"
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

bool m_InArray(const STRACKINFO* tracks, int count, const wchar_t* path)
{
    for (int i = 0; i < count; ++i) {
        if (CompareStringOrdinal(tracks[i].Path, -1, path, -1, TRUE) == CSTR_EQUAL) return true;
    }
    return false;
}

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

void m_NoteSkipped(SRESUMEWALK* walk, int entryIndex, const SZVPLREAD* o)
{
    if (!o->Resume) return;
    if (entryIndex < walk->Entry) {
        if (walk->Track > 0) --walk->Track;
    } else if (entryIndex == walk->Entry) {
        walk->Position = 0;
    }
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
    if (total > p.m_SectionTotal()) total = p.m_SectionTotal();  // no walk past the file
    int slot = first, skippedAbove = 0;
    for (int n = 1; n <= total; ++n) {
        wchar_t section[32];
        wsprintfW(section, L"TRACK%d", n);
        if (slot >= cap) {
            m_WriteLog(kLimitLog, cap);
            break;
        }
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

}  // namespace

int m_Zvpl_ReadTracks(const wchar_t* path, STRACKINFO* tracks, int first, int cap, int* count,
                      SZVPLREAD* o)
{
    *count = first;
    o->Skipped = 0;
    CListProfile p;
    if (!path || !p.m_Load(path)) return 0;
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
    int slot = first;
    for (int n = 1; n <= last; ++n) {
        if (slot >= cap) {
            m_WriteLog(kLimitLog, cap);
            break;
        }
        wchar_t full[kPathCap];
        full[0] = 0;
        bool skip = !m_EntryPath(path, p.m_FindTrack(n, L"PATH"), full);
        skip = skip || (o->SkipDuplicates && m_InArray(tracks, slot, full));
        bool exists = skip || !o->CheckExistence || m_PathExistsKind(full) != 0;
        skip = skip || (!exists && o->SkipMissing);
        if (skip) {
            ++o->Skipped;
            m_NoteSkipped(&walk, n - 1, o);
            continue;
        }
        STRACKINFO* t = &tracks[slot];
        memset(t, 0, sizeof(*t));
        lstrcpynW(t->Path, full, MAX_PATH + 1);
        m_ListText_Copy(t->Name, kTrackNameCap, p.m_FindTrack(n, L"NAME"));
        const wchar_t* time = p.m_FindTrack(n, L"TIME");
        double seconds = time ? _wtof(time) : 0.0;
        t->Milliseconds = (INT64)(seconds * 1000.0);
        t->Seconds = (UINT)(t->Milliseconds / 1000);
        t->Missing = exists ? 0 : 1;
        t->LoadedIndex = o->Appending ? -1 : slot;
        m_FillTrackResume(t, p.m_FindTrack(n, L"RESUME"));
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
