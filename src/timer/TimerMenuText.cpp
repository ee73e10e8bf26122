#include "timer/TimerMenuText.h"

#include <strsafe.h>

#include "controls/MenuItem.h"
#include "settings/FunctionCatalog.h"

int m_Timer_FormatMenuText(const void*, wchar_t* out, int size, int function, int value)
{
    if (!out || size < 1) return 0;
    const wchar_t* name = m_Function_GetName(nullptr, function);
    const bool seconds = function >= 115 && function <= 118;
    const HRESULT hr = seconds ? StringCchPrintfW(out, size, L"%s (%d分)", name, value / 60)
                               : StringCchPrintfW(out, size, L"%s (%d)", name, value);
    // A cut text is still shown; any other failure leaves it empty.
    if (FAILED(hr) && hr != STRSAFE_E_INSUFFICIENT_BUFFER) out[0] = 0;
    return (int)wcslen(out);
}

void m_Timer_UpdateMenuItem(const void*, SMENUITEM* item, int, int)
{
    if (!item) return;
    item->Checked = 0;
    item->Disabled = 0;
}
