// Pins of our DirectShow filters: the common IPin, an input pin with
// IMemInputPin and an output pin that negotiates types and an allocator.
// A pin lives inside its filter and is counted by it.
#pragma once
#include <windows.h>
#include <dshow.h>

class CBaseFilter;

// Capacity of a pin name (characters, with the terminator).
constexpr int kDsPinNameCap = 64;

class CBasePin : public IPin {
public:
    CBasePin(CBaseFilter* filter, const wchar_t* name, PIN_DIRECTION direction);
    virtual ~CBasePin();
    CBasePin(const CBasePin&) = delete;
    CBasePin& operator=(const CBasePin&) = delete;

    // IUnknown: the filter's count.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // IPin (Connect, ReceiveConnection and the stream calls are per side)
    HRESULT STDMETHODCALLTYPE Disconnect() override;
    HRESULT STDMETHODCALLTYPE ConnectedTo(IPin** pin) override;
    HRESULT STDMETHODCALLTYPE ConnectionMediaType(AM_MEDIA_TYPE* type) override;
    HRESULT STDMETHODCALLTYPE QueryPinInfo(PIN_INFO* info) override;
    HRESULT STDMETHODCALLTYPE QueryDirection(PIN_DIRECTION* direction) override;
    HRESULT STDMETHODCALLTYPE QueryId(LPWSTR* id) override;
    HRESULT STDMETHODCALLTYPE QueryAccept(const AM_MEDIA_TYPE* type) override;
    HRESULT STDMETHODCALLTYPE EnumMediaTypes(IEnumMediaTypes** types) override;
    HRESULT STDMETHODCALLTYPE QueryInternalConnections(IPin** pins, ULONG* count) override;
    HRESULT STDMETHODCALLTYPE NewSegment(REFERENCE_TIME start, REFERENCE_TIME stop,
                                         double rate) override;

    // Interfaces beyond IPin and IUnknown that a derived pin offers.
    virtual HRESULT QueryPinInterface(REFIID iid, void** out);
    // S_OK when the pin takes the type, else S_FALSE or an error.
    virtual HRESULT CheckMediaType(const AM_MEDIA_TYPE* type) = 0;
    // The preferred types, from 0; VFW_S_NO_MORE_ITEMS past the last.
    virtual HRESULT GetMediaType(int index, AM_MEDIA_TYPE* type);
    // Called once a connection is made, and when it ends.
    virtual HRESULT CompleteConnect(IPin* peer);
    virtual void BreakConnect();
    // The filter leaves or enters the stopped state.
    virtual HRESULT Active();
    virtual HRESULT Inactive();

    bool IsConnected() const { return m_Peer != nullptr; }
    IPin* GetPeer() const { return m_Peer; }
    const AM_MEDIA_TYPE* GetConnectedType() const { return &m_Type; }
    CBaseFilter* GetFilter() const { return m_Filter; }
    const wchar_t* GetName() const { return m_Name; }
    // The start of the current segment (the last NewSegment).
    REFERENCE_TIME SegmentStart() const { return m_SegmentStart; }

protected:
    // Stores the peer (counted) and a copy of the type.
    HRESULT SetConnection(IPin* peer, const AM_MEDIA_TYPE* type);
    void ClearConnection();

    CBaseFilter* m_Filter;
    wchar_t m_Name[kDsPinNameCap] = {};
    PIN_DIRECTION m_Direction;
    IPin* m_Peer = nullptr;
    AM_MEDIA_TYPE m_Type = {};
    REFERENCE_TIME m_SegmentStart = 0;
    REFERENCE_TIME m_SegmentStop = 0;
    double m_SegmentRate = 1.0;
};

class CBaseInputPin : public CBasePin, public IMemInputPin {
public:
    CBaseInputPin(CBaseFilter* filter, const wchar_t* name);
    ~CBaseInputPin() override;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT QueryPinInterface(REFIID iid, void** out) override;

    // IPin, input side
    HRESULT STDMETHODCALLTYPE Connect(IPin* pin, const AM_MEDIA_TYPE* type) override;
    HRESULT STDMETHODCALLTYPE ReceiveConnection(IPin* connector,
                                                const AM_MEDIA_TYPE* type) override;
    HRESULT STDMETHODCALLTYPE Disconnect() override;
    HRESULT STDMETHODCALLTYPE EndOfStream() override;
    HRESULT STDMETHODCALLTYPE BeginFlush() override;
    HRESULT STDMETHODCALLTYPE EndFlush() override;
    // IMemInputPin
    HRESULT STDMETHODCALLTYPE GetAllocator(IMemAllocator** allocator) override;
    HRESULT STDMETHODCALLTYPE NotifyAllocator(IMemAllocator* allocator, BOOL readOnly) override;
    HRESULT STDMETHODCALLTYPE GetAllocatorRequirements(ALLOCATOR_PROPERTIES* props) override;
    // The base checks that samples may be taken now (S_OK); derived
    // pins call it first.
    HRESULT STDMETHODCALLTYPE Receive(IMediaSample* sample) override;
    HRESULT STDMETHODCALLTYPE ReceiveMultiple(IMediaSample** samples, long count,
                                              long* done) override;
    HRESULT STDMETHODCALLTYPE ReceiveCanBlock() override;

    HRESULT Inactive() override;
    bool IsFlushing() const { return m_Flushing != 0; }
    BOOL IsReadOnly() const { return m_ReadOnly; }
    IMemAllocator* GetAllocatorInUse() const { return m_Allocator; }

protected:
    // S_OK while samples may pass, S_FALSE while flushing, else an error.
    HRESULT CheckStreaming();

    IMemAllocator* m_Allocator = nullptr;
    BOOL m_ReadOnly = FALSE;
    volatile LONG m_Flushing = 0;
};

class CBaseOutputPin : public CBasePin {
public:
    CBaseOutputPin(CBaseFilter* filter, const wchar_t* name);
    ~CBaseOutputPin() override;

    // IPin, output side
    HRESULT STDMETHODCALLTYPE Connect(IPin* pin, const AM_MEDIA_TYPE* type) override;
    HRESULT STDMETHODCALLTYPE ReceiveConnection(IPin* connector,
                                                const AM_MEDIA_TYPE* type) override;
    HRESULT STDMETHODCALLTYPE Disconnect() override;
    HRESULT STDMETHODCALLTYPE EndOfStream() override;
    HRESULT STDMETHODCALLTYPE BeginFlush() override;
    HRESULT STDMETHODCALLTYPE EndFlush() override;

    // Chooses the allocator of a new connection and tells the input pin.
    virtual HRESULT DecideAllocator(IMemInputPin* input, IMemAllocator** allocator);
    // Sets the buffer properties of an allocator of our own choosing.
    virtual HRESULT DecideBufferSize(IMemAllocator* allocator, ALLOCATOR_PROPERTIES* request);

    HRESULT Active() override;
    HRESULT Inactive() override;

    HRESULT Deliver(IMediaSample* sample);
    HRESULT DeliverEndOfStream();
    HRESULT DeliverBeginFlush();
    HRESULT DeliverEndFlush();
    HRESULT DeliverNewSegment(REFERENCE_TIME start, REFERENCE_TIME stop, double rate);
    IMemInputPin* GetPeerInput() const { return m_PeerInput; }

protected:
    HRESULT AttemptConnection(IPin* pin, const AM_MEDIA_TYPE* type);
    HRESULT TryMediaTypes(IPin* pin, IEnumMediaTypes* types, const AM_MEDIA_TYPE* asked);

    IMemInputPin* m_PeerInput = nullptr;
    IMemAllocator* m_Allocator = nullptr;
};
