#include <doctest/doctest.h>

#include <windows.h>
#include <commctrl.h>

#include <math.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "app/AppMessages.h"
#include "app/MainWindow.h"
#include "app/PlaylistDock.h"
#include "app/ToolWindowPlacement.h"
#include "controls/ButtonPlus.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistSplit.h"
#include "playlist/PlaylistWindowInput.h"
#include "settings/MainWindowStyle.h"
#include "settings/Settings.h"

namespace {

std::vector<int> s_Notices;  // WM_APP_NOTIFYMAIN codes the main window got

LRESULT CALLBACK m_MainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_APP_NOTIFYMAIN) s_Notices.push_back((int)wParam * 1000 + (int)lParam);
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

HWND m_CreateWindow(const wchar_t* cls, WNDPROC proc, DWORD style)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = cls;
    RegisterClassW(&wc);
    return CreateWindowExW(0, cls, L"", style, 100, 100, 300, 300, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

HWND m_AddList(HWND parent, int id, int columns)
{
    HWND list = CreateWindowExW(
        0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHAREIMAGELISTS, 0, 0, 10,
        10, parent, reinterpret_cast<HMENU>((INT_PTR)id), GetModuleHandleW(nullptr), nullptr);
    for (int i = 0; i < columns; ++i) {
        LVCOLUMNW column = {};
        column.mask = LVCF_WIDTH;
        column.cx = 50;
        SendMessageW(list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
    return list;
}

// A plain window standing in for the dialog, with the four lists, the five
// buttons and the status child, ready at 100 %.
struct SHostFixture {
    SSETTINGS savedSettings = g_Settings;
    SPLAYLISTVIEW savedView = g_PlaylistView;
    HWND host = nullptr, main = nullptr;
    std::unique_ptr<CButtonPlus> buttons[kPlaylistButtonCount];

    SHostFixture()
    {
        INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&icc);
        g_Settings.Ctrl_Btn[0] = g_Settings.Ctrl_Btn[1] = 28;
        g_Settings.Ctrl_Style[1] = 0;
        g_Settings.Ctrl_Sep[0] = g_Settings.Ctrl_Sep[1] = 0;
        g_Settings.Common_Snap[0] = 0;
        g_PlaylistView.bAdjust = 1;
        g_PlaylistView.bAutoColumn = 0;
        g_PlaylistView.nHideTab = 0;
        g_PlaylistView.nItemHeight = 100;
        g_PlaylistView.dColumn[0] = 75;
        g_PlaylistView.dColumn[1] = 20;
        g_Playlist.m_ClearPlayList();
        s_Notices.clear();

        host = m_CreateWindow(L"ZvLayoutHost", DefWindowProcW, WS_OVERLAPPEDWINDOW);
        main = m_CreateWindow(L"ZvLayoutMain", m_MainProc, WS_OVERLAPPEDWINDOW);
        REQUIRE(host);
        g_Playlist.m_SetMainWindow(main);
        SPLAYLISTWND& w = g_Playlist.m_W;
        w = SPLAYLISTWND{};
        w.Dialog = host;
        const int ids[4] = {kPlaylistListId, kChapterListId, kRangeListId, kMarkerListId};
        for (int i = 0; i < 4; ++i) w.Lists[i] = m_AddList(host, ids[i], i < 3 ? 2 : 1);
        for (int i = 0; i < kPlaylistButtonCount; ++i) {
            buttons[i].reset(new CButtonPlus);
            REQUIRE(buttons[i]->m_Create(host, kPlaylistButtonFirstId + i));
            w.Buttons[i] = buttons[i].get();
        }
        w.Status = CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE, 0, 64, 160, 16, host,
                                   reinterpret_cast<HMENU>((INT_PTR)kPlaylistStatusId),
                                   GetModuleHandleW(nullptr), nullptr);
        w.NoticesHandled = 1;
        w.Ready = 1;
        SetClientSize(300, 400);
        g_Playlist.m_ApplyDpi(100, 1);
    }
    ~SHostFixture()
    {
        SPLAYLISTWND& w = g_Playlist.m_W;
        DestroyWindow(host);
        DestroyWindow(main);
        if (w.CheckImages) ImageList_Destroy(w.CheckImages);
        if (w.Font) DeleteObject(w.Font);
        if (w.TabFont) DeleteObject(w.TabFont);
        w = SPLAYLISTWND{};
        g_Playlist.m_SetMainWindow(nullptr);
        g_Playlist.m_ClearPlayList();
        g_Settings = savedSettings;
        g_PlaylistView = savedView;
    }
    void SetClientSize(int cw, int ch) const
    {
        RECT rc = {0, 0, cw, ch};
        AdjustWindowRectEx(&rc, WS_OVERLAPPEDWINDOW, FALSE, 0);
        SetWindowPos(host, nullptr, 0, 0, rc.right - rc.left, rc.bottom - rc.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT Client() const
    {
        RECT rc;
        GetClientRect(host, &rc);
        return rc;
    }
    // A child's rectangle in the host's client coordinates.
    RECT ChildRect(HWND child) const
    {
        RECT rc;
        GetWindowRect(child, &rc);
        MapWindowPoints(nullptr, host, reinterpret_cast<POINT*>(&rc), 2);
        return rc;
    }
    void AddTracks(int n)
    {
        for (int i = 0; i < n; ++i) REQUIRE(g_Playlist.m_AppendTrack(L"C:\\m\\clip.mp4"));
        AddRows(g_Playlist.m_W.Lists[0], n, L"1:23 ");
    }
    static void AddRows(HWND list, int n, const wchar_t* time)
    {
        for (int i = 0; i < n; ++i) {
            LVITEMW item = {};
            item.mask = LVIF_TEXT;
            item.iItem = i;
            item.pszText = const_cast<wchar_t*>(L"row");
            const int row = (int)SendMessageW(list, LVM_INSERTITEMW, 0, (LPARAM)&item);
            item.iSubItem = 1;
            item.pszText = const_cast<wchar_t*>(time);
            SendMessageW(list, LVM_SETITEMTEXTW, row, (LPARAM)&item);
        }
    }
};

int U(double n, int dpi) { return (int)lround(n * dpi / 100.0); }

bool Same(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

bool WellFormed(const RECT& r) { return r.right >= r.left && r.bottom >= r.top; }

}  // namespace

TEST_CASE("children at 100, 150 and 200 percent")
{
    SHostFixture f;
    SPLAYLISTWND& w = g_Playlist.m_W;
    // Back at 100 % last: pictures kept from an earlier scale are not reused.
    for (int dpi : {100, 150, 200, 100}) {
        CAPTURE(dpi);
        f.SetClientSize(U(300, dpi), U(400, dpi));
        g_Playlist.m_ApplyDpi(dpi, 0);
        REQUIRE(w.DpiPercent == dpi);
        const RECT client = f.Client();
        const int W = client.right, Hc = client.bottom;
        const int bw = U(28, dpi), T = U(5, dpi) - U(1, dpi), A = U(23, dpi);

        // Buttons along the bottom, the status area after them.
        for (int i = 0; i < kPlaylistButtonCount; ++i) {
            const RECT b = f.ChildRect(w.Buttons[i]->m_GetHwnd());
            CAPTURE(i);
            CHECK(Same(b, RECT{i * bw, Hc - bw, (i + 1) * bw, Hc}));
        }
        CHECK(Same(w.StatusRect, RECT{5 * bw, Hc - bw, W, Hc}));
        CHECK(Same(f.ChildRect(w.Status), w.StatusRect));
        CHECK(Same(w.ButtonRow, RECT{0, Hc - bw, W, Hc}));

        // Track list, splitter, tab strip and sub-list stacked above them.
        CHECK(w.PaneHeight == Hc - bw - T);
        CHECK(w.TrackRect.top == 0);
        CHECK(w.Splitter.top == w.TrackRect.bottom);
        CHECK(w.Splitter.bottom - w.Splitter.top == T);
        CHECK(w.TabStrip.top == w.Splitter.bottom);
        CHECK(w.TabStrip.bottom - w.TabStrip.top == A);
        CHECK(w.SubRect.top == w.TabStrip.bottom);
        CHECK(w.SubRect.bottom == Hc - bw);
        CHECK(Hc - bw - w.Splitter.bottom == w.SubHeight);
        CHECK(Same(f.ChildRect(w.Lists[0]), w.TrackRect));
        for (int i = 1; i < 4; ++i) CHECK(Same(f.ChildRect(w.Lists[i]), w.SubRect));

        // Three tabs left to right on the strip, none below the least width.
        CHECK(w.Tabs[0].left == 0);
        for (int i = 0; i < 3; ++i) {
            CAPTURE(i);
            CHECK(w.Tabs[i].top == w.TabStrip.top);
            CHECK(w.Tabs[i].bottom == w.TabStrip.bottom);
            CHECK(w.Tabs[i].right - w.Tabs[i].left >= U(120, dpi) / 3);
            if (i) CHECK(w.Tabs[i].left == w.Tabs[i - 1].right + U(1, dpi));
        }
        CHECK(w.TabUnion.left == 0);
        CHECK(w.TabUnion.right == w.Tabs[2].right);

        // Fonts, check image and rows follow the DPI.
        CHECK(w.Font);
        CHECK(w.TabFont);
        CHECK(w.CheckImageEdge == U(16, dpi));
        CHECK(w.RowHeight >= w.CheckImageEdge);
        CHECK(w.MinTrack.y > bw);

        // Button pictures and check images at every scale, 200 % (the
        // strips' own size) included.
        CHECK(w.ButtonImageEdge == U(24, dpi));
        for (int i = 0; i < kPlaylistButtonCount; ++i) CHECK(w.Buttons[i]->m_GetFrameCount() == 1);
        CHECK(ImageList_GetImageCount(w.CheckImages) >= 2);
    }
}

TEST_CASE("the split laid out on the children")
{
    SHostFixture f;
    SPLAYLISTWND& w = g_Playlist.m_W;
    f.AddTracks(5);
    g_Playlist.m_SetItemHeight(0);
    REQUIRE(w.RowHeight > 0);
    const int trackNeed = 5 * w.RowHeight + w.HeaderHeight + U(1.4, 100);

    SUBCASE("sub-list as large as it can be: the track list holds its rows exactly")
    {
        w.FittedRatio = 1.0;
        g_Playlist.m_LayoutLists(1);
        CHECK(w.TrackRect.bottom - w.TrackRect.top == trackNeed);
        CHECK(w.PlainRatio == doctest::Approx((double)w.SubHeight / w.PaneHeight));
    }
    SUBCASE("sub-list as small as it can be: an empty one is its tab strip")
    {
        w.FittedRatio = 0.0;
        g_Playlist.m_LayoutLists(1);
        CHECK(w.SubHeight == U(23, 100));
        CHECK(w.SubRect.bottom == w.SubRect.top);
        CHECK(w.SubCollapsed == 1);
    }
    SUBCASE("a split the user chose comes back from its ratio")
    {
        w.SubHeight = 140;
        g_Playlist.m_MoveChildren(-1, -1);
        g_Playlist.m_LayoutLists(0);
        CHECK(w.SubHeight == 140);
        const double ratio = w.FittedRatio;
        w.SubHeight = 0;
        g_Playlist.m_LayoutLists(1);
        CHECK(w.SubHeight == 140);
        CHECK(w.FittedCopy == ratio);
        CHECK(Same(f.ChildRect(w.Lists[1]), w.SubRect));
    }
    SUBCASE("without fitting the plain ratio places the splitter")
    {
        g_PlaylistView.bAdjust = 0;
        w.PlainRatio = 0.25;
        g_Playlist.m_MoveChildren(-1, -1);
        CHECK(w.SubHeight == (int)lround(w.PaneHeight * 0.25));
    }
    SUBCASE("HideTab takes the pane of a track without chapters when the tracks overflow")
    {
        f.AddTracks(40);
        g_PlaylistView.nHideTab = 1;
        w.FittedRatio = 0.0;
        g_Playlist.m_LayoutLists(1);
        CHECK(w.SubHeight == 0);
        CHECK(w.SubRect.bottom == w.SubRect.top);
        CHECK(w.TabStrip.bottom == w.TabStrip.top);
        CHECK(w.Splitter.bottom == f.Client().bottom - U(28, 100));
        // With a second chapter the pane stays.
        SHostFixture::AddRows(w.Lists[1], 2, L"0:10 ");
        g_Playlist.m_LayoutLists(1);
        CHECK(w.SubHeight > 0);
    }
    SUBCASE("a second double-click on an overflowing list collapses to the tab strip")
    {
        f.AddTracks(40);
        SHostFixture::AddRows(w.Lists[1], 3, L"0:10 ");
        g_Playlist.m_LayoutLists(1);
        const int need = w.SubHeight;
        REQUIRE(need > U(23, 100));
        g_Playlist.m_LayoutLists(3);
        CHECK(w.SubHeight == U(23, 100));
        CHECK(w.SubRect.bottom == w.SubRect.top);
    }
}

TEST_CASE("a DPI change rescales the window and tells the main window")
{
    SHostFixture f;
    SPLAYLISTWND& w = g_Playlist.m_W;
    const HFONT before = w.Font;
    // Sent from another process the rectangle arrives empty.
    const RECT empty = {};
    g_Playlist.m_OnDpiChanged(144, &empty);
    CHECK(w.DpiPercent == 150);
    CHECK(s_Notices == std::vector<int>{kNoticePlaylistDpi * 1000 + 150});
    const RECT client = f.Client();
    CHECK(client.right == 450);
    CHECK(client.bottom == 600);
    CHECK(w.Font != before);
    CHECK(Same(f.ChildRect(w.Buttons[0]->m_GetHwnd()), RECT{0, 600 - 42, 42, 600}));

    // The pointer pressed a quarter across and half down stays there.
    RECT rc;
    GetWindowRect(f.host, &rc);
    const POINT press = {rc.left + (rc.right - rc.left) / 4, rc.top + (rc.bottom - rc.top) / 2};
    w.PressWindow = rc;
    w.PressCursor = press;
    REQUIRE(SetCursorPos(press.x, press.y));
    g_Playlist.m_OnDpiChanged(192, &empty);
    GetWindowRect(f.host, &rc);
    POINT pt;
    GetCursorPos(&pt);
    CHECK(f.Client().right == 600);
    CHECK(abs(pt.x - (rc.left + (rc.right - rc.left) / 4)) <= 1);
    CHECK(abs(pt.y - (rc.top + (rc.bottom - rc.top) / 2)) <= 1);

    // A DPI of 500 dpi is more than the window takes.
    g_Playlist.m_OnDpiChanged(500, nullptr);
    CHECK(w.DpiPercent == 500);
    CHECK(w.RowHeight >= w.CheckImageEdge);
}

TEST_CASE("after a DPI rescale the next move keeps the window under the pointer")
{
    SHostFixture f;
    SPLAYLISTWND& w = g_Playlist.m_W;
    g_Playlist.m_OnDpiChanged(144, nullptr);
    REQUIRE(w.DpiMoved == 1);
    RECT rescaled;
    GetWindowRect(f.host, &rescaled);
    m_PlWnd_OnMove(g_Playlist);  // the rescale's own move, of a new size
    // The system's move of the same size comes 30, 20 pixels after the
    // pointer moved 7, 5: the window follows the pointer instead.
    REQUIRE(SetCursorPos(w.PressCursor.x + 7, w.PressCursor.y + 5));
    SetWindowPos(f.host, nullptr, rescaled.left + 30, rescaled.top + 20, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    g_DockingMove = 1;
    m_PlWnd_OnMove(g_Playlist);
    RECT rc;
    GetWindowRect(f.host, &rc);
    CHECK(rc.left == w.PressWindow.left + 7);
    CHECK(rc.top == w.PressWindow.top + 5);
    CHECK(w.DpiMoved == 0);
    CHECK(g_DockingMove == 0);
}

TEST_CASE("the buttons take the control bar's look for [Ctrl] Style")
{
    SHostFixture f;
    const int savedKind = g_GuiKind, savedCorner = g_WindowCornerFlag;
    struct {
        int style, second, kind, corner, look;
        UINT firstVariant;
    } cases[] = {
        {0, 0, 6, 0, 0, 0},
        {1, 0, 5, 0, 1, 0},
        {1, 0, 7, 1, 2, BUTTON_VARIANT_ROUND6},
        {1, 0, 2, 2, 3, BUTTON_VARIANT_ROUND25},
        {3, 0, 6, 0, 13, 0},
        {2, 1, 6, 0, 11, 0},
        {2, 0, 6, 0, 12, 0},
    };
    for (const auto& c : cases) {
        CAPTURE(c.style);
        CAPTURE(c.kind);
        g_Settings.Ctrl_Style[0] = c.style;
        g_Settings.Ctrl_Style[1] = c.second;
        g_GuiKind = c.kind;
        g_WindowCornerFlag = c.corner;
        g_Playlist.m_SetButtonLook(-1);
        CHECK(f.buttons[0]->m_GetDrawStyle() == c.look);
        CHECK(f.buttons[0]->m_GetVariantBits() == c.firstVariant);
        CHECK(f.buttons[4]->m_GetDrawStyle() == c.look);
        CHECK(f.buttons[4]->m_GetVariantBits() == 0u);
    }
    g_GuiKind = savedKind;
    g_WindowCornerFlag = savedCorner;
}

TEST_CASE("a window at its least height keeps sane rectangles and ratios")
{
    SHostFixture f;
    SPLAYLISTWND& w = g_Playlist.m_W;
    f.AddTracks(3);
    w.FittedRatio = 0.4;
    w.PlainRatio = 0.3;
    for (int height : {28, 20, 1}) {
        CAPTURE(height);
        f.SetClientSize(200, height);
        g_Playlist.m_MoveChildren(-1, -1);
        g_Playlist.m_LayoutLists(0);
        g_Playlist.m_LayoutLists(3);
        CHECK(w.PaneHeight <= 0);
        CHECK(w.SubHeight == 0);
        CHECK(w.FittedRatio == doctest::Approx(0.4));
        CHECK(w.PlainRatio == doctest::Approx(0.3));
        for (const RECT& r : {w.TrackRect, w.Splitter, w.TabStrip, w.SubRect, w.ButtonRow})
            CHECK(WellFormed(r));
    }
}

TEST_CASE("column widths from shares and from the widest time")
{
    SHostFixture f;
    SPLAYLISTWND& w = g_Playlist.m_W;
    auto width = [](HWND list, int column) {
        return (int)SendMessageW(list, LVM_GETCOLUMNWIDTH, column, 0);
    };
    // "Clm" 5,200: the name column keeps a fifth, the time column the rest.
    g_PlaylistView.dColumn[0] = 5;
    g_PlaylistView.dColumn[1] = 200;
    g_Playlist.m_ApplyColumnRatios();
    const int usable = g_Playlist.m_GetListWidth(w.Lists[0]);
    CHECK(width(w.Lists[0], 0) == (int)lround(usable * 0.2));
    CHECK(width(w.Lists[1], 1) == (int)lround(usable * 0.8));
    CHECK(width(w.Lists[3], 0) == width(w.Lists[0], 0) + width(w.Lists[0], 1));

    f.AddTracks(3);
    SHostFixture::AddRows(w.Lists[2], 1, L"10:23:45 ");
    CHECK(g_Playlist.m_AutoColumnWidths() == 1);
    const int text = (int)SendMessageW(w.Lists[0], LVM_GETSTRINGWIDTHW, 0, (LPARAM)L"10:23:45 ");
    const int time = width(w.Lists[0], 1);
    CHECK(time == std::max(text + 7, 40));
    CHECK(width(w.Lists[0], 0) + time == g_Playlist.m_GetListWidth(w.Lists[0]));
    CHECK(width(w.Lists[3], 0) == g_Playlist.m_GetListWidth(w.Lists[3]));
    // The same width again changes nothing; another one fits again.
    CHECK(g_Playlist.m_AutoColumnWidths() == 0);
    f.SetClientSize(250, 400);
    g_Playlist.m_MoveChildren(-1, -1);
    CHECK(g_Playlist.m_AutoColumnWidths() == 1);
}

TEST_CASE("row height from ItemHt, never below the check image")
{
    SHostFixture f;
    SPLAYLISTWND& w = g_Playlist.m_W;
    f.AddTracks(2);
    for (int percent : {0, 50, 100, 200, 999}) {
        CAPTURE(percent);
        g_PlaylistView.nItemHeight = percent;
        g_Playlist.m_SetItemHeight(0);
        CHECK(w.RowHeight == m_Rows_Height(100, percent, w.CheckImageEdge));
        RECT row = {LVIR_BOUNDS, 0, 0, 0};
        SendMessageW(w.Lists[0], LVM_GETITEMRECT, 1, (LPARAM)&row);
        CHECK(row.top == w.HeaderHeight + w.RowHeight);
        CHECK(g_Playlist.m_RowHeight == w.RowHeight);
    }
}

TEST_CASE("tabs share a narrow strip; counts and slanted corners widen them")
{
    SHostFixture f;
    SPLAYLISTWND& w = g_Playlist.m_W;
    auto width = [&w](int i) { return w.Tabs[i].right - w.Tabs[i].left; };
    f.SetClientSize(600, 400);
    g_Playlist.m_MoveChildren(-1, -1);
    const int wide = width(0);
    CHECK(width(1) == wide);  // room for three of the widest
    CHECK(width(2) == wide);

    // A single chapter shows no count; a long count widens every tab.
    w.TabCounts[0] = 1;
    g_Playlist.m_LayoutTabs(0);
    CHECK(width(0) == wide);
    w.TabCounts[0] = -99999;
    g_Playlist.m_LayoutTabs(0);
    CHECK(width(0) > wide);
    w.TabCounts[0] = 0;

    // A narrow strip is shared to the pixel.
    f.SetClientSize(190, 400);
    g_Playlist.m_MoveChildren(-1, -1);
    CHECK(w.Tabs[2].right == 190);
    CHECK(width(0) < wide);

    // Too narrow for the least widths: every tab keeps the least.
    f.SetClientSize(60, 400);
    g_Playlist.m_MoveChildren(-1, -1);
    for (int i = 0; i < 3; ++i) CHECK(width(i) == U(120, 100) / 3);

    f.SetClientSize(600, 400);
    g_PlaylistView.nDiagTab = 1;
    g_Playlist.m_MoveChildren(-1, -1);
    CHECK(width(0) > wide);
}
