#include "app/SettingsUpgrade.h"

#include <strsafe.h>

#include "app/SettingsUpgradeSteps.h"
#include "app/Startup.h"
#include "base/ErrorLog.h"
#include "settings/Settings.h"
#include "settings/SettingsFile.h"

namespace {

constexpr int kBackupBelow = 90688;

// The file as it was before any step: the first phase that runs takes it
// (phase 1 does not run for a file without a version). While a save is open
// the file itself is untouched, whatever the steps wrote to its copy.
void m_TakeBackup()
{
    const wchar_t* file = m_SettingsFile_Path();
    wchar_t backup[MAX_PATH + 1];
    if (FAILED(StringCchPrintfW(backup, MAX_PATH + 1, L"%s.bak", file))) return;
    if (GetFileAttributesW(file) == INVALID_FILE_ATTRIBUTES) return;
    if (!CopyFileW(file, backup, FALSE))
        m_WriteLog(L"MAIN_%d : Error / CopyFileW() = %lu / %s", __LINE__, GetLastError(), backup);
}

}  // namespace

void m_UpgradeIniFile(int beforeLoad)
{
    if (g_IniVersion >= ZV_INI_VERSION) return;
    CSettingsFileWrite batch;
    if (g_IniVersion < kBackupBelow && (beforeLoad || g_IniVersion == 0)) m_TakeBackup();
    if (beforeLoad) {
        m_UpgradeFileKeys(g_IniVersion);
        return;
    }
    if (m_UpgradeLoadedValues(g_IniVersion)) m_SaveSettings(0, SETTINGS_GROUP_ALL);
    m_WriteSettingF(L"Main", L"Ver", L"%d", ZV_INI_VERSION);
}
