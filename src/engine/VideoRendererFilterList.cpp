// The engine's cached list of registered filters and the filters of its
// graph.
#include "engine/VideoRenderer.h"

#include <new>

void CVideoRenderer::m_FilterList_Load()
{
    delete[] m_pRegisteredFilters;
    m_pRegisteredFilters = nullptr;
    m_RegisteredFilterCount = 0;
    const int count = m_EnumRegisteredFilters(nullptr, 0);
    if (count > 0) {
        m_pRegisteredFilters = new (std::nothrow) SFILTERLISTITEM[count]();
        // Filters registered since the count do not fit and are left out.
        if (m_pRegisteredFilters)
            m_RegisteredFilterCount = m_EnumRegisteredFilters(m_pRegisteredFilters, count);
    }
    m_RegisteredFiltersLoaded = 1;
}

int CVideoRenderer::m_FilterList_Get(const SFILTERLISTITEM** list)
{
    if (!m_RegisteredFiltersLoaded) m_FilterList_Load();
    if (list) *list = m_pRegisteredFilters;
    return m_RegisteredFilterCount;
}

int CVideoRenderer::m_VR_ListGraphFilters(SFILTERLISTITEM* items, int max)
{
    if (!m_pGraph) return 0;
    return m_ListGraphFilters(m_pGraph, items, max);
}
