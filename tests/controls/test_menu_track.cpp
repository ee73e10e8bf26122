// Tracking a popup: placement on the monitor, submenus that flip to the
// left, the modal loop (keys, the end on WM_QUIT) and the order in which
// notices reach the owner, run-after-close choices, dismissals, a second
// menu replacing the first, and a popup over an item.
#include <doctest/doctest.h>

#include "MenuFixture.h"

namespace {

constexpr UINT WM_TEST_ACT = WM_APP + 1;

RECT WorkArea(int margin)
{
    MONITORINFO mi = {};
    mi.cbSize = sizeof(mi);
    const POINT origin = {0, 0};
    GetMonitorInfoW(MonitorFromPoint(origin, MONITOR_DEFAULTTOPRIMARY), &mi);
    RECT a = mi.rcWork;
    InflateRect(&a, -margin, -margin);
    return a;
}

void Place(CMenuPlus* p, UINT mode, int x, int y)
{
    p->m_PlacementMode = mode;
    p->m_TrackPoint = {x, y};
    p->m_ComputeArea();
    p->m_Layout(0, 1);
    p->m_PlaceWindow();
}

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

void PostKeys(HWND to, std::initializer_list<UINT> keys)
{
    for (UINT vk : keys) PostMessageW(to, WM_KEYDOWN, vk, 1);
}

// A point on the half of the screen away from the cursor, so that the
// pointer (shared with other programs on the display) is over no popup.
POINT AwayFromCursor(int dx = 0)
{
    POINT c = {};
    GetCursorPos(&c);
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    return {(c.x < w / 2 ? w * 3 / 5 : w / 10) + dx, c.y < h / 2 ? h * 3 / 5 : h / 10};
}

// Tracks the popup through the manager, as the owner would.
int Track(SMenuSetup& s, CMenuPlus* p)
{
    const POINT at = AwayFromCursor();
    const int x = at.x, y = at.y;
    s.Owner.m_Tracking = true;
    const int r = s.Manager.m_TrackPopup(p, MENUPLACE_TOPLEFT, m_PackMenuPoint(x, y));
    s.Owner.m_Tracking = false;
    s.Owner.m_Pump();
    return r;
}

}  // namespace

TEST_CASE("a root popup is anchored by its placement mode and pushed inside the area")
{
    SMenuSetup s;
    CMenuPlus* p = s.m_Popup(1, 4);
    REQUIRE(p);
    const RECT a = WorkArea(4);
    Place(p, MENUPLACE_TOPLEFT, 500, 300);
    const int w = Width(p->m_WindowRect), h = Height(p->m_WindowRect);
    REQUIRE(w > 0);
    REQUIRE(h > 0);
    struct {
        UINT mode;
        int x, y, left, top;
    } cases[] = {
        {MENUPLACE_TOPLEFT, 500, 300, 500, 300},
        {MENUPLACE_BOTTOMLEFT, 500, 300, 500, 300 - h},
        {MENUPLACE_TOPRIGHT, 500, 300, 500 - w, 300},
        {MENUPLACE_BOTTOMRIGHT, 500, 300, 500 - w, 300 - h},
        // Opening upwards near the top: pushed down to the top of the area.
        {MENUPLACE_BOTTOMLEFT, 100, a.top + 10, 100, a.top},
        {MENUPLACE_TOPLEFT, a.right - 5, a.bottom - 5, a.right - w, a.bottom - h},
        {MENUPLACE_BOTTOMRIGHT, a.left + 5, a.top + 5, a.left, a.top},
    };
    for (const auto& c : cases) {
        CAPTURE(c.mode);
        CAPTURE(c.x);
        CAPTURE(c.y);
        Place(p, c.mode, c.x, c.y);
        CHECK(p->m_WindowRect.left == c.left);
        CHECK(p->m_WindowRect.top == c.top);
        CHECK(Width(p->m_WindowRect) == w);
        // The window is larger than the popup by the shadow margins.
        RECT win;
        GetWindowRect(p->m_GetHwnd(), &win);
        CHECK(win.left == c.left - p->m_FrameMargins.left);
        CHECK(win.bottom == c.top + h + p->m_FrameMargins.bottom);
    }
    delete p;
}

