#include <cstring>

#include "app/ControlTooltips.h"
#include "app/WindowHelpers.h"
#include "commands/MenuPresets.h"
#include "engine/RendererKind.h"
#include "filedata/DataFiles.h"
#include "playback/AudioDeviceName.h"
#include "playback/PlaybackControl.h"
#include "playback/ReopenFile.h"
#include "playback/VideoPropApply.h"
#include "settings/Settings.h"
#include "settings/SettingsApply.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsLists.h"
#include "settings/SettingsMain.h"
#include "settings/SettingsValue.h"

namespace {

// The saved renderer kind and device come back as the ones in use.
bool m_RevertEngineChoices()
{
    const SSETTINGS& saved = g_SettingsCopy;
    bool reopen = false;
    if (saved.Common_Video != g_RendererKind) {
        g_RendererKind = saved.Common_Video;
        reopen = true;
    }
    if (wcscmp(saved.Common_Audio, g_AudioDeviceName) != 0 &&
        wcscmp(saved.Common_Audio, g_Settings.Common_Audio) != 0) {
        m_CopyText(g_AudioDeviceName, kAudioDeviceNameCap, saved.Common_Audio);
    }
    return reopen;
}

void m_ReapplyReverted(const SSETTINGS& edited)
{
    const SSETTINGS& now = g_Settings;
    if (edited.Common_Tip != now.Common_Tip) m_ShowToolTips(now.Common_Tip, 0xFFFF);
    if (edited.Common_PlyTop != now.Common_PlyTop) m_SetTopMost(g_MainWindowState.nTopMost);
    const bool folderChanged = wcscmp(edited.Common_SpfDir, now.Common_SpfDir) != 0;
    if (folderChanged || edited.Common_Spf[0] != now.Common_Spf[0]) m_GetResumeFilePath();
    if (folderChanged || edited.Common_Spf[1] != now.Common_Spf[1]) m_GetRecentFilePath();
    if (folderChanged || edited.Common_Spf[2] != now.Common_Spf[2]) m_GetFavoriteFilePath();
    // Start-up reads this switch from the file, so the file holds it at once.
    if (edited.Common_Mlt != now.Common_Mlt) {
        CSettingsFileWrite batch;
        m_WriteSettingF(L"Common", L"Mlt", L"%d", now.Common_Mlt);
    }
}

void m_RevertVideoProps()
{
    if (memcmp(&g_VideoPropDefault, &g_VideoPropDefaultCopy, sizeof(SVIDEOPROPSET)) == 0) return;
    g_VideoPropDefault = g_VideoPropDefaultCopy;
    m_VideoProp_Apply(0xFFFF, 0);
}

void m_RevertLists()
{
    if (m_FolderSetting_Changed()) m_FolderSetting_Snapshot(0);
    if (m_Capture_Changed()) m_Capture_Snapshot(0);
    if (m_Filter_Changed()) m_Filter_Snapshot(0);
    m_Bind_CopyList(1);
}

}  // namespace

void m_Options_Revert()
{
    const bool reopen = m_RevertEngineChoices();
    static SSETTINGS s_Edited;  // too large for the stack of a window procedure
    s_Edited = g_Settings;
    g_Settings = g_SettingsCopy;
    m_ReapplyReverted(s_Edited);
    m_RevertVideoProps();
    m_RevertLists();
    m_CustomButton_UpdateTooltips();
    m_MenuPresets_Revert();
    m_HideUnlistedButtons(1);
    if (reopen && g_PlayState != 0) m_ReopenMediaFile(1);
}
