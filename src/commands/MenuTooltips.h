// The tooltips of popup menu items: fixed help texts of commands, and texts
// made from the data of history, favorites and capture-preset items.
#pragma once
#include <windows.h>

class CMenuPlus;
struct SCAPTUREPRESET;

constexpr int kMenuTipCap = 512;
// The groups of [Common] "Tip": command help texts and file item texts.
constexpr int kTipGroupCommands = 2;
constexpr int kTipGroupFiles = 4;

// 1 when the group's bit (2 or 4) of [Common] "Tip" is on.
int m_Menu_TipGroupOn(int group);

// The item's tooltip, or null for none. A made text lives in one static
// buffer until the next call.
const wchar_t* m_Menu_GetTooltip(UINT itemId, CMenuPlus* popup);

// ---- texts made from data (MenuTipTexts.cpp); each returns out.
// A history entry: its name, folder and play time.
const wchar_t* m_Menu_FormatHistoryTip(wchar_t* out, int size, const wchar_t* path, int minutes);
// A favorites item by its type (1 submenu, 4..8 files and folders); null
// for the other types.
const wchar_t* m_Menu_FormatFavoriteTip(wchar_t* out, int size, int type, const wchar_t* name,
                                        const wchar_t* path);
// An entry of a favorites playlist or folder submenu: its file name, folder
// and type ("-" when unknown); withContainer appends " / " and the type of
// the favorite listing it when that is a playlist, play folder or folder link.
const wchar_t* m_Menu_FormatFavoriteEntryTip(wchar_t* out, int size, int type, int containerType,
                                             const wchar_t* path, int withContainer);
// The summary of a capture preset. mediaPath: the open file (empty when
// none), videoSize its picture size.
const wchar_t* m_Menu_FormatCaptureTip(wchar_t* out, int size, const SCAPTUREPRESET& preset,
                                       const wchar_t* mediaPath, SIZE videoSize);
// The folder a capture preset saves into, in double quotes: its own, else
// the open file's; null when it saves no file or no folder is known.
const wchar_t* m_Menu_FormatCaptureFolderTip(wchar_t* out, int size,
                                             const SCAPTUREPRESET& preset,
                                             const wchar_t* mediaPath);