TEST_CASE("a limit rectangle bounds the popup only where the popup fits in it")
{
    SMenuSetup s;
    CMenuPlus* p = s.m_Popup(1, 3);
    REQUIRE(p);
    Place(p, MENUPLACE_TOPLEFT, 0, 0);
    const int w = Width(p->m_WindowRect), h = Height(p->m_WindowRect);
    // Narrower than the popup, tall enough for it.
    const RECT limit = {200, 200, 200 + w / 2, 200 + h + 100};
    p->m_SetLimitRect(&limit);
    Place(p, MENUPLACE_TOPLEFT, 150, limit.bottom - 10);
    CHECK(p->m_WindowRect.left == 150);  // the monitor bounds it across
    CHECK(p->m_WindowRect.bottom == limit.bottom);
    CHECK(p->m_WindowRect.top >= limit.top);
    delete p;
}

TEST_CASE("a submenu that does not fit on the right opens on the left of its parent")
{
    SMenuSetup s;
    CMenuPlus* parent = s.m_Popup(1, 3);
    CMenuPlus* sub = s.m_Popup(0, 3);
    REQUIRE(parent);
    REQUIRE(sub);
    const RECT a = WorkArea(4);
    sub->m_IsSubmenu = 1;
    sub->m_pParentPopup = parent;
    Place(sub, MENUPLACE_TOPLEFT, 0, 0);
    const int w = Width(sub->m_WindowRect);
    const int gap = sub->m_Metrics.SubmenuGap;
    struct {
        RECT parent;
        int expectLeft;
        UINT left;
    } cases[] = {
        {{a.left + 10, 100, a.left + 200, 300}, a.left + 200 + gap, 0},
        {{a.right - 190, 100, a.right, 300}, a.right - 190 - gap - w, 1},
        // No room on either side: against the right edge.
        {{a.left + 5, 100, a.right - 5, 300}, a.right - w, 1},
    };
    for (const auto& c : cases) {
        CAPTURE(c.parent.left);
        parent->m_WindowRect = c.parent;
        Place(sub, MENUPLACE_TOPLEFT, c.parent.right + gap, a.bottom - 5);
        CHECK(sub->m_WindowRect.left == c.expectLeft);
        CHECK(sub->m_OpenedLeft == c.left);
        CHECK(sub->m_WindowRect.bottom == a.bottom);  // pushed up inside
        CHECK(EqualRect(&parent->m_OpenSubRect, &sub->m_WindowRect));
    }
    sub->m_pParentPopup = nullptr;
    delete sub;
    delete parent;
}

TEST_CASE("the modal loop ends on WM_QUIT and posts it again for the outer loop")
{
    SMenuSetup s;
    CMenuPlus* p = s.m_Popup(4, 3);
    REQUIRE(p);
    PostQuitMessage(5);
    s.Owner.m_Tracking = true;
    const POINT at = AwayFromCursor();
    const int r = s.Manager.m_TrackPopup(p, MENUPLACE_TOPLEFT, m_PackMenuPoint(at.x, at.y));
    s.Owner.m_Tracking = false;
    CHECK(r == -1);
    // The popup's own notice comes first, then the quit for the caller's loop.
    MSG msg;
    bool quit = false;
    WPARAM code = 0;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            quit = true;
            code = msg.wParam;
            break;
        }
        DispatchMessageW(&msg);
    }
    CHECK(quit);
    CHECK(code == 5);
    CHECK(s.Owner.m_Of(WM_APP_MENUCLOSED).size() == 1);
    CHECK(s.Manager.m_pActive == nullptr);
    CHECK(s.Manager.m_ActiveMenuId == -1);
}

TEST_CASE("the modal loop ends when the popup's window is destroyed from outside")
{
    SMenuSetup s;
    CMenuPlus* p = s.m_Popup(4, 3);
    REQUIRE(p);
    s.Owner.m_OnNext(WM_TEST_ACT, 0, [&](LPARAM) { DestroyWindow(p->m_GetHwnd()); });
    PostMessageW(s.Owner.m_hWnd, WM_TEST_ACT, 0, 0);
    CHECK(Track(s, p) == -1);
    CHECK(s.Owner.m_Of(WM_APP_MENUCLOSED).size() == 1);
    CHECK(s.Manager.m_pActive == nullptr);
}

