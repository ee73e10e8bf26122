// The control bar's decisions that need no window: the custom buttons'
// holds, where the menus open, and the volume slider's hover text.
#include <strsafe.h>

#include "commands/CtrlCommands.h"
#include "playback/VolumeControl.h"

namespace {

constexpr int kCustomFirstId = 32986;
constexpr int kCustomLeftBase = 192;
constexpr int kCustomRightBase = 208;
constexpr int kMenuMargin = 3;

}  // namespace

SCUSTOMSTEP m_CustomButton_Step(SCUSTOMHOLD* hold, int notification, int seekKind)
{
    SCUSTOMSTEP step = {0, 0, 0};
    const int right = notification == CTRL_RDOWN || notification == CTRL_RUP ||
                      notification == CTRL_RCLICK;
    int& kind = hold->kind[right];
    step.right = right;
    switch (notification) {
        case CTRL_LDOWN:
        case CTRL_RDOWN:
            // A seek or frame step runs while the button is held.
            kind = seekKind == 1 || seekKind == 2 ? seekKind : 0;
            step.exec = kind != 0;
            break;
        case CTRL_LUP:
        case CTRL_RUP:
            step.stopKind = kind;
            break;
        case CTRL_CLICK:
        case CTRL_RCLICK:
            // The click that ends a hold has already run with the press.
            step.exec = kind == 0;
            kind = 0;
            break;
    }
    return step;
}

int m_CustomButton_Number(int id)
{
    const int k = id - kCustomFirstId + 1;
    return k >= 1 && k <= kCtrlCustomButtonCount ? k : 0;
}

int m_CustomButton_MouseCode(int number, int right)
{
    return (right ? kCustomRightBase : kCustomLeftBase) + number;
}

RECT m_CtrlMenu_LimitRect(const RECT& monitor)
{
    return RECT{monitor.left + kMenuMargin, monitor.top + kMenuMargin,
                monitor.right - kMenuMargin, monitor.bottom - kMenuMargin};
}

POINT m_CtrlMenu_SeekBarPoint(const RECT& bar, const RECT& monitor, POINT cursor, POINT offset,
                              int* limit)
{
    const int lower = (bar.top + bar.bottom) / 2 > (monitor.top + monitor.bottom) / 2;
    if (limit) *limit = lower;
    if (!lower) return POINT{cursor.x + offset.x, cursor.y + offset.y};
    // Opened upwards from just above the bar, so that it never covers it.
    return POINT{cursor.x + offset.x, bar.top + offset.y};
}

POINT m_CtrlMenu_FollowButton(POINT cursor, const RECT& before, const RECT& after)
{
    return POINT{cursor.x + after.left - before.left, cursor.y + after.top - before.top};
}

int m_VolumeHover_Text(wchar_t* out, int size, int volume, int decimals)
{
    if (!out || size < 1) return 0;
    const HRESULT hr =
        StringCchPrintfW(out, size, L"VOL````%s%%", m_Volume_FormatPercent(volume, decimals));
    if (FAILED(hr)) out[0] = 0;
    return SUCCEEDED(hr) ? 1 : 0;
}

int m_VolumeHover_Wanted(int timerActive, int dragTextShown)
{
    return !timerActive && !dragTextShown;
}
