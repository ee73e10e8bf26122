#include "WavRenderer.h"
#include <new>
#include "StandInLog.h"
#include "StandInServer.h"
#include "engine/DsLock.h"

// ---- pin ----------------------------------------------------------------------

CWavRendererPin::CWavRendererPin(CWavRenderer* filter)
    : CBaseInputPin(filter, L"Audio Input"), m_Owner(filter)
{
}

HRESULT CWavRendererPin::CheckMediaType(const AM_MEDIA_TYPE* type)
{
    if (!IsEqualGUID(type->majortype, MEDIATYPE_Audio) ||
        !IsEqualGUID(type->formattype, FORMAT_WaveFormatEx) || !type->pbFormat ||
        type->cbFormat < sizeof(PCMWAVEFORMAT))
        return S_FALSE;
    return S_OK;
}

HRESULT CWavRendererPin::CompleteConnect(IPin*)
{
    m_Owner->OpenFile(&m_Type);
    return S_OK;
}

void CWavRendererPin::BreakConnect() { m_Owner->CloseFile(); }

HRESULT STDMETHODCALLTYPE CWavRendererPin::Receive(IMediaSample* sample)
{
    HRESULT hr = CBaseInputPin::Receive(sample);
    if (hr != S_OK) return hr;
    BYTE* data = nullptr;
    if (FAILED(sample->GetPointer(&data)) || !data) return S_OK;
    return m_Owner->Write(data, sample->GetActualDataLength());
}

HRESULT STDMETHODCALLTYPE CWavRendererPin::EndOfStream()
{
    if (IsFlushing()) return S_FALSE;
    m_Owner->OnEndOfStream();
    return S_OK;
}

HRESULT STDMETHODCALLTYPE CWavRendererPin::BeginFlush()
{
    m_Owner->ClearEndOfStream();
    return CBaseInputPin::BeginFlush();
}

// ---- filter -------------------------------------------------------------------

IUnknown* CWavRenderer::Create()
{
    auto* filter = new (std::nothrow) CWavRenderer();
    return filter ? filter->GetOwner() : nullptr;
}

CWavRenderer::CWavRenderer()
    : CBaseFilter(L"WavRenderer", CLSID_ZvWavRenderer), m_Pin(this), m_Seeking(GetOwner(), &m_Pin)
{
    InitializeCriticalSection(&m_FileLock);
    m_StandIn_ObjectBorn();
}

CWavRenderer::~CWavRenderer()
{
    CloseFile();
    DeleteCriticalSection(&m_FileLock);
    m_StandIn_ObjectDied();
}

HRESULT STDMETHODCALLTYPE CWavRenderer::NonDelegatingQueryInterface(REFIID iid, void** out)
{
    if (!out) return E_POINTER;
    // The graph seeks through its renderers and counts them for EC_COMPLETE.
    if (IsEqualIID(iid, IID_IMediaSeeking))
        return m_Ds_GetInterface(static_cast<IMediaSeeking*>(&m_Seeking), out);
    if (IsEqualIID(iid, IID_IAMFilterMiscFlags))
        return m_Ds_GetInterface(static_cast<IAMFilterMiscFlags*>(this), out);
    return CBaseFilter::NonDelegatingQueryInterface(iid, out);
}

ULONG STDMETHODCALLTYPE CWavRenderer::GetMiscFlags() { return AM_FILTER_MISC_FLAGS_IS_RENDERER; }

CBasePin* CWavRenderer::GetPin(int index) { return index == 0 ? &m_Pin : nullptr; }

HRESULT STDMETHODCALLTYPE CWavRenderer::Run(REFERENCE_TIME start)
{
    HRESULT hr = CBaseFilter::Run(start);
    if (SUCCEEDED(hr) && m_EndOfStream) SignalComplete();
    return hr;
}

