#include "settings/SettingsApply.h"

#include <cstring>

#include "app/ControlTooltips.h"
#include "app/MainWindowLookFonts.h"
#include "app/WindowHelpers.h"
#include "commands/MenuPresets.h"
#include "commands/MenuStyleApply.h"
#include "engine/RendererKind.h"
#include "filedata/DataFiles.h"
#include "library/Favorites.h"
#include "playback/PlaybackControl.h"
#include "playback/ReopenFile.h"
#include "playback/VideoPropApply.h"
#include "settings/MainWindowStyle.h"
#include "settings/Settings.h"
#include "settings/SettingsLists.h"
#include "timer/AutoStopCheck.h"

namespace {

template <class T>
bool m_Differs(const T& a, const T& b)
{
    return memcmp(&a, &b, sizeof(T)) != 0;
}

void m_SetDataFilePath(int which)
{
    if (which == 0) m_GetResumeFilePath();
    if (which == 1) m_GetRecentFilePath();
    if (which != 2) return;
    m_GetFavoriteFilePath();
    if (!g_Favorite.m_GetWindow()) return;
    g_Favorite.m_ReadFile(0);
    g_Favorite.m_RefreshTree(1, 1);
}

// Each switch moves its file; a new folder moves every file that uses it.
void m_ApplyDataFolder(const SSETTINGS& now, const SSETTINGS& before)
{
    const bool folderChanged = wcscmp(now.Common_SpfDir, before.Common_SpfDir) != 0;
    for (int i = 0; i < 3; ++i) {
        const bool switched = now.Common_Spf[i] != before.Common_Spf[i];
        if (switched || (folderChanged && now.Common_Spf[i])) m_SetDataFilePath(i);
    }
}

void m_ApplyControlBar(const SSETTINGS& now, const SSETTINGS& before)
{
    if (now.Ctrl_BtnOdrCount != before.Ctrl_BtnOdrCount ||
        m_Differs(now.Ctrl_BtnOdr, before.Ctrl_BtnOdr)) {
        m_HideUnlistedButtons(1);
    }
    if (m_Differs(now.Ctrl_Btn, before.Ctrl_Btn) || now.Ctrl_Vol != before.Ctrl_Vol ||
        now.Ctrl_Seek != before.Ctrl_Seek || now.Ctrl_Stt != before.Ctrl_Stt ||
        now.Ctrl_Frm != before.Ctrl_Frm) {
        m_HideUnlistedButtons(0);
    }
}

void m_ApplyVideoProps()
{
    const SVIDEOPROPSET& now = g_VideoPropDefault;
    const SVIDEOPROPSET& before = g_VideoPropDefaultCopy;
    int bits = 0;
    if (m_Differs(now.ProcAmp, before.ProcAmp) || now.ProcAmpKind != before.ProcAmpKind)
        bits |= 0x0F;
    if (now.RangePercent != before.RangePercent) bits |= 0x10;
    if (now.Boost != before.Boost) bits |= 0x100;
    if (now.Balance != before.Balance) bits |= 0x200;
    if (bits) m_VideoProp_Apply(bits, 0);
}

bool m_MenuStyleChanged(const SSETTINGS& now, const SSETTINGS& before)
{
    return m_Differs(now.Menu_Styl, before.Menu_Styl) || m_Differs(now.Menu_Wt, before.Menu_Wt) ||
           m_Differs(now.Menu_Clr, before.Menu_Clr) || now.Menu_ClrSep != before.Menu_ClrSep;
}

}  // namespace

void m_ApplyChangedSettings()
{
    const SSETTINGS& now = g_Settings;
    const SSETTINGS& before = g_SettingsCopy;
    if (now.Common_Tip != before.Common_Tip) m_ShowToolTips(now.Common_Tip, 0xFFFF);
    if (now.Common_PlyTop != before.Common_PlyTop) m_SetTopMostState();
    if (now.Common_AtStop[0] != before.Common_AtStop[0]) m_SetAutoStopCheck();
    m_ApplyDataFolder(now, before);
    if (now.Fullscr_Clip != before.Fullscr_Clip) m_VideoClip_Set(now.Fullscr_Clip, 0, 0);
    if (now.Common_AudOut != before.Common_AudOut) m_AudioOut_SetMode(now.Common_AudOut, 0);
    m_ApplyControlBar(now, before);
    if (now.Ctrl_WndBtn != before.Ctrl_WndBtn || now.Ctrl_WndCor != before.Ctrl_WndCor)
        m_ApplyWindowStyle(1);
    m_ApplyVideoProps();
    if (now.Ctrl_Font != before.Ctrl_Font) m_ApplyOsdFont(0);
    if (m_MenuStyleChanged(now, before)) m_Menu_ApplyStyle(nullptr, 1, nullptr);
}

void m_ApplyRendererKind()
{
    if (g_Settings.Common_Video == g_RendererKind) return;
    g_RendererKind = g_Settings.Common_Video;
    if (g_PlayState != 0) m_ReopenMediaFile(1);
}

void m_ReloadSettings()
{
    m_LoadSettings(SETTINGS_GROUP_ALL);
    m_ApplyChangedSettings();
    g_SettingsCopy = g_Settings;
    g_VideoPropDefaultCopy = g_VideoPropDefault;
    // All four lists now equal the file, so that a later save of this
    // instance does not write them back and tell the others again.
    m_Bind_CopyList(0);
    // The key names in the control tips follow the bindings just read.
    m_SetCtrlToolTips();
    m_Filter_Snapshot(1);
    m_FolderSetting_Snapshot(1);
    m_Capture_Snapshot(1);
    for (int kind = 0; kind < 3; ++kind) m_MenuPresets_Read(kind, 1);
}
