#include "library/FolderSetting.h"

#include <string.h>
#include <wchar.h>

#include "base/StringEdit.h"
#include "base/TextSearch.h"

namespace {

constexpr int kFormCap = 264;

// Lower case with a trailing backslash; false when it does not fit.
bool Form(wchar_t* out, const wchar_t* path)
{
    const size_t len = wcslen(path);
    if (len + 2 > (size_t)kFormCap) return false;
    wmemcpy(out, path, len + 1);
    if (len == 0 || out[len - 1] != L'\\') {
        out[len] = L'\\';
        out[len + 1] = 0;
    }
    m_ToLowerInPlaceInvariant(out);
    return true;
}

}  // namespace

int m_FolderSetting_Find(const wchar_t* path, SFOLDERSETTING* out)
{
    if (out) memset(out, 0, sizeof(*out));
    wchar_t form[kFormCap], folder[kFormCap];
    if (!path || !Form(form, path)) return 0;
    for (int i = 0; i < g_FolderSettingCount && g_FolderSettings; ++i) {
        const SFOLDERSETTING& entry = g_FolderSettings[i];
        const bool all = !entry.Folder[0];
        if (!all && (!Form(folder, entry.Folder) || wcsncmp(form, folder, wcslen(folder)) != 0))
            continue;
        if (out) *out = entry;
        return 1;
    }
    return 0;
}

int m_FolderSetting_Check(const wchar_t* path, int /*resolveBookmarks*/)
{
    if (!path || !path[0]) return 1;
    // No bookmark reader is in this build yet: a bookmark cannot be
    // resolved, which the rule counts as unreadable.
    if (m_HasSuffix(path, L".zvbm", false)) return 0;
    SFOLDERSETTING entry;
    if (!m_FolderSetting_Find(path, &entry)) return 1;
    return entry.Flags[0] == 0 ? 1 : 0;
}
