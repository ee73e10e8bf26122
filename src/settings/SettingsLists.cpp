#include "settings/SettingsLists.h"

namespace {

template <class T>
void FreeLive(T*& list, int& count)
{
    delete[] list;
    list = nullptr;
    count = 0;
}

}  // namespace

// Emptying a live list and then taking its snapshot frees both.
void m_SettingsLists_Free()
{
    FreeLive(g_FilterList, g_FilterCount);
    m_Filter_Snapshot(1);
    FreeLive(g_FolderSettings, g_FolderSettingCount);
    m_FolderSetting_Snapshot(1);
    FreeLive(g_CaptureSettings, g_CaptureCount);
    m_Capture_Snapshot(1);
    FreeLive(m_pBind, m_nBindCount);
    m_Bind_CopyList(0);
}
