// The playlist window with 1000 tracks: (1) the list filled into the shown
// window up to the first paint of its visible rows and status area, (2) a
// full redraw of the shown window, and (3) the window made from nothing with
// the list in it, each against a plain report list view of the same 1000
// texts in two columns, default-drawn, in a plain window of the same size,
// alternating in the same run.
#include "BenchTiming.h"
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cwchar>
#include <vector>

#include "app/MainWindow.h"
#include "app/ToolWindowPlacement.h"
#include "base/ImageFile.h"
#include "playlist/Playlist.h"

namespace {

constexpr int kTracks = 1000;
constexpr int kFillRounds = 9;
constexpr int kRedrawRounds = 25;
constexpr int kTextCap = kTrackNameCap + 16;
constexpr UINT kFullRedraw = RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW;
const wchar_t kPlainClass[] = L"ZvBenchPlainList";
// Side by side, so that neither window clips the other's painting.
const RECT kOursFrame = {40, 40, 440, 660};
const POINT kPlainAt = {520, 40};

wchar_t g_Texts[kTracks][2][kTextCap];
SIZE g_Size = {};
int g_Columns[2] = {};

void m_Pump()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// Names of mixed length, some wider than the name column; durations from
// under a minute to over an hour.
void m_MakeTracks()
{
    for (int i = 0; i < kTracks; ++i) {
        wchar_t path[MAX_PATH + 1];
        swprintf(path, MAX_PATH + 1, L"C:\\zv_bench\\\u8a18\u9332\\%04d_\u756a\u7d44.mp4", i);
        g_Playlist.m_AppendTrack(path);
        STRACKINFO* t = g_Playlist.m_GetTrack(i);
        if (!t) return;
        swprintf(t->Name, kTrackNameCap, L"\u7b2c%d\u8a71 \u30bf\u30a4\u30c8\u30eb%ls", i + 1,
                 i % 3 ? L"" : L" \u301c \u9577\u3044\u526f\u984c\u306e\u3042\u308b\u56de");
        t->Milliseconds = (INT64)(40 + (i * 577) % 5400) * 1000 + i;
        t->Seconds = (UINT)(t->Milliseconds / 1000);
        t->Scanned = 1;
        swprintf(g_Texts[i][0], kTextCap, L"%d, %ls", i + 1, t->Name);
        CPlaylist::m_FormatRowTime(t->Milliseconds, g_Texts[i][1], kTextCap);
    }
}

LRESULT CALLBACK m_PlainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_SIZE) {
        HWND list = GetWindow(hwnd, GW_CHILD);
        if (list) MoveWindow(list, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

bool m_RegisterPlain()
{
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = m_PlainProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kPlainClass;
    return RegisterClassExW(&wc) != 0;
}

int m_RowCount(HWND list) { return list ? (int)SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) : 0; }

// Seconds from nothing to the shown window's first paint, as the player
// makes it: created hidden, filled, laid out, shown. rows gets the track
// list's row count.
double m_FillOurs(int* rows)
{
    const double t0 = m_Now();
    if (!g_Playlist.m_CreateWindow(&kOursFrame, 100)) return -1;
    g_Playlist.m_RefreshPlayList();
    g_Playlist.m_LayoutLists(1);
    g_Playlist.m_ShowWindow(SW_SHOWNOACTIVATE);
    HWND window = g_Playlist.m_GetWindow();
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    const double t1 = m_Now();
    *rows = m_RowCount(g_Playlist.m_GetTrackList());
    m_Pump();
    return t1 - t0;
}

void m_CloseOurs()
{
    g_Playlist.m_DestroyWindow();
    m_Pump();
}

void m_AddPlainColumn(HWND list, int index, int width)
{
    LVCOLUMNW column = {};
    column.mask = LVCF_WIDTH;
    column.cx = width;
    SendMessageW(list, LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
}

// Redraw off while filling, as the player fills its list: without it each
// insertion updates the scroll bars and the fill takes 4x longer.
void m_InsertPlainRows(HWND list)
{
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    for (int i = 0; i < kTracks; ++i) {
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = g_Texts[i][0];
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        item.iSubItem = 1;
        item.pszText = g_Texts[i][1];
        SendMessageW(list, LVM_SETITEMTEXTW, i, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
}

// The same for the plain window; null when it could not be made.
HWND m_FillPlain(double* seconds, int* rows)
{
    const double t0 = m_Now();
    const DWORD style = WS_OVERLAPPEDWINDOW & ~(WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    HWND window =
        CreateWindowExW(WS_EX_TOOLWINDOW, kPlainClass, L"", style, kPlainAt.x, kPlainAt.y,
                        g_Size.cx, g_Size.cy, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!window) return nullptr;
    RECT client;
    GetClientRect(window, &client);
    HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0,
                                client.right, client.bottom, window, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    if (!list) {
        DestroyWindow(window);
        return nullptr;
    }
    for (int c = 0; c < 2; ++c) m_AddPlainColumn(list, c, g_Columns[c]);
    m_InsertPlainRows(list);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    *seconds = m_Now() - t0;
    *rows = m_RowCount(list);
    m_Pump();
    return window;
}

// Seconds to fill the 1000 tracks into the shown, empty playlist window up
// to the first paint, as a list opened into it is shown.
double m_FillShownOurs(int* rows)
{
    g_Playlist.m_ClearPlayList();
    m_Pump();
    m_MakeTracks();
    const double t0 = m_Now();
    g_Playlist.m_RefreshPlayList();
    g_Playlist.m_LayoutLists(1);
    RedrawWindow(g_Playlist.m_GetWindow(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    const double t1 = m_Now();
    *rows = m_RowCount(g_Playlist.m_GetTrackList());
    m_Pump();
    return t1 - t0;
}

// The same for the shown plain window's emptied list.
double m_FillShownPlain(HWND window, int* rows)
{
    HWND list = GetWindow(window, GW_CHILD);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    m_Pump();
    const double t0 = m_Now();
    m_InsertPlainRows(list);
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    const double t1 = m_Now();
    *rows = m_RowCount(list);
    m_Pump();
    return t1 - t0;
}

double m_Redraw(HWND window)
{
    const double t0 = m_Now();
    RedrawWindow(window, nullptr, nullptr, kFullRedraw);
    GdiFlush();
    const double t1 = m_Now();
    m_Pump();
    return t1 - t0;
}

// A first window of each kind, untimed: the size and column widths the
// plain one copies, and the classes, fonts and images loaded once.
bool m_WarmUp()
{
    int rows = 0;
    if (m_FillOurs(&rows) < 0 || rows != kTracks) return false;
    RECT rc;
    GetWindowRect(g_Playlist.m_GetWindow(), &rc);
    g_Size = SIZE{rc.right - rc.left, rc.bottom - rc.top};
    if (!g_Playlist.m_GetColumnWidths(g_Columns)) return false;
    m_CloseOurs();
    double seconds = 0;
    HWND plain = m_FillPlain(&seconds, &rows);
    if (!plain) return false;
    DestroyWindow(plain);
    m_Pump();
    return rows == kTracks;
}

void m_Print(const char* name, const char* goal, const char* what, const std::vector<double>& ours,
             const std::vector<double>& plain)
{
    const double a = m_Median(ours), b = m_Median(plain);
    std::printf("%s: %.2fx of a plain list view (%s; %.2f ms vs %.2f ms %s, %dx%d, median of %d)\n",
                name, a / b, goal, a * 1000.0, b * 1000.0, what, (int)g_Size.cx, (int)g_Size.cy,
                (int)ours.size());
}

}  // namespace

int main()
{
    g_hInstance = GetModuleHandleW(nullptr);
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_LISTVIEW_CLASSES};
    if (m_GdiplusStartup() != 0 || !InitCommonControlsEx(&icc) || !m_RegisterPlain()) {
        std::printf("playlist_window: FAILED (no GDI+, common controls or window class)\n");
        return 1;
    }
    // Placed by the bench, not docked to a main window.
    g_PlaylistView.bAttach = 0;
    m_MakeTracks();
    if (g_Playlist.m_GetCount() != kTracks || !m_WarmUp()) {
        std::printf("playlist_window: FAILED (a window was not made or not filled)\n");
        return 1;
    }

    std::vector<double> openOurs, openPlain;
    bool ok = true;
    for (int i = 0; i < kFillRounds && ok; ++i) {
        int rowsOurs = 0, rowsPlain = 0;
        double plainSeconds = 0;
        HWND plain = m_FillPlain(&plainSeconds, &rowsPlain);
        if (plain) DestroyWindow(plain);
        const double oursSeconds = m_FillOurs(&rowsOurs);
        m_CloseOurs();
        ok = plain && oursSeconds >= 0 && rowsOurs == kTracks && rowsPlain == kTracks;
        openPlain.push_back(plainSeconds);
        openOurs.push_back(oursSeconds);
    }

    std::vector<double> fillOurs, fillPlain, redrawOurs, redrawPlain;
    int rows = 0;
    double seconds = 0;
    HWND plain = ok ? m_FillPlain(&seconds, &rows) : nullptr;
    ok = plain && m_FillOurs(&rows) >= 0;
    for (int i = 0; i < kFillRounds && ok; ++i) {
        int rowsOurs = 0, rowsPlain = 0;
        fillPlain.push_back(m_FillShownPlain(plain, &rowsPlain));
        fillOurs.push_back(m_FillShownOurs(&rowsOurs));
        ok = rowsOurs == kTracks && rowsPlain == kTracks;
    }
    for (int i = 0; i < kRedrawRounds && ok; ++i) {
        redrawPlain.push_back(m_Redraw(plain));
        redrawOurs.push_back(m_Redraw(g_Playlist.m_GetWindow()));
    }
    if (ok) {
        m_Print("playlist_window_fill", "goal <= 2x", "to the first paint of 1000 tracks", fillOurs,
                fillPlain);
        m_Print("playlist_window_redraw", "goal <= 2x", "for a full redraw", redrawOurs,
                redrawPlain);
        m_Print("playlist_window_open", "no goal",
                "from no window to the first paint of 1000 tracks", openOurs, openPlain);
    } else {
        std::printf("playlist_window: FAILED (a window was not made or not filled)\n");
    }
    if (plain) DestroyWindow(plain);
    m_CloseOurs();
    g_Playlist.m_ClearPlayList();
    m_GdiplusShutdown();
    return ok ? 0 : 1;
}
