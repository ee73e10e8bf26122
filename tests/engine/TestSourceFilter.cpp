#include "TestSourceFilter.h"

#include <new>
#include <string.h>
#include <wchar.h>

#include "StandInLog.h"
#include "StandInServer.h"
#include "engine/DsLock.h"

namespace {

constexpr double kUnitsPerSecond = 1e7;
// Extended seeking capabilities: can seek, seeks to markers.
constexpr long kExSeekCanSeek = 1;
constexpr long kExSeekMarkerSeek = 4;

}  // namespace

IUnknown* CTestSource::Create()
{
    auto* source = new (std::nothrow) CTestSource();
    return source ? source->GetOwner() : nullptr;
}

CTestSource::CTestSource() : CBaseFilter(L"TestSource", CLSID_ZvTestSource)
{
    m_StandIn_ObjectBorn();
}

CTestSource::~CTestSource()
{
    for (CTestSourcePin* pin : m_Pins) delete pin;
    m_StandIn_Log(L"Source destroyed");
    m_StandIn_ObjectDied();
}

HRESULT STDMETHODCALLTYPE CTestSource::NonDelegatingQueryInterface(REFIID iid, void** out)
{
    if (!out) return E_POINTER;
    if (IsEqualIID(iid, IID_IFileSourceFilter))
        return m_Ds_GetInterface(static_cast<IFileSourceFilter*>(this), out);
    if (IsEqualIID(iid, IID_IAMStreamSelect))
        return m_Ds_GetInterface(static_cast<IAMStreamSelect*>(this), out);
    if (IsEqualIID(iid, IID_IAMExtendedSeeking) || IsEqualIID(iid, IID_IDispatch))
        return m_Ds_GetInterface(static_cast<IAMExtendedSeeking*>(this), out);
    return CBaseFilter::NonDelegatingQueryInterface(iid, out);
}

CBasePin* CTestSource::GetPin(int index)
{
    return index >= 0 && index < m_PinCount ? m_Pins[index] : nullptr;
}

HRESULT STDMETHODCALLTYPE CTestSource::Stop()
{
    CDsLock lock(&m_FilterLock);
    m_Elapsed = 0;
    return CBaseFilter::Stop();
}

HRESULT STDMETHODCALLTYPE CTestSource::Pause()
{
    CDsLock lock(&m_FilterLock);
    REFERENCE_TIME now = 0;
    if (m_State == State_Running && m_Clock && SUCCEEDED(m_Clock->GetTime(&now)))
        m_Elapsed = now > m_StreamStart ? now - m_StreamStart : 0;
    return CBaseFilter::Pause();
}

void CTestSource::SeekDone()
{
    CDsLock lock(&m_FilterLock);
    m_Elapsed = 0;
}

