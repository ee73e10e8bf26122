// Writing a .zvpl list in one pass of its own over the file (the profile API
// rewrites the file for every key, which takes a minute for 1000 tracks
// under Wine), and the size guard shared with the M3U writer.
#include <shlwapi.h>
#include <stdio.h>
#include <string.h>

#include "base/ErrorLog.h"
#include "base/KeptBlock.h"
#include "base/PathUtil.h"
#include "filedata/ResumeValue.h"
#include "playlist/ListFileSave.h"
#include "playlist/ListText.h"
#include "playlist/ListTextOut.h"
#include "playlist/ZvplFile.h"

namespace {

const wchar_t kHeader[] = L"ZENTAVIO_PLAYLIST";

bool m_HasExt(const wchar_t* path, const wchar_t* ext)
{
    const wchar_t* dot = PathFindExtensionW(path);
    return dot && _wcsicmp(dot, ext) == 0;
}

// A save at every close rereads the old list: its path table (some 500 KB
// for 1000 tracks, slow to touch fresh under Wine) keeps its memory.
CKeptBlock s_OldBlock;

// The old file's per-track RESUME values by full path, for resume mode 0;
// the paths are made full once, not per lookup.
class COldResumes {
public:
    explicit COldResumes(const wchar_t* path) : m_ListPath(path) {}
    ~COldResumes() { s_OldBlock.m_Give(m_Paths, m_PathsCap); }
    COldResumes(const COldResumes&) = delete;
    COldResumes& operator=(const COldResumes&) = delete;

