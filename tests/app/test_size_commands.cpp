// The size commands on the real main window: its new size and the text
// shown in the status bar.
#include <doctest/doctest.h>

#include <stdlib.h>

#include <string>

#include "MainWindowFixture.h"
#include "app/Layout.h"
#include "app/LayoutSnap.h"
#include "app/WindowSize.h"
#include "controls/Statusbar.h"
#include "playback/PlaybackControl.h"

namespace {

class CSizeFixture : public CMainWindowFixture {
public:
    CSizeFixture()
    {
        g_PlayState = 0;
        g_WindowZoom = 1.0;
        g_VideoSize = SIZE{};
    }
    ~CSizeFixture()
    {
        g_PlayState = 0;
        g_VideoSize = SIZE{};
        g_WindowZoom = 1.0;
    }
    // Lets the window manager's answers to a resize arrive before the next
    // one starts from the window's size.
    static void Settle()
    {
        for (int i = 0; i < 5; ++i) {
            Sleep(20);
            Pump();
        }
    }
    static std::wstring Message() { return g_StatusBar.m_GetPaneText(STATUS_PANE_MESSAGE); }
    // The video area of the client, less the bottom panel.
    static SIZE VideoArea()
    {
        RECT area;
        m_GetVideoArea(&area);
        return SIZE{area.right - area.left, area.bottom - area.top};
    }
    // A video open at w x h.
    static void OpenVideo(int w, int h)
    {
        g_PlayState = 3;
        m_SetVideoSize(w, h);
    }
};

}  // namespace

TEST_CASE_FIXTURE(CSizeFixture, "a fixed size sizes the video area and says so")
{
    m_Size_SetCmd(640, 360);
    Settle();
    SIZE area = VideoArea();
    CHECK(area.cx == 640);
    CHECK(area.cy == 360);
    CHECK(Message() == L"SIZE : 640`*`360");
}

TEST_CASE_FIXTURE(CSizeFixture, "percent sizes of a video, and a size too large for the screen")
{
    OpenVideo(320, 180);
    m_SetWindowSize(0, 20000, 1, 0);
    Settle();
    SIZE area = VideoArea();
    CHECK(area.cx == 640);
    CHECK(area.cy == 360);
    CHECK(Message() == L"SIZE : 200.0%```(640`*`360)");
    CHECK(m_GetZoomPercent() == 20000);

    m_SetWindowSize(0, 200000, 1, 0);
    Settle();
    RECT work = WorkArea();
    RECT frame = Visible(g_hWndMain);
    CHECK(frame.bottom - frame.top <= work.bottom - work.top);
    CHECK(frame.right - frame.left <= work.right - work.left);
    // The reached zoom follows the asked one.
    std::wstring text = Message();
    CHECK(text.rfind(L"SIZE : 2000.0%```(", 0) == 0);
    CHECK(text.find(L")````(") != std::wstring::npos);
    CHECK(m_GetZoomPercent() < 200000);
}

TEST_CASE_FIXTURE(CSizeFixture, "steps go to the next grid line; width steps say the width")
{
    OpenVideo(400, 300);
    m_SetWindowSize(0, 10450, 0, 0);
    Settle();
    m_Size_StepCmd(0, 1000);
    Settle();
    CHECK(m_GetZoomPercent() == 11000);
    CHECK(Message() == L"SIZE : 110.0%````(110.0%)");
    m_Size_StepCmd(2, 100);
    Settle();
    CHECK(VideoArea().cx == 500);
    CHECK(Message() == L"SIZE````WIDTH : 500````(125.0%)");
}

TEST_CASE_FIXTURE(CSizeFixture, "without a video the size text shows the area")
{
    m_SetWindowSize(0, 10000, 1, 0);
    Settle();
    SIZE area = VideoArea();
    wchar_t expected[64];
    swprintf(expected, 64, L"SIZE : %d`*`%d", (int)area.cx, (int)area.cy);
    CHECK(Message() == expected);
    m_ShowSizeText(1);
    CHECK(Message() == expected);
}

TEST_CASE_FIXTURE(CSizeFixture, "window size command: kept and derived sides")
{
    m_WindowSize_SetCmd(700, -1);
    Settle();
    RECT frame = Visible(g_hWndMain);
    CHECK(frame.right - frame.left == 700);
    wchar_t expected[64];
    swprintf(expected, 64, L"WINDOW SIZE : 700`*`(%d)", (int)(frame.bottom - frame.top));
    CHECK(Message() == expected);

    OpenVideo(320, 240);
    m_WindowSize_SetCmd(600, 0);
    Settle();
    frame = Visible(g_hWndMain);
    CHECK(frame.right - frame.left == 600);
    SIZE area = VideoArea();
    CHECK(area.cy == doctest::Approx(area.cx * 3.0 / 4.0).epsilon(0.01));
    CHECK(Message() == L"WINDOW WIDTH : 600");
}

