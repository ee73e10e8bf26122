#include "library/LauncherCommands.h"

#include "settings/CallTrace.h"

void m_Launcher_Toggle() { m_TraceCall(L"m_Launcher_Toggle()"); }

int m_Launcher_HoldsPlayback() { return 0; }

void m_Launcher_RefreshLists() { m_TraceCall(L"m_Launcher_RefreshLists()"); }

void m_Launcher_ItemCommand(int id, int mode)
{
    m_TraceCall(L"m_Launcher_ItemCommand(%d,%d)", id, mode);
}
