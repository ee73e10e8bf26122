#include "app/StatusText.h"

#include <stdio.h>

// Until the status bar exists, messages go to the debugger output.
UINT m_OSD_ShowText(LPCWSTR text, int, int, int, int, int, int)
{
    wchar_t line[300];
    _snwprintf(line, 299, L"OSD: %s\n", text ? text : L"");
    line[299] = 0;
    OutputDebugStringW(line);
    return 1;
}
