#include <windows.h>

#include <strsafe.h>

#include "app/MainWindow.h"
#include "commands/MenuItemModel.h"
#include "settings/SettingsLists.h"

int m_Bind_TableText(wchar_t* out, int size)
{
    if (!out || size <= 0) return 0;
    const int cap = size < kBindTableTextCap + 1 ? size : kBindTableTextCap + 1;
    // A table too long for the box is cut: the result of a cut append is
    // ignored on purpose.
    (void)StringCchPrintfW(out, cap,
                           L"m_nBindCount = %d;\r\nm_pBind = new SFUNCTIONBIND[m_nBindCount];\r\n",
                           m_nBindCount);
    wchar_t line[160];
    for (int i = 0; m_pBind && i < m_nBindCount; ++i) {
        const SFUNCTIONBIND& b = m_pBind[i];
        (void)StringCchPrintfW(line, ARRAYSIZE(line),
                               L"m_pBind[%d] = { %d, 0x%02X, %d, _T(\"%s\"), 0x%02X, 0x%02X };\r\n",
                               i, b.Enabled, b.Function, b.Param, b.Arg, static_cast<UINT>(b.Key),
                               static_cast<UINT>(b.Mouse));
        if (FAILED(StringCchCatW(out, cap, line))) break;
    }
    return lstrlenW(out);
}

void m_Bind_ShowTable()
{
    static wchar_t s_Text[kBindTableTextCap + 1];
    m_Bind_TableText(s_Text, ARRAYSIZE(s_Text));
    MessageBoxW(g_hWndMain, s_Text, L"ZENTAVIO", MB_OK);
}
