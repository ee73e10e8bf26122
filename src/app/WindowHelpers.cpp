// The main window has no control bar or video area yet: the requests are
// only noted.
#include "app/WindowHelpers.h"

int g_TopMostStateCalls;
int g_TopMostCalls;
int g_VideoClipCalls;
int g_HideButtonsCalls;
int g_HideButtonsLast;

void m_SetTopMostState() { ++g_TopMostStateCalls; }

void m_SetTopMost(int) { ++g_TopMostCalls; }

void m_VideoClip_Set(int, int, int) { ++g_VideoClipCalls; }

void m_HideUnlistedButtons(int rebuild)
{
    ++g_HideButtonsCalls;
    g_HideButtonsLast = rebuild;
}
