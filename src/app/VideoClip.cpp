// The video clip mode: how the video fills the full-screen area (0 fit,
// 1 fill, 2 fill held between 4:3 and 16:9).
#include "app/FullScreenState.h"
#include "app/MainWindow.h"
#include "app/StatusText.h"
#include "app/WindowHelpers.h"
#include "app/WindowSize.h"
#include "base/BmpFont.h"
#include "playback/PlaybackControl.h"
#include "settings/Settings.h"

LPCWSTR m_VideoClip_Text(int mode)
{
    if (mode == 1) return L"VIDEO````CLIP : ON";
    if (mode == 2) return L"VIDEO````CLIP : ON```(LIMIT)";
    return L"VIDEO````CLIP : OFF";
}

void m_VideoClip_Set(int mode, int showMessage, int)
{
    ++g_VideoClipCalls;
    // The live mode; [Fullscr] "Clip" keeps the saved default.
    g_Settings.Fullscr_Clip2 = mode == 1 || mode == 2 ? mode : 0;
    if (showMessage) {
        const int on = g_Settings.Fullscr_Clip2 != 0;
        const int colour = on ? 1 : (g_Settings.Ctrl_SttDisClr ? 0 : 1);
        m_OSD_ShowText(m_VideoClip_Text(g_Settings.Fullscr_Clip2), colour, -1, -1, -1,
                       m_GetBmpFontTextWidth(0, m_VideoClip_Text(0)), -1);
    }
    m_ForgetVisibleVideoPart();
    if (!g_hWndMain || g_PlayState == 0) return;
    if (g_FullScreen || IsZoomed(g_hWndMain)) m_SetZoomMode(-1, 1, -1);
}
