// The picture's size, aspect and zoom, and the source and destination
// rectangles given to the renderer in use.
#include "engine/VideoRenderer.h"

#include <dvdmedia.h>
#include <evr.h>
#include <string.h>

#include "base/ErrorLog.h"
#include "engine/DsMediaType.h"
#include "engine/GraphUtil.h"
#include "engine/VideoGeometry.h"
#include "engine/WineQuirks.h"

namespace {

// The native size and aspect from the renderer in use: width, height,
// aspect x, aspect y.
HRESULT m_ReadWindowless7(IVMRWindowlessControl* control, LONG size[4])
{
    HRESULT hr = control->GetNativeVideoSize(&size[0], &size[1], &size[2], &size[3]);
    if (FAILED(hr))
        m_WriteLog(L"VR_%d : Error / IVMRWindowlessControl::GetNativeVideoSize() = 0x%08X",
                   __LINE__, hr);
    return hr;
}

HRESULT m_ReadWindowless9(IVMRWindowlessControl9* control, LONG size[4])
{
    HRESULT hr = control->GetNativeVideoSize(&size[0], &size[1], &size[2], &size[3]);
    if (FAILED(hr))
        m_WriteLog(L"VR_%d : Error / IVMRWindowlessControl9::GetNativeVideoSize() = 0x%08X",
                   __LINE__, hr);
    return hr;
}

HRESULT m_ReadBasicVideo(IBasicVideo2* video, LONG size[4])
{
    HRESULT hr = video->GetVideoSize(&size[0], &size[1]);
    if (FAILED(hr))
        m_WriteLog(L"VR_%d : Error / IBasicVideo2::GetVideoSize() = 0x%08X", __LINE__, hr);
    const bool sized = SUCCEEDED(hr);
    hr = video->GetPreferredAspectRatio(&size[2], &size[3]);
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / IBasicVideo2::GetPreferredAspectRatio() = 0x%08X", __LINE__,
                   hr);
        if (sized && m_Wine_PictureAspectForPreferred()) {
            size[2] = size[0];
            size[3] = size[1];
            hr = S_OK;
        }
    }
    return hr;
}

// Frame time (seconds) and picture aspect of a connected video type; false
// when the type is not video with a known format.
bool m_InputFormatOfType(const AM_MEDIA_TYPE& type, double* frameTime, LONG aspect[2])
{
    if (!IsEqualGUID(type.majortype, MEDIATYPE_Video) || !type.pbFormat) return false;
    if (IsEqualGUID(type.formattype, FORMAT_VideoInfo) &&
        type.cbFormat >= sizeof(VIDEOINFOHEADER)) {
        auto* info = reinterpret_cast<VIDEOINFOHEADER*>(type.pbFormat);
        *frameTime = info->AvgTimePerFrame / 10000000.0;
        aspect[0] = info->rcTarget.right - info->rcTarget.left;
        aspect[1] = info->rcTarget.bottom - info->rcTarget.top;
        return true;
    }
    if (IsEqualGUID(type.formattype, FORMAT_VideoInfo2) &&
        type.cbFormat >= sizeof(VIDEOINFOHEADER2)) {
        auto* info = reinterpret_cast<VIDEOINFOHEADER2*>(type.pbFormat);
        *frameTime = info->AvgTimePerFrame / 10000000.0;
        aspect[0] = static_cast<LONG>(info->dwPictAspectRatioX);
        aspect[1] = static_cast<LONG>(info->dwPictAspectRatioY);
        return true;
    }
    return false;
}

bool m_InputFormatOfFilter(IBaseFilter* filter, double* frameTime, LONG aspect[2])
{
    IEnumPins* pins = nullptr;
    if (FAILED(filter->EnumPins(&pins)) || !pins) return false;
    bool found = false;
    IPin* pin = nullptr;
    while (!found && pins->Next(1, &pin, nullptr) == S_OK) {
        AM_MEDIA_TYPE type = {};
        if (pin->ConnectionMediaType(&type) == S_OK) {
            found = m_InputFormatOfType(type, frameTime, aspect);
            m_Ds_FreeMediaType(&type);
        }
        pin->Release();
    }
    pins->Release();
    return found;
}

}  // namespace

