// Re-syncing a folder-management list that is not the open one with the
// files its folder holds now. The edits are those of a key-by-key update
// (COUNT and the list-level RESUME set, sections past the new count gone,
// changed positions rewritten, everything else kept), made on the file's
// text in memory and written in one step.
#include "playlist/PlaylistFiles.h"

#include <shlwapi.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "base/MediaTypes.h"
#include "base/PathUtil.h"
#include "filedata/ResumeCheckText.h"
#include "filedata/ResumeValue.h"
#include "playlist/ListFileSave.h"
#include "playlist/ListText.h"
#include "playlist/ListTextOut.h"
#include "playlist/Playlist.h"
#include "playlist/ZvplFile.h"

namespace {

const wchar_t kHeader[] = L"ZENTAVIO_PLAYLIST";
const wchar_t kFolderListName[] = L"zentavio_fldrmg.zvpl";
constexpr int kSyncCap = kPlaylistTrackCap;
// Characters one rewritten section can take, keys and line breaks included.
constexpr int kSectionTextCap = 64 + 2 * kPathCap + kTrackNameCap + 32 + kResumeValueCap;

// An old entry's RESUME, kept as text, and where the entry went.
struct SOLDEXTRA {
    wchar_t Resume[kResumeValueCap];
    int NewIndex;  // -1 while not taken
};

// The arrays of one re-sync, on the heap: a thousand track records do not
// belong on the stack.
class CSyncEntries {
public:
    CSyncEntries()
    {
        HANDLE heap = GetProcessHeap();
        Old = (STRACKINFO*)HeapAlloc(heap, HEAP_ZERO_MEMORY, kSyncCap * sizeof(STRACKINFO));
        OldExtra = (SOLDEXTRA*)HeapAlloc(heap, HEAP_ZERO_MEMORY, kSyncCap * sizeof(SOLDEXTRA));
        NewPath = (SNEWPATH*)HeapAlloc(heap, HEAP_ZERO_MEMORY, kSyncCap * sizeof(SNEWPATH));
    }
    ~CSyncEntries()
    {
        HANDLE heap = GetProcessHeap();
        if (Old) HeapFree(heap, 0, Old);
        if (OldExtra) HeapFree(heap, 0, OldExtra);
        if (NewPath) HeapFree(heap, 0, NewPath);
    }
    CSyncEntries(const CSyncEntries&) = delete;
    CSyncEntries& operator=(const CSyncEntries&) = delete;
    bool m_Ready() const { return Old && OldExtra && NewPath; }

