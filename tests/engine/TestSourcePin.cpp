// The test source's output pins: a solid RGB32 picture at the described
// frame rate, or 16-bit stereo PCM silence in 100 ms blocks, stamped from
// the start of the pin's segment.
#include "TestSourceFilter.h"

#include <string.h>

#include "engine/DsLock.h"
#include "engine/DsMediaType.h"

namespace {

constexpr REFERENCE_TIME kUnitsPerSecond = 10000000;
constexpr REFERENCE_TIME kAudioBlock = kUnitsPerSecond / 10;
constexpr DWORD kSampleRate = 44100;
constexpr WORD kChannels = 2;
constexpr DWORD kAudioBlockBytes = kSampleRate / 10 * kChannels * 2;

HRESULT m_VideoType(const SSOURCEDESC& desc, AM_MEDIA_TYPE* type)
{
    auto* info = static_cast<VIDEOINFOHEADER*>(CoTaskMemAlloc(sizeof(VIDEOINFOHEADER)));
    if (!info) return E_OUTOFMEMORY;
    memset(info, 0, sizeof(*info));
    info->AvgTimePerFrame = kUnitsPerSecond / desc.Fps;
    info->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info->bmiHeader.biWidth = desc.Width;
    info->bmiHeader.biHeight = desc.Height;
    info->bmiHeader.biPlanes = 1;
    info->bmiHeader.biBitCount = 32;
    info->bmiHeader.biCompression = BI_RGB;
    info->bmiHeader.biSizeImage = static_cast<DWORD>(desc.Width * desc.Height * 4);
    type->majortype = MEDIATYPE_Video;
    type->subtype = MEDIASUBTYPE_RGB32;
    type->formattype = FORMAT_VideoInfo;
    type->bFixedSizeSamples = TRUE;
    type->lSampleSize = info->bmiHeader.biSizeImage;
    type->cbFormat = sizeof(VIDEOINFOHEADER);
    type->pbFormat = reinterpret_cast<BYTE*>(info);
    return S_OK;
}

HRESULT m_AudioType(AM_MEDIA_TYPE* type)
{
    auto* format = static_cast<WAVEFORMATEX*>(CoTaskMemAlloc(sizeof(WAVEFORMATEX)));
    if (!format) return E_OUTOFMEMORY;
    memset(format, 0, sizeof(*format));
    format->wFormatTag = WAVE_FORMAT_PCM;
    format->nChannels = kChannels;
    format->nSamplesPerSec = kSampleRate;
    format->wBitsPerSample = 16;
    format->nBlockAlign = kChannels * 2;
    format->nAvgBytesPerSec = kSampleRate * format->nBlockAlign;
    type->majortype = MEDIATYPE_Audio;
    type->subtype = MEDIASUBTYPE_PCM;
    type->formattype = FORMAT_WaveFormatEx;
    type->bFixedSizeSamples = TRUE;
    type->lSampleSize = format->nBlockAlign;
    type->cbFormat = sizeof(WAVEFORMATEX);
    type->pbFormat = reinterpret_cast<BYTE*>(format);
    return S_OK;
}

}  // namespace

CTestSourcePin::CTestSourcePin(CTestSource* source, const wchar_t* name, bool video)
    : CBaseOutputPin(source, name), m_Source(source), m_Video(video)
{
    InitializeCriticalSection(&m_SeekLock);
    m_Stop = static_cast<REFERENCE_TIME>(source->Description().Duration * kUnitsPerSecond);
}

CTestSourcePin::~CTestSourcePin()
{
    StopThread();
    DeleteCriticalSection(&m_SeekLock);
}

HRESULT STDMETHODCALLTYPE CTestSourcePin::QueryInterface(REFIID iid, void** out)
{
    return CBasePin::QueryInterface(iid, out);
}

ULONG STDMETHODCALLTYPE CTestSourcePin::AddRef() { return CBasePin::AddRef(); }

ULONG STDMETHODCALLTYPE CTestSourcePin::Release() { return CBasePin::Release(); }

HRESULT CTestSourcePin::QueryPinInterface(REFIID iid, void** out)
{
    if (IsEqualIID(iid, IID_IMediaSeeking)) {
        *out = static_cast<IMediaSeeking*>(this);
        AddRef();
        return S_OK;
    }
    return CBaseOutputPin::QueryPinInterface(iid, out);
}

HRESULT CTestSourcePin::GetMediaType(int index, AM_MEDIA_TYPE* type)
{
    if (index != 0) return VFW_S_NO_MORE_ITEMS;
    *type = AM_MEDIA_TYPE{};
    return m_Video ? m_VideoType(m_Source->Description(), type) : m_AudioType(type);
}

