// Where shuffle play's next and previous land in the order.
#include <doctest/doctest.h>
#include <windows.h>

#include "playback/ShuffleStep.h"

TEST_CASE("a shuffle step goes from the playing track's place in its pass, past skipped tracks")
{
    // Three passes of three entries.
    const int order[9] = {0, 1, 2, 2, 0, 1, 1, 2, 0};
    const BYTE skipOne[3] = {0, 1, 0};
    const BYTE skipTwo[3] = {0, 0, 1};
    const BYTE skipAll[3] = {1, 1, 1};
    struct Row {
        const char* what;
        int pass, playing, direction;
        const BYTE* skip;
        int want;
    };
    const Row rows[] = {
        {"next within the pass", 0, 1, 0, nullptr, 2},
        {"next into the following pass", 0, 2, 0, nullptr, 3},
        {"the pass names which place of the track", 1, 2, 0, nullptr, 4},
        {"next after the last place wraps", 2, 0, 0, nullptr, 0},
        {"previous before the first place wraps", 0, 0, 1, nullptr, 8},
        {"a track absent from the pass counts as place 0", 0, 7, 0, nullptr, 1},
        {"a pass beyond the order counts as pass 0", 5, 2, 0, nullptr, 3},
        {"a negative pass counts as pass 0", -1, 1, 0, nullptr, 2},
        {"the last pass is inside the order", 2, 2, 0, nullptr, 8},
        {"next passes over an unchecked track", 0, 0, 0, skipOne, 2},
        {"previous passes over an unchecked track", 1, 2, 1, skipTwo, 1},
        {"nothing to play", 0, 0, 0, skipAll, -1},
    };
    for (const Row& r : rows) {
        CAPTURE(r.what);
        CHECK(m_Shuffle_StepPlace(order, 9, 3, r.pass, r.playing, r.direction, r.skip) == r.want);
    }
    CHECK(m_Shuffle_StepPlace(nullptr, 0, 3, 0, 0, 0, nullptr) == -1);
}
