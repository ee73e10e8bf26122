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

// ---- the preset menus (MenuPresetMenus.cpp)
class CMenuPlus;
class CMenuManager;

constexpr UINT kMenuSizePresetsId = 2310;
constexpr UINT kMenuTimerPresetsId = 2311;
constexpr UINT kMenuRatePresetsId = 2330;

// The popup of a kind (size, timer, rate) from its working list, read
// first when never read. A null popup is created with the kind's menu id
// through the manager (null: the main window's); an existing one is emptied
// and refilled. The popup, or null for a kind of 3 and above.
CMenuPlus* m_MenuPresets_BuildMenu(int kind, CMenuPlus* popup, CMenuManager* manager);
// Renew the checks (and the timer items' disabled states) of an open
// popup and redraw it; a null popup does nothing.
void m_Menu_UpdateSizeChecks(CMenuPlus* popup);
void m_Menu_UpdateTimerChecks(CMenuPlus* popup);
// The rate popup last built; m_Menu_UpdateRateChecksOf works on any.
void m_Menu_UpdateRateChecks();
void m_Menu_UpdateRateChecksOf(CMenuPlus* popup);
