// A host of the playlist window's painter for the screenshot tests: a
// borderless window of class "ZvPlaylistDrawHost" at (60, 60), 520 x 400 at
// 100 %, routing WM_DRAWITEM and WM_PAINT to g_Playlist with the window's
// rectangles set by hand. It shows, top to bottom:
//   the track list (focused, check boxes: plain, selected, missing, playing,
//   missing and selected, a name too long) and the chapter list beside it
//   (unfocused, a selected row, the paused mark);
//   the splitter and the tab strip (chapter tab shown, range tab hovered);
//   four more strips: collapsed with the shown tab hovered, "DiagTab",
//   a dark strip of narrow tabs (captions shortened), the rounded button
//   look;
//   status images: LOADING with 12 tracks of which 6 are scanned, the total
//   dimmed by an unknown duration, the total on a dark background, the
//   rounded size grip on a dark background; and in the button row the
//   status child itself with the square size grip.
// Runs until its window is closed.
#include <windows.h>
#include <commctrl.h>
#include <gdiplus.h>

#include <cwchar>
#include <vector>

#include "app/ToolWindowPlacement.h"
#include "base/ArgbImage.h"
#include "base/BmpFont.h"
#include "base/ImageFile.h"
#include "base/UiLook.h"
#include "base/WindowMisc.h"
#include "playlist/Playlist.h"
#include "playlist/ScanThread.h"
#include "resources/resource.h"
#include "settings/Settings.h"

namespace {

constexpr int kLeft = 60, kTop = 60, kWidth = 520, kHeight = 400;
constexpr int kRow = 19;
constexpr int kStripTop = 134, kStripH = 23;
constexpr int kStatusW = 200, kStatusH = 28;
constexpr int kTabW = 172, kNarrowTabW = 110;

SPLAYLISTWND& W = g_Playlist.m_W;
CArgbImage s_StatusImage, s_IconStrip;
CBmpFont s_StatusFont;
HFONT s_ListFont, s_TabFont;
// Status images drawn earlier, shown where they were taken.
struct SSnapshot {
    CArgbImage image;
    int x, y;
};
std::vector<SSnapshot*> s_Snapshots;

// Three tabs of the width with a gap of one pixel.
void SetTabs(int top, int width)
{
    W.TabStrip = {0, top, kWidth, top + kStripH};
    for (int i = 0; i < 3; ++i)
        W.Tabs[i] = {i * (width + 1), top, i * (width + 1) + width, top + kStripH};
    W.TabUnion = {0, top, 3 * width + 2, top + kStripH};
}

// One more strip under the main one, in another state; the state is put
// back afterwards.
void DrawStrip(HDC dc, int top, int width, int tab, int hover, int collapsed, int diag,
               COLORREF strip, int look)
{
    const SPLAYLISTWND saved = W;
    const SPLAYLISTVIEW view = g_PlaylistView;
    const int savedLook = g_Settings.Ctrl_Style[0];
    SetTabs(top, width);
    W.SubRect = {0, top + kStripH, kWidth, top + kStripH + 2};
    W.Tab = tab;
    W.Hover = hover;
    W.SubCollapsed = collapsed;
    W.SplitterColor = strip;
    g_PlaylistView.nDiagTab = diag;
    g_Settings.Ctrl_Style[0] = look;
    g_Playlist.m_DrawTabs(dc);
    g_Settings.Ctrl_Style[0] = savedLook;
    g_PlaylistView = view;
    W = saved;
}

LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
        case WM_DRAWITEM:
            return g_Playlist.m_OnDrawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        case WM_MEASUREITEM:
            reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = kRow;
            return TRUE;
        case WM_PAINT: {
            g_Playlist.m_OnPaint();
            HDC dc = GetDC(hwnd);
            const COLORREF light = W.SplitterColor;
            DrawStrip(dc, 164, kTabW, 0, PLHOVER_TAB0, 1, 0, light, 0);
            DrawStrip(dc, 191, kTabW, 1, PLHOVER_TAB0 + 2, 0, 1, light, 0);
            DrawStrip(dc, 218, kNarrowTabW, 2, PLHOVER_TAB0, 0, 0, RGB(0x30, 0x30, 0x34), 0);
            DrawStrip(dc, 245, kTabW, 0, PLHOVER_TAB0 + 1, 0, 0, light, 3);
            for (SSnapshot* s : s_Snapshots)
                BitBlt(dc, s->x, s->y, s->image.m_Width, s->image.m_Height, s->image.m_hDC, 0, 0,
                       SRCCOPY);
            ReleaseDC(hwnd, dc);
            return 0;
        }
        case WM_ERASEBKGND: {
            RECT rc;
            GetClientRect(hwnd, &rc);
            FillRect(reinterpret_cast<HDC>(wParam), &rc, (HBRUSH)GetStockObject(WHITE_BRUSH));
            return 1;
        }
        case WM_CLOSE:
            DestroyWindow(hwnd);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

HWND CreateList(HWND host, int id, int x, int checks)
{
    HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"",
                                WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDRAWFIXED |
                                    LVS_SHOWSELALWAYS | LVS_NOSORTHEADER,
                                x, 0, 260, 130, host, (HMENU)(INT_PTR)id, nullptr, nullptr);
    SendMessageW(list, WM_SETFONT, (WPARAM)s_ListFont, FALSE);
    ListView_SetExtendedListViewStyle(list,
                                      LVS_EX_FULLROWSELECT | (checks ? LVS_EX_CHECKBOXES : 0));
    LVCOLUMNW col = {};
    col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    col.pszText = const_cast<wchar_t*>(checks ? L" TRACK" : L"");
    col.cx = 180;
    ListView_InsertColumn(list, 0, &col);
    col.fmt = LVCFMT_RIGHT;
    col.pszText = const_cast<wchar_t*>(L"TIME ");
    col.cx = 60;
    ListView_InsertColumn(list, 1, &col);
    ListView_SetImageList(list, W.CheckImages, LVSIL_SMALL);
    return list;
}

