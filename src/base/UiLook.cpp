#include "base/UiLook.h"

#include <dwmapi.h>

#include "app/MainWindow.h"
#include "app/Startup.h"
#include "base/Geometry.h"
#include "settings/Settings.h"

namespace {

const int kMetricCount = 36;
const int kComputed = -1;

// Per channel (a x (100 - percent) + b x percent) / 100.
COLORREF m_Mix(COLORREF a, COLORREF b, int percent)
{
    COLORREF out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        DWORD ca = (a >> shift) & 0xFF;
        DWORD cb = (b >> shift) & 0xFF;
        out |= ((ca * (100 - percent) + cb * percent) / 100) << shift;
    }
    return out;
}

// Small icon size by DPI step; not scaled further.
int m_IconSize(int dpiPercent)
{
    if (dpiPercent >= 300) return 40;
    if (dpiPercent >= 250) return 32;
    if (dpiPercent >= 200) return 26;
    if (dpiPercent >= 150) return 20;
    if (dpiPercent >= 125) return 16;
    return 13;
}

// Design size at 96 dpi of each metric id.
int m_MetricBase(int id)
{
    const SSETTINGS& s = g_Settings;
    switch (id) {
        case 2:
            return s.Ctrl_Btn[0];
        case 3:
            return s.Ctrl_Btn[1];
        case 8:
            return s.Ctrl_Seek;
        case 20:
            return s.Ctrl_Stt;
        case 29:
            return s.Ctrl_Vol;
        // Thumb widths and channel heights of the sliders are left to the
        // layout, which computes them from the row heights.
        case 24:
        case 26:
        case 33:
        case 34:
            return kComputed;
        case 5:
        case 13:
        case 21:
        case 22:
        case 23:
        case 32:
            return 0;
        case 12:
        case 15:
        case 30:
        case 31:
            return 2;
        case 14:
        case 27:
            return 4;
        case 25:
            return 8;
        case 28:
            return 3;
        default:
            return 1;  // 1, 4, 6, 7, 9, 10, 11, 16..19, 35
    }
}

}  // namespace

int m_GetAccentColor(COLORREF* out, int strength)
{
    if (!out) return 0;
    if (!strength && (g_OsVersion == 8 || g_OsVersion == 9)) {
        *out = 0xEBEBEB;
        return 1;
    }
    if (!strength && g_OsVersion == 10) {
        *out = 0xFFFFFF;
        return 1;
    }
    DWORD argb = 0;
    BOOL opaque = FALSE;
    if (FAILED(DwmGetColorizationColor(&argb, &opaque))) return 0;
    COLORREF colour = RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
    if (g_OsVersion >= 8) {
        *out = colour;
        return 1;
    }
    int percent = g_OsVersion >= 6 ? (strength ? 90 : 50) : (strength ? 100 : 0);
    *out = m_Mix(GetSysColor(COLOR_BTNFACE), colour, percent);
    return 1;
}

int m_GetUIMetric(int id, int dpiPercent)
{
    if (id < 0 || id >= kMetricCount) return 0;
    if (dpiPercent == -1) dpiPercent = g_DpiPercent;
    if (id == 0) return m_IconSize(dpiPercent);
    int base = m_MetricBase(id);
    // Scaled, the mark would read as a size.
    if (base == kComputed) return kComputed;
    return m_ScaleValue(base, dpiPercent, 100, 0);
}
