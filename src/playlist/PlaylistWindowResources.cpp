// The window's own drawing objects: made with the dialog and freed with it,
// so that a window made again starts from nothing.
#include <commctrl.h>

#include "base/ArgbImage.h"
#include "base/BmpFont.h"
#include "playlist/Playlist.h"

void CPlaylist::m_MakeWindowResources()
{
    if (!m_W.StatusImage) m_W.StatusImage = new CArgbImage();
    if (!m_W.StatusFont) m_W.StatusFont = new CBmpFont();
    if (!m_W.IconStrip) m_W.IconStrip = new CArgbImage();
    m_W.StatusFontPending = 1;
}

void CPlaylist::m_FreeWindowResources()
{
    delete m_W.StatusImage;
    delete m_W.StatusFont;
    delete m_W.IconStrip;
    m_W.StatusImage = nullptr;
    m_W.StatusFont = nullptr;
    m_W.IconStrip = nullptr;
    if (m_W.CheckImages) ImageList_Destroy(m_W.CheckImages);
    m_W.CheckImages = nullptr;
    for (HFONT* font : {&m_W.Font, &m_W.TabFont}) {
        if (*font) DeleteObject(*font);
        *font = nullptr;
    }
}
