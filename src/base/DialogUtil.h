// Small helpers for dialogs, controls, menus and the system file pickers.
#pragma once
#include <windows.h>

// Sends WM_SETFONT(font, no redraw) to every child window of parent.
void m_SetFontToChildren(HWND parent, HFONT font);

// Kind of control under a screen point: 1 push button, 2 check box, 3 radio
// button, 4 group box, 5 edit, 6 combo box, 7 up-down, 8 scroll bar,
// 9 list view, 10 picture or frame static, 11 tab control, 12 text static,
// 0 anything else.
int m_GetControlKindAtPoint(const POINT* pt);

// First index whose item data equals data; -1 when none.
int m_ComboBox_FindByData(HWND combo, LPARAM data);
// Capacity of the m_Edit_GetLine buffer.
constexpr int kEditLineCap = 257;
// One line of an edit control, blanks trimmed at both ends; returns its length.
int m_Edit_GetLine(HWND edit, int line, wchar_t* buf);

// A subclassing tool over the control's rectangle on the dialog and, unless
// areaOnly, one on the control window itself. 1 when every tool was added.
int m_AddToolTip(HWND tooltip, HWND dialog, int controlId, const wchar_t* text, int areaOnly);
// One subclassing tool for the control covering the dialog's client area.
int m_AddToolTipWhole(HWND tooltip, HWND dialog, int controlId, const wchar_t* text);

// fState of the menu item with that command id; 0 when it cannot be read.
UINT m_Menu_GetItemState(HMENU menu, UINT commandId);
// Adds MFS_DEFAULT to the item's state; 1 on success.
int m_Menu_SetDefaultItem(HMENU menu, UINT commandId);

// The pickers need COM initialised on the calling thread.
// Folder picker over owner starting at initialFolder (may be null);
// 1 with the chosen folder in out, else 0 and out empty.
int m_PickFolder(HWND owner, wchar_t* out, int size, const wchar_t* initialFolder,
                 const wchar_t* title);
// File (or, with pickFolder, folder) picker owned by the main window; out
// holds MAX_PATH + 1 characters. Each text may be null. 1 with the path,
// else 0 and out empty.
int m_PickFile(wchar_t* out, int pickFolder, const wchar_t* initialFolder, const wchar_t* fileName,
               const wchar_t* title);
// The classic open dialog with the media filter; out holds MAX_PATH + 1
// characters. 1 when a file was chosen, else 0 and out empty.
int m_PickFileClassic(HWND owner, wchar_t* out);
