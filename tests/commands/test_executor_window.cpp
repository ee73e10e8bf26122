// FUNC_WINDOW_POS on the real main window: edges left out keep the
// window's size or centre, and one side without a video aspect keeps the
// other side as it is.
#include <doctest/doctest.h>

#include "../app/MainWindowFixture.h"
#include "commands/Executor.h"
#include "playback/PlayState.h"

TEST_CASE_FIXTURE(CMainWindowFixture, "a window placed by its edges")
{
    g_MediaKind = MEDIA_KIND_NONE;
    RECT area = WorkArea();
    REQUIRE(area.right - area.left >= 1200);
    // Only the right edge: the width stays.
    CHECK(m_ExecFunctionById(FUNC_WINDOW_POS, 0, L",,1000") == 1);
    RECT rc = Visible(g_hWndMain);
    CHECK(rc.right == 1000);
    CHECK(rc.right - rc.left == 800);
    CHECK(rc.top == 150);
    // Left and right without a video: the height is kept, not made up.
    m_ExecFunctionById(FUNC_WINDOW_POS, 0, L"100,120,700");
    rc = Visible(g_hWndMain);
    CHECK(rc.left == 100);
    CHECK(rc.top == 120);
    CHECK(rc.right - rc.left == 600);
    CHECK(rc.bottom - rc.top == 500);
    // Nothing given: centred where it is, the same size.
    m_ExecFunctionById(FUNC_WINDOW_POS, 0, L"");
    CHECK(Visible(g_hWndMain).left == 100);
    // Too wide for the work area: its whole width.
    m_ExecFunctionById(FUNC_WINDOW_POS, 0, L"0,0,30000,400");
    rc = Visible(g_hWndMain);
    CHECK(rc.left == area.left);
    CHECK(rc.right == area.right);
    // Crossed edges place nothing.
    m_ExecFunctionById(FUNC_WINDOW_POS, 0, L"500,0,100,400");
    CHECK(Visible(g_hWndMain).right == area.right);
}
