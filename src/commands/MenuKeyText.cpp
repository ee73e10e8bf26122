#include <windows.h>

#include <strsafe.h>

#include "commands/BindingKeyName.h"
#include "commands/MenuItemModel.h"

const wchar_t* m_MenuTextWithKey(const wchar_t* text, int functionId, int parameter,
                                 const wchar_t* argumentText)
{
    static wchar_t s_Text[kMenuNameCap];
    lstrcpynW(s_Text, text ? text : L"", ARRAYSIZE(s_Text));
    m_AppendBindingKeyName(s_Text, ARRAYSIZE(s_Text), functionId, parameter, argumentText);
    return s_Text;
}

int m_AppendBindingKeyName(wchar_t* buffer, int size, int functionId, int parameter,
                           const wchar_t* argumentText)
{
    if (!buffer || size <= 0) return 0;
    wchar_t key[kMenuKeyNameCap];
    if (!m_GetBindingKeyName(key, ARRAYSIZE(key), functionId, parameter, argumentText)) return 0;
    wchar_t text[kMenuNameCap * 2];
    // A text that does not fit is cut, as the menu cuts it anyway.
    (void)StringCchPrintfW(text, ARRAYSIZE(text), L"%s\t%s", buffer, key);
    lstrcpynW(buffer, text, size);
    return 1;
}

int m_FormatWithKeyNames(wchar_t* out, int size, const wchar_t* format, int functionId,
                         int parameter, const wchar_t* argumentText, int functionId2,
                         int parameter2)
{
    if (!out || size <= 0 || !format) return 0;
    wchar_t key[kMenuKeyNameCap];
    wchar_t first[kMenuKeyNameCap + 4] = L"";
    wchar_t second[kMenuKeyNameCap + 4] = L"";
    const int found = m_GetBindingKeyName(key, ARRAYSIZE(key), functionId, parameter, argumentText);
    if (found) (void)StringCchPrintfW(first, ARRAYSIZE(first), L" (%s)", key);
    if (functionId2) {
        if (m_GetBindingKeyName(key, ARRAYSIZE(key), functionId2, parameter2, nullptr))
            (void)StringCchPrintfW(second, ARRAYSIZE(second), L" (%s)", key);
        (void)StringCchPrintfW(out, size, format, first, second);
    } else {
        (void)StringCchPrintfW(out, size, format, first);
    }
    return found;
}
