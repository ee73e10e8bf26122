// Dragging tracks inside the track list: where a drop would insert, the
// insertion mark, and scrolling while the cursor is past the visible rows.
#include "playlist/Playlist.h"

#include <commctrl.h>

#include "base/MonitorArea.h"

namespace {

constexpr UINT_PTR kDragScrollTimer = 2;

bool m_RowRect(HWND list, int row, RECT* rc)
{
    rc->left = LVIR_BOUNDS;
    return SendMessageW(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(rc)) != 0;
}

int m_RowsPerPage(HWND list) { return (int)SendMessageW(list, LVM_GETCOUNTPERPAGE, 0, 0); }
int m_TopRow(HWND list) { return (int)SendMessageW(list, LVM_GETTOPINDEX, 0, 0); }
int m_RowCount(HWND list) { return (int)SendMessageW(list, LVM_GETITEMCOUNT, 0, 0); }

// The last visible row: the top one plus a page, within the list.
int m_LastVisibleRow(HWND list, int top)
{
    int count = m_RowCount(list);
    int page = m_RowsPerPage(list);
    int last = top + (count < page ? count : page) - 1;
    return last < count ? last : count - 1;
}

}  // namespace

int m_Playlist_DragScrollSpeed(int distance, int space)
{
    if (space < 1 || distance < 0) return 0;
    return (distance < 100 ? distance : 100) * 100 / (space < 100 ? space : 100);
}

UINT m_Playlist_DragScrollInterval(int speed)
{
    int size = speed < 0 ? -speed : speed;
    if (size < 25) return 200;
    if (size < 50) return 100;
    if (size < 75) return 50;
    if (size < 100) return 25;
    return 10;
}

int CPlaylist::m_GetDropIndex(POINT pt) const
{
    if (!m_hList) return -1;
    int top = m_TopRow(m_hList);
    int last = m_LastVisibleRow(m_hList, top);
    RECT rc;
    if (last < top || !m_RowRect(m_hList, top, &rc)) return -1;
    if (pt.y < rc.top) return top;
    if (m_RowRect(m_hList, last, &rc) && pt.y >= (rc.top + rc.bottom) / 2) return last + 1;
    for (int row = top; row <= last; ++row) {
        if (!m_RowRect(m_hList, row, &rc)) continue;
        int middle = (rc.top + rc.bottom) / 2;
        if (pt.y >= rc.top && pt.y < middle) return row;
        if (pt.y >= middle && pt.y < rc.bottom) return row + 1;
    }
    return -1;
}

void CPlaylist::m_TrackDropMark(POINT pt)
{
    int index = m_GetDropIndex(pt);
    if (index == m_DropFound) return;
    m_DropFound = index;
    m_DrawDropMark(index);
}

// Three lines drawn inverting, so that drawing the same lines again erases
// them: the old mark goes before the new one is drawn.
void CPlaylist::m_DrawDropMark(int row)
{
    if (!m_hList || row == m_DropMarkRow) return;
    HDC dc = GetDC(m_hList);
    if (!dc) return;
    RECT client;
    GetClientRect(m_hList, &client);
    int oldRop = SetROP2(dc, R2_NOT);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    HGDIOBJ oldPen = SelectObject(dc, pen);
    int count = m_RowCount(m_hList);
    const int marks[] = {m_DropMarkRow, row};
    for (int mark : marks) {
        RECT rc;
        if (mark < 0 || mark > count) continue;
        if (!m_RowRect(m_hList, mark < count ? mark : count - 1, &rc)) continue;
        int y = mark < count ? rc.top : rc.bottom;
        for (int dy = -2; dy <= 0; ++dy) {
            MoveToEx(dc, client.left, y + dy, nullptr);
            LineTo(dc, client.right, y + dy);
        }
    }
    SelectObject(dc, oldPen);
    DeleteObject(pen);
    SetROP2(dc, oldRop);
    ReleaseDC(m_hList, dc);
    m_DropMarkRow = row;
}

void CPlaylist::m_StopDragScroll()
{
    if (m_DragScrollRunning && m_hWnd) KillTimer(m_hWnd, kDragScrollTimer);
    m_DragScrollRunning = 0;
    m_DragScrollInterval = 0;
}

int CPlaylist::m_OnDragTimer()
{
    if (!m_hList || !m_HasVScroll(m_hList)) return 0;
    int top = m_TopRow(m_hList);
    int last = m_LastVisibleRow(m_hList, top);
    RECT first, end, list = {}, monitor;
    POINT cursor;
    bool known = m_RowRect(m_hList, top, &first) && m_RowRect(m_hList, last, &end) &&
                 GetCursorPos(&cursor) && GetWindowRect(m_hList, &list);
    POINT centre = {(list.left + list.right) / 2, (list.top + list.bottom) / 2};
    if (!known || !m_GetMonitorWorkArea(&monitor, &centre, 0)) {
        m_StopDragScroll();
        return 0;
    }
    MapWindowPoints(m_hList, nullptr, reinterpret_cast<POINT*>(&first), 2);
    MapWindowPoints(m_hList, nullptr, reinterpret_cast<POINT*>(&end), 2);
    int space = 0, distance = 0, sign = 1;
    if (cursor.y < first.top && top >= 1) {
        space = first.top - monitor.top;
        distance = first.top - cursor.y;
        sign = -1;
    } else if (cursor.y > end.bottom && last < m_RowCount(m_hList) - 1) {
        space = monitor.bottom - end.bottom - 1;
        distance = cursor.y - end.bottom;
    }
    if (space < 1) {
        m_StopDragScroll();
        return 0;
    }
    m_DragScrollSpeed = sign * m_Playlist_DragScrollSpeed(distance, space);
    m_DragScrollInterval = m_Playlist_DragScrollInterval(m_DragScrollSpeed);
    if (!m_DragScrollRunning && m_hWnd) {
        m_DragScrollRunning = 1;
        SetTimer(m_hWnd, kDragScrollTimer, m_DragScrollInterval / 2, nullptr);
    }
    return 1;
}

int CPlaylist::m_HasVScroll(HWND list) const
{
    return list && m_RowCount(list) > m_RowsPerPage(list) ? 1 : 0;
}

int CPlaylist::m_GetListWidth(HWND list) const
{
    RECT window, client;
    if (!list || !GetWindowRect(list, &window) || !GetClientRect(list, &client)) return 0;
    int rows = m_RowCount(list) * m_RowHeight + m_RowTop;
    if (rows > window.bottom - window.top) return client.right - client.left;
    return window.right - window.left;
}
