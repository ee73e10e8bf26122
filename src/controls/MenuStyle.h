// The look that a menu manager holds and copies into each of its popups.
#pragma once
#include <windows.h>

#include <cstddef>

#include "base/Color.h"

// 160 bytes; the manager keeps an 8-byte extra value after it.
struct SMENUSTYLE {
    UINT First;            // copied
    UINT Effects;          // fade-in, slide-in and the selection animation
    UINT Shadow;           // draw the drop shadow
    int ShadowSize;        // tenths of a pixel at 100 %
    int RowHeight;         // item row height at 100 %
    int RowGap;            // between two adjacent command rows at 100 %
    int Padding;           // inner padding on every side at 100 %
    int MinWidth;          // 0 = none
    int MaxWidth;          // 0 = 800 for a root popup, 600 for a submenu
    UINT ImageShortcuts;   // shortcut texts drawn as image text
    wchar_t FaceName[32];  // empty = default face
    int FontSize;          // 0 = 16
    int FontWeight;        // 0 = 400
    UINT CustomColors;     // use the two colours below
    ARGB TextColor;
    ARGB BackColor;
    BYTE Rest[36];  // copied unchanged
};

static_assert(sizeof(SMENUSTYLE) == 160);
static_assert(offsetof(SMENUSTYLE, Effects) == 4);
static_assert(offsetof(SMENUSTYLE, ShadowSize) == 12);
static_assert(offsetof(SMENUSTYLE, MaxWidth) == 32);
static_assert(offsetof(SMENUSTYLE, FaceName) == 40);
static_assert(offsetof(SMENUSTYLE, FontSize) == 104);
static_assert(offsetof(SMENUSTYLE, CustomColors) == 112);
static_assert(offsetof(SMENUSTYLE, BackColor) == 120);