    struct SNEWPATH {
        wchar_t Path[kPathCap];
        int Source;  // the old entry whose data it takes, or -1
    };
    STRACKINFO* Old = nullptr;  // path, name, seconds and check flags
    SOLDEXTRA* OldExtra = nullptr;
    SNEWPATH* NewPath = nullptr;
};

struct SSYNC {
    const wchar_t* ListPath;
    CListProfile Profile;
    CSyncEntries Entries;
    SRESUMEINFO Record;
    bool HasRecord;  // the list carries a list-level RESUME
    int CheckMode;   // the record's check boxes shown
    int OldCount;    // COUNT as the file gives it
    int OldRead;     // entries read, at most kSyncCap
    int NewCount;
    UINT TrackFlags[kSyncCap];
    bool Written[kSyncCap + 1];  // TRACK_n sections done
};

bool m_IsFolderListName(const wchar_t* path)
{
    return _wcsicmp(PathFindFileNameW(path), kFolderListName) == 0;
}

bool m_SamePath(const wchar_t* a, const wchar_t* b)
{
    return CompareStringOrdinal(a, -1, b, -1, TRUE) == CSTR_EQUAL;
}

// The entry's full path: relative ones (beginning with ".") against the list.
void m_OldPath(const wchar_t* listPath, const wchar_t* value, wchar_t out[kPathCap])
{
    out[0] = 0;
    if (!value || !value[0] || wcslen(value) >= (size_t)kPathCap) return;
    if (value[0] == L'.') {
        if (!m_GetFullPath(out, kPathCap, listPath, value)) out[0] = 0;
        return;
    }
    lstrcpynW(out, value, kPathCap);
}

void m_ReadOldEntries(SSYNC* s)
{
    const CListProfile& p = s->Profile;
    const wchar_t* value = p.m_Find(kHeader, L"RESUME");
    m_Resume_ClearRecord(&s->Record);
    s->HasRecord = value && value[0] && wcscmp(value, L"-") != 0 &&
                   m_Resume_ParseRecord(value, &s->Record, nullptr);
    s->OldCount = p.m_GetInt(kHeader, L"COUNT", 0);
    if (s->OldCount < 0) s->OldCount = 0;
    s->OldRead = s->OldCount < kSyncCap ? s->OldCount : kSyncCap;
    for (int i = 0; i < s->OldRead; ++i) {
        STRACKINFO* t = &s->Entries.Old[i];
        m_OldPath(s->ListPath, p.m_FindTrack(i + 1, L"PATH"), t->Path);
        m_ListText_Copy(t->Name, kTrackNameCap, p.m_FindTrack(i + 1, L"NAME"));
        const wchar_t* time = p.m_FindTrack(i + 1, L"TIME");
        t->Seconds = (UINT)(time ? _wtoi(time) : 0);
        m_ListText_Copy(s->Entries.OldExtra[i].Resume, kResumeValueCap,
                        p.m_FindTrack(i + 1, L"RESUME"));
        s->Entries.OldExtra[i].NewIndex = -1;
    }
    // The check flags ride with their entries into the rewritten record.
    s->CheckMode = 0;
    if (s->HasRecord && s->Record.CheckOn)
        CPlaylist::m_ParseCheckString(s->Record.CheckText, s->Entries.Old, s->OldRead,
                                      &s->CheckMode);
}

// The folder's playable files in the order the file system gives them.
void m_ListFolder(SSYNC* s)
{
    s->NewCount = 0;
    wchar_t folder[kPathCap], pattern[kPathCap];
    if (!m_GetParentFolder(folder, kPathCap, s->ListPath, 0) ||
        !m_JoinFolderName(pattern, folder, L"*.*"))
        return;
    WIN32_FIND_DATAW fd;
    HANDLE find = FindFirstFileW(pattern, &fd);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        CSyncEntries::SNEWPATH* e = &s->Entries.NewPath[s->NewCount];
        if (!m_JoinFolderName(e->Path, folder, fd.cFileName) || m_IsPlayableFile(e->Path) != 1)
            continue;
        e->Source = -1;
        ++s->NewCount;
    } while (s->NewCount < kSyncCap && FindNextFileW(find, &fd));
    FindClose(find);
}

// Each new entry takes the first untaken old entry of its path; the record's
// track follows its entry, or stands after the nearest surviving entry above
// it from the start of that entry.
void m_MatchEntries(SSYNC* s)
{
    for (int i = 0; i < s->NewCount; ++i) {
        CSyncEntries::SNEWPATH* e = &s->Entries.NewPath[i];
        for (int j = 0; j < s->OldRead; ++j) {
            SOLDEXTRA* x = &s->Entries.OldExtra[j];
            if (x->NewIndex < 0 && m_SamePath(s->Entries.Old[j].Path, e->Path)) {
                x->NewIndex = i;
                e->Source = j;
                break;
            }
        }
    }
    if (!s->HasRecord) return;
    SRESUMEINFO* r = &s->Record;
    if (s->NewCount == 0) {
        r->Track = r->Position = 0;
        return;
    }
    const int track = r->Track > 0 ? r->Track : 0;
    if (track < s->OldRead && s->Entries.OldExtra[track].NewIndex >= 0) {
        r->Track = s->Entries.OldExtra[track].NewIndex;
        return;
    }
    int above = -1;
    for (int j = (track < s->OldRead ? track : s->OldRead) - 1; j >= 0 && above < 0; --j)
        above = s->Entries.OldExtra[j].NewIndex;
    r->Track = above + 1;
    r->Position = 0;
}

