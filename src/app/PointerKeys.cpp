// Keys of the main and full-screen windows: the key's binding, the twin
// digit key, the main menu key and the end of a key-held seek.
#include "app/PointerInput.h"
#include "base/KeyNames.h"
#include "commands/CommandHandlers.h"
#include "settings/Settings.h"

namespace {

// Main-row and keypad digits are 48 apart.
int m_TwinDigit(UINT vk)
{
    const int kind = m_GetKeyClass(static_cast<BYTE>(vk));
    if (kind == 2) return static_cast<int>(vk) + 48;
    if (kind == 4) return static_cast<int>(vk) - 48;
    return 0;
}

int m_RunKey(UINT vk)
{
    const WORD word = m_GetKeyWithModifiers(vk, 0, 0);
    if (m_Bind_ExecByKey(word, static_cast<int>(vk))) return 1;
    const int twin = m_TwinDigit(vk);
    if (twin && m_Bind_ExecByKey(static_cast<WORD>((word & 0xFF00) | twin), twin)) return 1;
    // With [Bind] "DisMod" a combination nothing is bound to runs as the
    // plain key.
    if (!g_Settings.Bind_DisMod || !(word & 0xFF00)) return 0;
    return m_Bind_ExecByKey(static_cast<WORD>(word & 0x00FF), static_cast<int>(vk));
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
    const int ran = m_RunKey(vk);
    const int held = m_ContinuousSeek_HoldKey();
    if (held && GetAsyncKeyState(held) >= 0) m_StopContinuousSeek(0);
    const int repeat = (lParam & 0x40000000) != 0;
    const int menuKey = vk == VK_APPS || (vk == VK_F10 && GetKeyState(VK_SHIFT) < 0);
    if (!ran && !repeat && menuKey) {
        POINT pt;
        GetCursorPos(&pt);
        m_ShowMainContextMenu(pt);
    }
    return 0;
}
