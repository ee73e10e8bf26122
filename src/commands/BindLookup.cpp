#include "commands/BindLookup.h"

#include "commands/Executor.h"
#include "settings/CallTrace.h"
#include "settings/SettingsLists.h"
#include "settings/Settings.h"

UINT g_BindLastInput;

namespace {

int g_MouseLookups;
int g_LastMouseAsked;

const SFUNCTIONBIND* m_FindKey(WORD key)
{
    for (int i = 0; m_pBind && i < m_nBindCount; ++i)
        if (m_pBind[i].Enabled && m_pBind[i].Key == key) return &m_pBind[i];
    return nullptr;
}

const SFUNCTIONBIND* m_FindMouse(int code)
{
    for (int i = 0; m_pBind && i < m_nBindCount; ++i)
        if (m_pBind[i].Enabled && m_pBind[i].Mouse == code) return &m_pBind[i];
    return nullptr;
}

int m_RunMouse(const SFUNCTIONBIND* bind, int code, int holdKey)
{
    m_TraceCall(L"m_Bind_ExecByMouse(%d,%d)", code, holdKey);
    m_ExecFunction(bind, holdKey, 0);
    g_BindLastInput = static_cast<UINT>(code);
    return 1;
}

}  // namespace

int m_Bind_HeldModifiers()
{
    int bits = 0;
    if (GetKeyState(VK_SHIFT) < 0) bits |= 0x100;
    if (GetKeyState(VK_CONTROL) < 0) bits |= 0x200;
    if (GetKeyState(VK_MENU) < 0) bits |= 0x400;
    return bits;
}

int m_Bind_ExecByKey(WORD keyWord, int holdKey, int autoRepeat)
{
    if (!keyWord || !m_pBind || m_nBindCount <= 0) return 0;
    if (keyWord != g_BindLastInput) autoRepeat = 0;
    const SFUNCTIONBIND* bind = m_FindKey(keyWord);
    if (!bind) return 0;
    m_ExecFunction(bind, holdKey, autoRepeat);
    g_BindLastInput = keyWord;
    return 1;
}

int m_Bind_ExecByMouse(int code, int holdKey)
{
    const int modifiers = m_Bind_HeldModifiers();
    const int modified = code | modifiers;
    g_LastMouseAsked = modified;
    ++g_MouseLookups;
    if (const SFUNCTIONBIND* bind = m_FindMouse(modified))
        return m_RunMouse(bind, modified, holdKey);
    if (!g_Settings.Bind_DisMod || !modifiers) return 0;
    if (const SFUNCTIONBIND* bind = m_FindMouse(code)) return m_RunMouse(bind, code, holdKey);
    return 0;
}

int m_Bind_MouseSeekKind(int code)
{
    const SFUNCTIONBIND* bind = m_FindMouse(code | m_Bind_HeldModifiers());
    if (!bind) return 0;
    if (bind->Function >= FUNC_SEEK && bind->Function <= FUNC_SEEK_EX) return 1;
    return bind->Function == FUNC_FRAME_STEP ? 2 : 0;
}

int m_Bind_LastMouseCode(int* count)
{
    if (count) *count = g_MouseLookups;
    return g_LastMouseAsked;
}
