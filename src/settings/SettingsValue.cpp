#include "settings/SettingsValue.h"

#include <strsafe.h>

#include <cwchar>

#include "base/IniSnapshot.h"
#include "settings/IniPath.h"

namespace {

// A default no settings file holds, to tell a missing key from an empty one.
const wchar_t kMissing[] = L"\x01\x02";

CIniSnapshot s_Snapshot;
int s_ScopeDepth;
bool s_SnapshotActive;

}  // namespace

CSettingsReadScope::CSettingsReadScope()
{
    if (s_ScopeDepth++ == 0) s_SnapshotActive = s_Snapshot.m_Load(g_IniPath) != 0;
}

CSettingsReadScope::~CSettingsReadScope()
{
    if (--s_ScopeDepth == 0) s_SnapshotActive = false;
}

bool m_ReadSettingRaw(const wchar_t* section, const wchar_t* key, wchar_t* out, int size)
{
    if (size <= 0) return false;
    out[0] = 0;
    if (s_SnapshotActive) return s_Snapshot.m_GetString(section, key, out, size) != 0;
    GetPrivateProfileStringW(section, key, kMissing, out, (DWORD)size, g_IniPath);
    if (wcscmp(out, kMissing) != 0) return true;
    out[0] = 0;
    return false;
}

bool m_ReadSettingValue(const wchar_t* section, const wchar_t* key,
                        wchar_t (&out)[kSettingValueCap])
{
    return m_ReadSettingRaw(section, key, out, kSettingValueCap);
}

void m_ReadSettingText(const wchar_t* section, const wchar_t* key, const wchar_t* def,
                       wchar_t (&out)[kSettingValueCap])
{
    if (!m_ReadSettingValue(section, key, out)) m_CopyText(out, kSettingValueCap, def);
}

int m_ReadSettingInt(const wchar_t* section, const wchar_t* key, int def)
{
    wchar_t value[kSettingValueCap];
    return m_ReadSettingValue(section, key, value) ? m_LeadingInt(value) : def;
}

int m_WriteSettingText(const wchar_t* section, const wchar_t* key, const wchar_t* text)
{
    return WritePrivateProfileStringW(section, key, text, g_IniPath) ? 1 : 0;
}

int m_WriteSettingF(const wchar_t* section, const wchar_t* key, const wchar_t* format, ...)
{
    wchar_t value[kSettingValueCap];
    va_list args;
    va_start(args, format);
    HRESULT hr = StringCchVPrintfW(value, kSettingValueCap, format, args);
    va_end(args);
    if (FAILED(hr) && hr != STRSAFE_E_INSUFFICIENT_BUFFER) return 0;
    return m_WriteSettingText(section, key, value);
}

int m_AppendF(wchar_t* out, int cap, const wchar_t* format, ...)
{
    size_t used = 0;
    if (FAILED(StringCchLengthW(out, cap, &used))) return 0;
    va_list args;
    va_start(args, format);
    HRESULT hr = StringCchVPrintfW(out + used, cap - used, format, args);
    va_end(args);
    return SUCCEEDED(hr) ? 1 : 0;
}

int m_LeadingInt(const wchar_t* text)
{
    // wcstol holds overflow at the 32-bit limits (long is 32 bits here).
    return text ? (int)wcstol(text, nullptr, 10) : 0;
}

int m_HexValue(const wchar_t* text) { return text ? (int)wcstoul(text, nullptr, 16) : 0; }

int m_Clamp(int value, int lo, int hi) { return value < lo ? lo : (value > hi ? hi : value); }

void m_CopyText(wchar_t* out, int cap, const wchar_t* text)
{
    if (!out || cap < 1) return;
    // StringCchCopyW cuts and terminates when the text is too long.
    if (FAILED(StringCchCopyW(out, cap, text ? text : L""))) out[cap - 1] = 0;
}

int m_RgbTextToColorref(int rgb)
{
    return (int)RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

int m_ColorrefToRgbText(int colorref)
{
    return (GetRValue(colorref) << 16) | (GetGValue(colorref) << 8) | GetBValue(colorref);
}
