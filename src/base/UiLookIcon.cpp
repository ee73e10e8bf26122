// The program's mark as an icon, from the item-icon strip.
#include "base/ArgbImage.h"
#include "base/ImageFile.h"
#include "base/UiLook.h"

namespace {

// The item-icon strip (PNG resource) and the cell holding the mark.
constexpr WORD kItemIconStrip = 168;
constexpr int kAppMarkCell = 45;
constexpr int kIconSize = 32;
// The mark is drawn dimmed, as the captions' icons are.
constexpr double kMarkAlpha = 160.0 / 255.0;

}  // namespace

HICON m_CreateAppIcon()
{
    CArgbImage strip;
    if (!m_LoadPngResource(&strip, kItemIconStrip)) return nullptr;
    strip.m_SetCellSize(kIconSize, kIconSize);
    if (strip.m_GetCellCount() <= kAppMarkCell) return nullptr;
    CArgbImage icon;
    if (!icon.m_Create(nullptr, kIconSize, kIconSize)) return nullptr;
    // Copied, not blended: the cell's own alpha is the icon's.
    const int columns = strip.m_Width / kIconSize;
    if (!icon.m_Draw(&strip, 0, 0, 0, kIconSize, kIconSize, kAppMarkCell % columns * kIconSize,
                     kAppMarkCell / columns * kIconSize))
        return nullptr;
    icon.m_ScaleAlpha(kMarkAlpha);
    return icon.m_ToIcon(1, -1, -1);
}
