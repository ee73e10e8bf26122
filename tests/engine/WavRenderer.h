// A test audio renderer: writes the audio it receives, unchanged, to the
// WAV file named by the ZV_TEST_WAV environment variable, as fast as it
// comes. Registered as an audio output device so that the engine binds it
// by name like any other.
#pragma once
#include <windows.h>
#include <dshow.h>
#include "engine/DsFilter.h"
#include "engine/DsPin.h"
#include "engine/DsSeeking.h"

// {8C4E2A6B-1D3F-4E57-9A2B-6F0C3D1E7A95}
inline constexpr CLSID CLSID_ZvWavRenderer = {
    0x8C4E2A6B, 0x1D3F, 0x4E57, {0x9A, 0x2B, 0x6F, 0x0C, 0x3D, 0x1E, 0x7A, 0x95}};
// The device name the engine is given; the category lists it with the
// "DirectSound: " prefix.
constexpr const wchar_t* kWavRendererDevice = L"Zentavio Test Renderer";
constexpr const wchar_t* kWavRendererName = L"DirectSound: Zentavio Test Renderer";

class CWavRenderer;

class CWavRendererPin : public CBaseInputPin {
public:
    explicit CWavRendererPin(CWavRenderer* filter);
    HRESULT CheckMediaType(const AM_MEDIA_TYPE* type) override;
    HRESULT CompleteConnect(IPin* peer) override;
    void BreakConnect() override;
    HRESULT STDMETHODCALLTYPE Receive(IMediaSample* sample) override;
    HRESULT STDMETHODCALLTYPE EndOfStream() override;
    HRESULT STDMETHODCALLTYPE BeginFlush() override;

private:
    CWavRenderer* m_Owner;
};

class CWavRenderer : public CBaseFilter, public IAMFilterMiscFlags {
public:
    static IUnknown* Create();
    ~CWavRenderer() override;

    ZV_DELEGATING_IUNKNOWN
    HRESULT STDMETHODCALLTYPE NonDelegatingQueryInterface(REFIID iid, void** out) override;
    HRESULT STDMETHODCALLTYPE Run(REFERENCE_TIME start) override;
    HRESULT STDMETHODCALLTYPE Stop() override;
    ULONG STDMETHODCALLTYPE GetMiscFlags() override;

    int GetPinCount() override { return 1; }
    CBasePin* GetPin(int index) override;

    // The file: opened with the header at connection, closed at the end.
    void OpenFile(const AM_MEDIA_TYPE* type);
    void CloseFile();
    HRESULT Write(const BYTE* data, long length);
    // End of stream reaches the graph once the filter runs.
    void OnEndOfStream();
    void ClearEndOfStream() { InterlockedExchange(&m_EndOfStream, 0); }

private:
    CWavRenderer();
    void SignalComplete();

    CRITICAL_SECTION m_FileLock;
    HANDLE m_File = INVALID_HANDLE_VALUE;
    DWORD m_HeaderBytes = 0;
    DWORD m_DataBytes = 0;
    volatile LONG m_EndOfStream = 0;
    volatile LONG m_CompleteSent = 0;
    CWavRendererPin m_Pin;
    CDsSeekingPassThru m_Seeking;
};
