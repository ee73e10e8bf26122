#include "app/Shutdown.h"

#include "app/MainWindow.h"
#include "app/Startup.h"
#include "playback/PlaybackControl.h"
#include "settings/Settings.h"
#include "settings/SettingsMain.h"

void m_Shutdown()
{
    m_CloseFile(0, 0, 1, 1);
    m_Settings_WriteMain(0, 0xFFFF);
    m_SaveSettings(0);
    if (g_hPowerNotify) UnregisterPowerSettingNotification(g_hPowerNotify);
    g_hPowerNotify = nullptr;
    DestroyWindow(g_hWndMain);
}
