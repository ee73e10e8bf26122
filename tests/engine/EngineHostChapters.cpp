// Host commands for the chapter and stream tables:
//   chapters                 the table: "chapters n=N outside=F", one line each
//   setchapters [MS ...]     chapters at these starts; none: back to the markers
//   chapterindex MS|-1       "chapterindex I rest=MS"
//   gochapter N
//   probe PATH               "probe hr=0x... ms=D n=N" and the chapters
//   stretchpage PATH         "stretchpage R loaded=0|1" (the module after the call)
//   graphfilters MAX         "graphfilters n=N filled=F", "gfilter NAME page=P"
//   regfilters               "regfilters n=N braced=B" (CLSID texts in braces)
//   streams                  "streams n=N multi=M", one line each
//   addsub PATH              "addsub 1|0"
//   selectstream I [APPLY [MODE]]   "selectstream R subpath=[...]"
#include <stdlib.h>

#include "EngineHost.h"
#include "engine/FilterList.h"
#include "engine/FilterPages.h"
#include "engine/ProbeFile.h"
#include "engine/VideoRenderer.h"

namespace {

void m_PrintChapters(CVideoRenderer* e)
{
    const SCHAPTERITEM* table = nullptr;
    int outside = 0;
    const int count = e->m_VR_GetChapters(&table, &outside);
    m_Host_Print(L"chapters n=%d outside=%d", count, outside);
    for (int i = 0; i < count; ++i)
        m_Host_Print(L"chapter %d start=%.3f length=%.3f name=[%ls]", i, table[i].Start,
                     table[i].Length, table[i].Name);
}

void m_SetChapters(CVideoRenderer* e, const std::vector<std::wstring>& a)
{
    static SCHAPTERITEM items[kChapterTableCap + 60];
    const int count = static_cast<int>(a.size() < 259 ? a.size() : 259);
    for (int i = 0; i < count; ++i) {
        items[i] = SCHAPTERITEM{};
        items[i].Start = wcstol(a[i].c_str(), nullptr, 10) / 1000.0;
    }
    e->m_VR_SetChapters(count ? 1 : 0, items, count);
}

void m_PrintStreams(CVideoRenderer* e)
{
    const SSTREAMITEM* table = nullptr;
    const int count = e->m_VR_GetStreams(&table);
    m_Host_Print(L"streams n=%d multi=%d", count, e->m_VR_HasMultipleStreams());
    for (int i = 0; i < count; ++i) {
        const SSTREAMITEM& s = table[i];
        m_Host_Print(L"stream %d kind=%lu enabled=%lu loaded=%lu side=%lu none=%lu name=[%ls]", i,
                     s.Kind, s.Enabled, s.SourceEnabled, s.SideFile, s.NoSubtitles, s.Name);
    }
}

long m_Arg(const std::vector<std::wstring>& a, size_t i, long fallback)
{
    return i < a.size() ? wcstol(a[i].c_str(), nullptr, 10) : fallback;
}

void m_Probe(const std::vector<std::wstring>& a)
{
    std::wstring path;
    for (const std::wstring& w : a) path += (path.empty() ? L"" : L" ") + w;
    LONGLONG duration = -1;
    int count = -1;
    SCHAPTERITEM* chapters = nullptr;
    HRESULT hr = m_VR_ProbeFile(path.c_str(), &duration, &count, &chapters);
    m_Host_Print(L"probe hr=0x%08X ms=%lld n=%d", static_cast<unsigned>(hr), duration / 10000,
                 count);
    for (int i = 0; i < count; ++i)
        m_Host_Print(L"probechapter %d start=%.3f", i, chapters[i].Start);
    delete[] chapters;
}

void m_GraphFilters(CVideoRenderer* e, int max)
{
    SFILTERLISTITEM items[16] = {};
    if (max > 16) max = 16;
    const int count = e->m_VR_ListGraphFilters(items, max);
    const int filled = count < max ? count : max;
    m_Host_Print(L"graphfilters n=%d filled=%d", count, filled);
    for (int i = 0; i < filled; ++i) {
        m_Host_Print(L"gfilter %ls page=%d", items[i].Name, items[i].HasPropertyPage);
        items[i].Filter->Release();
    }
}

void m_RegisteredFilters(CVideoRenderer* e)
{
    const int count = m_EnumRegisteredFilters(nullptr, 0);
    const SFILTERLISTITEM* items = nullptr;
    const int filled = e->m_FilterList_Get(&items);
    int braced = 0;
    for (int i = 0; i < filled; ++i) braced += items[i].Clsid[0] == L'{' ? 1 : 0;
    m_Host_Print(L"regfilters n=%d filled=%d braced=%d", count, filled, braced);
}

}  // namespace

int m_Host_RunChapterCommand(CVideoRenderer* e, const std::wstring& name,
                             const std::vector<std::wstring>& a)
{
    if (name == L"chapters") {
        m_PrintChapters(e);
    } else if (name == L"setchapters") {
        m_SetChapters(e, a);
    } else if (name == L"chapterindex") {
        const long ms = a.empty() ? -1 : wcstol(a[0].c_str(), nullptr, 10);
        LONGLONG rest = 0;
        const DWORD index = e->m_VR_GetChapterIndex(ms == -1 ? -1 : ms * 10000LL, &rest);
        m_Host_Print(L"chapterindex %ld rest=%lld", static_cast<long>(index),
                     rest == -1 ? -1 : rest / 10000);
    } else if (name == L"probe") {
        m_Probe(a);
    } else if (name == L"stretchpage") {
        std::wstring path;
        for (const std::wstring& w : a) path += (path.empty() ? L"" : L" ") + w;
        const int r = m_ShowTimeStretchProperty(path.c_str());
        m_Host_Print(L"stretchpage %d loaded=%d", r, GetModuleHandleW(path.c_str()) ? 1 : 0);
    } else if (name == L"graphfilters") {
        m_GraphFilters(e, static_cast<int>(m_Arg(a, 0, 16)));
    } else if (name == L"regfilters") {
        m_RegisteredFilters(e);
    } else if (name == L"streams") {
        m_PrintStreams(e);
    } else if (name == L"addsub") {
        std::wstring path;
        for (const std::wstring& w : a) path += (path.empty() ? L"" : L" ") + w;
        m_Host_Print(L"addsub %d", e->m_VR_AddSubtitleFile(path.c_str()));
    } else if (name == L"selectstream") {
        const int r =
            e->m_VR_SelectStream(static_cast<int>(m_Arg(a, 0, 0)), static_cast<int>(m_Arg(a, 1, 1)),
                                 static_cast<int>(m_Arg(a, 2, -1)));
        m_Host_Print(L"selectstream %d subpath=[%ls]", r, e->m_GetSubtitlePath());
    } else if (name == L"gochapter") {
        e->m_VR_GoToChapter(a.empty() ? 0 : static_cast<int>(wcstol(a[0].c_str(), nullptr, 10)));
    } else {
        return 0;
    }
    return 1;
}
