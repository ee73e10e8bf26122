#include <windows.h>

#include "app/Layout.h"
#include "app/MainWindow.h"
#include "commands/MenuItemModel.h"

UINT g_CurrentControlId;

namespace {

// Button numbers of the control-bar buttons, in control-id order.
const int kButtonNumbers[kControlButtonCount] = {
    1, 2, 4, 5, 6, 7, 17, 18, 19, 20, 21, 23, 24, 25, 26, 27, 28, 193, 194, 195, 196, 197, 198};

}  // namespace

CButtonPlus* m_GetButtonByIndex(int number)
{
    for (int i = 0; i < kControlButtonCount; ++i)
        if (kButtonNumbers[i] == number) return &g_ControlButtons[i];
    return nullptr;
}

CButtonPlus* m_GetButtonOfCurrentControl()
{
    const UINT id = g_CurrentControlId;
    const UINT first = kControlButtonFirstId;
    if (id >= first && id < first + kControlButtonCount) return &g_ControlButtons[id - first];
    // These two ids are buttons of their own, not sliders.
    if (id == static_cast<UINT>(IDC_EXTRA_BUTTON)) return &g_ExtraButton;
    if (id == static_cast<UINT>(IDC_VOLUME_BUTTON)) return &g_VolumeButton;
    return nullptr;
}
