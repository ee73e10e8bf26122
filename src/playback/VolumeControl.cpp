// Keeps the volume and schedules its save; the engine, the slider and the
// on-screen message come with the playback code.
#include "playback/VolumeControl.h"

#include "settings/SettingsMain.h"

void m_Volume_ShowText(int volume, int flag)
{
    (void)flag;
    g_MainWindowState.nVolume = volume < 0 ? 0 : (volume > 10000 ? 10000 : volume);
    m_Settings_ScheduleSave(MAIN_GROUP_VOLUME);
}
