// The arithmetic of the main player's seeks: where each kind of seek lands,
// the key-frame choice of a relative seek, and the texts the seeks show.
// Pure, so that every rule is tested without a graph.
#pragma once
#include <windows.h>

constexpr LONGLONG kSeekUnitsPerMs = 10000;
constexpr int kSeekTextCap = 96;

// Where a seek to ms lands: clamped to the length, and while playback is
// started a target less than a second before the end goes to the end
// (*toEnd = 1, playback holds there).
int m_SeekTarget(int ms, int durationMs, int started, int* toEnd);

// A seek to a time: ms below 0 counts from the end.
struct STIMESEEK {
    LONGLONG target;  // 100 ns
    int toEnd;        // the end rule moved it to the end
    wchar_t text[kSeekTextCap];
};
STIMESEEK m_SeekMath_Time(int ms, LONGLONG duration, int started);

// A seek to hundredths of a percent of the length (100 ns); *toEnd as above.
LONGLONG m_SeekMath_Percent(int hundredths, LONGLONG duration, int started, int* toEnd);

// A seek to a frame. Without a length in frames (frames <= 0) at 29.97 per
// second; with one, the frame clamped to it, at the engine's rate, and the
// time clamped to the length.
LONGLONG m_SeekMath_Frame(LONGLONG frame, LONGLONG frames, double fps, LONGLONG duration);

// The key-frame search the relative seek asks (100 ns): direction 1 next,
// -1 previous, 0 nearest; -1 none, -2 the end of the file.
struct IKEYFRAMES {
    virtual LONGLONG m_Find(LONGLONG time, int direction) = 0;
};

enum { SNAP_NOTHING = 0, SNAP_KEY = 1, SNAP_PLAIN = 2 };

struct SSNAPCHOICE {
    int kind;         // SNAP_*
    LONGLONG target;  // 100 ns, for SNAP_KEY
    int hold;         // the target is the end: playback holds there
};

// The target of a snapped relative seek from p by deltaMs (the near-end and
// start refusals are the caller's).
SSNAPCHOICE m_SeekMath_Snap(LONGLONG p, int deltaMs, LONGLONG duration, int started, int snapMode,
                            IKEYFRAMES* keys);

// The target of a plain relative seek; *hold when it goes to the end.
LONGLONG m_SeekMath_Plain(LONGLONG p, int deltaMs, LONGLONG duration, int* hold);

// The message of a relative seek. snapped: the target came from a key frame;
// padLeft and padRight are the pixel pads around the bracket of a short
// snapped move.
enum { TOTAL_PLAIN = 0, TOTAL_SNAP_SEEK = 1, TOTAL_KEYFRAME = 2, TOTAL_PERCENT = 3 };
int m_SeekMath_RelativeText(wchar_t* out, int cap, int snapped, int snapMode, int deltaMs,
                            LONGLONG moved, const wchar_t* padLeft, const wchar_t* padRight);

// Appends the series total (moved 100 ns, rounded to whole seconds) in the
// form's spacing. A total of 0 takes "+" except in the percent form.
void m_SeekMath_AppendTotal(wchar_t* text, int cap, LONGLONG moved, int form);

// "POS : %0.1f`%%" for hundredths of a percent.
void m_SeekMath_PercentText(wchar_t* out, int cap, double percent);

// The frame step's message; the frame rate loses a trailing "00".
void m_SeekMath_FrameStepText(wchar_t* out, int cap, double fps, int frames, int total);

// The picture compare of frame stepping: the change score of two 32-bit
// images of width x height, and the ring of the last scores.
int m_FrameCompare_Score(const DWORD* current, const DWORD* previous, int width, int height);

struct SFRAMERING {
    int slots[5];
    int count;
};
enum { COMPARE_SAME = 0, COMPARE_KEEP = 1, COMPARE_CUT = 2 };
// Feeds a score: COMPARE_SAME (below 1, nothing changes), COMPARE_KEEP (the
// score is recorded: the current image becomes the previous one) or
// COMPARE_CUT (a cut: stop stepping, the previous image stays).
int m_FrameCompare_Feed(SFRAMERING* ring, int score, int threshold);
