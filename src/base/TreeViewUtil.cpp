#include "base/TreeViewUtil.h"

#include <new>

namespace {

constexpr UINT kRecordMask = TVIF_TEXT | TVIF_IMAGE | TVIF_PARAM | TVIF_STATE | TVIF_HANDLE |
                             TVIF_SELECTEDIMAGE | TVIF_CHILDREN;

HTREEITEM m_NextItem(HWND window, HTREEITEM item, UINT relation)
{
    return reinterpret_cast<HTREEITEM>(
        SendMessageW(window, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

// Reads the item into a record; only a record that is kept gets a text buffer
// (and the full mask), so a dropped one has nothing to free.
bool m_ReadRecord(HWND window, HTREEITEM item, bool keep, TVINSERTSTRUCTW* rec)
{
    *rec = {};
    rec->hParent = m_NextItem(window, item, TVGN_PARENT);
    rec->hInsertAfter = TVI_LAST;
    TVITEMW& tvi = rec->item;
    // The expanded state is read even when only counting: expandedOnly needs it.
    tvi.mask = keep ? kRecordMask : TVIF_CHILDREN | TVIF_STATE | TVIF_HANDLE;
    tvi.hItem = item;
    tvi.stateMask = TVIS_EXPANDED;
    if (keep) {
        tvi.pszText = new (std::nothrow) wchar_t[kTreeRecordTextChars];
        if (tvi.pszText) {
            tvi.pszText[0] = L'\0';
            tvi.cchTextMax = kTreeRecordTextChars;
        } else {
            tvi.mask &= ~TVIF_TEXT;
        }
    }
    if (SendMessageW(window, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tvi))) return true;
    delete[] tvi.pszText;
    tvi.pszText = nullptr;
    return false;
}

// Slots are counted in 64 bits so that a large first index cannot overflow.
int m_CollectFrom(HWND window, HTREEITEM item, bool siblings, TVINSERTSTRUCTW* records,
                  int capacity, long long firstIndex, bool expandedOnly)
{
    int walked = 0;
    for (; item; item = siblings ? m_NextItem(window, item, TVGN_NEXT) : nullptr) {
        const long long slot = firstIndex + walked;
        const bool keep = records && slot >= 0 && slot < capacity;
        TVINSERTSTRUCTW rec;
        if (!m_ReadRecord(window, item, keep, &rec)) break;
        ++walked;
        const HTREEITEM child = rec.item.cChildren ? m_NextItem(window, item, TVGN_CHILD) : nullptr;
        if (child && (!expandedOnly || (rec.item.state & TVIS_EXPANDED)))
            walked += m_CollectFrom(window, child, true, records, capacity, firstIndex + walked,
                                    expandedOnly);
        if (keep) records[slot] = rec;
    }
    return walked;
}

}  // namespace

int m_TreeView_CollectItems(HWND window, HTREEITEM start, bool siblings, TVINSERTSTRUCTW* records,
                            int capacity, int firstIndex, bool expandedOnly)
{
    if (!start) start = m_NextItem(window, nullptr, TVGN_ROOT);
    return m_CollectFrom(window, start, siblings, records, capacity, firstIndex, expandedOnly);
}

int m_FindTreeRecord(HTREEITEM item, const TVINSERTSTRUCTW* records, int count)
{
    if (!records) return -1;
    for (int i = 0; i < count; ++i)
        if (records[i].item.hItem == item) return i;
    return -1;
}

HTREEITEM m_TreeView_GetLastRoot(HWND window)
{
    HTREEITEM last = nullptr;
    for (HTREEITEM item = m_NextItem(window, nullptr, TVGN_ROOT); item;
         item = m_NextItem(window, item, TVGN_NEXT))
        last = item;
    return last;
}

HTREEITEM m_TreeView_InsertCollected(HWND window, HTREEITEM newParent, TVINSERTSTRUCTW* records,
                                     int count)
{
    if (!records) return nullptr;
    const HTREEITEM outerParent = count > 0 ? records[0].hParent : nullptr;
    HTREEITEM first = nullptr;
    // Parents are matched by their old handles, which stay untouched in
    // item.hItem; once a record is inserted its hInsertAfter holds the new
    // handle. Keeping the two apart matters: the control may hand out a new
    // item at the address of a deleted old one.
    for (int i = 0; i < count; ++i) {
        TVINSERTSTRUCTW& rec = records[i];
        HTREEITEM parent = newParent;
        bool parentLost = false;
        if (rec.hParent != outerParent) {
            const int p = m_FindTreeRecord(rec.hParent, records, i);
            parent = p >= 0 ? records[p].hInsertAfter : rec.hParent;
            parentLost = p >= 0 && !parent;
        }
        HTREEITEM inserted = nullptr;
        if (!parentLost) {
            TVINSERTSTRUCTW ins = rec;
            ins.hParent = parent;
            ins.hInsertAfter = TVI_LAST;
            inserted = reinterpret_cast<HTREEITEM>(
                SendMessageW(window, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins)));
        }
        if (i == 0) first = inserted;
        delete[] rec.item.pszText;
        rec.item.pszText = nullptr;
        rec.hInsertAfter = inserted;
    }
    for (int i = 0; i < count; ++i) {
        if (!records[i].hInsertAfter) continue;
        const WPARAM action = (records[i].item.state & TVIS_EXPANDED) ? TVE_EXPAND : TVE_COLLAPSE;
        SendMessageW(window, TVM_EXPAND, action, reinterpret_cast<LPARAM>(records[i].hInsertAfter));
    }
    delete[] records;
    return first;
}

BOOL m_TreeView_DeleteItem(HWND window, HTREEITEM item)
{
    // A null item would make the control delete every item.
    if (!item) return FALSE;
    const HTREEITEM parent = m_NextItem(window, item, TVGN_PARENT);
    const BOOL deleted =
        static_cast<BOOL>(SendMessageW(window, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item)));
    if (deleted && parent && !m_NextItem(window, parent, TVGN_CHILD)) {
        TVITEMW tvi = {};
        tvi.mask = TVIF_CHILDREN | TVIF_HANDLE;
        tvi.hItem = parent;
        tvi.cChildren = 0;
        SendMessageW(window, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&tvi));
    }
    return deleted;
}

BOOL m_TreeView_SetItemParam(HWND window, HTREEITEM item, LPARAM param)
{
    TVITEMW tvi = {};
    tvi.mask = TVIF_PARAM | TVIF_HANDLE;
    tvi.hItem = item;
    tvi.lParam = param;
    return static_cast<BOOL>(SendMessageW(window, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&tvi)));
}
