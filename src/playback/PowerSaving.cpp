#include "playback/PowerSaving.h"

#include "app/MainTimers.h"
#include "app/MainWindow.h"
#include "app/StatusText.h"
#include "playback/PlayPause.h"
#include "settings/Settings.h"
#include "settings/SettingsMain.h"

namespace {

int g_TempInverted;
int g_KeepingAwake;
int g_SaverSwitchedOff;

constexpr UINT kKeepAwakeMs = 15000;
constexpr UINT kTempLapseMs = 60000;
constexpr UINT kTempLapseTestMs = 4000;

// The screen saver is switched off only when it was on, and only what this
// program switched off is switched back on.
void m_StartKeepingAwake()
{
    BOOL saver = FALSE;
    if (SystemParametersInfoW(SPI_GETSCREENSAVEACTIVE, 0, &saver, 0) && saver &&
        SystemParametersInfoW(SPI_SETSCREENSAVEACTIVE, FALSE, nullptr, 0))
        g_SaverSwitchedOff = 1;
    SetThreadExecutionState(ES_DISPLAY_REQUIRED);
    if (g_hWndMain) SetTimer(g_hWndMain, kTimerKeepAwake, kKeepAwakeMs, nullptr);
    g_KeepingAwake = 1;
}

void m_StopKeepingAwake()
{
    if (g_hWndMain) KillTimer(g_hWndMain, kTimerKeepAwake);
    if (g_SaverSwitchedOff) SystemParametersInfoW(SPI_SETSCREENSAVEACTIVE, TRUE, nullptr, 0);
    g_SaverSwitchedOff = 0;
    g_KeepingAwake = 0;
}

void m_ShowButtonFrame(int fadeButton)
{
    if (!g_hWndMain) return;
    const int frame = m_PowerSaving_ButtonFrame(g_MainWindowState.nPowerSaving, g_TempInverted);
    g_ControlButtons[CB_POWER].m_SetFrame(frame, 1, fadeButton ? 4 : 0);
}

}  // namespace

int m_PowerSaving_Effective(int option, int inverted) { return (option != 0) != (inverted != 0); }

int m_PowerSaving_ButtonFrame(int option, int inverted)
{
    if (inverted) return option ? 3 : 2;
    return option ? 1 : 0;
}

void m_PowerSaving_Apply()
{
    const int wanted =
        m_PowerSaving_Effective(g_MainWindowState.nPowerSaving, g_TempInverted) && m_IsPlaying();
    if (wanted && !g_KeepingAwake)
        m_StartKeepingAwake();
    else if (!wanted && g_KeepingAwake)
        m_StopKeepingAwake();
}

void m_PowerSaving_Set(int on, int showMessage)
{
    g_MainWindowState.nPowerSaving = on ? 1 : 0;
    g_TempInverted = 0;
    m_PowerSaving_Apply();
    if (showMessage)
        m_OSD_ShowText(on ? L"DISABLE POWERSAVING : ON``````" : L"DISABLE POWERSAVING : OFF", -1,
                       -1, -1, -1, -1, -1);
    m_ShowButtonFrame(0);
    m_PlayState_Trace(L"power saving");
}

void m_PowerSaving_SetTemp(int invert, int fadeButton, int showMessage)
{
    g_TempInverted = invert ? 1 : 0;
    m_PowerSaving_Apply();
    if (!m_IsPlaying() && g_TempInverted) m_PowerSaving_TempTimer(1);
    const int option = g_MainWindowState.nPowerSaving;
    if (showMessage) {
        const wchar_t* text;
        if (g_TempInverted)
            text = option ? L"DISABLE POWERSAVING : OFF````(TEMP)"
                          : L"DISABLE POWERSAVING : ON````(TEMP)";
        else
            text = option ? L"DISABLE POWERSAVING : ON" : L"DISABLE POWERSAVING : OFF";
        m_OSD_ShowText(text, -1, -1, -1, -1, -1, -1);
    }
    m_ShowButtonFrame(fadeButton);
    m_PlayState_Trace(g_TempInverted ? L"power saving inverted" : L"power saving restored");
}

void m_PowerSaving_TempTimer(int start)
{
    if (!g_hWndMain) return;
    if (start && g_TempInverted)
        SetTimer(g_hWndMain, kTimerPowerTempEnd,
                 g_Settings.Main_Test ? kTempLapseTestMs : kTempLapseMs, nullptr);
    else
        KillTimer(g_hWndMain, kTimerPowerTempEnd);
}

int m_PowerSaving_IsKeepingAwake() { return g_KeepingAwake; }
int m_PowerSaving_IsTempOn() { return g_TempInverted; }

void m_PowerSaving_EndTemp()
{
    if (g_hWndMain) KillTimer(g_hWndMain, kTimerPowerTempEnd);
    m_PowerSaving_SetTemp(0, 1, 0);
}

void m_PowerSaving_OnTimer()
{
    if (g_KeepingAwake)
        SetThreadExecutionState(ES_SYSTEM_REQUIRED | ES_DISPLAY_REQUIRED);
    else if (g_hWndMain)
        KillTimer(g_hWndMain, kTimerKeepAwake);
}
