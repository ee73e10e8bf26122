#include "settings/FileMove.h"

#include <stdio.h>
#include <string.h>
#include <wchar.h>

#include "base/PathUtil.h"
#include "settings/FolderPath.h"
#include "settings/IniPath.h"
#include "settings/Settings.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsListStore.h"

SFILEMOVEITEM g_FileMoves[kFileMoveCap];
int g_FileMoveCount;

namespace {

const wchar_t kSection[] = L"FileMove";
constexpr int kPathChars = 261;
constexpr int kEntryCap = kPathChars * 3 + 3;
constexpr int kMaxCuts = 32;
// A Count above this in the file is not believed when deleting stale keys.
constexpr int kStaleKeyScan = 1000;

bool s_Read;

bool m_IsOn() { return g_Settings.Common_MvLog >= 1; }

// Copies text up to the next '/' (cut to a path); returns what follows it.
const wchar_t* m_TakePart(const wchar_t* text, wchar_t* out)
{
    const wchar_t* slash = wcschr(text, L'/');
    const size_t length = slash ? (size_t)(slash - text) : wcslen(text);
    const size_t kept = length < kPathChars - 1 ? length : kPathChars - 1;
    wmemcpy(out, text, kept);
    out[kept] = 0;
    return slash ? slash + 1 : nullptr;
}

void m_ParseEntry(const wchar_t* text, SFILEMOVEITEM& item)
{
    memset(&item, 0, sizeof(item));
    const wchar_t* rest = m_TakePart(text, item.OldPath);
    if (rest) rest = m_TakePart(rest, item.NewPath);
    if (rest) lstrcpynW(item.Third, rest, kPathChars);
}

void m_Remove(int index)
{
    memmove(&g_FileMoves[index], &g_FileMoves[index + 1],
            sizeof(SFILEMOVEITEM) * (g_FileMoveCount - index - 1));
    --g_FileMoveCount;
}

// Without one trailing backslash, so that a folder's last name can be cut.
void m_TrimEnd(wchar_t* path)
{
    const size_t n = wcslen(path);
    if (n > 3 && path[n - 1] == L'\\') path[n - 1] = 0;
}

int m_Limit()
{
    return g_Settings.Common_MvLog < kFileMoveCap ? g_Settings.Common_MvLog : kFileMoveCap;
}

// The last name of the path (after its last backslash).
const wchar_t* m_LastName(const wchar_t* path)
{
    const wchar_t* slash = wcsrchr(path, L'\\');
    return slash ? slash + 1 : path;
}

// Cuts the names both paths end in alike, so that the move names the
// highest folder that moved. 0 when they never part or are the same path.
int m_CutCommonEnd(wchar_t* a, wchar_t* b)
{
    for (int cuts = 0; cuts <= kMaxCuts; ++cuts) {
        wchar_t* nameA = const_cast<wchar_t*>(m_LastName(a));
        wchar_t* nameB = const_cast<wchar_t*>(m_LastName(b));
        if (!nameA[0] || !nameB[0] || nameA == a || nameB == b || !m_SamePath(nameA, nameB))
            return !m_SamePath(a, b);
        if (cuts == kMaxCuts) break;
        nameA[-1] = 0;
        nameB[-1] = 0;
    }
    return 0;
}

}  // namespace

void m_FileMove_Forget()
{
    s_Read = false;
    g_FileMoveCount = 0;
}

void m_FileMove_Read()
{
    if (s_Read || !m_IsOn()) return;
    s_Read = true;
    g_FileMoveCount = 0;
    const int count = m_ListIni_ReadCount(kSection, kFileMoveCap);
    static wchar_t entry[kEntryCap];
    for (int i = 0; i < count; ++i) {
        m_ListIni_Read(kSection, i, L"", entry, kEntryCap);
        m_ParseEntry(entry, g_FileMoves[g_FileMoveCount++]);
    }
}

void m_FileMove_Write()
{
    CSettingsFileWrite batch;
    const int held = (int)GetPrivateProfileIntW(kSection, L"Count", 0, g_IniPath);
    m_ListIni_WriteCount(kSection, g_FileMoveCount);
    static wchar_t entry[kEntryCap];
    for (int i = 0; i < g_FileMoveCount; ++i) {
        const SFILEMOVEITEM& item = g_FileMoves[i];
        _snwprintf(entry, kEntryCap - 1, item.Third[0] ? L"%s/%s/%s" : L"%s/%s", item.OldPath,
                   item.NewPath, item.Third);
        entry[kEntryCap - 1] = 0;
        m_ListIni_Write(kSection, i, L"", entry);
    }
    const int last = held > kFileMoveCap && held <= kStaleKeyScan ? held : kFileMoveCap;
    m_ListIni_DeleteKeys(kSection, L"", g_FileMoveCount, last);
}

int m_FileMove_Record(const wchar_t* oldPath, const wchar_t* newPath, int write, int parents)
{
    if (!m_IsOn() || !oldPath || !newPath) return 0;
    m_FileMove_Read();
    wchar_t from[kPathChars], to[kPathChars];
    if (parents) {
        m_GetParentFolder(from, kPathChars, oldPath, 0);
        m_GetParentFolder(to, kPathChars, newPath, 0);
    } else {
        lstrcpynW(from, oldPath, kPathChars);
        lstrcpynW(to, newPath, kPathChars);
    }
    m_TrimEnd(from);
    m_TrimEnd(to);
    if (!m_CutCommonEnd(from, to)) return 0;
    int found = -1;
    for (int i = 0; i < g_FileMoveCount && found < 0; ++i) {
        if (m_SamePath(g_FileMoves[i].OldPath, from) && m_SamePath(g_FileMoves[i].NewPath, to))
            found = i;
    }
    if (found >= 0) {
        if (!m_FileMove_MoveToEnd(found)) return 0;
    } else {
        while (g_FileMoveCount > 0 && g_FileMoveCount >= m_Limit()) m_Remove(0);
        SFILEMOVEITEM& item = g_FileMoves[g_FileMoveCount++];
        memset(&item, 0, sizeof(item));
        lstrcpynW(item.OldPath, from, kPathChars);
        lstrcpynW(item.NewPath, to, kPathChars);
    }
    if (write) m_FileMove_Write();
    return 1;
}

int m_FileMove_Find(wchar_t* out, int size, const wchar_t* missingPath, int* outIndex)
{
    if (!m_IsOn() || !missingPath) return 0;
    m_FileMove_Read();
    for (int i = g_FileMoveCount - 1; i >= 0; --i) {
        const SFILEMOVEITEM& item = g_FileMoves[i];
        const int held = m_PathUnderLength(missingPath, item.OldPath);
        if (held < 0 || !item.NewPath[0]) continue;
        wchar_t candidate[kPathChars];
        const int written =
            _snwprintf(candidate, kPathChars, L"%s%s", item.NewPath, missingPath + held);
        // A path that does not fit would be another path.
        if (written < 0 || written >= kPathChars) continue;
        if (m_PathExistsKind(candidate) == 0) continue;
        if (out && size > 0) lstrcpynW(out, candidate, size);
        if (outIndex) *outIndex = i;
        return 1;
    }
    return 0;
}

int m_FileMove_MoveToEnd(int index)
{
    if (index < 0 || index >= g_FileMoveCount - 1) return 0;
    const SFILEMOVEITEM item = g_FileMoves[index];
    m_Remove(index);
    g_FileMoves[g_FileMoveCount++] = item;
    return 1;
}
