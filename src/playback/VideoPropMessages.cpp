// The on-screen message of each property group, naming the level in effect
// or ending in "DISABLE".
#include <strsafe.h>

#include "playback/ProcAmpRange.h"
#include "playback/VideoPropApply.h"

namespace {

void m_ProcAmpMessage(int mask, const wchar_t* from, const SVIDEOPROPSET* set, wchar_t* out,
                      int size)
{
    double v[4];
    for (int c = 0; c < 4; ++c) v[c] = m_ProcAmp_SliderToValue(c, set->ProcAmp[c]);
    static const wchar_t* const kOne[4] = {L"CON", L"BRI", L"HUE", L"SAT"};
    for (int c = 0; c < 4; ++c) {
        if (mask == (1 << c)) {
            StringCchPrintfW(out, size, L"PROCAMP````(%s) : %s`=`%0.2f", from, kOne[c], v[c]);
            return;
        }
    }
    StringCchPrintfW(out, size,
                     L"PROCAMP````(%s) : CON`=`%0.2f BRI`=`%0.2f HUE`=`%0.2f SAT`=`%0.2f", from,
                     v[0], v[1], v[2], v[3]);
}

void m_RatioMessage(int bit, int origin, const wchar_t* from, const SVIDEOPROPSET* set,
                    wchar_t* out, int size)
{
    const wchar_t* name = bit == VP_ASPECT ? L"ASPECT``RATIO" : L"VIDEO````CROP";
    int x = 0, y = 0;
    m_VideoProp_RatioOf(bit, origin, set, &x, &y);
    if (x <= 0 || y <= 0) {
        int ox = 0, oy = 0;
        m_VideoProp_OwnAspect(&ox, &oy);
        StringCchPrintfW(out, size, L"%s : DISABLE````(%d`:`%d)", name, ox, oy);
    } else if (y == 1000) {
        StringCchPrintfW(out, size, L"%s````(%s) : %0.3f`:`1", name, from, x / 1000.0);
    } else {
        StringCchPrintfW(out, size, L"%s````(%s) : %d`:`%d", name, from, x, y);
    }
}

void m_RangeMessage(int origin, const wchar_t* from, const SVIDEOPROPSET* set, wchar_t* out,
                    int size)
{
    if (origin == VP_LEVEL_NONE) {
        StringCchCopyW(out, size, L"VIDEO````RANGE : DISABLE");
    } else if (set->RangeMode == 2) {
        const int* r = set->RangeRect;
        StringCchPrintfW(
            out, size,
            L"VIDEO````RANGE````(%s) : L`%0.1f````/``T`%0.1f````/``R`%0.1f````/``B`%0.1f", from,
            r[0] / 100.0, r[1] / 100.0, r[2] / 100.0, r[3] / 100.0);
    } else {
        StringCchPrintfW(out, size, L"VIDEO````RANGE````(%s) : %0.1f%%", from,
                         set->RangePercent / 100.0);
    }
}

void m_BoostMessage(int origin, const wchar_t* from, const SVIDEOPROPSET* set, wchar_t* out,
                    int size)
{
    if (origin == VP_LEVEL_NONE)
        StringCchCopyW(out, size, L"AUDIO````BOOST : DISABLE");
    else if (set->Boost == 100)
        StringCchPrintfW(out, size, L"AUDIO````BOOST````(%s) : 0`%%", from);
    else
        StringCchPrintfW(out, size, L"AUDIO````BOOST````(%s) : %+d`%%", from, set->Boost - 100);
}

void m_BalanceMessage(int origin, const wchar_t* from, const SVIDEOPROPSET* set, wchar_t* out,
                      int size)
{
    const int b = set->Balance - 100;
    if (origin == VP_LEVEL_NONE)
        StringCchCopyW(out, size, L"AUDIO````INPUT````BALANCE : DISABLE");
    else if (b > 0)
        StringCchPrintfW(out, size, L"AUDIO````INPUT````BALANCE````(%s) : R``%d`%%", from, b);
    else if (b < 0)
        StringCchPrintfW(out, size, L"AUDIO````INPUT````BALANCE````(%s) : L``%d`%%", from, -b);
    else
        StringCchPrintfW(out, size, L"AUDIO````INPUT````BALANCE````(%s) : CENTER", from);
}

}  // namespace

void m_VideoProp_RatioOf(int bit, int origin, const SVIDEOPROPSET* set, int* x, int* y)
{
    *x = *y = 0;
    if (origin != VP_LEVEL_FILE && origin != VP_LEVEL_SNGL) return;
    const bool aspect = bit == VP_ASPECT;
    if (!(aspect ? set->AspectOn : set->CropOn)) return;
    const int mode = aspect ? set->AspectMode : set->CropMode;
    if (mode == 1) {
        *x = 4, *y = 3;
    } else if (mode == 2) {
        *x = 16, *y = 9;
    } else if (mode == 3) {
        *x = aspect ? set->AspectX : set->CropX;
        *y = aspect ? set->AspectY : set->CropY;
        if (*x <= 0 || *y <= 0) *x = *y = 0;
    }
}

int m_VideoProp_FormatMessage(int mask, int origin, const SVIDEOPROPSET* set, wchar_t* out,
                              int size)
{
    if (!out || size < 1) return 0;
    out[0] = 0;
    if (!set) return 0;
    const wchar_t* from = m_VideoProp_LevelText(origin);
    if (mask & VP_PROCAMP) {
        if (origin == VP_LEVEL_NONE)
            StringCchCopyW(out, size, L"PROCAMP : DISABLE");
        else
            m_ProcAmpMessage(mask & VP_PROCAMP, from, set, out, size);
    } else if (mask == VP_ASPECT || mask == VP_CROP) {
        m_RatioMessage(mask, origin, from, set, out, size);
    } else if (mask == VP_RANGE) {
        m_RangeMessage(origin, from, set, out, size);
    } else if (mask == VP_BOOST) {
        m_BoostMessage(origin, from, set, out, size);
    } else if (mask == VP_BALANCE) {
        m_BalanceMessage(origin, from, set, out, size);
    }
    return lstrlenW(out);
}
