// [Mon] of the settings file: "Count" and one "%d" key per stored monitor.
#include <stdlib.h>
#include <wchar.h>

#include "app/MonitorTable.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsValue.h"

namespace {

const wchar_t kSection[] = L"Mon";
// Keys beyond the table are never written by us; a hand-edited "Count" may
// still name many, and only this many are swept.
constexpr int kKeySweepCap = 256;

// The text after the next comma, or null when there is none.
const wchar_t* m_AfterComma(const wchar_t* text)
{
    if (!text) return nullptr;
    const wchar_t* comma = wcschr(text, L',');
    return comma ? comma + 1 : nullptr;
}

}  // namespace

void m_Monitor_ParseEntry(const wchar_t* text, SMONITORITEM* out)
{
    *out = SMONITORITEM{};
    if (!text || !*text) return;
    out->dwFlags = (DWORD)wcstoul(text, nullptr, 16);
    LONG* values[4] = {&out->rcMonitor.left, &out->rcMonitor.top, &out->rcMonitor.right,
                       &out->rcMonitor.bottom};
    const wchar_t* at = text;
    for (LONG* value : values) {
        at = m_AfterComma(at);
        if (!at) return;
        *value = m_LeadingInt(at);
    }
    at = m_AfterComma(at);
    if (at) lstrcpynW(out->szDevice, at, kMonitorDeviceCap);
}

void m_Monitor_ReadStored()
{
    int count = m_ReadSettingInt(kSection, L"Count", -1);
    // The file may say anything; the table holds no more than its capacity.
    if (count > kMonitorCap) count = kMonitorCap;
    g_MonitorStored.nCount = count;
    for (int i = 0; i < count; ++i) {
        wchar_t key[16], value[257];
        _snwprintf(key, 15, L"%d", i);
        key[15] = 0;
        m_ReadSettingRaw(kSection, key, value, 257);
        m_Monitor_ParseEntry(value, &g_MonitorStored.Items[i]);
    }
}

void m_Monitor_WriteStored()
{
    // One batch: a process killed meanwhile leaves the whole old or new
    // file, and an unchanged table does not replace the file at all.
    CSettingsFileWrite batch;
    int count = g_MonitorStored.nCount < 0 ? 0 : g_MonitorStored.nCount;
    if (count > kMonitorCap) count = kMonitorCap;
    int old = m_ReadSettingInt(kSection, L"Count", 0);
    if (old > kKeySweepCap) old = kKeySweepCap;
    wchar_t key[16];
    for (int i = count; i < old; ++i) {
        _snwprintf(key, 15, L"%d", i);
        key[15] = 0;
        m_WriteSettingText(kSection, key, nullptr);
    }
    m_WriteSettingF(kSection, L"Count", L"%d", count);
    for (int i = 0; i < count; ++i) {
        const SMONITORITEM& m = g_MonitorStored.Items[i];
        _snwprintf(key, 15, L"%d", i);
        key[15] = 0;
        m_WriteSettingF(kSection, key, L"%X,%d,%d,%d,%d,%ls", (unsigned)m.dwFlags,
                        (int)m.rcMonitor.left, (int)m.rcMonitor.top, (int)m.rcMonitor.right,
                        (int)m.rcMonitor.bottom, m.szDevice);
    }
}
