#include "playlist/Playlist.h"

#include <commctrl.h>

#include "app/ToolWindowPlacement.h"
#include "app/ToolWindows.h"
#include "base/ErrorLog.h"

CPlaylist g_Playlist;

namespace {

const wchar_t kClassName[] = L"ZENTAVIO_PLAYLIST";

ATOM m_RegisterClass(WNDPROC proc)
{
    static ATOM s_Atom;
    if (s_Atom) return s_Atom;
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    s_Atom = RegisterClassExW(&wc);
    return s_Atom;
}

void m_AddColumn(HWND list, int index, int width)
{
    LVCOLUMNW column = {};
    column.mask = LVCF_WIDTH;
    column.cx = width;
    SendMessageW(list, LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
}

}  // namespace

// The window's keys grow with the playlist window.
BOOL CPlaylist::m_PreTranslateKey(MSG*) { return FALSE; }

BOOL CPlaylist::m_CreateWindow(const RECT* rc, int dpiPercent)
{
    // The list has no fonts or images of its own yet that would follow the DPI.
    (void)dpiPercent;
    if (m_hWnd || !m_RegisterClass(m_WndProc)) return FALSE;
    DWORD style = WS_OVERLAPPEDWINDOW & ~(WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    m_hWnd = CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, L"プレイリスト", style, rc->left,
                             rc->top, rc->right - rc->left, rc->bottom - rc->top, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
    if (!m_hWnd) {
        m_WriteLog(L"PLAYLIST_%d : Error / CreateWindowExW() = %lu", __LINE__, GetLastError());
        return FALSE;
    }
    m_hList = m_CreateList();
    m_RebuildTrackList();
    m_SetPlayListTitle();
    return TRUE;
}

// The track list fills the window; its first two columns take their stored
// shares of its width.
HWND CPlaylist::m_CreateList()
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_LISTVIEW_CLASSES};
    if (!InitCommonControlsEx(&icc)) return nullptr;
    RECT client;
    GetClientRect(m_hWnd, &client);
    HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0,
                                client.right, client.bottom, m_hWnd,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kPlaylistListId)),
                                GetModuleHandleW(nullptr), nullptr);
    if (!list) return nullptr;
    GetClientRect(list, &client);
    for (int i = 0; i < 2; ++i)
        m_AddColumn(list, i, (int)(client.right * g_PlaylistView.dColumn[i] / 100.0 + 0.5));
    return list;
}

int CPlaylist::m_ShowWnd(int, int nCmdShow)
{
    if (!m_hWnd) return 0;
    ShowWindow(m_hWnd, nCmdShow);
    m_W.Visible = nCmdShow != 0;
    return 1;
}

void CPlaylist::m_DestroyWindow()
{
    if (m_hWnd) DestroyWindow(m_hWnd);
}

int CPlaylist::m_GetColumnWidths(int out[2]) const
{
    out[0] = out[1] = 0;
    RECT client;
    if (!m_hList || !GetClientRect(m_hList, &client)) return 0;
    for (int i = 0; i < 2; ++i) out[i] = (int)SendMessageW(m_hList, LVM_GETCOLUMNWIDTH, i, 0);
    return client.right;
}

double CPlaylist::m_GetViewRatio() const { return g_PlaylistView.nRatio / 1000.0; }

LRESULT CALLBACK CPlaylist::m_WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
        case WM_SIZE:
            if (g_Playlist.m_hList)
                MoveWindow(g_Playlist.m_hList, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
            return 0;
        case WM_ACTIVATE:
            m_RaiseToolWindows(hwnd, reinterpret_cast<HWND>(lParam), LOWORD(wParam));
            break;
        case WM_CLOSE:
            // Closing only hides it: the window lives for the whole run.
            m_ShowPlayListWnd(0, 0);
            return 0;
        case WM_NCDESTROY:
            g_Playlist.m_hWnd = g_Playlist.m_hList = nullptr;
            break;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}
