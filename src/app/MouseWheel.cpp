// The wheel: over a shown playlist window it scrolls the playlist, else it
// runs the wheel's binding once per notch (fine wheels once per five steps).
#include <windows.h>

#include <mmsystem.h>

#include "app/PointerInput.h"
#include "commands/CommandHandlers.h"
#include "playlist/Playlist.h"
#include "settings/Settings.h"

namespace {

// 1 when the playlist window took the wheel.
int m_WheelToPlaylist(int delta, POINT screen)
{
    HWND playlist = g_Playlist.m_GetWindow();
    if (!g_Settings.Common_WhlWnd || !playlist || !IsWindowVisible(playlist)) return 0;
    RECT rc;
    if (!GetWindowRect(playlist, &rc) || !PtInRect(&rc, screen)) return 0;
    HWND target = WindowFromPoint(screen);
    if (!target || GetAncestor(target, GA_ROOT) != playlist) target = playlist;
    if (g_Settings.Common_WhlFcs) SetFocus(target);
    SendMessageW(target, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)),
                 MAKELPARAM(screen.x, screen.y));
    return 1;
}

}  // namespace

void m_Mouse_OnWheel(HWND, int delta, POINT screen)
{
    if (m_WheelToPlaylist(delta, screen)) return;
    int steps = 0;
    if (m_Wheel_Feed(&g_Mouse.Wheel, delta, timeGetTime(), &steps))
        m_Bind_ExecByMouse(delta > 0 ? MOUSECODE_WHEEL_UP : MOUSECODE_WHEEL_DOWN, HOLDKEY_NONE);
}
