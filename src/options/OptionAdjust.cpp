#include "options/OptionAdjust.h"

#include "settings/CallTrace.h"

void m_Option_UpdateAdjustValues(HWND, int mask, int flag, int kind)
{
    m_TraceCall(L"m_Option_UpdateAdjustValues(%d,%d,%d)", mask, flag, kind);
}

void m_Option_UpdateAdjustControls(HWND, int mask)
{
    m_TraceCall(L"m_Option_UpdateAdjustControls(%d)", mask);
}
