// The pointer handler of the real main window, fed with mouse messages as
// the system would send them: the input codes it runs, the delayed click,
// rocker gestures, the context menu, a window moved by the pointer, a lost
// capture, the wheel and side buttons, and the pointer hiding by itself.
#include <doctest/doctest.h>

#include <windows.h>

#include <string>

#include "MainWindowFixture.h"
#include "app/FullScreenState.h"
#include "app/Layout.h"
#include "app/MainTimers.h"
#include "app/PointerInput.h"
#include "app/ToolWindows.h"
#include "app/WindowHelpers.h"
#include "app/WindowSize.h"
#include "commands/CommandHandlers.h"
#include "controls/MenuManager.h"
#include "controls/Statusbar.h"
#include "playback/PlaybackControl.h"
#include "playback/PlayState.h"
#include "settings/SettingsMain.h"

namespace {

// A menu the pointer opens runs its own loop until it closes: the tests
// close it as soon as it is open.
void CALLBACK CloseOpenMenu(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_MenuManager.m_IsMenuActive()) g_MenuManager.m_CloseMenus();
}

struct CPointerFixture : CMainWindowFixture {
    CPointerFixture()
    {
        menuCloser = SetTimer(nullptr, 0, 30, CloseOpenMenu);
        g_Settings.Common_DlyClkTm = 1000;
        g_Settings.Common_MouSens = 10;
        g_Settings.Common_Drag = 1;
        g_Settings.Common_Snap[0] = 1;
        g_Settings.Common_Snap[1] = 16;
        g_Settings.Common_HideCsr = 1;
        g_Settings.Common_HideCsrTm[0] = 750;
        g_Settings.Common_HideCsrTm[1] = 1000;
        g_Settings.Common_DrgSize = 2;
        g_PlayState = 1;
        g_Mouse = SMOUSESTATE{};
        m_GetVideoArea(&video);
        centre = POINT{(video.left + video.right) / 2, (video.top + video.bottom) / 2};
    }
    ~CPointerFixture()
    {
        KillTimer(nullptr, menuCloser);
        g_PlayState = 0;
        if (GetCapture()) ReleaseCapture();
        g_Mouse = SMOUSESTATE{};
    }
    // A client message at a client point.
    void Send(UINT msg, WPARAM keys, POINT at)
    {
        SendMessageW(g_hWndMain, msg, keys, MAKELPARAM(at.x, at.y));
    }
    // A client message at a screen point, as the window sees it now.
    void SendAt(UINT msg, WPARAM keys, POINT screen)
    {
        ScreenToClient(g_hWndMain, &screen);
        Send(msg, keys, screen);
    }
    POINT ScreenCentre() const
    {
        POINT p = centre;
        ClientToScreen(g_hWndMain, &p);
        return p;
    }
    void Click(POINT at)
    {
        Send(WM_LBUTTONDOWN, MK_LBUTTON, at);
        Send(WM_LBUTTONUP, 0, at);
    }
    static int Count()
    {
        int count = 0;
        m_Bind_LastMouseCode(&count);
        return count;
    }
    static int Last() { return m_Bind_LastMouseCode(nullptr); }
    static int Menus()
    {
        int count = 0;
        m_LastPopupMenuId(&count);
        return count;
    }
    int VideoLeft() const { return video.left + 10; }
    int VideoTop() const { return video.top + 10; }
    RECT video;
    POINT centre;
    UINT_PTR menuCloser;
};

POINT Offset(POINT p, int dx, int dy) { return POINT{p.x + dx, p.y + dy}; }

std::wstring Text(const RECT& rc)
{
    return std::to_wstring(rc.left) + L"," + std::to_wstring(rc.top) + L"," +
           std::to_wstring(rc.right) + L"," + std::to_wstring(rc.bottom);
}

}  // namespace

