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

// The strip's cells side by side, each c wide, centred in rows of height
// h: made once per size in a run and kept, since every window made at that
// DPI and row height asks for the same (resizing the strip is most of the
// cost of making the image list).
const CArgbImage* m_CheckFrame(CArgbImage* strip, int c, int h, int* cells)
{
    static CArgbImage s_Frame;
    static int s_Edge, s_Height, s_Cells;
    *cells = strip->m_IsValid() ? strip->m_Width / strip->m_Height : 0;
    if (*cells <= 0) return nullptr;
    if (s_Frame.m_IsValid() && s_Edge == c && s_Height == h && s_Cells == *cells) return &s_Frame;
    s_Frame.m_Destroy();
    if (!strip->m_ResizeTo(*cells * c, c, 1) || !s_Frame.m_Create(nullptr, *cells * c, h))
        return nullptr;
    s_Frame.m_Draw(strip, 0, 0, h > c ? (h - c) / 2 : 0);
    s_Edge = c;
    s_Height = h;
    s_Cells = *cells;
    return &s_Frame;
}

// The window's own image list of the check cells (it destroys it).
HIMAGELIST m_BuildImageList(CArgbImage* strip, int c, int h)
{
    int cells = 0;
    const CArgbImage* frame = m_CheckFrame(strip, c, h, &cells);
    HIMAGELIST list = ImageList_Create(c, h, ILC_COLOR32, cells > 0 ? cells : 1, 0);
    if (!list || !frame) return list;
    HBITMAP bitmap = frame->m_CreateHBITMAP();
    if (bitmap) {
        ImageList_Add(list, bitmap, nullptr);
        DeleteObject(bitmap);
    }
    return list;
}

// The buttons' strip from the program's own images, cut and scaled for a
// DPI, icon size and face colour: kept for the run, as every window made
// with the same three gets the same pixels. A strip from a file is not
// kept, since the file may change between windows.
struct SKEPTBUTTONS {
    CArgbImage Strip;
    int Dpi = 0, Ico = 0, Cell = 0, Cells = 0;
    COLORREF Face = 0;
};

SKEPTBUTTONS& m_KeptButtons()
{
    static SKEPTBUTTONS s_Kept;
    return s_Kept;
}

// The strip scaled to cells of *cell pixels, *cells of them; false when
// there is none.
bool m_MakeButtonStrip(CArgbImage* strip, int dpi, COLORREF face, int* cell, int* cells)
{
    const int source = m_LoadSkinSource(strip, g_Settings.Ctrl_CtmIco, g_ExeFolder);
    if (source < 0 || strip->m_Height <= 0) return false;
    *cells = strip->m_Width / strip->m_Height;
    // Only a strip of whole cells is cut: the scale of the rest stays the same.
    if (*cells > kButtonCellsKept && strip->m_Width == *cells * strip->m_Height &&
        strip->m_Crop(0, 0, strip->m_Width - kButtonCellsKept * strip->m_Height, 0))
        *cells = kButtonCellsKept;
    if (source == 0) m_AdaptSkinToFace(strip, face);
    *cell = m_SkinCellSize(strip->m_Height, dpi, g_Settings.Ctrl_Ico);
    if (!strip->m_ResizeTo(*cells * *cell, *cell, 1)) return false;
    if (source != 0) return true;
    SKEPTBUTTONS& kept = m_KeptButtons();
    kept.Strip = *strip;
    kept.Dpi = dpi;
    kept.Ico = g_Settings.Ctrl_Ico;
    kept.Face = face;
    kept.Cell = *cell;
    kept.Cells = *cells;
    return true;
}

// The kept strip when it fits, else a new one made in *own.
const CArgbImage* m_ButtonStrip(CArgbImage* own, int dpi, COLORREF face, int* cell, int* cells)
{
    const SKEPTBUTTONS& kept = m_KeptButtons();
    if (!g_Settings.Ctrl_CtmIco && kept.Strip.m_IsValid() && kept.Dpi == dpi &&
        kept.Ico == g_Settings.Ctrl_Ico && kept.Face == face) {
        *cell = kept.Cell;
        *cells = kept.Cells;
        return &kept.Strip;
    }
    return m_MakeButtonStrip(own, dpi, face, cell, cells) ? own : nullptr;
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
    CArgbImage own;
    int cell = 0, cells = 0;
    const CArgbImage* strip = m_ButtonStrip(&own, m_W.DpiPercent, m_W.BackColor, &cell, &cells);
    if (!strip) return;
    m_W.ButtonImageEdge = cell;
    for (int i = 0; i < kPlaylistButtonCount; ++i) {
        if (!m_W.Buttons[i] || kButtonCells[i] >= cells) continue;
        m_W.Buttons[i]->m_SetImage(strip, 1, kButtonCells[i] * cell, 0, cell, cell);
    }
}
