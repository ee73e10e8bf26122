// [Rec]: the per-folder settings, one entry "%X[,folder]" per folder.
#include <stdio.h>
#include <stdlib.h>
#include <wchar.h>

#include "settings/SettingsListStore.h"
#include "settings/SettingsLists.h"

SFOLDERSETTING* g_FolderSettings = nullptr;
int g_FolderSettingCount = 0;

namespace {

const wchar_t kSection[] = L"Rec";
constexpr int kEntryCap = 264;
constexpr int kFolderCap = 261;

SFOLDERSETTING* s_Snapshot = nullptr;
int s_SnapshotCount = 0;

void ParseEntry(const wchar_t* text, SFOLDERSETTING* item)
{
    const unsigned long bits = wcstoul(text, nullptr, 16);
    for (int i = 0; i < 5; ++i) item->Flags[i] = (bits >> i) & 1;
    const wchar_t* comma = wcschr(text, L',');
    if (comma) lstrcpynW(item->Folder, comma + 1, kFolderCap);
}

void FormatEntry(const SFOLDERSETTING* item, wchar_t* out)
{
    unsigned int bits = 0;
    for (int i = 0; i < 5; ++i)
        if (item->Flags[i]) bits |= 1u << i;
    wchar_t folder[kFolderCap];
    lstrcpynW(folder, item->Folder, kFolderCap);
    if (folder[0])
        _snwprintf(out, kEntryCap - 1, L"%X,%s", bits, folder);
    else
        _snwprintf(out, kEntryCap - 1, L"%X", bits);
    out[kEntryCap - 1] = 0;
}

}  // namespace

void m_FolderSetting_Read()
{
    const int count = m_ListIni_ReadCount(kSection, kFolderSettingCap);
    delete[] g_FolderSettings;
    g_FolderSettings = m_List_New<SFOLDERSETTING>(count);
    g_FolderSettingCount = g_FolderSettings ? count : 0;
    wchar_t entry[kEntryCap];
    for (int i = 0; i < g_FolderSettingCount; ++i) {
        m_ListIni_Read(kSection, i, L"", entry, kEntryCap);
        ParseEntry(entry, &g_FolderSettings[i]);
    }
}

int m_FolderSetting_Write(int force)
{
    if (!force && !m_FolderSetting_Changed()) return 0;
    m_ListIni_WriteCount(kSection, g_FolderSettingCount);
    wchar_t entry[kEntryCap];
    for (int i = 0; i < g_FolderSettingCount; ++i) {
        FormatEntry(&g_FolderSettings[i], entry);
        m_ListIni_Write(kSection, i, L"", entry);
    }
    m_ListIni_DeleteKeys(kSection, L"", g_FolderSettingCount, s_SnapshotCount);
    return 1;
}

void m_FolderSetting_Snapshot(int take)
{
    if (take)
        m_List_Assign(s_Snapshot, s_SnapshotCount, g_FolderSettings, g_FolderSettingCount);
    else
        m_List_Assign(g_FolderSettings, g_FolderSettingCount, s_Snapshot, s_SnapshotCount);
}

int m_FolderSetting_Changed()
{
    return !m_List_Equal(g_FolderSettings, g_FolderSettingCount, s_Snapshot, s_SnapshotCount);
}
