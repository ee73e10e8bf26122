#include "commands/OpenPicture.h"

#include "app/FullScreenPeers.h"
#include "app/MainWindow.h"
#include "app/TimeDisplay.h"
#include "app/WindowSize.h"
#include "app/WindowTitle.h"
#include "base/ArgbImage.h"
#include "base/ImageFile.h"
#include "library/Library.h"
#include "playback/ControlBarState.h"
#include "playback/MediaPath.h"
#include "playback/PlayState.h"
#include "playback/VideoWindow.h"
#include "playlist/Playlist.h"

namespace {
// The one picture shown; the idle video area paints it.
CArgbImage s_Picture;
}  // namespace

const CArgbImage* m_Picture_Get()
{
    return g_MediaKind == MEDIA_KIND_PICTURE && s_Picture.m_IsValid() ? &s_Picture : nullptr;
}

void m_Picture_Release() { s_Picture.m_Destroy(); }

int m_Picture_Paint(HDC dc)
{
    const CArgbImage* picture = m_Picture_Get();
    RECT rc;
    if (!picture || !m_GetVideoRect(&rc)) return 0;
    // A picture zoomed past its area shows only the part the area holds.
    double part[4];
    m_GetVideoSourcePart(part);
    const int sx = static_cast<int>(part[0] * picture->m_Width + 0.5);
    const int sy = static_cast<int>(part[1] * picture->m_Height + 0.5);
    const int sw = static_cast<int>(part[2] * picture->m_Width + 0.5) - sx;
    const int sh = static_cast<int>(part[3] * picture->m_Height + 0.5) - sy;
    if (sw < 1 || sh < 1) return 0;
    const int oldMode = SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    const BOOL drawn = StretchBlt(dc, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                                  picture->m_hDC, sx, sy, sw, sh, SRCCOPY);
    SetStretchBltMode(dc, oldMode);
    return drawn ? 1 : 0;
}

int m_OpenPicture(const wchar_t* path)
{
    if (g_MediaKind == MEDIA_KIND_PICTURE) m_CloseFile(0, 0, 0, 1);
    m_Picture_Release();
    if (m_Launcher_IsShown() && !m_FullScreen_KeepsLauncher()) m_Launcher_Show(0, 1, 0);
    if (!path || !m_LoadImageFile(&s_Picture, path)) {
        m_Picture_Release();
        g_PlayState = 0;
        m_UpdateTimeDisplay(1);
        return 0;
    }
    lstrcpynW(g_MediaPath, path, MAX_PATH + 1);
    g_ListType = LIST_SINGLE;
    g_MediaKind = MEDIA_KIND_PICTURE;
    // The placement below needs the item counted as open.
    g_PlayState = 1;
    m_SetVideoSizeKeepZoom(s_Picture.m_Width, s_Picture.m_Height);
    m_ForgetVisibleVideoPart();
    m_SizeForVideo();
    InvalidateRect(g_hWndMain, nullptr, FALSE);
    m_UpdateWindowTitle();
    m_UpdateTimeDisplay(1);
    m_UpdateToolbar();
    return 1;
}
