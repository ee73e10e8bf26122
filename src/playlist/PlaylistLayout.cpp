// The playlist window's children: track list, splitter, tab strip,
// sub-lists, the five buttons and the status area, placed for the client
// size and the split.
#include <commctrl.h>

#include "app/MainWindow.h"
#include "app/PlaylistDock.h"
#include "app/ToolWindowPlacement.h"
#include "base/ArgbImage.h"
#include "base/Dpi.h"
#include "base/Geometry.h"
#include "controls/ButtonPlus.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistLayoutParts.h"
#include "playlist/PlaylistSplit.h"
#include "settings/Settings.h"

namespace {

constexpr int kDefaultButtonEdge = 28;
constexpr int kChildCount = 4 + kPlaylistButtonCount;

int m_ButtonEdge(int value) { return value > 0 ? value : kDefaultButtonEdge; }

int m_Max(int a, int b) { return a > b ? a : b; }

// The sub-lists share one rectangle; only the one on show redraws.
HDWP m_PlaceLists(const CPlaylist& pl, HDWP dwp)
{
    const RECT& t = pl.m_W.TrackRect;
    const RECT& s = pl.m_W.SubRect;
    const int shown = m_PlaylistShownSub(pl);
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (dwp && pl.m_W.Lists[0])
        dwp = DeferWindowPos(dwp, pl.m_W.Lists[0], nullptr, t.left, t.top, t.right - t.left,
                             t.bottom - t.top, flags);
    for (int i = 1; i < 4 && dwp; ++i) {
        if (!pl.m_W.Lists[i]) continue;
        dwp = DeferWindowPos(dwp, pl.m_W.Lists[i], nullptr, s.left, s.top, s.right - s.left,
                             s.bottom - s.top, flags | (i == shown ? 0 : SWP_NOREDRAW));
    }
    return dwp;
}

// Buttons left to right; returns the x where the status area begins.
HDWP m_PlaceButtons(const CPlaylist& pl, const SPLAYLISTFRAME& f, int clientH, HDWP dwp, int* x)
{
    const int w = m_Max(f.ButtonW - 2 * f.Gap, 0), h = m_Max(f.ButtonH - 2 * f.Gap, 0);
    const int y = clientH - f.ButtonH + f.Gap;
    *x = f.Gap;
    for (int i = 0; i < kPlaylistButtonCount; ++i) {
        HWND button = pl.m_W.Buttons[i] ? pl.m_W.Buttons[i]->m_GetHwnd() : nullptr;
        if (button && dwp)
            dwp = DeferWindowPos(dwp, button, nullptr, *x, y, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
        *x += w + f.Gap;
    }
    return dwp;
}

void m_PlaceStatus(CPlaylist& pl, const SPLAYLISTFRAME& f, int x, int width, int clientH)
{
    RECT& r = pl.m_W.StatusRect;
    SetRect(&r, x, clientH - f.ButtonH, m_Max(width, x), clientH);
    if (!pl.m_W.Status) return;
    MoveWindow(pl.m_W.Status, r.left, r.top, r.right - r.left, r.bottom - r.top, FALSE);
    if (pl.m_W.StatusImage && r.right > r.left && r.bottom > r.top)
        pl.m_W.StatusImage->m_Create(nullptr, r.right - r.left, r.bottom - r.top);
    pl.m_DrawStatus();
}

int m_Clamp(int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); }

// The rectangles for client size W x Hc and the split S, stacked top to
// bottom. A split below the tab strip's height, or a window too low for
// the frame, squeezes the lower ones to no height rather than past Y.
void m_StoreRects(SPLAYLISTWND& w, const SPLAYLISTFRAME& f, int W, int Hc, int S)
{
    const int Y = m_Max(Hc - f.BottomLine - f.ButtonH, f.TopLine);
    const int splitTop = m_Clamp(Y - S - f.Splitter, f.TopLine, Y);
    const int splitBottom = m_Clamp(Y - S, splitTop, Y);
    const int subTop = m_Clamp(Y - S + f.TabStrip, splitBottom, Y);
    SetRect(&w.TrackRect, 0, f.TopLine, W, splitTop);
    SetRect(&w.Splitter, 0, splitTop, W, splitBottom);
    SetRect(&w.TabStrip, 0, splitBottom, W, subTop);
    SetRect(&w.SubRect, 0, subTop, W, Y);
    SetRect(&w.ButtonRow, 0, Y, W, m_Max(Hc, Y));
}

}  // namespace