TEST_CASE_FIXTURE(CPointerFixture, "a click in the video runs code 33 only while it is valid")
{
    int before = Count();
    Click(centre);
    CHECK(Count() == before + 1);
    CHECK(Last() == 33);
    // Moved by the threshold still counts.
    before = Count();
    Send(WM_LBUTTONDOWN, MK_LBUTTON, centre);
    Send(WM_MOUSEMOVE, MK_LBUTTON, Offset(centre, 10, -10));
    Send(WM_LBUTTONUP, 0, Offset(centre, 10, -10));
    CHECK(Count() == before + 1);
    // Held past the click timer: nothing on release.
    before = Count();
    Send(WM_LBUTTONDOWN, MK_LBUTTON, centre);
    m_OnClickDelayTimer();
    Send(WM_LBUTTONUP, 0, centre);
    CHECK(Count() == before);
    CHECK(GetCapture() == nullptr);
    // Without a file the video area gives no click.
    g_PlayState = 0;
    before = Count();
    Click(centre);
    CHECK(Count() == before);
}

TEST_CASE_FIXTURE(CPointerFixture, "a double click runs 33 for its first click and then 34")
{
    const int before = Count();
    Send(WM_LBUTTONDOWN, MK_LBUTTON, centre);
    Send(WM_LBUTTONUP, 0, centre);
    CHECK(Last() == 33);
    Send(WM_LBUTTONDBLCLK, MK_LBUTTON, centre);
    CHECK(Last() == 34);
    Send(WM_LBUTTONUP, 0, centre);
    CHECK(Count() == before + 2);
}

TEST_CASE_FIXTURE(CPointerFixture, "rocker gestures run once and open no context menu")
{
    const int menus = Menus(), before = Count();
    g_VideoSize = SIZE{640, 360};
    Send(WM_RBUTTONDOWN, MK_RBUTTON, centre);
    CHECK(g_Mouse.nResizeArmed == 2);
    Send(WM_LBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, centre);
    CHECK(Last() == 49);
    // Moving on after the gesture resizes nothing.
    CHECK(g_Mouse.nResizeArmed == 0);
    Send(WM_MOUSEMOVE, MK_LBUTTON | MK_RBUTTON, Offset(centre, 0, -60));
    CHECK(g_Mouse.bResizeRunning == 0);
    g_VideoSize = SIZE{0, 0};
    Send(WM_LBUTTONUP, MK_RBUTTON, centre);
    Send(WM_RBUTTONUP, 0, centre);
    CHECK(Count() == before + 1);
    CHECK(Menus() == menus);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, centre);
    Send(WM_RBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, centre);
    CHECK(Last() == 50);
    Send(WM_RBUTTONUP, MK_LBUTTON, centre);
    Send(WM_LBUTTONUP, 0, centre);
    CHECK(Count() == before + 2);
    CHECK(Menus() == menus);
    CHECK(GetCapture() == nullptr);
}

TEST_CASE_FIXTURE(CPointerFixture,
                  "a right click opens the main context menu, a right drag does not")
{
    int menus = Menus();
    Send(WM_RBUTTONDOWN, MK_RBUTTON, centre);
    Send(WM_RBUTTONUP, 0, centre);
    CHECK(Menus() == menus + 1);
    CHECK(m_LastPopupMenuId(nullptr) == 240);
    menus = Menus();
    Send(WM_RBUTTONDOWN, MK_RBUTTON, centre);
    Send(WM_MOUSEMOVE, MK_RBUTTON, Offset(centre, 0, 40));
    Send(WM_RBUTTONUP, 0, Offset(centre, 0, 40));
    CHECK(Menus() == menus);
    // Held past the click timer: no menu either.
    Send(WM_RBUTTONDOWN, MK_RBUTTON, centre);
    m_OnClickDelayTimer();
    Send(WM_RBUTTONUP, 0, centre);
    CHECK(Menus() == menus);
}

