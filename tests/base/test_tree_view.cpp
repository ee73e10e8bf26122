#include <doctest/doctest.h>

#include "base/TreeViewUtil.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <vector>

// Live array allocations, to see that collecting keeps no text buffer beyond
// the records it stores.
static long g_LiveArrays = 0;

void* operator new[](std::size_t size)
{
    void* p = std::malloc(size ? size : 1);
    if (!p) std::abort();
    ++g_LiveArrays;
    return p;
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    void* p = std::malloc(size ? size : 1);
    if (p) ++g_LiveArrays;
    return p;
}
void operator delete[](void* p) noexcept
{
    if (p) {
        --g_LiveArrays;
        std::free(p);
    }
}
void operator delete[](void* p, std::size_t) noexcept { operator delete[](p); }

// Wide texts in failure reports, as UTF-8.
namespace doctest {
template <>
struct StringMaker<std::wstring> {
    static String convert(const std::wstring& text)
    {
        char buf[512] = "";
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, buf, sizeof buf - 1, nullptr, nullptr);
        return String("L\"") + buf + "\"";
    }
};
}  // namespace doctest

namespace {

using W = std::wstring;

// A tree view in a hidden host window (hidden windows need no window
// manager round trips):
//   R1+ ( A+ ( A1- ( A1a ), A2+ ( A2a ) ), B ), R2
// ("+" expanded, "-" collapsed); each item's lParam is 100 + its order here.
class CTestTree {
public:
    CTestTree()
    {
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_TREEVIEW_CLASSES};
        InitCommonControlsEx(&icc);
        WNDCLASSW wc = {};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"ZvTreeTestHost";
        RegisterClassW(&wc);
        m_host = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 300, 400, nullptr,
                                 nullptr, wc.hInstance, nullptr);
        m_tree =
            CreateWindowExW(0, WC_TREEVIEWW, L"",
                            WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT,
                            0, 0, 300, 400, m_host, nullptr, wc.hInstance, nullptr);
    }
    ~CTestTree() { DestroyWindow(m_host); }
    CTestTree(const CTestTree&) = delete;
    CTestTree& operator=(const CTestTree&) = delete;

    void Fill()
    {
        r1 = Insert(nullptr, L"R1", 100);
        a = Insert(r1, L"A", 101);
        a1 = Insert(a, L"A1", 102);
        a1a = Insert(a1, L"A1a", 103);
        a2 = Insert(a, L"A2", 104);
        a2a = Insert(a2, L"A2a", 105);
        b = Insert(r1, L"B", 106);
        r2 = Insert(nullptr, L"R2", 107);
        for (HTREEITEM item : {a2, a, r1})
            SendMessageW(m_tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
    }

    HWND Tree() const { return m_tree; }

    HTREEITEM Insert(HTREEITEM parent, const wchar_t* text, LPARAM param) const
    {
        TVINSERTSTRUCTW ins = {};
        ins.hParent = parent;
        ins.hInsertAfter = TVI_LAST;
        ins.item.mask = TVIF_TEXT | TVIF_PARAM;
        ins.item.pszText = const_cast<wchar_t*>(text);
        ins.item.lParam = param;
        return reinterpret_cast<HTREEITEM>(
            SendMessageW(m_tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins)));
    }

    HTREEITEM Next(HTREEITEM item, UINT relation) const
    {
        return reinterpret_cast<HTREEITEM>(
            SendMessageW(m_tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
    }

    TVITEMW Read(HTREEITEM item, wchar_t* text) const
    {
        TVITEMW tvi = {};
        tvi.mask = TVIF_TEXT | TVIF_PARAM | TVIF_CHILDREN | TVIF_STATE | TVIF_HANDLE;
        tvi.hItem = item;
        tvi.stateMask = TVIS_EXPANDED;
        tvi.pszText = text;
        tvi.cchTextMax = 64;
        text[0] = L'\0';
        SendMessageW(m_tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tvi));
        return tvi;
    }

    // The tree as text: name, then "+(...)" or "-(...)" around the children of
    // an expanded or collapsed item.
    std::wstring Dump(HTREEITEM first = nullptr) const
    {
        std::wstring out;
        for (HTREEITEM item = first ? first : Next(nullptr, TVGN_ROOT); item;
             item = Next(item, TVGN_NEXT)) {
            wchar_t text[64];
            const TVITEMW tvi = Read(item, text);
            if (!out.empty()) out += L",";
            out += text;
            if (HTREEITEM child = Next(item, TVGN_CHILD))
                out +=
                    std::wstring((tvi.state & TVIS_EXPANDED) ? L"+(" : L"-(") + Dump(child) + L")";
        }
        return out;
    }

    // The item with that text, searched depth first.
    HTREEITEM Find(const wchar_t* name, HTREEITEM first = nullptr) const
    {
        for (HTREEITEM item = first ? first : Next(nullptr, TVGN_ROOT); item;
             item = Next(item, TVGN_NEXT)) {
            wchar_t text[64];
            Read(item, text);
            if (wcscmp(text, name) == 0) return item;
            if (HTREEITEM child = Next(item, TVGN_CHILD))
                if (HTREEITEM found = Find(name, child)) return found;
        }
        return nullptr;
    }

    HTREEITEM r1 = nullptr, a = nullptr, a1 = nullptr, a1a = nullptr, a2 = nullptr, a2a = nullptr,
              b = nullptr, r2 = nullptr;

private:
    HWND m_host = nullptr;
    HWND m_tree = nullptr;
};

