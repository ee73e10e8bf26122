// The three user-editable preset menus kept in [Menu]: kind 0 "Size",
// 1 "Timer", 2 "Rate".
#pragma once
#include <windows.h>

// One entry of a preset list: its first fields are those of a binding, so
// the executor runs it as one. Function 255 is a separator, 0 an empty
// entry.
struct SMENUPRESET {
    UINT Enabled;       // 1 = enabled
    UINT Function;      // function id of the catalogue
    int Param;          // for number parameters
    wchar_t Arg[32];    // for the other kinds
    wchar_t Label[32];  // empty: made from the action
};

// Reads one list from the settings file; with alsoSaved also into its saved
// copy. Kinds of 3 and above do nothing.
void m_MenuPresets_Read(int kind, int alsoSaved);
// 1 when the working list differs from its saved copy; 0 when equal or
// never read.
int m_MenuPresets_Compare(int kind);
// Makes the saved copy equal to the working list.
void m_MenuPresets_Copy(int kind);
// Writes the working list to its key; nothing for a list never read.
void m_MenuPresets_Write(int kind);
