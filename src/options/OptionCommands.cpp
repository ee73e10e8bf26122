#include "options/OptionCommands.h"

#include "settings/CallTrace.h"

void m_Options_Show(int show, int page, int menu)
{
    m_TraceCall(L"m_Options_Show(%d,%d,%d)", show, page, menu);
}

void m_Options_RefreshAdjust(int group, int option)
{
    m_TraceCall(L"m_Options_RefreshAdjust(%d,%d)", group, option);
}