TEST_CASE_FIXTURE(CPointerFixture, "a left drag moves the window and snaps it to the work area")
{
    Place(300, 200, 800, 500);
    const RECT work = WorkArea();
    const RECT start = Visible(g_hWndMain);
    const POINT press = ScreenCentre();
    const int before = Count();
    SendAt(WM_LBUTTONDOWN, MK_LBUTTON, press);
    SendAt(WM_MOUSEMOVE, MK_LBUTTON, Offset(press, 40, 30));
    RECT now = Visible(g_hWndMain);
    CHECK(now.left == start.left + 40);
    CHECK(now.top == start.top + 30);
    // 10 px from the work area's left edge it snaps onto it; 17 px stays.
    const int toEdge = start.left - work.left;
    SendAt(WM_MOUSEMOVE, MK_LBUTTON, Offset(press, -toEdge + 17, 30));
    CHECK(Visible(g_hWndMain).left == work.left + 17);
    SendAt(WM_MOUSEMOVE, MK_LBUTTON, Offset(press, -toEdge + 10, 30));
    now = Visible(g_hWndMain);
    CHECK(now.left == work.left);
    CHECK(now.right - now.left == start.right - start.left);
    SendAt(WM_LBUTTONUP, 0, Offset(press, -toEdge + 10, 30));
    CHECK(Count() == before);
    CHECK(g_Mouse.bMoving == 0);
    CHECK(GetCapture() == nullptr);
}

TEST_CASE_FIXTURE(CPointerFixture, "a drag outlives the click timer and a lost capture ends it")
{
    Place(300, 200, 800, 500);
    const POINT press = ScreenCentre();
    SendAt(WM_LBUTTONDOWN, MK_LBUTTON, press);
    SendAt(WM_MOUSEMOVE, MK_LBUTTON, Offset(press, 40, 30));
    REQUIRE(g_Mouse.bMoving == 1);
    m_OnClickDelayTimer();
    SendAt(WM_MOUSEMOVE, MK_LBUTTON, Offset(press, 60, 30));
    CHECK(g_Mouse.bMoving == 1);
    CHECK(Visible(g_hWndMain).left == 360);
    // Another window takes the capture: the move ends and later moves
    // leave the window where it is.
    HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 nullptr, nullptr);
    SetCapture(other);
    CHECK(g_Mouse.bMoving == 0);
    CHECK(g_Mouse.bLeftDown == 0);
    ReleaseCapture();
    DestroyWindow(other);
    SendAt(WM_MOUSEMOVE, MK_LBUTTON, Offset(press, 120, 30));
    CHECK(Visible(g_hWndMain).left == 360);
    // A move after a release the window never saw ends it as well.
    const POINT again = ScreenCentre();
    SendAt(WM_LBUTTONDOWN, MK_LBUTTON, again);
    SendAt(WM_MOUSEMOVE, MK_LBUTTON, Offset(again, 40, 30));
    REQUIRE(g_Mouse.bMoving == 1);
    SendAt(WM_MOUSEMOVE, 0, Offset(again, 80, 30));
    CHECK(g_Mouse.bMoving == 0);
    CHECK(Visible(g_hWndMain).left == 400);
}

TEST_CASE_FIXTURE(CPointerFixture, "the wheel, the tilt wheel and the side and middle buttons")
{
    POINT screen = centre;
    ClientToScreen(g_hWndMain, &screen);
    const LPARAM at = MAKELPARAM(screen.x, screen.y);
    const struct {
        UINT msg;
        WPARAM wParam;
        int code;
    } cases[] = {
        {WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 4},
        {WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 5},
        {WM_MOUSEHWHEEL, MAKEWPARAM(0, 120), 9},
        {WM_MOUSEHWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 8},
    };
    for (const auto& c : cases) {
        CAPTURE(c.code);
        const int before = Count();
        Sleep(600);
        SendMessageW(g_hWndMain, c.msg, c.wParam, at);
        CHECK(Count() == before + 1);
        CHECK(Last() == c.code);
    }
    // Middle: code 3 at the press; side buttons bound to no seek: at the release.
    int before = Count();
    Send(WM_MBUTTONDOWN, MK_MBUTTON, centre);
    CHECK(Last() == 3);
    Send(WM_MBUTTONUP, 0, centre);
    CHECK(Count() == before + 1);
    before = Count();
    Send(WM_XBUTTONDOWN, MAKEWPARAM(MK_XBUTTON1, XBUTTON1), centre);
    CHECK(Count() == before);
    Send(WM_XBUTTONUP, MAKEWPARAM(0, XBUTTON1), centre);
    CHECK(Last() == 6);
    Send(WM_XBUTTONDOWN, MAKEWPARAM(MK_XBUTTON2, XBUTTON2), centre);
    Send(WM_XBUTTONUP, MAKEWPARAM(0, XBUTTON2), centre);
    CHECK(Last() == 7);
    CHECK(Count() == before + 2);
    CHECK(GetCapture() == nullptr);
}

