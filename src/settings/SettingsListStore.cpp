#include "settings/SettingsListStore.h"

#include <stdio.h>

#include "settings/IniPath.h"
#include "settings/SettingsValue.h"

namespace {

void FormatKey(wchar_t* key, int size, int index, const wchar_t* suffix)
{
    _snwprintf(key, size - 1, L"%d%s", index, suffix ? suffix : L"");
    key[size - 1] = 0;
}

}  // namespace

int m_ListIni_ReadCount(const wchar_t* section, int cap)
{
    const int count = m_ReadSettingInt(section, L"Count", -1);
    if (count < 0) return -1;
    return count < cap ? count : cap;
}

void m_ListIni_WriteCount(const wchar_t* section, int count)
{
    wchar_t text[16];
    _snwprintf(text, 15, L"%d", count);
    text[15] = 0;
    WritePrivateProfileStringW(section, L"Count", text, g_IniPath);
}

void m_ListIni_Read(const wchar_t* section, int index, const wchar_t* suffix, wchar_t* out,
                    int size)
{
    if (!out || size < 1) return;
    wchar_t key[16];
    FormatKey(key, 16, index, suffix);
    m_ReadSettingRaw(section, key, out, size);
}

void m_ListIni_Write(const wchar_t* section, int index, const wchar_t* suffix, const wchar_t* value)
{
    wchar_t key[16];
    FormatKey(key, 16, index, suffix);
    WritePrivateProfileStringW(section, key, value, g_IniPath);
}

void m_ListIni_DeleteKeys(const wchar_t* section, const wchar_t* suffix, int first, int last)
{
    for (int n = first < 0 ? 0 : first; n < last; ++n) m_ListIni_Write(section, n, suffix, nullptr);
}