TEST_CASE("keys reach the popup through the loop; notices arrive in order")
{
    SMenuSetup s;
    CMenuPlus* p = s.m_Popup(4, 3);
    REQUIRE(p);
    PostKeys(s.Owner.m_hWnd, {'A', VK_DOWN, VK_DOWN, VK_RETURN});
    CHECK(Track(s, p) == 1);

    // A key the menu does not use reaches the owner while the menu is open.
    const auto keys = s.Owner.m_Of(WM_KEYDOWN);
    REQUIRE(keys.size() == 1);
    CHECK(keys[0].WParam == 'A');
    CHECK(keys[0].DuringTrack);

    const auto cmds = s.Owner.m_Of(WM_APP_MENUCOMMAND);
    REQUIRE(cmds.size() >= 3);
    CHECK(cmds.front().WParam == MENUCODE_SELCHANGED);  // none selected at the start
    CHECK(cmds.front().Block.Index == -1);
    CHECK(cmds.back().WParam == MENUCODE_CHOSEN);
    CHECK(cmds.back().Block.Index == 1);
    CHECK(cmds.back().Block.ItemId == 101);
    CHECK(cmds.back().DuringTrack);
    // Chosen, then closing, then closed (without a pointer to the gone popup).
    const std::wstring trace = s.Owner.m_Trace();
    CHECK(trace.find(L"100:1 closing closed ") != std::wstring::npos);
    CHECK(trace.substr(trace.size() - 7) == L"closed ");
    const auto closed = s.Owner.m_Of(WM_APP_MENUCLOSED);
    REQUIRE(closed.size() == 1);
    CHECK(closed[0].WParam == 0);
    CHECK(closed[0].LParam == 4);
    CHECK(s.Manager.m_pActive == nullptr);
}

TEST_CASE("a selection made while building survives the open, in a root and a submenu")
{
    SUBCASE("root: Enter chooses the item selected before tracking")
    {
        SMenuSetup s;
        CMenuPlus* p = s.m_Popup(4, 5);
        REQUIRE(p);
        p->m_SetInitialSelection(3);
        PostKeys(s.Owner.m_hWnd, {VK_RETURN});
        CHECK(Track(s, p) == 3);
        const auto cmds = s.Owner.m_Of(WM_APP_MENUCOMMAND);
        REQUIRE(!cmds.empty());
        CHECK(cmds.front().WParam == MENUCODE_SELCHANGED);
        CHECK(cmds.front().Block.Index == 3);
    }
    SUBCASE("submenu: opening it keeps its selection instead of its first item")
    {
        SMenuSetup s;
        CMenuPlus* p = s.m_Popup(4, 0);
        CMenuPlus* sub = s.m_Popup(9, 4);
        REQUIRE(p);
        REQUIRE(sub);
        sub->m_SetInitialSelection(2);
        SMENUITEM it = m_TestItem(50);
        it.Submenu = sub;
        m_MenuItem_SetHasSubmenu(&it, 1);
        p->m_InsertItem(&it, -1, 0);
        PostKeys(s.Owner.m_hWnd, {VK_DOWN, VK_RIGHT, VK_RETURN});
        Track(s, p);
        std::vector<SNotice> chosen;
        for (const SNotice& n : s.Owner.m_Of(WM_APP_MENUCOMMAND))
            if (n.WParam == MENUCODE_CHOSEN) chosen.push_back(n);
        REQUIRE(chosen.size() == 1);
        CHECK(chosen[0].Block.MenuId == 9);
        CHECK(chosen[0].Block.ItemId == 102);
    }
}

TEST_CASE("a run-after-close choice reaches the owner after the loop, without pointers")
{
    for (UINT runAfterClose : {0u, 1u}) {
        CAPTURE(runAfterClose);
        SMenuSetup s;
        CMenuPlus* p = s.m_Popup(6, 0);
        REQUIRE(p);
        SMENUITEM it = m_TestItem(31);
        it.RunAfterClose = runAfterClose;
        p->m_InsertItem(&it, -1, 0);
        PostKeys(s.Owner.m_hWnd, {VK_DOWN, VK_RETURN});
        CHECK(Track(s, p) == 0);
        std::vector<SNotice> chosen;
        for (const SNotice& n : s.Owner.m_Of(WM_APP_MENUCOMMAND))
            if (n.WParam == MENUCODE_CHOSEN) chosen.push_back(n);
        REQUIRE(chosen.size() == 1);
        const SMENUNOTIFY& b = chosen[0].Block;
        CHECK(b.ItemId == 31);
        CHECK(b.Closes == 1);
        CHECK(b.RunAfterClose == runAfterClose);
        CHECK(chosen[0].DuringTrack == !runAfterClose);
        CHECK((b.Popup == nullptr) == (runAfterClose == 1));
        CHECK((b.Item == nullptr) == (runAfterClose == 1));
        CHECK((b.PopupWindow == nullptr) == (runAfterClose == 1));
    }
}

