// Lists of DirectShow filters for the options dialog and the menus: the
// registered filters and the filters of a graph, with whether each has
// property pages.
#pragma once
#include <windows.h>
#include <strmif.h>

#include "settings/SettingsLists.h"

struct SFILTERLISTITEM {
    wchar_t Name[128];
    wchar_t Clsid[64];
    IBaseFilter* Filter;  // only for filters of the open graph
    int HasPropertyPage;  // 1 yes, -1 no, 0 not tested
};

// The registered filters (the legacy filter category); items may be null
// to count. At most max items are filled.
int m_EnumRegisteredFilters(SFILTERLISTITEM* items, int max);

// With testOnly: 1 when the named registered filter has pages. Otherwise
// shows them; 1 when the filter was found.
int m_ShowFilterProperty(const SFILTERLISTITEM* item, int testOnly);

// With testOnly: 1 when the filter has pages. Otherwise shows them.
int m_ShowFilterPropertyPage(IBaseFilter* filter, int testOnly);

// The list item of a settings entry; probe tests for pages.
void m_FilterItem_Init(SFILTERLISTITEM* item, const SFILTERITEM* entry, int probe);

// The filters of a graph into items (the graph's references, AddRef'd);
// returns how many the graph holds, also beyond max.
int m_ListGraphFilters(IFilterGraph* graph, SFILTERLISTITEM* items, int max);
