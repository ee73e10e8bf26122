// Thin tree-view helpers: walking items into insert records and inserting
// them elsewhere (moving a subtree), item data and deletion. UI thread only.
#pragma once
#include <windows.h>
#include <commctrl.h>

// Characters of the text buffer each collected record owns.
constexpr int kTreeRecordTextChars = 256;

// Walks start (none: the first root) and, with siblings, its following
// siblings, each with its children (only those of expanded items when
// expandedOnly), in pre-order. When records is given, the item walked n-th
// goes into records[firstIndex + n] as long as that slot lies in
// 0..capacity-1; each stored record owns a text buffer from
// new wchar_t[kTreeRecordTextChars]. Returns the number of items walked.
int m_TreeView_CollectItems(HWND window, HTREEITEM start, bool siblings, TVINSERTSTRUCTW* records,
                            int capacity, int firstIndex, bool expandedOnly);

// Index of the record collected from item, else -1.
int m_FindTreeRecord(HTREEITEM item, const TVINSERTSTRUCTW* records, int count);

// The last top-level item; none for an empty tree.
HTREEITEM m_TreeView_GetLastRoot(HWND window);

// Inserts collected records under newParent, keeping their nesting and their
// expanded or collapsed state. Takes ownership of records (allocated with
// new TVINSERTSTRUCTW[]) and of their text buffers, and frees them.
// Returns the handle of the first inserted item.
HTREEITEM m_TreeView_InsertCollected(HWND window, HTREEITEM newParent, TVINSERTSTRUCTW* records,
                                     int count);

// Deletes the item; a parent left without children loses its expand button.
BOOL m_TreeView_DeleteItem(HWND window, HTREEITEM item);

BOOL m_TreeView_SetItemParam(HWND window, HTREEITEM item, LPARAM param);
