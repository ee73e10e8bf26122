// The jump-list view's table of block layout presets, as the layout menus
// list them.
#pragma once
#include <windows.h>

constexpr int kJumpListLayoutCap = 100;

struct SJUMPLISTLAYOUT {
    int VisibleRows;
    int Columns;
    int Rows;
    int Spare;
    int Blocks;  // columns x rows
    int Added;   // 1: an added row of a wider layout than its square
};

extern SJUMPLISTLAYOUT g_JumpListLayouts[kJumpListLayoutCap];
extern int g_JumpListLayoutCount;

// Fills the table; the view has no presets yet, so it stays empty.
void m_JumpList_BuildLayoutPresets(void* view);
// The menu label of a preset in a shared buffer; "" outside the table.
const wchar_t* m_JumpList_LayoutPresetLabel(void* view, int index);
