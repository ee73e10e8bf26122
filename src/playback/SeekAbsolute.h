// Seeks of the main player to a time on the seek bar.
#pragma once

// Where a seek to ms lands: clamped to the length, and while playback is
// started a target less than a second before the end goes to the end
// (*toEnd = 1, playback holds there).
int m_SeekTarget(int ms, int durationMs, int started, int* toEnd);

// Seeks to ms without key-frame snapping (direction -2; the key-frame
// directions fall back to it). Returns the ms used, -1 when refused (no
// file open, or still loading).
int m_SeekToMsSnap(int ms, int direction);
