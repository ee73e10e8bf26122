// The wheel: over a shown playlist window the playlist may take it, else it
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
    if (g_Settings.Common_WhlFcs) {
        HWND target = WindowFromPoint(screen);
        SetFocus(target && GetAncestor(target, GA_ROOT) == playlist ? target : playlist);
    }
    return g_Playlist.m_OnMouseWheel(nullptr, WM_MOUSEWHEEL,
                                     MAKEWPARAM(0, static_cast<WORD>(delta)),
                                     MAKELPARAM(screen.x, screen.y));
}

}  // namespace

void m_Mouse_OnWheel(HWND, int delta, POINT screen)
{
    if (m_WheelToPlaylist(delta, screen)) return;
    int steps = 0;
    if (m_Wheel_Feed(&g_Mouse.Wheel, delta, timeGetTime(), &steps))
        m_Bind_ExecByMouse(delta > 0 ? MOUSECODE_WHEEL_UP : MOUSECODE_WHEEL_DOWN, HOLDKEY_NONE);
}