HRESULT CTestSourcePin::CheckMediaType(const AM_MEDIA_TYPE* type)
{
    AM_MEDIA_TYPE own = {};
    HRESULT hr = GetMediaType(0, &own);
    if (FAILED(hr)) return hr;
    const bool same = m_Ds_MediaTypeEqual(type, &own);
    m_Ds_FreeMediaType(&own);
    return same ? S_OK : S_FALSE;
}

HRESULT CTestSourcePin::DecideBufferSize(IMemAllocator* allocator, ALLOCATOR_PROPERTIES* request)
{
    const SSOURCEDESC& desc = m_Source->Description();
    ALLOCATOR_PROPERTIES wanted = *request;
    if (wanted.cBuffers < 3) wanted.cBuffers = 3;
    const long size = m_Video ? static_cast<long>(desc.Width * desc.Height * 4)
                              : static_cast<long>(kAudioBlockBytes);
    if (wanted.cbBuffer < size) wanted.cbBuffer = size;
    if (wanted.cbAlign < 1) wanted.cbAlign = 1;
    ALLOCATOR_PROPERTIES actual = {};
    HRESULT hr = allocator->SetProperties(&wanted, &actual);
    if (FAILED(hr)) return hr;
    return actual.cbBuffer < size ? E_FAIL : S_OK;
}

HRESULT CTestSourcePin::Active()
{
    HRESULT hr = CBaseOutputPin::Active();
    if (FAILED(hr)) return hr;
    CDsLock lock(&m_SeekLock);
    return StartThread();
}

HRESULT CTestSourcePin::Inactive()
{
    // Decommitted first: a thread waiting for a buffer then gives up.
    HRESULT hr = CBaseOutputPin::Inactive();
    CDsLock lock(&m_SeekLock);
    StopThread();
    return hr;
}

HRESULT CTestSourcePin::StartThread()
{
    if (m_Thread) return S_OK;
    InterlockedExchange(&m_StopAsked, 0);
    m_Thread = CreateThread(nullptr, 0, &CTestSourcePin::ThreadProc, this, 0, nullptr);
    return m_Thread ? S_OK : HRESULT_FROM_WIN32(GetLastError());
}

void CTestSourcePin::StopThread()
{
    if (!m_Thread) return;
    InterlockedExchange(&m_StopAsked, 1);
    WaitForSingleObject(m_Thread, INFINITE);
    CloseHandle(m_Thread);
    m_Thread = nullptr;
}

DWORD WINAPI CTestSourcePin::ThreadProc(void* self)
{
    static_cast<CTestSourcePin*>(self)->Stream();
    return 0;
}

REFERENCE_TIME CTestSourcePin::Step() const
{
    return m_Video ? kUnitsPerSecond / m_Source->Description().Fps : kAudioBlock;
}

void CTestSourcePin::Fill(IMediaSample* sample) const
{
    BYTE* data = nullptr;
    if (FAILED(sample->GetPointer(&data))) return;
    const SSOURCEDESC& desc = m_Source->Description();
    if (!m_Video) {
        memset(data, 0, kAudioBlockBytes);
        sample->SetActualDataLength(kAudioBlockBytes);
        return;
    }
    const long pixels = desc.Width * desc.Height;
    DWORD* pixel = reinterpret_cast<DWORD*>(data);
    for (long i = 0; i < pixels; ++i) pixel[i] = desc.Colour;
    sample->SetActualDataLength(pixels * 4);
}

// The thread runs with the segment fixed: seeks stop it first.
void CTestSourcePin::Stream()
{
    DeliverNewSegment(m_Start, m_Stop, m_Rate);
    REFERENCE_TIME at = m_Start;
    while (!m_StopAsked && at < m_Stop) {
        IMediaSample* sample = nullptr;
        if (!m_Allocator || FAILED(m_Allocator->GetBuffer(&sample, nullptr, nullptr, 0))) return;
        REFERENCE_TIME end = at + Step() < m_Stop ? at + Step() : m_Stop;
        Fill(sample);
        REFERENCE_TIME start = at - m_Start, stop = end - m_Start;
        sample->SetTime(&start, &stop);
        sample->SetSyncPoint(TRUE);
        sample->SetDiscontinuity(at == m_Start ? TRUE : FALSE);
        HRESULT hr = Deliver(sample);
        sample->Release();
        if (hr != S_OK) return;
        at = end;
    }
    if (!m_StopAsked) DeliverEndOfStream();
}

REFERENCE_TIME CTestSourcePin::GetStart()
{
    CDsLock lock(&m_SeekLock);
    return m_Start;
}
