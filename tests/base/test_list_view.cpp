#include <doctest/doctest.h>

#include "base/ListViewUtil.h"

#include <commctrl.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace {

// A report-style list view of "item N" rows (lParam N) in a hidden host
// window, sized so that exactly ten rows fit a page.
class CTestList {
public:
    explicit CTestList(int items)
    {
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&icc);
        WNDCLASSW wc = {};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"ZvListTestHost";
        RegisterClassW(&wc);
        m_host = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 400, 700, nullptr,
                                 nullptr, wc.hInstance, nullptr);
        m_list = CreateWindowExW(0, WC_LISTVIEWW, L"",
                                 WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_NOCOLUMNHEADER, 0, 0, 300,
                                 600, m_host, nullptr, wc.hInstance, nullptr);
        LVCOLUMNW col = {};
        col.mask = LVCF_WIDTH;
        col.cx = 200;
        SendMessageW(m_list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&col));
        for (int i = 0; i < items; ++i) {
            std::wstring text = L"item " + std::to_wstring(i);
            LVITEMW lvi = {};
            lvi.mask = LVIF_TEXT | LVIF_PARAM;
            lvi.iItem = i;
            lvi.pszText = text.data();
            lvi.lParam = i;
            SendMessageW(m_list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&lvi));
        }
        RECT row = {LVIR_BOUNDS, 0, 0, 0};
        SendMessageW(m_list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
        const int h = row.bottom - row.top > 0 ? row.bottom - row.top : 16;
        SetWindowPos(m_list, nullptr, 0, 0, 300, 10 * h + h / 2, SWP_NOZORDER | SWP_NOMOVE);
    }
    ~CTestList() { DestroyWindow(m_host); }
    CTestList(const CTestList&) = delete;
    CTestList& operator=(const CTestList&) = delete;

    HWND List() const { return m_list; }
    int Count() const { return static_cast<int>(SendMessageW(m_list, LVM_GETITEMCOUNT, 0, 0)); }
    int Top() const { return static_cast<int>(SendMessageW(m_list, LVM_GETTOPINDEX, 0, 0)); }
    int PerPage() const
    {
        return static_cast<int>(SendMessageW(m_list, LVM_GETCOUNTPERPAGE, 0, 0));
    }
    void ScrollToTop(int top) const
    {
        SendMessageW(m_list, LVM_ENSUREVISIBLE, 0, FALSE);
        if (top > 0) SendMessageW(m_list, LVM_ENSUREVISIBLE, top + PerPage() - 1, FALSE);
    }
    void Select(std::initializer_list<int> items) const
    {
        m_ListView_SelectAll(m_list, false);
        for (int i : items) SetState(i, LVIS_SELECTED, LVIS_SELECTED);
    }
    void SetState(int item, UINT state, UINT mask) const
    {
        LVITEMW lvi = {};
        lvi.state = state;
        lvi.stateMask = mask;
        SendMessageW(m_list, LVM_SETITEMSTATE, item, reinterpret_cast<LPARAM>(&lvi));
    }
    std::wstring Text(int item) const
    {
        wchar_t buf[64] = L"";
        LVITEMW lvi = {};
        lvi.pszText = buf;
        lvi.cchTextMax = 64;
        SendMessageW(m_list, LVM_GETITEMTEXTW, item, reinterpret_cast<LPARAM>(&lvi));
        return buf;
    }
    std::vector<int> Selected() const
    {
        std::vector<int> out;
        for (int i = 0; i < Count(); ++i)
            if (SendMessageW(m_list, LVM_GETITEMSTATE, i, LVIS_SELECTED) & LVIS_SELECTED)
                out.push_back(i);
        return out;
    }

private:
    HWND m_host = nullptr;
    HWND m_list = nullptr;
};

}  // namespace

TEST_CASE("EnsureVisibleMargin keeps a quarter page around the item")
{
    CTestList lv(20);
    REQUIRE(lv.PerPage() == 10);
    struct SCase {
        int top, item, scrolled, topAfter;
    };
    const SCase cases[] = {
        {0, 9, 1, 2},                    // item 11 (margin 2) comes into view
        {0, 5, 0, 0},                    // margin already visible
        {10, 11, 1, 9},                  // margin above: item 9 comes into view
        {5, 3, 1, 1},                    // item 1 comes into view
        {10, 19, 0, 10},                 // the end of the list bounds the margin
        {0, 19, 1, 10},  {0, -1, 0, 0},  // no item
        {0, 20, 0, 0},
    };
    for (const SCase& c : cases) {
        CAPTURE(c.top);
        CAPTURE(c.item);
        lv.ScrollToTop(c.top);
        REQUIRE(lv.Top() == c.top);
        CHECK(m_ListView_EnsureVisibleMargin(lv.List(), c.item) == c.scrolled);
        CHECK(lv.Top() == c.topAfter);
    }
}