HRESULT STDMETHODCALLTYPE CTestSource::Load(LPCOLESTR path, const AM_MEDIA_TYPE*)
{
    if (!path) return E_POINTER;
    CDsLock lock(&m_FilterLock);
    if (m_Loaded) return E_UNEXPECTED;
    HRESULT hr = m_SourceDesc_Load(path, &m_Desc);
    m_StandIn_Log(L"Source Load [%s] 0x%08X", path, static_cast<unsigned>(hr));
    if (FAILED(hr)) return hr;
    if (m_SourceDesc_Has(&m_Desc, MEDIATYPE_Video))
        m_Pins[m_PinCount++] = new (std::nothrow) CTestSourcePin(this, L"Video", true);
    if (m_SourceDesc_Has(&m_Desc, MEDIATYPE_Audio))
        m_Pins[m_PinCount++] = new (std::nothrow) CTestSourcePin(this, L"Audio", false);
    for (int i = 0; i < m_PinCount; ++i)
        if (!m_Pins[i]) return E_OUTOFMEMORY;
    m_Ds_CopyText(m_Path, MAX_PATH, path);
    m_Loaded = true;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CTestSource::GetCurFile(LPOLESTR* path, AM_MEDIA_TYPE* type)
{
    if (!path) return E_POINTER;
    *path = nullptr;
    if (type) *type = AM_MEDIA_TYPE{};
    if (!m_Loaded) return E_FAIL;
    const size_t bytes = (wcslen(m_Path) + 1) * sizeof(wchar_t);
    *path = static_cast<LPOLESTR>(CoTaskMemAlloc(bytes));
    if (!*path) return E_OUTOFMEMORY;
    memcpy(*path, m_Path, bytes);
    if (type) type->majortype = MEDIATYPE_Stream;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CTestSource::Count(DWORD* count)
{
    if (!count) return E_POINTER;
    *count = static_cast<DWORD>(m_Desc.StreamCount);
    return S_OK;
}

// The stream's state as Info reports it: exclusive when it is the only
// stream of its group that is on.
DWORD CTestSource::StreamFlags(int index) const
{
    const SSOURCESTREAM& s = m_Desc.Streams[index];
    if (!s.Enabled) return 0;
    int enabledInGroup = 0;
    for (int i = 0; i < m_Desc.StreamCount; ++i)
        if (m_Desc.Streams[i].Group == s.Group && m_Desc.Streams[i].Enabled) ++enabledInGroup;
    return enabledInGroup == 1 ? AMSTREAMSELECTINFO_ENABLED | AMSTREAMSELECTINFO_EXCLUSIVE
                               : AMSTREAMSELECTINFO_ENABLED;
}

HRESULT STDMETHODCALLTYPE CTestSource::Info(LONG index, AM_MEDIA_TYPE** type, DWORD* flags,
                                            LCID* lcid, DWORD* group, WCHAR** name,
                                            IUnknown** object, IUnknown** unknown)
{
    if (object) *object = nullptr;
    if (unknown) *unknown = nullptr;
    if (type) *type = nullptr;
    if (name) *name = nullptr;
    CDsLock lock(&m_FilterLock);
    if (index < 0 || index >= m_Desc.StreamCount) return E_INVALIDARG;
    const SSOURCESTREAM& s = m_Desc.Streams[index];
    if (flags) *flags = StreamFlags(index);
    if (lcid) *lcid = s.Lcid;
    if (group) *group = s.Group;
    const size_t bytes = (wcslen(s.Name) + 1) * sizeof(wchar_t);
    WCHAR* copy = name ? static_cast<WCHAR*>(CoTaskMemAlloc(bytes)) : nullptr;
    AM_MEDIA_TYPE* media =
        type ? static_cast<AM_MEDIA_TYPE*>(CoTaskMemAlloc(sizeof(*media))) : nullptr;
    if ((name && !copy) || (type && !media)) {
        CoTaskMemFree(copy);
        CoTaskMemFree(media);
        return E_OUTOFMEMORY;
    }
    if (copy) *name = static_cast<WCHAR*>(memcpy(copy, s.Name, bytes));
    if (media) {
        *media = AM_MEDIA_TYPE{};
        media->majortype = s.Major;
        *type = media;
    }
    return S_OK;
}

// 0 turns the whole group off, ENABLE keeps only this stream of its group,
// ENABLEALL turns the whole group on.
HRESULT STDMETHODCALLTYPE CTestSource::Enable(LONG index, DWORD flags)
{
    CDsLock lock(&m_FilterLock);
    HRESULT hr = S_OK;
    if (index < 0 || index >= m_Desc.StreamCount)
        hr = E_INVALIDARG;
    else if (flags != 0 && flags != AMSTREAMSELECTENABLE_ENABLE &&
             flags != AMSTREAMSELECTENABLE_ENABLEALL)
        hr = E_NOTIMPL;
    m_StandIn_Log(L"Source Enable %ld %lu 0x%08X", index, flags, static_cast<unsigned>(hr));
    if (FAILED(hr)) return hr;
    const DWORD group = m_Desc.Streams[index].Group;
    for (int i = 0; i < m_Desc.StreamCount; ++i) {
        SSOURCESTREAM& s = m_Desc.Streams[i];
        if (s.Group != group) continue;
        s.Enabled = flags == AMSTREAMSELECTENABLE_ENABLEALL ||
                    (flags == AMSTREAMSELECTENABLE_ENABLE && i == index);
    }
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CTestSource::GetTypeInfoCount(UINT* count)
{
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CTestSource::GetTypeInfo(UINT, LCID, ITypeInfo** info)
{
    if (info) *info = nullptr;
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE CTestSource::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*)
{
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE CTestSource::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*,
                                              EXCEPINFO*, UINT*)
{
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE CTestSource::get_ExSeekCapabilities(long* capabilities)
{
    if (!capabilities) return E_POINTER;
    *capabilities = kExSeekCanSeek | (m_Desc.MarkerCount ? kExSeekMarkerSeek : 0);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CTestSource::get_MarkerCount(long* count)
{
    if (!count) return E_POINTER;
    *count = m_Desc.MarkerCount;
    return S_OK;
}

// The position of the first pin: its segment start, plus the stream time
// played (still counting while running).
REFERENCE_TIME CTestSource::PositionNow()
{
    CDsLock lock(&m_FilterLock);
    REFERENCE_TIME position = m_PinCount ? m_Pins[0]->GetStart() : 0;
    REFERENCE_TIME now = 0;
    if (m_State == State_Running && m_Clock && SUCCEEDED(m_Clock->GetTime(&now)))
        return position + (now > m_StreamStart ? now - m_StreamStart : 0);
    return position + m_Elapsed;
}

// The last marker at or before the position; the first before them all.
HRESULT STDMETHODCALLTYPE CTestSource::get_CurrentMarker(long* marker)
{
    if (!marker) return E_POINTER;
    *marker = 0;
    if (!m_Desc.MarkerCount) return E_FAIL;
    const double seconds = PositionNow() / kUnitsPerSecond;
    *marker = 1;
    for (int i = 0; i < m_Desc.MarkerCount; ++i)
        if (m_Desc.Markers[i].Seconds <= seconds) *marker = i + 1;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CTestSource::GetMarkerTime(long marker, double* seconds)
{
    if (!seconds) return E_POINTER;
    if (marker < 1 || marker > m_Desc.MarkerCount) return E_INVALIDARG;
    *seconds = m_Desc.Markers[marker - 1].Seconds;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CTestSource::GetMarkerName(long marker, BSTR* name)
{
    if (!name) return E_POINTER;
    *name = nullptr;
    if (marker < 1 || marker > m_Desc.MarkerCount) return E_INVALIDARG;
    *name = SysAllocString(m_Desc.Markers[marker - 1].Name);
    return *name ? S_OK : E_OUTOFMEMORY;
}

HRESULT STDMETHODCALLTYPE CTestSource::put_PlaybackSpeed(double speed)
{
    if (speed <= 0) return E_INVALIDARG;
    m_Speed = speed;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CTestSource::get_PlaybackSpeed(double* speed)
{
    if (!speed) return E_POINTER;
    *speed = m_Speed;
    return S_OK;
}
