#include "base/Dpi.h"

#include "base/Geometry.h"

namespace {

using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
using GetDpiForSystemFn = UINT(WINAPI*)();
using GetDpiForWindowFn = UINT(WINAPI*)(HWND);

const int kMdtEffectiveDpi = 0;

// A system function by name, cast to its type; null when missing.
template <typename Fn>
Fn m_LookUp(HMODULE lib, const char* name)
{
    if (!lib) return nullptr;
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(lib, name)));
}

int m_DpiToPercent(UINT dpi) { return static_cast<int>(dpi * 100 / 96); }

}  // namespace

HRESULT m_GetDpiForMonitorRaw(HMONITOR monitor, UINT* outX, UINT* outY)
{
    UINT x = 0, y = 0;
    HRESULT hr = -1;
    HMODULE lib = LoadLibraryW(L"Shcore.dll");
    auto fn = m_LookUp<GetDpiForMonitorFn>(lib, "GetDpiForMonitor");
    if (fn) hr = fn(monitor, kMdtEffectiveDpi, &x, &y);
    if (lib) FreeLibrary(lib);
    if (outX) *outX = x;
    if (outY) *outY = y;
    return hr;
}

UINT m_GetSystemDpiRaw()
{
    UINT dpi = 0;
    HMODULE lib = LoadLibraryW(L"user32.dll");
    auto fn = m_LookUp<GetDpiForSystemFn>(lib, "GetDpiForSystem");
    if (fn) dpi = fn();
    if (lib) FreeLibrary(lib);
    return dpi;
}

UINT m_GetWindowDpiRaw(HWND hwnd)
{
    UINT dpi = 0;
    HMODULE lib = LoadLibraryW(L"user32.dll");
    auto fn = m_LookUp<GetDpiForWindowFn>(lib, "GetDpiForWindow");
    if (fn) dpi = fn(hwnd);
    if (lib) FreeLibrary(lib);
    return dpi;
}

int m_GetWindowDpiPercent(HWND hwnd)
{
    UINT dpi = m_GetWindowDpiRaw(hwnd);
    if (dpi) return m_DpiToPercent(dpi);
    RECT rc = {};
    GetWindowRect(hwnd, &rc);
    return m_GetRectDpiPercent(rc);
}

int m_GetSystemDpiPercent()
{
    UINT dpi = m_GetSystemDpiRaw();
    if (dpi) return m_DpiToPercent(dpi);
    // Asked of the monitor directly: going through m_GetPointDpiPercent
    // would come back here when no monitor holds the origin.
    HMONITOR monitor = MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTONULL);
    return monitor ? m_GetMonitorDpiPercent(monitor) : 100;
}

int m_GetRectDpiPercent(const RECT& rc) { return m_GetPointDpiPercent(m_RectCenter(&rc)); }

int m_GetPointDpiPercent(POINT pt)
{
    HMONITOR monitor = MonitorFromPoint(pt, MONITOR_DEFAULTTONULL);
    if (!monitor) return m_GetSystemDpiPercent();
    return m_GetMonitorDpiPercent(monitor);
}

int m_GetMonitorDpiPercent(HMONITOR monitor)
{
    UINT x = 0, y = 0;
    // A zero DPI would make every later scale divide by zero.
    if (FAILED(m_GetDpiForMonitorRaw(monitor, &x, &y)) || x == 0) return 100;
    return m_DpiToPercent(x);
}

int m_GetDpiFrameMargins(RECT* out, int percent)
{
    if (percent < 100) {
        SetRect(out, 1, 31, 1, 1);
        return 0;
    }
    int b = m_RoundByMode(percent / 100.0, 0);
    int q = (percent - 100) / 25;
    SetRect(out, b, b + 30 + m_RoundByMode(6.5 * q, 0), b, b);
    return 1;
}

int m_ScaleWindowRectForDpi(RECT* rc, int oldPercent, int newPercent)
{
    RECT oldM, newM;
    m_GetDpiFrameMargins(&oldM, oldPercent);
    int result = m_GetDpiFrameMargins(&newM, newPercent);
    int w = (rc->right - rc->left) - oldM.left - oldM.right;
    int h = (rc->bottom - rc->top) - oldM.top - oldM.bottom;
    w = m_ScaleValue(w, newPercent, oldPercent, 0);
    h = m_ScaleValue(h, newPercent, oldPercent, 0);
    rc->right = rc->left + newM.left + w + newM.right;
    rc->bottom = rc->top + newM.top + h + newM.bottom;
    return result;
}
