// Asking the renderer in use for its ProcAmp ranges after a graph is built.
#include <strsafe.h>

#include "base/ErrorLog.h"
#include "engine/VideoRenderer.h"
#include "playback/ProcAmpRange.h"
#include "settings/Settings.h"

int m_ProcAmp_ReadRange()
{
    if (!g_DisplayDeviceName[0]) {
        DISPLAY_DEVICEW dd = {};
        dd.cb = sizeof dd;
        if (EnumDisplayDevicesW(nullptr, 0, &dd, 0))
            lstrcpynW(g_DisplayDeviceName, dd.DeviceString, kDisplayDeviceNameCap);
    }
    SPROCAMPRANGE& r = g_ProcAmpRangeReported;
    r = SPROCAMPRANGE{};
    r.Kind = -1;
    for (int c = 0; c < 4 && g_VideoRenderer; ++c) {
        int supported = 0;
        double minimum = 0, maximum = 0, byDefault = 0, step = 0;
        const HRESULT hr = g_VideoRenderer->m_ProcAmp_GetRange(c, &supported, &minimum, &maximum,
                                                               &byDefault, &step);
        if (FAILED(hr) || !supported) continue;
        r.Supported[c] = 1;
        r.AnySupported = 1;
        r.Minimum[c] = minimum;
        r.Maximum[c] = maximum;
        r.Default[c] = byDefault;
        r.Step[c] = step;
    }
    const int any = m_ProcAmp_TakeReported();
    // With [Main] "Test" a test can see what the renderer offered.
    if (g_Settings.Main_Test) {
        wchar_t line[64];
        if (SUCCEEDED(
                StringCchPrintfW(line, 64, L"PROCAMP : any=%d kind=%d", any, g_ProcAmpRange.Kind)))
            m_AppendLogLine(line);
    }
    return any;
}
