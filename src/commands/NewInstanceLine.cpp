#include "commands/NewInstanceLine.h"

#include <strsafe.h>

int m_FormatNewInstanceArgs(wchar_t* out, int cap, const wchar_t* mediaPath,
                            const SNEWINSTANCEPOS& pos)
{
    if (!out || cap <= 0) return 0;
    out[0] = 0;
    double seconds = pos.Seconds - 0.5;
    if (!(seconds > 0)) seconds = 0;
    const size_t n = size_t(cap);
    HRESULT hr =
        StringCchPrintfW(out, n, L"-NEW \"%s\" -POS %0.3f", mediaPath ? mediaPath : L"", seconds);
    if (SUCCEEDED(hr) && !pos.Playing) hr = StringCchCatW(out, n, L" -PAU");
    if (SUCCEEDED(hr) && pos.RangeMode) {
        wchar_t range[64] = L" -RNG";
        if (pos.RangeIndex >= 0) {
            StringCchPrintfW(range + 5, 59, L" %d", pos.RangeIndex);
        } else if (pos.RangeStartMs >= 0 || pos.RangeEndMs >= 0) {
            wchar_t from[16] = L"", to[16] = L"";
            if (pos.RangeStartMs >= 0) StringCchPrintfW(from, 16, L"%d", pos.RangeStartMs);
            if (pos.RangeEndMs >= 0) StringCchPrintfW(to, 16, L"%d", pos.RangeEndMs);
            StringCchPrintfW(range + 5, 59, L" %s-%s", from, to);
        }
        hr = StringCchCatW(out, n, range);
    }
    if (FAILED(hr)) {
        out[0] = 0;
        return 0;
    }
    return 1;
}
