#include "engine/VideoGrab.h"
#include <new>
#include <string.h>
#include "engine/EngineMessages.h"

CVideoGrabCB* CVideoGrabCB::Create() { return new (std::nothrow) CVideoGrabCB(); }

CVideoGrabCB::CVideoGrabCB() : CUnknown(L"SGCB") {}

CVideoGrabCB::~CVideoGrabCB() { delete[] m_Own.Data; }

HRESULT STDMETHODCALLTYPE CVideoGrabCB::NonDelegatingQueryInterface(REFIID iid, void** out)
{
    if (!out) return E_POINTER;
    if (IsEqualIID(iid, IID_ISampleGrabberCB))
        return m_Ds_GetInterface(static_cast<ISampleGrabberCB*>(this), out);
    return CUnknown::NonDelegatingQueryInterface(iid, out);
}

HRESULT STDMETHODCALLTYPE CVideoGrabCB::SampleCB(double, IMediaSample*) { return S_OK; }

HRESULT STDMETHODCALLTYPE CVideoGrabCB::BufferCB(double time, BYTE* buffer, LONG length)
{
    if (!buffer || length <= 0) return S_OK;
    InterlockedExchange(&m_Armed, 0);
    SGRABFRAME* target = m_Target;
    if (target && target->Data && target->Size == length) {
        memcpy(target->Data, buffer, static_cast<size_t>(length));
        target->Time = time;
    } else {
        target = nullptr;
        StoreFrame(time, buffer, length);
    }
    // A waiting caller takes the frame itself; nobody else is told.
    if (InterlockedExchange(&m_Wait, 0)) return S_OK;
    HWND window = m_Window;
    if (window)
        PostMessageW(window, WM_APP_FRAMEGRABBED, target ? 0 : reinterpret_cast<WPARAM>(&m_Own), 0);
    return S_OK;
}

void CVideoGrabCB::StoreFrame(double time, const BYTE* buffer, LONG length)
{
    if (m_Own.Size != length || !m_Own.Data) {
        delete[] m_Own.Data;
        m_Own.Data = new (std::nothrow) BYTE[static_cast<size_t>(length)];
        m_Own.Size = m_Own.Data ? length : 0;
    }
    if (m_Own.Data) memcpy(m_Own.Data, buffer, static_cast<size_t>(length));
    m_Own.Time = time;
}

void CVideoGrabCB::Arm(int wait)
{
    InterlockedExchange(&m_Wait, wait ? 1 : 0);
    InterlockedExchange(&m_Armed, 1);
}

void CVideoGrabCB::Disarm()
{
    InterlockedExchange(&m_Wait, 0);
    InterlockedExchange(&m_Armed, 0);
}

int CVideoGrabCB::WaitFrame(DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    while (m_Wait) {
        if (GetTickCount() - start >= timeoutMs) {
            // Whoever clears the flag first decides: the frame may have
            // come in this very moment.
            return InterlockedExchange(&m_Wait, 0) ? -1 : 0;
        }
        Sleep(10);
    }
    return 0;
}
