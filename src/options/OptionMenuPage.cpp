#include "options/OptionMenuPage.h"

#include "settings/CallTrace.h"

void m_Option_SelectMenu(HWND, int kind, int refresh)
{
    m_TraceCall(L"m_Option_SelectMenu(%d,%d)", kind, refresh);
}
