#include "app/ControlTooltips.h"

#include <commctrl.h>

int g_ToolTipsCalls;
int g_ToolTipsShown;

void m_ShowToolTips(int show, int mask)
{
    ++g_ToolTipsCalls;
    g_ToolTipsShown = show;
    if (!(mask & TOOLTIP_GROUP_MAIN)) return;
    m_CreateToolTips(TOOLTIP_GROUP_MAIN);
    HWND tips = m_GetToolTips(TOOLTIP_GROUP_MAIN);
    if (tips) SendMessageW(tips, TTM_ACTIVATE, show ? TRUE : FALSE, 0);
}