TEST_CASE("Esc ends a root without a choice and without a dismissal notice")
{
    SMenuSetup s;
    CMenuPlus* p = s.m_Popup(4, 3);
    REQUIRE(p);
    PostKeys(s.Owner.m_hWnd, {VK_DOWN, VK_ESCAPE});
    CHECK(Track(s, p) == -1);
    CHECK(s.Owner.m_Of(WM_APP_MENUDISMISSED).empty());
    CHECK(s.Owner.m_Of(WM_APP_MENUCLOSED).size() == 1);
}

TEST_CASE("a dismissal ends tracking with -1 and its button code")
{
    for (UINT button : {1u, 2u}) {
        CAPTURE(button);
        SMenuSetup s;
        CMenuPlus* p = s.m_Popup(4, 3);
        REQUIRE(p);
        s.Owner.m_OnNext(WM_TEST_ACT, 0, [&](LPARAM) { p->m_Dismiss(button); });
        PostMessageW(s.Owner.m_hWnd, WM_TEST_ACT, 0, 0);
        CHECK(Track(s, p) == -1);
        const auto d = s.Owner.m_Of(WM_APP_MENUDISMISSED);
        REQUIRE(d.size() == 1);
        CHECK(d[0].WParam == button);
        CHECK(s.Owner.m_Trace().find(L"dismissed") < s.Owner.m_Trace().find(L"closed"));
    }
}

TEST_CASE("tracking a second menu closes the first, deleted once its close is relayed")
{
    SMenuSetup s;
    CMenuPlus* first = s.m_Popup(1, 3);
    CMenuPlus* second = s.m_Popup(2, 3);
    REQUIRE(first);
    REQUIRE(second);
    int secondResult = 0;
    bool firstKept = false;
    s.Owner.m_OnNext(WM_TEST_ACT, 0, [&](LPARAM) {
        PostKeys(s.Owner.m_hWnd, {VK_DOWN, VK_RETURN});
        const POINT at = AwayFromCursor(300);
        secondResult =
            s.Manager.m_TrackPopup(second, MENUPLACE_TOPLEFT, m_PackMenuPoint(at.x, at.y));
        // The first popup's loop is still below this call.
        firstKept = s.Manager.m_pPrevious == first && s.Manager.m_pActive == second;
    });
    PostMessageW(s.Owner.m_hWnd, WM_TEST_ACT, 0, 0);
    CHECK(Track(s, first) == -1);
    CHECK(secondResult == 0);
    CHECK(firstKept);
    CHECK(s.Manager.m_pActive == nullptr);
    CHECK(s.Manager.m_pPrevious == nullptr);
    const auto closed = s.Owner.m_Of(WM_APP_MENUCLOSED);
    REQUIRE(closed.size() == 2);
    CHECK(closed[0].LParam == 2);
    CHECK(closed[1].LParam == 1);
}

TEST_CASE("a popup over an item that ends with nothing under the cursor dismisses the chain")
{
    SMenuSetup s;
    CMenuPlus* root = s.m_Popup(1, 3);
    CMenuPlus* over = s.m_Popup(5, 2);
    REQUIRE(root);
    REQUIRE(over);
    bool locked = false;
    s.Owner.m_OnNext(WM_TEST_ACT, 0, [&](LPARAM) {
        const POINT at = AwayFromCursor(200);
        root->m_TrackOverPopup(over, 0, m_PackMenuPoint(at.x, at.y));
        locked = root->m_Locked && root->m_OverPopupOpen && root->m_pOverPopup == over;
        // Esc goes to the over-popup, which ends with no choice.
        PostKeys(s.Owner.m_hWnd, {VK_ESCAPE});
    });
    PostMessageW(s.Owner.m_hWnd, WM_TEST_ACT, 0, 0);
    CHECK(Track(s, root) == -1);
    CHECK(locked);
    const std::wstring trace = s.Owner.m_Trace();
    // The over-popup closes first (menu 5), then the chain is dismissed.
    const auto closing = s.Owner.m_Of(WM_APP_MENUCLOSING);
    REQUIRE(closing.size() == 2);
    CHECK(closing[0].LParam == 5);
    CHECK(closing[1].LParam == 1);
    const auto d = s.Owner.m_Of(WM_APP_MENUDISMISSED);
    REQUIRE(d.size() == 1);
    CHECK(d[0].WParam == 1);
    CHECK(s.Owner.m_Of(WM_APP_MENUCLOSED).size() == 1);
}

