// What the build reads about the open file: the duration and the frame time,
// which seeking and frame steps need. Streams, chapters, key frames and the
// video size are read by their own files (VideoRendererStreams, ...Chapters,
// ...KeyFrames, ...Geometry).
#include "engine/VideoRenderer.h"

#include <dvdmedia.h>

#include "engine/DsMediaType.h"
#include "engine/GraphUtil.h"

namespace {

constexpr double kUnitsPerSecond = 10000000.0;

// AvgTimePerFrame of a connected video type, in seconds; 0 when the type
// carries none.
double m_FrameTimeOfType(const AM_MEDIA_TYPE& type)
{
    if (!IsEqualGUID(type.majortype, MEDIATYPE_Video) || !type.pbFormat) return 0;
    if (IsEqualGUID(type.formattype, FORMAT_VideoInfo) && type.cbFormat >= sizeof(VIDEOINFOHEADER))
        return reinterpret_cast<VIDEOINFOHEADER*>(type.pbFormat)->AvgTimePerFrame / kUnitsPerSecond;
    if (IsEqualGUID(type.formattype, FORMAT_VideoInfo2) &&
        type.cbFormat >= sizeof(VIDEOINFOHEADER2))
        return reinterpret_cast<VIDEOINFOHEADER2*>(type.pbFormat)->AvgTimePerFrame /
               kUnitsPerSecond;
    return 0;
}

double m_FrameTimeOfFilter(IBaseFilter* filter)
{
    IEnumPins* pins = nullptr;
    if (FAILED(filter->EnumPins(&pins)) || !pins) return 0;
    double found = 0;
    IPin* pin = nullptr;
    while (found == 0 && pins->Next(1, &pin, nullptr) == S_OK) {
        AM_MEDIA_TYPE type = {};
        if (pin->ConnectionMediaType(&type) == S_OK) {
            found = m_FrameTimeOfType(type);
            m_Ds_FreeMediaType(&type);
        }
        pin->Release();
    }
    pins->Release();
    return found;
}

}  // namespace

double CVideoRenderer::m_VR_ReadFrameTimeFromPins()
{
    if (m_pBasicVideo) {
        REFTIME frame = 0;
        if (SUCCEEDED(m_pBasicVideo->get_AvgTimePerFrame(&frame)) && frame > 0) return frame;
    }
    if (!m_pGraph) return 0;
    IEnumFilters* filters = nullptr;
    if (FAILED(m_pGraph->EnumFilters(&filters)) || !filters) return 0;
    double found = 0;
    IBaseFilter* filter = nullptr;
    while (found == 0 && filters->Next(1, &filter, nullptr) == S_OK) {
        found = m_FrameTimeOfFilter(filter);
        filter->Release();
    }
    filters->Release();
    return found;
}

HRESULT CVideoRenderer::m_VR_ReadDuration()
{
    if (!m_pMediaSeeking) return kVrNotAvailable;
    if (m_pMediaSeeking->IsUsingTimeFormat(&TIME_FORMAT_MEDIA_TIME) != S_OK)
        m_VR_Checked(m_pMediaSeeking->SetTimeFormat(&TIME_FORMAT_MEDIA_TIME), __LINE__,
                     L"IMediaSeeking::SetTimeFormat(TIME_FORMAT_MEDIA_TIME)");
    LONGLONG duration = 0;
    if (FAILED(m_pMediaSeeking->GetDuration(&duration)) || duration < 0) duration = 0;
    m_Duration = duration;
    HRESULT hr = m_pMediaSeeking->IsFormatSupported(&TIME_FORMAT_FRAME);
    m_TimeFormatKind = 1;
    m_FrameCount = 0;
    m_FramesPerSecond = 0;
    if (hr == S_OK && SUCCEEDED(m_pMediaSeeking->SetTimeFormat(&TIME_FORMAT_FRAME))) {
        m_TimeFormatKind = 2;
        LONGLONG frames = 0;
        hr = m_pMediaSeeking->GetDuration(&frames);
        m_FrameCount = (SUCCEEDED(hr) && frames > 0) ? frames : 0;
        m_VR_Checked(m_pMediaSeeking->SetTimeFormat(&TIME_FORMAT_MEDIA_TIME), __LINE__,
                     L"IMediaSeeking::SetTimeFormat(TIME_FORMAT_MEDIA_TIME)");
        if (m_FrameCount && m_Duration)
            m_FramesPerSecond = m_FrameCount / (m_Duration / kUnitsPerSecond);
    }
    m_FrameTime = m_VR_ReadFrameTimeFromPins();
    if (m_FrameTime > 0.001) m_FramesPerSecond = 1.0 / m_FrameTime;
    return hr;
}