TEST_CASE("EnsureVisibleMargin does nothing when every item fits one page")
{
    CTestList lv(10);
    CHECK(m_ListView_EnsureVisibleMargin(lv.List(), 9) == 0);
    CHECK(lv.Top() == 0);
}

TEST_CASE("DeleteSelected deletes the selection and selects where the last one stood")
{
    struct SCase {
        std::initializer_list<int> selected;
        int deleted, countAfter;
        int selectedAfter;  // -1: nothing selected
        const wchar_t* textAfter;
    };
    const SCase cases[] = {
        {{3, 7}, 2, 8, 6, L"item 8"}, {{0, 1, 2}, 3, 7, 0, L"item 3"},
        {{9}, 1, 9, 8, L"item 8"},  // past the end: the last item
        {{2, 9}, 2, 8, 7, L"item 8"}, {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 10, 0, -1, L""},
        {{}, 0, 10, -1, L""},
    };
    for (const SCase& c : cases) {
        CTestList lv(10);
        lv.Select(c.selected);
        CAPTURE(c.deleted);
        CHECK(m_ListView_DeleteSelected(lv.List()) == c.deleted);
        CHECK(lv.Count() == c.countAfter);
        const std::vector<int> sel = lv.Selected();
        if (c.selectedAfter < 0) {
            CHECK(sel.empty());
        } else {
            REQUIRE(sel.size() == 1);
            CHECK(sel[0] == c.selectedAfter);
            CHECK(lv.Text(sel[0]) == c.textAfter);
        }
    }
}

TEST_CASE("GetSelection reports count, ends and contiguity")
{
    CTestList lv(10);
    struct SCase {
        std::initializer_list<int> selected;
        int count, first, last, contiguous;
    };
    const SCase cases[] = {
        {{2, 3, 5}, 3, 2, 5, 0}, {{4, 5, 6}, 3, 4, 6, 1}, {{}, 0, -1, -1, 1},
        {{0}, 1, 0, 0, 1},       {{0, 9}, 2, 0, 9, 0},
    };
    for (const SCase& c : cases) {
        lv.Select(c.selected);
        CAPTURE(c.count);
        CAPTURE(c.first);
        int first = 99, last = 99, contiguous = 99;
        CHECK(m_ListView_GetSelection(lv.List(), &first, &last, &contiguous) == c.count);
        CHECK(first == c.first);
        CHECK(last == c.last);
        CHECK(contiguous == c.contiguous);
        CHECK(m_ListView_GetSelection(lv.List(), nullptr, nullptr, nullptr) == c.count);
        CHECK(m_ListView_GetSelectedCount(lv.List()) == c.count);
        CHECK(m_ListView_GetFirstSelected(lv.List()) == c.first);
        CHECK(m_ListView_GetLastSelected(lv.List()) == c.last);
    }
}

TEST_CASE("SelectOnly, SelectAll, IsSelected and item params")
{
    CTestList lv(10);
    lv.Select({1, 4, 8});
    lv.SetState(1, LVIS_FOCUSED, LVIS_FOCUSED);
    m_ListView_SelectOnly(lv.List(), 5, true);
    CHECK(lv.Selected() == std::vector<int>{5});
    CHECK(m_ListView_IsSelected(lv.List(), 5) == 1);
    CHECK(m_ListView_IsSelected(lv.List(), 4) == 0);
    CHECK(SendMessageW(lv.List(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED) == 5);

    m_ListView_SelectOnly(lv.List(), 7, false);
    CHECK(lv.Selected() == std::vector<int>{7});
    CHECK(SendMessageW(lv.List(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED) == 5);

    m_ListView_SelectAll(lv.List(), true);
    CHECK(m_ListView_GetSelectedCount(lv.List()) == 10);
    m_ListView_SelectAll(lv.List(), false);
    CHECK(m_ListView_GetSelectedCount(lv.List()) == 0);

    CHECK(m_ListView_GetItemParam(lv.List(), 3) == 3);
    CHECK(m_ListView_SetItemParam(lv.List(), 3, 0x7FFF1234) == 1);
    CHECK(m_ListView_GetItemParam(lv.List(), 3) == 0x7FFF1234);
    CHECK(m_ListView_GetItemParam(lv.List(), 42) == 0);
    CHECK(m_ListView_SetItemParam(lv.List(), 42, 1) == 0);
}