HRESULT STDMETHODCALLTYPE CWavRenderer::Stop()
{
    ClearEndOfStream();
    InterlockedExchange(&m_CompleteSent, 0);
    return CBaseFilter::Stop();
}

void CWavRenderer::OnEndOfStream()
{
    InterlockedExchange(&m_EndOfStream, 1);
    m_StandIn_Log(L"WavRenderer end of stream, state %d", static_cast<int>(m_State));
    if (m_State == State_Running) SignalComplete();
}

void CWavRenderer::SignalComplete()
{
    if (InterlockedExchange(&m_CompleteSent, 1)) return;
    HRESULT hr =
        NotifyEvent(EC_COMPLETE, S_OK, reinterpret_cast<LONG_PTR>(static_cast<IBaseFilter*>(this)));
    m_StandIn_Log(L"WavRenderer complete 0x%08X", static_cast<unsigned>(hr));
}

void CWavRenderer::OpenFile(const AM_MEDIA_TYPE* type)
{
    CDsLock lock(&m_FileLock);
    wchar_t path[MAX_PATH];
    DWORD n = GetEnvironmentVariableW(L"ZV_TEST_WAV", path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH || m_File != INVALID_HANDLE_VALUE) return;
    m_File = CreateFileW(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (m_File == INVALID_HANDLE_VALUE) return;
    // The format block as it came, extensible part included.
    const auto* wave = reinterpret_cast<const WAVEFORMATEX*>(type->pbFormat);
    DWORD fmt = sizeof(PCMWAVEFORMAT);
    if (type->cbFormat >= sizeof(WAVEFORMATEX)) fmt = sizeof(WAVEFORMATEX) + wave->cbSize;
    if (fmt > type->cbFormat) fmt = type->cbFormat;
    DWORD zero = 0, done = 0;
    WriteFile(m_File, "RIFF", 4, &done, nullptr);
    WriteFile(m_File, &zero, 4, &done, nullptr);
    WriteFile(m_File, "WAVEfmt ", 8, &done, nullptr);
    WriteFile(m_File, &fmt, 4, &done, nullptr);
    WriteFile(m_File, type->pbFormat, fmt, &done, nullptr);
    if (fmt & 1) WriteFile(m_File, &zero, 1, &done, nullptr);
    WriteFile(m_File, "data", 4, &done, nullptr);
    WriteFile(m_File, &zero, 4, &done, nullptr);
    m_HeaderBytes = 20 + fmt + (fmt & 1) + 8;
    m_DataBytes = 0;
    m_StandIn_Log(L"WavRenderer open %u channels %u bits tag 0x%04X", wave->nChannels,
                  wave->wBitsPerSample, wave->wFormatTag);
}

HRESULT CWavRenderer::Write(const BYTE* data, long length)
{
    CDsLock lock(&m_FileLock);
    if (m_File == INVALID_HANDLE_VALUE || length <= 0) return S_OK;
    DWORD done = 0;
    SetFilePointer(m_File, 0, nullptr, FILE_END);
    if (!WriteFile(m_File, data, static_cast<DWORD>(length), &done, nullptr)) return E_FAIL;
    m_DataBytes += done;
    // Sizes kept right after every buffer, so the file is whole whenever
    // it is read.
    DWORD riff = m_HeaderBytes - 8 + m_DataBytes;
    SetFilePointer(m_File, 4, nullptr, FILE_BEGIN);
    WriteFile(m_File, &riff, 4, &done, nullptr);
    SetFilePointer(m_File, static_cast<LONG>(m_HeaderBytes - 4), nullptr, FILE_BEGIN);
    WriteFile(m_File, &m_DataBytes, 4, &done, nullptr);
    return S_OK;
}

void CWavRenderer::CloseFile()
{
    CDsLock lock(&m_FileLock);
    if (m_File == INVALID_HANDLE_VALUE) return;
    CloseHandle(m_File);
    m_File = INVALID_HANDLE_VALUE;
}