void AddRow(HWND list, int row, const wchar_t* name, const wchar_t* time, int image, LPARAM data,
            int check, int selected)
{
    LVITEMW item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = row;
    item.pszText = const_cast<wchar_t*>(name);
    item.iImage = image;
    item.lParam = data;
    ListView_InsertItem(list, &item);
    ListView_SetItemText(list, row, 1, const_cast<wchar_t*>(time));
    if (check) ListView_SetItemState(list, row, INDEXTOSTATEIMAGEMASK(check), LVIS_STATEIMAGEMASK);
    if (selected) ListView_SetItemState(list, row, LVIS_SELECTED, LVIS_SELECTED);
}

// The check strip at 16 px in cells as high as a row less one, as the
// window's row-height code builds it.
HIMAGELIST MakeCheckImages()
{
    CArgbImage strip, cells;
    if (!m_LoadPngResource(&strip, IDR_PLAYLIST_CHECKS) || !strip.m_Resize(96, 16, 1))
        return nullptr;
    if (!cells.m_Create(nullptr, 96, kRow - 1)) return nullptr;
    cells.m_Clear(true);
    cells.m_Draw(&strip, 0, 0, (kRow - 1 - 16) / 2);
    cells.m_Premultiply();
    HIMAGELIST list = ImageList_Create(16, kRow - 1, ILC_COLOR32, 6, 0);
    HBITMAP bitmap = cells.m_CreateHBITMAP();
    if (!list || !bitmap || ImageList_Add(list, bitmap, nullptr) < 0) return nullptr;
    DeleteObject(bitmap);
    W.CheckImageEdge = 16;
    return list;
}

void FillTracks(HWND tracks, HWND chapters)
{
    for (int i = 0; i < 12; ++i) {
        wchar_t path[64];
        swprintf(path, 64, L"C:\\media\\track %02d.mp4", i + 1);
        g_Playlist.m_AppendTrack(path);
        g_Playlist.m_GetTrack(i)->Milliseconds = 600000 + i * 1000;
    }
    g_Playlist.m_GetTrack(2)->Missing = 1;
    g_Playlist.m_GetTrack(4)->Missing = 1;
    auto data = [](int i) { return reinterpret_cast<LPARAM>(g_Playlist.m_GetTrack(i)); };
    AddRow(tracks, 0, L"1, plain row", L"10:00 ", -1, data(0), 2, 0);
    AddRow(tracks, 1, L"2, selected row", L"1:02:03 ", -1, data(1), 1, 1);
    AddRow(tracks, 2, L"3, missing file", L"10:02 ", -1, data(2), 2, 0);
    AddRow(tracks, 3, L"4, playing", L"10:03 ", 4, data(3), 2, 0);
    AddRow(tracks, 4, L"5, missing and selected", L"10:04 ", -1, data(4), 1, 1);
    AddRow(tracks, 5, L"6, a name far too long for the column to hold", L"10:05 ", -1, data(5), 2,
           0);
    AddRow(chapters, 0, L"1, CHAPTER 1 (4:00)", L"0:00 ", -1, 0, 0, 1);
    AddRow(chapters, 1, L"2, CHAPTER 2 (3:00)", L"4:00 ", 5, 0, 0, 0);
    AddRow(chapters, 2, L"3, CHAPTER 3 (3:00)", L"7:00 ", -1, 0, 0, 0);
}

