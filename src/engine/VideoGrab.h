// The sample-grabber callback on the video path of preview graphs: copies
// each frame that arrives and reports it with WM_APP_FRAMEGRABBED.
#pragma once
#include <windows.h>
#include <dshow.h>
#include <qedit.h>
#include "engine/DsUnknown.h"

// A grabbed frame: RGB32 pixels as the grabber delivers them.
struct SGRABFRAME {
    double Time;  // sample time, seconds
    BYTE* Data;
    int Size;  // bytes
};

// How long a caller waits for an armed frame before giving up.
constexpr DWORD kGrabWaitTimeoutMs = 5000;

class CVideoGrabCB : public CUnknown, public ISampleGrabberCB {
public:
    // A new callback with one reference, its creator's; null when out of
    // memory. The grabber holds its own reference (see CAudioGrabCB).
    static CVideoGrabCB* Create();
    ~CVideoGrabCB() override;

    ZV_DELEGATING_IUNKNOWN
    HRESULT STDMETHODCALLTYPE NonDelegatingQueryInterface(REFIID iid, void** out) override;

    // Not used: returns 0.
    HRESULT STDMETHODCALLTYPE SampleCB(double time, IMediaSample* sample) override;
    // Copies the frame into the target frame when its size fits, else into
    // the callback's own frame; posts WM_APP_FRAMEGRABBED unless a caller
    // waits for it. Returns 0.
    HRESULT STDMETHODCALLTYPE BufferCB(double time, BYTE* buffer, LONG length) override;

    // The window of WM_APP_FRAMEGRABBED.
    void SetWindow(HWND window) { m_Window = window; }
    // A caller-owned frame that takes frames of its size; null for none.
    void SetTarget(SGRABFRAME* target) { m_Target = target; }
    // Expects a frame; wait = 1 when the caller will wait for it with
    // WaitFrame instead of a message.
    void Arm(int wait);
    // Forgets an armed frame (after a seek that failed).
    void Disarm();
    // Polls every 10 ms for the armed frame: 0 when it came, -1 when the
    // time-out ran out first (a later frame is then posted as usual).
    int WaitFrame(DWORD timeoutMs);
    int IsArmed() const { return m_Armed != 0; }
    const SGRABFRAME* GetOwnFrame() const { return &m_Own; }

private:
    CVideoGrabCB();
    void StoreFrame(double time, const BYTE* buffer, LONG length);

    SGRABFRAME m_Own = {};
    SGRABFRAME* volatile m_Target = nullptr;
    volatile LONG m_Armed = 0;
    volatile LONG m_Wait = 0;
    HWND volatile m_Window = nullptr;
};
