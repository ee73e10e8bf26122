// The label a preset entry shows when it has none of its own, made from its
// function and parameter.
#include "commands/MenuPresets.h"

#include <strsafe.h>

#include <climits>
#include <cstdarg>
#include <cwchar>

#include "settings/FunctionCatalog.h"
#include "settings/Settings.h"
#include "timer/TimerMenuText.h"

namespace {

// printf-style into out; a text that does not fit is cut. The length.
int Format(wchar_t* out, int size, const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    const HRESULT hr = StringCchVPrintfW(out, size, format, args);
    va_end(args);
    if (FAILED(hr) && hr != STRSAFE_E_INSUFFICIENT_BUFFER) out[0] = 0;
    return (int)wcslen(out);
}

int Append(wchar_t* out, int size, const wchar_t* format, ...)
{
    const int used = (int)wcslen(out);
    va_list args;
    va_start(args, format);
    const HRESULT hr = StringCchVPrintfW(out + used, size - used, format, args);
    va_end(args);
    if (FAILED(hr) && hr != STRSAFE_E_INSUFFICIENT_BUFFER) out[used] = 0;
    return (int)wcslen(out);
}

// "width,height" of the argument; false when it has no comma.
bool ParsePair(const wchar_t* text, int* first, int* second)
{
    const wchar_t* comma = wcschr(text, L',');
    if (!comma) return false;
    *first = (int)wcstol(text, nullptr, 10);
    *second = (int)wcstol(comma + 1, nullptr, 10);
    return true;
}

// "first[-last][,clip]": which monitors and which clip full screen uses.
int FullScreenLabel(wchar_t* out, int size, const wchar_t* arg)
{
    Format(out, size, L"FULLSCREEN ");
    if (!arg[0]) return (int)wcslen(out);
    wchar_t* end = nullptr;
    int first = (int)wcstol(arg, &end, 10);
    int last = *end == L'-' ? (int)wcstol(end + 1, nullptr, 10) : 0;
    const wchar_t* comma = wcschr(arg, L',');
    const int clip = comma ? (int)wcstol(comma + 1, nullptr, 10) : -1;
    bool all = first == -2;
    if (first == -1) {
        first = g_Settings.Fullscr_Mon[0];
        last = g_Settings.Fullscr_Mon[1];
        // The stored range counts -1 as all monitors.
        all = first < 0;
    }
    if (all)
        Append(out, size, L"[MON:ALL]");
    else if (first != 0 && last < 1)
        Append(out, size, L"[MON:%d]", first);
    else if (first != 0)
        Append(out, size, L"[MON:%d-%d]", first, last);
    if (clip >= 0) Append(out, size, L"[CLIP:%d]", clip);
    return (int)wcslen(out);
}

int WindowSizeLabel(wchar_t* out, int size, const wchar_t* arg)
{
    int w = 0, h = 0;
    const bool pair = ParsePair(arg, &w, &h);
    if (!pair) w = (int)wcstol(arg, nullptr, 10);
    if (w > 0 && h > 0) return Format(out, size, L"WND=%dx%d", w, h);
    if (w > 0) return Format(out, size, L"WND_W=%d", w);
    if (h > 0) return Format(out, size, L"WND_H=%d", h);
    return Format(out, size, L"%s", arg);
}

// Minutes as seconds, held in the int range.
int Seconds(int minutes)
{
    const long long s = minutes * 60LL;
    return s > INT_MAX ? INT_MAX : (s < INT_MIN ? INT_MIN : (int)s);
}

int CatalogueLabel(wchar_t* out, int size, const SMENUPRESET& entry)
{
    const int id = (int)entry.Function;
    const wchar_t* name = m_Function_GetName(nullptr, id);
    switch (m_Function_GetParamKind(nullptr, id)) {
        case FUNC_PARAM_NONE:
            return Format(out, size, L"%s", name);
        case FUNC_PARAM_NUMBER:
            return Format(out, size, L"%s (%d)", name, entry.Param);
        default:
            return Format(out, size, L"%s (%s)", name, entry.Arg);
    }
}

}  // namespace

int m_MenuPresets_Label(wchar_t* out, int size, const SMENUPRESET* in)
{
    if (!out || size < 1) return 0;
    out[0] = 0;
    if (!in) return 0;
    // An edited argument may fill all its characters without a terminator.
    SMENUPRESET copy = *in;
    copy.Arg[kMenuPresetTextCap - 1] = 0;
    const SMENUPRESET* entry = &copy;
    const int p = entry->Param;
    int w = 0, h = 0;
    switch (entry->Function) {
        case 13:
            return Format(out, size, L"ｘ%0.2f", p / 100.0);
        case 14:
            return Format(out, size, p < 0 ? L"－%0.2f" : L"＋%0.2f",
                          (p < 0 ? -(double)p : p) / 100.0);
        case 15:
            return Format(out, size, p < 1 ? L"Down" : L"Up");
        case 32:
            return Format(out, size, L"%d%%", p);
        case 33:
            return Format(out, size, L"W=%d", p);
        case 34:
            return Format(out, size, L"H=%d", p);
        case 35:
            if (!ParsePair(entry->Arg, &w, &h)) return Format(out, size, L"%s", entry->Arg);
            return Format(out, size, L"%dx%d", w, h);
        case 36:
            return Format(out, size, L"%0.1fMP", p / 1000000.0);
        case 40:
            return FullScreenLabel(out, size, entry->Arg);
        case 115:
        case 116:
        case 117:
        case 118:
            return m_Timer_FormatMenuText(nullptr, out, size, (int)entry->Function, Seconds(p));
        case 121:
            return m_Timer_FormatMenuText(nullptr, out, size, 121, p);
        case 148:
            return WindowSizeLabel(out, size, entry->Arg);
        case kMenuPresetSeparator:
            return Format(out, size, L"-");
        default:
            return CatalogueLabel(out, size, *entry);
    }
}