    int m_Load()
    {
        if (!m_Profile.m_Load(m_ListPath)) return 0;
        int total = m_Profile.m_GetInt(kHeader, L"COUNT", 0);
        int last = total < m_Profile.m_MaxTrackNumber() ? total : m_Profile.m_MaxTrackNumber();
        if (last > kOldCap) last = kOldCap;
        // Only the entries counted are ever read: the block needs no zeroing.
        m_Paths = (SOLDENTRY*)s_OldBlock.m_Take((SIZE_T)(last > 0 ? last : 1) * sizeof(SOLDENTRY),
                                                &m_PathsCap);
        if (!m_Paths) return 0;
        for (int n = 1; n <= last; ++n) {
            const wchar_t* value = m_Profile.m_FindTrack(n, L"PATH");
            const wchar_t* resume = m_Profile.m_FindTrack(n, L"RESUME");
            if (!value || !value[0] || !resume || !resume[0] || wcscmp(resume, L"-") == 0) continue;
            SOLDENTRY* e = &m_Paths[m_Count];
            bool made = value[0] == L'.' ? m_GetFullPath(e->Path, kPathCap, m_ListPath, value) != 0
                                         : (lstrcpynW(e->Path, value, kPathCap), true);
            if (!made) continue;
            e->Resume = resume;
            ++m_Count;
        }
        return 1;
    }
    // Null when the path has no RESUME other than "-".
    const wchar_t* m_Find(const wchar_t* trackPath) const
    {
        for (int i = 0; i < m_Count; ++i) {
            if (CompareStringOrdinal(m_Paths[i].Path, -1, trackPath, -1, TRUE) == CSTR_EQUAL)
                return m_Paths[i].Resume;
        }
        return nullptr;
    }

private:
    static constexpr int kOldCap = 1000;
    struct SOLDENTRY {
        wchar_t Path[kPathCap];
        const wchar_t* Resume;
    };
    const wchar_t* m_ListPath;
    CListProfile m_Profile;
    SOLDENTRY* m_Paths = nullptr;
    SIZE_T m_PathsCap = 0;
    int m_Count = 0;
};

// Milliseconds as "%0.3f" of seconds would print them, in integers: the
// floating-point print costs more than the rest of a track's lines. Past
// 2^40 ms the quotient's last digit may differ, so the print takes those.
void m_FormatSeconds(INT64 ms, wchar_t out[64])
{
    if (ms >= 0 && ms < (1LL << 40))
        _snwprintf(out, 64, L"%lld.%03d", ms / 1000, (int)(ms % 1000));
    else
        _snwprintf(out, 64, L"%0.3f", (double)ms / 1000.0);
    out[63] = 0;
}

void m_AddTrack(CListTextOut* out, const wchar_t* listPath, const STRACKINFO* t, int number,
                int relative, int resumeMode, const COldResumes* old)
{
    wchar_t line[64];
    _snwprintf(line, 64, L"[TRACK_%d]\r\n", number);
    line[63] = 0;
    out->m_Add(line);
    wchar_t rel[kPathCap * 2];
    bool madeRelative = relative && PathRelativePathToW(rel, listPath, FILE_ATTRIBUTE_NORMAL,
                                                        t->Path, FILE_ATTRIBUTE_NORMAL);
    out->m_Key(L"PATH", madeRelative ? rel : t->Path);
    if (t->Name[0]) out->m_Key(L"NAME", t->Name);
    if (t->Milliseconds > 0) {
        m_FormatSeconds(t->Milliseconds, line);
        out->m_Key(L"TIME", line);
    }
    if (resumeMode == 0) {
        const wchar_t* value = old ? old->m_Find(t->Path) : nullptr;
        if (value) out->m_Key(L"RESUME", value);
    } else if (t->HasResume) {
        SRESUMEINFO record = t->Resume;
        if (!t->SettingsPresent) {
            record.ProcAmpOn = record.AspectOn = record.CropOn = 0;
            record.BoostOn = record.BalanceOn = 0;
            record.RangeMode = 0;
        }
        wchar_t value[kResumeValueCap];
        m_Resume_FormatValue(&record, value);
        if (value[0]) out->m_Key(L"RESUME", value);
    }
}

constexpr SIZE_T kStreamBlock = 16384;

bool m_WriteOnce(const wchar_t* path, const STRACKINFO* tracks, int count, int relative,
                 int resumeMode, const COldResumes* old, const SZVPLHEADER* header)
{
    // Streamed through a fixed block: the whole text is never held at once.
    CListTextOut out(kStreamBlock);
    if (!out.m_Open(path)) return false;
    wchar_t line[64];
    out.m_Add(L"[ZENTAVIO_PLAYLIST]\r\n");
    out.m_Key(L"FMT", L"100");
    _snwprintf(line, 64, L"%d", count);
    line[63] = 0;
    out.m_Key(L"COUNT", line);
    if (header && header->ListResume && header->ListResume[0])
        out.m_Key(L"RESUME", header->ListResume);
    if (header && header->FileMg) out.m_Key(L"FILEMG", L"1");
    for (int i = 0; i < count; ++i)
        m_AddTrack(&out, path, &tracks[i], i + 1, relative, resumeMode, old);
    return out.m_Finish();
}

struct SZVPLWRITE {
    const wchar_t* Path;
    const STRACKINFO* Tracks;
    int Count;
    int Relative;
    int ResumeMode;
    const COldResumes* Old;
    const SZVPLHEADER* Header;
};

// The retry writes each track's own record: the old file may be gone.
bool m_WriteAttempt(void* context, int retry)
{
    const SZVPLWRITE* w = (const SZVPLWRITE*)context;
    return m_WriteOnce(w->Path, w->Tracks, w->Count, w->Relative, retry ? 1 : w->ResumeMode,
                       retry ? nullptr : w->Old, w->Header);
}

// "[ZENTAVIO_PLAYLIST]" with FMT 100..109 and COUNT up to 1000.
bool m_IsOwnZvpl(const wchar_t* path)
{
    CListProfile p;
    if (!p.m_Load(path)) return false;
    int fmt = p.m_GetInt(kHeader, L"FMT", 0);
    int count = p.m_GetInt(kHeader, L"COUNT", -1);
    return fmt >= kListFmtFirst && fmt <= kListFmtLast && count >= 0 && count <= 1000;
}

// "#EXTM3U" first and at most 1000 "#EXTINF:" lines.
bool m_IsOwnM3u(const wchar_t* path)
{
    CListText text;
    if (!text.m_Load(path, LISTTEXT_M3U)) return false;
    const wchar_t* p = text.m_Text();
    if (wcsncmp(p, L"#EXTM3U", 7) != 0) return false;
    int entries = 0;
    for (const wchar_t* hit = wcsstr(p, L"#EXTINF:"); hit; hit = wcsstr(hit + 8, L"#EXTINF:")) {
        if ((hit == p || hit[-1] == L'\n' || hit[-1] == L'\r') && ++entries > 1000) return false;
    }
    return true;
}

// The size guard, telling on the way whether the file is there (one
// attribute lookup serves both).
int m_MayReplace(const wchar_t* path, int m3u, bool* exists)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    *exists = GetFileAttributesExW(path, GetFileExInfoStandard, &data) != 0;
    if (!*exists) {
        DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? 1 : 0;
    }
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return 0;
    if (data.nFileSizeHigh == 0 && data.nFileSizeLow <= kListFileSizeCap) return 1;
    // Own lists of 1000 long entries grow past the cap and still save.
    return (m3u ? m_IsOwnM3u(path) : m_IsOwnZvpl(path)) ? 1 : 0;
}

}  // namespace

int m_ListFile_MayReplace(const wchar_t* path, int m3u)
{
    bool exists = false;
    return m_MayReplace(path, m3u, &exists);
}

int m_Zvpl_WriteFile(const wchar_t* path, const STRACKINFO* tracks, int count, int backup,
                     int relative, int resumeMode)
{
    return m_Zvpl_WriteFileHeader(path, tracks, count, backup, relative, resumeMode, nullptr);
}

int m_Zvpl_WriteFileHeader(const wchar_t* path, const STRACKINFO* tracks, int count, int backup,
                           int relative, int resumeMode, const SZVPLHEADER* header)
{
    if (!path || !m_HasExt(path, L".zvpl") || count < 0) return 0;
    bool exists = false;
    if (!m_MayReplace(path, 0, &exists)) return 0;
    COldResumes old(path);
    bool haveOld = exists && resumeMode == 0 && old.m_Load();
    SZVPLWRITE write = {path,  tracks, count, relative, resumeMode, haveOld ? &old : nullptr,
                        header};
    return m_ListFile_SaveWithBackup(path, backup, LISTBACKUP_MOVE, L"CPlaylist::m_WriteZvplFile()",
                                     m_WriteAttempt, &write);
}
