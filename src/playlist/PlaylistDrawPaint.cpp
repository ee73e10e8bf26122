// The playlist window's own background: edge lines, the splitter, the tab
// strip and the button row around the buttons and the status area.
#include "base/Color.h"
#include "playlist/Playlist.h"

namespace {

void m_FillSolid(HDC dc, const RECT& r, COLORREF colour)
{
    if (r.right <= r.left || r.bottom <= r.top) return;
    SetDCBrushColor(dc, colour);
    FillRect(dc, &r, (HBRUSH)GetStockObject(DC_BRUSH));
}

}  // namespace

void CPlaylist::m_OnPaint()
{
    HWND dialog = m_W.Dialog;
    if (!dialog) return;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(dialog, &ps);
    if (!dc) return;
    if (m_W.Ready) {
        m_W.SplitterColor = m_MixColor(GetSysColor(COLOR_WINDOW), 0, 20);
        if (m_W.TopLine > 0)
            m_FillSolid(dc, {0, 0, m_W.TrackRect.right, m_W.TopLine}, m_W.EdgeColor);
        const RECT& row = m_W.ButtonRow;
        if (m_W.BottomLine > 0)
            m_FillSolid(dc, {row.left, row.top, row.right, row.top + m_W.BottomLine},
                        m_W.SplitterColor);
        m_FillSolid(dc, m_W.Splitter, m_W.SplitterColor);
        m_DrawTabs(dc);

        // The rest of the button row, around the buttons and the status area.
        HRGN rest = CreateRectRgn(row.left, row.top + m_W.BottomLine, row.right, row.bottom);
        HRGN hole = CreateRectRgnIndirect(&m_W.StatusRect);
        if (rest && hole) {
            CombineRgn(rest, rest, hole, RGN_DIFF);
            for (int i = 0; i < kPlaylistButtonCount; ++i) {
                HWND button = GetDlgItem(dialog, kPlaylistButtonFirstId + i);
                RECT r;
                if (!button || !GetWindowRect(button, &r)) continue;
                MapWindowPoints(nullptr, dialog, (POINT*)&r, 2);
                SetRectRgn(hole, r.left, r.top, r.right, r.bottom);
                CombineRgn(rest, rest, hole, RGN_DIFF);
            }
            SetDCBrushColor(dc, m_W.BackColor);
            FillRgn(dc, rest, (HBRUSH)GetStockObject(DC_BRUSH));
        }
        if (rest) DeleteObject(rest);
        if (hole) DeleteObject(hole);
    }
    EndPaint(dialog, &ps);
}
