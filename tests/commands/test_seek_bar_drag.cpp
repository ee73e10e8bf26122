// The seek bar's drag while the engine waits for an earlier seek's frame.
#include <doctest/doctest.h>

#include <initializer_list>

#include "commands/SeekBarDrag.h"

TEST_CASE("a drag while the engine waits keeps only the newest position")
{
    SSEEKBARDRAG drag = {-1, 0};
    // A click seeks exactly and leaves nothing pending.
    SSEEKBARSTEP step = m_SeekBarDrag_OnPosition(&drag, 1000, 0, 0);
    CHECK(step.ms == 1000);
    CHECK(step.direction == -2);
    CHECK(m_SeekBarDrag_OnLanded(&drag, step, 1000) == 0);
    CHECK(drag.pending == -1);
    // The engine waits: the positions only replace each other.
    for (int ms : {2000, 3000, 3500}) CHECK(m_SeekBarDrag_OnPosition(&drag, ms, 1, 1).ms == -1);
    CHECK(drag.pending == 3500);
    // Ready again: the next move seeks to the key frame near it, and the
    // exact place stays pending for timer 39.
    step = m_SeekBarDrag_OnPosition(&drag, 4000, 1, 0);
    CHECK(step.ms == 4000);
    CHECK(step.direction == 0);
    CHECK(m_SeekBarDrag_OnLanded(&drag, step, 3960) == 1);
    CHECK(drag.pending == 4000);
    // Timer 39's notice seeks to it exactly.
    step = m_SeekBarDrag_OnPosition(&drag, -1, 1, 0);
    CHECK(step.ms == 4000);
    CHECK(step.direction == -2);
    CHECK(drag.pending == -1);
    // A release seeks to what waits, snapped when [Seek] "Key" is 1.
    m_SeekBarDrag_OnPosition(&drag, 5000, 1, 1);
    step = m_SeekBarDrag_OnRelease(&drag, 1);
    CHECK(step.ms == 5000);
    CHECK(step.direction == 0);
    CHECK(drag.pending == -1);
    CHECK(m_SeekBarDrag_OnRelease(&drag, 0).ms == -1);
}

TEST_CASE("a press that jumped to a chapter mark is not undone by its own thumb")
{
    SSEEKBARDRAG drag = {-1, 0};
    m_SeekBarDrag_OnPress(&drag, 1);
    // The thumb stands a pixel off the chapter's start: nothing seeks, not
    // even later while the engine still waits for the jump's frame.
    CHECK(m_SeekBarDrag_OnPosition(&drag, 19900, 0, 0).ms == -1);
    CHECK(m_SeekBarDrag_OnPosition(&drag, 19900, 0, 1).ms == -1);
    CHECK(drag.pending == -1);
    CHECK(m_SeekBarDrag_OnRelease(&drag, 0).ms == -1);
    // A drag from the mark seeks as any drag does.
    m_SeekBarDrag_OnPress(&drag, 1);
    CHECK(m_SeekBarDrag_OnPosition(&drag, 21000, 1, 0).ms == 21000);
    CHECK(m_SeekBarDrag_OnPosition(&drag, 22000, 0, 0).ms == 22000);
    // A press on the channel seeks where it was pressed.
    m_SeekBarDrag_OnPress(&drag, 0);
    CHECK(m_SeekBarDrag_OnPosition(&drag, 5000, 0, 0).ms == 5000);
}
