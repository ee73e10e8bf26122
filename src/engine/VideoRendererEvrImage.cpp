// The current image of the EVR, optionally at the picture's native size: the
// EVR hands out what it shows, so the picture is first placed at that size.
#include "engine/VideoRenderer.h"

#include <evr.h>
#include <string.h>

#include "base/ErrorLog.h"
#include "engine/ExternalFilters.h"
#include "engine/VideoGeometry.h"

namespace {

// Whether the video window was hidden for native-size grabs.
int g_EvrWindowHidden = 0;

}  // namespace

// The native-size rectangle centred in the last destination.
RECT CVideoRenderer::m_EvrNativeRect() const
{
    const int height = m_NativeSize[1];
    const int width = m_VR_WidthForAspect(m_DisplaySize[2], m_DisplaySize[3], height);
    const int dw = m_LastDestination.right - m_LastDestination.left;
    const int dh = m_LastDestination.bottom - m_LastDestination.top;
    RECT r;
    r.left = (dw - width) / 2;
    r.top = (dh - height) / 2;
    r.right = r.left + width;
    r.bottom = r.top + height;
    return r;
}

void CVideoRenderer::m_EvrPlaceNative(IMFVideoDisplayControl* display, int on)
{
    if (on) {
        if (m_hVideoWindow && IsWindowVisible(m_hVideoWindow)) {
            ShowWindow(m_hVideoWindow, SW_HIDE);
            g_EvrWindowHidden = 1;
        }
        MFVideoNormalizedRect whole = {0, 0, 1, 1};
        RECT native = m_EvrNativeRect();
        HRESULT hr = display->SetVideoPosition(&whole, &native);
        if (FAILED(hr))
            m_WriteLog(L"VR_%d : Error / IMFVideoDisplayControl::SetVideoPosition() = 0x%08X",
                       __LINE__, hr);
        return;
    }
    m_ApplyVideoPosition();
    if (g_EvrWindowHidden && m_hVideoWindow) ShowWindow(m_hVideoWindow, SW_SHOWNA);
    g_EvrWindowHidden = 0;
}

void CVideoRenderer::m_VR_SetEvrNativePosition(int on)
{
    if (m_RendererKind != VR_KIND_EVR || !m_pGraph) return;
    IMFVideoDisplayControl* display = nullptr;
    if (FAILED(EVRGetVideoDisplayControl(&display))) return;
    m_EvrPlaceNative(display, on);
    display->Release();
}

int CVideoRenderer::m_GrabEvr(BITMAPINFOHEADER** image, int nativeSize)
{
    IMFVideoDisplayControl* display = nullptr;
    HRESULT hr = EVRGetVideoDisplayControl(&display);
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / EVRGetVideoDisplayControl() = 0x%08X", __LINE__, hr);
        return 0;
    }
    if (nativeSize) m_EvrPlaceNative(display, 1);
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof(header);
    BYTE* bits = nullptr;
    DWORD size = 0;
    LONGLONG time = 0;
    hr = display->GetCurrentImage(&header, &bits, &size, &time);
    if (SUCCEEDED(hr) && bits) {
        auto* dib = static_cast<BYTE*>(CoTaskMemAlloc(size + sizeof(header)));
        if (dib) {
            memcpy(dib, &header, sizeof(header));
            memcpy(dib + sizeof(header), bits, size);
            *image = reinterpret_cast<BITMAPINFOHEADER*>(dib);
        }
        CoTaskMemFree(bits);
    }
    if (nativeSize) m_EvrPlaceNative(display, 0);
    display->Release();
    return *image ? 1 : 0;
}

int m_VR_IsMadVRInstalled()
{
    IUnknown* renderer = nullptr;
    if (FAILED(CoCreateInstance(CLSID_madVR, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                reinterpret_cast<void**>(&renderer))) ||
        !renderer)
        return 0;
    renderer->Release();
    return 1;
}
