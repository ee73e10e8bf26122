#include "app/InstanceNoticeReceiver.h"

#include "app/StatusText.h"
#include "settings/InstanceNotice.h"
#include "settings/Settings.h"
#include "settings/SettingsApply.h"

void m_OnInstanceNotice(WPARAM code)
{
    switch (code) {
        case NOTICE_SETTINGS:
            m_ReloadSettings();
            m_OSD_ShowText(L"UPDATE OPTION", -1, -1, -1, -1, -1, -1);
            break;
        case NOTICE_TIMER:
            m_LoadSettings(SETTINGS_GROUP_TIMER);
            break;
        default:
            break;
    }
}
