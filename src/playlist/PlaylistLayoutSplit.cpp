// The split between the track list and the sub-list: what each needs,
// taken from their rows, and the split the ratios give.
#include <commctrl.h>

#include "app/ToolWindowPlacement.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistLayoutParts.h"
#include "playlist/PlaylistSplit.h"

namespace {

int m_Rows(HWND list) { return list ? (int)SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) : 0; }

SSPLITNEEDS m_Needs(const CPlaylist& pl)
{
    SPLAYLISTFRAME f;
    m_PlaylistFrame(pl, &f);
    const SPLAYLISTWND& w = pl.m_W;
    const int h = w.RowHeight, e = w.HeaderHeight, p = pl.m_U(1.4);
    const int shown = m_PlaylistShownSub(pl);
    SSPLITNEEDS n = {};
    n.H = w.PaneHeight;
    n.A = f.TabStrip;
    n.Nt = m_Split_TrackNeed(h, e, p, pl.m_GetCount());
    n.Ns = m_Split_SubNeed(h, e, p, n.A, m_Rows(w.Lists[shown]), shown == 1);
    n.Hideable = g_PlaylistView.nHideTab && m_Rows(w.Lists[1]) < 2 && m_Rows(w.Lists[2]) == 0 &&
                 m_Rows(w.Lists[3]) == 0;
    return n;
}

}  // namespace

void CPlaylist::m_LayoutLists(int mode)
{
    if (!m_W.Ready || !m_W.Dialog) return;
    m_CalcPaneHeight();
    const SSPLITNEEDS n = m_Needs(*this);
    if (mode == 0) {
        m_W.FittedRatio = m_Split_RatioFor(n, m_W.SubHeight, m_W.FittedRatio);
        m_W.FittedCopy = m_W.FittedRatio;
        return;
    }
    double fitted = m_W.FittedRatio;
    m_W.SubHeight = m_Split_SubHeight(n, mode, m_W.SubHeight, &fitted);
    m_W.FittedRatio = m_W.FittedCopy = fitted;
    m_W.PlainRatio = m_Split_PlainRatio(m_W.SubHeight, n.H, m_W.PlainRatio);
    m_MoveChildren(-1, -1);
}
