#include "app/ExitRequest.h"

#include "app/Shutdown.h"
#include "options/OptionDlgState.h"

int g_ExitPending;
int g_ExitAfterMenu;

namespace {
int g_Exiting;
}

void m_ExitApplication()
{
    if (m_OptionDlg_IsFilling()) {
        g_ExitPending = 1;
        return;
    }
    // A second request while the shutdown runs (a nested WM_CLOSE) is moot.
    if (g_Exiting) return;
    g_Exiting = 1;
    g_ExitPending = 0;
    g_ExitAfterMenu = 0;
    m_Shutdown();
    g_Exiting = 0;
}

void m_ExitApplication_OnOptionsFilled()
{
    if (g_ExitPending) m_ExitApplication();
}

void m_ExitApplication_OnMenuClosed()
{
    if (g_ExitAfterMenu) m_ExitApplication();
}
