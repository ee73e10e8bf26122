// Contrast, brightness, hue and saturation of the VMR9 mixer or the EVR's
// processor. Other renderers answer "not available" and are not called.
#include "engine/VideoRenderer.h"

#include "base/ErrorLog.h"
#include "base/Geometry.h"

namespace {

const DWORD kProcAmpProperty[4] = {ProcAmpControl9_Contrast, ProcAmpControl9_Brightness,
                                   ProcAmpControl9_Hue, ProcAmpControl9_Saturation};

}  // namespace

HRESULT CVideoRenderer::m_ProcAmp_GetRange(int component, int* supported, double* minimum,
                                           double* maximum, double* byDefault, double* step)
{
    *supported = 0;
    if (!m_Opened || component < 0 || component > 3) return kVrNotAvailable;
    if (m_RendererKind == VR_KIND_EVR) {
        double range[4] = {};
        HRESULT hr = m_EvrProcAmpRange(component, range);
        if (FAILED(hr)) return hr;
        *supported = 1;
        *minimum = range[0], *maximum = range[1], *byDefault = range[2], *step = range[3];
        return hr;
    }
    // Only a mixer that was created is asked.
    if (m_RendererKind != VR_KIND_VMR9 || !m_pVmr9Mixer) return kVrNotAvailable;
    VMR9ProcAmpControlRange range = {};
    range.dwSize = sizeof(range);
    range.dwProperty = static_cast<VMR9ProcAmpControlFlags>(kProcAmpProperty[component]);
    HRESULT hr = m_pVmr9Mixer->GetProcAmpControlRange(0, &range);
    if (FAILED(hr)) {
        m_WriteLog(L"VR_%d : Error / I VMRMixerControl9::GetProcAmpControlRange() = 0x%08X",
                   __LINE__, hr);
        return hr;
    }
    *supported = 1;
    *minimum = range.MinValue;
    *maximum = range.MaxValue;
    *byDefault = range.DefaultValue;
    *step = range.StepSize;
    return hr;
}

int CVideoRenderer::m_ProcAmp_Get(double* contrast, double* brightness, double* hue,
                                  double* saturation)
{
    if (m_Opened && m_RendererKind == VR_KIND_EVR) {
        double v[4] = {};
        if (!m_EvrProcAmpGet(v)) return 0;
        *contrast = v[0], *brightness = v[1], *hue = v[2], *saturation = v[3];
        return 1;
    }
    if (!m_Opened || m_RendererKind != VR_KIND_VMR9 || !m_pVmr9Mixer) return 0;
    VMR9ProcAmpControl values = {};
    values.dwSize = sizeof(values);
    values.dwFlags = ProcAmpControl9_Mask;
    if (FAILED(m_pVmr9Mixer->GetProcAmpControl(0, &values))) return 0;
    *contrast = values.Contrast;
    *brightness = values.Brightness;
    *hue = values.Hue;
    *saturation = values.Saturation;
    return 1;
}

HRESULT CVideoRenderer::m_ProcAmp_Set(double contrast, double brightness, double hue,
                                      double saturation, int onlyIfChanged)
{
    if (!m_Opened) return kVrNotAvailable;
    double now[4] = {};
    if (onlyIfChanged && m_ProcAmp_Get(&now[0], &now[1], &now[2], &now[3]) &&
        m_CompareDouble(now[0], contrast, 0.001) == 0 &&
        m_CompareDouble(now[1], brightness, 0.001) == 0 &&
        m_CompareDouble(now[2], hue, 0.001) == 0 && m_CompareDouble(now[3], saturation, 0.001) == 0)
        return 0;
    if (m_RendererKind == VR_KIND_EVR) {
        const double v[4] = {contrast, brightness, hue, saturation};
        return m_EvrProcAmpSet(v);
    }
    if (m_RendererKind != VR_KIND_VMR9 || !m_pVmr9Mixer) return kVrNotAvailable;
    VMR9ProcAmpControl values = {};
    values.dwSize = sizeof(values);
    values.dwFlags = ProcAmpControl9_Mask;
    values.Brightness = static_cast<float>(brightness);
    values.Contrast = static_cast<float>(contrast);
    values.Hue = static_cast<float>(hue);
    values.Saturation = static_cast<float>(saturation);
    HRESULT hr = m_pVmr9Mixer->SetProcAmpControl(0, &values);
    if (FAILED(hr))
        m_WriteLog(L"VR_%d : Error / IVMRMixerControl9::SetProcAmpControl() = 0x%08X", __LINE__,
                   hr);
    return hr;
}
