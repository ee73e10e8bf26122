// The playlist window's life: the dialog made from its template under a
// hidden owner, shown and hidden, and destroyed at exit.
#include "playlist/Playlist.h"

#include <commctrl.h>

#include "app/ToolWindowPlacement.h"
#include "app/ToolWindows.h"
#include "base/ErrorLog.h"
#include "playlist/PlaylistWindowInput.h"

CPlaylist g_Playlist;

namespace {

const wchar_t kClassName[] = L"ZENTAVIO_PLAYLIST";

// The template names this class: a dialog class of its own lets other
// programs and the tests find the window by its class.
BOOL m_RegisterDialogClass(HINSTANCE instance)
{
    static ATOM s_Atom;
    if (s_Atom) return TRUE;
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = DefDlgProcW;
    wc.cbWndExtra = DLGWINDOWEXTRA;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    s_Atom = RegisterClassExW(&wc);
    if (!s_Atom)
        m_WriteLog(L"PLAYLIST_%d : Error / RegisterClassExW() = %lu", __LINE__, GetLastError());
    return s_Atom != 0;
}

}  // namespace

HWND CPlaylist::m_CreateWnd()
{
    if (m_hWnd) return m_hWnd;
    m_W.Instance = GetModuleHandleW(nullptr);
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    if (!InitCommonControlsEx(&icc) || !m_RegisterDialogClass(m_W.Instance)) return nullptr;
    // A hidden owner keeps the dialog off the taskbar.
    if (!m_W.Owner)
        m_W.Owner = CreateWindowExW(0, L"Static", L"", SS_NOTIFY, 0, 0, 0, 0, nullptr, nullptr,
                                    m_W.Instance, nullptr);
    if (!m_W.Owner) {
        m_WriteLog(L"PLAYLIST_%d : Error / CreateWindowExW() = %lu", __LINE__, GetLastError());
        return nullptr;
    }
    HWND dialog = CreateDialogParamW(m_W.Instance, MAKEINTRESOURCEW(kPlaylistDialogId), m_W.Owner,
                                     m_DialogProc, reinterpret_cast<LPARAM>(this));
    if (!dialog) {
        m_WriteLog(L"PLAYLIST_%d : Error / CreateDialogParamW() = %lu", __LINE__, GetLastError());
        return nullptr;
    }
    return dialog;
}

BOOL CPlaylist::m_CreateWindow(const RECT* rc, int dpiPercent)
{
    if (m_hWnd || !m_CreateWnd()) return FALSE;
    SetWindowPos(m_hWnd, nullptr, rc->left, rc->top, rc->right - rc->left, rc->bottom - rc->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    m_MakeWindowResources();
    m_W.Ready = 1;
    m_ApplyDpi(dpiPercent, 1);
    m_PlWnd_SetColumnsFromShares(*this);
    m_RebuildTrackList();
    m_SetPlayListTitle();
    return TRUE;
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
    if (m_W.Owner) DestroyWindow(m_W.Owner);
    m_W.Owner = nullptr;
}

int CPlaylist::m_GetColumnWidths(int out[2]) const
{
    out[0] = out[1] = 0;
    if (!m_hList) return 0;
    for (int i = 0; i < 2; ++i) out[i] = (int)SendMessageW(m_hList, LVM_GETCOLUMNWIDTH, i, 0);
    return m_GetListWidth(m_hList);
}

double CPlaylist::m_GetViewRatio() const
{
    return g_PlaylistView.bAdjust ? m_W.FittedRatio : m_W.PlainRatio;
}

HWND CPlaylist::m_GetList(int id) const
{
    static const int kIds[4] = {kPlaylistListId, kChapterListId, kRangeListId, kMarkerListId};
    for (int i = 0; i < 4; ++i)
        if (kIds[i] == id) return m_W.Lists[i];
    return nullptr;
}

void CPlaylist::m_ClearWindow() { m_hWnd = m_hList = nullptr; }
