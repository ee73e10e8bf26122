// The filter menu: the open graph's filters, read once per opened file, and
// the thread that shows one filter's property pages.
#include "commands/SubmenuFilters.h"

#include <cstring>
#include <new>
#include <wchar.h>

#include "base/ErrorLog.h"
#include "commands/MenuItemData.h"
#include "commands/SubmenuBuilder.h"
#include "commands/SubmenuOtherParts.h"
#include "controls/MenuPlus.h"
#include "engine/VideoRenderer.h"
#include "playback/PlayState.h"

namespace {

// Filter ids run 35368..35467: the rate presets follow.
constexpr int kMenuMaxFilters = 100;
constexpr int kFilterImage = 59;

struct SMENUFILTER {
    wchar_t Name[128];
    int HasPages;
    IBaseFilter* Filter;  // a reference of the list's own
    HANDLE Thread;
    volatile LONG Busy;
};

// The records stay in place for good: a page thread clears its busy word
// here even after the list was let go (when the list is still the same).
SMENUFILTER s_Filters[kMenuMaxFilters];
int s_FilterCount;
int s_ListRead;
LONG s_ListOpenNumber;
volatile LONG s_ListGeneration;

struct SPAGEJOB {
    IBaseFilter* Filter;  // the thread's own reference
    int Index;
    LONG Generation;
};

int m_ListGraph(SFILTERLISTITEM* items, int max)
{
    return g_VideoRenderer ? g_VideoRenderer->m_VR_ListGraphFilters(items, max) : 0;
}

void m_ShowPages(IBaseFilter* filter) { m_ShowFilterPropertyPage(filter, 0); }

// The program's own filters have no place in the menu.
int m_IsOwnFilter(const wchar_t* name)
{
    return wcscmp(name, L"NotifyFilter") == 0 || wcscmp(name, L"GrabberAudio") == 0 ||
           wcscmp(name, L"GrabberVideo") == 0;
}

void m_ReadList()
{
    if (!g_MediaOpen) {
        m_Menu_ReleaseFilters();
        return;
    }
    if (s_ListRead && s_ListOpenNumber == g_MediaOpenNumber) return;
    m_Menu_ReleaseFilters();
    static SFILTERLISTITEM s_Items[kMenuMaxFilters];
    int count = g_MenuFilterLister ? g_MenuFilterLister(s_Items, kMenuMaxFilters) : 0;
    if (count > kMenuMaxFilters) count = kMenuMaxFilters;
    for (int i = 0; i < count; ++i) {
        SMENUFILTER& record = s_Filters[i];
        lstrcpynW(record.Name, s_Items[i].Name, ARRAYSIZE(record.Name));
        record.HasPages = s_Items[i].HasPropertyPage == 1;
        record.Filter = s_Items[i].Filter;
    }
    s_FilterCount = count < 0 ? 0 : count;
    s_ListRead = 1;
    s_ListOpenNumber = g_MediaOpenNumber;
}

DWORD WINAPI m_PageThread(void* parameter)
{
    SPAGEJOB* job = static_cast<SPAGEJOB*>(parameter);
    const HRESULT hr = CoInitialize(nullptr);
    if (SUCCEEDED(hr)) {
        g_MenuFilterPages(job->Filter);
        CoUninitialize();
    } else {
        m_WriteLog(L"MENU_%d : Error / CoInitialize() = 0x%08X", __LINE__, static_cast<unsigned>(hr));
    }
    job->Filter->Release();
    if (job->Generation == s_ListGeneration) InterlockedExchange(&s_Filters[job->Index].Busy, 0);
    delete job;
    return 0;
}

}  // namespace

FMenuFilterLister g_MenuFilterLister = m_ListGraph;
FMenuFilterPages g_MenuFilterPages = m_ShowPages;

void m_Menu_ReleaseFilters()
{
    InterlockedIncrement(&s_ListGeneration);
    for (int i = 0; i < s_FilterCount; ++i) {
        SMENUFILTER& record = s_Filters[i];
        if (record.Filter) record.Filter->Release();
        if (record.Thread) CloseHandle(record.Thread);
        record.Filter = nullptr;
        record.Thread = nullptr;
        record.Name[0] = 0;
        record.HasPages = 0;
        InterlockedExchange(&record.Busy, 0);
    }
    s_FilterCount = 0;
    s_ListRead = 0;
}

int m_Menu_FilterBusy(int index)
{
    return index >= 0 && index < s_FilterCount ? static_cast<int>(s_Filters[index].Busy) : -1;
}

HANDLE m_Menu_FilterThread(int index)
{
    return index >= 0 && index < s_FilterCount ? s_Filters[index].Thread : nullptr;
}

CMenuPlus* m_Menu_BuildFilters()
{
    m_ReadList();
    CMenuPlus* popup = m_Menu_CreatePopup(2340, nullptr);
    if (!popup) return nullptr;
    int listed = 0;
    for (int i = 0; i < s_FilterCount; ++i) {
        const SMENUFILTER& record = s_Filters[i];
        if (m_IsOwnFilter(record.Name)) continue;
        SMENUITEM item;
        m_Menu_NewListItem(&item, kMenuFilterFirstId + i, record.Name);
        m_Menu_SetItemData(&item, i);
        item.HasIcon = 1;
        item.IconIndex = kFilterImage;
        item.IconColor = -1;
        item.Disabled = record.HasPages ? 0 : 1;
        if (popup->m_InsertItem(&item, -1, 0) >= 0) ++listed;
    }
    if (!listed) m_Menu_AddNoteItem(popup, L"なし", -1);
    return popup;
}

void m_Menu_ShowFilterProperties(int index)
{
    if (!g_MediaOpen || !s_ListRead || s_ListOpenNumber != g_MediaOpenNumber) return;
    if (index < 0 || index >= s_FilterCount) return;
    SMENUFILTER& record = s_Filters[index];
    if (!record.HasPages || !record.Filter) return;
    // Taken here rather than by the thread, so that a second choice made
    // before the thread runs does not start another.
    if (InterlockedCompareExchange(&record.Busy, 1, 0) != 0) return;
    SPAGEJOB* job = new (std::nothrow) SPAGEJOB{record.Filter, index, s_ListGeneration};
    if (!job) {
        InterlockedExchange(&record.Busy, 0);
        return;
    }
    // The thread holds the filter for its whole life: the file may close
    // while the pages are open.
    job->Filter->AddRef();
    HANDLE thread = CreateThread(nullptr, 0, m_PageThread, job, 0, nullptr);
    if (!thread) {
        m_WriteLog(L"MENU_%d : Error / CreateThread() = %u", __LINE__, GetLastError());
        job->Filter->Release();
        delete job;
        InterlockedExchange(&record.Busy, 0);
        return;
    }
    if (record.Thread) CloseHandle(record.Thread);
    record.Thread = thread;
}