void m_CheckRow(int row, wchar_t out[kCheckRowCap], void* context)
{
    SSYNC* s = (SSYNC*)context;
    if (row == 0) {
        for (int i = 0; i < s->NewCount; ++i) {
            int source = s->Entries.NewPath[i].Source;
            s->TrackFlags[i] = source >= 0 ? s->Entries.Old[source].Unchecked : 0;
        }
        m_Resume_MaskRow(s->TrackFlags, s->NewCount, out);
        return;
    }
    int source = s->Entries.NewPath[row - 1].Source;
    out[0] = 0;
    if (source >= 0)
        m_Resume_MaskRow(s->Entries.Old[source].ChapterUnchecked, kFileInfoItemCap, out);
}

// The check-state text again, from the flags in their new places.
void m_RebuildChecks(SSYNC* s)
{
    SRESUMEINFO* r = &s->Record;
    if (!s->HasRecord || !r->CheckOn) return;
    m_Resume_JoinCheckRows(s->NewCount + 1, m_CheckRow, s, !s->CheckMode, r->CheckText);
    const wchar_t* rows = r->CheckText[0] == L'+' ? r->CheckText + 1 : r->CheckText;
    if (!rows[0]) {
        r->CheckText[0] = 0;
        r->CheckOn = 0;
    }
}

void m_AddSectionName(CListTextOut* out, const wchar_t* name)
{
    out->m_Add(L"[");
    out->m_Add(name);
    out->m_Add(L"]\r\n");
}

void m_CopySection(CListTextOut* out, const CListProfile& p, const SPROFILESECTION* section)
{
    m_AddSectionName(out, section->Name);
    for (int k = 0; k < section->KeyCount; ++k) {
        const SPROFILEKEY* key = p.m_Key(section->FirstKey + k);
        out->m_Key(key->Name, key->Value);
    }
}

// Keys set in a section: each replaces the first key of its name where it
// stands (an empty value deletes it), the rest are added at the end.
struct SKEYEDIT {
    const wchar_t* Name;
    const wchar_t* Value;
    bool Done;
};

void m_EditSection(CListTextOut* out, const CListProfile& p, const SPROFILESECTION* section,
                   const wchar_t* name, SKEYEDIT* edits, int count)
{
    m_AddSectionName(out, section ? section->Name : name);
    for (int k = 0; section && k < section->KeyCount; ++k) {
        const SPROFILEKEY* key = p.m_Key(section->FirstKey + k);
        SKEYEDIT* edit = nullptr;
        for (int e = 0; e < count && !edit; ++e) {
            if (!edits[e].Done && _wcsicmp(edits[e].Name, key->Name) == 0) edit = &edits[e];
        }
        if (!edit) {
            out->m_Key(key->Name, key->Value);
            continue;
        }
        edit->Done = true;
        if (edit->Value[0]) out->m_Key(edit->Name, edit->Value);
    }
    for (int e = 0; e < count; ++e) {
        if (!edits[e].Done && edits[e].Value[0]) out->m_Key(edits[e].Name, edits[e].Value);
    }
}

void m_WriteHeader(CListTextOut* out, SSYNC* s, const SPROFILESECTION* section)
{
    wchar_t count[16];
    _snwprintf(count, 16, L"%d", s->NewCount);
    count[15] = 0;
    wchar_t resume[kResumeValueCap] = {};
    if (s->HasRecord) {
        m_Resume_FormatValue(&s->Record, resume);
        if (!resume[0]) lstrcpyW(resume, L"0");
    }
    SKEYEDIT edits[] = {{L"COUNT", count, false}, {L"RESUME", resume, false}};
    // Without a record of its own the list's RESUME stays as it was.
    m_EditSection(out, s->Profile, section, kHeader, edits, s->HasRecord ? 2 : 1);
}

