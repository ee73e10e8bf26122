// The menu item model: from a command id to a filled SMENUITEM (text with
// its shortcut column, static look, dynamic state), the shortcut texts other
// windows append, the control-bar buttons by number, the separator clean-up
// of short id lists and the refresh of open popups.
#pragma once
#include <windows.h>

#include "controls/MenuItem.h"

class CMenuPlus;
class CButtonPlus;
class CCustomWindow;

constexpr UINT kMenuThinSeparatorId = 253;
constexpr UINT kMenuVolumeFirstId = 34768;  // 34768 + n: n %
constexpr UINT kMenuVolumeLastId = 34868;
constexpr UINT kMenuOptionPageFirstId = 34898;
constexpr UINT kMenuOptionPageLastId = 34909;
constexpr int kMenuOptionPageItems = 12;
// Kind of a hidden anchor item, which the popup neither lays out nor draws.
constexpr UINT kMenuKindHidden = static_cast<UINT>(-1);
constexpr int kMenuNameCap = 128;
constexpr int kMenuShortTextCap = 64;
constexpr int kMenuKeyNameCap = 64;
constexpr int kTidySeparatorSlots = 21;
constexpr int kBindTableTextCap = 10240;

// The model's own flags, which the popup does not read: kept in the record's
// caller block after the first 64 bytes (the dynamic lists' data).
struct SMENUITEMFLAGS {
    UINT TooltipWanted;
    UINT PathFlag;   // the text is a path
    UINT ValueFlag;  // the caption shows a value
    UINT TwoImage;   // image and second image change with a state
    UINT FlagWord;   // the default-device item's extra flag
};
constexpr int kMenuItemFlagsOffset = 64;
static_assert(kMenuItemFlagsOffset + sizeof(SMENUITEMFLAGS) <= sizeof(SMENUITEM::Block));
SMENUITEMFLAGS m_Menu_GetItemFlags(const SMENUITEM* item);
void m_Menu_SetItemFlags(SMENUITEM* item, const SMENUITEMFLAGS& flags);

// The options page each options-menu item stands for (-1 none); the options
// menu fills it when it lists the pages.
extern int g_OptionMenuPages[kMenuOptionPageItems];
// The options page shown, -1 none.
extern int g_OptionCurrentPage;
// Control id the control bar acts on (0 none).
extern UINT g_CurrentControlId;

// ---- names (MenuCommandNames.cpp, MenuBuiltNames.cpp)
// The display text of a command id (a constant or a static buffer valid
// until the next call that formats the same kind of text); "" without a row.
const wchar_t* m_GetCommandName(UINT commandId);
// The built rows: null when the id has none.
const wchar_t* m_GetBuiltCommandName(UINT commandId);

// ---- shortcut texts (MenuKeyText.cpp)
// text, then TAB and the key of the function's first effective binding when
// it has one, in a static 128-character buffer.
const wchar_t* m_MenuTextWithKey(const wchar_t* text, int functionId, int parameter,
                                 const wchar_t* argumentText);
// The same in the caller's buffer; 1 when a key text was appended.
int m_AppendBindingKeyName(wchar_t* buffer, int size, int functionId, int parameter,
                           const wchar_t* argumentText);
// format with " (key)" of the first function and, when functionId2 is not 0,
// of the second as its %s arguments (empty when unbound); 1 when the first
// had a key.
int m_FormatWithKeyNames(wchar_t* out, int size, const wchar_t* format, int functionId,
                         int parameter, const wchar_t* argumentText, int functionId2,
                         int parameter2);

// ---- looks and states (MenuItemStyle.cpp, MenuItemState.cpp)
void m_Menu_SetItemStyle(SMENUITEM* item, UINT commandId);
void m_Menu_SetItemState(SMENUITEM* item, UINT commandId);
// clear: zero the record first; otherwise keeps what the two steps leave.
void m_Menu_InitItem(SMENUITEM* item, UINT commandId, int clear);

// ---- refresh of open popups (MenuItemRefresh.cpp); a null popup or an id
// it does not hold does nothing.
void m_Menu_ResetItemAt(CMenuPlus* popup, UINT itemId, UINT newId);
void m_Menu_UpdateItem(CMenuPlus* popup, UINT itemId, int refresh);
void m_Menu_RefreshItems(CMenuPlus* popup, int recurse, int refresh);
void m_Menu_ResetItem(CMenuPlus* popup, UINT itemId, int refresh);
void m_Menu_SetItemChecked(CMenuPlus* popup, UINT itemId, int checked);
void m_Menu_DisableItem(CMenuPlus* popup, UINT itemId);
void m_Menu_MarkReservedDevice(CMenuPlus* popup);

// ---- separators (MenuSeparators.cpp): cleans 21 ids in place.
void m_Menu_TidySeparators(UINT* ids);

// ---- binding table as text (BindTableText.cpp)
// The live table as initialiser text, cut to 10240 characters; its length.
int m_Bind_TableText(wchar_t* out, int size);
void m_Bind_ShowTable();

// ---- control-bar buttons (ControlBarButtons.cpp)
CButtonPlus* m_GetButtonByIndex(int number);
// The control the control bar's current id names: one of the 23 buttons,
// the overflow button (33067) or the volume button (33069); else null.
CButtonPlus* m_GetButtonOfCurrentControl();
