// Column widths of the four lists: from the stored shares of the track
// list's width, or fitted to the widest time text.
#include <commctrl.h>

#include <wchar.h>

#include "app/ToolWindowPlacement.h"
#include "base/ListViewUtil.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistSplit.h"

namespace {

constexpr int kTimeTextCap = 64;
// Shapes remembered per measure; texts of further shapes are measured each.
constexpr int kShapeCap = 8;

// Name and time columns of tracks, chapters and ranges; the markers' one
// column spans both. The lists' notices are ignored meanwhile.
void m_SetWidths(CPlaylist& pl, int name, int time)
{
    const int handled = pl.m_W.NoticesHandled;
    pl.m_W.NoticesHandled = 0;
    // Shown lists are frozen meanwhile: a list lays out its scroll bars
    // again for each width it is given, the track list over all its rows.
    // A hidden one is left alone, as thawing would show it; a sub-list
    // being filled may be thawed here already, as its filling is done.
    HWND frozen[4] = {};
    for (int i = 0; i < 4; ++i) {
        HWND list = pl.m_W.Lists[i];
        if (!list || !(GetWindowLongW(list, GWL_STYLE) & WS_VISIBLE)) continue;
        m_FreezeRedraw(list, true);
        frozen[i] = list;
    }
    for (int i = 0; i < 3; ++i) {
        if (!pl.m_W.Lists[i]) continue;
        SendMessageW(pl.m_W.Lists[i], LVM_SETCOLUMNWIDTH, 0, name);
        SendMessageW(pl.m_W.Lists[i], LVM_SETCOLUMNWIDTH, 1, time);
    }
    if (pl.m_W.Lists[3]) SendMessageW(pl.m_W.Lists[3], LVM_SETCOLUMNWIDTH, 0, name + time);
    for (HWND list : frozen)
        if (list) m_FreezeRedraw(list, false);
    pl.m_W.NoticesHandled = handled;
}

// Whether the font gives every digit the same advance: then a time text's
// width follows from where its digits stand, not from which they are.
bool m_DigitsEven(HDC dc)
{
    INT widths[10] = {};
    if (!GetCharWidth32W(dc, L'0', L'9', widths)) return false;
    for (int w : widths)
        if (w != widths[0]) return false;
    return true;
}

// The time text with every digit made 0: texts of one shape measure alike
// when the digits are even.
void m_ShapeOf(const wchar_t* text, int length, wchar_t* shape)
{
    for (int i = 0; i < length; ++i) shape[i] = text[i] >= L'0' && text[i] <= L'9' ? L'0' : text[i];
    shape[length] = 0;
}

// The widest time text as the list measures a string (its font, the
// text's extent), in one device context for all rows: a width query per
// row costs the list a DC of its own each time. With even digits each
// shape ("0:00 ", "0:00:00 ") is measured once.
int m_WidestTime(HWND list)
{
    if (!list) return 0;
    const int rows = (int)SendMessageW(list, LVM_GETITEMCOUNT, 0, 0);
    if (rows <= 0) return 0;
    HDC dc = GetDC(list);
    if (!dc) return 0;
    HFONT font = (HFONT)SendMessageW(list, WM_GETFONT, 0, 0);
    HGDIOBJ old = SelectObject(dc, font ? (HGDIOBJ)font : GetStockObject(DEFAULT_GUI_FONT));
    const bool even = m_DigitsEven(dc);
    wchar_t shapes[kShapeCap][kTimeTextCap];
    int shapeCount = 0, widest = 0;
    for (int row = 0; row < rows; ++row) {
        wchar_t text[kTimeTextCap] = {};
        LVITEMW item = {};
        item.iSubItem = 1;
        item.pszText = text;
        item.cchTextMax = kTimeTextCap;
        const int length =
            (int)SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
        if (length <= 0 || length >= kTimeTextCap) continue;
        if (even) {
            wchar_t shape[kTimeTextCap];
            m_ShapeOf(text, length, shape);
            int known = 0;
            while (known < shapeCount && wcscmp(shapes[known], shape) != 0) ++known;
            if (known < shapeCount) continue;
            if (shapeCount < kShapeCap) wcscpy(shapes[shapeCount++], shape);
        }
        SIZE size = {};
        if (GetTextExtentPoint32W(dc, text, length, &size) && size.cx > widest) widest = size.cx;
    }
    SelectObject(dc, old);
    ReleaseDC(list, dc);
    return widest;
}

}  // namespace

void CPlaylist::m_ApplyColumnRatios()
{
    if (!m_W.Lists[0]) return;
    int widths[2];
    m_Columns_FromRatios(m_GetListWidth(m_W.Lists[0]), g_PlaylistView.dColumn, widths);
    m_SetWidths(*this, widths[0], widths[1]);
}

int CPlaylist::m_AutoColumnWidths()
{
    if (!m_W.Ready) return 0;
    int w = -1;
    for (HWND list : m_W.Lists) {
        if (!list) continue;
        const int usable = m_GetListWidth(list);
        if (w < 0 || usable < w) w = usable;
    }
    if (w < 0 || w == m_W.LastAutoWidth) return 0;
    m_W.LastAutoWidth = w;
    int widest = 0;
    for (int i = 0; i < 3; ++i) {
        const int listWidest = m_WidestTime(m_W.Lists[i]);
        if (listWidest > widest) widest = listWidest;
    }
    const int time = m_Columns_TimeWidth(widest, m_W.DpiPercent);
    m_SetWidths(*this, w > time ? w - time : 0, time);
    if (m_W.Lists[3]) SendMessageW(m_W.Lists[3], LVM_SETCOLUMNWIDTH, 0, w);
    if (g_PlaylistView.bOmit && m_ElideTrackNames()) m_RefreshTrackRows();
    return 1;
}
