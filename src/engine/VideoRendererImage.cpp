// Taking the current image from the renderer in use as a packed DIB
// (BITMAPINFOHEADER and bits, from CoTaskMemAlloc; the caller frees it).
#include "engine/VideoRenderer.h"

#include <math.h>

#include "base/ErrorLog.h"
#include "engine/GraphUtil.h"
#include "engine/WineQuirks.h"

namespace {

// How long a state change may take before the grab goes on without it.
constexpr DWORD kStateWaitMs = 2000;
constexpr DWORD kImageRetryMs = 20;

void m_WaitState(IMediaControl* control)
{
    OAFilterState state;
    control->GetState(kStateWaitMs, &state);
}

}  // namespace

int CVideoRenderer::m_GetCurrentImage(BITMAPINFOHEADER** image, int nativeSize)
{
    if (!image) return 0;
    *image = nullptr;
    if (!m_Opened || !m_pMediaControl) return 0;
    if ((m_RendererKind == VR_KIND_VMR7 && m_pVmr7Control) ||
        (m_RendererKind == VR_KIND_VMR9 && m_pVmr9Control))
        return m_GrabWindowless(image);
    if (m_RendererKind == VR_KIND_EVR) return m_GrabEvr(image, nativeSize);
    if (m_pBasicVideo) return m_GrabBasicVideo(image);
    return 0;
}

// The windowless renderers hand out the image of a stopped graph; a paused
// graph is paused again afterwards so that it matches the engine's state,
// and no wait is without end.
int CVideoRenderer::m_GrabWindowless(BITMAPINFOHEADER** image)
{
    const bool paused = m_State == VR_STATE_PAUSED;
    if (paused) {
        m_VR_Checked(m_pMediaControl->StopWhenReady(), __LINE__, L"IMediaControl::StopWhenReady()");
        m_WaitState(m_pMediaControl);
    }
    BYTE* dib = nullptr;
    HRESULT hr;
    if (m_RendererKind == VR_KIND_VMR7) {
        hr = m_pVmr7Control->GetCurrentImage(&dib);
        if (FAILED(hr))
            m_WriteLog(L"VR_%d : Error / IVMRWindowlessControl::GetCurrentImage() = 0x%08X",
                       __LINE__, hr);
    } else {
        hr = m_pVmr9Control->GetCurrentImage(&dib);
        if (FAILED(hr))
            m_WriteLog(L"VR_%d : Error / IVMRWindowlessControl9::GetCurrentImage() = 0x%08X",
                       __LINE__, hr);
    }
    if (paused) {
        m_VR_Checked(m_pMediaControl->Pause(), __LINE__, L"IMediaControl::Pause()");
        m_WaitState(m_pMediaControl);
    }
    if (FAILED(hr) || !dib) return 0;
    *image = reinterpret_cast<BITMAPINFOHEADER*>(dib);
    return 1;
}

// The old renderer gives the image of a paused graph; the graph goes back to
// the state it was in, which the engine's state field still names.
int CVideoRenderer::m_GrabBasicVideo(BITMAPINFOHEADER** image)
{
    const DWORD before = m_State;
    if (before != VR_STATE_PAUSED) {
        m_VR_Checked(m_pMediaControl->Pause(), __LINE__, L"IMediaControl::Pause()");
        m_WaitState(m_pMediaControl);
    }
    HRESULT hr = m_BasicVideoImage(image);
    if (before == VR_STATE_RUNNING)
        m_VR_Checked(m_pMediaControl->Run(), __LINE__, L"IMediaControl::Run()");
    else if (before != VR_STATE_PAUSED)
        m_VR_Checked(m_pMediaControl->Stop(), __LINE__, L"IMediaControl::Stop()");
    return SUCCEEDED(hr) && *image ? 1 : 0;
}

HRESULT CVideoRenderer::m_BasicVideoImage(BITMAPINFOHEADER** image)
{
    long size = 0;
    HRESULT hr = m_pBasicVideo->GetCurrentImage(&size, nullptr);
    if (FAILED(hr) || size <= 0) {
        long width = 0, height = 0;
        if (m_Wine_ImageSizeNeedsBuffer() &&
            SUCCEEDED(m_pBasicVideo->GetVideoSize(&width, &height)))
            size = m_Wine_ImageBufferSize(width, height);
        if (size <= 0) {
            m_WriteLog(
                L"VR_%d : Error / IBasicVideo2::GetCurrentImage(NULL) = 0x%08X "
                L"(BufferSize=%d)",
                __LINE__, hr, size);
            return FAILED(hr) ? hr : E_FAIL;
        }
    }
    auto* buffer = static_cast<long*>(CoTaskMemAlloc(size));
    if (!buffer) return E_OUTOFMEMORY;
    hr = m_pBasicVideo->GetCurrentImage(&size, buffer);
    if (hr == VFW_E_NOT_PAUSED) {
        m_WaitState(m_pMediaControl);
        hr = m_pBasicVideo->GetCurrentImage(&size, buffer);
    }
    for (int i = 0; hr == E_UNEXPECTED && i < m_Wine_ImageRetries(); ++i) {
        Sleep(kImageRetryMs);
        hr = m_pBasicVideo->GetCurrentImage(&size, buffer);
    }
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / IBasicVideo2::GetCurrentImage() = 0x%08X (BufferSize=%d)",
                   __LINE__, hr, size);
        CoTaskMemFree(buffer);
        return hr;
    }
    *image = reinterpret_cast<BITMAPINFOHEADER*>(buffer);
    return hr;
}

HRESULT CVideoRenderer::m_DrawPausedImage()
{
    if (!m_pBasicVideo || !m_hVideoWindow) return S_FALSE;
    // The old renderer's window is the one child of the video window.
    HWND target = GetWindow(m_hVideoWindow, GW_CHILD);
    if (!target) return S_FALSE;
    BITMAPINFOHEADER* image = nullptr;
    HRESULT hr = m_BasicVideoImage(&image);
    if (FAILED(hr) || !image) return FAILED(hr) ? hr : E_FAIL;
    const BYTE* bits = reinterpret_cast<const BYTE*>(image) + image->biSize +
                       image->biClrUsed * sizeof(RGBQUAD);
    const RECT& d = m_LastDestination;
    // Only the visible part of a video larger than its area, as when running.
    const long height = image->biHeight < 0 ? -image->biHeight : image->biHeight;
    const double* f = m_LastSourceFractions;
    const int left = static_cast<int>(lround(f[0] * image->biWidth));
    const int top = static_cast<int>(lround(f[1] * height));
    const int right = static_cast<int>(lround(f[2] * image->biWidth));
    const int bottom = static_cast<int>(lround(f[3] * height));
    // A bottom-up image counts its source rows from the bottom.
    const int ySrc = image->biHeight > 0 ? static_cast<int>(height) - bottom : top;
    HDC dc = GetDC(target);
    if (dc) {
        SetStretchBltMode(dc, HALFTONE);
        if (!StretchDIBits(dc, d.left, d.top, d.right - d.left, d.bottom - d.top, left, ySrc,
                           right - left, bottom - top, bits,
                           reinterpret_cast<const BITMAPINFO*>(image), DIB_RGB_COLORS, SRCCOPY))
            hr = E_FAIL;
        ReleaseDC(target, dc);
    }
    CoTaskMemFree(image);
    return hr;
}
