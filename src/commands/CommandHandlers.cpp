#include "commands/CommandHandlers.h"

#include <shellapi.h>

#include "app/Layout.h"
#include "app/MainTimers.h"
#include "app/MainWindow.h"
#include "settings/Settings.h"

namespace {
int g_SeekHoldKey;
}

void m_StartContinuousSeek(int, int holdKey, int, int intervalMs, int, int waitMs)
{
    g_SeekHoldKey = holdKey;
    if (waitMs > 0)
        SetTimer(g_hWndMain, kTimerSeekFirst, static_cast<UINT>(waitMs), nullptr);
    else
        SetTimer(g_hWndMain, kTimerSeekRepeat, static_cast<UINT>(intervalMs), nullptr);
}

int m_ContinuousSeek_HoldKey() { return g_SeekHoldKey; }
void m_ContinuousSeek_Step() {}

void m_StopContinuousSeek(int final)
{
    KillTimer(g_hWndMain, kTimerSeekRepeat);
    KillTimer(g_hWndMain, kTimerSeekFirst);
    g_SeekHoldKey = 0;
    if (!final && g_Settings.Common_SeekWait > 0)
        SetTimer(g_hWndMain, kTimerSeekEnd, static_cast<UINT>(g_Settings.Common_SeekWait), nullptr);
}

// Until the control commands are built, only the extra button works: a
// click opens or closes the expanded control bar.
int m_OnCtrlCommand(int id, int notification, LPARAM)
{
    if (id != IDC_EXTRA_BUTTON || notification != 0) return 0;
    m_SetControlBarMode(m_GetControlBarMode() ? 0 : 1);
    return 1;
}
LRESULT m_OnMenuCommand(WPARAM, LPARAM) { return 0; }
LRESULT m_Menu_OnSubmenu(WPARAM, LPARAM) { return 0; }
LRESULT m_Menu_GetTipText(WPARAM, LPARAM) { return 0; }
LRESULT m_OnNotifyMain(WPARAM, LPARAM) { return 0; }
// The handle is the system's until released.
void m_OnDropFiles(HDROP drop)
{
    if (drop) DragFinish(drop);
}
void m_Commands_OnTimer(UINT) {}