void m_PlaylistFrame(const CPlaylist& pl, SPLAYLISTFRAME* out)
{
    const int win10 = g_OsVersion >= 10;
    out->TopLine = g_Settings.Ctrl_Sep[0] && win10 ? pl.m_U(1) : 0;
    out->BottomLine = g_Settings.Ctrl_Sep[1] && win10 ? pl.m_U(1) : 0;
    out->Splitter = pl.m_U(5) - (pl.m_W.PaneShown ? pl.m_U(1) : 0);
    out->TabStrip = pl.m_W.PaneShown ? pl.m_U(23) : 0;
    out->Gap = g_Settings.Ctrl_Style[1] ? pl.m_U(1) : 0;
    out->ButtonW = pl.m_U(m_ButtonEdge(g_Settings.Ctrl_Btn[0]));
    out->ButtonH = pl.m_U(m_ButtonEdge(g_Settings.Ctrl_Btn[1]));
}

int m_PlaylistPaneHeight(const SPLAYLISTFRAME& f, int clientHeight)
{
    return clientHeight - f.BottomLine - f.TopLine - f.ButtonH - f.Splitter;
}

int m_PlaylistShownSub(const CPlaylist& pl)
{
    if (!pl.m_W.PaneShown || pl.m_W.Tab < 0 || pl.m_W.Tab > 2) return 1;
    return 1 + pl.m_W.Tab;
}

void m_PlaylistReadRowMetrics(CPlaylist& pl, int fallbackRow)
{
    HWND list = pl.m_W.Lists[0];
    if (!list) return;
    RECT rc = {LVIR_BOUNDS, 0, 0, 0};
    if (SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) > 0 &&
        SendMessageW(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&rc)) &&
        rc.bottom > rc.top) {
        // Scrolled rows report their top above the header: count from the top row.
        const int top = (int)SendMessageW(list, LVM_GETTOPINDEX, 0, 0);
        pl.m_W.RowHeight = rc.bottom - rc.top;
        pl.m_W.HeaderHeight = rc.top + top * pl.m_W.RowHeight;
        pl.m_RowTop = pl.m_W.HeaderHeight;
        pl.m_RowHeight = pl.m_W.RowHeight;
        return;
    }
    RECT header = {};
    HWND headerWnd = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    if (headerWnd && (GetWindowLongW(headerWnd, GWL_STYLE) & WS_VISIBLE) &&
        GetWindowRect(headerWnd, &header))
        pl.m_W.HeaderHeight = header.bottom - header.top;
    else
        pl.m_W.HeaderHeight = 0;
    if (fallbackRow > 0) pl.m_W.RowHeight = fallbackRow;
}

int CPlaylist::m_U(double pixels) const { return m_ScaleValue(pixels, m_W.DpiPercent, 100, 0); }

void CPlaylist::m_CalcPaneHeight()
{
    RECT client;
    if (!m_W.Dialog || !GetClientRect(m_W.Dialog, &client)) return;
    SPLAYLISTFRAME f;
    m_PlaylistFrame(*this, &f);
    m_W.TopLine = f.TopLine;
    m_W.BottomLine = f.BottomLine;
    m_W.PaneHeight = m_PlaylistPaneHeight(f, client.bottom);
}

void CPlaylist::m_MoveChildren(int width, int height)
{
    if (!m_W.Ready || !m_W.Dialog) return;
    RECT client;
    if (width < 0 || height < 0) {
        if (!GetClientRect(m_W.Dialog, &client)) return;
        width = client.right;
        height = client.bottom;
    }
    SPLAYLISTFRAME f;
    m_PlaylistFrame(*this, &f);
    RECT margins;
    m_GetDpiFrameMargins(&margins, m_W.DpiPercent);
    if (!m_W.MinTrack.x) m_W.MinTrack.x = GetSystemMetrics(SM_CXMINTRACK);
    m_W.MinTrack.y = margins.top + margins.bottom + f.ButtonH;
    m_W.TopLine = f.TopLine;
    m_W.BottomLine = f.BottomLine;
    const int H = m_W.PaneHeight = m_PlaylistPaneHeight(f, height);
    int S = g_PlaylistView.bAdjust ? m_W.SubHeight
                                   : m_RoundByMode(H * m_Split_ClampRatio(m_W.PlainRatio), 0);
    S = S < 0 || H <= 0 ? 0 : (S > H ? H : S);
    m_W.SubHeight = S;
    m_W.SubCollapsed = S <= m_U(23);
    m_StoreRects(m_W, f, width, height, S);

    int x = 0;
    HDWP dwp = BeginDeferWindowPos(kChildCount);
    dwp = m_PlaceLists(*this, dwp);
    m_LayoutTabs(0);
    dwp = m_PlaceButtons(*this, f, height, dwp, &x);
    if (dwp) EndDeferWindowPos(dwp);
    m_PlaceStatus(*this, f, x, width, height);

    if (g_PlaylistView.bAutoColumn) m_AutoColumnWidths();
    InvalidateRect(m_W.Dialog, &m_W.ButtonRow, FALSE);
    InvalidateRect(m_W.Dialog, &m_W.Splitter, FALSE);
    InvalidateRect(m_W.Dialog, &m_W.TabStrip, FALSE);
    if (GetActiveWindow() == m_W.Dialog) g_DockingMove = 0;
}
