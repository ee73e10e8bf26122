// The controls have no tooltips yet: the request is only noted.
#include "app/ControlTooltips.h"

int g_ToolTipsCalls;
int g_ToolTipsShown;

void m_ShowToolTips(int show, int)
{
    ++g_ToolTipsCalls;
    g_ToolTipsShown = show;
}
