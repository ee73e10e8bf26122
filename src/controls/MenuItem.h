// The records of popup menu items: what a caller fills (SMENUITEM), what a
// popup keeps per item (SMENUITEMENTRY) and the block of a menu notice
// (SMENUNOTIFY).
#pragma once
#include <windows.h>

#include <cstddef>

#include "base/Color.h"

class CMenuPlus;

// Capacity of one popup: a full playlist (1000 tracks) with the caption,
// anchor and closing items around it.
constexpr int kMenuMaxItems = 1024;

// Item kinds; only commands can be selected by the keyboard.
enum {
    MENUKIND_COMMAND = 0,
    MENUKIND_SEPARATOR = 1,
    MENUKIND_HEADING = 2,
    MENUKIND_THINSEPARATOR = 3,
    MENUKIND_BAND = 4,
    MENUKIND_TALLHEADING = 5,
};

// Check kinds.
enum { MENUCHECK_NONE = 0, MENUCHECK_BOX = 1, MENUCHECK_RADIO = 2 };

// Id of every separator.
constexpr UINT kMenuSeparatorId = 255;

// One item as a caller describes it; a popup copies it whole (624 bytes).
struct SMENUITEM {
    wchar_t Text[128];       // label, then TAB and the shortcut text
    BYTE Block[128];         // copied, not used by the popup
    const wchar_t* Tooltip;  // null asks the owner (WM_APP_MENUGETTIP)
    UINT PlainShortcut;      // measure and draw the shortcut as plain text
    UINT Kind;               // MENUKIND_*
    UINT Id;                 // command id; 255 for a separator
    BYTE Reserved1[12];
    CMenuPlus* Submenu;  // owned by the item
    UINT Bold;
    UINT Disabled;
    UINT CheckKind;   // MENUCHECK_*
    UINT IconColumn;  // 1: the icon in a column of its own
    UINT Checked;
    UINT RadioGroup;
    UINT LevelBar;
    UINT BarWidth;  // at 100 %
    BYTE Reserved2[4];
    wchar_t LevelText[16];
    UINT ExtraPart;
    UINT ExtraWidth;  // at 100 %
    wchar_t ExtraText[16];
    UINT NoToggleWithModifier;
    UINT OwnerToggles;
    UINT AlwaysNotify;
    UINT SubmenuWhenDisabled;
    UINT HeadingVariant;
    UINT MiddleButton;
    UINT Faint;
    ARGB AccentColor;  // 0 = none
    UINT HasIcon;
    UINT IconIndex;  // cell in the item icon strip
    int IconColor;   // -1 = the style's colour
    UINT IconSize;   // at 100 %; 0 = the row height
    UINT Movable;
    UINT ConfirmButton;
    UINT Expander;
    UINT Expanded;
    UINT HasSubmenu;  // Submenu is valid
    UINT SplitSubmenu;
    UINT CloseAlways;
    UINT Marker;
    UINT ContextMenu;
    UINT FullWidth;
    UINT RunAfterClose;
};

static_assert(sizeof(SMENUITEM) == 624);
static_assert(offsetof(SMENUITEM, Block) == 256);
static_assert(offsetof(SMENUITEM, Tooltip) == 384);
static_assert(offsetof(SMENUITEM, Kind) == 396);
static_assert(offsetof(SMENUITEM, Id) == 400);
static_assert(offsetof(SMENUITEM, Submenu) == 416);
static_assert(offsetof(SMENUITEM, Bold) == 424);
static_assert(offsetof(SMENUITEM, CheckKind) == 432);
static_assert(offsetof(SMENUITEM, RadioGroup) == 444);
static_assert(offsetof(SMENUITEM, LevelText) == 460);
static_assert(offsetof(SMENUITEM, ExtraPart) == 492);
static_assert(offsetof(SMENUITEM, ExtraText) == 500);
static_assert(offsetof(SMENUITEM, NoToggleWithModifier) == 532);
static_assert(offsetof(SMENUITEM, AccentColor) == 560);
static_assert(offsetof(SMENUITEM, HasIcon) == 564);
static_assert(offsetof(SMENUITEM, Movable) == 580);
static_assert(offsetof(SMENUITEM, HasSubmenu) == 596);
static_assert(offsetof(SMENUITEM, RunAfterClose) == 620);

// Shortcut drawing modes.
enum { MENUSHORTCUT_PLAIN = 1, MENUSHORTCUT_IMAGE = 2 };

// What a popup keeps per item: the caller's record, then what measuring and
// layout derive from it (zeroed when the entry is made).
struct SMENUITEMENTRY {
    SMENUITEM Item;
    UINT HasRightParts;  // submenu, confirm, expander, grip, extra part or level bar
    wchar_t Label[128];
    wchar_t Shortcut[64];
    UINT ShortcutMode;  // MENUSHORTCUT_*
    SIZE LabelSize;
    SIZE ShortcutSize;
    RECT ShortcutImageRect;  // image-text mode: where the text lies in its box
    RECT Rect;               // the item in content coordinates
    UINT TextCut;            // the label was cut when drawn
    UINT Measured;
    int Height;  // layout height; 0 takes no room
    // Parts inside Rect, empty when the item has none.
    RECT CheckRect;
    RECT IconRect;
    RECT LabelRect;
    RECT ShortcutRect;
    RECT SubmenuRect;
    RECT ConfirmRect;
    RECT GripRect;
    RECT ExpanderRect;
    RECT ExtraRect;
    RECT LevelRect;
    RECT LevelEndRect[2];  // left (state 6), right (state 7)
    RECT MarkerRect[2];
};

// The block WM_APP_MENUCOMMAND carries (80 bytes).
struct SMENUNOTIFY {
    UINT Reserved0;
    UINT MenuId;
    int Index;    // code 201: the index the item was dragged from
    int ToIndex;  // code 201: where it was dropped; else 0
    UINT Reserved1[2];
    UINT ItemId;  // 0 when no item
    UINT SelState;
    UINT Repeat;    // from the key-repeat or timer path
    UINT Modifier;  // 0 plain, 1 Ctrl or right button, 2 middle button
    UINT Disabled;
    UINT Closes;  // the menu closes because of this choice
    UINT RunAfterClose;
    UINT Reserved2;
    HWND PopupWindow;
    CMenuPlus* Popup;
    SMENUITEMENTRY* Item;  // the chosen item; null for codes 200 and 201
};

static_assert(sizeof(SMENUNOTIFY) == 80);
static_assert(offsetof(SMENUNOTIFY, ItemId) == 24);
static_assert(offsetof(SMENUNOTIFY, Modifier) == 36);
static_assert(offsetof(SMENUNOTIFY, Closes) == 44);
static_assert(offsetof(SMENUNOTIFY, RunAfterClose) == 48);
static_assert(offsetof(SMENUNOTIFY, PopupWindow) == 56);
static_assert(offsetof(SMENUNOTIFY, Popup) == 64);
static_assert(offsetof(SMENUNOTIFY, Item) == 72);

// Sets the record's has-submenu field.
void m_MenuItem_SetHasSubmenu(SMENUITEM* item, UINT value);
