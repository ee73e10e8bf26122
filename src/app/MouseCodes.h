// Mouse input codes, hold keys and drag assignments of the pointer handler,
// with the arithmetic of the wheel, the drag threshold and drag-seeking.
#pragma once
#include <windows.h>

// Mouse input codes; a binding adds the modifier bits below.
enum {
    MOUSECODE_MIDDLE = 3,
    MOUSECODE_WHEEL_UP = 4,
    MOUSECODE_WHEEL_DOWN = 5,
    MOUSECODE_X1 = 6,
    MOUSECODE_X2 = 7,
    MOUSECODE_TILT_LEFT = 8,
    MOUSECODE_TILT_RIGHT = 9,
    MOUSECODE_CLICK = 33,
    MOUSECODE_DOUBLE_CLICK = 34,
    MOUSECODE_CAPTION_DOUBLE_CLICK = 37,
    MOUSECODE_ROCKER_LEFT = 49,   // left pressed while the right is held
    MOUSECODE_ROCKER_RIGHT = 50,  // right pressed while the left is held
    MOUSECODE_CUSTOM_FIRST = 193,
    MOUSECODE_CUSTOM_RIGHT_FIRST = 209,
    kCustomButtonCount = 6,
};
enum { MOUSEMOD_SHIFT = 0x100, MOUSEMOD_CTRL = 0x200, MOUSEMOD_ALT = 0x400 };

// Hold keys (the virtual key whose hold keeps a continuous seek going) and
// the drag assignment values of [Seek] "Drg" and [Common] "DrgSize".
enum {
    HOLDKEY_NONE = 0,
    HOLDKEY_LEFT = 1,
    HOLDKEY_RIGHT = 2,
    HOLDKEY_MIDDLE = 4,
    HOLDKEY_X1 = 5,
    HOLDKEY_X2 = 6,
};

// Areas under the pointer.
enum {
    POINTERAREA_NONE = 0,
    POINTERAREA_CAPTION = 2,
    POINTERAREA_VIDEO = 101,
    POINTERAREA_VIDEO_EMPTY = 102,
    POINTERAREA_STATUS = 104,
    POINTERAREA_STATUS_RIGHT = 105,
    POINTERAREA_SEEK_HANDLE = 106,
};

// The name the binding editor shows for a code (modifier bits ignored);
// 0 and an empty text for a code without a name.
int m_GetMouseCodeName(int code, wchar_t* out, int cap);
// The modifier bits of the keys held now.
int m_GetMouseModifiers();

// A side or middle button: its code, its hold key and its drag value.
struct SMOUSEBUTTON {
    int nCode;
    int nHoldKey;
};
// For WM_MBUTTON* and WM_XBUTTON* (the XBUTTON word of wParam); a zero
// code for any other button.
SMOUSEBUTTON m_GetMouseButton(UINT msg, WPARAM wParam);

// Pixels the pointer must travel before a press becomes a drag.
int m_DragThreshold(int mouseSensitivity, int dpiPercent);
// 1 once to lies more than threshold pixels from from on either axis.
int m_IsPastThreshold(POINT from, POINT to, int threshold);

// The wheel's memory between messages.
struct SWHEELSTATE {
    DWORD dwLastMs;
    int bHaveLast;
    int bFine;   // deltas finer than one notch
    int nAccum;  // fine steps gathered, signed
};
// Takes one WM_MOUSEWHEEL delta at a time in milliseconds: steps gets the
// signed amount a scrolling view moves by (coarse notches, or fine steps);
// 1 when the wheel's binding runs for this message.
int m_Wheel_Feed(SWHEELSTATE* state, int delta, DWORD nowMs, int* steps);

// Drag-seek level 1..9 of a horizontal travel; 0 below 8 pixels.
int m_DragSeek_Level(int dx);
// Step (ms, signed as dx) and repeat interval (ms) of a level.
void m_DragSeek_Timing(int level, int dx, int keyFrames, int* stepMs, int* intervalMs);
