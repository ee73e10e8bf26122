#include "playback/CustomButtonTips.h"

#include <commctrl.h>
#include <strsafe.h>
#include <wchar.h>

#include "app/ControlTooltips.h"
#include "app/MainWindow.h"
#include "base/KeyNames.h"
#include "commands/BindingKeyName.h"
#include "settings/FunctionCatalog.h"
#include "settings/Settings.h"
#include "settings/SettingsLists.h"

namespace {

int m_FirstBindingOf(int inputCode)
{
    for (int i = 0; m_pBind && i < m_nBindCount; ++i)
        if (m_pBind[i].Enabled && m_pBind[i].Mouse == inputCode) return i;
    return -1;
}

// The name the catalogue gives a value: of the number parameter, or for a
// list the number at the place of the first value block with names; null
// for none.
const wchar_t* m_ValueName(int functionId, int number, const wchar_t* list)
{
    SFUNCTIONINFO info = {};
    info.Id = functionId;
    if (!m_GetFunctionInfo(nullptr, &info, FUNC_INFO_LIMITS)) return nullptr;
    const int count = info.Count < kFuncValueCap ? info.Count : kFuncValueCap;
    for (int i = 0; i < count; ++i) {
        const SFUNCTIONVALUE& v = info.Values[i];
        if (!v.X11) continue;
        int value = number;
        if (list) {
            const wchar_t* at = list;
            for (int skip = 0; skip < i && at; ++skip) {
                at = wcschr(at, L',');
                if (at) ++at;
            }
            if (!at) return nullptr;
            value = _wtoi(at);
        }
        return value < v.Min || value > v.Max ? nullptr : v.X11[value - v.Min];
    }
    return nullptr;
}

void m_DescribeParameter(wchar_t* out, int size, const SFUNCTIONBIND& bind)
{
    const wchar_t* name = m_Function_GetName(nullptr, bind.Function);
    const int kind = m_Function_GetParamKind(nullptr, bind.Function);
    wchar_t arg[ARRAYSIZE(bind.Arg)];
    lstrcpynW(arg, bind.Arg, ARRAYSIZE(arg));
    const wchar_t* valueName = nullptr;
    if (kind == FUNC_PARAM_NUMBER) {
        valueName = m_ValueName(bind.Function, bind.Param, nullptr);
        if (valueName)
            StringCchPrintfW(out, size, L"%s [%d/%s]", name, bind.Param, valueName);
        else
            StringCchPrintfW(out, size, L"%s [%d]", name, bind.Param);
    } else if (kind != FUNC_PARAM_NONE && arg[0]) {
        valueName = m_ValueName(bind.Function, 0, arg);
        if (valueName)
            StringCchPrintfW(out, size, L"%s [%s/%s]", name, arg, valueName);
        else
            StringCchPrintfW(out, size, L"%s [%s]", name, arg);
    } else {
        StringCchCopyW(out, size, name);
    }
}

// An earlier enabled binding with the same key runs on that key, so the
// key shown is the one that really reaches this function.
int m_KeyNameOf(int index, wchar_t* out, int size)
{
    const SFUNCTIONBIND& bind = m_pBind[index];
    int taken = 0;
    for (int i = 0; bind.Key && i < index; ++i)
        taken |= m_pBind[i].Enabled && m_pBind[i].Key == bind.Key;
    if (bind.Key && !taken)
        return m_GetKeyComboName(bind.Key, out, size, g_Settings.Bind_GetKeyName) ? 1 : 0;
    return m_GetBindingKeyName(out, size, bind.Function, bind.Param, bind.Arg);
}

void m_SetButtonTool(HWND tips, HWND button, wchar_t* text)
{
    TOOLINFOW info = {};
    info.cbSize = sizeof(info);
    info.hwnd = g_hWndMain;
    info.uId = reinterpret_cast<UINT_PTR>(button);
    SendMessageW(tips, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.lpszText = text;
    GetClientRect(g_hWndMain, &info.rect);
    SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

}  // namespace

int m_Binding_Describe(wchar_t out[kBindingTextCap], int inputCode)
{
    const int index = m_FirstBindingOf(inputCode);
    if (index < 0) return 0;
    wchar_t text[kBindingTextCap];
    m_DescribeParameter(text, kBindingTextCap, m_pBind[index]);
    wchar_t key[kBindingTextCap];
    if (m_KeyNameOf(index, key, kBindingTextCap))
        StringCchPrintfW(out, kBindingTextCap, L"%s / %s", text, key);
    else
        StringCchCopyW(out, kBindingTextCap, text);
    return 1;
}

void m_CustomButton_TipText(wchar_t* out, int size, int n, int tipOn, const wchar_t* left,
                            const wchar_t* right)
{
    if (!out || size <= 0) return;
    out[0] = 0;
    if (tipOn) StringCchPrintfW(out, size, L"カスタムボタン%d\r\n", n);
    // Each step formats the text built so far into its first field.
    wchar_t sofar[kCustomButtonTipCap];
    if (left && right) {
        StringCchCopyW(sofar, ARRAYSIZE(sofar), out);
        StringCchPrintfW(out, size, L"%sL : %s\r\n", sofar, left);
    }
    if (right) {
        StringCchCopyW(sofar, ARRAYSIZE(sofar), out);
        StringCchPrintfW(out, size, L"%sR : %s", sofar, right);
    } else if (left) {
        StringCchCatW(out, size, left);
    } else {
        StringCchCatW(out, size, L"(未割り当て)");
    }
}

void m_CustomButton_UpdateTooltips()
{
    if (!g_hWndMain) return;
    m_CreateToolTips(TOOLTIP_GROUP_MAIN);
    HWND tips = m_GetToolTips(TOOLTIP_GROUP_MAIN);
    for (int n = 1; n <= kCustomButtonCount; ++n) {
        wchar_t left[kBindingTextCap], right[kBindingTextCap];
        const int hasLeft = m_Binding_Describe(left, MOUSECODE_CUSTOM_FIRST - 1 + n);
        const int hasRight = m_Binding_Describe(right, MOUSECODE_CUSTOM_RIGHT_FIRST - 1 + n);
        wchar_t text[kCustomButtonTipCap];
        m_CustomButton_TipText(text, kCustomButtonTipCap, n, g_Settings.Common_Tip != 0,
                               hasLeft ? left : nullptr, hasRight ? right : nullptr);
        CButtonPlus& button = g_ControlButtons[CB_CUSTOM1 + n - 1];
        if (tips && button.m_GetHwnd()) m_SetButtonTool(tips, button.m_GetHwnd(), text);
        button.m_SetEnable(hasLeft || hasRight);
    }
}
