// The seek bar's drag: which position each notice seeks to, and the one
// position kept pending while the engine still waits for the frame of an
// earlier seek.
#pragma once

struct SSEEKBARDRAG {
    int pending;  // ms, -1 none
    int onMark;   // the press jumped to a mark; its thumb seeks nothing until moved
};

// What a notice asks: seek to ms (-1 nothing) with the key-frame direction
// of m_SeekToMsSnap; retry: a landing elsewhere keeps ms pending.
struct SSEEKBARSTEP {
    int ms;
    int direction;
    int retry;
};

// Press: jumped is 1 when the press went to the mark under it.
void m_SeekBarDrag_OnPress(SSEEKBARDRAG* drag, int jumped);
// Position changed: position -1 seeks to the pending one; while the engine
// waits the position only becomes the pending one (the newest wins).
SSEEKBARSTEP m_SeekBarDrag_OnPosition(SSEEKBARDRAG* drag, int position, int dragged,
                                      int engineWaits);
// After a seek of a step: where it landed. 1 when the position stays
// pending (timer 39 polls for it).
int m_SeekBarDrag_OnLanded(SSEEKBARDRAG* drag, const SSEEKBARSTEP& step, int usedMs);
// Release: the pending position, snapped when [Seek] "Key" is 1.
SSEEKBARSTEP m_SeekBarDrag_OnRelease(SSEEKBARDRAG* drag, int keyFrames);
