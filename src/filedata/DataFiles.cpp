#include "filedata/DataFiles.h"

#include "base/PathUtil.h"
#include "settings/IniPath.h"
#include "settings/Settings.h"

wchar_t g_DefaultPlaylistPath[MAX_PATH + 1];

// The history playlist lies in the data folder when its option is on and
// the folder exists, else beside the program. The history file itself is
// not read or written yet.
void m_GetRecentFilePath()
{
    const wchar_t* folder = g_Settings.Common_SpfDir;
    const int useData = g_Settings.Common_Spf[1] && folder[0] && m_PathExistsKind(folder) == 2;
    if (!useData || !m_JoinFolderName(g_DefaultPlaylistPath, folder, L"Default.zvpl"))
        m_JoinFolderName(g_DefaultPlaylistPath, g_ExeFolder, L"Default.zvpl");
}

// The favorites file is not read or written yet.
void m_GetFavoriteFilePath() {}
BOOL m_RenameDlg_PreTranslateKey(HWND, UINT, WPARAM) { return FALSE; }
