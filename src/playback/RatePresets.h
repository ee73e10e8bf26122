// The rate items of the rate menu's preset list ([Menu] "Rate"), as far
// as stepping through them needs: the kind-13 entries in list order.
#pragma once
#include <windows.h>

constexpr int kRatePresetCap = 64;

struct SRATEPRESET {
    int Enabled;
    int Rate;  // percent; -1 none
};

// Takes the kind-13 entries of the list text ("-" disables, "D,150" sets
// 150 %); at most capacity of them. Returns their count.
int m_RatePresets_Parse(const wchar_t* text, SRATEPRESET* out, int capacity);
// The next preset from the current rate: while it is one of the enabled
// items, +1 the nearest enabled item before it in the list, -1 the nearest
// after it; otherwise +1 the smallest enabled rate above it, -1 the largest
// below it. -1 when there is none (or the item names no rate).
int m_RatePresets_Next(const SRATEPRESET* items, int count, int current, int direction);
// The list from the settings file, read once.
int m_RatePresets_Get(const SRATEPRESET** items);
