// The selectable streams of the open file and the side subtitle files the
// user adds, handed to the subtitle filter.
#include "engine/VideoRenderer.h"

#include <wchar.h>

#include "base/ErrorLog.h"
#include "engine/ExternalFilters.h"
#include "engine/GraphUtil.h"

namespace {

constexpr int kSideInUse = 0;
constexpr int kHidden = 1;

}  // namespace

IAMStreamSelect* CVideoRenderer::m_QueryStreamSelect()
{
    IAMStreamSelect* select = nullptr;
    HRESULT hr = m_pSourceFilter ? m_pSourceFilter->QueryInterface(
                                       IID_IAMStreamSelect, reinterpret_cast<void**>(&select))
                                 : E_NOINTERFACE;
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / SourceFilter::QueryInterface(IID_IAMStreamSelect) = 0x%08X",
                   __LINE__, hr);
        return nullptr;
    }
    return select;
}

HRESULT CVideoRenderer::m_VR_ReadStreams()
{
    m_Streams_Clear(&m_Streams);
    IAMStreamSelect* select = m_QueryStreamSelect();
    if (!select) return E_NOINTERFACE;
    HRESULT hr = m_Streams_Read(select, &m_Streams);
    select->Release();
    return hr;
}

void CVideoRenderer::m_VR_RefreshStreamStates()
{
    IAMStreamSelect* select = m_QueryStreamSelect();
    if (!select) return;
    m_Streams_Refresh(select, &m_Streams);
    select->Release();
}

HRESULT CVideoRenderer::m_VR_ApplyStreamSelect(int index)
{
    IAMStreamSelect* select = m_QueryStreamSelect();
    if (!select) return E_NOINTERFACE;
    HRESULT hr = select->Enable(index, AMSTREAMSELECTENABLE_ENABLE);
    if (FAILED(hr)) m_WriteLog(L"VR_%d : Error / IAMStreamSelect::Enable() = 0x%08X", __LINE__, hr);
    select->Release();
    return hr;
}

// Whether a selection needs the paused picture drawn again.
bool CVideoRenderer::m_SelectionRepaints(int index, int apply, int mode) const
{
    if (mode == 1) return true;
    if (mode != -1 || !apply || m_State != VR_STATE_PAUSED) return false;
    const SSTREAMITEM& item = m_Streams.Items[index];
    if (item.Kind == STREAM_KIND_SUBTITLE && item.SideFile) return true;
    for (int i = 0; i < m_Streams.Count; ++i)
        if (m_Streams.Items[i].SideFile && m_Streams.Items[i].Enabled) return true;
    return false;
}

void CVideoRenderer::m_MarkSideFilesLoaded(int loaded)
{
    for (int i = 0; i < m_Streams.Count; ++i) {
        SSTREAMITEM& item = m_Streams.Items[i];
        if (item.SideFile && item.Kind == STREAM_KIND_SUBTITLE)
            item.SourceEnabled = i == loaded ? 1 : 0;
    }
}

int CVideoRenderer::m_VR_SelectStream(int index, int apply, int mode)
{
    if (!m_Opened || index < 0 || index >= m_Streams.Count) return 0;
    const bool repaint = m_SelectionRepaints(index, apply, mode);
    SSTREAMITEM& item = m_Streams.Items[index];
    for (int i = 0; i < m_Streams.Count; ++i)
        if (m_Streams.Items[i].Kind == item.Kind) m_Streams.Items[i].Enabled = i == index ? 1 : 0;
    if (!apply) return 1;
    if (item.Kind == STREAM_KIND_SUBTITLE && item.SideFile) {
        if (!item.SourceEnabled) m_LoadSideFile(index);
    } else {
        m_SelectSourceStream(index);
    }
    if (repaint) m_VR_StepAndRepaint();
    return 1;
}

void CVideoRenderer::m_LoadSideFile(int index)
{
    if (m_Streams.Items[index].NoSubtitles) {
        m_VR_SetSubtitleFile(-1);
        m_VR_HideSubtitles(1);
        m_SubtitleFlags[kSideInUse] = 0;
    } else {
        // The source's own subtitles go off first: its no-subtitles stream.
        const int off = m_Streams.SelectedSubtitle;
        if (off >= 0 && !m_Streams.Items[off].SideFile && !m_Streams.Items[off].SourceEnabled) {
            m_VR_ApplyStreamSelect(off);
            m_VR_RefreshStreamStates();
        }
        m_VR_SetSubtitleFile(index);
        m_SubtitleFlags[kSideInUse] = 1;
    }
    m_MarkSideFilesLoaded(index);
}