TEST_CASE_FIXTURE(CPointerFixture,
                  "a middle button assigned to drag-seek runs code 3 when not dragged")
{
    g_Settings.Seek_Drg = 4;
    // A drag seeks only with a file open.
    g_MediaOpen = 1;
    int before = Count();
    Send(WM_MBUTTONDOWN, MK_MBUTTON, centre);
    CHECK(Count() == before);
    CHECK(g_Mouse.nSeekArmed == 4);
    Send(WM_MBUTTONUP, 0, centre);
    CHECK(Count() == before + 1);
    CHECK(Last() == 3);
    // Dragged 7 px: no seek yet; 20 px: level 1 seeking, no code on release.
    before = Count();
    Send(WM_MBUTTONDOWN, MK_MBUTTON, centre);
    Send(WM_MOUSEMOVE, MK_MBUTTON, Offset(centre, 7, 0));
    CHECK(g_Mouse.bSeekRunning == 0);
    Send(WM_MOUSEMOVE, MK_MBUTTON, Offset(centre, 20, 0));
    CHECK(g_Mouse.bSeekRunning == 1);
    CHECK(g_Mouse.nSeekStep == 1000);
    CHECK(m_ContinuousSeek_HoldKey() == 4);
    Send(WM_MBUTTONUP, 0, Offset(centre, 20, 0));
    CHECK(Count() == before);
    CHECK(m_ContinuousSeek_HoldKey() == 0);
    CHECK(g_Mouse.bSeekRunning == 0);
    // A lost capture ends a drag-seek too.
    Send(WM_MBUTTONDOWN, MK_MBUTTON, centre);
    Send(WM_MOUSEMOVE, MK_MBUTTON, Offset(centre, -60, 0));
    CHECK(g_Mouse.nSeekStep < 0);
    ReleaseCapture();
    CHECK(g_Mouse.bSeekRunning == 0);
    CHECK(m_ContinuousSeek_HoldKey() == 0);
    g_Settings.Seek_Drg = 0;
    g_MediaOpen = 0;
}

TEST_CASE_FIXTURE(CPointerFixture, "the pointer hides over playing video once it rests")
{
    SetForegroundWindow(g_hWndMain);
    Pump();
    POINT screen = centre;
    ClientToScreen(g_hWndMain, &screen);
    SetCursorPos(screen.x, screen.y);
    Pump();
    g_PlayState = 5;
    m_ResetCursorHide(1);
    m_CursorHide_OnTimer();
    CHECK(m_IsCursorHidden() == 1);
    m_ResetCursorHide(1);
    CHECK(m_IsCursorHidden() == 0);
    // Paused: it stays.
    g_PlayState = 4;
    m_ResetCursorHide(1);
    m_CursorHide_OnTimer();
    CHECK(m_IsCursorHidden() == 0);
    // Over the caption it stays too.
    g_PlayState = 5;
    POINT caption = {centre.x, -10};
    ClientToScreen(g_hWndMain, &caption);
    SetCursorPos(caption.x, caption.y);
    Pump();
    m_ResetCursorHide(1);
    m_CursorHide_OnTimer();
    CHECK(m_IsCursorHidden() == 0);
}

