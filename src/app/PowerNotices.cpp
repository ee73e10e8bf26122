#include "app/PowerNotices.h"

#include "app/MainTimers.h"
#include "app/MainWindow.h"
#include "app/PointerInput.h"
#include "filedata/ChapterTracking.h"
#include "playback/PlaybackControl.h"
#include "playback/PlaybackEvents.h"
#include "settings/Settings.h"

namespace {

// {2B84C20E-AD23-4DDF-93DB-05FFBD7EFCA5}
const GUID kDisplayStatus = {
    0x2B84C20E, 0xAD23, 0x4DDF, {0x93, 0xDB, 0x05, 0xFF, 0xBD, 0x7E, 0xFC, 0xA5}};

int g_DisplayOn = 1;
DWORD g_DisplayOffTick;

void m_OnDisplayState(int on)
{
    g_DisplayOn = on;
    if (!on) {
        g_DisplayOffTick = GetTickCount();
        return;
    }
    if (g_DisplayOffTick && m_PowerSaving_IsTempOn() &&
        m_DisplayOffLongEnough(g_DisplayOffTick, GetTickCount(), g_Settings.Main_Test)) {
        KillTimer(g_hWndMain, kTimerPowerTempEnd);
        m_PowerSaving_EndTemp();
    }
    g_DisplayOffTick = 0;
    InvalidateRect(g_hWndMain, nullptr, FALSE);
    m_ResetCursorHide();
}

}  // namespace

int m_DisplayOffLongEnough(DWORD offTick, DWORD nowTick, int testMode)
{
    const DWORD limit = testMode ? 5000 : 60000;
    return nowTick - offTick > limit;
}

void m_OnPowerBroadcast(WPARAM event, LPARAM data)
{
    if (event == PBT_APMSUSPEND || event == PBT_APMSTANDBY) {
        m_Playback_OnSuspend();
        if (g_PlayState != 0) m_Resume_Save();
        return;
    }
    if (event != PBT_POWERSETTINGCHANGE || !data) return;
    const POWERBROADCAST_SETTING* setting = reinterpret_cast<const POWERBROADCAST_SETTING*>(data);
    if (setting->PowerSetting != kDisplayStatus) return;
    if (setting->DataLength < sizeof(DWORD)) return;
    DWORD value;
    CopyMemory(&value, setting->Data, sizeof(value));
    m_OnDisplayState(value != 0);
}
