// Handing the source and destination rectangles to the renderer, and the
// repaint calls of windowless renderers.
#include "engine/VideoRenderer.h"

#include <dvdmedia.h>
#include <evr.h>
#include <string.h>

#include "base/ErrorLog.h"
#include "engine/GraphUtil.h"
#include "engine/DsMediaType.h"
#include "engine/VideoGeometry.h"
#include "engine/WineQuirks.h"

namespace {

HRESULT m_PositionBasicVideo(IBasicVideo2* video, IVideoWindow* window, const RECT& s,
                             const RECT& d)
{
    HRESULT hr = video->SetSourcePosition(s.left, s.top, s.right - s.left, s.bottom - s.top);
    if (FAILED(hr))
        m_WriteLog(L"VR_%d : Error / IBasicVideo2::SetSourcePosition() = 0x%08X", __LINE__, hr);
    const long w = d.right - d.left, h = d.bottom - d.top;
    hr = video->SetDestinationPosition(d.left, d.top, w, h);
    if (FAILED(hr))
        m_WriteLog(L"VR_%d : Error / IBasicVideo2::SetDestinationPosition() = 0x%08X", __LINE__,
                   hr);
    if (window) {
        hr = window->SetWindowPosition(d.left, d.top, w, h);
        if (FAILED(hr))
            m_WriteLog(L"VR_%d : Error / IVideoWindow::SetWindowPosition() = 0x%08X", __LINE__, hr);
    }
    return hr;
}

// The picture header of a connected video type, or null.
const BITMAPINFOHEADER* m_HeaderOfType(const AM_MEDIA_TYPE& type)
{
    if (!type.pbFormat) return nullptr;
    if (type.formattype == FORMAT_VideoInfo && type.cbFormat >= sizeof(VIDEOINFOHEADER))
        return &reinterpret_cast<const VIDEOINFOHEADER*>(type.pbFormat)->bmiHeader;
    if (type.formattype == FORMAT_VideoInfo2 && type.cbFormat >= sizeof(VIDEOINFOHEADER2))
        return &reinterpret_cast<const VIDEOINFOHEADER2*>(type.pbFormat)->bmiHeader;
    return nullptr;
}

// 1 when the filter's connected input carries an RGB picture stored bottom
// row first.
int m_InputIsBottomUp(IBaseFilter* filter)
{
    IEnumPins* pins = nullptr;
    if (!filter || FAILED(filter->EnumPins(&pins)) || !pins) return 0;
    int bottomUp = 0, found = 0;
    IPin* pin = nullptr;
    while (!found && pins->Next(1, &pin, nullptr) == S_OK) {
        AM_MEDIA_TYPE type = {};
        if (pin->ConnectionMediaType(&type) == S_OK) {
            const BITMAPINFOHEADER* header = m_HeaderOfType(type);
            found = header != nullptr;
            bottomUp = header && header->biHeight > 0 &&
                       (header->biCompression == BI_RGB || header->biCompression == BI_BITFIELDS);
            m_Ds_FreeMediaType(&type);
        }
        pin->Release();
    }
    pins->Release();
    return bottomUp;
}

}  // namespace

HRESULT CVideoRenderer::m_VR_SetVideoPosition(const double* source, const RECT* destination,
                                              int skipIfSame)
{
    if (!m_Opened) return kVrNotAvailable;
    if (skipIfSame && destination && source &&
        memcmp(destination, &m_LastDestination, sizeof(RECT)) == 0 &&
        memcmp(source, m_LastSourceFractions, sizeof(m_LastSourceFractions)) == 0)
        return 0;
    if (destination) m_LastDestination = *destination;
    if (source) {
        m_VR_MapIntoZoom(m_ZoomRect, source, m_LastSourceFractions);
        m_LastSource =
            m_VR_FractionsToRect(m_LastSourceFractions, m_NativeSize[0], m_NativeSize[1]);
    }
    return m_ApplyVideoPosition();
}

HRESULT CVideoRenderer::m_ApplyVideoPosition()
{
    RECT s = m_LastSource;
    RECT d = m_LastDestination;
    if (m_RendererKind == VR_KIND_VMR7 && m_pVmr7Control)
        return m_VR_Checked(m_pVmr7Control->SetVideoPosition(&s, &d), __LINE__,
                            L"IVMRWindowlessControl::SetVideoPosition()");
    if (m_RendererKind == VR_KIND_VMR9 && m_pVmr9Control)
        return m_VR_Checked(m_pVmr9Control->SetVideoPosition(&s, &d), __LINE__,
                            L"IVMRWindowlessControl9::SetVideoPosition()");
    if (m_RendererKind == VR_KIND_EVR) {
        IMFVideoDisplayControl* display = nullptr;
        HRESULT hr = EVRGetVideoDisplayControl(&display);
        if (FAILED(hr)) return hr;
        const double* f = m_LastSourceFractions;
        MFVideoNormalizedRect n = {static_cast<float>(f[0]), static_cast<float>(f[1]),
                                   static_cast<float>(f[2]), static_cast<float>(f[3])};
        hr = m_VR_Checked(display->SetVideoPosition(&n, &d), __LINE__,
                          L"IMFVideoDisplayControl::SetVideoPosition()");
        display->Release();
        return hr;
    }
    if (!m_pBasicVideo) return kVrNotAvailable;
    if (m_Wine_MirrorSourceRows(m_RendererKind, m_InputIsBottomUp(m_pVideoRenderer))) {
        const LONG h = m_NativeSize[1];
        if (h > 0 && s.bottom <= h) s = RECT{s.left, h - s.bottom, s.right, h - s.top};
    }
    return m_PositionBasicVideo(m_pBasicVideo, m_pVideoWindow, s, d);
}

HRESULT CVideoRenderer::m_VR_RepaintVideo(HDC dc)
{
    if (m_RendererKind == VR_KIND_VMR7 && m_pVmr7Control)
        return m_pVmr7Control->RepaintVideo(m_hVideoWindow, dc);
    if (m_RendererKind == VR_KIND_VMR9 && m_pVmr9Control)
        return m_pVmr9Control->RepaintVideo(m_hVideoWindow, dc);
    if (m_RendererKind == VR_KIND_EVR) {
        IMFVideoDisplayControl* display = nullptr;
        HRESULT hr = EVRGetVideoDisplayControl(&display);
        if (FAILED(hr)) return hr;
        hr = display->RepaintVideo();
        display->Release();
        return hr;
    }
    return kVrNotAvailable;
}

HRESULT CVideoRenderer::m_VR_DisplayModeChanged()
{
    if (m_RendererKind == VR_KIND_VMR7 && m_pVmr7Control)
        return m_pVmr7Control->DisplayModeChanged();
    if (m_RendererKind == VR_KIND_VMR9 && m_pVmr9Control)
        return m_pVmr9Control->DisplayModeChanged();
    return kVrNotAvailable;
}
