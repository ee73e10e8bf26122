#include "playback/RatePresets.h"

#include <wchar.h>

#include "settings/IniPath.h"

namespace {

// The rate-setting function of the catalogue.
constexpr int kRateFunction = 13;
constexpr int kListCap = 1024;
constexpr int kPieceCap = 64;
// The rate menu's list as it comes when the key is missing.
constexpr wchar_t kDefaultList[] = L"D,200|D,175|D,150|D,125|D,100|D,75|D,50|FF|F,1|F,-1";

SRATEPRESET g_Items[kRatePresetCap];
int g_Count = -1;

// One "|"-separated entry: "-" when disabled, the function in hex, then
// "," and the parameter.
bool m_ParsePiece(const wchar_t* piece, SRATEPRESET* item)
{
    item->Enabled = 1;
    if (*piece == L'-') {
        item->Enabled = 0;
        ++piece;
    }
    wchar_t* end = nullptr;
    const long function = wcstol(piece, &end, 16);
    if (end == piece || function != kRateFunction) return false;
    item->Rate = -1;
    if (*end == L',') {
        wchar_t* after = nullptr;
        const long rate = wcstol(end + 1, &after, 10);
        if (after != end + 1 && rate > 0 && rate <= 100000) item->Rate = static_cast<int>(rate);
    }
    return true;
}

bool m_Usable(const SRATEPRESET& item) { return item.Enabled != 0; }

int m_IndexOf(const SRATEPRESET* items, int count, int rate)
{
    for (int i = 0; i < count; ++i) {
        if (m_Usable(items[i]) && items[i].Rate == rate) return i;
    }
    return -1;
}

int m_Neighbour(const SRATEPRESET* items, int count, int at, int direction)
{
    // +1 is the item before: the list runs from fast to slow.
    const int delta = direction > 0 ? -1 : 1;
    for (int i = at + delta; i >= 0 && i < count; i += delta) {
        if (m_Usable(items[i])) return items[i].Rate;
    }
    return -1;
}

int m_Nearest(const SRATEPRESET* items, int count, int current, int direction)
{
    int best = -1;
    for (int i = 0; i < count; ++i) {
        const int rate = items[i].Rate;
        if (!m_Usable(items[i]) || rate < 1) continue;
        if (direction > 0 && rate > current && (best < 0 || rate < best)) best = rate;
        if (direction < 0 && rate < current && (best < 0 || rate > best)) best = rate;
    }
    return best;
}

}  // namespace

int m_RatePresets_Parse(const wchar_t* text, SRATEPRESET* out, int capacity)
{
    int count = 0;
    const wchar_t* p = text;
    while (p && *p && count < capacity) {
        const wchar_t* bar = wcschr(p, L'|');
        const size_t length = bar ? static_cast<size_t>(bar - p) : wcslen(p);
        wchar_t piece[kPieceCap];
        const size_t kept = length < kPieceCap - 1 ? length : kPieceCap - 1;
        wmemcpy(piece, p, kept);
        piece[kept] = 0;
        if (m_ParsePiece(piece, &out[count])) ++count;
        p = bar ? bar + 1 : nullptr;
    }
    return count;
}

int m_RatePresets_Next(const SRATEPRESET* items, int count, int current, int direction)
{
    if (direction == 0 || count <= 0) return -1;
    const int at = m_IndexOf(items, count, current);
    const int rate = at >= 0 ? m_Neighbour(items, count, at, direction)
                             : m_Nearest(items, count, current, direction);
    return rate >= 1 ? rate : -1;
}

int m_RatePresets_Get(const SRATEPRESET** items)
{
    if (g_Count < 0) {
        wchar_t text[kListCap];
        GetPrivateProfileStringW(L"Menu", L"Rate", kDefaultList, text, kListCap, g_IniPath);
        g_Count = m_RatePresets_Parse(text, g_Items, kRatePresetCap);
    }
    *items = g_Items;
    return g_Count;
}