TEST_CASE_FIXTURE(CPointerFixture, "topmost follows the mode and, with PlyTop, the play state")
{
    auto topmost = [] { return (GetWindowLongPtrW(g_hWndMain, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
    g_Settings.Common_PlyTop = 1;
    g_PlayState = 4;
    m_SetTopMost(1, 0, 1);
    CHECK_FALSE(topmost());
    CHECK(g_MainWindowState.nTopMost == 1);
    CHECK(g_ControlButtons[CB_TOPMOST].m_GetFrame() == 1);
    g_PlayState = 5;
    m_SetTopMostState(0);
    CHECK(topmost());
    m_SetTopMost(0, 1, 0);
    CHECK_FALSE(topmost());
    CHECK(std::wstring(g_StatusBar.m_GetPaneText(1)) == L"TOPMOST : OFF");
    g_Settings.Common_PlyTop = 0;
    g_PlayState = 0;
    m_SetTopMost(1, 1, 0);
    CHECK(topmost());
    CHECK(std::wstring(g_StatusBar.m_GetPaneText(1)) == L"TOPMOST : ON");
    m_SetTopMost(0, 0, 0);
    CHECK_FALSE(topmost());
}

TEST_CASE_FIXTURE(CPointerFixture, "a double click on the right border fits the video area to 16:9")
{
    g_PlayState = 0;
    Place(300, 200, 800, 500);
    const POINT at = ScreenCentre();
    SendMessageW(g_hWndMain, WM_NCLBUTTONDBLCLK, HTRIGHT, MAKELPARAM(at.x, at.y));
    RECT area;
    m_GetVideoArea(&area);
    const int w = area.right - area.left, h = area.bottom - area.top;
    CHECK(abs(w * 9 - h * 16) <= 16);
    const RECT now = Visible(g_hWndMain);
    CHECK(now.left == 300);
    CHECK(now.top == 200);
    CHECK(now.bottom - now.top == 500);
}

TEST_CASE_FIXTURE(CPointerFixture, "the menu key opens the main context menu unless repeated")
{
    const int menus = Menus();
    SendMessageW(g_hWndMain, WM_KEYDOWN, VK_APPS, 1);
    CHECK(Menus() == menus + 1);
    CHECK(m_LastPopupMenuId(nullptr) == 240);
    SendMessageW(g_hWndMain, WM_KEYDOWN, VK_APPS, 1 | 0x40000000);
    CHECK(Menus() == menus + 1);
}

TEST_CASE_FIXTURE(CPointerFixture, "the video child window hands its clicks to the main window")
{
    // The video window is a static with a painter of its own, as playback
    // makes it.
    HWND video = CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE | SS_ENHMETAFILE,
                                 VideoLeft(), VideoTop(), 200, 100, g_hWndMain, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    REQUIRE(video);
    REQUIRE(m_VideoWnd_InstallInput(video));
    // A static lets the pointer through; the installed video window takes it.
    POINT inside = {VideoLeft() + 5, VideoTop() + 5};
    ClientToScreen(g_hWndMain, &inside);
    CHECK(SendMessageW(video, WM_NCHITTEST, 0, MAKELPARAM(inside.x, inside.y)) == HTCLIENT);
    const int before = Count();
    // The child's (5, 5) lies in the main window's video area.
    SendMessageW(video, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    CHECK(g_Mouse.ptPress.x == inside.x);
    CHECK(g_Mouse.ptPress.y == inside.y);
    SendMessageW(video, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    CHECK(Count() == before + 1);
    CHECK(Last() == 33);
    CHECK(GetCapture() == nullptr);
    DestroyWindow(video);
}

TEST_CASE_FIXTURE(CPointerFixture, "dragging the handle at the seek bar's end sets its width")
{
    g_Settings.Ctrl_Btn[0] = 28;
    g_Settings.Ctrl_Vol = 58;
    g_Settings.Ctrl_Seek = 24;
    g_Settings.Ctrl_Stt = 20;
    g_ShowSeekBar = g_ShowButtonRow = g_ShowStatusBar = g_SeekBarInline = 1;
    g_MainWindowState.nHideButtons = 0;
    m_LoadButtonOrder();
    m_LayoutClientArea(-1, -1);
    RECT grip;
    REQUIRE(m_GetSeekGripRect(&grip));
    const int start = m_GetInlineSeekWidth();
    REQUIRE(start > 0);
    // The press reaches the main window through the button row's panel, in
    // the panel's own coordinates.
    HWND row = GetDlgItem(GetDlgItem(g_hWndMain, IDC_CONTROL_PANEL), IDC_BUTTON_PANEL);
    REQUIRE(row);
    POINT at = {(grip.left + grip.right) / 2, (grip.top + grip.bottom) / 2};
    POINT inRow = at;
    ScreenToClient(row, &inRow);
    SendMessageW(row, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(inRow.x, inRow.y));
    CHECK(g_Mouse.nPressArea == POINTERAREA_SEEK_HANDLE);
    CHECK(g_Mouse.ptPress.x == at.x);
    CHECK(GetCapture() == g_hWndMain);
    // Leftward the bar widens and buttons make room for it.
    SendAt(WM_MOUSEMOVE, MK_LBUTTON, Offset(at, -120, 0));
    CHECK(g_SeekUserWidth == start + 120);
    // The buttons that no longer fit leave their room to the bar.
    CHECK(m_GetInlineSeekWidth() >= start + 120);
    CHECK(m_GetInlineSeekWidth() < start + 120 + 28);
    const int hidden = g_MainWindowState.nHideButtons;
    CHECK(hidden > 0);
    SendAt(WM_LBUTTONUP, 0, Offset(at, -120, 0));
    CHECK(GetCapture() == nullptr);
    CHECK(g_SeekEdgeDragging == 0);
    // Timer 28 lays the row out again with the count the drag left.
    CHECK(KillTimer(g_hWndMain, 28));
    m_OnTimer(28);
    CHECK(g_MainWindowState.nHideButtons == hidden);
    CHECK(m_GetInlineSeekWidth() >= start + 100);
    // Rightward past its width the bar gives way to every button again.
    REQUIRE(m_GetSeekGripRect(&grip));
    at = POINT{(grip.left + grip.right) / 2, (grip.top + grip.bottom) / 2};
    inRow = at;
    ScreenToClient(row, &inRow);
    SendMessageW(row, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(inRow.x, inRow.y));
    REQUIRE(g_Mouse.bHandleDrag);
    SendAt(WM_MOUSEMOVE, MK_LBUTTON, Offset(at, 2000, 0));
    CHECK(g_SeekUserWidth == 0);
    SendAt(WM_LBUTTONUP, 0, Offset(at, 2000, 0));
    m_OnTimer(28);
    CHECK(g_MainWindowState.nHideButtons == 0);
    CHECK(m_GetInlineSeekWidth() <= start);
    g_SeekUserWidth = 0;
    for (int& on : g_MainWindowState.nCtrl) on = 0;
}

TEST_CASE_FIXTURE(CPointerFixture, "activation from an own window arms the hover delay")
{
    g_Settings.Common_DlyFcs[0] = 1;
    g_Settings.Common_DlyFcs[1] = 1;
    g_Settings.Common_DlyFcsTm = 500;
    SetCursorPos(ScreenCentre().x, ScreenCentre().y);
    // From a window of another program nothing waits.
    SendMessageW(g_hWndMain, WM_ACTIVATE, WA_CLICKACTIVE,
                 reinterpret_cast<LPARAM>(GetDesktopWindow()));
    CHECK(m_GetHoverAreas() == 0);
    HWND own = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    SendMessageW(g_hWndMain, WM_ACTIVATE, WA_CLICKACTIVE, reinterpret_cast<LPARAM>(own));
    CHECK(m_GetHoverAreas() == 1);
    // Its tick ends the wait.
    m_OnTimer(4);
    CHECK(m_GetHoverAreas() == 0);
    CHECK_FALSE(KillTimer(g_hWndMain, 4));
    // Off by the setting.
    g_Settings.Common_DlyFcs[0] = 0;
    SendMessageW(g_hWndMain, WM_ACTIVATE, WA_CLICKACTIVE, reinterpret_cast<LPARAM>(own));
    CHECK(m_GetHoverAreas() == 0);
    DestroyWindow(own);
}

TEST_CASE_FIXTURE(CPointerFixture, "the wheel over a shown playlist window scrolls the playlist")
{
    Write(L"[Playlist]\r\nPos=0,0,180,400,100\r\n");
    m_ReadPlayListWnd();
    g_MainWindowState.nPlaylistWindow = 3;
    g_Settings.Common_WhlWnd = 1;
    m_ShowPlayListWnd(1, SW_SHOWNOACTIVATE);
    HWND playlist = g_Playlist.m_GetWindow();
    REQUIRE(playlist);
    RECT rc;
    GetWindowRect(playlist, &rc);
    const POINT over = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    int before = Count();
    Sleep(600);
    SendMessageW(g_hWndMain, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), MAKELPARAM(over.x, over.y));
    CHECK(Count() == before);
    // With the option off the wheel runs its binding wherever it is.
    g_Settings.Common_WhlWnd = 0;
    Sleep(600);
    SendMessageW(g_hWndMain, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), MAKELPARAM(over.x, over.y));
    CHECK(Count() == before + 1);
    CHECK(Last() == 4);
}

TEST_CASE_FIXTURE(CPointerFixture, "a right drag upward makes the video taller and opens no menu")
{
    g_VideoSize = SIZE{640, 360};
    g_WindowZoom = 1.0;
    const int menus = Menus(), before = Count();
    const POINT press = ScreenCentre();
    SendAt(WM_RBUTTONDOWN, MK_RBUTTON, press);
    SendAt(WM_MOUSEMOVE, MK_RBUTTON, Offset(press, 2, -40));
    SendAt(WM_MOUSEMOVE, MK_RBUTTON, Offset(press, 2, -90));
    CHECK(g_Mouse.bResizeRunning == 1);
    SendAt(WM_RBUTTONUP, 0, Offset(press, 2, -90));
    CHECK(g_Mouse.bResizeRunning == 0);
    CHECK(g_WindowZoom == doctest::Approx(450.0 / 360).epsilon(0.01));
    CHECK(Menus() == menus);
    CHECK(Count() == before);
    CHECK(GetCapture() == nullptr);
    g_VideoSize = SIZE{0, 0};
}

TEST_CASE_FIXTURE(CPointerFixture, "a left drag in a maximised window pans the video")
{
    ShowWindow(g_hWndMain, SW_MAXIMIZE);
    Pump();
    g_VideoSize = SIZE{640, 360};
    g_WindowZoom = 4.0;
    g_VideoOffset = POINT{0xFFFF, 0xFFFF};
    m_GetVideoArea(&video);
    centre = POINT{(video.left + video.right) / 2, (video.top + video.bottom) / 2};
    const RECT before = Visible(g_hWndMain);
    const POINT press = ScreenCentre();
    const int codes = Count();
    SendAt(WM_LBUTTONDOWN, MK_LBUTTON, press);
    SendAt(WM_MOUSEMOVE, MK_LBUTTON, Offset(press, 30, 20));
    CHECK(g_Mouse.bPanning == 1);
    const POINT first = g_VideoOffset;
    SendAt(WM_MOUSEMOVE, MK_LBUTTON, Offset(press, 50, 20));
    CHECK(g_VideoOffset.x == first.x + 20);
    CHECK(g_VideoOffset.y == first.y);
    SendAt(WM_LBUTTONUP, 0, Offset(press, 50, 20));
    CHECK(g_Mouse.bPanning == 0);
    CHECK(Count() == codes);
    // The window itself stayed.
    CHECK(Text(Visible(g_hWndMain)) == Text(before));
    ShowWindow(g_hWndMain, SW_RESTORE);
    g_VideoSize = SIZE{0, 0};
    g_WindowZoom = 1.0;
    g_VideoOffset = POINT{0xFFFF, 0xFFFF};
}
