// The four lists' own procedure: one click toggles a check box (a fast
// second click toggles it again instead of opening the row), a click on a
// play range's icon plays that range, and dragging a column edge keeps the
// columns of all lists in step.
#include <commctrl.h>
#include <windowsx.h>

#include "app/ToolWindowPlacement.h"
#include "playlist/PlaylistKeys.h"
#include "playlist/PlaylistWindowInput.h"

namespace {

constexpr int kNoticeRangeIcon = 2013;
constexpr UINT kStateImageShift = 12;

// The state-icon (or range icon) area of the last row a click acted on, in
// that list's client coordinates.
struct SLISTHIT {
    HWND List;
    RECT Area;
};
SLISTHIT s_Hit = {};

// Widths of the track list's two columns since the first column drag; the
// drag stays on for the rest of the run.
struct SCOLUMNDRAG {
    int On;
    int Width[2];
    int Sum;
};
SCOLUMNDRAG s_Drag = {};

bool m_HasCheckBoxes(HWND list)
{
    return (SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_CHECKBOXES) != 0;
}

RECT m_IconRect(HWND list, int row)
{
    RECT rc = {};
    rc.left = LVIR_ICON;
    if (!SendMessageW(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rc))) SetRectEmpty(&rc);
    return rc;
}

void m_ToggleStateImage(HWND list, int row)
{
    const UINT state = (UINT)SendMessageW(list, LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK);
    LVITEMW item = {};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK((state >> kStateImageShift) == 2 ? 1 : 2);
    SendMessageW(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

// 1 when the press toggled a check box or chose a range by its icon; the
// list then never sees it.
int m_OnPress(const CPlaylist& p, HWND list, POINT pt)
{
    const bool checks = m_HasCheckBoxes(list);
    const bool ranges = list == p.m_W.Lists[2];
    const int count = (int)SendMessageW(list, LVM_GETITEMCOUNT, 0, 0);
    const int top = (int)SendMessageW(list, LVM_GETTOPINDEX, 0, 0);
    const int last = top + (int)SendMessageW(list, LVM_GETCOUNTPERPAGE, 0, 0);
    for (int row = top; (checks || ranges) && row <= last && row < count; ++row) {
        const RECT icon = m_IconRect(list, row);
        const RECT box = {0, icon.top, icon.left, icon.bottom};
        if (checks && PtInRect(&box, pt)) {
            m_ToggleStateImage(list, row);
            s_Hit = {list, box};
            return 1;
        }
        if (ranges && PtInRect(&icon, pt)) {
            m_PlKeys_Notice(p, kNoticeRangeIcon, row);
            s_Hit = {list, icon};
            return 1;
        }
    }
    s_Hit = {};
    return 0;
}

void m_SetWidth(HWND list, int column, int width)
{
    if (list) SendMessageW(list, LVM_SETCOLUMNWIDTH, column, width);
}

// The marker list's one column spans both columns of the others: its edge
// moves their name columns and leaves the time column as it was.
void m_FollowColumn(CPlaylist& p, HWND list, int column, int width)
{
    if (width < 0) width = 0;
    if (list == p.m_W.Lists[3]) {
        const int name = width > s_Drag.Width[1] ? width - s_Drag.Width[1] : 0;
        for (int i = 0; i < 3; ++i) m_SetWidth(p.m_W.Lists[i], 0, name);
        s_Drag.Width[0] = name;
        s_Drag.Sum = name + s_Drag.Width[1];
        return;
    }
    if (column != 0 && column != 1) return;
    for (int i = 0; i < 3; ++i)
        if (p.m_W.Lists[i] != list) m_SetWidth(p.m_W.Lists[i], column, width);
    s_Drag.Width[column] = width;
    const int sum = s_Drag.Width[0] + s_Drag.Width[1];
    if (sum != s_Drag.Sum) m_SetWidth(p.m_W.Lists[3], 0, sum);
    s_Drag.Sum = sum;
}

void m_OnHeaderNotify(CPlaylist& p, HWND list, const NMHDR* header)
{
    if (!header || !p.m_W.NoticesHandled) return;
    if (header->hwndFrom != reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0))) return;
    if (header->code == HDN_BEGINTRACKW && !s_Drag.On) {
        s_Drag.On = 1;
        p.m_GetColumnWidths(s_Drag.Width);
        s_Drag.Sum = s_Drag.Width[0] + s_Drag.Width[1];
        return;
    }
    const NMHEADERW* change = reinterpret_cast<const NMHEADERW*>(header);
    if (header->code != HDN_ITEMCHANGINGW || !s_Drag.On || !change->pitem ||
        !(change->pitem->mask & HDI_WIDTH))
        return;
    p.m_W.NoticesHandled = 0;
    m_FollowColumn(p, list, change->iItem, change->pitem->cxy);
    const int usable = p.m_GetListWidth(p.m_GetTrackList());
    if (usable > 0)
        for (int i = 0; i < 2; ++i) g_PlaylistView.dColumn[i] = s_Drag.Width[i] * 100.0 / usable;
    p.m_W.NoticesHandled = 1;
}

}  // namespace

LRESULT CALLBACK CPlaylist::m_ListSubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    CPlaylist* p = reinterpret_cast<CPlaylist*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    int slot = 0;
    while (p && slot < 4 && p->m_W.Lists[slot] != hwnd) ++slot;
    WNDPROC previous = p ? p->m_W.ListProcs[slot < 4 ? slot : 0] : nullptr;
    if (!previous) return DefWindowProcW(hwnd, msg, wParam, lParam);
    const POINT pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (msg) {
        case WM_LBUTTONDOWN:
            if (m_OnPress(*p, hwnd, pt)) return 0;
            break;
        case WM_LBUTTONDBLCLK:
            // The second click of a fast pair acts as a click of its own.
            if (s_Hit.List == hwnd && PtInRect(&s_Hit.Area, pt)) {
                m_OnPress(*p, hwnd, pt);
                return 0;
            }
            break;
        case WM_NOTIFY:
            m_OnHeaderNotify(*p, hwnd, reinterpret_cast<const NMHDR*>(lParam));
            break;
    }
    return CallWindowProcW(previous, hwnd, msg, wParam, lParam);
}
