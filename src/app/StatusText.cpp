#include "app/StatusText.h"

#include "controls/Statusbar.h"
#include "settings/SettingsMain.h"

namespace {

constexpr UINT kDefaultPriority = 50;
constexpr UINT kClearPriority = 100;
// 1000 ms while an on- or off-timer is armed; the timer object that arms
// them comes later, so the plain default holds for now.
constexpr int kDefaultDurationMs = 2500;

bool MainBarShown() { return g_MainWindowState.nCtrl[2] != 0; }

bool FullScreenBarExists() { return g_FullScreenStatusBar.m_GetHwnd() != nullptr; }

}  // namespace

UINT m_OSD_ShowText(LPCWSTR text, int colourSel, int durationMs, int blinkCount, int priority,
                    int centreWidth, int fade)
{
    if (colourSel == -1) colourSel = 1;
    if (durationMs == -1) durationMs = kDefaultDurationMs;
    if (blinkCount == -1) blinkCount = 0;
    const UINT prio = priority == -1 ? kDefaultPriority : UINT(priority);
    if (fade == -1) fade = 1;
    const UINT shown =
        g_StatusBar.m_ShowMessage(text, colourSel, durationMs, blinkCount, prio, centreWidth, fade);
    if (FullScreenBarExists())
        g_FullScreenStatusBar.m_ShowMessage(text, colourSel, durationMs, blinkCount, prio,
                                            centreWidth, fade);
    return shown;
}

void m_OSD_Clear(int fade)
{
    g_StatusBar.m_ClearMessage(fade, kClearPriority);
    if (FullScreenBarExists() && g_FullScreenStatusBar.m_IsMessageShown())
        g_FullScreenStatusBar.m_ClearMessage(fade, kClearPriority);
}

void m_OSD_RedrawBars()
{
    if (MainBarShown()) g_StatusBar.m_Update();
    if (FullScreenBarExists()) g_FullScreenStatusBar.m_Update();
}

void m_OSD_SetPaneText(int pane, LPCWSTR text)
{
    if (MainBarShown()) g_StatusBar.m_SetPaneText(pane, text, 1, 0, 0);
    if (FullScreenBarExists()) g_FullScreenStatusBar.m_SetPaneText(pane, text, 1, 0, 0);
}
