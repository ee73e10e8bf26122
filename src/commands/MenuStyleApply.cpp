#include "commands/MenuStyleApply.h"

#include "controls/MenuManager.h"
#include "settings/Settings.h"

namespace {

constexpr int kDefaultSizePreset = 3;
// Widths beyond any monitor; the bound keeps the scaled values in range.
constexpr int kMenuWidthLimit = 10000;

int Switch(int value) { return value != 0 ? 1 : 0; }

int Width(int value)
{
    if (value < 0) return 0;
    return value > kMenuWidthLimit ? kMenuWidthLimit : value;
}

// A colour typed by hand with six digits has no alpha: it would draw
// nothing at all, so it is taken as opaque.
ARGB Opaque(int value)
{
    const ARGB colour = static_cast<ARGB>(value);
    return (colour >> 24) == 0 ? (colour | 0xFF000000u) : colour;
}

}  // namespace

void m_Menu_ApplyStyle(CMenuManager* manager, int rebuild, CMenuPlus* popup)
{
    if (!manager) manager = &g_MenuManager;
    const SSETTINGS& s = g_Settings;
    SMENUSTYLE style;
    manager->m_GetStyle(&style);
    // A size the presets do not have takes the usual one.
    const int preset = s.Menu_Styl[0] >= 1 && s.Menu_Styl[0] <= 5 ? s.Menu_Styl[0]
                                                                     : kDefaultSizePreset;
    CMenuManager::m_GetSizePreset(&style, preset);
    // The options page lists them as rounded frame, visual effect and the
    // frame round key texts.
    style.Shadow = Switch(s.Menu_Styl[1]);
    style.Effects = Switch(s.Menu_Styl[2]);
    style.ImageShortcuts = Switch(s.Menu_Styl[3]);
    style.MinWidth = Width(s.Menu_Wt[0]);
    style.MaxWidth = Width(s.Menu_Wt[1]);
    style.CustomColors = Switch(s.Menu_Clr[0]);
    style.TextColor = Opaque(s.Menu_Clr[1]);
    style.BackColor = Opaque(s.Menu_Clr[2]);
    // The value after the block carries the coloured-items switch.
    manager->m_StyleExtra = static_cast<UINT64>(Switch(s.Menu_ClrSep));
    // An uninitialised manager builds its look from the style when first used.
    manager->m_SetStyle(&style, rebuild && manager->m_Initialised, popup);
}
