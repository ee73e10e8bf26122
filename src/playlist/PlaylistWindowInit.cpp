// Filling the playlist dialog when it is made: buttons, status child, list
// styles and columns, the lists' subclass and the button tooltips.
#include <commctrl.h>

#include "app/AppMessages.h"
#include "app/MainWindow.h"
#include "app/MainWindowLook.h"
#include "app/ToolWindowPlacement.h"
#include "base/ErrorLog.h"
#include "controls/ButtonPlus.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistWindowInput.h"
#include "settings/MainWindowStyle.h"
#include "settings/Settings.h"

namespace {

const DWORD kStatusStyle = 0x4000000F;  // WS_CHILD with static type 0x0F
const int kTipWidth = 632;
const int kTipAutoPop = 30000;

const wchar_t* const kButtonTips[kPlaylistButtonCount] = {
    L"チェックボックスを表示して、再生するファイルやチャプターを選択出来るようにします。\r\n"
    L"右クリックでメニュー表示",
    L"ファイルを開く...",
    L"プレイリストの保存...",
    L"プレイリストアイテムの並べ替え",
    L"プレイリストの設定を行うメニューを表示します。\r\n"
    L"メニュー項目を右クリックすると、メニューを表示したまま設定を変更できます。",
};

void m_AddColumn(HWND list, int index, const wchar_t* caption, int format, int width)
{
    LVCOLUMNW column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = format;
    column.cx = width;
    column.pszText = const_cast<wchar_t*>(caption);
    column.iSubItem = index;
    SendMessageW(list, LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
}

// Rows are painted by the window itself: a list without the owner-drawn
// style would be drawn by the system instead.
void m_InitListStyles(CPlaylist& p)
{
    const DWORD grid = g_PlaylistView.bGrid ? LVS_EX_GRIDLINES : 0;
    const DWORD base = LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP | grid;
    const DWORD checks = p.m_CheckMode ? LVS_EX_CHECKBOXES : 0;
    for (int i = 0; i < 4; ++i) {
        HWND list = p.m_W.Lists[i];
        if (!list) continue;
        SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, ~0u, base | (i < 2 ? checks : 0));
    }
    if (p.m_CheckMode && p.m_W.Buttons[0]) p.m_W.Buttons[0]->m_SetCheck(1, 1);
}

void m_InitColumns(CPlaylist& p)
{
    for (int i = 0; i < 3; ++i) {
        HWND list = p.m_W.Lists[i];
        if (!list) continue;
        m_AddColumn(list, 0, i == 0 ? L" TRACK" : L"", LVCFMT_LEFT, 0);
        m_AddColumn(list, 1, L"TIME ", LVCFMT_RIGHT, 0);
    }
    HWND markers = p.m_W.Lists[3];
    if (!markers) return;
    m_AddColumn(markers, 0, L"", LVCFMT_LEFT, 0);
    // Rows at least 16 pixels high, as the other lists' check images make them.
    HIMAGELIST tall = ImageList_Create(1, 16, ILC_COLOR32, 1, 0);
    if (tall) SendMessageW(markers, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(tall));
}

// "Rat" / 1000 within 0..1, whatever the file holds.
double m_StoredRatio()
{
    const double ratio = g_PlaylistView.nRatio / 1000.0;
    return ratio < 0 ? 0 : ratio > 1 ? 1 : ratio;
}

}  // namespace

void CPlaylist::m_OnInitDialog(HWND dialog)
{
    SendMessageW(dialog, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(m_GetWindowIcon(dialog, ICON_SMALL)));
    DragAcceptFiles(dialog, TRUE);
    m_hWnd = m_W.Dialog = dialog;
    m_W.MainWnd = m_hMainWnd;
    static const int kIds[4] = {kPlaylistListId, kChapterListId, kRangeListId, kMarkerListId};
    for (int i = 0; i < 4; ++i) m_W.Lists[i] = GetDlgItem(dialog, kIds[i]);
    m_hList = m_W.Lists[0];
    m_W.MinTrack.x = GetSystemMetrics(SM_CXMINTRACK);

    for (int i = 0; i < kPlaylistButtonCount; ++i) {
        CButtonPlus* button = new CButtonPlus();
        m_W.Buttons[i] = button;
        HWND hwnd = button->m_Create(dialog, kPlaylistButtonFirstId + i);
        if (!hwnd) continue;
        button->m_SetRightClickMenuMode();
        ShowWindow(hwnd, SW_SHOW);
    }
    m_SetButtonLook(-1);

    m_W.Status =
        CreateWindowExW(0, L"Static", L"", kStatusStyle, 0, 64, 160, 16, dialog,
                        reinterpret_cast<HMENU>((INT_PTR)kPlaylistStatusId), m_W.Instance, nullptr);
    if (m_W.Status) {
        SetWindowLongPtrW(m_W.Status, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        m_W.StatusProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
            m_W.Status, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_StatusSubclassProc)));
        ShowWindow(m_W.Status, SW_SHOW);
    }

    m_InitListStyles(*this);
    m_InitColumns(*this);
    m_PlWnd_SetColumnsFromShares(*this);
    InvalidateRect(dialog, nullptr, TRUE);
    UpdateWindow(dialog);
    m_W.FittedRatio = m_W.FittedCopy = m_W.PlainRatio = m_StoredRatio();

    for (int i = 0; i < 4; ++i) {
        if (!m_W.Lists[i]) continue;
        SetWindowLongPtrW(m_W.Lists[i], GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        m_W.ListProcs[i] = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
            m_W.Lists[i], GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_ListSubclassProc)));
    }

    // A stored tab past the three shows the first.
    if (g_PlaylistView.nTab >= kPlaylistTabCount) g_PlaylistView.nTab = 0;
    m_ShowTabs(g_PlaylistView.nTab >= 0, 0);
    m_SelectTab(g_PlaylistView.nTab, 1);
    m_SetPlayListTitle();
    m_PlWnd_SetColumnsFromShares(*this);
    m_W.NoticesHandled = 1;
}

