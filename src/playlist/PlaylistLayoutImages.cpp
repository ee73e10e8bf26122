// Images that set sizes in the playlist window: the check-image strip,
// whose image list gives every list its row height, and the five buttons'
// pictures from the control-bar strip.
#include <commctrl.h>
#include <stdio.h>

#include "app/ButtonSkin.h"
#include "app/StatusText.h"
#include "app/ToolWindowPlacement.h"
#include "base/ArgbImage.h"
#include "base/ImageFile.h"
#include "controls/ButtonPlus.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistLayoutParts.h"
#include "playlist/PlaylistSplit.h"
#include "settings/IniPath.h"
#include "settings/Settings.h"

namespace {

// The check-image strip (type "PNG"), square cells drawn for 200 %.
constexpr WORD kCheckStripId = 175;
// Without the strip the check image is 16 pixels at 100 %.
constexpr int kCheckEdge200 = 32;

// Cell of the control-bar strip for each button, in button order: check
// boxes, open, save, sort, settings.
constexpr int kButtonCells[kPlaylistButtonCount] = {5, 0, 1, 6, 4};
// The strip is cut after the last cell used and one more, so that area
// averaging at that cell's right edge reads what it reads in the whole strip.
constexpr int kButtonCellsKept = 8;

// The strip's cells side by side, each c wide, centred in rows of height h.
HIMAGELIST m_BuildImageList(CArgbImage* strip, int c, int h)
{
    const int cells = strip->m_IsValid() ? strip->m_Width / strip->m_Height : 0;
    HIMAGELIST list = ImageList_Create(c, h, ILC_COLOR32, cells > 0 ? cells : 1, 0);
    if (!list || cells <= 0 || !strip->m_ResizeTo(cells * c, c, 1)) return list;
    CArgbImage frame;
    if (!frame.m_Create(nullptr, cells * c, h)) return list;
    const int y = h > c ? (h - c) / 2 : 0;
    frame.m_Draw(strip, 0, 0, y);
    HBITMAP bitmap = frame.m_CreateHBITMAP();
    if (bitmap) {
        ImageList_Add(list, bitmap, nullptr);
        DeleteObject(bitmap);
    }
    return list;
}

void m_ShowHeightOsd(int percent, int rowHeight)
{
    wchar_t text[64];
    _snwprintf(text, 63, L"LISTITEM````HEIGHT : %d%%````(%d``PX)", percent, rowHeight);
    text[63] = 0;
    m_OSD_ShowText(text, -1, -1, -1, -1, -1, -1);
}

}  // namespace

void CPlaylist::m_SetItemHeight(int showOsd)
{
    CArgbImage strip;
    const int loaded = m_LoadPngResource(&strip, kCheckStripId) && strip.m_Height > 0;
    const int c = m_Rows_CellEdge(loaded ? strip.m_Height : kCheckEdge200, m_W.DpiPercent);
    const int percent = g_PlaylistView.nItemHeight;
    const int r = m_Rows_Height(m_W.DpiPercent, percent, c);
    m_W.CheckImageEdge = c;
    if (showOsd) m_ShowHeightOsd(percent < 50 ? 50 : (percent > 200 ? 200 : percent), r);

    HIMAGELIST images = m_BuildImageList(&strip, c, r - 1);
    if (!images) return;
    for (HWND list : m_W.Lists)
        if (list) SendMessageW(list, LVM_SETIMAGELIST, LVSIL_SMALL, (LPARAM)images);
    if (m_W.CheckImages) ImageList_Destroy(m_W.CheckImages);
    m_W.CheckImages = images;
    m_PlaylistReadRowMetrics(*this, r);
}

void CPlaylist::m_LoadButtonImages()
{
    CArgbImage strip;
    const int source = m_LoadSkinSource(&strip, g_Settings.Ctrl_CtmIco, g_ExeFolder);
    if (source < 0 || strip.m_Height <= 0) return;
    int cells = strip.m_Width / strip.m_Height;
    // Only a strip of whole cells is cut: the scale of the rest stays the same.
    if (cells > kButtonCellsKept && strip.m_Width == cells * strip.m_Height &&
        strip.m_Crop(0, 0, strip.m_Width - kButtonCellsKept * strip.m_Height, 0))
        cells = kButtonCellsKept;
    if (source == 0) m_AdaptSkinToFace(&strip, m_W.BackColor);
    const int cell = m_SkinCellSize(strip.m_Height, m_W.DpiPercent, g_Settings.Ctrl_Ico);
    if (!strip.m_ResizeTo(cells * cell, cell, 1)) return;
    m_W.ButtonImageEdge = cell;
    for (int i = 0; i < kPlaylistButtonCount; ++i) {
        if (!m_W.Buttons[i] || kButtonCells[i] >= cells) continue;
        m_W.Buttons[i]->m_SetImage(&strip, 1, kButtonCells[i] * cell, 0, cell, cell);
    }
}
