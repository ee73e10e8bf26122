// The options dialog's notices to the main window beside the changed
// control's (9001): OK, cancel and apply, and what single pages ask.
#include "commands/MainNotices.h"

#include "app/ControlTooltips.h"
#include "app/Layout.h"
#include "app/StatusText.h"
#include "app/WindowHelpers.h"
#include "app/WindowSize.h"
#include "commands/MenuStyleApply.h"
#include "engine/VideoRenderer.h"
#include "library/LauncherTiles.h"
#include "options/OptionCommands.h"
#include "options/OptionNoticeCalls.h"
#include "playback/AudioDeviceList.h"
#include "playback/AudioDeviceSelect.h"
#include "playback/CustomButtonTips.h"
#include "playback/VideoPropApply.h"
#include "settings/Settings.h"
#include "settings/SettingsApply.h"
#include "settings/SettingsLists.h"

namespace {

// The property group bits a page may name.
constexpr int kPropGroupBits = 1 | 2 | 4 | 8 | 16 | 32 | 64 | 256 | 512;

// The dialog goes; a changed renderer choice reopens an open file.
void m_LeaveOptions()
{
    m_Options_Show(0, -1, -1);
    m_ApplyRendererKind();
}

// The device rows of the page count from 1; others do nothing.
void m_ToggleDeviceSkip(LPARAM row)
{
    if (row < 1 || row > g_AudioDevices.Count) return;
    const int index = (int)row - 1;
    m_AudDev_SetSkip(index, !g_AudioDevices.Items[index].Skip);
}

void m_OnSizePage(int controlId)
{
    int kind = 0, mask = 0;
    if (!m_OptionSizeKind(controlId, &kind, &mask)) return;
    m_UpdateVideoSizeFromEngine(1);
    if (!g_Settings.Common_RatHld) {
        m_SetWindowSize(-1, 0, 0, g_WindowZoom);
        return;
    }
    // The size keeps the side the kind names.
    RECT area = {};
    m_GetVideoArea(&area);
    m_SetWindowSize(kind, kind == 2 ? area.right - area.left : area.bottom - area.top, 0,
                    g_WindowZoom);
}

void m_OnMenuStyle(LPARAM value)
{
    CMenuManager* preview = m_Option_GetPreviewMenuManager();
    if (preview) m_Menu_ApplyStyle(preview, (int)value, nullptr);
    m_Menu_ApplyStyle(nullptr, 0, nullptr);
}

}  // namespace

int m_OptionSizeKind(int controlId, int* kind, int* mask)
{
    static const int kSizes[][3] = {{1282, 2, 2}, {1283, 3, 4}, {1284, 3, 1}, {1285, 2, 8}};
    for (const auto& s : kSizes) {
        if (s[0] != controlId) continue;
        *kind = s[1];
        *mask = s[2];
        return 1;
    }
    return 0;
}

int m_OnOptionNotice(WPARAM code, LPARAM value)
{
    switch (code) {
        case NOTICE_OPTION_OK:
            m_LeaveOptions();
            m_SaveSettings(0, SETTINGS_GROUP_ALL);
            return 1;
        case NOTICE_OPTION_CANCEL:
            m_Options_Show(0, -1, -1);
            return 1;
        case NOTICE_OPTION_APPLY:
            m_LeaveOptions();
            return 1;
        case NOTICE_OPTION_BUTTONS:
            m_HideUnlistedButtons(value ? 1 : 0);
            return 1;
        case NOTICE_OPTION_AUDIO_LIST:
            g_AudioDevices.Changed = 1;
            m_AudDev_Enumerate();
            return 1;
        case NOTICE_OPTION_KEY_TIPS:
            m_SetCtrlToolTips();
            m_CustomButton_UpdateTooltips();
            return 1;
        case NOTICE_OPTION_AUDIO_RESET:
            m_OSD_ShowText(L"RESET````AUDIO````DEVICE", -1, -1, -1, -1, -1, -1);
            m_AudioDevice_Select(g_Settings.Common_Audio, 0, 1);
            return 1;
        case NOTICE_OPTION_AUDIO_SKIP:
            m_ToggleDeviceSkip(value);
            return 1;
        case NOTICE_OPTION_PROPS:
        case NOTICE_OPTION_PROPS_SHOW:
            if (value & kPropGroupBits)
                m_VideoProp_Apply((int)value & kPropGroupBits, code == NOTICE_OPTION_PROPS_SHOW);
            return 1;
        case NOTICE_OPTION_INFO:
            m_SetInfoText();
            return 1;
        case NOTICE_OPTION_SIZE:
            m_OnSizePage((int)value);
            return 1;
        case NOTICE_OPTION_HISTORY:
            m_Recent_CheckUnknownFolders();
            return 1;
        case NOTICE_OPTION_FILTERS:
            if (g_VideoRenderer) g_VideoRenderer->m_VR_SetFilterList(g_FilterList, g_FilterCount);
            return 1;
        case NOTICE_OPTION_MENU_STYLE:
            m_OnMenuStyle(value);
            return 1;
        case NOTICE_OPTION_KEEP_VIDEO:
            m_ResizeVideoArea();
            return 1;
    }
    return 0;
}