HRESULT CVideoRenderer::m_UpdatetNativeVideoSize()
{
    LONG size[4] = {};
    HRESULT hr = kVrNotAvailable;
    if (m_RendererKind == VR_KIND_VMR7 && m_pVmr7Control) {
        hr = m_ReadWindowless7(m_pVmr7Control, size);
    } else if (m_RendererKind == VR_KIND_VMR9 && m_pVmr9Control) {
        hr = m_ReadWindowless9(m_pVmr9Control, size);
    } else if (m_RendererKind == VR_KIND_EVR) {
        IMFVideoDisplayControl* display = nullptr;
        hr = EVRGetVideoDisplayControl(&display);
        if (FAILED(hr)) return hr;
        SIZE native = {}, aspect = {};
        hr = display->GetNativeVideoSize(&native, &aspect);
        display->Release();
        if (FAILED(hr))
            m_WriteLog(L"VR_%d : Error / IMFVideoDisplayControl::GetNativeVideoSize() = 0x%08X",
                       __LINE__, hr);
        size[0] = native.cx, size[1] = native.cy, size[2] = aspect.cx, size[3] = aspect.cy;
    } else if (m_pBasicVideo) {
        hr = m_ReadBasicVideo(m_pBasicVideo, size);
    }
    if (FAILED(hr)) return hr;
    for (int i = 0; i < 4; ++i) m_NativeSize[i] = size[i];
    m_DisplaySize[0] = m_VR_DisplayWidth(size[0], size[1], size[2], size[3]);
    m_DisplaySize[1] = size[1];
    m_DisplaySize[2] = size[2];
    m_DisplaySize[3] = size[3];
    return hr;
}

void CVideoRenderer::m_VR_ReadRendererInputFormat()
{
    double frameTime = 0;
    LONG aspect[2] = {};
    if (m_pBasicVideo) {
        REFTIME t = 0;
        if (SUCCEEDED(m_pBasicVideo->get_AvgTimePerFrame(&t))) frameTime = t;
        if (FAILED(m_pBasicVideo->GetPreferredAspectRatio(&aspect[0], &aspect[1])))
            aspect[0] = aspect[1] = 0;
    } else if (m_pGraph) {
        IEnumFilters* filters = nullptr;
        if (FAILED(m_pGraph->EnumFilters(&filters)) || !filters) return;
        IBaseFilter* filter = nullptr;
        bool found = false;
        while (!found && filters->Next(1, &filter, nullptr) == S_OK) {
            found = m_InputFormatOfFilter(filter, &frameTime, aspect);
            filter->Release();
        }
        filters->Release();
    }
    if (frameTime > 0) m_FrameTime = frameTime;
    if (m_FrameTime > 0.001) m_FramesPerSecond = 1.0 / m_FrameTime;
    if (aspect[0] >= 1 && aspect[1] >= 1) {
        m_NativeSize[2] = aspect[0];
        m_NativeSize[3] = aspect[1];
    }
}

void CVideoRenderer::m_VR_GetNativeInfo(int* width, int* height, int* aspectX, int* aspectY) const
{
    *width = m_NativeSize[0];
    *height = m_NativeSize[1];
    *aspectX = m_NativeSize[2];
    *aspectY = m_NativeSize[3];
}

void CVideoRenderer::m_VR_GetDisplaySize(int* width, int* height) const
{
    *width = m_DisplaySize[0];
    *height = m_DisplaySize[1];
}

void CVideoRenderer::m_VR_SetAspectRatio(int x, int y)
{
    m_DisplaySize[1] = m_NativeSize[1];
    m_DisplaySize[0] = m_VR_WidthForAspect(x, y, m_NativeSize[1]);
    m_DisplaySize[2] = x;
    m_DisplaySize[3] = y;
}

void CVideoRenderer::m_VR_SetZoomRect(double left, double top, double right, double bottom)
{
    m_ZoomRect[0] = left, m_ZoomRect[1] = top, m_ZoomRect[2] = right, m_ZoomRect[3] = bottom;
}

void CVideoRenderer::m_VR_GetZoomRect(double* left, double* top, double* right,
                                      double* bottom) const
{
    *left = m_ZoomRect[0], *top = m_ZoomRect[1], *right = m_ZoomRect[2], *bottom = m_ZoomRect[3];
}

void CVideoRenderer::m_VR_GetZoomedSize(int* width, int* height) const
{
    *width = static_cast<int>((m_ZoomRect[2] - m_ZoomRect[0]) * m_DisplaySize[0] + 0.5);
    *height = static_cast<int>((m_ZoomRect[3] - m_ZoomRect[1]) * m_DisplaySize[1] + 0.5);
}

void CVideoRenderer::m_VR_GetDurationInfo(LONGLONG* duration, LONGLONG* frames, double* fps) const
{
    *duration = m_Duration;
    *frames = m_FrameCount;
    *fps = m_FramesPerSecond;
}
