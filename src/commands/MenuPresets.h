// The three user-editable preset menus kept in [Menu]: kind 0 "Size",
// 1 "Timer", 2 "Rate". Each is a working list, edited by the options page,
// and a saved copy that tells whether it changed and lets a cancel undo it.
#pragma once
#include <windows.h>

constexpr int kMenuPresetKinds = 3;
// Each kind's menu has room for 100 item ids; an entry beyond them could
// never be offered, and its id would run into the next range.
constexpr int kMenuPresetCap = 100;
constexpr int kMenuPresetTextCap = 32;
// One entry's text in the file, with the terminator.
constexpr int kMenuPresetEntryTextCap = 64;
// One list's value in the file, with the terminator.
constexpr int kMenuPresetValueCap = 1024;

constexpr UINT kMenuPresetSeparator = 255;

// One entry of a preset list: its first fields are those of a binding, so
// the executor runs it as one. Function 255 is a separator, 0 an empty
// entry.
struct SMENUPRESET {
    UINT Enabled;                       // 1 = enabled
    UINT Function;                      // function id of the catalogue
    int Param;                          // for number parameters
    wchar_t Arg[kMenuPresetTextCap];    // for the other kinds
    wchar_t Label[kMenuPresetTextCap];  // empty: made from the action
};

struct SMENUPRESETLIST {
    int Count;  // -1: never read
    SMENUPRESET Items[kMenuPresetCap];
};

// The working lists, by kind.
extern SMENUPRESETLIST g_MenuPresets[kMenuPresetKinds];

// Reads one list from the settings file, replacing the working list; with
// alsoSaved also into its saved copy. Kinds of 3 and above do nothing.
void m_MenuPresets_Read(int kind, int alsoSaved);
// Writes the working list to its key; nothing for a list never read. Only
// whole entries are written: those past the value's limit are dropped and
// logged. 1 when the value was written.
int m_MenuPresets_Write(int kind);
// 1 when the working list differs from its saved copy; 0 when equal or
// never read.
int m_MenuPresets_Compare(int kind);
// Makes the saved copy equal to the working list.
void m_MenuPresets_Copy(int kind);
// Puts the saved copy back into every working list that differs from it,
// and has the options page reload when any did.
void m_MenuPresets_Revert();
// The label made from the entry's action (its own label is not looked at);
// the characters written.
int m_MenuPresets_Label(wchar_t* out, int size, const SMENUPRESET* entry);
