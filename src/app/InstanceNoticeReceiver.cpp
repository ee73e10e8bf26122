#include "app/InstanceNoticeReceiver.h"

#include "app/StatusText.h"
#include "app/Startup.h"
#include "library/LibraryNotices.h"
#include "playback/PlaybackEvents.h"
#include "settings/InstanceNotice.h"
#include "settings/Settings.h"
#include "settings/SettingsApply.h"
#include "timer/TimerTicks.h"

namespace {

constexpr DWORD kOpenedNoticeWindowMs = 2000;

void m_OnOtherOpened()
{
    const DWORD now = GetTickCount();
    switch (m_OpenedNoticeAction(g_StartTick, now, m_IsPlaying())) {
        case 1:
            m_Pause();
            m_OSD_ShowText(L"AUTO STOP", 0, 5000, -1, -1, -1, -1);
            break;
        case 2:
            m_Playback_SetAutoStop(now);
            break;
    }
}

}  // namespace

int m_OpenedNoticeAction(DWORD startTick, DWORD nowTick, int playing)
{
    if (nowTick - startTick >= kOpenedNoticeWindowMs) return 0;
    return playing ? 1 : 2;
}

void m_OnInstanceNotice(WPARAM code)
{
    switch (code) {
        case NOTICE_SETTINGS:
            m_ReloadSettings();
            m_OSD_ShowText(L"UPDATE OPTION", -1, -1, -1, -1, -1, -1);
            break;
        case NOTICE_TIMER:
            m_LoadSettings(SETTINGS_GROUP_TIMER);
            m_TimerDlg_Refresh();
            break;
        case NOTICE_RECENT:
            m_Library_OnRecentChanged();
            m_OSD_ShowText(L"UPDATE RECENT", -1, -1, -1, -1, -1, -1);
            break;
        case NOTICE_FAVORITES:
            m_Library_OnFavoritesChanged();
            m_OSD_ShowText(L"UPDATE FAVO", -1, -1, -1, -1, -1, -1);
            break;
        case NOTICE_OPENED:
            m_OnOtherOpened();
            break;
        default:
            break;
    }
}