const wchar_t* kFullTree = L"R1+(A+(A1-(A1a),A2+(A2a)),B),R2";

std::wstring RecordTexts(const TVINSERTSTRUCTW* records, int count)
{
    std::wstring out;
    for (int i = 0; i < count; ++i)
        out += std::wstring(i ? L"," : L"") +
               (records[i].item.pszText ? records[i].item.pszText : L"?");
    return out;
}

void FreeTexts(TVINSERTSTRUCTW* records, int count)
{
    for (int i = 0; i < count; ++i) {
        delete[] records[i].item.pszText;
        records[i].item.pszText = nullptr;
    }
}

}  // namespace

TEST_CASE("moving a collected subtree keeps its shape, data and expanded states")
{
    CTestTree tree;
    tree.Fill();
    REQUIRE(tree.Dump() == W(kFullTree));

    SUBCASE("one subtree, moved")
    {
        auto* records = new TVINSERTSTRUCTW[16];
        const int n = m_TreeView_CollectItems(tree.Tree(), tree.a, false, records, 16, 0, false);
        REQUIRE(n == 5);
        CHECK(RecordTexts(records, n) == W(L"A,A1,A1a,A2,A2a"));
        CHECK(m_FindTreeRecord(tree.a1a, records, n) == 2);
        CHECK(m_FindTreeRecord(tree.b, records, n) == -1);
        CHECK(m_TreeView_DeleteItem(tree.Tree(), tree.a));

        const long live = g_LiveArrays;
        const HTREEITEM moved = m_TreeView_InsertCollected(tree.Tree(), tree.r2, records, n);
        CHECK(g_LiveArrays == live - 6);  // five texts and the array freed
        CHECK(tree.Dump() == W(L"R1+(B),R2-(A+(A1-(A1a),A2+(A2a)))"));
        CHECK(moved == tree.Find(L"A"));
        wchar_t text[64];
        CHECK(tree.Read(tree.Find(L"A1a"), text).lParam == 103);
        CHECK(tree.Read(tree.Find(L"A2"), text).lParam == 104);
    }
    SUBCASE("one subtree, moved after an item took a deleted item's place")
    {
        // The control hands out deleted items' addresses again (Wine does here),
        // so new handles can equal old handles of records not yet inserted.
        auto* records = new TVINSERTSTRUCTW[16];
        const int n = m_TreeView_CollectItems(tree.Tree(), tree.a, false, records, 16, 0, false);
        REQUIRE(n == 5);
        CHECK(m_TreeView_DeleteItem(tree.Tree(), tree.a));
        tree.Insert(tree.r1, L"X", 0);
        m_TreeView_InsertCollected(tree.Tree(), tree.r2, records, n);
        CHECK(tree.Dump() == W(L"R1+(B,X),R2-(A+(A1-(A1a),A2+(A2a)))"));
    }
    SUBCASE("a run of siblings, copied to the top level")
    {
        auto* records = new TVINSERTSTRUCTW[16];
        const int n = m_TreeView_CollectItems(tree.Tree(), tree.a, true, records, 16, 0, false);
        REQUIRE(n == 6);
        const HTREEITEM copied = m_TreeView_InsertCollected(tree.Tree(), nullptr, records, n);
        CHECK(tree.Dump() == W(kFullTree) + L",A+(A1-(A1a),A2+(A2a)),B");
        CHECK(copied == tree.Next(tree.r2, TVGN_NEXT));
    }
}

