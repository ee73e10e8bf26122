// The graph-builder callback: vetoes filters while the graph renders (the
// decoder the time-stretch filter replaces, the subtitle filter in preview
// graphs, and the filters the user blocks for the file).
#pragma once
#include <windows.h>
#include <dshow.h>
#include "engine/DsUnknown.h"
#include "settings/SettingsLists.h"

// Capacity of a filter's friendly name (characters, with the terminator).
constexpr int kFriendlyNameCap = 256;

class GraphBuilderCB : public CUnknown, public IAMGraphBuilderCallback {
public:
    // A new callback with one reference, its creator's; null when out of
    // memory. The graph holds its own reference while it is the site.
    static GraphBuilderCB* Create();

    ZV_DELEGATING_IUNKNOWN
    HRESULT STDMETHODCALLTYPE NonDelegatingQueryInterface(REFIID iid, void** out) override;

    // 0 accepts the filter, 0xFFFFFFFF vetoes it.
    HRESULT STDMETHODCALLTYPE SelectedFilter(IMoniker* moniker) override;
    // Accepts: returns 0.
    HRESULT STDMETHODCALLTYPE CreatedFilter(IBaseFilter* filter) override;

    void SetStretch(int inGraph) { m_Stretch = inGraph; }
    void SetPreview(int preview) { m_Preview = preview; }
    // Keeps a copy of the list (at most kFilterCap entries) and of the
    // path, so that a later change of the settings list cannot leave the
    // callback reading freed memory.
    void SetFilterList(const SFILTERITEM* items, int count, const wchar_t* mediaPath);
    // 1 when a filter of this friendly name is vetoed.
    int IsVetoed(const wchar_t* friendlyName) const;

private:
    GraphBuilderCB();

    int m_Stretch = 0;
    int m_Preview = 0;
    SFILTERITEM m_Filters[kFilterCap] = {};
    int m_FilterCount = 0;
    wchar_t m_MediaPath[261] = {};
};
