#include "base/IniFile.h"

#include <strsafe.h>

#include "base/NumberList.h"
#include "settings/IniPath.h"

namespace {

const int kValueCap = 256;

// The key's text, empty when absent.
void m_ReadIniText(const wchar_t* section, const wchar_t* key, wchar_t (&buf)[kValueCap])
{
    buf[0] = L'\0';
    GetPrivateProfileStringW(section, key, L"", buf, kValueCap, g_IniPath);
}

}  // namespace

int m_ReadIniPos(const wchar_t* section, int out[5])
{
    wchar_t buf[kValueCap];
    m_ReadIniText(section, L"Pos", buf);
    return m_ParseIntList(buf, out, 5, 0);
}

int m_ReadIniOptValues(const wchar_t* key, double* out, int count)
{
    wchar_t buf[kValueCap];
    m_ReadIniText(L"Opt", key, buf);
    return m_ParseDoubleList(buf, out, count);
}

int m_ReadIniRect(const wchar_t* section, const wchar_t* key, int defLeft, int defTop, int defRight,
                  int defBottom, int out[4])
{
    wchar_t buf[kValueCap];
    m_ReadIniText(section, key, buf);
    if (buf[0] == L'\0') {
        out[0] = defLeft;
        out[1] = defTop;
        out[2] = defRight;
        out[3] = defBottom;
        return 0;
    }
    m_ParseIntList(buf, out, 4, 0);
    return 1;
}

int m_WriteIniRect(const wchar_t* section, const wchar_t* key, const RECT* rc)
{
    wchar_t buf[64];
    if (FAILED(StringCchPrintfW(buf, 64, L"%d,%d,%d,%d", static_cast<int>(rc->left),
                                static_cast<int>(rc->top), static_cast<int>(rc->right),
                                static_cast<int>(rc->bottom))))
        return 0;
    return WritePrivateProfileStringW(section, key, buf, g_IniPath) ? 1 : 0;
}
