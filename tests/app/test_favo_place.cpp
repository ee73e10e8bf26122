// Where the favorites window opens beside the main window.
#include <doctest/doctest.h>

#include "app/FavoPlace.h"

namespace {

SFAVOPLACEIN m_Beside(int mainLeft, int mainRight)
{
    SFAVOPLACEIN in = {};
    in.nWidth = 300;
    in.nHeight = 500;
    in.rcMain = RECT{mainLeft, 100, mainRight, 600};
    in.rcWork = RECT{0, 0, 1920, 1040};
    in.nDock = 4;
    in.nMargin = 8;
    return in;
}

}  // namespace

TEST_CASE("the favorites window beside the main window")
{
    SUBCASE("room on the right: there, at the dock distance, the main height")
    {
        SFAVOPLACEIN in = m_Beside(100, 900);
        RECT rc = m_CalcFavoRect(&in);
        CHECK(rc.left == 904);
        CHECK(rc.right == 1204);
        CHECK(rc.top == 100);
        CHECK(rc.bottom == 600);
    }
    SUBCASE("some room on the right: the width is cut to it")
    {
        // 1920 - 1650 - 8 - 4 = 258: at least 240, less than 300.
        SFAVOPLACEIN in = m_Beside(800, 1650);
        RECT rc = m_CalcFavoRect(&in);
        CHECK(rc.left == 1654);
        CHECK(rc.right - rc.left == 258);
    }
    SUBCASE("too little room: to the left")
    {
        SFAVOPLACEIN in = m_Beside(700, 1800);
        RECT rc = m_CalcFavoRect(&in);
        CHECK(rc.right == 696);
        CHECK(rc.left == 396);
    }
    SUBCASE("no room on either side: against the right edge of the work area")
    {
        SFAVOPLACEIN in = m_Beside(100, 1850);
        RECT rc = m_CalcFavoRect(&in);
        CHECK(rc.right == 1920);
        CHECK(rc.left == 1620);
    }
}

TEST_CASE("the favorites window inside full screen and a maximised window")
{
    SFAVOPLACEIN in = {};
    in.nWidth = 300;
    in.nHeight = 2000;
    in.bFullScreen = 1;
    in.rcFullScreen = RECT{0, 0, 1920, 1080};
    in.nPanelHeight = 60;
    RECT rc = m_CalcFavoRect(&in);
    CHECK(rc.right == 1912);
    CHECK(rc.bottom == 1080 - 8 - 60);
    // Taller than the area less the gaps: cut to it.
    CHECK(rc.top == 8);
    in.bFullScreen = 0;
    in.bMaximized = 1;
    in.nHeight = 400;
    in.rcVideoArea = RECT{0, 20, 1920, 980};
    rc = m_CalcFavoRect(&in);
    CHECK(rc.right == 1912);
    CHECK(rc.bottom == 972);
    CHECK(rc.top == 572);
}