TEST_CASE_FIXTURE(CSizeFixture, "the 100 % toggle returns to the zoom it left")
{
    OpenVideo(320, 180);
    m_SetWindowSize(0, 15000, 0, 0);
    m_Zoom_Toggle100();
    CHECK(m_GetZoomPercent() == 10000);
    m_Zoom_Toggle100();
    CHECK(m_GetZoomPercent() == 15000);
}

TEST_CASE_FIXTURE(CSizeFixture, "the minimum tracking height holds the bottom panel")
{
    POINT least;
    m_GetMinTrackSize(&least);
    CHECK(least.y > m_GetControlBarHeight());
    MINMAXINFO info = {};
    m_Layout_GetMinMaxInfo(&info);
    CHECK(info.ptMinTrackSize.y == least.y);
}

TEST_CASE_FIXTURE(CSizeFixture, "fitting to the work area: the FIT size once, then nothing")
{
    g_Settings.Common_RatHld = 1;
    OpenVideo(320, 180);
    CHECK(m_FitWindowToWorkArea() == 1);
    Settle();
    RECT work = WorkArea(), frame = Visible(g_hWndMain);
    SIZE area = VideoArea();
    // One side meets the work area; the video keeps 16:9.
    CHECK((frame.right - frame.left == work.right - work.left ||
           frame.bottom - frame.top == work.bottom - work.top));
    CHECK(area.cx == doctest::Approx(area.cy * 16.0 / 9.0).epsilon(0.01));
    CHECK(Message().find(L"[FIT]") != std::wstring::npos);
    CHECK(m_FitWindowToWorkArea() == 0);

    g_Settings.Common_RatHld = 0;
    CHECK(m_FitWindowToWorkArea() == 1);
    Settle();
    CHECK(Visible(g_hWndMain).right - Visible(g_hWndMain).left == work.right - work.left);
    CHECK(m_FitWindowToWorkArea() == 0);
}

TEST_CASE_FIXTURE(CSizeFixture, "a maximised window: the video is fitted, steps zoom inside it")
{
    OpenVideo(320, 240);
    m_SetWindowSize(0, 10000, 0, 0);
    Settle();
    ShowWindow(g_hWndMain, SW_MAXIMIZE);
    Settle();
    REQUIRE(IsZoomed(g_hWndMain));
    RECT area;
    m_GetVideoPlaceArea(0, &area);
    const SIZE room = {area.right - area.left, area.bottom - area.top};
    // Fitted by height (4:3 in a wider area), centred.
    CHECK(g_WindowZoom == doctest::Approx(m_CalcFitFactor(SIZE{320, 240}, room, 0)));
    RECT placed = m_GetPlacedVideoRect();
    CHECK(placed.bottom - placed.top == room.cy);
    CHECK(abs((placed.left - area.left) - (area.right - placed.right)) <= 1);
    RECT before;
    GetWindowRect(g_hWndMain, &before);

    // Without "Ovr" a step stops where the video fills the area (FULL).
    const double full = m_CalcFitFactor(SIZE{320, 240}, room, 1);
    m_Size_StepCmd(0, 20000);
    Settle();
    CHECK(IsZoomed(g_hWndMain));
    RECT after;
    GetWindowRect(g_hWndMain, &after);
    CHECK(EqualRect(&before, &after));
    CHECK(g_WindowZoom == doctest::Approx(full));

    // With it the video grows past the area about the pointer, a quarter in.
    g_Settings.Fullscr_Ovr = 1;
    placed = m_GetPlacedVideoRect();
    POINT at = {area.left + room.cx / 4, area.top + room.cy / 4};
    ClientToScreen(g_hWndMain, &at);
    SetCursorPos(at.x, at.y);
    POINT cursor;
    GetCursorPos(&cursor);
    ScreenToClient(g_hWndMain, &cursor);
    const double shareY = double(cursor.y - placed.top) / (placed.bottom - placed.top);
    m_Size_StepCmd(0, 20000);
    Settle();
    g_Settings.Fullscr_Ovr = 0;
    CHECK(IsZoomed(g_hWndMain));
    placed = m_GetPlacedVideoRect();
    CHECK(placed.bottom - placed.top > room.cy);
    CHECK(placed.right - placed.left > room.cx);
    if (PtInRect(&area, cursor))
        CHECK(double(cursor.y - placed.top) / (placed.bottom - placed.top) ==
              doctest::Approx(shareY).epsilon(0.01));
    RECT shown;
    REQUIRE(m_GetVideoRect(&shown));
    CHECK(EqualRect(&shown, &area));

    // A fixed size leaves the maximised state for a window of that video size.
    m_Size_SetCmd(400, 300);
    Settle();
    CHECK_FALSE(IsZoomed(g_hWndMain));
    CHECK(VideoArea().cx == 400);
}
