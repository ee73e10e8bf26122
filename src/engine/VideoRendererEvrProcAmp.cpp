// ProcAmp of the EVR's video processor: DXVA2 fixed-point values, a hardware
// processor mode chosen before the ranges are read.
#include "engine/VideoRenderer.h"

#include <evr.h>
#include <evr9.h>
#include <dxva2api.h>

#include "base/ErrorLog.h"

namespace {

// Components 0..3: contrast, brightness, hue, saturation.
const DWORD kDxvaProperty[4] = {DXVA2_ProcAmp_Contrast, DXVA2_ProcAmp_Brightness, DXVA2_ProcAmp_Hue,
                                DXVA2_ProcAmp_Saturation};

double m_FromFixed(const DXVA2_Fixed32& v) { return v.Value + v.Fraction / 65536.0; }

DXVA2_Fixed32 m_ToFixed(double v)
{
    DXVA2_Fixed32 f;
    f.ll = static_cast<LONG>(v * 65536.0);
    return f;
}

// Picks the first hardware processor mode; the mode list is freed.
HRESULT m_ChooseHardwareMode(IMFVideoProcessor* processor)
{
    UINT count = 0;
    GUID* modes = nullptr;
    HRESULT hr = processor->GetAvailableVideoProcessorModes(&count, &modes);
    if (FAILED(hr)) {
        m_WriteLog(
            L"VR_%d : Error / IMFVideoProcessor::GetAvailableVideoProcessorModes() = "
            L"0x%08X",
            __LINE__, hr);
        return hr;
    }
    for (UINT i = 0; i < count; ++i) {
        DXVA2_VideoProcessorCaps caps = {};
        if (SUCCEEDED(processor->GetVideoProcessorCaps(&modes[i], &caps)) &&
            caps.DeviceCaps == DXVA2_VPDev_HardwareDevice) {
            processor->SetVideoProcessorMode(&modes[i]);
            break;
        }
    }
    CoTaskMemFree(modes);
    return hr;
}

}  // namespace

HRESULT CVideoRenderer::m_EvrProcAmpRange(int component, double range[4])
{
    IMFVideoProcessor* processor = nullptr;
    HRESULT hr = m_VR_GetVideoProcessor(&processor);
    if (FAILED(hr)) return hr;
    hr = m_ChooseHardwareMode(processor);
    if (SUCCEEDED(hr)) {
        DXVA2_ValueRange r = {};
        hr = processor->GetProcAmpRange(kDxvaProperty[component], &r);
        if (SUCCEEDED(hr)) {
            range[0] = m_FromFixed(r.MinValue);
            range[1] = m_FromFixed(r.MaxValue);
            range[2] = m_FromFixed(r.DefaultValue);
            range[3] = m_FromFixed(r.StepSize);
        }
    }
    processor->Release();
    return hr;
}

int CVideoRenderer::m_EvrProcAmpGet(double values[4])
{
    IMFVideoProcessor* processor = nullptr;
    if (FAILED(m_VR_GetVideoProcessor(&processor))) return 0;
    DXVA2_ProcAmpValues v = {};
    const HRESULT hr = processor->GetProcAmpValues(15, &v);
    processor->Release();
    if (FAILED(hr)) return 0;
    values[0] = m_FromFixed(v.Contrast);
    values[1] = m_FromFixed(v.Brightness);
    values[2] = m_FromFixed(v.Hue);
    values[3] = m_FromFixed(v.Saturation);
    return 1;
}

HRESULT CVideoRenderer::m_EvrProcAmpSet(const double values[4])
{
    IMFVideoProcessor* processor = nullptr;
    HRESULT hr = m_VR_GetVideoProcessor(&processor);
    if (FAILED(hr)) return hr;
    DXVA2_ProcAmpValues v = {};
    v.Contrast = m_ToFixed(values[0]);
    v.Brightness = m_ToFixed(values[1]);
    v.Hue = m_ToFixed(values[2]);
    v.Saturation = m_ToFixed(values[3]);
    hr = processor->SetProcAmpValues(15, &v);
    if (FAILED(hr))
        m_WriteLog(
            L"VR_%d : Error / IMFVideoProcessor::SetProcAmpValues() = 0x%08X / "
            L"Values(%f,%f,%f,%f)",
            __LINE__, hr, values[0], values[1], values[2], values[3]);
    processor->Release();
    return hr;
}
