#include "base/ListViewUtil.h"

#include <commctrl.h>

#include <algorithm>

namespace {

int m_NextSelected(HWND window, int after)
{
    return static_cast<int>(SendMessageW(window, LVM_GETNEXTITEM, static_cast<WPARAM>(after),
                                         MAKELPARAM(LVNI_SELECTED, 0)));
}

int m_ItemCount(HWND window)
{
    return static_cast<int>(SendMessageW(window, LVM_GETITEMCOUNT, 0, 0));
}

// item -1 applies the state to every item.
void m_SetItemState(HWND window, int item, UINT state, UINT mask)
{
    LVITEMW lvi = {};
    lvi.state = state;
    lvi.stateMask = mask;
    SendMessageW(window, LVM_SETITEMSTATE, static_cast<WPARAM>(item),
                 reinterpret_cast<LPARAM>(&lvi));
}

int m_EnsureVisible(HWND window, int item)
{
    return SendMessageW(window, LVM_ENSUREVISIBLE, static_cast<WPARAM>(item), FALSE) ? 1 : 0;
}

}  // namespace

void m_FreezeRedraw(HWND window, bool freeze)
{
    SendMessageW(window, WM_SETREDRAW, freeze ? FALSE : TRUE, 0);
    if (!freeze) InvalidateRect(window, nullptr, FALSE);
}

int m_ListView_EnsureVisibleMargin(HWND window, int item)
{
    const int count = m_ItemCount(window);
    const int perPage = static_cast<int>(SendMessageW(window, LVM_GETCOUNTPERPAGE, 0, 0));
    const int top = static_cast<int>(SendMessageW(window, LVM_GETTOPINDEX, 0, 0));
    if (count <= perPage || item < 0 || item >= count) return 0;
    const int margin = perPage * 25 / 100;
    if (margin == 0) {
        if (item >= top && item <= top + perPage) return 0;
        return m_EnsureVisible(window, item);
    }
    const int above = std::max(item - margin, 0);
    if (above < top) return m_EnsureVisible(window, above);
    const int below = std::min(item + margin, count - 1);
    if (below <= top + perPage) return 0;
    return m_EnsureVisible(window, below);
}

int m_ListView_DeleteSelected(HWND window)
{
    int deleted = 0;
    int lastIndex = -1;
    // Deleting shifts the later items up, so the search restarts just before
    // the index that was freed.
    for (int item = m_NextSelected(window, -1); item >= 0;
         item = m_NextSelected(window, lastIndex - 1)) {
        if (!SendMessageW(window, LVM_DELETEITEM, static_cast<WPARAM>(item), 0)) break;
        lastIndex = item;
        ++deleted;
    }
    const int count = m_ItemCount(window);
    if (deleted > 0 && count > 0)
        m_SetItemState(window, std::min(lastIndex, count - 1), LVIS_SELECTED, LVIS_SELECTED);
    return deleted;
}

LPARAM m_ListView_GetItemParam(HWND window, int item)
{
    LVITEMW lvi = {};
    lvi.mask = LVIF_PARAM;
    lvi.iItem = item;
    if (!SendMessageW(window, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&lvi))) return 0;
    return lvi.lParam;
}

int m_ListView_SetItemParam(HWND window, int item, LPARAM param)
{
    LVITEMW lvi = {};
    lvi.mask = LVIF_PARAM;
    lvi.iItem = item;
    lvi.lParam = param;
    return SendMessageW(window, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&lvi)) ? 1 : 0;
}

void m_ListView_SelectAll(HWND window, bool select)
{
    m_SetItemState(window, -1, select ? LVIS_SELECTED : 0, LVIS_SELECTED);
}

void m_ListView_SelectOnly(HWND window, int item, bool focus)
{
    m_SetItemState(window, -1, 0, LVIS_SELECTED);
    const UINT state = focus ? LVIS_SELECTED | LVIS_FOCUSED : LVIS_SELECTED;
    m_SetItemState(window, item, state, state);
}

int m_ListView_GetSelectedCount(HWND window)
{
    return m_ListView_GetSelection(window, nullptr, nullptr, nullptr);
}

int m_ListView_IsSelected(HWND window, int item)
{
    const LRESULT state =
        SendMessageW(window, LVM_GETITEMSTATE, static_cast<WPARAM>(item), LVIS_SELECTED);
    return (state & LVIS_SELECTED) ? 1 : 0;
}

int m_ListView_GetSelection(HWND window, int* first, int* last, int* contiguous)
{
    int count = 0;
    int firstIndex = -1;
    int prev = -1;
    int oneRun = 1;
    for (int item = m_NextSelected(window, -1); item >= 0; item = m_NextSelected(window, item)) {
        if (count == 0)
            firstIndex = item;
        else if (item != prev + 1)
            oneRun = 0;
        prev = item;
        ++count;
    }
    if (first) *first = firstIndex;
    if (last) *last = prev;
    if (contiguous) *contiguous = oneRun;
    return count;
}

int m_ListView_GetFirstSelected(HWND window) { return m_NextSelected(window, -1); }

int m_ListView_GetLastSelected(HWND window)
{
    int last = -1;
    m_ListView_GetSelection(window, nullptr, &last, nullptr);
    return last;
}