// Draws the status area in the current state and keeps a copy at (x, y).
void Snapshot(int x, int y)
{
    g_Playlist.m_DrawStatus();
    SSnapshot* s = new SSnapshot{CArgbImage(), x, y};
    s->image.m_CopyFrom(&s_StatusImage);
    s_Snapshots.push_back(s);
}

void DrawStatusStates()
{
    W.BackColor = RGB(0xF4, 0xF4, 0xF4);
    g_ScanRunning = 1;
    g_ScanCounter = 6;
    Snapshot(0, 280);
    g_ScanRunning = 0;
    g_PlaylistView.bStatus = 1;
    g_Playlist.m_GetTrack(7)->Milliseconds = 0;
    Snapshot(0, 312);
    g_Playlist.m_GetTrack(7)->Milliseconds = 3600000;
    W.BackColor = RGB(0x20, 0x20, 0x24);
    Snapshot(210, 280);
    g_PlaylistView.bStatus = 0;
    W.FrameStyle = 1;
    Snapshot(210, 312);
    // The status child itself: the square grip on the light background.
    W.FrameStyle = 0;
    W.BackColor = RGB(0xF4, 0xF4, 0xF4);
    g_Playlist.m_DrawStatus();
}

int Run()
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    WNDCLASSW wc = {};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = L"ZvPlaylistDrawHost";
    if (!RegisterClassW(&wc)) return 3;
    HWND host =
        CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"playlist drawing", WS_POPUP, kLeft, kTop,
                        kWidth, kHeight, nullptr, nullptr, wc.hInstance, nullptr);
    if (!host) return 3;

    W.DpiPercent = 100;
    // The button row's default height: the status font follows it.
    g_Settings.Ctrl_Btn[0] = g_Settings.Ctrl_Btn[1] = 28;
    W.Ready = 1;
    W.Dialog = host;
    s_ListFont = m_CreateUIFont(100);
    s_TabFont = m_CreateFont(L"游ゴシック", 13, 10, 700);
    W.Font = s_ListFont;
    W.TabFont = s_TabFont;
    W.CheckImages = MakeCheckImages();
    if (!W.CheckImages) return 4;
    W.IconStrip = &s_IconStrip;
    W.StatusFont = &s_StatusFont;
    W.StatusImage = &s_StatusImage;
    if (!s_StatusImage.m_Create(nullptr, kStatusW, kStatusH)) return 5;

    W.Lists[0] = CreateList(host, kPlaylistListId, 0, 1);
    W.Lists[1] = CreateList(host, kChapterListId, 260, 0);
    W.TrackRect = {0, 0, 260, 130};
    W.Splitter = {0, 130, kWidth, kStripTop};
    SetTabs(kStripTop, kTabW);
    W.SubRect = {0, kStripTop + kStripH, kWidth, kStripTop + kStripH + 2};
    W.TabCounts[0] = -5;
    W.TabCounts[1] = 3;
    W.Tab = 0;
    W.Hover = PLHOVER_TAB0 + 1;
    W.ButtonRow = {0, kHeight - kStatusH, kWidth, kHeight};
    W.StatusRect = {kWidth - kStatusW, kHeight - kStatusH, kWidth, kHeight};
    W.Status = CreateWindowExW(0, L"Static", L"", WS_CHILD | 0x0F, W.StatusRect.left,
                               W.StatusRect.top, kStatusW, kStatusH, host,
                               (HMENU)(INT_PTR)kPlaylistStatusId, nullptr, nullptr);
    W.StatusProc = (WNDPROC)SetWindowLongPtrW(W.Status, GWLP_WNDPROC,
                                              (LONG_PTR)CPlaylist::m_StatusSubclassProc);
    ShowWindow(W.Status, SW_SHOW);
    FillTracks(W.Lists[0], W.Lists[1]);
    DrawStatusStates();

    ShowWindow(host, SW_SHOW);
    SetForegroundWindow(host);
    SetFocus(W.Lists[0]);
    UpdateWindow(host);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}

}  // namespace

int wmain(int, wchar_t**)
{
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return 9;
    const int rc = Run();
    Gdiplus::GdiplusShutdown(token);
    return rc;
}
