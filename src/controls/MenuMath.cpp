#include "controls/MenuMath.h"

#include <algorithm>
#include <cmath>

#include "controls/MenuPlus.h"

int m_MenuItemHeight(const SMENUMETRICS& m, UINT kind, bool first)
{
    switch (kind) {
        case kMenuKindHidden:
            return 0;
        case MENUKIND_SEPARATOR:
            return m.SeparatorHeight;
        case MENUKIND_THINSEPARATOR:
            return m.ThinSeparatorHeight;
        case MENUKIND_HEADING:
            return first ? m.HeadingFirstHeight : m.HeadingHeight;
        case MENUKIND_TALLHEADING:
            return first ? m.TallHeadingFirstHeight : m.TallHeadingHeight;
        default:
            return m.RowHeight;
    }
}

int m_MenuExtraWidth(int widest, int minWidth, int maxWidth, int extra)
{
    if (widest <= minWidth) return extra;
    if (widest >= maxWidth || maxWidth <= minWidth) return 0;
    return (maxWidth - widest) * extra / (maxWidth - minWidth);
}

int m_MenuPopupWidth(int widest, int average, double factor, int extra, int sizePercent,
                     int minWidth, int maxWidth, int widestFull)
{
    int w = std::min(static_cast<int>(average * factor), widest + extra);
    if (sizePercent > 0) w = static_cast<int>(std::lround(w * (sizePercent / 100.0)));
    if (minWidth > 0 && w < minWidth) w = minWidth;
    if (maxWidth > 0 && w > maxWidth) w = maxWidth;
    return std::max(w, widestFull);
}

int m_MenuThumbLength(int windowHeight, int total, int track)
{
    if (total <= 0 || track <= 0) return 0;
    const int len = static_cast<int>(std::lround(double(windowHeight) / total * track));
    return std::min(track, std::max(10, len));
}

int m_MenuOffsetToThumb(int offset, int range, int thumbRange)
{
    if (range <= 0 || thumbRange <= 0) return 0;
    const int t = static_cast<int>(std::lround(double(offset) / range * thumbRange));
    return std::clamp(t, 0, thumbRange);
}

int m_MenuThumbToOffset(int thumb, int thumbRange, int range)
{
    if (range <= 0 || thumbRange <= 0) return 0;
    const int o = static_cast<int>(std::lround(double(thumb) / thumbRange * range));
    return std::clamp(o, 0, range);
}

int m_MenuWheelSteps(int delta, bool hasPrevious, DWORD elapsedMs)
{
    int steps = -(delta / WHEEL_DELTA);
    // Quick notches scroll further; a zero interval would divide by zero
    // and is taken as a plain notch.
    if (hasPrevious && elapsedMs > 0 && elapsedMs < 90)
        steps *= static_cast<int>(std::lround(90.0 / elapsedMs));
    return steps;
}

int m_MenuDropIndex(SMENUITEMENTRY* const* items, int first, int last, int y, int rowHeight)
{
    if (!items || first < 0 || last < first) return -1;
    auto middle = [&](int i) { return items[i]->Rect.top + rowHeight / 2; };
    if (y < middle(first)) return first;
    if (y >= middle(last)) return last + 1;
    for (int i = first; i <= last; ++i)
        if (middle(i) > y) return i;
    return last + 1;
}
