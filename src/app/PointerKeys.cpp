// Keys of the main and full-screen windows: the key's binding, the twin
// digit key, the bare key with [Bind] "DisMod", the main menu key and the
// end of a key-held seek.
#include "app/PointerInput.h"
#include "base/KeyNames.h"
#include "commands/CommandHandlers.h"
#include "settings/Settings.h"

namespace {

// Main-row and keypad digits are 48 apart; the modifiers stay.
WORD m_TwinDigit(WORD word)
{
    const int low = word & 0xFF;
    if (low >= 0x60 && low <= 0x69) return static_cast<WORD>(word - 48);
    if (low >= 0x30 && low <= 0x39) return static_cast<WORD>(word + 48);
    return 0;
}

int m_RunKey(UINT vk, int autoRepeat)
{
    const WORD word = m_GetKeyWithModifiers(vk, 0, 0);
    // A bare Shift, Ctrl or Alt has no low byte and runs nothing.
    if (!(word & 0xFF)) return 0;
    const int hold = static_cast<int>(vk);
    if (m_Bind_ExecByKey(word, hold, autoRepeat)) return 1;
    const WORD twin = m_TwinDigit(word);
    if (twin && m_Bind_ExecByKey(twin, hold, autoRepeat)) return 1;
    if (!g_Settings.Bind_DisMod || !(word & 0xFF00)) return 0;
    return m_Bind_ExecByKey(static_cast<WORD>(word & 0xFF), hold, autoRepeat);
}

}  // namespace

LRESULT m_OnKeyMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    const UINT vk = static_cast<UINT>(wParam);
    if (msg == WM_KEYUP) {
        m_StopContinuousSeekFor(static_cast<int>(vk));
        return 0;
    }
    // F10 arrives as a system key.
    if (msg != WM_KEYDOWN && !(msg == WM_SYSKEYDOWN && vk == VK_F10))
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    const int repeat = (lParam & 0x40000000) != 0;
    const int ran = m_RunKey(vk, repeat);
    // The release of a held key may have gone to another window.
    const int held = m_ContinuousSeek_HoldKey();
    if (held && GetAsyncKeyState(held) >= 0) m_StopContinuousSeek(0);
    const int menuKey = vk == VK_APPS || (vk == VK_F10 && GetKeyState(VK_SHIFT) < 0);
    if (!ran && !repeat && menuKey) m_OpenMainMenu();
    return 0;
}
