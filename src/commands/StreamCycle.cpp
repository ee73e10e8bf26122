// The rules of stream selection on a stream table, apart from the engine:
// which stream cycling picks, the subtitle group and the kept choice.
#include "commands/StreamSelect.h"

#include <algorithm>

namespace {

// The stream's number among the streams of its kind, counted from 1.
int NumberInKind(const SSTREAMITEM* table, int index)
{
    int number = 0;
    for (int i = 0; i <= index; ++i)
        if (table[i].Kind == table[index].Kind) ++number;
    return number;
}

}  // namespace

SSTREAMCYCLE m_Stream_Cycle(const SSTREAMITEM* table, int count, DWORD kind)
{
    SSTREAMCYCLE c = {-1, 0, 0};
    if (!table) return c;
    count = std::clamp(count, 0, kStreamTableCap);
    int enabled = -1;
    for (int i = 0; i < count; ++i) {
        if (table[i].Kind != kind) continue;
        ++c.KindCount;
        if (enabled < 0 && table[i].Enabled) enabled = i;
    }
    if (enabled >= 0 && count >= 2) {
        for (int k = 1; k < count; ++k) {
            const int i = (enabled + k) % count;
            if (table[i].Kind == kind) {
                c.Chosen = i;
                break;
            }
        }
    }
    // Nothing chosen: the number of the one on, or 1 when none is.
    const int shown = c.Chosen >= 0 ? c.Chosen : enabled;
    c.Number = shown >= 0 ? NumberInKind(table, shown) : 1;
    return c;
}

SSUBTITLEGROUP m_Stream_SubtitleGroup(const SSTREAMITEM* table, int count)
{
    SSUBTITLEGROUP g = {-1, -1, -1, -1, 0};
    if (!table) return g;
    count = std::clamp(count, 0, kStreamTableCap);
    for (int i = 0; i < count; ++i) {
        if (table[i].Kind != STREAM_KIND_SUBTITLE) continue;
        if (g.First < 0) g.First = i;
        if (g.FirstEnabled < 0 && table[i].Enabled) g.FirstEnabled = i;
        if (table[i].NoSubtitles) g.LastMarked = i;
        g.Last = i;
        ++g.Count;
    }
    return g;
}

int m_Stream_GroupTarget(const SSUBTITLEGROUP& g, int index)
{
    if (g.Count < 2 || g.FirstEnabled < 0) return -1;
    const int marked = g.LastMarked >= 0 ? g.LastMarked : g.Last;
    const int target = index == -1 ? marked : g.First + index;
    return target < g.First || target > g.Last ? -1 : target;
}

void m_Stream_Keep(const SSTREAMITEM* table, int count, SSTREAMSELECTION* kept)
{
    kept->Count = table ? std::clamp(count, 0, kStreamTableCap) : 0;
    for (int i = 0; i < kStreamTableCap; ++i)
        kept->Enabled[i] = i < kept->Count ? table[i].Enabled : 0;
}

int m_Stream_IsReopen(const SSTREAMSELECTION& kept, const wchar_t* path)
{
    // Windows paths name the same file in any case.
    return path && path[0] && lstrcmpiW(kept.Path, path) == 0 ? 1 : 0;
}
