// The audio input balance: the engine's software balance, kept at the DEF
// or the FILE property level.
#include <strsafe.h>

#include "app/StatusText.h"
#include "base/BmpFont.h"
#include "engine/VideoRenderer.h"
#include "options/OptionCommands.h"
#include "playback/AudioCommands.h"
#include "playback/VideoProps.h"
#include "playback/VolumeControl.h"

namespace {

int g_InputBalance;

void m_StoreAtLevel(int value, int level)
{
    if (level == VP_LEVEL_FILE) {
        g_VideoPropFile.Balance = value + 100;
        // A centred balance that the DEF level holds too needs no FILE group.
        g_VideoPropFile.BalanceOn = value != 0 || value + 100 != g_VideoPropDefault.Balance;
    } else if (level == VP_LEVEL_DEF) {
        g_VideoPropDefault.Balance = value + 100;
    }
}

void m_ShowBalance(int value)
{
    const wchar_t* const centre = L"AUDIO````INPUT````BALANCE : CENTER";
    wchar_t text[64];
    if (value > 0)
        (void)StringCchPrintfW(text, 64, L"AUDIO````INPUT````BALANCE : R``%d`%%", value);
    else if (value < 0)
        (void)StringCchPrintfW(text, 64, L"AUDIO````INPUT````BALANCE : L``%d`%%", -value);
    else
        (void)StringCchCopyW(text, 64, centre);
    m_OSD_ShowText(text, 1, -1, 0, -1, m_GetBmpFontTextWidth(0, centre), -1);
}

}  // namespace

int m_AudioInputBalance_Get() { return g_InputBalance; }

void m_AudioInputBalance_Set(int value, int level, int showMessage, int updatePage)
{
    value = value < -100 ? -100 : (value > 100 ? 100 : value);
    g_InputBalance = value;
    if (g_VideoRenderer) {
        g_VideoRenderer->m_VR_SetAudioBalance(value);
        m_Volume_Trace(L"VOL : input balance=%d", value);
    }
    m_StoreAtLevel(value, level);
    if (updatePage) m_Options_RefreshAdjust(VP_BALANCE, 0);
    if (showMessage) m_ShowBalance(value);
}
