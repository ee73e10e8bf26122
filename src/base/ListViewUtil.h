// Redraw switch and thin list-view helpers shared by the playlist, favorites,
// history and options windows. Indexes are 0-based, -1 meaning none;
// "selected" is the LVIS_SELECTED state. UI thread only.
#pragma once
#include <windows.h>

// Stops (freeze) or resumes redrawing; resuming repaints the whole window.
void m_FreezeRedraw(HWND window, bool freeze);

// Scrolls so that a quarter page stays visible around the item.
// 1 when it scrolled, else 0.
int m_ListView_EnsureVisibleMargin(HWND window, int item);
// Deletes every selected item, then selects the item now standing where the
// last deleted one stood (or the last item). Returns the number deleted.
int m_ListView_DeleteSelected(HWND window);

// The item's lParam; 0 when it cannot be read.
LPARAM m_ListView_GetItemParam(HWND window, int item);
// 1 when set, else 0.
int m_ListView_SetItemParam(HWND window, int item, LPARAM param);

void m_ListView_SelectAll(HWND window, bool select);
// Selects only the item; with focus it also gets the focus (no scrolling).
void m_ListView_SelectOnly(HWND window, int item, bool focus);
int m_ListView_GetSelectedCount(HWND window);
int m_ListView_IsSelected(HWND window, int item);
// Number of selected items; each out pointer may be null. first and last are
// -1 when none is selected; contiguous is 1 when the selected indexes form
// one run (also when none is selected).
int m_ListView_GetSelection(HWND window, int* first, int* last, int* contiguous);
int m_ListView_GetFirstSelected(HWND window);
int m_ListView_GetLastSelected(HWND window);