TEST_CASE("collecting counts every walked item and honours expanded-only")
{
    CTestTree tree;
    tree.Fill();
    CHECK(m_TreeView_CollectItems(tree.Tree(), nullptr, true, nullptr, 0, 0, false) == 8);
    CHECK(m_TreeView_CollectItems(tree.Tree(), nullptr, true, nullptr, 0, 0, true) == 7);
    CHECK(m_TreeView_CollectItems(tree.Tree(), nullptr, false, nullptr, 0, 0, false) == 7);
    CHECK(m_TreeView_CollectItems(tree.Tree(), tree.a1, false, nullptr, 0, 0, true) == 1);

    TVINSERTSTRUCTW records[8];
    const int n = m_TreeView_CollectItems(tree.Tree(), nullptr, true, records, 8, 0, true);
    REQUIRE(n == 7);
    CHECK(RecordTexts(records, n) == W(L"R1,A,A1,A2,A2a,B,R2"));
    CHECK(records[0].hParent == nullptr);
    CHECK(records[2].hParent == tree.a);
    CHECK(records[2].item.hItem == tree.a1);
    CHECK(records[2].item.lParam == 102);
    CHECK(records[2].hInsertAfter == TVI_LAST);
    CHECK((records[1].item.state & TVIS_EXPANDED) != 0);
    CHECK((records[2].item.state & TVIS_EXPANDED) == 0);
    FreeTexts(records, n);
}

TEST_CASE("collecting never writes past the capacity and keeps no dropped text")
{
    CTestTree tree;
    tree.Fill();
    struct SCase {
        int capacity, firstIndex;
        const wchar_t* stored;  // texts of slots 0..capacity-1, "-" for untouched
    };
    const SCase cases[] = {
        {3, 0, L"R1,A,A1"}, {8, 6, L"-,-,-,-,-,-,R1,A"}, {3, -2, L"A1,A1a,A2"}, {2, 9, L"-,-"},
        {0, 0, L""},
    };
    for (const SCase& c : cases) {
        CAPTURE(c.capacity);
        CAPTURE(c.firstIndex);
        TVINSERTSTRUCTW records[12];
        std::memset(records, 0xAB, sizeof records);
        TVINSERTSTRUCTW untouched;
        std::memset(&untouched, 0xAB, sizeof untouched);

        const long live = g_LiveArrays;
        CHECK(m_TreeView_CollectItems(tree.Tree(), nullptr, true, records, c.capacity, c.firstIndex,
                                      false) == 8);
        long kept = 0;
        std::wstring stored;
        for (int i = 0; i < c.capacity; ++i) {
            const bool touched = std::memcmp(&records[i], &untouched, sizeof untouched) != 0;
            stored += std::wstring(i ? L"," : L"") + (touched ? records[i].item.pszText : L"-");
            kept += touched;
        }
        CHECK(stored == W(c.stored));
        CHECK(g_LiveArrays - live == kept);
        for (int i = c.capacity; i < 12; ++i)
            CHECK(std::memcmp(&records[i], &untouched, sizeof untouched) == 0);
        for (int i = 0; i < c.capacity; ++i)
            if (std::memcmp(&records[i], &untouched, sizeof untouched) != 0)
                delete[] records[i].item.pszText;
        CHECK(g_LiveArrays == live);
    }
}

TEST_CASE("DeleteItem drops the expand button of a parent left without children")
{
    CTestTree tree;
    tree.Fill();
    const HTREEITEM x = tree.Insert(tree.r2, L"X", 0);
    wchar_t text[64];
    REQUIRE(tree.Read(tree.r2, text).cChildren == 1);

    CHECK(m_TreeView_DeleteItem(tree.Tree(), x));
    CHECK(tree.Read(tree.r2, text).cChildren == 0);
    CHECK(m_TreeView_DeleteItem(tree.Tree(), tree.b));
    CHECK(tree.Read(tree.r1, text).cChildren == 1);
    CHECK(m_TreeView_DeleteItem(tree.Tree(), tree.a1a));
    CHECK(tree.Read(tree.a1, text).cChildren == 0);

    // A null item must not clear the whole tree.
    CHECK_FALSE(m_TreeView_DeleteItem(tree.Tree(), nullptr));
    CHECK(tree.Dump() == W(L"R1+(A+(A1,A2+(A2a))),R2"));
}

TEST_CASE("last root, record lookup and item params")
{
    CTestTree tree;
    CHECK(m_TreeView_GetLastRoot(tree.Tree()) == nullptr);
    CHECK(m_TreeView_CollectItems(tree.Tree(), nullptr, true, nullptr, 0, 0, false) == 0);
    tree.Fill();
    CHECK(m_TreeView_GetLastRoot(tree.Tree()) == tree.r2);
    CHECK(m_FindTreeRecord(tree.a, nullptr, 3) == -1);

    CHECK(m_TreeView_SetItemParam(tree.Tree(), tree.a2a, 0x12345678));
    wchar_t text[64];
    CHECK(tree.Read(tree.a2a, text).lParam == 0x12345678);
}
