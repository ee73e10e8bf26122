// The filter menu's list of the open graph's filters and the thread that
// shows one filter's property pages.
#pragma once
#include <windows.h>

#include "engine/FilterList.h"

// Where the list comes from: the open graph's filters (AddRef'd items) and
// how many the graph holds. Tests put their own here.
using FMenuFilterLister = int (*)(SFILTERLISTITEM* items, int max);
extern FMenuFilterLister g_MenuFilterLister;
// Shows one filter's property pages and returns when they close; runs on
// the property-page thread. Tests put their own here.
using FMenuFilterPages = void (*)(IBaseFilter* filter);
extern FMenuFilterPages g_MenuFilterPages;

// The file closed: the kept list lets its filters go (a page thread that
// is still open holds a reference of its own).
void m_Menu_ReleaseFilters();
// The busy word of a kept filter; -1 outside the list.
int m_Menu_FilterBusy(int index);
// The thread of a kept filter's pages, null when none was started.
HANDLE m_Menu_FilterThread(int index);