TEST_CASE("closing the active menu of a given parent window ends its tracking")
{
    for (bool sameParent : {true, false}) {
        CAPTURE(sameParent);
        SMenuSetup s;
        CMenuPlus* p = s.m_Popup(4, 3);
        REQUIRE(p);
        bool activeDuring = false;
        s.Owner.m_OnNext(WM_TEST_ACT, 0, [&](LPARAM) {
            activeDuring = s.Manager.m_IsMenuActive() && s.Manager.m_GetActiveMenuId() == 4;
            s.Manager.m_CloseIfOwner(0, sameParent ? s.Owner.m_hWnd : GetDesktopWindow());
            if (!sameParent) PostKeys(s.Owner.m_hWnd, {VK_ESCAPE});
        });
        PostMessageW(s.Owner.m_hWnd, WM_TEST_ACT, 0, 0);
        CHECK(Track(s, p) == -1);
        CHECK(activeDuring);
        CHECK_FALSE(s.Manager.m_IsMenuActive());
        CHECK(s.Owner.m_Of(WM_APP_MENUDISMISSED).empty());
        CHECK(s.Owner.m_Of(WM_APP_MENUCLOSED).size() == 1);
    }
}

TEST_CASE("an embedded popup becomes a child of its window and runs no loop")
{
    SMenuSetup s;
    CMenuPlus* p = s.m_Popup(4, 3);
    REQUIRE(p);
    HWND host = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 400, 400, nullptr, nullptr,
                                nullptr, nullptr);
    REQUIRE(host);
    CHECK(p->m_EmbedInto(0, host) == 1);
    const LONG_PTR style = GetWindowLongPtrW(p->m_GetHwnd(), GWL_STYLE);
    CHECK((style & WS_CHILD) != 0);
    CHECK((style & WS_POPUP) == 0);
    CHECK((GetWindowLongPtrW(p->m_GetHwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST) == 0);
    CHECK(GetParent(p->m_GetHwnd()) == host);
    CHECK(p->m_hWndParent == host);
    // Shown at once and returning, without capturing the mouse.
    CHECK(p->m_TrackPopup(MENUPLACE_TOPLEFT, m_PackMenuPoint(10, 10), 1) == -1);
    CHECK(p->m_Shown == 1);
    CHECK(p->m_IsSubmenu == 0);
    CHECK(GetCapture() != p->m_GetHwnd());
    delete p;
    DestroyWindow(host);
}

TEST_CASE("F10 arrives in the menu as a plain key: Shift+F10 asks for the item's context menu")
{
    SMenuSetup s;
    CMenuPlus* p = s.m_Popup(4, 0);
    REQUIRE(p);
    SMENUITEM it = m_TestItem(7);
    it.ContextMenu = 1;
    p->m_InsertItem(&it, -1, 0);
    BYTE keys[256], shifted[256];
    REQUIRE(GetKeyboardState(keys));
    memcpy(shifted, keys, sizeof(keys));
    shifted[VK_SHIFT] = 0x80;
    s.Owner.m_OnNext(WM_TEST_ACT, 0, [&](LPARAM) { SetKeyboardState(shifted); });
    PostKeys(s.Owner.m_hWnd, {VK_DOWN});
    PostMessageW(s.Owner.m_hWnd, WM_TEST_ACT, 0, 0);
    // What the system sends for F10: a system key.
    PostMessageW(s.Owner.m_hWnd, WM_SYSKEYDOWN, VK_F10, 1);
    PostKeys(s.Owner.m_hWnd, {VK_ESCAPE});
    const int r = Track(s, p);
    SetKeyboardState(keys);
    CHECK(r == -1);
    std::vector<SNotice> context;
    for (const SNotice& n : s.Owner.m_Of(WM_APP_MENUCOMMAND))
        if (n.WParam == MENUCODE_CONTEXTMENU) context.push_back(n);
    REQUIRE(context.size() == 1);
    CHECK(context[0].Block.ItemId == 7);
    CHECK(context[0].Block.Modifier == 1);
    CHECK(context[0].Block.Closes == 0);
}
