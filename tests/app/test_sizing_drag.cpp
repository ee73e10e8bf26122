// WM_SIZING of the real main window: snapping to the work area, the
// aspect lock of an open video, and no snapping while Shift is held.
#include <doctest/doctest.h>

#include "MainWindowFixture.h"
#include "app/Layout.h"
#include "app/WindowSize.h"
#include "playback/PlaybackControl.h"

namespace {

class CSizingFixture : public CMainWindowFixture {
public:
    CSizingFixture()
    {
        g_Settings.Common_Snap[0] = 1;
        g_Settings.Common_Snap[1] = 16;
        g_Settings.Common_Snap[2] = 0;
        g_Settings.Common_Snap[3] = -1;
        g_Settings.Common_RatHld = 1;
        g_PlayState = 0;
    }
    ~CSizingFixture()
    {
        g_PlayState = 0;
        g_VideoSize = SIZE{};
    }
    static RECT Sizing(UINT edge, RECT rc)
    {
        SendMessageW(g_hWndMain, WM_SIZING, edge, reinterpret_cast<LPARAM>(&rc));
        return rc;
    }
};

void SetShift(bool down)
{
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = down ? 0x80 : 0;
    SetKeyboardState(keys);
}

}  // namespace

TEST_CASE_FIXTURE(CSizingFixture, "a right edge dragged near the work area's edge snaps to it")
{
    RECT work = WorkArea();
    RECT rc = Visible(g_hWndMain);
    rc.right = work.right - 10;
    RECT out = Sizing(WMSZ_RIGHT, rc);
    CHECK(out.right == work.right);
    CHECK(out.left == rc.left);

    rc.right = work.right - 40;
    out = Sizing(WMSZ_RIGHT, rc);
    CHECK(out.right == work.right - 40);
}

TEST_CASE_FIXTURE(CSizingFixture, "Shift held: no snapping")
{
    RECT work = WorkArea();
    RECT rc = Visible(g_hWndMain);
    rc.right = work.right - 10;
    SetShift(true);
    RECT out = Sizing(WMSZ_RIGHT, rc);
    SetShift(false);
    CHECK(out.right == work.right - 10);
}

TEST_CASE_FIXTURE(CSizingFixture, "with a video open the drag keeps the video's aspect")
{
    g_PlayState = 3;
    m_SetVideoSize(320, 240);
    RECT rc = Visible(g_hWndMain);
    int extraW = m_GetFrameExtraWidth(), extraH = m_GetFrameExtraHeight();
    rc.right = rc.left + extraW + 400;
    RECT out = Sizing(WMSZ_RIGHT, rc);
    CHECK(out.right - out.left == extraW + 400);
    CHECK(out.bottom - out.top == extraH + 300);
    // The left side stays; the height changes about the middle.
    CHECK(out.left == rc.left);
    CHECK((out.top + out.bottom + 1) / 2 == (rc.top + rc.bottom + 1) / 2);

    // A bottom-left corner leads by width and keeps the top-right corner.
    rc = Visible(g_hWndMain);
    rc.left = rc.right - extraW - 480;
    out = Sizing(WMSZ_BOTTOMLEFT, rc);
    CHECK(out.right == rc.right);
    CHECK(out.top == rc.top);
    CHECK(out.bottom - out.top == extraH + 360);
}

TEST_CASE_FIXTURE(CSizingFixture, "after a move the window is shifted back onto its work area")
{
    RECT work = WorkArea();
    Place(work.right - 300, work.top + 50, 800, 500);
    SendMessageW(g_hWndMain, WM_EXITSIZEMOVE, 0, 0);
    RECT rc = Visible(g_hWndMain);
    CHECK(rc.right == work.right);
    CHECK(rc.right - rc.left == 800);
    CHECK(rc.top == work.top + 50);

    // With a margin the window keeps that distance from the edges.
    g_Settings.Common_Snap[2] = 10;
    Place(work.left - 100, work.top + 50, 800, 500);
    SendMessageW(g_hWndMain, WM_EXITSIZEMOVE, 0, 0);
    CHECK(Visible(g_hWndMain).left == work.left + 10);
}