void CVideoRenderer::m_SelectSourceStream(int index)
{
    if (m_Streams.Items[index].Kind == STREAM_KIND_SUBTITLE) {
        if (m_SubtitleFlags[kSideInUse]) {
            m_VR_SetSubtitleFile(-1);
            m_SubtitleFlags[kSideInUse] = 0;
        }
        if (m_SubtitleFlags[kHidden]) m_VR_HideSubtitles(0);
        m_MarkSideFilesLoaded(-1);
    }
    if (!m_Streams.Items[index].SourceEnabled) {
        m_VR_ApplyStreamSelect(index);
        m_VR_RefreshStreamStates();
    }
}

void CVideoRenderer::m_VR_SelectFirstSubtitleFile(int apply)
{
    for (int i = 0; i < m_Streams.Count; ++i) {
        const SSTREAMITEM& item = m_Streams.Items[i];
        if (item.Kind == STREAM_KIND_SUBTITLE && item.SideFile && !item.NoSubtitles) {
            m_VR_SelectStream(i, apply, -1);
            return;
        }
    }
}

int CVideoRenderer::m_VR_AddSubtitleFile(const wchar_t* path)
{
    if (!m_pSubtitleFilter || !path) return 0;
    return m_Streams_AddSideFile(&m_Streams, m_MediaPath, path);
}

void CVideoRenderer::m_VR_SetSubtitleFile(int index)
{
    if (index < 0 || index >= m_Streams.Count) {
        m_VR_PutSubtitleFileName(L"", 0);
        return;
    }
    m_VR_PutSubtitleFileName(m_Streams.Items[index].Path,
                             m_Streams_SideFileLanguage(&m_Streams, index));
}

IDirectVobSub* CVideoRenderer::m_QueryVobSub(const wchar_t* path)
{
    IDirectVobSub* vobSub = nullptr;
    HRESULT hr =
        m_pSubtitleFilter->QueryInterface(IID_IDirectVobSub, reinterpret_cast<void**>(&vobSub));
    if (FAILED(hr)) {
        m_WriteLog(
            L"VR_%d : Error / CLSID_VSFilter::QueryInterface(IID_IDirectVobSub) = 0x%08X "
            L"/ %s",
            __LINE__, hr, path);
        return nullptr;
    }
    return vobSub;
}

void CVideoRenderer::m_VR_PutSubtitleFileName(const wchar_t* path, int language)
{
    if (!m_pSubtitleFilter) return;
    if (m_SubtitleFlags[kHidden] && path[0]) m_VR_HideSubtitles(0);
    IDirectVobSub* vobSub = m_QueryVobSub(path);
    if (!vobSub) return;
    wchar_t name[MAX_PATH + 1] = {};
    wcsncpy(name, path, MAX_PATH);
    HRESULT hr = vobSub->put_FileName(name);
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / IDirectVobSub::put_FileName() = 0x%08X / [%s]", __LINE__, hr,
                   path);
        m_SubtitlePath[0] = L'\0';
    } else {
        wcsncpy(m_SubtitlePath, path, MAX_PATH);
    }
    m_VR_Checked(vobSub->put_SelectedLanguage(language), __LINE__,
                 L"IDirectVobSub::put_SelectedLanguage()");
    vobSub->Release();
}

void CVideoRenderer::m_VR_HideSubtitles(int hide)
{
    if (!m_pSubtitleFilter) return;
    IDirectVobSub* vobSub = m_QueryVobSub(L"");
    if (!vobSub) return;
    bool hidden = false;
    if (FAILED(vobSub->get_HideSubtitles(&hidden)) || hidden != (hide != 0))
        m_VR_Checked(vobSub->put_HideSubtitles(hide != 0), __LINE__,
                     L"IDirectVobSub::put_HideSubtitles()");
    vobSub->Release();
    m_SubtitleFlags[kHidden] = hide ? 1 : 0;
}

int CVideoRenderer::m_VR_GetStreams(const SSTREAMITEM** table) const
{
    if (table) *table = m_Streams.Items;
    return m_Streams.Count;
}

int CVideoRenderer::m_VR_HasMultipleStreams() const
{
    const int* counts = m_Streams.KindCounts;
    return counts[STREAM_KIND_VIDEO] > 1 || counts[STREAM_KIND_AUDIO] > 1 ||
                   counts[STREAM_KIND_SUBTITLE] > 1
               ? 1
               : 0;
}

// A paused picture drawn again after a change of stream or subtitles.
void CVideoRenderer::m_VR_StepAndRepaint()
{
    LONGLONG position = 0;
    if (SUCCEEDED(m_VR_GetCurrentPosition(&position, 1))) m_VR_SetPosition(position);
}
