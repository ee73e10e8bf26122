// A source filter for tests: it plays a description file (a solid picture
// and PCM silence for its duration) and offers what Wine's splitters lack:
// stream selection (IAMStreamSelect) and markers (IAMExtendedSeeking).
#pragma once
#include <windows.h>
#include <dshow.h>

#include "TestSourceDescription.h"
#include "engine/DsFilter.h"
#include "engine/DsPin.h"
#include "engine/SourceInterfaces.h"

// {BC6FB20A-56E0-424F-9B5B-752B369D0257}
inline constexpr CLSID CLSID_ZvTestSource = {
    0xBC6FB20A, 0x56E0, 0x424F, {0x9B, 0x5B, 0x75, 0x2B, 0x36, 0x9D, 0x02, 0x57}};
constexpr const wchar_t* kTestSourceName = L"Zentavio Test Source";

class CTestSource;

// One output pin: a streaming thread from Pause to Stop, and seeking of its
// own (each renderer seeks the pin it is fed by).
class CTestSourcePin : public CBaseOutputPin, public IMediaSeeking {
public:
    CTestSourcePin(CTestSource* source, const wchar_t* name, bool video);
    ~CTestSourcePin() override;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT QueryPinInterface(REFIID iid, void** out) override;

    HRESULT CheckMediaType(const AM_MEDIA_TYPE* type) override;
    HRESULT GetMediaType(int index, AM_MEDIA_TYPE* type) override;
    HRESULT DecideBufferSize(IMemAllocator* allocator, ALLOCATOR_PROPERTIES* request) override;
    HRESULT Active() override;
    HRESULT Inactive() override;

    HRESULT STDMETHODCALLTYPE GetCapabilities(DWORD* caps) override;
    HRESULT STDMETHODCALLTYPE CheckCapabilities(DWORD* caps) override;
    HRESULT STDMETHODCALLTYPE IsFormatSupported(const GUID* format) override;
    HRESULT STDMETHODCALLTYPE QueryPreferredFormat(GUID* format) override;
    HRESULT STDMETHODCALLTYPE GetTimeFormat(GUID* format) override;
    HRESULT STDMETHODCALLTYPE IsUsingTimeFormat(const GUID* format) override;
    HRESULT STDMETHODCALLTYPE SetTimeFormat(const GUID* format) override;
    HRESULT STDMETHODCALLTYPE GetDuration(LONGLONG* duration) override;
    HRESULT STDMETHODCALLTYPE GetStopPosition(LONGLONG* stop) override;
    HRESULT STDMETHODCALLTYPE GetCurrentPosition(LONGLONG* current) override;
    HRESULT STDMETHODCALLTYPE ConvertTimeFormat(LONGLONG* target, const GUID* targetFormat,
                                                LONGLONG source, const GUID* sourceFormat) override;
    HRESULT STDMETHODCALLTYPE SetPositions(LONGLONG* current, DWORD currentFlags, LONGLONG* stop,
                                           DWORD stopFlags) override;
    HRESULT STDMETHODCALLTYPE GetPositions(LONGLONG* current, LONGLONG* stop) override;
    HRESULT STDMETHODCALLTYPE GetAvailable(LONGLONG* earliest, LONGLONG* latest) override;
    HRESULT STDMETHODCALLTYPE SetRate(double rate) override;
    HRESULT STDMETHODCALLTYPE GetRate(double* rate) override;
    HRESULT STDMETHODCALLTYPE GetPreroll(LONGLONG* preroll) override;

    // Where the pin's segment starts (100 ns).
    REFERENCE_TIME GetStart();

private:
    static DWORD WINAPI ThreadProc(void* self);
    void Stream();
    REFERENCE_TIME Step() const;
    void Fill(IMediaSample* sample) const;
    HRESULT StartThread();
    void StopThread();

    CTestSource* m_Source;
    bool m_Video;
    HANDLE m_Thread = nullptr;
    volatile LONG m_StopAsked = 0;
    // Guards the segment and the thread's start and stop.
    CRITICAL_SECTION m_SeekLock;
    REFERENCE_TIME m_Start = 0;
    REFERENCE_TIME m_Stop = 0;
    double m_Rate = 1.0;
};

class CTestSource : public CBaseFilter,
                    public IFileSourceFilter,
                    public IAMStreamSelect,
                    public IAMExtendedSeeking {
public:
    static IUnknown* Create();

    ZV_DELEGATING_IUNKNOWN
    HRESULT STDMETHODCALLTYPE NonDelegatingQueryInterface(REFIID iid, void** out) override;

    int GetPinCount() override { return m_PinCount; }
    CBasePin* GetPin(int index) override;
    // The stream time played is kept over a pause, for the current marker.
    HRESULT STDMETHODCALLTYPE Stop() override;
    HRESULT STDMETHODCALLTYPE Pause() override;
    // A pin's new start: the stream time counts from it.
    void SeekDone();

    // IFileSourceFilter
    HRESULT STDMETHODCALLTYPE Load(LPCOLESTR path, const AM_MEDIA_TYPE* type) override;
    HRESULT STDMETHODCALLTYPE GetCurFile(LPOLESTR* path, AM_MEDIA_TYPE* type) override;
    // IAMStreamSelect
    HRESULT STDMETHODCALLTYPE Count(DWORD* count) override;
    HRESULT STDMETHODCALLTYPE Info(LONG index, AM_MEDIA_TYPE** type, DWORD* flags, LCID* lcid,
                                   DWORD* group, WCHAR** name, IUnknown** object,
                                   IUnknown** unknown) override;
    HRESULT STDMETHODCALLTYPE Enable(LONG index, DWORD flags) override;
    // IDispatch (of IAMExtendedSeeking): no type information
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override;
    // IAMExtendedSeeking
    HRESULT STDMETHODCALLTYPE get_ExSeekCapabilities(long* capabilities) override;
    HRESULT STDMETHODCALLTYPE get_MarkerCount(long* count) override;
    HRESULT STDMETHODCALLTYPE get_CurrentMarker(long* marker) override;
    HRESULT STDMETHODCALLTYPE GetMarkerTime(long marker, double* seconds) override;
    HRESULT STDMETHODCALLTYPE GetMarkerName(long marker, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE put_PlaybackSpeed(double speed) override;
    HRESULT STDMETHODCALLTYPE get_PlaybackSpeed(double* speed) override;

    const SSOURCEDESC& Description() const { return m_Desc; }

private:
    CTestSource();
    ~CTestSource() override;
    REFERENCE_TIME PositionNow();
    DWORD StreamFlags(int index) const;

    SSOURCEDESC m_Desc = {};
    wchar_t m_Path[MAX_PATH] = {};
    bool m_Loaded = false;
    CTestSourcePin* m_Pins[2] = {};
    int m_PinCount = 0;
    double m_Speed = 1.0;
    REFERENCE_TIME m_Elapsed = 0;  // stream time when paused
};
