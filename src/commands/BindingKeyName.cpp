#include "commands/BindingKeyName.h"

#include <wchar.h>

#include "base/KeyNames.h"
#include "settings/FunctionCatalog.h"
#include "settings/Settings.h"
#include "settings/SettingsLists.h"

namespace {

int m_Qualifies(const SFUNCTIONBIND& bind, int kind, int functionId, int parameter,
                const wchar_t* argumentText)
{
    if (!bind.Enabled || bind.Function != functionId || bind.Key == 0) return 0;
    if (kind == FUNC_PARAM_NONE) return 1;
    if (kind == FUNC_PARAM_NUMBER) return bind.Param == parameter;
    // Without an argument text a text function never shows a key.
    return argumentText && wcsncmp(bind.Arg, argumentText, ARRAYSIZE(bind.Arg)) == 0;
}

// An enabled binding before index has the same key word: that key runs it.
int m_KeyTakenEarlier(int index, WORD key)
{
    for (int i = 0; i < index; ++i)
        if (m_pBind[i].Enabled && m_pBind[i].Key == key) return 1;
    return 0;
}

}  // namespace

int m_GetBindingKeyName(wchar_t* out, int outSize, int functionId, int parameter,
                        const wchar_t* argumentText)
{
    if (!out || outSize <= 0 || !m_pBind) return 0;
    const int kind = m_Function_GetParamKind(nullptr, functionId);
    for (int i = 0; i < m_nBindCount; ++i) {
        const SFUNCTIONBIND& bind = m_pBind[i];
        if (!m_Qualifies(bind, kind, functionId, parameter, argumentText)) continue;
        if (m_KeyTakenEarlier(i, bind.Key)) continue;
        wchar_t text[64];
        if (!m_GetKeyComboName(bind.Key, text, ARRAYSIZE(text), g_Settings.Bind_GetKeyName))
            return 0;
        lstrcpynW(out, text, outSize);
        return 1;
    }
    return 0;
}
