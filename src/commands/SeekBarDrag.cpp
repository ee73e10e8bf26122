#include "commands/SeekBarDrag.h"

void m_SeekBarDrag_OnPress(SSEEKBARDRAG* drag, int jumped) { drag->onMark = jumped ? 1 : 0; }

SSEEKBARSTEP m_SeekBarDrag_OnPosition(SSEEKBARDRAG* drag, int position, int dragged,
                                      int engineWaits)
{
    if (position < 0) {
        const SSEEKBARSTEP step = {drag->pending, -2, 0};
        drag->pending = -1;
        return step;
    }
    // The press put the thumb under the pointer, a pixel or two off the
    // mark's exact time: seeking there would undo the jump. A drag counts.
    if (drag->onMark) {
        if (!dragged) return {-1, -2, 0};
        drag->onMark = 0;
    }
    if (engineWaits) {
        drag->pending = position;
        return {-1, -2, 0};
    }
    // A click seeks exactly; a drag takes the nearest key frame first and
    // the exact place once the engine has caught up.
    return {position, dragged ? 0 : -2, dragged};
}

int m_SeekBarDrag_OnLanded(SSEEKBARDRAG* drag, const SSEEKBARSTEP& step, int usedMs)
{
    if (step.retry && usedMs != step.ms) {
        drag->pending = step.ms;
        return 1;
    }
    drag->pending = -1;
    return 0;
}

SSEEKBARSTEP m_SeekBarDrag_OnRelease(SSEEKBARDRAG* drag, int keyFrames)
{
    const SSEEKBARSTEP step = {drag->pending, keyFrames ? 0 : -2, 0};
    drag->pending = -1;
    drag->onMark = 0;
    return step;
}
