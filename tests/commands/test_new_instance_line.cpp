#include <doctest/doctest.h>

#include <string>

#include "commands/NewInstanceLine.h"

TEST_CASE("the new-instance line carries the position, pause and range")
{
    struct SCase {
        SNEWINSTANCEPOS pos;
        const wchar_t* want;
    };
    const SCase cases[] = {
        {{12.3456, 1, 0, -1, -1, -1}, L"-NEW \"C:\\a b.avi\" -POS 11.846"},
        {{12.3456, 0, 0, -1, -1, -1}, L"-NEW \"C:\\a b.avi\" -POS 11.846 -PAU"},
        {{0.2, 1, 0, -1, -1, -1}, L"-NEW \"C:\\a b.avi\" -POS 0.000"},
        {{5.0, 1, 1, 2, 100, 200}, L"-NEW \"C:\\a b.avi\" -POS 4.500 -RNG 2"},
        {{5.0, 0, 1, -1, 1000, 9000}, L"-NEW \"C:\\a b.avi\" -POS 4.500 -PAU -RNG 1000-9000"},
        {{5.0, 1, 1, -1, 1000, -1}, L"-NEW \"C:\\a b.avi\" -POS 4.500 -RNG 1000-"},
        {{5.0, 1, 1, -1, -1, 9000}, L"-NEW \"C:\\a b.avi\" -POS 4.500 -RNG -9000"},
        // Range bounds count only in range mode.
        {{5.0, 1, 0, 3, 1000, 9000}, L"-NEW \"C:\\a b.avi\" -POS 4.500"},
    };
    for (const SCase& c : cases) {
        wchar_t out[600];
        CHECK(m_FormatNewInstanceArgs(out, 600, L"C:\\a b.avi", c.pos) == 1);
        CHECK(std::wstring(out) == c.want);
    }
}

TEST_CASE("a line that does not fit gives nothing")
{
    wchar_t out[20] = L"x";
    CHECK(m_FormatNewInstanceArgs(out, 20, L"C:\\a long path.avi", {1.0, 1, 0, -1, -1, -1}) == 0);
    CHECK(out[0] == 0);
}
