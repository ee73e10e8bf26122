#include "commands/OpenPicture.h"

#include "app/MainWindow.h"
#include "app/TimeDisplay.h"
#include "app/WindowSize.h"
#include "app/WindowTitle.h"
#include "base/ArgbImage.h"
#include "base/ImageFile.h"
#include "playback/ControlBarState.h"
#include "playback/MediaPath.h"
#include "playback/PlayState.h"
#include "playlist/Playlist.h"

namespace {
// The picture shown; the next picture replaces it.
CArgbImage s_Picture;
}  // namespace

int m_OpenPicture(const wchar_t* path)
{
    if (g_MediaKind == MEDIA_KIND_PICTURE) m_CloseFile(0, 0, 0, 1);
    if (!path || !m_LoadImageFile(&s_Picture, path)) {
        g_PlayState = 0;
        m_UpdateTimeDisplay(1);
        return 0;
    }
    lstrcpynW(g_MediaPath, path, MAX_PATH + 1);
    g_ListType = LIST_SINGLE;
    g_MediaKind = MEDIA_KIND_PICTURE;
    m_SetVideoSizeKeepZoom(s_Picture.m_Width, s_Picture.m_Height);
    InvalidateRect(g_hWndMain, nullptr, FALSE);
    g_PlayState = 1;
    m_UpdateWindowTitle();
    m_UpdateTimeDisplay(1);
    m_UpdateToolbar();
    return 1;
}
