#include "jumplist/JumpListLayouts.h"

#include <strsafe.h>

SJUMPLISTLAYOUT g_JumpListLayouts[kJumpListLayoutCap];
int g_JumpListLayoutCount;

void m_JumpList_BuildLayoutPresets(void*) { g_JumpListLayoutCount = 0; }

const wchar_t* m_JumpList_LayoutPresetLabel(void*, int index)
{
    static wchar_t s_Label[128];
    s_Label[0] = 0;
    if (index < 0 || index >= g_JumpListLayoutCount || index >= kJumpListLayoutCap) return s_Label;
    const SJUMPLISTLAYOUT& row = g_JumpListLayouts[index];
    // A cut label still names the layout.
    if (row.Added && row.Columns > 0)
        (void)StringCchPrintfW(s_Label, ARRAYSIZE(s_Label), L"+%dx%d (%d) / %0.1f%%", row.Columns,
                               row.Rows, row.Blocks, row.Rows * 100.0 / row.Columns);
    else
        (void)StringCchPrintfW(s_Label, ARRAYSIZE(s_Label), L"%dx%d (%d)", row.Columns, row.Rows,
                               row.Blocks);
    return s_Label;
}
