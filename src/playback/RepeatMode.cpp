#include "playback/RepeatMode.h"

#include "app/MainWindow.h"
#include "app/StatusText.h"
#include "base/BmpFont.h"
#include "settings/Settings.h"
#include "settings/SettingsMain.h"

int g_RepeatMode = REPEAT_OFF;

namespace {

const wchar_t* const kTexts[] = {L"REPEAT : OFF", L"REPEAT : ON", L"REPEAT : FILE",
                                 L"REPEAT : CHAPTER", L"REPEAT : SHUFFLE"};

void m_ShowMode(int mode)
{
    static int s_Width = -1;
    // Every repeat text is centred as "REPEAT : FILE", so the texts stay put.
    if (s_Width < 0) s_Width = m_GetBmpFontTextWidth(0, kTexts[REPEAT_FILE]);
    const int colour = mode == REPEAT_OFF && g_Settings.Ctrl_SttDisClr ? 0 : 1;
    m_OSD_ShowText(kTexts[mode], colour, -1, 0, -1, s_Width, -1);
}

}  // namespace

int m_Repeat_Normalise(int mode)
{
    if (mode > REPEAT_SHUFFLE) return REPEAT_OFF;
    if (mode < REPEAT_OFF) return REPEAT_SHUFFLE;
    return mode;
}

const wchar_t* m_Repeat_Text(int mode) { return kTexts[m_Repeat_Normalise(mode)]; }

void m_Repeat_SetMode(int mode, int showMessage)
{
    mode = m_Repeat_Normalise(mode);
    g_RepeatMode = mode;
    if (showMessage) m_ShowMode(mode);
    g_ControlButtons[CB_REPEAT].m_SetFrame(mode, 1, 0);
    g_MainWindowState.nRepeat = mode;
    m_Settings_ScheduleSave(MAIN_GROUP_REPEAT);
}