// A position whose path is the old one's there keeps its section as it is.
void m_WriteTrack(CListTextOut* out, SSYNC* s, int index, const SPROFILESECTION* section)
{
    const CSyncEntries::SNEWPATH* e = &s->Entries.NewPath[index];
    if (section && index < s->OldRead && m_SamePath(s->Entries.Old[index].Path, e->Path)) {
        m_CopySection(out, s->Profile, section);
        return;
    }
    wchar_t rel[kPathCap * 2];
    const wchar_t* path =
        PathRelativePathToW(rel, s->ListPath, FILE_ATTRIBUTE_NORMAL, e->Path, FILE_ATTRIBUTE_NORMAL)
            ? rel
            : e->Path;
    const STRACKINFO* old = e->Source >= 0 ? &s->Entries.Old[e->Source] : nullptr;
    wchar_t time[16] = {};
    if (old && old->Seconds) {
        _snwprintf(time, 16, L"%d", (int)old->Seconds);
        time[15] = 0;
    }
    SKEYEDIT edits[] = {
        {L"PATH", path, false},
        {L"NAME", old ? old->Name : L"", false},
        {L"TIME", time, false},
        {L"RESUME", old ? s->Entries.OldExtra[e->Source].Resume : L"", false},
    };
    wchar_t name[32];
    _snwprintf(name, 32, L"TRACK_%d", index + 1);
    name[31] = 0;
    m_EditSection(out, s->Profile, section, name, edits, 4);
}

void m_BuildText(CListTextOut* out, SSYNC* s)
{
    const CListProfile& p = s->Profile;
    bool headerDone = false;
    for (int i = 0; i < p.m_SectionTotal(); ++i) {
        const SPROFILESECTION* section = p.m_Section(i);
        const int n = section->TrackNumber;
        if (!headerDone && _wcsicmp(section->Name, kHeader) == 0) {
            headerDone = true;
            m_WriteHeader(out, s, section);
        } else if (n > 0 && n <= s->NewCount && !s->Written[n]) {
            s->Written[n] = true;
            m_WriteTrack(out, s, n - 1, section);
        } else if (n <= s->NewCount || n > s->OldCount) {
            m_CopySection(out, p, section);
        }
    }
    if (!headerDone) m_WriteHeader(out, s, nullptr);
    for (int n = 1; n <= s->NewCount; ++n) {
        if (!s->Written[n]) m_WriteTrack(out, s, n - 1, nullptr);
    }
}

struct SSYNCWRITE {
    const wchar_t* Path;
    const CListTextOut* Text;
};

// The retry writes the same text: the failed attempt may have cut the file
// it would otherwise be read from again.
bool m_WriteAttempt(void* context, int)
{
    const SSYNCWRITE* w = (const SSYNCWRITE*)context;
    return w->Text->m_WriteTo(w->Path);
}

}  // namespace

int m_PlaylistFile_SyncFolderList(const wchar_t* listPath, int backup)
{
    if (!listPath || !m_IsFolderListName(listPath)) return 0;
    // A foreign big file under the name is never rewritten.
    if (m_PathExistsKind(listPath) != 1 || !m_ListFile_MayReplace(listPath, 0)) return 0;
    SSYNC sync = {};
    SSYNC* s = &sync;
    s->ListPath = listPath;
    if (!s->Entries.m_Ready() || !s->Profile.m_Load(listPath)) return 0;
    const int fmt = s->Profile.m_GetInt(kHeader, L"FMT", 0);
    if (fmt == 0) return 0;
    if (fmt >= kListFmtFirst && fmt <= kListFmtLast) m_ReadOldEntries(s);
    m_ListFolder(s);
    m_MatchEntries(s);
    m_RebuildChecks(s);
    CListTextOut text((SIZE_T)s->Profile.m_TextLength() * 2 +
                      (SIZE_T)s->NewCount * kSectionTextCap + 1024);
    m_BuildText(&text, s);
    SSYNCWRITE write = {listPath, &text};
    return m_ListFile_SaveWithBackup(listPath, backup, LISTBACKUP_COPY,
                                     L"CPlaylist::m_SyncFolderListFile()", m_WriteAttempt, &write);
}