// The stored shares ("Clm") of the track list's usable width; the marker
// list's one column spans both.
void m_PlWnd_SetColumnsFromShares(CPlaylist& p)
{
    const int width = p.m_GetListWidth(p.m_GetTrackList());
    const int name = (int)(width * g_PlaylistView.dColumn[0] / 100.0 + 0.5);
    const int time = (int)(width * g_PlaylistView.dColumn[1] / 100.0 + 0.5);
    for (int i = 0; i < 3; ++i) {
        if (!p.m_W.Lists[i]) continue;
        SendMessageW(p.m_W.Lists[i], LVM_SETCOLUMNWIDTH, 0, name);
        SendMessageW(p.m_W.Lists[i], LVM_SETCOLUMNWIDTH, 1, time);
    }
    if (p.m_W.Lists[3]) SendMessageW(p.m_W.Lists[3], LVM_SETCOLUMNWIDTH, 0, name + time);
}

void CPlaylist::m_SetButtonLook(int style)
{
    // The same looks as the control bar's buttons.
    int look = 0, sliderLook = 0;
    m_LooksForStyle(style == -1 ? g_Settings.Ctrl_Style[0] : style, g_Settings.Ctrl_Style[1],
                    g_GuiKind, &look, &sliderLook);
    const UINT variant = g_WindowCornerFlag == 1   ? BUTTON_VARIANT_ROUND6
                         : g_WindowCornerFlag == 2 ? BUTTON_VARIANT_ROUND25
                                                   : 0;
    for (int i = 0; i < kPlaylistButtonCount; ++i)
        if (m_W.Buttons[i]) m_W.Buttons[i]->m_SetDrawStyle(look, 1, i == 0 ? variant : 0);
    if (m_W.Ready) m_MoveChildren(-1, -1);
}

void CPlaylist::m_EnableToolTips(int on)
{
    if (!m_W.ToolTip) m_CreateToolTips();
    if (m_W.ToolTip) SendMessageW(m_W.ToolTip, TTM_ACTIVATE, on ? TRUE : FALSE, 0);
}

void CPlaylist::m_CreateToolTips()
{
    if (m_W.ToolTip || !m_hWnd) return;
    m_W.ToolTip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, TTS_ALWAYSTIP, 0, 0, 0,
                                  0, m_W.MainWnd, nullptr, m_W.Instance, nullptr);
    if (!m_W.ToolTip) {
        m_WriteLog(L"PLAYLIST_%d : Error / CreateWindowExW() = %lu", __LINE__, GetLastError());
        return;
    }
    SendMessageW(m_W.ToolTip, TTM_SETMAXTIPWIDTH, 0, kTipWidth);
    SendMessageW(m_W.ToolTip, TTM_SETDELAYTIME, TTDT_INITIAL, g_Settings.Common_TipDly[0]);
    SendMessageW(m_W.ToolTip, TTM_SETDELAYTIME, TTDT_AUTOPOP, kTipAutoPop);
    for (int i = 0; i < kPlaylistButtonCount; ++i) {
        if (!m_W.Buttons[i] || !m_W.Buttons[i]->m_GetHwnd()) continue;
        TTTOOLINFOW tool = {};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_SUBCLASS;
        tool.hwnd = m_W.Buttons[i]->m_GetHwnd();
        tool.uId = kPlaylistButtonFirstId + i;
        GetClientRect(m_hWnd, &tool.rect);
        tool.lpszText = const_cast<wchar_t*>(kButtonTips[i]);
        SendMessageW(m_W.ToolTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}
