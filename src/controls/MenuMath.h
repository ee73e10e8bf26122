// The arithmetic of popup menus that needs no window: widths, heights,
// the scroll bar's thumb, wheel steps and where a dragged item drops.
#pragma once
#include <windows.h>

#include "controls/MenuItem.h"

struct SMENUMETRICS;

// Kind of an item that takes no room in the list.
constexpr UINT kMenuKindHidden = 0xFFFFFFFFu;

// Height of an item of the kind; first is set for the first item that
// takes room.
int m_MenuItemHeight(const SMENUMETRICS& m, UINT kind, bool first);

// The extra width added to the widest item: the full amount while the
// widest is within the minimum, less the closer it comes to the maximum,
// none at or beyond it.
int m_MenuExtraWidth(int widest, int minWidth, int maxWidth, int extra);

// The popup's width from its widest and average item widths: the smaller
// of the average times the factor and widest + extra, scaled by the size
// percent (0 = none), held within min..max (min 0 = none) and never below
// the widest full-width item.
int m_MenuPopupWidth(int widest, int average, double factor, int extra, int sizePercent,
                     int minWidth, int maxWidth, int widestFull);

// Length of the scroll thumb in a track for a window of the total height.
int m_MenuThumbLength(int windowHeight, int total, int track);
// Thumb position of an offset, and offset of a thumb position, rounded and
// held within their ranges; 0 when a range is empty.
int m_MenuOffsetToThumb(int offset, int range, int thumbRange);
int m_MenuThumbToOffset(int thumb, int thumbRange, int range);

// Rows to scroll for a wheel delta: -(delta / 120), multiplied by
// round(90 / elapsed) when the previous wheel message came less than 90 ms
// before. Two messages within the same millisecond count as plain steps.
int m_MenuWheelSteps(int delta, bool hasPrevious, DWORD elapsedMs);

// The drop index of a drag at content y within the run first..last of
// items: first above the middle of the first, last + 1 at or below the
// middle of the last, else the first item whose middle lies below y.
int m_MenuDropIndex(SMENUITEMENTRY* const* items, int first, int last, int y, int rowHeight);
