// The sample-grabber callback on the audio path: applies the engine's
// software gain, balance, swap and mix to every buffer that passes.
#pragma once
#include <windows.h>
#include <dshow.h>
#include <qedit.h>
#include "engine/DsUnknown.h"
#include "engine/AudioProcess.h"

class CAudioGrabCB : public CUnknown, public ISampleGrabberCB {
public:
    // A new callback with one reference, its creator's; null when out of
    // memory. The grabber that takes it holds a reference of its own, so
    // the callback lives as long as the graph that calls it.
    static CAudioGrabCB* Create();

    ZV_DELEGATING_IUNKNOWN
    HRESULT STDMETHODCALLTYPE NonDelegatingQueryInterface(REFIID iid, void** out) override;

    // Not used: returns 0.
    HRESULT STDMETHODCALLTYPE SampleCB(double time, IMediaSample* sample) override;
    // Processes the buffer in place; E_NOTIMPL, which the grabber ignores.
    HRESULT STDMETHODCALLTYPE BufferCB(double time, BYTE* buffer, LONG length) override;

    // Each option is one aligned value, written whole by the UI thread and
    // read per buffer by the streaming thread; held to its range.
    void SetGain(int percent);
    void SetMix(int percent);
    void SetSwap(int swap);
    void SetBalance(int balance);
    SAUDIOOPTIONS GetOptions() const;

    // Back to 2 channels of 16 bits.
    void ResetFormat();
    // Takes the format of the grabber's connected type; a type that cannot
    // be processed makes the callback pass audio through. 1 when the type
    // can be processed.
    int SetMediaType(const AM_MEDIA_TYPE* type);
    SAUDIOFORMAT GetFormat() const;

private:
    CAudioGrabCB();

    volatile LONG m_Gain = 100;
    volatile LONG m_Mix = 0;
    volatile LONG m_Swap = 0;
    volatile LONG m_Balance = 0;
    // Written while the graph is stopped, read per buffer.
    volatile LONG m_Kind;
    volatile LONG m_Channels;
    volatile LONG m_BlockAlign;
};
